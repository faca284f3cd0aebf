#include "mms/mms_operator_fill.h"

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

TEST(OperatorFill, MmsTakesTheFirstMmsAccessPointAndSplitsItsProxy) {
  const auto with_mms = [](std::string mmsc, std::string proxy, std::string apn = "mms") {
    return OperatorProvider{
        "Sample", {}, {}, {{apn, "mms", "user", "secret", std::move(mmsc), std::move(proxy)}}};
  };
  const struct {
    const char* what;
    OperatorProvider provider;
    MmsOperatorValues expected;
    Keys_ findings;
  } kCases[] = {
      {"giffgaff",
       testing::Giffgaff(),
       {"http://mmsc.mms.o2.co.uk:8002", "wap.o2.co.uk", "193.113.200.195", "8080", "o2wap", "password"},
       {}},
      {"EE", testing::Ee(), {"http://mms/", "eezone", "149.254.201.135", "8080", "eesecure", "secure"}, {}},
      {"a proxy without a port is on port 80",
       testing::ChinaMobile(),
       {"http://mmsc.monternet.com", "cmwap", "10.0.0.172", "80", "", ""},
       {}},
      {"a host name", with_mms("http://m.example", "proxy.example.net:9201"),
       {"http://m.example", "mms", "proxy.example.net", "9201", "user", "secret"}, {}},
      {"no MMS access point", testing::MintMobile(), {}, {"apn"}},
      {"no proxy: the camera needs a gateway", with_mms("http://m.example", ""),
       {"http://m.example", "mms", "", "", "user", "secret"}, {"gateway"}},
      {"no MMS centre", with_mms("", "10.0.0.1:80"), {"", "mms", "10.0.0.1", "80", "user", "secret"}, {"url"}},
      {"port 0", with_mms("http://m.example", "10.0.0.1:0"),
       {"http://m.example", "mms", "", "", "user", "secret"}, {"gateway", "port"}},
      {"port above 65535", with_mms("http://m.example", "10.0.0.1:65536"),
       {"http://m.example", "mms", "", "", "user", "secret"}, {"gateway", "port"}},
      {"port 65535", with_mms("http://m.example", "10.0.0.1:65535"),
       {"http://m.example", "mms", "10.0.0.1", "65535", "user", "secret"}, {}},
      {"a huge port", with_mms("http://m.example", "10.0.0.1:" + std::string(40, '9')),
       {"http://m.example", "mms", "", "", "user", "secret"}, {"gateway", "port"}},
      {"blanks around", with_mms("http://m.example", " 10.0.0.1:8080 "),
       {"http://m.example", "mms", "10.0.0.1", "8080", "user", "secret"}, {}},
      {"only a port", with_mms("http://m.example", ":8080"),
       {"http://m.example", "mms", "", "8080", "user", "secret"}, {"gateway"}},
      {"a colon without a port", with_mms("http://m.example", "host.example:"),
       {"http://m.example", "mms", "", "", "user", "secret"}, {"gateway", "port"}},
      {"blanks around the colon", with_mms("http://m.example", "1.2.3.4 : 8080"),
       {"http://m.example", "mms", "", "", "user", "secret"}, {"gateway", "port"}},
      {"a blank inside the host", with_mms("http://m.example", "1.2.3.4 :8080"),
       {"http://m.example", "mms", "", "", "user", "secret"}, {"gateway", "port"}},
      {"two ports", with_mms("http://m.example", "1.2.3.4:80:8080"),
       {"http://m.example", "mms", "", "", "user", "secret"}, {"gateway", "port"}},
      {"blanks only", with_mms("http://m.example", "  "),
       {"http://m.example", "mms", "", "80", "user", "secret"}, {"gateway"}},
      {"URL and gateway too long",
       with_mms("http://" + std::string(44, 'u'), std::string(21, '1') + ":80"),
       {"", "mms", "", "80", "user", "secret"},
       {"url", "gateway"}},
      {"URL at its limit", with_mms("http://" + std::string(43, 'u'), "1.2.3.4"),
       {"http://" + std::string(43, 'u'), "mms", "1.2.3.4", "80", "user", "secret"}, {}},
      {"an APN GBK cannot hold", with_mms("http://m.example", "1.2.3.4", "mms\xE2\x82\xA9"),
       {"http://m.example", "", "1.2.3.4", "80", "user", "secret"}, {"apn"}},
  };
  for (const auto& c : kCases) {
    const MmsOperatorFill fill = FillMmsFromOperator(c.provider);
    EXPECT_EQ(fill.values, c.expected) << c.what;
    EXPECT_EQ(Keys(fill.findings), c.findings) << c.what;
    for (const OperatorFinding& finding : fill.findings) {
      EXPECT_EQ(finding.message.rfind(finding.key + ": ", 0), 0u) << c.what << ": " << finding.message;
    }
  }
}

TEST(OperatorFill, FindingLinesNameEachValue) {
  const MmsOperatorFill fill = FillMmsFromOperator(
      {"Far", {}, {}, {{"mms", "mms", "", "", "", "1.2.3.4:99999"}}});
  EXPECT_EQ(FindingLines(fill.findings),
            "url: the database gives no MMS centre for Far.\n"
            "gateway: the MMS proxy \"1.2.3.4:99999\" is no host with a port from 1 to 65535.\n"
            "port: the MMS proxy \"1.2.3.4:99999\" is no host with a port from 1 to 65535.");
}

}  // namespace
}  // namespace quelmo
