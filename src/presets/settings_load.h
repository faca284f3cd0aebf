#pragma once
// Loading a setting file back into a form with operator presets (MMS, GPRS),
// as a pure function of the file's bytes. One rule for both forms:
//   - a file of another size, of the other kind, or whose frame is damaged
//     (line ends, check value) is refused whole, and the form changes nothing:
//     its bytes cannot be trusted to mean anything;
//   - a sound file loads. A value the form cannot show as stored is replaced
//     by one it can, and the replacement, like anything else unusual, is
//     handed back as a finding: its kind and the field it concerns.
// Findings are values; their wording is made only where they are shown.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quelmo {

enum class LoadRefusalKind { kWrongSize, kOtherKind, kDamaged };

struct LoadRefusal {
  LoadRefusalKind kind;
  std::size_t size = 0;  // of the file refused

  bool operator==(const LoadRefusal&) const = default;
};

enum class FindingKind {
  kOutsideList,            // a choice or number the form does not offer: read as its default
  kTextCut,                // a text longer than its field: cut to fit
  kNotGbk,                 // a text that is not valid GBK: left empty
  kStrayBytes,             // bytes a writer leaves zero or fixed hold others: nothing read
  kDisagrees,              // a stored value differs from the one it is derived from
  kUnusualCameraLanguage,  // outside 1..11: a save writes the program's own anyway
};

template <typename Field>
struct LoadFinding {
  FindingKind kind;
  Field field;

  bool operator==(const LoadFinding&) const = default;
};

template <typename Settings, typename Field>
struct LoadedSettings {
  Settings settings;
  std::vector<LoadFinding<Field>> findings;  // in file order
};

template <typename Settings, typename Field>
using LoadOutcome = std::variant<LoadedSettings<Settings, Field>, LoadRefusal>;

// Turns a reader's steps into findings: after each step, a finding of the
// given kind on the given field when the step reported a line. The reader's
// lines stay as they are for whoever prints them.
template <typename Field>
class FindingNotes {
 public:
  FindingNotes(const std::vector<std::string>& lines, std::vector<LoadFinding<Field>>& findings)
      : lines_(lines), findings_(findings), seen_(lines.size()) {}

  void Note(FindingKind kind, Field field) {
    if (lines_.size() > seen_) findings_.push_back({kind, field});
    seen_ = lines_.size();
  }
  void NoteIf(bool found, FindingKind kind, Field field) {
    if (found) findings_.push_back({kind, field});
    seen_ = lines_.size();
  }

 private:
  const std::vector<std::string>& lines_;
  std::vector<LoadFinding<Field>>& findings_;
  std::size_t seen_;
};

// The refusals that need no reading: a size other than `expected`, or bytes
// that `looks_like_kind` does not take for this kind of file. A damaged frame
// is the caller's to refuse, once the reader has checked it.
std::optional<LoadRefusal> RefusalBeforeReading(std::span<const std::uint8_t> bytes,
                                                std::size_t expected,
                                                bool (*looks_like_kind)(std::span<const std::uint8_t>));

// Empties every text with a kNotGbk finding: the form could show it only as
// escapes, which a later save would store. `text_of(settings, field)` gives
// the text a field names.
template <typename Settings, typename Field, typename TextOf>
void EmptyTextsNotGbk(LoadedSettings<Settings, Field>& loaded, TextOf text_of) {
  for (const LoadFinding<Field>& finding : loaded.findings) {
    if (finding.kind != FindingKind::kNotGbk) continue;
    if (std::string* text = text_of(loaded.settings, finding.field)) text->clear();
  }
}

// Whether the user is told of a finding. The camera's language is no field
// of these forms, and this program itself writes a stored language outside
// the table unchanged, so that one finding alone stays quiet.
constexpr bool TellsTheUser(FindingKind kind) {
  return kind != FindingKind::kUnusualCameraLanguage;
}

// The sentences of Load's refusals for one kind of setting file, in English
// (the catalogues' keys), each naming the kind (and the kind it may be
// mistaken for).
struct SettingFileWords {
  std::string_view wrongSize;  // with {size} and {expected}
  std::string_view otherKind;
  std::string_view damaged;
};

inline constexpr SettingFileWords kMmsFileWords{
    "The file is {size} bytes long; an MMS setting file has {expected} bytes.",
    "This is not an MMS setting file (it may be a GPRS setting file).",
    "This is not an intact MMS setting file: its check value or its line ends are wrong."};
inline constexpr SettingFileWords kGprsFileWords{
    "The file is {size} bytes long; a GPRS setting file has {expected} bytes.",
    "This is not a GPRS setting file (it may be an MMS setting file).",
    "This is not an intact GPRS setting file: its check value or its line ends are wrong."};

// Why a file was refused, in the language.
std::string LoadRefusalReason(const LoadRefusal& refusal, std::size_t expected_size,
                              const SettingFileWords& kind, int language_index);

// What a finding of a kind means for its field, in the language.
std::string_view FindingKindText(FindingKind kind, int language_index);

// A file that loaded although something in it was unusual: one sentence, then
// one line per finding ("field: what was found").
std::string LoadedWithFindingsMessage(std::string_view file_path,
                                      const std::vector<std::string>& lines, int language_index);

// The findings the user is told of, one line each, the field named by
// `field_name(field, language_index)`; empty when there is nothing to tell.
template <typename Field, typename FieldName>
std::vector<std::string> FindingLines(const std::vector<LoadFinding<Field>>& findings,
                                      FieldName field_name, int language_index) {
  std::vector<std::string> lines;
  for (const LoadFinding<Field>& finding : findings) {
    if (!TellsTheUser(finding.kind)) continue;
    std::string line(field_name(finding.field, language_index));
    line.append(": ").append(FindingKindText(finding.kind, language_index));
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace quelmo
