#pragma once
// The text of the preferences file, as Linux desktop programs write theirs:
// one `name=value` per line, numbers in decimal, texts as plain UTF-8.
//
//   # Quelmo preferences ...
//   language=2
//   model=1
//   tvMode=0
//   company=Quelmo Outdoor Electronics Co., Ltd.
//
// Names are the stored values' names with a lower-case first letter and are
// matched ignoring case, as registry names are. Blanks around names and
// values, comments (# or ;), group headers ([...]) and lines that cannot be
// read are kept as they are and otherwise ignored; for a name given twice the
// last line counts.
//
// Earlier versions wrote the registry's own form (a "key=" line, then
// "language REG_DWORD 4 02000000" and hex bytes); such a file is read in that
// form and converted.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelmo {

// Values are looked up as the registry does: names ignore case.
bool SameValueName(std::string_view a, std::string_view b);

// A stored number: decimal digits worth at most 32 bits; nothing otherwise.
std::optional<std::uint32_t> ParsePreferenceNumber(std::string_view value);

class PreferenceFile {
 public:
  // A new file: the comment that explains it, and no values.
  static PreferenceFile Fresh();
  // Never fails: what cannot be read counts as missing.
  static PreferenceFile Parse(std::string_view text);

  // Read from the old registry-like form; writing it out converts it.
  bool converted() const { return converted_; }

  std::optional<std::string_view> Value(std::string_view name) const;
  // False for a value no line can hold (a line break in it).
  bool Set(std::string_view name, std::string_view value);

  std::string Text() const;

 private:
  struct Line {
    std::string text;
    std::string name;  // empty for a line that holds no value
    std::string value;
  };

  static Line ValueLine(std::string_view name, std::string_view value);
  static PreferenceFile ConvertOldForm(std::string_view text);
  std::optional<std::size_t> Find(std::string_view name) const;

  std::vector<Line> lines_;
  bool converted_ = false;
};

}  // namespace quelmo
