// The reader that skips the JSON document must make the very template the
// document makes, and must never take a template the document refuses.

#include "dialogs/template_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "dialogs/dialog_template.h"
#include "dialogs/embedded_dialogs.h"

namespace quelmo {
namespace {

TEST(TemplateReader, ReadsEveryShippedDialogAsTheDocumentDoes) {
  for (const int resource : {100, 102, 129, 130, 147, 155}) {
    const std::string_view json = EmbeddedDialogJson(resource).value();
    const std::optional<DialogTemplate> read = ReadSoundTemplate(json);
    ASSERT_TRUE(read.has_value()) << resource;
    EXPECT_EQ(*read, ParseDialogTemplateDocument(json).value()) << resource;
  }
}

// Sound, if odd: values of the wrong type where the document ignores them,
// keys it does not know, numbers written as decimals.
TEST(TemplateReader, OddButSoundTemplatesComeOutAsFromTheDocument) {
  const std::string cases[] = {
      R"({"id": 1, "width": 10, "height": 10})",
      R"({"id": 1.0, "width": 10, "height": 2e1, "title": 5, "topmost": 1, "systemMenuCommand": 3.5})",
      R"({"id": 1, "width": 10, "height": 10, "font": ["Arial"], "extra": {"a": [1, {"b": null}]}})",
      R"({"id": 1, "width": 10, "height": 10, "font": {"family": 3}, "topmost": false})",
      R"({"id": 1, "width": 10, "height": 10, "font": {"pointSize": 12.0, "bold": true}})",
      R"({"id": 1, "width": 10, "height": 10, "controls": {"id": 5}})",
      R"({"id": 1, "width": 10, "height": 10, "controls": [
          {"id": 5, "kind": "edit", "x": 0, "y": 0, "w": 1, "h": 1, "style": "bold", "text": 7},
          {"id": -1, "kind": "label", "x": 0, "y": 0, "w": 1, "h": 1, "note": [[], {}]},
          {"id": -1, "kind": "label", "x": 0, "y": 0, "w": 1, "h": 1, "style": []}]})",
  };
  for (const std::string& json : cases) {
    const Result<DialogTemplate> document = ParseDialogTemplateDocument(json);
    ASSERT_TRUE(document.ok()) << json << ": " << document.message();
    const std::optional<DialogTemplate> read = ReadSoundTemplate(json);
    ASSERT_TRUE(read.has_value()) << json;
    EXPECT_EQ(*read, document.value()) << json;
    EXPECT_EQ(ParseDialogTemplate(json).value(), document.value()) << json;
  }
}

TEST(TemplateReader, LeavesEveryBrokenTemplateToTheDocument) {
  const std::string head = R"({"id": 1, "width": 10, "height": 10, "controls": [)";
  const std::string edit = R"("kind": "edit", "x": 0, "y": 0, "w": 1, "h": 1)";
  const std::string cases[] = {
      "{",
      "[]",
      "7",
      R"({"id": 1, "width": 10, "height": 10} x)",
      R"({"id": 1, "width": 0, "height": 10})",
      R"({"width": 10, "height": 10})",
      R"({"id": "1", "width": 10, "height": 10})",
      R"({"id": 1, "width": 10, "height": null})",
      R"({"id": 1, "width": {}, "height": 10})",
      R"({"id": 1, "width": [10], "height": 10})",
      R"({"id": 1.5, "width": 10, "height": 10})",
      R"({"id": 3000000000, "width": 10, "height": 10})",
      R"({"id": 1, "width": 10, "height": 10, "id": 2})",
      R"({"id": 1, "width": 10, "height": 10, "font": {"pointSize": 0}})",
      R"({"id": 1, "width": 10, "height": 10, "font": {"pointSize": "9"}})",
      R"({"id": 1, "width": 10, "height": 10, "font": {"pointSize": true}})",
      head + "1]}",
      head + "null]}",
      head + "[]]}",
      head + R"({"id": 5, "kind": "slider", "x": 0, "y": 0, "w": 1, "h": 1}]})",
      head + R"({"id": 5, "kind": 3, "x": 0, "y": 0, "w": 1, "h": 1}]})",
      head + R"({"id": 5, "kind": null, "x": 0, "y": 0, "w": 1, "h": 1}]})",
      head + R"({"id": 5, "x": 0, "y": 0, "w": 1, "h": 1}]})",
      head + R"({"id": 5, )" + edit + R"(, "style": ["bold"]}]})",
      head + R"({"id": 5, )" + edit + R"(, "style": [3]}]})",
      head + R"({"id": 5, )" + edit + R"(, "style": [null]}]})",
      head + R"({"id": 5, )" + edit + R"(, "style": [["default"]]}]})",
      head + R"({"id": 5, "kind": "edit", "x": "left", "y": 0, "w": 1, "h": 1}]})",
      head + R"({"id": 5, "kind": "edit", "x": 0, "y": 0, "w": -1, "h": 1}]})",
      head + R"({"id": 5, "kind": "edit", "x": 0, "y": 0, "w": 1}]})",
      head + R"({"id": 5, "kind": "edit", "kind": "label", "x": 0, "y": 0, "w": 1, "h": 1}]})",
      head + R"({"id": 5, )" + edit + "}, {\"id\": 5, " + edit + "}]}",
  };
  for (const std::string& json : cases) {
    EXPECT_FALSE(ReadSoundTemplate(json).has_value()) << json;
    // Whatever the document makes of it, ParseDialogTemplate says the same.
    const Result<DialogTemplate> document = ParseDialogTemplateDocument(json);
    const Result<DialogTemplate> parsed = ParseDialogTemplate(json);
    ASSERT_EQ(parsed.ok(), document.ok()) << json;
    if (!document.ok()) {
      EXPECT_EQ(parsed.message(), document.message()) << json;
    }
  }
}

}  // namespace
}  // namespace quelmo
