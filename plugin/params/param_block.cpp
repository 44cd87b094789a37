#include "plugin/params/param_block.h"

const char* const kSettingsPageTexts[kSettingsPageCount] = {
    " Headline settings",
    " Layer factor settings ",
    " Basic row settings ",
};

const char* const kFillModeTexts[kFillModeCount] = {
    " Fill all slots",
    " Fill slots random 50-50 ",
    " Fill slots random 70-30 ",
    " Fill slots random 20-80 ",
    " Fill alternate slots ",
    " Fill alternate slots (alternate layers) ",
    " Fill alternate slots (layer sync-ed)",
    " Slot matches layer",
    " Bounce back",
    " Fill third slot",
    " Fill slots random 50-50 (up to max 3 symbols) ",
};

const char* const kPresetTexts[kPresetCount] = {
    " Basic Default settings",
    " Shrink symbols (from left to right) ",
    " Shrink Symbols (with pulse reset)",
    " Jitter angle between -90 and 90 ",
    " Jitter shift up and down (50pts)",
    " Increasing horizontal gap (Layers=10/initial)",
    " Total Reset",
    " Shrink symbols from layer to layer (Layers=10/initial)",
    " Raising Up (Layers=10/initial)",
    " Random symbols (Layers=10/initial)",
    " Shrink symbols Pulsed across layers (Layers=10/initial)",
    " Rotated symbols Pulsed across layers (Layers=10/initial)",
    " Equal row column grid",
    " Equal row column grid / Slanted",
    " Equal row column grid / Shrinking scale per row",
    " Two rows",
    " Two rows/reflected",
    " Break link with symbols",
};

namespace {

constexpr ParamSlot I(int32_t value) { return ParamSlot{.i = value}; }
constexpr ParamSlot F(float value) { return ParamSlot{.f = value}; }

// A parameter of one slot.
constexpr ParamInfo Single(const char* name, int32_t slot, ParamKind kind, ParamSlot value,
                           bool written = true) {
  return ParamInfo{name, slot, 1, kind, false, written, {value, I(0), I(0)}, nullptr, 0};
}

// A parameter with one slot per settings page.
constexpr ParamInfo PerPage(const char* name, int32_t base, ParamKind kind, ParamSlot page0,
                            ParamSlot page1, ParamSlot page2) {
  return ParamInfo{name, base, 3, kind, true, true, {page0, page1, page2}, nullptr, 0};
}

// A popup's entry id.
constexpr ParamInfo Popup(const char* name, int32_t slot, const char* const* texts,
                          int32_t count) {
  return ParamInfo{name, slot, 1, ParamKind::EntryId, false, true, {I(0), I(0), I(0)},
                   texts, count};
}

}  // namespace

const ParamInfo kParamInfos[kParamInfoCount] = {
    Single("preview", kSlotPreview, ParamKind::Bool, I(1)),
    PerPage("symbols", kSlotSymbols, ParamKind::Int, I(10), I(0), I(1)),
    Single("layers", kSlotLayers, ParamKind::Int, I(0)),
    Popup("fillMode", kSlotFillMode, kFillModeTexts, kFillModeCount),
    Popup("page", kSlotPage, kSettingsPageTexts, kSettingsPageCount),
    PerPage("symbolToSymbolScale", kSlotSymbolToSymbolScale, ParamKind::Float, F(100.0f),
            F(100.0f), F(100.0f)),
    PerPage("symbolToSymbolAngle", kSlotSymbolToSymbolAngle, ParamKind::Float, F(0.0f), F(0.0f),
            F(0.0f)),
    PerPage("pulse", kSlotPulse, ParamKind::Int, I(-1), I(0), I(0)),
    PerPage("startX", kSlotStartX, ParamKind::Float, F(100.0f), F(0.0f), F(0.0f)),
    PerPage("startY", kSlotStartY, ParamKind::Float, F(100.0f), F(0.0f), F(0.0f)),
    PerPage("gapX", kSlotGapX, ParamKind::Float, F(20.0f), F(0.0f), F(0.0f)),
    PerPage("gapY", kSlotGapY, ParamKind::Float, F(0.0f), F(0.0f), F(20.0f)),
    PerPage("setupScale", kSlotSetupScale, ParamKind::Float, F(100.0f), F(100.0f), F(100.0f)),
    PerPage("setupAngle", kSlotSetupAngle, ParamKind::Float, F(0.0f), F(0.0f), F(0.0f)),
    PerPage("jitterX", kSlotJitterX, ParamKind::Float, F(0.0f), F(0.0f), F(0.0f)),
    PerPage("jitterY", kSlotJitterY, ParamKind::Float, F(0.0f), F(0.0f), F(0.0f)),
    PerPage("jitterScaleX", kSlotJitterScaleX, ParamKind::Float, F(0.0f), F(0.0f), F(0.0f)),
    PerPage("jitterScaleY", kSlotJitterScaleY, ParamKind::Float, F(0.0f), F(0.0f), F(0.0f)),
    PerPage("jitterAngle", kSlotJitterAngle, ParamKind::Float, F(0.0f), F(0.0f), F(0.0f)),
    PerPage("randomSymbols", kSlotRandomSymbols, ParamKind::Bool, I(0), I(0), I(0)),
    PerPage("orderedSymbols", kSlotOrderedSymbols, ParamKind::Bool, I(1), I(0), I(0)),
    Single("linkProportional", kSlotLinkProportional, ParamKind::Bool, I(1)),
    Single("randomSymbolCount", kSlotRandomSymbolCount, ParamKind::Bool, I(0)),
    Single("breakLink", kSlotBreakLink, ParamKind::Bool, I(0)),
    Popup("preset", kSlotPreset, kPresetTexts, kPresetCount),
    Single("runFromGo", kSlotRunFromGo, ParamKind::Bool, I(0), /*written=*/false),
    Single("previewPresent", kSlotPreviewPresent, ParamKind::Bool, I(0)),
    Single("pluginRef", kSlotPluginRef, ParamKind::PluginRef, I(0)),
    ParamInfo{"dialogBounds", kSlotDialogBounds, 4, ParamKind::Int, false, false,
              {I(0), I(0), I(0)}, nullptr, 0},
    Single("dialogBoundsValid", kSlotDialogBoundsValid, ParamKind::Bool, I(0)),
};

const ParamInfo* FindParam(std::string_view name) {
  for (const ParamInfo& info : kParamInfos) {
    if (name == info.name) return &info;
  }
  return nullptr;
}

const ParamInfo* FindParamOfSlot(int32_t slot) {
  for (const ParamInfo& info : kParamInfos) {
    if (slot >= info.firstSlot && slot < info.firstSlot + info.slotCount) return &info;
  }
  return nullptr;
}

int32_t ParamSlotIndex(const ParamInfo& info, int32_t index) {
  if (index < 0 || index >= info.slotCount) return -1;
  return info.firstSlot + index;
}

int32_t PluginRefSlotValue(PluginRef self) {
  return static_cast<int32_t>(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(self)));
}

void WriteParamDefaults(ParamBlock& block, PluginRef self) {
  for (const ParamInfo& info : kParamInfos) {
    if (!info.writtenAtCreation) continue;
    for (int32_t index = 0; index < info.slotCount; ++index) {
      block.slot[info.firstSlot + index] = info.defaults[index];
    }
  }
  block.slot[kSlotReserved].i = 0;
  block.slot[kSlotPluginRef].i = PluginRefSlotValue(self);
}
