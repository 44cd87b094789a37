#include "plugin/generator/generate_symbols.h"

#include "plugin/generator/fill_test.h"
#include "plugin/generator/instance_placement.h"
#include "plugin/generator/run_state.h"
#include "plugin/generator/symbol_choice.h"
#include "plugin/host/suite_table.h"

namespace {

constexpr float kPercent = 0.01f;

float Percent(const ParamBlock& block, int32_t slot) { return block.slot[slot].f * kPercent; }

bool Flag(const ParamBlock& block, int32_t slot) { return block.slot[slot].i != 0; }

// Reads the block into the run's step values and sets the running values
// to their start values. The percents are converted first, then the seven
// angles through the host, in a fixed order.
void StartRun(const ParamBlock& block, RunState& state) {
  const auto slotOf = [](int32_t base, SettingsPage page) {
    return PageSlot(base, static_cast<int32_t>(page));
  };
  constexpr SettingsPage kP0 = SettingsPage::Headline;
  constexpr SettingsPage kP1 = SettingsPage::LayerFactor;
  constexpr SettingsPage kP2 = SettingsPage::BasicRow;

  state.baseScale = Percent(block, slotOf(kSlotSetupScale, kP0));
  state.slotScaleStep = Percent(block, slotOf(kSlotSymbolToSymbolScale, kP0));
  state.scaleJitterH = Percent(block, slotOf(kSlotJitterScaleX, kP0));
  state.scaleJitterV = Percent(block, slotOf(kSlotJitterScaleY, kP0));
  state.baseScaleStep = Percent(block, slotOf(kSlotSetupScale, kP1));
  state.passScaleStep = Percent(block, slotOf(kSlotSymbolToSymbolScale, kP1));
  state.scaleJitterStepH = Percent(block, slotOf(kSlotJitterScaleX, kP1));
  state.scaleJitterStepV = Percent(block, slotOf(kSlotJitterScaleY, kP1));
  state.rowScaleStep = Percent(block, slotOf(kSlotSetupScale, kP2));

  const AIRealMathSuite* math = sRealMath();
  state.baseAngle = math->DegreeToRadian(block.slot[slotOf(kSlotSetupAngle, kP0)].f);
  state.slotAngleStep = math->DegreeToRadian(block.slot[slotOf(kSlotSymbolToSymbolAngle, kP0)].f);
  state.angleJitter = math->DegreeToRadian(block.slot[slotOf(kSlotJitterAngle, kP0)].f);
  state.baseAngleStep = math->DegreeToRadian(block.slot[slotOf(kSlotSetupAngle, kP1)].f);
  state.passAngleStep = math->DegreeToRadian(block.slot[slotOf(kSlotSymbolToSymbolAngle, kP1)].f);
  state.angleJitterStep = math->DegreeToRadian(block.slot[slotOf(kSlotJitterAngle, kP1)].f);
  state.rowAngleStep = math->DegreeToRadian(block.slot[slotOf(kSlotSetupAngle, kP2)].f);

  state.startH = block.slot[slotOf(kSlotStartX, kP0)].f;
  state.startV = block.slot[slotOf(kSlotStartY, kP0)].f;
  state.startStepH = block.slot[slotOf(kSlotStartX, kP1)].f;
  state.startStepV = block.slot[slotOf(kSlotStartY, kP1)].f;
  state.passOffsetH = block.slot[slotOf(kSlotStartX, kP2)].f;
  state.passOffsetV = block.slot[slotOf(kSlotStartY, kP2)].f;
  state.slotStepH = block.slot[slotOf(kSlotGapX, kP0)].f;
  state.slotStepV = block.slot[slotOf(kSlotGapY, kP0)].f;
  state.slotStepStepH = block.slot[slotOf(kSlotGapX, kP1)].f;
  state.slotStepStepV = block.slot[slotOf(kSlotGapY, kP1)].f;
  state.rowShiftH = block.slot[slotOf(kSlotGapX, kP2)].f;
  state.rowShiftV = block.slot[slotOf(kSlotGapY, kP2)].f;
  state.positionJitterH = block.slot[slotOf(kSlotJitterX, kP0)].f;
  state.positionJitterV = block.slot[slotOf(kSlotJitterY, kP0)].f;
  state.positionJitterStepH = block.slot[slotOf(kSlotJitterX, kP1)].f;
  state.positionJitterStepV = block.slot[slotOf(kSlotJitterY, kP1)].f;

  state.baseSlotCount = block.slot[slotOf(kSlotSymbols, kP0)].i;
  state.baseSlotCountStep = block.slot[slotOf(kSlotSymbols, kP1)].i;
  state.pulse = block.slot[slotOf(kSlotPulse, kP0)].i;
  state.pulseStep = block.slot[slotOf(kSlotPulse, kP1)].i;
  state.fillMode = block.slot[kSlotFillMode].i;

  state.randomSymbolPerSlot = Flag(block, slotOf(kSlotRandomSymbols, kP0));
  state.randomSymbolPerPass = Flag(block, slotOf(kSlotRandomSymbols, kP1));
  state.orderedSymbolPerSlot = Flag(block, slotOf(kSlotOrderedSymbols, kP0));
  state.orderedSymbolPerPass = Flag(block, slotOf(kSlotOrderedSymbols, kP1));
  state.linkProportional = Flag(block, kSlotLinkProportional);
  state.randomSlotCount = Flag(block, kSlotRandomSymbolCount);
  state.breakLink = Flag(block, kSlotBreakLink);

  state.passScale = 1.0f;
  state.passAngle = 0.0f;
  state.rowCounter = 0;
  state.orderCounter = 0;
}

// The slots per row of the pass: the base count, or a random part of it.
// Never below 1; with the random count and a base of 2 or more, always
// below the base.
int32_t PassSlotCount(const RunState& state) {
  int32_t count = state.baseSlotCount;
  if (state.randomSlotCount) {
    count = TruncateToInt32(sRandom()->FloatRnd() * static_cast<float>(state.baseSlotCount));
    // A draw of 1, which the host should never give, would keep the base.
    if (state.baseSlotCount >= 2 && count >= state.baseSlotCount) {
      count = state.baseSlotCount - 1;
    }
  }
  return count < 1 ? 1 : count;
}

void RunSlot(RunState& state) {
  const SlotTransform transform = ComputeSlotTransform(state);
  ChooseSlotSymbol(state);
  if (IsSlotFilled(state.fillMode, state.pass, state.slot, state.slotCount, state.rowCounter,
                   state.fillCount)) {
    ++state.fillCount;
    PlaceInstance(state, transform);
  }

  state.positionH = state.positionH + state.slotStepH;
  state.positionV = state.positionV + state.slotStepV;
  state.slotScale = state.slotScale * state.slotScaleStep;
  state.slotAngle = state.slotAngle + state.slotAngleStep;

  if (state.pulseCounter == state.pulse) {
    state.slotScale = 1.0f;
    state.slotAngle = 0.0f;
    state.pulseCounter = 0;
  } else {
    ++state.pulseCounter;
  }
}

void RunRow(RunState& state, int32_t row) {
  const float rowIndex = static_cast<float>(row);
  state.positionH = state.startH + rowIndex * state.rowShiftH;
  state.positionV = state.startV + rowIndex * state.rowShiftV;
  state.slotScale = 1.0f;
  state.slotAngle = 0.0f;
  state.pulseCounter = 0;
  state.fillCount = 0;

  for (int32_t k = 0; k < state.slotCount; ++k) {
    state.slot = k;
    RunSlot(state);
  }

  ++state.rowCounter;
  if (state.rowCounter >= state.slotCount) state.rowCounter = 0;
  state.rowScale = state.rowScale * state.rowScaleStep;
  state.rowAngle = state.rowAngle + state.rowAngleStep;
}

void EndPass(RunState& state) {
  state.startH = state.startH + state.startStepH;
  state.startV = state.startV + state.startStepV;
  state.slotStepH = state.slotStepH + state.slotStepStepH;
  state.slotStepV = state.slotStepV + state.slotStepStepV;
  state.baseScale = state.baseScale * state.baseScaleStep;
  state.baseAngle = state.baseAngle + state.baseAngleStep;
  state.positionJitterH = state.positionJitterH + state.positionJitterStepH;
  state.positionJitterV = state.positionJitterV + state.positionJitterStepV;
  state.scaleJitterH = state.scaleJitterH + state.scaleJitterStepH;
  state.scaleJitterV = state.scaleJitterV + state.scaleJitterStepV;
  state.angleJitter = state.angleJitter + state.angleJitterStep;
  state.passScale = state.passScale * state.passScaleStep;
  state.passAngle = state.passAngle + state.passAngleStep;
  state.baseSlotCount = WrappingAdd(state.baseSlotCount, state.baseSlotCountStep);
  state.pulse = WrappingAdd(state.pulse, state.pulseStep);
}

Status RunLayerPass(const ParamBlock& block, RunState& state) {
  if (state.orderedSymbolPerSlot) state.orderCounter = 0;
  ChoosePassSymbol(state);
  state.slotCount = PassSlotCount(state);

  if (state.pass > 0) {
    const Status status = sLayer()->InsertLayer(nullptr, kPlaceAboveAll, nullptr);
    if (status != kNoError) return status;
  }

  state.rowScale = 1.0f;
  state.rowAngle = 0.0f;
  // A negative row count makes no rows, as 0 does.
  for (int32_t row = 0; row < block.slot[PageSlot(kSlotSymbols, 2)].i; ++row) {
    RunRow(state, row);
  }

  EndPass(state);
  return kNoError;
}

}  // namespace

Status GenerateSymbols(ParamBlock& block) {
  if (Flag(block, kSlotRunFromGo) && Flag(block, kSlotPreviewPresent)) {
    // The preview made from these values is the result: keep it.
    block.slot[kSlotPreviewPresent].i = 0;
    return kNoError;
  }

  Status status = sUndo()->UndoChanges();
  if (status != kNoError) return status;

  DocumentInfo info{};
  status = sDocument()->QueryDocument(&info);
  if (status != kNoError) return status;

  RunState state{};
  sDocument()->GetDocument(&state.document);
  if (sSymbolPalette()->GetCurrentSymbol(&state.symbol) != kNoError) {
    // No symbol selected: nothing to make, and not an error.
    return kNoError;
  }

  StartRun(block, state);

  // A negative layer count makes no pass. Compared in 64 bits so that
  // the largest count cannot overflow.
  for (int64_t pass = 0; pass < static_cast<int64_t>(block.slot[kSlotLayers].i) + 1; ++pass) {
    state.pass = static_cast<int32_t>(pass);
    status = RunLayerPass(block, state);
    if (status != kNoError) return status;
  }

  if (!Flag(block, kSlotRunFromGo)) sDocument()->RedrawDocument();
  return kNoError;
}
