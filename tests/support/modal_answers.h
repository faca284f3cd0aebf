#pragma once
// The answers of a view whose dialogs are modal, as values: each helper
// expects the answer once, before the question returns.

#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "controls/form_view.h"

namespace quelmo {

inline bool AnsweredYes(FormView& view, std::string_view text) {
  int answers = 0;
  bool yes = false;
  view.AskYesNo(text, [&](bool answer) {
    ++answers;
    yes = answer;
  });
  EXPECT_EQ(answers, 1) << "a modal question answers once, before it returns";
  return yes;
}

inline std::optional<std::string> ChosenFolder(FormView& view, std::string_view start) {
  int answers = 0;
  std::optional<std::string> chosen;
  view.ChooseFolder(start, [&](std::optional<std::string> answer) {
    ++answers;
    chosen = std::move(answer);
  });
  EXPECT_EQ(answers, 1) << "a modal folder browser answers once, before it returns";
  return chosen;
}

inline std::optional<std::string> ChosenFile(FormView& view, std::string_view filter) {
  int answers = 0;
  std::optional<std::string> chosen;
  view.ChooseFile(filter, [&](std::optional<std::string> answer) {
    ++answers;
    chosen = std::move(answer);
  });
  EXPECT_EQ(answers, 1) << "a modal file dialog answers once, before it returns";
  return chosen;
}

}  // namespace quelmo
