#pragma once

namespace assetgen {

// Sine, cosine and exponentials built from plain arithmetic only. The
// generated files are compared byte for byte on every machine, and the C
// library's transcendental functions may differ in their last bit between
// versions; these do not.

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2 * kPi;

double exact_sin(double x);
double exact_cos(double x);
double exact_exp(double x);
// 2 to the power x.
double exact_exp2(double x);

}  // namespace assetgen
