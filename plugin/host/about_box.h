// The About Dialog.
#pragma once

#include "plugin/host/api/message.h"

constexpr int32_t kAboutDialogId = 16050;
#define kAboutDialogName "About Dialog"

// "SP Interface" / "About": shows the About Dialog until the user presses
// OK. Always returns 0, even when the dialog cannot be shown.
Status ShowAboutBox(MessageData* message);

// The About Dialog's init procedure: hooks the OK button up.
Status InitAboutDialog(DialogRef dialog);
