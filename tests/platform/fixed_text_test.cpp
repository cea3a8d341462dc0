#include "platform/fixed_text.h"

#include <gtest/gtest.h>

namespace datacomp::platform {
namespace {

TEST(TextOfFixedField, UpToTheFirstNulOrTheWholeField) {
  const char withNul[8] = {'S', 'P', ' ', '2', '\0', 'x', 'y', 'z'};
  EXPECT_EQ(TextOfFixedField(withNul, sizeof withNul), "SP 2");
  char full[128];
  for (char& c : full) c = 'S';
  EXPECT_EQ(TextOfFixedField(full, sizeof full), std::string(128, 'S'));
  const char empty[4] = {};
  EXPECT_EQ(TextOfFixedField(empty, sizeof empty), "");
}

}  // namespace
}  // namespace datacomp::platform
