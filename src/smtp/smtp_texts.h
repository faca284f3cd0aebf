#pragma once
// What the SMTP/GPRS form shows, by language code (1 Chinese, 2 English,
// 3 German, 4 Finnish, 5 Italian, 6 French, 7 Hungarian, 8 Slovenian,
// 9 Czech, 10 Japanese, 11 Lithuanian); any other code shows English. Texts
// are UTF-8. The captions, the SMS control list and its hint that this form
// shares with the others come from the remote-control tables
// (remote_control_texts.h); hints and messages exist in Chinese (1) and
// English only.

#include <string>
#include <string_view>
#include <vector>

#include "controls/form_view.h"
#include "smtp/gprs_file.h"

namespace quelmo {

struct ControlCaption {
  ControlId id;
  std::string_view text;
};

// Every caption the form sets (labels, group boxes, buttons), in a language.
std::vector<ControlCaption> SmtpCaptions(int language_index);

// The access-point mode list: entry 0 Auto, entry 1 Customer.
std::vector<std::string> ApnModeEntries(int language_index);

// The single entry of the Country and Operator lists in Customer mode.
std::string_view CustomerListEntry(int language_index);

struct ControlHint {
  ControlId id;
  std::string text;
};
// The balloon hints of six controls.
std::vector<ControlHint> SmtpHints(int language_index);

// The confirmation after gprs.dat was written.
std::string_view GprsSavedConfirmation(int language_index);

// A field as a load's findings name it.
std::string_view GprsFieldName(GprsField field, int language_index);

}  // namespace quelmo
