// The 2G table: the one built into the program, tables refused for what is
// wrong with them, and how a provider of the operator database, reseller
// included, takes its status from its network ids.

#include "operators/network_2g.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "operators/sample_operators.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr std::string_view kHeader = "# a comment\n# checked: 2026-12-08\n";

std::string Table(std::string_view rows) { return std::string(kHeader) + std::string(rows); }

TEST(BuiltInNetwork2gTable, ReadsAndNamesTheNetworksKnownToBeOff) {
  const Result<const Network2gTable*> table = BuiltInNetwork2gTable();
  ASSERT_TRUE(table.ok()) << table.message();
  EXPECT_EQ((*table)->checked.size(), 10u);
  EXPECT_GT((*table)->rows.size(), 50u);
  const struct {
    std::string_view network;
    Network2gStatus status;
    std::string_view date;
  } kKnown[] = {
      {"310-410", Network2gStatus::kOff, "2017-01-01"},  // AT&T
      {"505-01", Network2gStatus::kOff, "2016-12-01"},   // Telstra
      {"505-02", Network2gStatus::kOff, "2017-08-01"},   // Optus
      {"525-01", Network2gStatus::kOff, "2017-04-18"},   // Singtel
      {"466-92", Network2gStatus::kOff, "2017-07-01"},   // Chunghwa
      {"228-01", Network2gStatus::kOff, "2021-04"},      // Swisscom
      {"440-10", Network2gStatus::kOff, ""},             // docomo: Japan never ran GSM
      {"234-10", Network2gStatus::kClosing, "2033"},     // O2 UK, giffgaff's host
      {"222-01", Network2gStatus::kOn, ""},              // TIM
  };
  for (const auto& known : kKnown) {
    const Network2gRow* row = FindNetwork2g(**table, known.network);
    ASSERT_NE(row, nullptr) << known.network;
    EXPECT_EQ(row->status, known.status) << known.network;
    EXPECT_EQ(row->date, known.date) << known.network;
    EXPECT_EQ(row->source.rfind("https://", 0), 0u) << known.network;
  }
  EXPECT_EQ(FindNetwork2g(**table, "001-01"), nullptr);
}

TEST(ParseNetwork2gTable, ReadsEveryFieldAndSortsByNetwork) {
  const auto table = ParseNetwork2gTable(Table(
      "505-01\toff\t2016-12-01\thttps://example.com/a\tTelstra\tclosed\r\n"
      "\n"
      "234-10\tclosing\t2033\thttps://example.com/b\tO2 UK\t\n"
      "222-01\ton\t\thttps://example.com/c\tTIM\truns 2G"));
  ASSERT_TRUE(table.ok()) << table.message();
  EXPECT_EQ(table->checked, "2026-12-08");
  ASSERT_EQ(table->rows.size(), 3u);
  EXPECT_EQ(table->rows[0].network, "222-01");
  const Network2gRow& telstra = table->rows[2];
  EXPECT_EQ(telstra.network, "505-01");
  EXPECT_EQ(telstra.status, Network2gStatus::kOff);
  EXPECT_EQ(telstra.date, "2016-12-01");
  EXPECT_EQ(telstra.source, "https://example.com/a");
  EXPECT_EQ(telstra.operatorName, "Telstra");
  EXPECT_EQ(telstra.note, "closed") << "the carriage return is no part of the note";
  EXPECT_EQ(table->rows[1].note, "");
}

TEST(ParseNetwork2gTable, RefusesAMalformedTableNamingTheLine) {
  const struct {
    std::string text;
    std::string_view says;
  } kCases[] = {
      {Table("505-01\toff\t2016\thttps://e.com\tTelstra\n"), "line 3: a line has six fields"},
      {Table("505-01\toff\t2016\thttps://e.com\tTelstra\tnote\textra\n"), "this one has more"},
      {Table("50501\toff\t2016\thttps://e.com\tTelstra\t\n"), "\"50501\" is no network id"},
      {Table("505-1\toff\t2016\thttps://e.com\tTelstra\t\n"), "is no network id"},
      {Table("505-0001\toff\t2016\thttps://e.com\tTelstra\t\n"), "is no network id"},
      {Table("5a5-01\toff\t2016\thttps://e.com\tTelstra\t\n"), "is no network id"},
      {Table("505-01\tunknown\t\thttps://e.com\tTelstra\t\n"), "\"unknown\" is none of on, closing, off"},
      {Table("505-01\tOff\t2016\thttps://e.com\tTelstra\t\n"), "is none of"},
      {Table("505-01\toff\t2017-02-29\thttps://e.com\tTelstra\t\n"), "\"2017-02-29\" is no real"},
      {Table("505-01\toff\t2016-13\thttps://e.com\tTelstra\t\n"), "is no real"},
      {Table("505-01\toff\t16\thttps://e.com\tTelstra\t\n"), "is no real"},
      {Table("505-01\toff\t2016/12\thttps://e.com\tTelstra\t\n"), "is no real"},
      {Table("505-01\toff\t1890\thttps://e.com\tTelstra\t\n"), "is no real"},
      {Table("505-01\tclosing\t\thttps://e.com\tTelstra\t\n"), "announced for a date, and this line has none"},
      {Table("505-01\ton\t2030\thttps://e.com\tTelstra\t\n"), "runs 2G has no switch-off date"},
      {Table("505-01\toff\t2016\thttp://e.com\tTelstra\t\n"), "\"http://e.com\" is no https:// address"},
      {Table("505-01\toff\t2016\t\tTelstra\t\n"), "is no https:// address"},
      {Table("505-01\toff\t2016\thttps://e.com/a b\tTelstra\t\n"), "is no https:// address"},
      {Table("505-01\toff\t2016\thttps://e.com/\xe9\tTelstra\t\n"), "line 3: not UTF-8: 0xE9"},
      {Table("505-01\toff\t2016\thttps://e.com/\xc3\xa9\tTelstra\t\n"), "is no https:// address"},
      {Table("505-01\toff\t2016\thttps://e.com\t\t\n"), "the operator's name is empty"},
      {Table("505-01\toff\t2016\thttps://e.com\tA\t\n505-01\ton\t\thttps://e.com\tB\t\n"),
       "505-01 has more than one line"},
      {"505-01\toff\t2016\thttps://e.com\tTelstra\t\n", "does not say when it was checked"},
      {"# checked: 2026-12\n", "line 1: \"checked:\" takes a YYYY-MM-DD date"},
      {Table("# checked: 2026-12-09\n"), "line 3: a second \"checked:\" line"},
  };
  for (const auto& bad : kCases) {
    const auto table = ParseNetwork2gTable(bad.text);
    ASSERT_FALSE(table.ok()) << bad.text;
    EXPECT_EQ(table.error().code, ErrorCode::kCorrupt);
    EXPECT_THAT(table.message(), HasSubstr(bad.says)) << bad.text;
  }
}

TEST(ParseNetwork2gTable, RefusesWhatIsAboveItsLimits) {
  const std::string row = "505-01\toff\t2016\thttps://e.com\tTelstra\t\n";
  Network2gLimits limits;
  limits.bytes = 20;
  EXPECT_THAT(ParseNetwork2gTable(Table(row), limits).message(), HasSubstr("larger than 20 bytes"));
  limits = {};
  limits.lineBytes = 30;
  EXPECT_THAT(ParseNetwork2gTable(Table(row), limits).message(), HasSubstr("line 3: longer than 30"));
  limits = {};
  limits.rows = 1;
  EXPECT_THAT(ParseNetwork2gTable(Table(row + "505-02\toff\t2017\thttps://e.com\tOptus\t\n"), limits).message(),
              HasSubstr("line 4: more than 1 networks"));
}

class Network2gJoin : public ::testing::Test {
 protected:
  Network2gTable table = ParseNetwork2gTable(Table(
                                                 "234-10\tclosing\t2033\thttps://e.com/o2\tO2 UK\t\n"
                                                 "234-30\tclosing\t2030\thttps://e.com/ee\tEE\t\n"
                                                 "234-33\tclosing\t2031\thttps://e.com/ee2\tEE\t\n"
                                                 "505-01\toff\t2016-12-01\thttps://e.com/t\tTelstra\t\n"
                                                 "505-02\toff\t2017-08-01\thttps://e.com/o\tOptus\t\n"
                                                 "232-05\ton\t\thttps://e.com/d\tDrei\t\n"))
                             .value();

  static OperatorProvider Provider(std::vector<OperatorNetworkId> ids) {
    OperatorProvider provider;
    provider.name = "test";
    provider.networkIds = std::move(ids);
    return provider;
  }
};

TEST_F(Network2gJoin, AResellerTakesItsHostsNetwork) {
  // giffgaff names O2's ids 234-02, 234-10 and 234-11; only 234-10 has a line.
  const Network2gVerdict giffgaff = Network2gOf(table, testing::Giffgaff());
  EXPECT_EQ(giffgaff.status, Network2gStatus::kClosing);
  ASSERT_NE(giffgaff.row, nullptr);
  EXPECT_EQ(giffgaff.row->operatorName, "O2 UK");
  EXPECT_EQ(giffgaff.row->date, "2033");
}

TEST_F(Network2gJoin, ThePreferredLineOfSeveral) {
  const struct {
    std::vector<OperatorNetworkId> ids;
    Network2gStatus status;
    std::string_view source;
  } kCases[] = {
      {{{"505", "01"}}, Network2gStatus::kOff, "https://e.com/t"},
      {{{"505", "01"}, {"505", "02"}}, Network2gStatus::kOff, "https://e.com/o"},  // the latest off
      {{{"234", "30"}, {"234", "33"}}, Network2gStatus::kClosing, "https://e.com/ee2"},  // the latest closing
      {{{"505", "01"}, {"234", "30"}}, Network2gStatus::kClosing, "https://e.com/ee"},  // closing beats off
      {{{"232", "10"}, {"232", "05"}}, Network2gStatus::kOn, "https://e.com/d"},  // a line for one id is enough
      {{{"234", "30"}, {"232", "05"}, {"505", "01"}}, Network2gStatus::kOn, "https://e.com/d"},
  };
  for (const auto& test : kCases) {
    const Network2gVerdict verdict = Network2gOf(table, Provider(test.ids));
    EXPECT_EQ(verdict.status, test.status) << test.source;
    ASSERT_NE(verdict.row, nullptr) << test.source;
    EXPECT_EQ(verdict.row->source, test.source);
  }
}

TEST_F(Network2gJoin, UnknownWithoutALineOrWithoutIds) {
  for (const auto& ids : {std::vector<OperatorNetworkId>{}, std::vector<OperatorNetworkId>{{"262", "01"}},
                          std::vector<OperatorNetworkId>{{"", ""}}}) {
    const Network2gVerdict verdict = Network2gOf(table, Provider(ids));
    EXPECT_EQ(verdict.status, Network2gStatus::kUnknown);
    EXPECT_EQ(verdict.row, nullptr);
  }
}

TEST(NetworkIdsOf, JoinsEachIdOnceInTheDatabasesOrder) {
  OperatorProvider provider;
  provider.networkIds = {{"310", "410"}, {"310", "150"}, {"310", "410"}};
  EXPECT_THAT(NetworkIdsOf(provider), ElementsAre("310-410", "310-150"));
  EXPECT_THAT(NetworkIdsOf(testing::Giffgaff()), ElementsAre("234-02", "234-10", "234-11"));
}

}  // namespace
}  // namespace quelmo
