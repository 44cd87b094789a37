#include "sim/dialog_model.h"

namespace sim {

const char* ItemKindName(ItemKind kind) {
  switch (kind) {
    case ItemKind::kPopupList: return "popup";
    case ItemKind::kSpinEdit: return "spin edit";
    case ItemKind::kStaticText: return "static text";
    case ItemKind::kCheckBox: return "check box";
    case ItemKind::kPushButton: return "button";
    case ItemKind::kFrame: return "frame";
  }
  return "item";
}

int32_t DialogItem::IndexOf(const ListEntry* entry) const {
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i].get() == entry) return static_cast<int32_t>(i);
  return -1;
}

DialogItem* DialogModel::Item(int32_t id) const {
  for (const auto& item : items)
    if (item->id == id) return item.get();
  return nullptr;
}

}  // namespace sim
