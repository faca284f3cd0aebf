#include "operators/operator_finder_texts.h"

#include "operators/operator_finder_controls.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

struct TwoTexts {
  std::string_view chinese;
  std::string_view english;
  std::string_view In(int language_index) const {
    return language_index == kChinese ? chinese : english;
  }
};

constexpr TwoTexts kFindOperator = {"查找运营商…", "Find operator…"};

}  // namespace

std::string_view FindOperatorText(int language_index) { return kFindOperator.In(language_index); }

std::string_view OperatorFinderControlText(ControlId id, int language_index) {
  static constexpr struct {
    ControlId id;
    TwoTexts texts;
  } kTexts[] = {
      {kFinderCountryLabel, {"国家", "Country"}},
      {kFinderSearchLabel, {"搜索", "Search"}},
      {kFinderApplyButton, {"应用", "Apply"}},
      {kFinderCancelButton, {"取消", "Cancel"}},
  };
  for (const auto& row : kTexts) {
    if (row.id == id) return row.texts.In(language_index);
  }
  return {};
}

std::string OperatorMatchCount(std::size_t count, int language_index) {
  const std::string number = std::to_string(count);
  if (language_index == kChinese) return "找到 " + number + " 个运营商";
  return number + (count == 1 ? " operator" : " operators");
}

std::string OperatorDatabaseUnavailable(std::string_view why, int language_index) {
  const std::string_view lead = language_index == kChinese ? "运营商数据库不可用：" : "The operator database is not available: ";
  return std::string(lead) + std::string(why);
}

std::string_view NoOperatorChosen(int language_index) {
  return TwoTexts{"请先在列表中选择一个运营商。", "Pick an operator in the list first."}.In(language_index);
}

std::string OperatorValuesNotTaken(std::string_view finding_lines, int language_index) {
  const std::string_view lead =
      language_index == kChinese
          ? "以下参数无法按数据库中的值写入设置文件，请自行输入：\n"
          : "These values cannot go into the setting file as the database gives them; type them "
            "yourself:\n";
  return std::string(lead) + std::string(finding_lines);
}

}  // namespace quelmo
