#include "plugin/host/filter_registration.h"

#include <cstring>

#include "plugin/host/plugin_globals.h"
#include "plugin/host/suite_table.h"

namespace {
constexpr int32_t kMenuTextLength = 65;
}

Status AddFilters(MessageData* message) {
  int16_t index = 1;
  int16_t count = 0;
  do {
    // Empty unless the host writes them, so that a failed read ends the walk.
    char category[kMenuTextLength] = "";
    char title[kMenuTextLength] = "";
    sADMBasic()->GetIndexString(message->self, kFilterStringList, index, category,
                                kMenuTextLength);
    if (category[0] == '\0') break;
    sADMBasic()->GetIndexString(message->self, kFilterStringList, index + 1, title,
                                kMenuTextLength);
    FilterMenuTitles titles = {MakeCountedString(category), MakeCountedString(title)};

    Status status = sFilter()->AddFilter(message->self, kFilterName, &titles, 0, &gGlobals->filter);
    if (status != kNoError) return status;
    MenuItemHandle item = nullptr;
    status = sFilter()->GetFilterMenuItem(gGlobals->filter, &item);
    if (status != kNoError) return status;
    status = sMenu()->UpdateMenuItemAutomatically(item, 1, 0, 0, 0, 0, 1, 0);
    if (status != kNoError) return status;

    index += 2;
    ++count;
  } while (index < 2);
  gGlobals->filterCount = static_cast<uintptr_t>(count);
  return kNoError;
}

unsigned char* MakeCountedString(char* text) {
  const size_t length = std::strlen(text);
  if (length > 255) return nullptr;
  std::memmove(text + 1, text, length);
  text[0] = static_cast<char>(length);
  return reinterpret_cast<unsigned char*>(text);
}

char* MakeZeroTerminated(unsigned char* text) {
  const size_t length = text[0];
  std::memmove(text, text + 1, length);
  text[length] = '\0';
  return reinterpret_cast<char*>(text);
}
