// The sixteen data types in the order their times stand in a record
// (fields 7 to 22), with each type's group and the group's reference type.
// Shared by the benchmark and by datacomp-report.
#pragma once

#include <array>
#include <cstddef>

namespace datacomp {

enum class TypeGroup { FloatingPoint, Integer };

struct DataType {
  const char* name;
  TypeGroup group;
  bool reference;  // the group's reference: Real, Integer
};

inline constexpr std::size_t kMachineFields = 5;  // vendor, name, clock rate, count, system
inline constexpr std::size_t kInitialsField = 5;  // the sixth field, counted from 0
inline constexpr std::size_t kFirstTimeField = 6;
inline constexpr std::size_t kRecordFields = 22;

inline constexpr std::array<DataType, 16> kRecordTypes = {{
    {"Real", TypeGroup::FloatingPoint, true},
    {"Real48", TypeGroup::FloatingPoint, false},
    {"Single", TypeGroup::FloatingPoint, false},
    {"Double", TypeGroup::FloatingPoint, false},
    {"Extended", TypeGroup::FloatingPoint, false},
    {"Currency", TypeGroup::FloatingPoint, false},
    {"Integer", TypeGroup::Integer, true},
    {"Byte", TypeGroup::Integer, false},
    {"ShortInt", TypeGroup::Integer, false},
    {"Word", TypeGroup::Integer, false},
    {"SmallInt", TypeGroup::Integer, false},
    {"Cardinal", TypeGroup::Integer, false},
    {"LongWord", TypeGroup::Integer, false},
    {"LongInt", TypeGroup::Integer, false},
    {"Comp", TypeGroup::Integer, false},
    {"Int64", TypeGroup::Integer, false},
}};

}  // namespace datacomp
