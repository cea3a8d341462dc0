#include "kernels/errors.h"

#include <gtest/gtest.h>

namespace datacomp {
namespace {

struct KindCase {
  ErrorKind kind;
  int code;
  const char* className;
  const char* message;
};

TEST(ErrorKinds, CodeClassNameAndMessage) {
  const KindCase cases[] = {
      {ErrorKind::RangeError, 4, "ERangeError", "Fehler bei Bereichspr\xFC" "fung"},
      {ErrorKind::IntOverflow, 5, "EIntOverflow", "Integer\xFC" "berlauf"},
      {ErrorKind::InvalidOp, 6, "EInvalidOp", "Ung\xFC" "ltige Gleitkommaoperation"},
      {ErrorKind::ZeroDivide, 7, "EZeroDivide", "Gleitkommadivision durch Null"},
      {ErrorKind::Overflow, 8, "EOverflow", "Gleitkomma\xFC" "berlauf"},
      {ErrorKind::DivByZero, 3, "EDivByZero", "Division durch Null"},
  };
  for (const KindCase& c : cases) {
    const ProgramError error(c.kind, 0);
    EXPECT_EQ(error.ErrorCode(), c.code) << c.className;
    EXPECT_STREQ(error.ClassName(), c.className);
    EXPECT_EQ(error.Message(), c.message);
  }
}

TEST(ErrorKinds, InOutMessageByCode) {
  const std::pair<int, const char*> cases[] = {
      {2, "Datei nicht gefunden"},
      {3, "Ung\xFC" "ltiger Dateiname"},
      {4, "Zu viele ge\xF6" "ffnete Dateien"},
      {5, "Dateizugriff verweigert"},
      {100, "Versuch hinter dem Dateiende zu lesen"},
      {101, "Zu wenig Speicherplatz"},
      {106, "Ung\xFC" "ltige numerische Eingabe"},
      {32, "E/A-Fehler 32"},
      {112, "E/A-Fehler 112"},
      {1, "E/A-Fehler 1"},
  };
  for (const auto& [code, message] : cases) {
    const ProgramError error(ErrorKind::InOutError, 0, code);
    EXPECT_STREQ(error.ClassName(), "EInOutError");
    EXPECT_EQ(error.ErrorCode(), 0);
    EXPECT_EQ(error.Message(), message) << code;
  }
}

TEST(ErrorKinds, RegistryErrorCarriesItsMessage) {
  const ProgramError error(ErrorKind::RegistryError, 0, 0, "Ung\xFC" "ltiger Datentyp f\xFCr 'X'");
  EXPECT_STREQ(error.ClassName(), "ERegistryException");
  EXPECT_EQ(error.Message(), "Ung\xFC" "ltiger Datentyp f\xFCr 'X'");
}

TEST(Raising, CarriesTheCallersLocationAndTheInOutCode) {
  try {
    RaiseInOutError(112);
  } catch (const ProgramError& error) {
    EXPECT_EQ(error.Kind(), ErrorKind::InOutError);
    EXPECT_EQ(error.InOutCode(), 112);
    EXPECT_NE(error.Location(), 0u);
    return;
  }
  FAIL() << "nothing raised";
}

}  // namespace
}  // namespace datacomp
