#include <gtest/gtest.h>

#include "platform/fake_platform.h"
#include "probe/machine_probes.h"
#include "support/expect_error.h"

namespace datacomp {
namespace {

using Value = platform::FakePlatform::Value;
using platform::kRegBinary;
using platform::kRegDword;
using platform::kRegExpandSz;
using platform::kRegMultiSz;
using platform::kRegSz;

Value Text(std::string data, std::uint32_t type = kRegSz) {
  Value value;
  value.type = type;
  value.data = std::move(data);
  return value;
}

struct TextCase {
  const char* name;
  Value value;
  std::string text;
};

TEST(ReadRegistryText, TextRules) {
  Value larger = Text(std::string("AMD\0", 4));
  larger.size = 40;
  Value zeroSize = Text("\x01\x02\x03\x04", kRegDword);
  zeroSize.size = 0;
  Value failedQuery = Text("x");
  failedQuery.sizeStatus = 5;
  Value huge = Text("x");
  huge.size = 0x80000000u;  // negative as a signed size
  const TextCase cases[] = {
      {"plain", Text(std::string("GenuineIntel\0", 13)), "GenuineIntel"},
      {"NUL inside", Text(std::string("Genuine\0Intel\0", 14)), "Genuine"},
      {"size larger than the text", larger, "AMD"},
      {"no NUL at all", Text("AuthenticAMD"), "AuthenticAMD"},
      {"expand type kept as stored", Text(std::string("%VENDOR%\0", 9), kRegExpandSz),
       "%VENDOR%"},
      {"blanks kept", Text(std::string("  Intel  \0", 10)), "  Intel  "},
      {"non-text of size 0", zeroSize, ""},
      {"failed size query", failedQuery, ""},
      {"size beyond the signed range", huge, ""},
      {"code page bytes", Text("Pr\xF6zessor"), "Pr\xF6zessor"},
  };
  for (const TextCase& c : cases) {
    platform::FakePlatform fake;
    fake.values["V"] = c.value;
    EXPECT_EQ(ReadRegistryText(fake, 1, "V"), c.text) << c.name;
  }
}

TEST(ReadRegistryText, AbsentValueIsEmptyWithoutADataRead) {
  platform::FakePlatform fake;
  EXPECT_EQ(ReadRegistryText(fake, 1, "V"), "");
  EXPECT_EQ(fake.registryCalls, std::vector<std::string>{"size V"});
}

TEST(ReadRegistryText, NonTextTypesRaiseAfterTheDataRead) {
  for (const std::uint32_t type : {kRegBinary, kRegDword, kRegMultiSz, 0u, 11u}) {
    platform::FakePlatform fake;
    fake.values["VendorIdentifier"] = Text("\x01\x00\x00\x00", type);
    const auto error = testing::ErrorOf([&] { ProcessorVendor(fake); });
    ASSERT_TRUE(error.has_value()) << type;
    EXPECT_STREQ(error->ClassName(), "ERegistryException");
    EXPECT_EQ(error->Message(), "Ung\xFC" "ltiger Datentyp f\xFCr 'VendorIdentifier'");
    EXPECT_EQ(fake.registryCalls,
              (std::vector<std::string>{"size VendorIdentifier", "data VendorIdentifier"}));
    EXPECT_EQ(fake.keyOpens, 1);
    EXPECT_EQ(fake.keyCloses, 1) << "the key is closed before the error leaves the probe";
  }
}

TEST(ReadRegistryText, FailedDataReadRaises) {
  platform::FakePlatform fake;
  fake.values["VendorIdentifier"] = Text("GenuineIntel");
  fake.values["VendorIdentifier"].dataStatus = 234;
  const auto error = testing::ErrorOf([&] { ProcessorVendor(fake); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Message(), "Fehler beim Holen der Daten f\xFCr 'VendorIdentifier'");
  EXPECT_EQ(fake.keyCloses, 1);
}

TEST(ProcessorName, NameSlashIdentifier) {
  struct Case {
    const char* name;
    std::optional<std::string> processorName;
    std::optional<std::string> identifier;
    std::string text;
  };
  const Case cases[] = {
      {"both", " Intel(R) Core(TM) i7 ", " x86 Family 6 ",
       " Intel(R) Core(TM) i7 / x86 Family 6 "},
      {"no name", std::nullopt, "x86 Family 6", "/x86 Family 6"},
      {"no identifier", "Intel", std::nullopt, "Intel/"},
      {"neither", std::nullopt, std::nullopt, kUnknownProcessor},
  };
  for (const Case& c : cases) {
    platform::FakePlatform fake;
    if (c.processorName) fake.values["ProcessorNameString"] = Text(*c.processorName);
    if (c.identifier) fake.values["Identifier"] = Text(*c.identifier);
    EXPECT_EQ(ProcessorName(fake), c.text) << c.name;
    EXPECT_EQ(fake.keyOpens, 1);
    EXPECT_EQ(fake.keyCloses, 1);
  }
}

TEST(ProcessorName, NonTextNameRaisesBeforeTheIdentifierIsRead) {
  platform::FakePlatform fake;
  fake.values["ProcessorNameString"] = Text("\x01\x02", kRegBinary);
  fake.values["Identifier"] = Text("x86");
  const auto error = testing::ErrorOf([&] { ProcessorName(fake); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Message(), "Ung\xFC" "ltiger Datentyp f\xFCr 'ProcessorNameString'");
  for (const std::string& call : fake.registryCalls) {
    EXPECT_EQ(call.find("Identifier"), std::string::npos) << call;
  }
  EXPECT_EQ(fake.keyCloses, 1);
}

TEST(ProcessorVendor, EmptyOrAbsentShowsTheFixedText) {
  platform::FakePlatform empty;
  empty.values["VendorIdentifier"] = Text("");
  EXPECT_EQ(ProcessorVendor(empty), kUnknownVendor);

  platform::FakePlatform noKey;
  noKey.keyPresent = false;
  noKey.values["VendorIdentifier"] = Text("GenuineIntel");
  EXPECT_EQ(ProcessorVendor(noKey), kUnknownVendor);  // read against no key
  EXPECT_EQ(ProcessorName(noKey), kUnknownProcessor);
  EXPECT_EQ(noKey.keyCloses, 0);
}

TEST(ProcessorProbes, EachOpensAndClosesTheKeyOnce) {
  platform::FakePlatform fake;
  fake.values["VendorIdentifier"] = Text("GenuineIntel");
  fake.values["ProcessorNameString"] = Text("Intel");
  fake.values["Identifier"] = Text("x86");
  EXPECT_EQ(ProcessorVendor(fake), "GenuineIntel");
  EXPECT_EQ(ProcessorName(fake), "Intel/x86");
  EXPECT_EQ(fake.keyOpens, 2);
  EXPECT_EQ(fake.keyCloses, 2);
}

TEST(ProcessorCount, SignedCountOrRangeError) {
  platform::FakePlatform fake;
  fake.numberOfProcessors = 8;
  EXPECT_EQ(ProcessorCount(fake), 8);
  fake.numberOfProcessors = 2147483647u;
  EXPECT_EQ(ProcessorCount(fake), 2147483647);
  fake.numberOfProcessors = 2147483648u;
  EXPECT_PROGRAM_ERROR(ErrorKind::RangeError, ProcessorCount(fake));
}

}  // namespace
}  // namespace datacomp
