// The Error Dialog: one sentence explaining a failed message, and its code.
#pragma once

#include "plugin/host/api/message.h"

// String list pairing codes (odd indexes) with sentences (the next index);
// the last pair is the catch-all.
constexpr int32_t kErrorStringList = 16050;
constexpr int32_t kErrorDialogId = 16051;
#define kErrorDialogName "Error Dialog"

// The texts handed to the Error Dialog as its user data.
struct ErrorDialogText {
  char sentence[256];
  char code[16];
};

// Shows the Error Dialog for a failed message. Does nothing for 0 and
// "STOP", or when the dialog suites are not there.
void ReportError(MessageData* message, Status status);

// Runs the Error Dialog with the texts. Returns 0.
Status ShowErrorDialog(MessageData* message, ErrorDialogText* text);

// The Error Dialog's init procedure: puts the texts into items 2 and 3.
Status InitErrorDialog(DialogRef dialog);

// Notify procedure of the OK button of the Error and About dialogs: the
// dialog manager's own handling, which closes the dialog with item 1.
void OnOkDefault(ItemRef item, NotifierRef notifier);

// The code that an entry of the error string list stands for: a number for
// an entry starting with '-' or a digit (read by the host, cut to 16 bits),
// otherwise the four characters.
Status CodeOfEntry(const char* entry);

// Writes the code text of a status into code: digits for -65536 to 65535,
// the four characters otherwise.
void MakeCodeText(Status status, char code[16]);
