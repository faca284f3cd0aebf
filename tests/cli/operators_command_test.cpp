// quelmo-cli operators against the database copy kept with the tests, and
// against small databases built here for the cases the real one lacks.

#include <algorithm>
#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/exit_codes.h"
#include "cli/operators_command.h"
#include "cli_test_support.h"
#include "operators/operator_database_reader.h"
#include "operators/operators_test_data.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;
using Json = nlohmann::json;

// The whole program reads the database through QUELMO_OPERATOR_DATABASE;
// it is set before any test asks for it (the program keeps what it read).
class TestDatabaseEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
#ifdef _WIN32
    _wputenv_s(L"QUELMO_OPERATOR_DATABASE", testing::OperatorTestDatabasePath().wstring().c_str());
#else
    setenv("QUELMO_OPERATOR_DATABASE", testing::OperatorTestDatabasePath().c_str(), 1);
#endif
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TestDatabaseEnvironment);

struct Listing {
  int exitCode;
  std::string out;
  std::string err;
};

Listing List(const OperatorsOptions& options, const Result<const OperatorDatabase*>& database) {
  std::ostringstream out;
  std::ostringstream err;
  const int exitCode = RunOperators(options, database, out, err);
  return {exitCode, out.str(), err.str()};
}

const OperatorDatabase& TestDatabase() {
  static const OperatorDatabase database =
      ParseOperatorDatabase(testing::OperatorTestDatabaseBytes()).value();
  return database;
}

TEST(OperatorsCommand, GiffgaffAsJson) {
  const auto run = testing::RunQuelmoCli(
      {"operators", "--country", "GB", "--search", "giffgaff", "--json"});
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  EXPECT_EQ(Json::parse(run.out), Json::parse(R"([{
    "country": "gb", "name": "giffgaff", "networks": ["234-02", "234-10", "234-11"],
    "network2g": {"status": "closing", "date": "2033",
                  "source": "https://commonslibrary.parliament.uk/research-briefings/cbp-9959/"},
    "internet": {"apn": "giffgaff.com", "username": "giffgaff", "password": "password"},
    "mms": {"apn": "wap.o2.co.uk", "username": "o2wap", "password": "password",
            "url": "http://mmsc.mms.o2.co.uk:8002", "gateway": "193.113.200.195", "port": 8080}
  }])"));
}

TEST(OperatorsCommand, GiffgaffAsText) {
  const auto run = List({"gb", "giffgaff", false}, &TestDatabase());
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "gb  giffgaff: internet giffgaff.com; MMS http://mmsc.mms.o2.co.uk:8002 via "
            "193.113.200.195 port 8080; 2G switch-off announced for 2033\n");
}

// Every provider carries its network ids and its 2G status, off or not, as
// the table gives them; AT&T's network is the one known off longest.
TEST(OperatorsCommand, NetworksAnd2GStatusOfEveryProvider) {
  const auto run = testing::RunQuelmoCli({"operators", "--country", "us", "--json"});
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  const Json listed = Json::parse(run.out);
  ASSERT_FALSE(listed.empty());
  bool att = false;
  for (const Json& provider : listed) {
    ASSERT_TRUE(provider["networks"].is_array()) << provider["name"];
    for (const Json& id : provider["networks"]) {
      // Three digits, a dash, two or three digits. Not a regular expression:
      // gtest's own, in the Windows build, knows no brackets or counts.
      const std::string text = id.get<std::string>();
      const bool digits = std::all_of(text.begin(), text.end(),
                                      [](char c) { return c == '-' || (c >= '0' && c <= '9'); });
      EXPECT_TRUE(digits && text.find('-') == 3 && (text.size() == 6 || text.size() == 7)) << text;
    }
    const Json& status = provider["network2g"];
    ASSERT_EQ(status.size(), 3u) << provider["name"];
    const std::string word = status["status"];
    EXPECT_THAT(word, ::testing::AnyOf("on", "closing", "off", "unknown"));
    EXPECT_EQ(status["source"].is_null(), word == "unknown") << provider["name"];
    if (word == "unknown" || word == "on") EXPECT_TRUE(status["date"].is_null()) << provider["name"];
    if (word == "closing") EXPECT_TRUE(status["date"].is_string()) << provider["name"];
    if (provider["name"] == "AT&T") {
      att = true;
      EXPECT_THAT(provider["networks"], ::testing::Contains("310-410"));
      EXPECT_EQ(status, Json::parse(R"({"status": "off", "date": "2017-01-01",
        "source": "https://www.commsupdate.com/articles/2017/01/18/att-confirms-2g-shutdown-took-place-on-1-january/"})"));
    }
  }
  EXPECT_TRUE(att);
}

TEST(OperatorsCommand, The2GStatusInWords) {
  const struct {
    const char* country;
    const char* search;
    const char* says;
  } cases[] = {
      {"au", "telstra", "; 2G off since 2016-12-01\n"},
      {"gb", "giffgaff", "; 2G switch-off announced for 2033\n"},
      {"it", "tim", "; 2G on\n"},
      {"jp", "docomo", "; no 2G (GSM) network\n"},
      {"cn", "china telecom", "; 2G unknown\n"},
  };
  for (const auto& each : cases) {
    const auto run = List({each.country, each.search, false}, &TestDatabase());
    ASSERT_EQ(run.exitCode, kExitOk) << run.err;
    EXPECT_THAT(run.out, HasSubstr(each.says)) << each.country << " " << each.search;
  }
}

std::vector<std::string> NamesFound(const OperatorsOptions& options) {
  const auto run = List(options, &TestDatabase());
  EXPECT_EQ(run.exitCode, kExitOk) << run.err;
  std::vector<std::string> names;
  for (const auto& entry : Json::parse(run.out)) names.push_back(entry["name"]);
  return names;
}

TEST(OperatorsCommand, SearchesNamesAndNetworkIds) {
  const struct {
    const char* country;
    const char* search;
    const char* found;  // among the names listed
  } cases[] = {
      {"gb", "GIFFgaff", "giffgaff"},
      {"gb", "23410", "giffgaff"},
      {"gb", "234-10", "giffgaff"},
      {"at", "drei", "Drei (3)"},  // also its German name
      {"de", "congstar", "Congstar"},
  };
  for (const auto& each : cases) {
    EXPECT_THAT(NamesFound({each.country, each.search, true}), ::testing::Contains(each.found))
        << each.country << " " << each.search;
  }
  EXPECT_TRUE(NamesFound({"gb", "no such operator", true}).empty());
  std::size_t all = 0;
  for (const auto& country : TestDatabase().countries) all += country.providers.size();
  EXPECT_EQ(NamesFound({std::nullopt, "", true}).size(), all);
}

TEST(OperatorsCommand, UsagesAndProxiesAsTheFileGivesThem) {
  OperatorDatabase database;
  auto& provider = database.countries.emplace_back(OperatorCountry{"na", {}}).providers.emplace_back();
  provider.name = "MTC";
  auto& wap = provider.accessPoints.emplace_back();
  wap.apn = "wap";
  wap.usage = "wap";
  auto& mms = provider.accessPoints.emplace_back();
  mms.apn = "mms";
  mms.usage = "mms";
  mms.mmsc = "http://mms/";
  mms.mmsProxy = "10.0.0.1";  // no port: 80
  auto& web = database.countries[0].providers.emplace_back();
  web.name = "Web only";
  web.accessPoints.emplace_back().apn = "web";  // no usage: internet

  const auto run = List({"NA", "", true}, &database);
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  EXPECT_EQ(Json::parse(run.out), Json::parse(R"([
    {"country": "na", "name": "MTC", "networks": [],
     "network2g": {"status": "unknown", "date": null, "source": null}, "internet": null,
     "mms": {"apn": "mms", "username": "", "password": "", "url": "http://mms/",
             "gateway": "10.0.0.1", "port": 80}},
    {"country": "na", "name": "Web only", "networks": [],
     "network2g": {"status": "unknown", "date": null, "source": null},
     "internet": {"apn": "web", "username": "", "password": ""}, "mms": null}])"));
}

TEST(OperatorsCommand, RefusesWhatItCannotList) {
  const Error missing{ErrorCode::kNotFound, "/usr/share/x/serviceproviders.xml: no such file"};
  const struct {
    const char* what;
    Listing run;
    const char* message;
  } cases[] = {
      {"unknown country", List({"zz", "", false}, &TestDatabase()), "\"zz\" is no country"},
      {"no database", List({"gb", "", false}, missing), "/usr/share/x/serviceproviders.xml"},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(each.run.exitCode, kExitBadInput) << each.what;
    EXPECT_THAT(each.run.err, HasSubstr(each.message)) << each.what;
    EXPECT_EQ(each.run.out, "") << each.what;
  }
}

}  // namespace
}  // namespace quelmo
