// "ADM Dialog Suite", version 3: modal dialogs.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kADMDialogSuite "ADM Dialog Suite"
constexpr int32_t kADMDialogSuiteVersion = 3;

// A rectangle in dialog units: left, top, right, bottom, y growing downwards.
struct DialogRect {
  int32_t left, top, right, bottom;
};

// Called once when a modal dialog has been built from its template, before
// the user sees it. Returns 0.
typedef Status (*DialogInitProc)(DialogRef dialog);

// Called when an item is created (unused by the plug-in: always null).
typedef Status (*ItemInitProc)(ItemRef item);

// Item type names for CreateItem.
#define kADMPopupListType "ADM Popup List Type"
#define kADMSpinEditType "ADM Spin Edit Type"
#define kADMTextStaticType "ADM Text Static Type"
#define kADMTextCheckBoxType "ADM Text Check Box Type"
#define kADMTextPushButtonType "ADM Text Push Button Type"

struct ADMDialogSuite {
  // Builds the dialog from the plug-in's dialog resource resourceId, names
  // it, runs init on it, then lets the user work until an item ends the
  // dialog. Returns that item's id (1 for OK). style: 0. The dialog and its
  // items exist only during this call; userData is the caller's.
  int32_t (*Modal)(PluginRef self, const char* name, int32_t resourceId, int32_t style,
                   DialogInitProc init, void* userData);

  // The userData given to Modal.
  void* (*GetUserData)(DialogRef dialog);

  // Resizes the dialog's content to width x height, keeping its top left.
  void (*Size)(DialogRef dialog, int32_t width, int32_t height);

  // Moves and sizes the dialog to the rectangle.
  void (*SetBoundsRect)(DialogRef dialog, const DialogRect* bounds);

  // Reads the dialog's rectangle.
  void (*GetBoundsRect)(DialogRef dialog, DialogRect* bounds);

  // The item with this id, or null. With several items of one id, the first made.
  ItemRef (*GetItem)(DialogRef dialog, int32_t itemId);

  // Makes an item of the named type (k...Type above) at bounds. init and
  // userData: null for the plug-in's items.
  ItemRef (*CreateItem)(DialogRef dialog, int32_t itemId, const char* itemType,
                        const DialogRect* bounds, ItemInitProc init, void* userData);
};
