#include "dialogs/dialog_template.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace quelmo {
namespace {

TEST(DialogTemplate, ParsesEveryKindAndStyle) {
  const Result<DialogTemplate> dialog = ParseDialogTemplate(R"({
    "id": 7, "title": "T", "width": 100, "height": 50,
    "font": {"family": "Arial", "pointSize": 10}, "systemMenuCommand": 16, "topmost": true,
    "controls": [
      {"id": 1, "kind": "push-button", "x": 1, "y": 2, "w": 3, "h": 4, "style": ["default"], "text": "OK"},
      {"id": 10, "kind": "edit", "x": 0, "y": 0, "w": 9, "h": 9,
       "style": ["read-only", "digits", "centred", "password", "hscroll"], "text": ""},
      {"id": 11, "kind": "dropdown-combo", "x": 0, "y": 0, "w": 9, "h": 60},
      {"id": -1, "kind": "group-box", "x": 0, "y": 0, "w": 9, "h": 9, "text": "中文"},
      {"id": -2, "kind": "icon", "x": 0, "y": 0, "w": 9, "h": 9},
      {"id": 12, "kind": "list-box", "x": 0, "y": 0, "w": 9, "h": 40}
    ]})");
  ASSERT_TRUE(dialog.ok()) << dialog.message();
  EXPECT_EQ(dialog->id, 7);
  EXPECT_EQ(dialog->fontFamily, "Arial");
  EXPECT_EQ(dialog->pointSize, 10);
  EXPECT_EQ(dialog->systemMenuCommand, 16);
  EXPECT_TRUE(dialog->topmost);
  ASSERT_EQ(dialog->controls.size(), 6u);

  const ControlTemplate& ok = *dialog->Find(1);
  EXPECT_EQ(ok.kind, ControlKind::kPushButton);
  EXPECT_EQ((std::array{ok.x, ok.y, ok.width, ok.height}), (std::array{1, 2, 3, 4}));
  EXPECT_TRUE(ok.style.isDefault);

  const ControlStyle& edit = dialog->Find(10)->style;
  EXPECT_TRUE(edit.readOnly && edit.digits && edit.centred && edit.password && edit.hscroll);
  EXPECT_EQ(dialog->Find(11)->kind, ControlKind::kDropdownCombo);
  EXPECT_EQ(dialog->Find(12)->kind, ControlKind::kListBox);
  EXPECT_EQ(dialog->Find(-1)->text, "中文");
}

TEST(DialogTemplate, RefusesBrokenTemplatesSayingWhy) {
  const std::string head = R"({"id": 1, "width": 10, "height": 10, "controls": [)";
  const struct {
    std::string json;
    std::string reason;
  } cases[] = {
      {"{", "not valid JSON"},
      {R"({"id": 1, "width": 0, "height": 10})", "no size"},
      {head + R"({"id": 5, "kind": "slider", "x": 0, "y": 0, "w": 1, "h": 1}]})", "unknown kind"},
      {head + R"({"id": 5, "kind": "edit", "x": 0, "y": 0, "w": 1, "h": 1, "style": ["bold"]}]})",
       "unknown style"},
      {head + R"({"id": 5, "kind": "edit", "x": "left", "y": 0, "w": 1, "h": 1}]})", "\"x\""},
      {head + R"({"id": 5, "kind": "edit", "x": 0, "y": 0, "w": 1, "h": 1},
                 {"id": 5, "kind": "label", "x": 0, "y": 0, "w": 1, "h": 1}]})",
       "used twice"},
  };
  for (const auto& [json, reason] : cases) {
    const Result<DialogTemplate> dialog = ParseDialogTemplate(json);
    ASSERT_FALSE(dialog.ok()) << json;
    EXPECT_NE(dialog.message().find(reason), std::string::npos) << dialog.message();
  }
}

TEST(DialogTemplate, EveryShippedDialogLoadsAndFitsItsWindow) {
  for (const int resource : {100, 102, 129, 130, 147, 155, 1200}) {
    const Result<DialogTemplate> dialog = LoadDialogTemplate(resource);
    ASSERT_TRUE(dialog.ok()) << dialog.message();
    EXPECT_EQ(dialog->id, resource);
    for (const ControlTemplate& control : dialog->controls) {
      // A drop-down's height is its dropped-down height; closed it is ~12.
      const bool dropdown = control.kind == ControlKind::kDropdownList ||
                            control.kind == ControlKind::kDropdownCombo;
      const int bottom = control.y + (dropdown ? 12 : control.height);
      EXPECT_LE(control.x + control.width, dialog->width) << resource << "/" << control.id;
      EXPECT_LE(bottom, dialog->height) << resource << "/" << control.id;
    }
  }
  EXPECT_EQ(LoadDialogTemplate(999).error().code, ErrorCode::kNotFound);
}

TEST(DialogTemplate, CameraWindowHasThePlacesOfItsControls) {
  const DialogTemplate camera = LoadDialogTemplate(129).value();
  EXPECT_EQ(camera.width, 374);
  EXPECT_EQ(camera.height, 276);

  int lists = 0;
  int edits = 0;
  for (const ControlTemplate& control : camera.controls) {
    lists += control.kind == ControlKind::kDropdownList ? 1 : 0;
    edits += control.kind == ControlKind::kEdit ? 1 : 0;
  }
  EXPECT_EQ(lists, 20);
  EXPECT_EQ(edits, 13);  // eleven time fields, the clock and the folder

  // Left column: list at x 72, 48 wide, its label at x 13.
  const ControlTemplate& mode = *camera.Find(1013);
  EXPECT_EQ((std::array{mode.x, mode.y, mode.width}), (std::array{72, 11, 48}));
  EXPECT_EQ(camera.Find(1149)->x, 13);
  EXPECT_EQ(camera.Find(1051)->y, 236);

  const ControlTemplate& clock = *camera.Find(1030);
  EXPECT_EQ((std::array{clock.x, clock.y, clock.width, clock.height}),
            (std::array{192, 10, 113, 14}));
  EXPECT_TRUE(clock.style.readOnly);
  for (const ControlId time_edit : {1017, 1022, 1023, 1024, 1038, 1039, 1040, 1042, 1045, 1046, 1047}) {
    EXPECT_TRUE(camera.Find(time_edit)->style.digits) << time_edit;
    EXPECT_TRUE(camera.Find(time_edit)->style.centred) << time_edit;
  }
  const ControlTemplate& save = *camera.Find(kIdOk);
  EXPECT_EQ((std::array{save.x, save.y, save.width, save.height}), (std::array{42, 256, 60, 14}));
  EXPECT_TRUE(save.style.isDefault);
  EXPECT_EQ(camera.Find(1062)->width, 62);
  EXPECT_TRUE(camera.Find(1064)->style.hscroll);
}

}  // namespace
}  // namespace quelmo
