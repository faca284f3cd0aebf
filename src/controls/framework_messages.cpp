#include "controls/framework_messages.h"

#include "text/translate.h"

namespace quelmo {

std::string NotAnIntegerMessage(int language_index) {
  return std::string(Translate(language_index, "Please enter an integer."));
}

std::string FrameworkRangeMessage(int minimum, int maximum, int language_index) {
  return FillIn(Translate(language_index, "Please enter an integer between {minimum} and {maximum}."),
                {{"minimum", std::to_string(minimum)}, {"maximum", std::to_string(maximum)}});
}

std::string FrameworkLengthMessage(int limit, int language_index) {
  return FillIn(Translate(language_index, "Please enter no more than {count} characters."),
                {{"count", std::to_string(limit)}});
}

}  // namespace quelmo
