// The "AI Random Suite" and the "AI Real Math Suite". These operations
// answer values, not statuses: they are counted and journaled, never failed.
#include "sim/host.h"
#include "sim/real_math.h"
#include "sim/suites/registry.h"

namespace sim {
namespace {


Real HostFloatRnd() {
  Host& host = Host::Current();
  host.Enter(Op::FloatRnd);
  const Real value = host.random().Next();
  if (host.tracing()) host.Trace("FloatRnd = " + RealText(value));
  return value;
}

Real HostDegreeToRadian(Real degrees) {
  Host& host = Host::Current();
  host.Enter(Op::DegreeToRadian);
  const Real radians = DegreeToRadian(degrees);
  if (host.tracing()) host.Trace("DegreeToRadian " + RealText(degrees) + " = " + RealText(radians));
  return radians;
}

void HostConcatScale(RealMatrix* matrix, Real sx, Real sy) {
  Host& host = Host::Current();
  host.Enter(Op::ConcatScale);
  if (matrix != nullptr) ConcatScale(*matrix, sx, sy);
  if (host.tracing())
    host.Trace("ConcatScale " + RealText(sx) + " " + RealText(sy) +
               (matrix ? " = " + MatrixText(*matrix) : " null"));
}

void HostConcatRotate(RealMatrix* matrix, Real angle) {
  Host& host = Host::Current();
  host.Enter(Op::ConcatRotate);
  if (matrix != nullptr) ConcatRotate(*matrix, angle);
  if (host.tracing())
    host.Trace("ConcatRotate " + RealText(angle) + (matrix ? " = " + MatrixText(*matrix) : " null"));
}

void HostConcatTranslate(RealMatrix* matrix, Real tx, Real ty) {
  Host& host = Host::Current();
  host.Enter(Op::ConcatTranslate);
  if (matrix != nullptr) ConcatTranslate(*matrix, tx, ty);
  if (host.tracing())
    host.Trace("ConcatTranslate " + RealText(tx) + " " + RealText(ty) +
               (matrix ? " = " + MatrixText(*matrix) : " null"));
}

}  // namespace

const AIRandomSuite kRandomSuiteTable = {HostFloatRnd};
const AIRealMathSuite kRealMathSuiteTable = {HostDegreeToRadian, HostConcatScale, HostConcatRotate,
                                             HostConcatTranslate};

}  // namespace sim
