// The names under which the quillane command reaches the values of the
// filter's dialog: one name per value item or check box, with a page prefix
// for the values that the dialog keeps per settings page.
//
//   symbols, start.x, gap.y, ...        the Headline page (page 0)
//   layer:symbols, layer:gap.x, ...     the Layer factor page (page 1)
//   row:symbols, row:setup.angle, ...   the Basic row page (page 2)
//   layers, preview, break-link, ...    one value for every page
//
// "headline:" may be written before a page-0 name too.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

enum class ValueKind : uint8_t {
  kInteger,   // a spin edit that holds whole numbers
  kNumber,    // a spin edit that holds decimal numbers
  kCheckBox,  // on or off
};

const char* ValueKindName(ValueKind kind);

constexpr int32_t kPageCount = 3;
constexpr int32_t kEveryPage = -1;

// One value of the dialog, without its page.
struct DialogValue {
  const char* name;     // e.g. "gap.x"
  int32_t item;         // the dialog item that shows it
  ValueKind kind;
  bool perPage;         // the item shows the value of the page shown
  // What the value does, per page (all three the same for one that is not per page).
  const char* meaning[kPageCount];
};

// Every value of the dialog, in the order the dialog shows them.
const std::vector<DialogValue>& DialogValues();

// The prefix of a page's names: "" for page 0, "layer:" for 1, "row:" for 2.
const char* PagePrefix(int32_t page);
// The short name of a page: "headline", "layer", "row", or "all" for kEveryPage.
const char* PageName(int32_t page);

// A value and the page it is for (kEveryPage for one that is not per page).
struct NamedValue {
  const DialogValue* value = nullptr;
  int32_t page = kEveryPage;

  std::string FullName() const;
};

// The value a name stands for; nothing, with the reason in *error (which
// names the valid parameters), for a name that stands for none.
std::optional<NamedValue> FindValue(std::string_view name, std::string* error);

// Every full name, page 0 first, then page 1, page 2 and the values of every page.
std::vector<NamedValue> AllNamedValues();

// The names, wrapped for a help text: the page-0 names, then how the
// prefixes make the others.
std::string NamesHelp();

// "on"/"off", "1"/"0", "true"/"false", "yes"/"no", case-insensitive.
std::optional<bool> ParseOnOff(std::string_view text);

// Trims blanks from both ends and lowers ASCII letters: how entry texts of the
// popups are compared with what the user typed.
std::string Folded(std::string_view text);
// Trims blanks from both ends.
std::string Trimmed(std::string_view text);

}  // namespace app
