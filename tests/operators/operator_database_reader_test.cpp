// The reader against the real database (a copy kept with the tests) and
// against small hostile documents: each of those must give a message, never
// a crash, a hang or a partial database.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <string_view>
#include <vector>

#include "operators/operator_database_reader.h"
#include "operators/operators_test_data.h"

namespace quelmo {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

const OperatorProvider* FindProvider(const OperatorDatabase& database, std::string_view country,
                                     std::string_view name) {
  for (const auto& each : database.countries) {
    if (each.code != country) continue;
    for (const auto& provider : each.providers) {
      if (provider.name == name) return &provider;
    }
  }
  return nullptr;
}

TEST(OperatorDatabaseReader, ReadsTheWholeRealDatabase) {
  const auto database = ParseOperatorDatabase(testing::OperatorTestDatabaseBytes());
  ASSERT_TRUE(database.ok()) << database.message();

  std::size_t providers = 0;
  for (const auto& country : database->countries) providers += country.providers.size();
  EXPECT_EQ(database->countries.size(), 154u);
  EXPECT_EQ(providers, 700u);
  EXPECT_EQ(database->countries.front().code, "ad");
}

TEST(OperatorDatabaseReader, ReadsGiffgaffExactly) {
  const auto database = ParseOperatorDatabase(testing::OperatorTestDatabaseBytes());
  ASSERT_TRUE(database.ok()) << database.message();
  const auto* giffgaff = FindProvider(*database, "gb", "giffgaff");
  ASSERT_NE(giffgaff, nullptr);

  EXPECT_TRUE(giffgaff->otherNames.empty());
  ASSERT_EQ(giffgaff->networkIds.size(), 3u);
  EXPECT_EQ(giffgaff->networkIds[1].mcc, "234");
  EXPECT_EQ(giffgaff->networkIds[1].mnc, "10");
  ASSERT_EQ(giffgaff->accessPoints.size(), 2u);

  const auto& internet = giffgaff->accessPoints[0];
  EXPECT_EQ(internet.apn, "giffgaff.com");
  EXPECT_EQ(internet.usage, "internet");
  EXPECT_EQ(internet.username, "giffgaff");
  EXPECT_EQ(internet.password, "password");
  EXPECT_EQ(internet.mmsc, "");
  EXPECT_EQ(internet.mmsProxy, "");

  const auto& mms = giffgaff->accessPoints[1];
  EXPECT_EQ(mms.apn, "wap.o2.co.uk");
  EXPECT_EQ(mms.usage, "mms");
  EXPECT_EQ(mms.username, "o2wap");
  EXPECT_EQ(mms.password, "password");
  EXPECT_EQ(mms.mmsc, "http://mmsc.mms.o2.co.uk:8002");
  EXPECT_EQ(mms.mmsProxy, "193.113.200.195:8080");
}

TEST(OperatorDatabaseReader, MainNameIsTheOneWithoutLanguage) {
  // In the file, Austria's "Drei (3)" has a German name second; the access
  // point's own <name>s are no provider names.
  const auto database = ParseOperatorDatabase(Bytes(
      R"(<serviceproviders><country code="AT"><provider>
           <name xml:lang="de">Drei</name><name> Drei (3) </name>
           <gsm><network-id mcc="232" mnc="10"/><apn value="drei.at"><name>Web</name></apn></gsm>
           <cdma><sid value="1"/></cdma>
         </provider></country></serviceproviders>)"));
  ASSERT_TRUE(database.ok()) << database.message();
  const auto& provider = database->countries.at(0).providers.at(0);
  EXPECT_EQ(database->countries[0].code, "at");
  EXPECT_EQ(provider.name, "Drei (3)");
  EXPECT_EQ(provider.otherNames, std::vector<std::string>{"Drei"});
  ASSERT_EQ(provider.accessPoints.size(), 1u);
  EXPECT_EQ(provider.accessPoints[0].apn, "drei.at");
  EXPECT_EQ(provider.accessPoints[0].usage, "");
}

TEST(OperatorDatabaseReader, FirstAccessPointOfEachUsage) {
  OperatorProvider provider;
  for (const auto& [apn, usage] : {std::pair{"wap", "wap"}, {"mms1", "mms"}, {"untyped", ""},
                                   {"web", "internet"}, {"mms2", "mms"}}) {
    auto& accessPoint = provider.accessPoints.emplace_back();
    accessPoint.apn = apn;
    accessPoint.usage = usage;
  }
  const struct {
    const char* usage;
    const char* apn;  // nullptr: none
  } cases[] = {
      {"internet", "untyped"},  // no usage counts as internet, and it comes first
      {"mms", "mms1"},
      {"wap", "wap"},
      {"supl", nullptr},
  };
  for (const auto& each : cases) {
    const auto* found = FirstAccessPoint(provider, each.usage);
    if (each.apn == nullptr) {
      EXPECT_EQ(found, nullptr) << each.usage;
    } else {
      ASSERT_NE(found, nullptr) << each.usage;
      EXPECT_EQ(found->apn, each.apn) << each.usage;
    }
  }
  EXPECT_EQ(FirstAccessPoint(OperatorProvider{}, "internet"), nullptr);
}

std::string Nested(int depth) {
  std::string open = "<serviceproviders><country code=\"gb\">";
  std::string close = "</country></serviceproviders>";
  for (int i = 0; i < depth; ++i) {
    open += "<x>";
    close = "</x>" + close;
  }
  return open + close;
}

const char kBillionLaughs[] =
    R"(<?xml version="1.0"?>
<!DOCTYPE serviceproviders [
  <!ENTITY lol "lol">
  <!ENTITY lol2 "&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;">
  <!ENTITY lol3 "&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;">
]>
<serviceproviders><country code="gb"><provider><name>&lol3;</name></provider></country></serviceproviders>)";

TEST(OperatorDatabaseReader, RefusesHostileOrBrokenDocuments) {
  const std::string longName(5000, 'a');
  const struct {
    const char* what;
    std::string document;
    const char* message;  // a part of the expected message
  } cases[] = {
      {"empty", "", "line 1: "},
      {"only a declaration", "<?xml version=\"1.0\"?>", "line 1: "},
      {"cut short", "<serviceproviders><country code=\"gb\"><provider><name>EE", "line 1: "},
      {"mismatched tags", "<serviceproviders>\n<country code=\"gb\"></provider>", "line 2: "},
      {"not XML", "giffgaff,giffgaff.com", "line 1: "},
      {"entities declared", kBillionLaughs, "line 2: the document type declares its own entities"},
      {"external entity declared",
       "<!DOCTYPE s [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><s>&x;</s>", "internal subset"},
      {"undefined entity after an external DTD",
       "<!DOCTYPE serviceproviders SYSTEM \"serviceproviders.2.dtd\">\n"
       "<serviceproviders><country code=\"gb\">&lol;</country></serviceproviders>",
       "line 2: refers to the entity &lol; which is not defined"},
      {"another encoding declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><serviceproviders/>",
       "encoding \"ISO-8859-1\""},
      {"bytes that are not UTF-8", "<serviceproviders>\n<country code=\"gb\"><provider><name>M\xF6" "bil",
       "line 2: not UTF-8"},
      {"UTF-16", std::string("\xFF\xFE<\0s\0/\0>\0", 10), "UTF-16"},
      {"UTF-16 without a byte-order mark", std::string("<\0s\0/\0>\0", 8),
       "UTF-16 without a byte-order mark"},
      {"UTF-16 big-endian without a byte-order mark", std::string("\0<\0s\0/\0>", 8),
       "UTF-16 without a byte-order mark"},
      {"a zero byte in a name",
       std::string("<serviceproviders>\n<country code=\"gb\"><provider><name>E\0E", 57),
       "line 2: a zero byte (0x00 at byte 55)"},
      {"a country code holding controls",
       "<serviceproviders><country code=\"g&#x7F;&#x85;&#x202E;\"/></serviceproviders>",
       "\"g\\u007f\\u0085\\u202e\" is not two letters"},
      {"nested too deep", Nested(40), "nested deeper than 32"},
      {"another root", "<html><body/></html>", "its root is <html>"},
      {"no country", "<serviceproviders/>", "lists no country"},
      {"a country code that is no code",
       "<serviceproviders><country code=\"gbr\"/></serviceproviders>", "\"gbr\" is not two letters"},
      {"a provider without a name",
       "<serviceproviders><country code=\"gb\"><provider><gsm/></provider></country></serviceproviders>",
       "has no name"},
      {"a text too long",
       "<serviceproviders><country code=\"gb\"><provider><name>" + longName +
           "</name></provider></country></serviceproviders>",
       "longer than 4096 bytes"},
      {"an attribute too long",
       "<serviceproviders><country code=\"gb\"><provider><gsm><apn value=\"" + longName +
           "\"/></gsm></provider></country></serviceproviders>",
       "longer than 4096 bytes"},
  };
  for (const auto& each : cases) {
    const auto database = ParseOperatorDatabase(Bytes(each.document));
    ASSERT_FALSE(database.ok()) << each.what;
    EXPECT_EQ(database.error().code, ErrorCode::kCorrupt) << each.what;
    EXPECT_EQ(database.message().find('\0'), std::string::npos) << each.what;
    EXPECT_NE(database.message().find(each.message), std::string::npos)
        << each.what << ": " << database.message();
  }
}

TEST(OperatorDatabaseReader, EveryCutOfADocumentIsRefused) {
  // Every construct a cut can end in: declaration, comment, document type,
  // instruction, tag, attribute value, CDATA, reference, text.
  const std::string document =
      "<?xml version=\"1.0\" encoding='utf-8'?>\n<!-- x -->\n"
      "<!DOCTYPE serviceproviders SYSTEM \"serviceproviders.2.dtd\">\n<?pi x?>\n"
      "<serviceproviders format=\"2.0\"><country code='gb'><provider><name>A&amp;B<![CDATA[c]]>"
      "</name><gsm><apn value=\"giffgaff.com\"><usage type=\"internet\"/>"
      "<username>giffgaff</username></apn></gsm></provider></country></serviceproviders>";
  ASSERT_TRUE(ParseOperatorDatabase(Bytes(document)).ok());
  for (std::size_t length = 0; length < document.size(); ++length) {
    const auto database = ParseOperatorDatabase(Bytes(std::string_view(document).substr(0, length)));
    EXPECT_FALSE(database.ok()) << length;
    if (!database.ok()) EXPECT_EQ(database.message().rfind("line ", 0), 0u) << database.message();
  }
}

TEST(OperatorDatabaseReader, AcceptsTheRealDoctypeWithoutLoadingIt) {
  // The DTD named here does not exist; a bracket inside the quoted name is
  // no internal subset, and '&' in comments and CDATA is no reference.
  const auto database = ParseOperatorDatabase(Bytes(
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding='utf-8'?>\n<!-- <!DOCTYPE x [ &nbsp; -->\n"
      "<!DOCTYPE serviceproviders SYSTEM \"no/such[1].dtd\">\n"
      "<serviceproviders><country code=\"gb\"><provider><name>EE &amp; Co<![CDATA[ &x;]]></name></provider>"
      "</country></serviceproviders>"));
  ASSERT_TRUE(database.ok()) << database.message();
  EXPECT_EQ(database->countries.at(0).providers.at(0).name, "EE & Co &x;");
}

TEST(OperatorDatabaseReader, ACountryGivenTwiceIsOneCountry) {
  const auto database = ParseOperatorDatabase(Bytes(
      "<serviceproviders><country code=\"gb\"><provider><name>EE</name></provider></country>"
      "<country code=\"de\"><provider><name>O2</name></provider></country>"
      "<country code=\"GB\"><provider><name>Tesco</name></provider></country></serviceproviders>"));
  ASSERT_TRUE(database.ok()) << database.message();
  ASSERT_EQ(database->countries.size(), 2u);
  EXPECT_EQ(database->countries[0].code, "gb");
  ASSERT_EQ(database->countries[0].providers.size(), 2u);
  EXPECT_EQ(database->countries[0].providers[1].name, "Tesco");
  // The cap counts countries, not their repeats.
  EXPECT_TRUE(ParseOperatorDatabase(Bytes("<serviceproviders><country code=\"gb\"/>"
                                          "<country code=\"gb\"/></serviceproviders>"),
                                    {.countries = 1})
                  .ok());
}

TEST(OperatorDatabaseReader, CountsAreCapped) {
  const std::string twoCountries =
      "<serviceproviders><country code=\"gb\"><provider><name>A</name><gsm>"
      "<apn value=\"a\"/><apn value=\"b\"/><network-id mcc=\"1\" mnc=\"2\"/></gsm></provider>"
      "<provider><name>B</name></provider></country><country code=\"de\"/></serviceproviders>";
  const struct {
    const char* what;
    OperatorDatabaseLimits limits;
    const char* message;
  } cases[] = {
      {"countries", {.countries = 1}, "more than 1 countries"},
      {"providers", {.providers = 1}, "more than 1 providers"},
      {"access points", {.accessPoints = 1}, "more than 1 access points"},
      {"per provider", {.perProvider = 1}, "more access points in one provider"},
  };
  ASSERT_TRUE(ParseOperatorDatabase(Bytes(twoCountries)).ok());
  for (const auto& each : cases) {
    const auto database = ParseOperatorDatabase(Bytes(twoCountries), each.limits);
    ASSERT_FALSE(database.ok()) << each.what;
    EXPECT_NE(database.message().find(each.message), std::string::npos)
        << each.what << ": " << database.message();
  }
}

}  // namespace
}  // namespace quelmo
