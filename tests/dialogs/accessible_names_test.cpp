// Names and reading order, over every template the program carries and over
// the places where the geometry could mislead.

#include "dialogs/accessible_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "dialogs/embedded_dialogs.h"

namespace quelmo {
namespace {

std::vector<DialogTemplate> EveryTemplate() {
  std::vector<DialogTemplate> dialogs;
  for (int id = 1; id < 1000; ++id) {
    if (!EmbeddedDialogJson(id)) continue;
    Result<DialogTemplate> dialog = LoadDialogTemplate(id);
    if (dialog) dialogs.push_back(std::move(dialog).value());
  }
  return dialogs;
}

// The id of the control that names `control` in `dialog`; 0 when none does.
ControlId NamerOf(const DialogTemplate& dialog, ControlId control) {
  for (const AccessibleControl& named : AccessibleControls(dialog)) {
    if (dialog.controls[named.control].id != control) continue;
    return named.label ? dialog.controls[*named.label].id : 0;
  }
  return 0;
}

std::vector<ControlId> ReadingOrder(const DialogTemplate& dialog) {
  std::vector<ControlId> ids;
  for (const AccessibleControl& named : AccessibleControls(dialog)) {
    ids.push_back(dialog.controls[named.control].id);
  }
  return ids;
}

TEST(AccessibleNames, EveryInteractiveControlOfEveryWindowIsNamedAndReachedOnce) {
  const std::vector<DialogTemplate> dialogs = EveryTemplate();
  ASSERT_GE(dialogs.size(), 6u);
  for (const DialogTemplate& dialog : dialogs) {
    SCOPED_TRACE("dialog " + std::to_string(dialog.id));
    std::multiset<std::size_t> reached;
    for (const AccessibleControl& named : AccessibleControls(dialog)) {
      reached.insert(named.control);
      const ControlTemplate& control = dialog.controls[named.control];
      SCOPED_TRACE("control " + std::to_string(control.id));
      ASSERT_TRUE(named.label.has_value());
      const ControlTemplate& label = dialog.controls[*named.label];
      if (control.kind == ControlKind::kPushButton) {
        EXPECT_EQ(*named.label, named.control);
      } else {
        EXPECT_TRUE(label.kind == ControlKind::kLabel || label.kind == ControlKind::kGroupBox ||
                    label.kind == ControlKind::kPushButton);
        EXPECT_NE(*named.label, named.control);
      }
      // A text the form never sets is the one the reader says: it has words.
      if (label.id <= 0) {
        EXPECT_FALSE(label.text.empty());
      }
    }
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
      EXPECT_EQ(reached.count(i), IsInteractive(dialog.controls[i].kind) ? 1u : 0u) << "control index " << i;
    }
  }
}

struct NameCase {
  int dialog;
  ControlId control;
  ControlId label;
};

// The places where a careless rule goes wrong: a field between two labels, a
// label above and one beside, ":" between hours and minutes, a list right of
// another list, an edit right of the button that fills it.
TEST(AccessibleNames, AmbiguousPlacesAreNamedByTheRightLabel) {
  const NameCase cases[] = {
      {102, 1080, 1078},  // Language: its label sits lower than the list's top
      {102, 1081, 1079},  // Model
      {130, 1007, 1051},  // Email, not the Phone NO label further left in its row
      {130, 1003, -1},    // APN, a label whose text never changes
      {130, 1148, 1149},  // the file Load Configure fills
      {130, 1134, 1129},  // the list under the full-width line above it
      {129, 1025, 1019},  // Timer: beside it, not "Start:" above it
      {129, 1017, 1118},  // the start hour: "Hour" above it
      {129, 1022, 1122},  // the start minute: "Min" above, not ":" beside it
      {129, 1039, 1127},  // the time lapse's minutes
      {129, 1034, 1021},  // a digit of the serial number, right of the first list
      {129, 1064, 1057},  // the folder the button picks
      {147, 1002, 1089},  // Max Image No./ day in its own box
      {147, 1135, 1132},  // the SMS Control list, named by its label, not its box
      {155, 1140, 1139},  // not the note to its right
  };
  std::vector<DialogTemplate> dialogs = EveryTemplate();
  for (const NameCase& c : cases) {
    const auto dialog = std::find_if(dialogs.begin(), dialogs.end(),
                                     [&](const DialogTemplate& d) { return d.id == c.dialog; });
    ASSERT_NE(dialog, dialogs.end()) << c.dialog;
    EXPECT_EQ(NamerOf(*dialog, c.control), c.label) << "dialog " << c.dialog << ", control " << c.control;
  }
}

TEST(AccessibleNames, ReadingOrderGoesDownEachColumnOfBoxesAndAlongEachRow) {
  struct OrderCase {
    int dialog;
    std::vector<ControlId> order;
  };
  const OrderCase cases[] = {
      {100, {1}},
      {102, {1080, 1081, 1000, 1001, 1002, 1003}},
      {129, {1013, 1015, 1026, 1028, 1044, 1014, 1016, 1027, 1043, 1049, 1050, 1051, 1030, 1031, 1025, 1017,
             1022, 1023, 1024, 1048, 1042, 1045, 1046, 1047, 1032, 1034, 1035, 1036, 1037, 1033, 1038, 1039,
             1040, 1057, 1064, 1, 1062, 2}},
      {130, {1041, 1045, 1046, 1074, 1134, 1002, 1003, 1004, 1005, 1008, 1009, 1006, 1007, 1010, 1149, 1148,
             1057, 1012, 1, 2, 1220}},
      {147, {1087, 1088, 1093, 1003, 1004, 1005, 1135, 1113, 1220, 1002, 1006, 1007, 1009, 1008, 1012, 1149, 1018,
             1111, 1017, 1112, 2, 1250}},
      {155, {1140, 1002, 1004, 1003, 1144, 1145, 1146, 1, 2}},
  };
  std::vector<DialogTemplate> dialogs = EveryTemplate();
  for (const OrderCase& c : cases) {
    const auto dialog = std::find_if(dialogs.begin(), dialogs.end(),
                                     [&](const DialogTemplate& d) { return d.id == c.dialog; });
    ASSERT_NE(dialog, dialogs.end()) << c.dialog;
    EXPECT_EQ(ReadingOrder(*dialog), c.order) << "dialog " << c.dialog;
  }
}

// A field with no label beside or above it is named by its group box; one in
// no box and with nothing beside it by nothing.
TEST(AccessibleNames, AFieldWithoutLabelTakesItsGroupsTitle) {
  const Result<DialogTemplate> dialog = ParseDialogTemplate(R"({
    "id": 7, "title": "T", "width": 200, "height": 100, "controls": [
      {"id": 10, "kind": "group-box", "x": 0, "y": 0, "w": 100, "h": 40, "text": "Box"},
      {"id": 11, "kind": "edit", "x": 10, "y": 12, "w": 50, "h": 14},
      {"id": -1, "kind": "label", "x": 110, "y": 12, "w": 20, "h": 8, "text": "Away"},
      {"id": 12, "kind": "dropdown-list", "x": 140, "y": 10, "w": 40, "h": 80},
      {"id": 13, "kind": "edit", "x": 140, "y": 60, "w": 40, "h": 14}
    ]})");
  ASSERT_TRUE(dialog.ok()) << dialog.message();
  EXPECT_EQ(NamerOf(*dialog, 11), 10);  // "Away" lies outside its box
  EXPECT_EQ(NamerOf(*dialog, 12), -1);
  EXPECT_EQ(NamerOf(*dialog, 13), 0);
  EXPECT_EQ(ReadingOrder(*dialog), (std::vector<ControlId>{11, 12, 13}));
}

TEST(AccessibleNames, CreationOrderPutsEachLabelRightBeforeItsField) {
  for (const DialogTemplate& dialog : EveryTemplate()) {
    SCOPED_TRACE("dialog " + std::to_string(dialog.id));
    const DialogTemplate ordered = InCreationOrder(dialog);
    ASSERT_EQ(ordered.controls.size(), dialog.controls.size());
    EXPECT_TRUE(std::is_permutation(ordered.controls.begin(), ordered.controls.end(),
                                    dialog.controls.begin()));
    // Its own reading of the new order is the same: a host may build from it.
    EXPECT_EQ(ReadingOrder(ordered), ReadingOrder(dialog));
    std::set<ControlId> labels_used;
    const std::vector<AccessibleControl> named = AccessibleControls(ordered);
    for (std::size_t k = 0; k < named.size(); ++k) {
      const ControlTemplate& label = ordered.controls[*named[k].label];
      if (label.kind != ControlKind::kLabel || !labels_used.insert(*named[k].label).second) continue;
      EXPECT_EQ(*named[k].label + 1, named[k].control) << "control " << ordered.controls[named[k].control].id;
    }
  }
}

}  // namespace
}  // namespace quelmo
