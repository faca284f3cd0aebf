#pragma once
// Reading a gprs.dat back into the SMTP/GPRS form. The checked reader does the
// reading; this decides what the form may show: a file of another size or
// kind is refused whole, anything else loads with every value within the
// form's lists and every text in a form it can edit.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "smtp/gprs_settings.h"

namespace quelmo {

// Why a file was not loaded at all.
struct GprsLoadRefusal {
  enum Kind { kWrongSize, kNotGprs } kind;
  std::size_t size = 0;
};

struct GprsLoaded {
  // Texts in UTF-8. The sender password is never taken from a file: empty.
  // Country and operator name an offered preset in Auto mode, 0 in Customer.
  GprsSettings settings;
  // What was wrong, one line each: the reader's findings, an operator the
  // country does not offer, a text that is not valid GBK (shown empty).
  std::vector<std::string> problems;
};

std::variant<GprsLoaded, GprsLoadRefusal> LoadGprsSettings(std::span<const std::uint8_t> bytes);

// The reason of a refusal, in the form's language (Chinese for 1).
std::string GprsLoadRefusalReason(const GprsLoadRefusal& refusal, int language_index);

}  // namespace quelmo
