#include "smtp/gprs_operator_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "operators/sample_operators.h"

namespace quelmo {
namespace {

std::vector<std::string> Keys(const std::vector<OperatorFinding>& findings) {
  std::vector<std::string> keys;
  for (const OperatorFinding& finding : findings) keys.push_back(finding.key);
  return keys;
}

using Keys_ = std::vector<std::string>;

TEST(OperatorFill, GprsTakesTheFirstInternetAccessPoint) {
  const struct {
    const char* what;
    OperatorProvider provider;
    GprsOperatorValues expected;
    Keys_ findings;
  } kCases[] = {
      {"giffgaff", testing::Giffgaff(), {"giffgaff.com", "giffgaff", "password"}, {}},
      {"EE", testing::Ee(), {"everywhere", "eesecure", "secure"}, {}},
      {"Congstar", testing::Congstar(), {"internet.t-mobile", "t-mobile", "tm"}, {}},
      {"an access point naming no usage counts as internet", testing::ChinaMobile(), {"cmnet", "", ""}, {}},
      {"no internet access point",
       {"Only MMS", {}, {}, {{"mms.example", "mms", "", "", "http://m.example", "10.0.0.1"}}},
       {},
       {"apn"}},
      {"too long and not encodable",
       {"Hostile",
        {},
        {},
        {{std::string(33, 'a'), "internet", "user\xF0\x9F\x98\x80", std::string(32, 'p'), "", ""}}},
       {"", "", std::string(32, 'p')},
       {"apn", "gprsAccount"}},
      {"not UTF-8", {"Broken", {}, {}, {{"ap\xFF", "internet", "", "", "", ""}}}, {}, {"apn"}},
  };
  for (const auto& c : kCases) {
    const GprsOperatorFill fill = FillGprsFromOperator(c.provider);
    EXPECT_EQ(fill.values, c.expected) << c.what;
    EXPECT_EQ(Keys(fill.findings), c.findings) << c.what;
  }
}

}  // namespace
}  // namespace quelmo
