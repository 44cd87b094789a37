// The stand-in dialog manager on its own: values the user enters, what ends
// a dialog, and which changes run notify procedures.
#include <gtest/gtest.h>

#include <sstream>

#include "sim/dialog_manager.h"
#include "sim/host.h"
#include "tests/support/case_name.h"

namespace {

using sim::DialogItem;
using sim::ItemKind;

struct BoundsCase {
  bool isFloat;
  int32_t precision;
  double min, max, entered, kept;
};
void PrintTo(const BoundsCase& c, std::ostream* out) {
  *out << (c.isFloat ? "float" : "integer") << " " << c.min << " to " << c.max << ", entered " << c.entered;
}

class KeepWithinBoundsTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(KeepWithinBoundsTest, RoundsThenBringsToTheNearestBound) {
  const BoundsCase& c = GetParam();
  DialogItem item;
  item.kind = ItemKind::kSpinEdit;
  item.isFloat = c.isFloat;
  item.precision = c.precision;
  item.hasMin = item.hasMax = true;
  item.minValue = c.min;
  item.maxValue = c.max;
  EXPECT_EQ(sim::KeepWithinBounds(item, c.entered), c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeepWithinBoundsTest,
    ::testing::Values(BoundsCase{false, -1, 1, 200, 7, 7},
                      BoundsCase{false, -1, 1, 200, 0, 1},
                      BoundsCase{false, -1, 1, 200, 250, 200},
                      BoundsCase{false, -1, -1, 60, 2.6, 3},
                      BoundsCase{true, 5, -2000, 2000, 12.3456789, static_cast<float>(12.34568)},
                      BoundsCase{true, 5, -200, 200, -200.5, -200},
                      BoundsCase{true, -1, 0, 100, 0.1, static_cast<float>(0.1)}),
    test::PrintedName());

// A dialog made by hand, with the host current so that notify procedures
// can reach the suites.
class DialogManagerTest : public ::testing::Test {
 protected:
  std::ostringstream out;
  sim::Host host{out};
  sim::DialogModel dialog;

  DialogItem* Make(int32_t id, const char* type) {
    return host.dialogs().CreateItem(dialog, id, type, DialogRect{0, 0, 10, 10});
  }
  static inline int notified = 0;
  static void CountNotify(ItemRef, NotifierRef) { ++notified; }
};

TEST_F(DialogManagerTest, OnlyTheOkAndCancelButtonsEndTheDialog) {
  DialogItem* shuffle = Make(40, kADMTextPushButtonType);
  DialogItem* box = Make(2, kADMTextCheckBoxType);  // id 2, but not a button
  host.dialogs().DefaultNotify(*shuffle);
  host.dialogs().DefaultNotify(*box);
  EXPECT_FALSE(dialog.ended);
  DialogItem* cancel = Make(2, kADMTextPushButtonType);
  host.dialogs().DefaultNotify(*cancel);
  EXPECT_TRUE(dialog.ended);
  EXPECT_EQ(dialog.result, 2);
}

TEST_F(DialogManagerTest, UserChangesRunTheNotifyProcedureAndKeepValuesInBounds) {
  DialogItem* edit = Make(4, kADMSpinEditType);
  edit->notify = CountNotify;
  edit->hasMin = edit->hasMax = true;
  edit->minValue = 1;
  edit->maxValue = 200;
  notified = 0;
  std::string error;
  ASSERT_TRUE(host.dialogs().Apply(dialog, {sim::UserAction::Kind::kSet, 4, 500}, &error)) << error;
  EXPECT_EQ(edit->value, 200);
  EXPECT_EQ(notified, 1);
  host.dialogs().Notify(*edit, kADMUserChangedNotifier);  // what SendNotify does
  EXPECT_EQ(notified, 2);
}

struct BadAction {
  sim::UserAction action;
  const char* complaint;
};

TEST_F(DialogManagerTest, ActionsOnMissingOrWrongItemsAreRefused) {
  DialogItem* popup = Make(50, kADMPopupListType);
  popup->entries.push_back(std::make_unique<sim::ListEntry>());
  Make(3, kADMTextCheckBoxType);
  const BadAction cases[] = {
      {{sim::UserAction::Kind::kClick, 99, 0}, "no item 99"},
      {{sim::UserAction::Kind::kSet, 3, 1}, "is a check box, not a spin edit"},
      {{sim::UserAction::Kind::kCheck, 50, 1}, "is a popup, not a check box"},
      {{sim::UserAction::Kind::kSelect, 50, 1}, "has no entry 1"},
      {{sim::UserAction::Kind::kClick, 3, 0}, "not a button"},
  };
  for (const BadAction& c : cases) {
    std::string error;
    EXPECT_FALSE(host.dialogs().Apply(dialog, c.action, &error)) << c.complaint;
    EXPECT_NE(error.find(c.complaint), std::string::npos) << error;
  }
  EXPECT_EQ(popup->activeEntry, -1);
}

TEST_F(DialogManagerTest, SelectingAnEntryMakesItActiveWithoutNotifying) {
  DialogItem* popup = Make(51, kADMPopupListType);
  popup->notify = CountNotify;
  for (int i = 0; i < 3; ++i) {
    auto entry = std::make_unique<sim::ListEntry>();
    entry->owner = popup;
    popup->entries.push_back(std::move(entry));
  }
  notified = 0;
  host.dialogs().Select(*popup->entries[2]);
  EXPECT_EQ(popup->activeEntry, 2);
  EXPECT_EQ(notified, 0);
}

}  // namespace
