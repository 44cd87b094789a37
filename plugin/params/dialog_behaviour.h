// The notify procedures that give the parameter dialog its behaviour: the
// page popup, the read-back of every item into the parameter record, and
// the OK button.
//
// The dialog keeps no state of its own: each procedure finds the record
// through the dialog's user data on every call.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

// A spin edit whose range depends on the page shown, with the first slot of
// its per-page parameter and its bounds on pages 0, 1 and 2.
struct RangedItem {
  int32_t itemId;
  int32_t baseSlot;
  bool isFloat;        // float bounds, a precision and float values; else integers
  int32_t min[3];
  int32_t max[3];
};

// Items 4 and 19 (integers), then the float items 5 to 15, 17 and 18: the
// order in which the ranges are given and the values loaded.
constexpr int32_t kRangedItemCount = 15;
extern const RangedItem kRangedItems[kRangedItemCount];

// "Layers" (item 16) shows slot 4 on every page, within 0 to 25.
constexpr int32_t kLayersMin = 0;
constexpr int32_t kLayersMax = 25;

// Decimal places shown by every float item.
constexpr int32_t kFloatPrecision = 5;

// Page popup: stores the page chosen in slot 6, gives every value item its
// range and notify procedure for that page, and loads the page's values
// into the items. Reads nothing else back and runs no preview.
void OnPageChanged(ItemRef item, NotifierRef notifier);

// Every value item, check box, the fill-mode popup and "Shuffle": reads
// every item back into the record, remembers the dialog's rectangle and,
// with Preview on, runs the generator as a live preview.
void OnParamChanged(ItemRef item, NotifierRef notifier);

// OK button: lets the button close the dialog, then remembers the dialog's
// rectangle.
void OnOk(ItemRef item, NotifierRef notifier);
