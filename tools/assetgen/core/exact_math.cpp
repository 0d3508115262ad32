#include "core/exact_math.h"

#include <cmath>

namespace assetgen {

namespace {

constexpr double kLn2 = 0.69314718055994530942;

// Taylor series of sin on [-pi/2, pi/2]; the error stays below 1e-13.
double sin_near_zero(double x) {
  const double x2 = x * x;
  double term = x;
  double sum = x;
  for (int n = 1; n <= 10; ++n) {
    term *= -x2 / ((2.0 * n) * (2.0 * n + 1));
    sum += term;
  }
  return sum;
}

}  // namespace

double exact_sin(double x) {
  // Bring x into [-pi, pi), then fold onto [-pi/2, pi/2].
  x -= kTwoPi * std::floor(x / kTwoPi + 0.5);
  if (x > kPi / 2) x = kPi - x;
  if (x < -kPi / 2) x = -kPi - x;
  return sin_near_zero(x);
}

double exact_cos(double x) {
  return exact_sin(x + kPi / 2);
}

double exact_exp(double x) {
  // exp(x) = 2^k * exp(r) with |r| <= ln2 / 2; std::floor and std::ldexp are exact.
  const double k = std::floor(x / kLn2 + 0.5);
  const double r = x - k * kLn2;
  double term = 1;
  double sum = 1;
  for (int n = 1; n <= 16; ++n) {
    term *= r / n;
    sum += term;
  }
  return std::ldexp(sum, static_cast<int>(k));
}

double exact_exp2(double x) {
  return exact_exp(x * kLn2);
}

}  // namespace assetgen
