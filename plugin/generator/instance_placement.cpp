#include "plugin/generator/instance_placement.h"

#include "plugin/host/suite_table.h"

SlotTransform ComputeSlotTransform(const RunState& state) {
  const AIRandomSuite* random = sRandom();
  SlotTransform result;

  const float signX = RandomSign(random->FloatRnd());
  const float base = state.slotScale * state.passScale * state.rowScale * state.baseScale;
  result.sx = random->FloatRnd() * state.scaleJitterH * signX + base;

  // The vertical draws are made even when the scale is proportional, so the
  // sequence of draws does not depend on that option.
  const float signY = RandomSign(random->FloatRnd());
  result.sy = random->FloatRnd() * state.scaleJitterV * signY + base;
  if (state.linkProportional) result.sy = result.sx;

  const float signAngle = RandomSign(random->FloatRnd());
  result.angle = random->FloatRnd() * state.angleJitter * signAngle + state.slotAngle +
                 state.passAngle + state.rowAngle + state.baseAngle;
  return result;
}

void PlaceInstance(const RunState& state, const SlotTransform& transform) {
  const AISymbolSuite* symbols = sSymbol();
  const AIRealMathSuite* math = sRealMath();
  const AIRandomSuite* random = sRandom();

  ArtHandle instance = nullptr;
  if (symbols->NewInstanceCenteredInArt(state.symbol, RealPoint{0.0f, 0.0f}, kPlaceAboveAll,
                                        nullptr, &instance) != kNoError) {
    return;
  }

  // A new instance centred on the origin has the identity as its matrix;
  // should the host fail to give it, the identity stands in for it, so the
  // instance is still placed as it would have been (never squashed to a point).
  RealMatrix matrix{1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
  symbols->GetSoftTransform(instance, &matrix);
  // Each concatenation applies after the ones before it: the instance is
  // stretched along its own axes, then turned about its centre, then moved.
  math->ConcatScale(&matrix, transform.sx, transform.sy);
  math->ConcatRotate(&matrix, transform.angle);

  const float signV = RandomSign(random->FloatRnd());
  const float signH = RandomSign(random->FloatRnd());
  const float pass = static_cast<float>(state.pass);
  const float ty =
      (state.passOffsetV * pass + random->FloatRnd() * state.positionJitterV * signV) +
      state.positionV;
  const float tx =
      (state.passOffsetH * pass + random->FloatRnd() * state.positionJitterH * signH) +
      state.positionH;
  math->ConcatTranslate(&matrix, tx, ty);
  symbols->SetSoftTransform(instance, &matrix);

  if (state.breakLink) {
    // The instance goes whether or not the host could break it.
    symbols->BreakLinkToSymbol(instance, 0, nullptr, nullptr);
    sArt()->DisposeArt(instance);
  }
}
