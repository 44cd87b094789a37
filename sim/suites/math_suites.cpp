// The "AI Random Suite" and the "AI Real Math Suite".
#include "sim/host.h"
#include "sim/suites/registry.h"

namespace sim {
namespace {
Real FloatRnd() {
  Host& host = Host::Current();
  host.Enter(Op::FloatRnd);
  return host.random().Next();
}
Real DegreeToRadian(Real degrees) {
  Host::Current().Enter(Op::DegreeToRadian);
  return static_cast<Real>(degrees * (3.14159265358979323846 / 180.0));
}
void ConcatScale(RealMatrix*, Real, Real) { Host::Current().Enter(Op::ConcatScale); }
void ConcatRotate(RealMatrix*, Real) { Host::Current().Enter(Op::ConcatRotate); }
void ConcatTranslate(RealMatrix*, Real, Real) { Host::Current().Enter(Op::ConcatTranslate); }
}  // namespace

const AIRandomSuite kRandomSuiteTable = {FloatRnd};
const AIRealMathSuite kRealMathSuiteTable = {DegreeToRadian, ConcatScale, ConcatRotate,
                                             ConcatTranslate};

}  // namespace sim
