// The host's angle and matrix arithmetic, made to give the same bits on every
// platform and compiler: everything is computed in double precision with
// plain IEEE operations (no library trigonometry, no fused multiply-add) and
// rounded to single precision once, at the end.
#pragma once

#include <string>

#include "plugin/host/api/types.h"

namespace sim {

// Sine and cosine of x (radians). Accurate to a few units in the last place
// for |x| up to about 1.6e6; beyond that the argument is first reduced
// modulo the double nearest to 2 pi, which stays reproducible but drifts
// from the true value. Not-a-number and infinities give not-a-number.
double Sin(double x);
double Cos(double x);
void SinCos(double x, double* sine, double* cosine);

// Degrees to radians, rounded once to single precision.
Real DegreeToRadian(Real degrees);

// The identity, or a pure move by (tx, ty).
constexpr RealMatrix kIdentityMatrix = {1, 0, 0, 1, 0, 0};
constexpr RealMatrix TranslationMatrix(Real tx, Real ty) { return {1, 0, 0, 1, tx, ty}; }

// Each of these changes m so that it applies its own transformation after
// the ones already in m (a point (x, y) maps to (a x + c y + tx, b x + d y + ty)).
// Page coordinates grow upwards, so a positive angle turns counterclockwise.
void ConcatScale(RealMatrix& m, Real sx, Real sy);
void ConcatRotate(RealMatrix& m, Real radians);
void ConcatTranslate(RealMatrix& m, Real tx, Real ty);

// Where m takes the point (x, y), in double precision.
struct PointD {
  double x, y;
};
inline PointD Apply(const RealMatrix& m, double x, double y) {
  return {double(m.a) * x + double(m.c) * y + double(m.tx),
          double(m.b) * x + double(m.d) * y + double(m.ty)};
}

// The shortest text that reads back as the same float ("0.1", "-2", "1e+30"),
// the same on every platform. Not-a-number and infinities give "nan", "inf"
// and "-inf". Appends to out, or writes to buffer (at least 16 bytes) and
// returns the end.
constexpr size_t kRealTextMax = 16;
char* WriteReal(char* buffer, Real value);
void AppendReal(std::string& out, Real value);
std::string RealText(Real value);
// "[a b c d tx ty]", each number as RealText writes it.
std::string MatrixText(const RealMatrix& m);

}  // namespace sim
