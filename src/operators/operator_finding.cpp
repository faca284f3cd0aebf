#include "operators/operator_finding.h"

#include <string_view>

#include "text/gbk.h"
#include "text/language_code.h"
#include "text/translate.h"

namespace quelmo {
namespace {

// A finding whose detail comes from the converter, in English.
constexpr std::string_view kDetailText = "{field}: {detail}";

}  // namespace

std::string OperatorFillChecker::Take(std::string_view key, const std::string& value,
                                      int byte_limit) {
  const std::size_t limit = static_cast<std::size_t>(byte_limit);
  Result<std::string> gbk = Utf8ToGbk(value);
  if (!gbk.ok()) {
    Name(key, kDetailText, {{"detail", gbk.message()}});
  } else if (gbk->size() > limit) {
    Name(key,
         "{field}: the text takes {bytes} bytes in GBK, at most {limit} are allowed (a Chinese "
         "character takes 2).",
         {{"bytes", std::to_string(gbk->size())}, {"limit", std::to_string(limit)}});
  } else {
    return value;
  }
  return {};
}

void OperatorFillChecker::Name(std::string_view key, std::string_view text,
                               std::vector<std::pair<std::string, std::string>> values) {
  OperatorFinding finding{std::string(key), {}, text, std::move(values)};
  finding.message = FindingText(finding, kEnglish, key);
  findings_.push_back(std::move(finding));
}

std::string FindingText(const OperatorFinding& finding, int language,
                        std::string_view field_name) {
  std::vector<Placeholder> values = {{"field", field_name}};
  for (const auto& [name, value] : finding.values) values.push_back({name, value});
  // The converter's detail is English in every language.
  const std::string_view text =
      finding.text == kDetailText ? finding.text : Translate(language, finding.text);
  return FillIn(text, values);
}

std::string FindingLines(const std::vector<OperatorFinding>& findings) {
  return FindingLines(findings, kEnglish, [](std::string_view key) { return std::string(key); });
}

std::string FindingLines(const std::vector<OperatorFinding>& findings, int language,
                         const std::function<std::string(std::string_view key)>& field_name) {
  std::string lines;
  for (const OperatorFinding& finding : findings) {
    if (!lines.empty()) lines += '\n';
    lines += FindingText(finding, language, field_name(finding.key));
  }
  return lines;
}

}  // namespace quelmo
