// The eighteen ready-made settings of the presets popup.
//
// Choosing a preset puts most parameters back to their defaults (the
// preset reset), applies the preset's own changes on top, shows page 0
// with Preview on and reads the dialog back, which runs a preview.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"
#include "plugin/params/param_block.h"

namespace preset_values {
constexpr ParamSlot I(int32_t value) { return ParamSlot{.i = value}; }
constexpr ParamSlot F(float value) { return ParamSlot{.f = value}; }
}  // namespace preset_values

// One slot written by the reset.
struct PresetSlotValue {
  int32_t slot;
  ParamSlot value;
};

// The reset applied before every preset: each slot with its default at
// creation. It keeps the user's page 0 and page 1 values of symbols,
// setupScale, setupAngle, randomSymbols and orderedSymbols (slots 1, 2, 28,
// 29, 31, 32, 49, 50, 52, 53), and every slot from 58 on except 61.
inline constexpr PresetSlotValue kPresetReset[] = {
    {kSlotPreview, preset_values::I(1)},
    {PageSlot(kSlotSymbols, 2), preset_values::I(1)},
    {kSlotLayers, preset_values::I(0)},
    {kSlotFillMode, preset_values::I(0)},
    {kSlotPage, preset_values::I(0)},
    {PageSlot(kSlotSymbolToSymbolScale, 0), preset_values::F(100.0f)},
    {PageSlot(kSlotSymbolToSymbolScale, 1), preset_values::F(100.0f)},
    {PageSlot(kSlotSymbolToSymbolScale, 2), preset_values::F(100.0f)},
    {PageSlot(kSlotSymbolToSymbolAngle, 0), preset_values::F(0.0f)},
    {PageSlot(kSlotSymbolToSymbolAngle, 1), preset_values::F(0.0f)},
    {PageSlot(kSlotSymbolToSymbolAngle, 2), preset_values::F(0.0f)},
    {PageSlot(kSlotPulse, 0), preset_values::I(-1)},
    {PageSlot(kSlotPulse, 1), preset_values::I(0)},
    {PageSlot(kSlotPulse, 2), preset_values::I(0)},
    {PageSlot(kSlotStartX, 0), preset_values::F(100.0f)},
    {PageSlot(kSlotStartX, 1), preset_values::F(0.0f)},
    {PageSlot(kSlotStartX, 2), preset_values::F(0.0f)},
    {PageSlot(kSlotStartY, 0), preset_values::F(100.0f)},
    {PageSlot(kSlotStartY, 1), preset_values::F(0.0f)},
    {PageSlot(kSlotStartY, 2), preset_values::F(0.0f)},
    {PageSlot(kSlotGapX, 0), preset_values::F(20.0f)},
    {PageSlot(kSlotGapX, 1), preset_values::F(0.0f)},
    {PageSlot(kSlotGapX, 2), preset_values::F(0.0f)},
    {PageSlot(kSlotGapY, 0), preset_values::F(0.0f)},
    {PageSlot(kSlotGapY, 1), preset_values::F(0.0f)},
    {PageSlot(kSlotGapY, 2), preset_values::F(20.0f)},
    {PageSlot(kSlotSetupScale, 2), preset_values::F(100.0f)},
    {PageSlot(kSlotSetupAngle, 2), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterX, 0), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterX, 1), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterX, 2), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterY, 0), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterY, 1), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterY, 2), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterScaleX, 0), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterScaleX, 1), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterScaleX, 2), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterScaleY, 0), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterScaleY, 1), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterScaleY, 2), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterAngle, 0), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterAngle, 1), preset_values::F(0.0f)},
    {PageSlot(kSlotJitterAngle, 2), preset_values::F(0.0f)},
    {PageSlot(kSlotRandomSymbols, 2), preset_values::I(0)},
    {PageSlot(kSlotOrderedSymbols, 2), preset_values::I(0)},
    {kSlotLinkProportional, preset_values::I(1)},
    {kSlotRandomSymbolCount, preset_values::I(0)},
    {kSlotBreakLink, preset_values::I(0)},
    {kSlotPreviewPresent, preset_values::I(0)},
};

// A preset's own change of one slot, applied after the reset.
struct PresetChange {
  Preset preset;
  int32_t slot;
  ParamSlot value;
};

inline constexpr PresetChange kPresetChanges[] = {
    // BasicDefault: the reset alone.
    {Preset::ShrinkSymbols, PageSlot(kSlotSymbolToSymbolScale, 0), preset_values::F(90.0f)},
    {Preset::ShrinkSymbolsPulseReset, PageSlot(kSlotSymbolToSymbolScale, 0), preset_values::F(90.0f)},
    {Preset::ShrinkSymbolsPulseReset, PageSlot(kSlotPulse, 0), preset_values::I(4)},
    {Preset::JitterAngle, PageSlot(kSlotJitterAngle, 0), preset_values::F(90.0f)},
    {Preset::JitterShift, PageSlot(kSlotJitterY, 0), preset_values::F(50.0f)},
    {Preset::IncreasingHorizontalGap, PageSlot(kSlotGapX, 1), preset_values::F(5.0f)},
    {Preset::IncreasingHorizontalGap, kSlotLayers, preset_values::I(10)},
    // TotalReset also puts back the ten slots that the reset keeps.
    {Preset::TotalReset, PageSlot(kSlotSymbols, 0), preset_values::I(10)},
    {Preset::TotalReset, PageSlot(kSlotSymbols, 1), preset_values::I(0)},
    {Preset::TotalReset, PageSlot(kSlotSetupScale, 0), preset_values::F(100.0f)},
    {Preset::TotalReset, PageSlot(kSlotSetupScale, 1), preset_values::F(100.0f)},
    {Preset::TotalReset, PageSlot(kSlotSetupAngle, 0), preset_values::F(0.0f)},
    {Preset::TotalReset, PageSlot(kSlotSetupAngle, 1), preset_values::F(0.0f)},
    {Preset::TotalReset, PageSlot(kSlotRandomSymbols, 0), preset_values::I(0)},
    {Preset::TotalReset, PageSlot(kSlotRandomSymbols, 1), preset_values::I(0)},
    {Preset::TotalReset, PageSlot(kSlotOrderedSymbols, 0), preset_values::I(1)},
    {Preset::TotalReset, PageSlot(kSlotOrderedSymbols, 1), preset_values::I(0)},
    {Preset::ShrinkPerLayer, PageSlot(kSlotSetupScale, 1), preset_values::F(90.0f)},
    {Preset::ShrinkPerLayer, kSlotLayers, preset_values::I(10)},
    {Preset::RaisingUp, PageSlot(kSlotGapY, 1), preset_values::F(1.0f)},
    {Preset::RaisingUp, kSlotLayers, preset_values::I(10)},
    {Preset::RandomSymbols, PageSlot(kSlotRandomSymbols, 0), preset_values::I(1)},
    {Preset::RandomSymbols, kSlotLayers, preset_values::I(10)},
    {Preset::ShrinkPulsedAcrossLayers, PageSlot(kSlotPulse, 1), preset_values::I(1)},
    {Preset::ShrinkPulsedAcrossLayers, PageSlot(kSlotSymbolToSymbolScale, 0), preset_values::F(90.0f)},
    {Preset::ShrinkPulsedAcrossLayers, kSlotLayers, preset_values::I(10)},
    {Preset::RotatedPulsedAcrossLayers, PageSlot(kSlotPulse, 1), preset_values::I(1)},
    {Preset::RotatedPulsedAcrossLayers, PageSlot(kSlotSymbolToSymbolAngle, 0), preset_values::F(-10.0f)},
    {Preset::RotatedPulsedAcrossLayers, kSlotLayers, preset_values::I(10)},
    {Preset::Grid, PageSlot(kSlotSymbols, 2), preset_values::I(10)},
    {Preset::GridSlanted, PageSlot(kSlotSymbols, 2), preset_values::I(10)},
    {Preset::GridSlanted, PageSlot(kSlotGapX, 2), preset_values::F(10.0f)},
    {Preset::GridShrinkingPerRow, PageSlot(kSlotSymbols, 2), preset_values::I(10)},
    {Preset::GridShrinkingPerRow, PageSlot(kSlotSetupScale, 2), preset_values::F(90.0f)},
    {Preset::TwoRows, PageSlot(kSlotSymbols, 2), preset_values::I(2)},
    {Preset::TwoRowsReflected, PageSlot(kSlotSymbols, 2), preset_values::I(2)},
    {Preset::TwoRowsReflected, PageSlot(kSlotSetupAngle, 2), preset_values::F(180.0f)},
    {Preset::BreakLink, kSlotBreakLink, preset_values::I(1)},
};

// Slot 58 := preset, then the reset, then the preset's changes. An id
// outside 0 to 17 gets the reset alone.
void ApplyPreset(ParamBlock& block, int32_t preset);

// Presets popup (item 52): applies the chosen preset to the dialog's record
// and brings the dialog up to date with it.
void OnPresetChosen(ItemRef item, NotifierRef notifier);
