#include "plugin/host/about_box.h"

#include "plugin/host/error_report.h"
#include "plugin/host/suite_table.h"

Status ShowAboutBox(MessageData* message) {
  sADMDialog()->Modal(message->self, kAboutDialogName, kAboutDialogId, 0, InitAboutDialog, nullptr);
  return kNoError;
}

Status InitAboutDialog(DialogRef dialog) {
  sADMItem()->SetNotifyProc(sADMDialog()->GetItem(dialog, 1), OnOkDefault);
  return kNoError;
}
