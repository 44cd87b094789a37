// The stand-in dialog manager's model of a modal dialog: its items, their
// kinds, rectangles, texts, values and ranges. Everything is plain data, so
// that whoever plays the user (a script, a browser) can read the dialog as
// it stands.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "plugin/host/api/adm_dialog_suite.h"
#include "plugin/host/api/adm_item_suite.h"

namespace sim {

enum class ItemKind : uint8_t {
  kPopupList,   // a list of entries, one of them active
  kSpinEdit,    // a number, integer or float, kept within its bounds when the user enters it
  kStaticText,  // a text the user cannot change
  kCheckBox,    // on or off
  kPushButton,  // a button; the template's default button is one too
  kFrame,       // decoration without a value
};

const char* ItemKindName(ItemKind kind);

struct DialogItem;

struct ListEntry {
  DialogItem* owner = nullptr;  // the popup whose list holds the entry
  int32_t id = 0;
  std::string text;
};

struct DialogModel;

struct DialogItem {
  DialogModel* dialog = nullptr;
  int32_t id = 0;
  ItemKind kind = ItemKind::kStaticText;
  DialogRect bounds{};
  std::string text;
  bool isDefault = false;  // the button that closes the dialog when the user is done

  // Check boxes: 0 or 1. Spin edits: the number, with whether it is a float.
  int32_t booleanValue = 0;
  double value = 0;
  bool isFloat = false;
  bool hasMin = false, hasMax = false;
  double minValue = 0, maxValue = 0;
  int32_t units = 0;
  int32_t precision = -1;  // decimal places; -1 when not set

  // Popups: the entries in list order and the index of the active one.
  std::vector<std::unique_ptr<ListEntry>> entries;
  int32_t activeEntry = -1;

  ItemNotifyProc notify = nullptr;

  int32_t IndexOf(const ListEntry* entry) const;
};

struct DialogModel {
  std::string name;
  int32_t resourceId = 0;
  std::string caption;
  DialogRect bounds{};
  void* userData = nullptr;
  std::vector<std::unique_ptr<DialogItem>> items;  // in creation order
  bool ended = false;
  int32_t result = 0;

  // The first item with this id, or null.
  DialogItem* Item(int32_t id) const;
};

// A notification that an item is handling.
struct Notification {
  DialogItem* item;
  std::string type;
};

}  // namespace sim
