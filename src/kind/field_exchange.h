#pragma once
// A form's exchange between its settings and its controls, by the kind's
// field table: the texts in their edits as UTF-8, in the settings as the
// file's GBK bytes.

#include <climits>
#include <string>
#include <string_view>

#include "base/result.h"
#include "controls/form_view.h"
#include "kind/field_table.h"
#include "text/gbk.h"
#include "text/translate.h"

namespace quelmo {

// Each text's edit holds at most the field's limit in bytes, but for one
// that the form refuses with its own message.
template <typename Settings>
void LimitTextEdits(FormView& view, FieldTable<Settings> fields) {
  for (const auto* text : TextFieldsByFormOrder(fields)) {
    if (!text->place.typedPastLimit) {
      view.SetByteLimit(text->place.control, static_cast<int>(text->byteLimit));
    }
  }
}

// Settings -> edits. Stored texts are valid GBK (typed ones were converted,
// a load empties any other); anything else would show as escapes.
template <typename Settings>
void ShowTextFields(FormView& view, FieldTable<Settings> fields, const Settings& settings) {
  for (const auto* text : TextFieldsByFormOrder(fields)) {
    view.SetText(text->place.control, GbkToUtf8ForDisplay(settings.*text->member));
  }
}

// Edits -> settings: `take(field)` for each text the form shows, in its
// order, from formOrder `first` to `last`, until one returns false (false
// then).
template <typename Settings, typename Take>
bool TakeTextFields(FieldTable<Settings> fields, Take take, int first = INT_MIN,
                    int last = INT_MAX) {
  for (const auto* text : TextFieldsByFormOrder(fields)) {
    if (text->place.formOrder < first || text->place.formOrder > last) continue;
    if (!take(*text)) return false;
  }
  return true;
}

// An edit's text as the file stores it: GBK within the field's limit. An
// error names the field by its English caption.
template <typename Settings>
Result<std::string> EncodeEdit(const FormView& view, const StoredTextField<Settings>& field) {
  return EncodeField(field.place.caption, view.Text(field.place.control), field.byteLimit);
}

// The texts a switch of the Auto/Customer mode starts afresh, emptied: in
// the edits, or in the settings.
template <typename Settings>
void ClearEditsOnModeChange(FormView& view, FieldTable<Settings> fields) {
  for (const auto* text : TextFieldsByFormOrder(fields)) {
    if (!text->place.keptOnModeChange) view.SetText(text->place.control, "");
  }
}
template <typename Settings>
void ClearTextsOnModeChange(FieldTable<Settings> fields, Settings& settings) {
  for (const auto& field : fields) {
    const auto* text = std::get_if<StoredTextField<Settings>>(&field);
    if (text != nullptr && !text->place.keptOnModeChange) (settings.*text->member).clear();
  }
}

// The edits of an operator's values: read-only while Auto mode's preset
// fills them, open in Customer mode.
template <typename Settings>
void SetOperatorEditsReadOnly(FormView& view, FieldTable<Settings> fields, bool read_only) {
  for (const auto* text : OperatorFields(fields)) {
    view.SetReadOnly(text->place.control, read_only);
  }
}

// The caption of a field in a language: how a message names it. A caption
// without a label id is the template's own text, the same in every language.
inline std::string_view CaptionOf(const FieldPlace& place, int language_index) {
  if (place.label == 0) return place.caption;
  return Translate(language_index, place.captionContext, place.caption);
}

// The caption of each field that has a label, in a language, by `add(id, text)`.
template <typename Settings, typename Add>
void AddFieldCaptions(FieldTable<Settings> fields, int language_index, Add add) {
  for (const auto& field : fields) {
    const FieldPlace& place = PlaceOf(field);
    if (place.label != 0) add(place.label, CaptionOf(place, language_index));
  }
}

// What a load's finding calls a field, in a language; empty for an id of no
// field of the table.
template <typename Settings>
std::string_view FindingNameOf(FieldTable<Settings> fields, int finding, int language_index) {
  const std::string_view english = FindingNameOf(fields, finding);
  return english.empty() ? english : Translate(language_index, english);
}

}  // namespace quelmo
