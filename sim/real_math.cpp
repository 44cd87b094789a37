#include "sim/real_math.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace sim {
namespace {

// pi/2 in three parts: the first two hold 33 significant bits each, so that
// n times either is exact for n below 2^20, and the third holds the rest.
constexpr double kPiOver2Part1 = 0x1.921fb54400000p+0;
constexpr double kPiOver2Part2 = 0x1.0b4611a600000p-34;
constexpr double kPiOver2Part3 = 0x1.3198a2e037073p-69;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr double kTwoPi = 0x1.921fb54442d18p+2;
// Largest |x| whose quadrant count n stays below 2^20.
constexpr double kExactReductionLimit = 1.6e6;
constexpr double kRadiansPerDegree = 0x1.1df46a2529d39p-6;

// Taylor coefficients 1/n!, with alternating signs. On |r| <= pi/4 the first
// omitted term is below 1e-19, far under the rounding of the sums.
constexpr double kSin3 = -1.0 / 6.0;
constexpr double kSin5 = 1.0 / 120.0;
constexpr double kSin7 = -1.0 / 5040.0;
constexpr double kSin9 = 1.0 / 362880.0;
constexpr double kSin11 = -1.0 / 39916800.0;
constexpr double kSin13 = 1.0 / 6227020800.0;
constexpr double kSin15 = -1.0 / 1307674368000.0;
constexpr double kSin17 = 1.0 / 355687428096000.0;
constexpr double kCos2 = -1.0 / 2.0;
constexpr double kCos4 = 1.0 / 24.0;
constexpr double kCos6 = -1.0 / 720.0;
constexpr double kCos8 = 1.0 / 40320.0;
constexpr double kCos10 = -1.0 / 3628800.0;
constexpr double kCos12 = 1.0 / 479001600.0;
constexpr double kCos14 = -1.0 / 87178291200.0;
constexpr double kCos16 = 1.0 / 20922789888000.0;
constexpr double kCos18 = -1.0 / 6402373705728000.0;

// sin r and cos r for |r| <= pi/4. The small leading terms are added last,
// to the large ones, which keeps the rounding error near half a unit.
double SinKernel(double r) {
  const double z = r * r;
  const double tail =
      kSin5 + z * (kSin7 + z * (kSin9 + z * (kSin11 + z * (kSin13 + z * (kSin15 + z * kSin17)))));
  return r + r * z * (kSin3 + z * tail);
}

double CosKernel(double r) {
  const double z = r * r;
  const double tail =
      kCos4 + z * (kCos6 + z * (kCos8 + z * (kCos10 + z * (kCos12 + z * (kCos14 + z * (kCos16 + z * kCos18))))));
  return 1.0 + (z * kCos2 + z * z * tail);
}

// x = n pi/2 + r with |r| <= about pi/4; returns n modulo 4.
int Reduce(double x, double* r) {
  if (std::fabs(x) > kExactReductionLimit) x = std::fmod(x, kTwoPi);  // fmod is exact
  // The nearest whole number of quarter turns (halves away from zero);
  // |t| is below 2^20 here, so the conversions are exact.
  const double t = x * kTwoOverPi;
  const int64_t quadrant = static_cast<int64_t>(t < 0 ? t - 0.5 : t + 0.5);
  const double n = static_cast<double>(quadrant);
  *r = ((x - n * kPiOver2Part1) - n * kPiOver2Part2) - n * kPiOver2Part3;
  return static_cast<int>(quadrant & 3);
}

}  // namespace

void SinCos(double x, double* sine, double* cosine) {
  if (!std::isfinite(x)) {
    *sine = *cosine = x - x;  // not-a-number
    return;
  }
  double r;
  const int quadrant = Reduce(x, &r);
  const double s = SinKernel(r);
  const double c = CosKernel(r);
  switch (quadrant) {
    case 0: *sine = s; *cosine = c; break;
    case 1: *sine = c; *cosine = -s; break;
    case 2: *sine = -s; *cosine = -c; break;
    default: *sine = -c; *cosine = s; break;
  }
}

double Sin(double x) {
  double s, c;
  SinCos(x, &s, &c);
  return s;
}

double Cos(double x) {
  double s, c;
  SinCos(x, &s, &c);
  return c;
}

Real DegreeToRadian(Real degrees) {
  return static_cast<Real>(static_cast<double>(degrees) * kRadiansPerDegree);
}

void ConcatScale(RealMatrix& m, Real sx, Real sy) {
  const double x = sx, y = sy;
  m.a = static_cast<Real>(m.a * x);
  m.b = static_cast<Real>(m.b * y);
  m.c = static_cast<Real>(m.c * x);
  m.d = static_cast<Real>(m.d * y);
  m.tx = static_cast<Real>(m.tx * x);
  m.ty = static_cast<Real>(m.ty * y);
}

void ConcatRotate(RealMatrix& m, Real radians) {
  double s, c;
  SinCos(radians, &s, &c);
  // Followed by the turn (x, y) -> (x cos - y sin, x sin + y cos).
  const double a = m.a, b = m.b, cc = m.c, d = m.d, tx = m.tx, ty = m.ty;
  m.a = static_cast<Real>(a * c - b * s);
  m.b = static_cast<Real>(a * s + b * c);
  m.c = static_cast<Real>(cc * c - d * s);
  m.d = static_cast<Real>(cc * s + d * c);
  m.tx = static_cast<Real>(tx * c - ty * s);
  m.ty = static_cast<Real>(tx * s + ty * c);
}

void ConcatTranslate(RealMatrix& m, Real tx, Real ty) {
  m.tx = static_cast<Real>(static_cast<double>(m.tx) + static_cast<double>(tx));
  m.ty = static_cast<Real>(static_cast<double>(m.ty) + static_cast<double>(ty));
}

char* WriteReal(char* buffer, Real value) {
  if (std::isnan(value)) {
    std::memcpy(buffer, "nan", 3);
    return buffer + 3;
  }
  // std::to_chars gives the shortest round-trip text; it writes at most
  // 15 characters for a float ("-1.17549435e-38").
  return std::to_chars(buffer, buffer + kRealTextMax, value).ptr;
}

void AppendReal(std::string& out, Real value) {
  char buffer[kRealTextMax];
  out.append(buffer, WriteReal(buffer, value));
}

std::string RealText(Real value) {
  std::string text;
  AppendReal(text, value);
  return text;
}

std::string MatrixText(const RealMatrix& m) {
  std::string text = "[";
  const Real values[] = {m.a, m.b, m.c, m.d, m.tx, m.ty};
  for (Real value : values) {
    if (text.size() > 1) text += ' ';
    AppendReal(text, value);
  }
  return text + "]";
}

}  // namespace sim
