// "ADM Item Suite", version 4: the items of a dialog.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kADMItemSuite "ADM Item Suite"
constexpr int32_t kADMItemSuiteVersion = 4;

// The notification a user's change sends, and the one SendNotify takes.
#define kADMUserChangedNotifier "ADM User Changed Notifier"

// Runs when the user changes the item and when SendNotify is called on it;
// never for a change the program makes through this suite.
typedef void (*ItemNotifyProc)(ItemRef item, NotifierRef notifier);

struct ADMItemSuite {
  // Installs (or, with null, removes) the item's notify procedure.
  void (*SetNotifyProc)(ItemRef item, ItemNotifyProc proc);

  // The item's own handling of the notification. For the dialog's OK (id 1)
  // and Cancel (id 2) buttons it ends the modal dialog with that id.
  void (*DefaultNotify)(ItemRef item, NotifierRef notifier);

  // Sends the named notification to the item, as if the user had changed it:
  // its notify procedure runs before SendNotify returns.
  void (*SendNotify)(ItemRef item, const char* notifierType);

  DialogRef (*GetDialog)(ItemRef item);  // the dialog that owns the item
  ListRef (*GetList)(ItemRef item);      // a popup's entry list, or null
  void (*SetText)(ItemRef item, const char* text);

  // The value shown by a check box (0 or 1) or a spin edit.
  void (*SetBooleanValue)(ItemRef item, int32_t value);
  int32_t (*GetBooleanValue)(ItemRef item);
  void (*SetIntValue)(ItemRef item, int32_t value);
  int32_t (*GetIntValue)(ItemRef item);
  void (*SetFloatValue)(ItemRef item, Real value);
  Real (*GetFloatValue)(ItemRef item);

  // Bounds within which the item keeps the values the user enters.
  void (*SetMinIntValue)(ItemRef item, int32_t value);
  void (*SetMaxIntValue)(ItemRef item, int32_t value);
  void (*SetMinFloatValue)(ItemRef item, Real value);
  void (*SetMaxFloatValue)(ItemRef item, Real value);

  // Display: the unit shown after the number (0: none), and the number of
  // decimal places of a float.
  void (*SetUnits)(ItemRef item, int32_t units);
  void (*SetPrecision)(ItemRef item, int32_t decimalPlaces);
};
