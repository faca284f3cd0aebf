#pragma once
// What the SMTP/GPRS form shows, in the language of a code
// (text/translate.h). Texts are UTF-8. The captions, the SMS control list and
// its hint that this form shares with the others come from the
// remote-control texts (remote_control_texts.h).

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
// Said before the e-mail test when the SMTP port is no port number.
std::string_view SmtpPortRangeMessage(int language_index);

// A field as a load's findings name it.
std::string_view GprsFieldName(GprsField field, int language_index);

}  // namespace quelmo
