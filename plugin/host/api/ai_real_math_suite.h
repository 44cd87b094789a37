// "AI Real Math Suite", version 1: angles and matrix arithmetic.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAIRealMathSuite "AI Real Math Suite"
constexpr int32_t kAIRealMathSuiteVersion = 1;

struct AIRealMathSuite {
  // Converts an angle from degrees to radians.
  Real (*DegreeToRadian)(Real degrees);

  // Each Concat operation changes *matrix to apply its transformation after
  // the ones already in it. A positive angle turns counterclockwise on the
  // page (y grows upwards).
  void (*ConcatScale)(RealMatrix* matrix, Real sx, Real sy);      // scale about the origin
  void (*ConcatRotate)(RealMatrix* matrix, Real angle);           // radians, about the origin
  void (*ConcatTranslate)(RealMatrix* matrix, Real tx, Real ty);  // move by (tx, ty)
};
