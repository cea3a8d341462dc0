// The extended values nearest to the powers of ten that the decimal
// conversion scales by.
#pragma once

namespace datacomp {

long double PowerOfTenUnits(int n);       // 10^n, n = 0 .. 31
long double PowerOfTenThirtyTwos(int j);  // 10^(32·j), j = 1 .. 15
long double PowerOfTenFiveTwelves(int m); // 10^(512·m), m = 1 .. 9

}  // namespace datacomp
