// The ten integer kernels: each repeats one step on its program-wide variable
// until StepCounter passes IntegerStepLimit. The step: store the start value,
// add half of it, divide by 5, shift right by one, multiply by 2, divide by 4,
// with every check of its type.
#pragma once

#include <cstdint>

namespace datacomp {

extern volatile std::int32_t IntegerValue;
extern volatile std::uint8_t ByteValue;
extern volatile std::int8_t ShortIntValue;
extern volatile std::uint16_t WordValue;
extern volatile std::int16_t SmallIntValue;
extern volatile std::uint32_t CardinalValue;
extern volatile std::uint32_t LongWordValue;
extern volatile std::int32_t LongIntValue;
extern volatile std::int64_t CompValue;
extern volatile std::int64_t Int64Value;

void KernelInteger();  // ends by writing one line end to standard output
void KernelByte();
void KernelShortInt();
void KernelWord();
void KernelSmallInt();
void KernelCardinal();
void KernelLongWord();
void KernelLongInt();
void KernelComp();
void KernelInt64();

}  // namespace datacomp
