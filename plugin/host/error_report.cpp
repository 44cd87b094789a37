#include "plugin/host/error_report.h"

#include <cmath>
#include <cstring>

#include "plugin/host/filter_registration.h"
#include "plugin/host/suite_table.h"

namespace {
constexpr int32_t kOkItem = 1;
constexpr int32_t kSentenceItem = 2;
constexpr int32_t kCodeItem = 3;

// The scan of the list stops at the first empty entry. A host whose reads
// fail without emptying the buffer must not keep it going for ever: no list
// has more entries than a 16-bit index can reach.
constexpr int32_t kLastListIndex = 0x7FFF;
}  // namespace

Status CodeOfEntry(const char* entry) {
  if (entry[0] == '-' || (entry[0] >= '0' && entry[0] <= '9')) {
    char counted[256];
    std::strncpy(counted, entry, sizeof counted - 1);
    counted[sizeof counted - 1] = '\0';
    Real value = 0;
    sUser()->StringToNumber(MakeCountedString(counted), &value);
    // Toward zero, then the low 16 bits as a signed value. Values too large
    // for any integer (or not numbers) count as 0 rather than overflowing.
    const double whole = std::trunc(static_cast<double>(value));
    const int64_t integer = (whole > -9.0e18 && whole < 9.0e18) ? static_cast<int64_t>(whole) : 0;
    return static_cast<int16_t>(static_cast<uint16_t>(integer & 0xFFFF));
  }
  // Missing characters of a short entry count as zero bytes.
  char chars[4] = {0, 0, 0, 0};
  for (int i = 0; i < 4 && entry[i] != '\0'; ++i) chars[i] = entry[i];
  return static_cast<Status>((static_cast<uint32_t>(static_cast<uint8_t>(chars[0])) << 24) |
                             (static_cast<uint32_t>(static_cast<uint8_t>(chars[1])) << 16) |
                             (static_cast<uint32_t>(static_cast<uint8_t>(chars[2])) << 8) |
                             static_cast<uint32_t>(static_cast<uint8_t>(chars[3])));
}

void MakeCodeText(Status status, char code[16]) {
  unsigned char* counted = reinterpret_cast<unsigned char*>(code);
  if (status >= -65536 && status <= 65535) {
    counted[0] = 0;
    unsigned char digits[256] = {0};
    sUser()->NumberToString(static_cast<Real>(status), 0, digits);
    const size_t length = digits[0] < 15 ? digits[0] : 15;
    counted[0] = static_cast<unsigned char>(length);
    std::memcpy(counted + 1, digits + 1, length);
  } else {
    const uint32_t bits = static_cast<uint32_t>(status);
    counted[0] = 4;
    counted[1] = static_cast<unsigned char>(bits >> 24);
    counted[2] = static_cast<unsigned char>(bits >> 16);
    counted[3] = static_cast<unsigned char>(bits >> 8);
    counted[4] = static_cast<unsigned char>(bits);
  }
  MakeZeroTerminated(counted);
}

void ReportError(MessageData* message, Status status) {
  if (status == kNoError || status == kCancelled) return;
  if (sADMBasic() == nullptr || sADMDialog() == nullptr) return;

  char entry[256] = "";
  int16_t index = 1;
  sADMBasic()->GetIndexString(message->self, kErrorStringList, index, entry, 255);
  bool found = false;
  while (entry[0] != '\0') {
    if (CodeOfEntry(entry) == status) {
      found = true;
      break;
    }
    if (index >= kLastListIndex - 2) break;
    index = static_cast<int16_t>(index + 2);
    entry[0] = '\0';
    sADMBasic()->GetIndexString(message->self, kErrorStringList, index, entry, 255);
  }

  ErrorDialogText text;
  text.sentence[0] = '\0';
  const int32_t sentenceIndex = found ? index + 1 : index - 1;
  if (sADMBasic()->GetIndexString(message->self, kErrorStringList, sentenceIndex, text.sentence,
                                  sizeof text.sentence) != kNoError)
    return;
  MakeCodeText(status, text.code);
  ShowErrorDialog(message, &text);
}

Status ShowErrorDialog(MessageData* message, ErrorDialogText* text) {
  if (sADMDialog() != nullptr)
    sADMDialog()->Modal(message->self, kErrorDialogName, kErrorDialogId, 0, InitErrorDialog, text);
  return kNoError;
}

Status InitErrorDialog(DialogRef dialog) {
  sADMItem()->SetNotifyProc(sADMDialog()->GetItem(dialog, kOkItem), OnOkDefault);
  const ErrorDialogText* text = static_cast<const ErrorDialogText*>(sADMDialog()->GetUserData(dialog));
  sADMItem()->SetText(sADMDialog()->GetItem(dialog, kSentenceItem), text->sentence);
  sADMItem()->SetText(sADMDialog()->GetItem(dialog, kCodeItem), text->code);
  return kNoError;
}

void OnOkDefault(ItemRef item, NotifierRef notifier) { sADMItem()->DefaultNotify(item, notifier); }
