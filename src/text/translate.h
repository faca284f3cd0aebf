#pragma once
// The windows' texts in the user's language. Every text is written in English
// where it is used and looked up by that English text in the language's
// catalogue (see languages.h); a code without a catalogue (English, or a
// stored code no row has) gets the English text itself. Lookups are a binary
// search in a table built into the program: nothing is read at run time.

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace quelmo {

// The translation of `english` (a string literal: the result may be it).
std::string_view Translate(int language, std::string_view english);
// The same for a text whose English has two meanings, told apart by context.
std::string_view Translate(int language, std::string_view context, std::string_view english);

// "{path} was not saved" with {path} replaced. A name not given stays as it is.
struct Placeholder {
  std::string_view name;  // without braces
  std::string_view value;
};
std::string FillIn(std::string_view text, std::span<const Placeholder> values);
inline std::string FillIn(std::string_view text, std::initializer_list<Placeholder> values) {
  return FillIn(text, std::span<const Placeholder>(values.begin(), values.size()));
}

// How many lookups in a language with a catalogue found no entry since the
// start: a text the code asks for that the template lacks. Tests walk every
// window and expect none.
std::size_t MissedLookups();

}  // namespace quelmo
