// The "Find operator…" window over the MMS and the SMTP/GPRS forms, driven
// as a user would: open it from the form, pick the country, type, choose,
// Apply, then Save the form; each provider's 2G status in words.

#include "finder/operator_finder_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "finder/operator_finder_controls.h"
#include "mms/mms_file.h"
#include "mms/mms_form.h"
#include "operators/country_names.h"
#include "operators/network_2g.h"
#include "operators/sample_operators.h"
#include "smtp/gprs_file.h"
#include "smtp/smtp_form.h"
#include "support/form_fixture.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The finder over a form of the fixture, with a view of its own.
template <class Form>
class FinderOverForm : public FormFixture<Form> {
 protected:
  void SetUp() override {
    this->context.operatorDatabase = [this]() -> Result<const OperatorDatabase*> {
      if (database_error) return Error{ErrorCode::kNotFound, *database_error};
      return &database;
    };
    this->context.operatorRegion = [] { return std::string("gb"); };
    // No 2G lines unless a test writes some: the other tests see names only.
    this->context.network2g = [this]() -> Result<const Network2gTable*> {
      if (network2g_error) return Error{ErrorCode::kCorrupt, *network2g_error};
      return &network2g;
    };
  }

  // Clicks "Find operator…" on the open form and opens the finder it makes.
  void OpenFinder() {
    ASSERT_EQ(this->view.Click(kFindOperatorButton), Next::kOperatorFinder);
    finder = this->form->MakeWindowOver(Next::kOperatorFinder, finder_view);
    ASSERT_NE(finder, nullptr);
    finder_view.Bind(*finder);
    finder->Open();
  }

  std::vector<std::string> ShownValues() const {
    std::vector<std::string> shown;
    for (int row = 0; row < kFinderValueRows; ++row) {
      const std::string label = finder_view.Text(FinderValueLabel(row));
      if (!label.empty()) shown.push_back(label + "=" + finder_view.Text(FinderValueEdit(row)));
    }
    return shown;
  }

  void PickCountry(const std::string& name) {
    const std::vector<std::string> countries = finder_view.Items(kFinderCountryList);
    const auto at = std::find(countries.begin(), countries.end(), name);
    ASSERT_NE(at, countries.end()) << name;
    finder_view.Pick(kFinderCountryList, static_cast<int>(at - countries.begin()));
  }

  OperatorDatabase database = testing::SampleDatabase();
  std::optional<std::string> database_error;
  Network2gTable network2g;
  std::optional<std::string> network2g_error;
  FakeView finder_view;
  std::unique_ptr<FormLogic> finder;
};

using MmsFinder = FinderOverForm<MmsForm>;
using GprsFinder = FinderOverForm<SmtpForm>;

constexpr ControlId kMmsParameters[] = {kMmsUrlEdit,  kMmsApnEdit,     kMmsGatewayEdit,
                                        kMmsPortEdit, kMmsAccountEdit, kMmsPasswordEdit};

TEST_F(MmsFinder, AUkUserFindsGiffgaffInAFewKeysAppliesAndSavesItsValues) {
  OpenForm();
  view.Type(kMmsPhoneEdit, "+447700900123");
  OpenFinder();
  EXPECT_EQ(finder_view.Title(), "Find operator…");
  EXPECT_EQ(finder_view.SelectedText(kFinderCountryList), "United Kingdom");
  EXPECT_THAT(finder_view.Items(kFinderCountryList),
              ElementsAre("China", "Germany", "United Kingdom", "United States"));
  EXPECT_THAT(finder_view.Items(kFinderMatchList), ElementsAre("EE", "giffgaff"));
  EXPECT_EQ(finder_view.Focused(), kFinderSearchEdit);

  finder_view.Type(kFinderSearchEdit, "giff");
  EXPECT_THAT(finder_view.Items(kFinderMatchList), ElementsAre("giffgaff"));
  EXPECT_EQ(finder_view.SelectedText(kFinderMatchList), "giffgaff");
  EXPECT_EQ(finder_view.Text(kFinderStatusLabel), "1 operator") << "nothing left out";
  EXPECT_THAT(ShownValues(),
              ElementsAre("MMS URL=http://mmsc.mms.o2.co.uk:8002", "APN=wap.o2.co.uk",
                          "MMS IP=193.113.200.195", "Port=8080", "MMS Account=o2wap",
                          "MMS Password=password"));
  EXPECT_TRUE(finder_view.IsReadOnly(FinderValueEdit(0)));

  EXPECT_EQ(finder_view.Click(kIdOk), Next::kClose);  // Enter
  EXPECT_TRUE(view.Messages().empty());
  EXPECT_EQ(view.Selection(kMmsModeList), kMmsCustomer);
  for (const ControlId edit : kMmsParameters) EXPECT_FALSE(view.IsReadOnly(edit)) << edit;
  EXPECT_EQ(view.Text(kMmsPhoneEdit), "+447700900123") << "what was typed before stays";

  view.Type(kMmsAccountEdit, "o2wap");  // every field stays the user's
  const MmsFileContents saved = ReadMmsFile(SaveAndRead(kMmsSaveButton, "mms.dat"));
  EXPECT_EQ(saved.settings.mode, kMmsCustomer);
  EXPECT_EQ(saved.settings.url, "http://mmsc.mms.o2.co.uk:8002");
  EXPECT_EQ(saved.settings.apn, "wap.o2.co.uk");
  EXPECT_EQ(saved.settings.gateway, "193.113.200.195");
  EXPECT_EQ(saved.settings.port, "8080");
  EXPECT_EQ(saved.settings.account, "o2wap");
  EXPECT_EQ(saved.settings.password, "password");
  EXPECT_EQ(saved.settings.phone, "+447700900123");
}

TEST_F(MmsFinder, ValuesTheFileCannotHoldAreNamedAndLeftToTheUser) {
  database.countries[2].providers[0].accessPoints[1].mmsProxy = "";
  database.countries[2].providers[0].accessPoints[1].apn = std::string(31, 'a');
  OpenForm();
  OpenFinder();
  finder_view.Type(kFinderSearchEdit, "ee");
  EXPECT_THAT(finder_view.Text(kFinderStatusLabel),
              ::testing::StartsWith("1 operator — APN: the text takes 31 bytes"));
  EXPECT_EQ(finder_view.Click(kFinderApplyButton), Next::kClose);
  ASSERT_EQ(view.Messages().size(), 1u);
  // Each value by the form's own label.
  EXPECT_THAT(view.Messages()[0].text, HasSubstr("APN: the text takes 31 bytes"));
  EXPECT_THAT(view.Messages()[0].text, HasSubstr("MMS IP: the database gives no MMS proxy for EE"));
  EXPECT_EQ(view.Focused(), kMmsApnEdit);
  EXPECT_EQ(view.Text(kMmsUrlEdit), "http://mms/");
  EXPECT_EQ(view.Text(kMmsApnEdit), "");
  EXPECT_EQ(view.Text(kMmsGatewayEdit), "");
  EXPECT_EQ(view.Text(kMmsPortEdit), "");
  EXPECT_EQ(view.Text(kMmsAccountEdit), "eesecure");
}

TEST_F(MmsFinder, CancelAndEscLeaveTheFormAsItWas) {
  OpenForm();
  OpenFinder();
  finder_view.Type(kFinderSearchEdit, "giff");
  EXPECT_EQ(finder_view.Click(kIdCancel), Next::kClose);
  EXPECT_EQ(view.Selection(kMmsModeList), kMmsAuto);
  EXPECT_EQ(view.Text(kMmsApnEdit), "cmwap");
}

TEST_F(MmsFinder, SearchesAsTypedWithinTheCountryPicked) {
  OpenForm();
  OpenFinder();
  const struct {
    const char* country;  // picked by name; nullptr: as it stands
    const char* text;
    std::vector<std::string> matches;
    const char* chosen;
  } kSteps[] = {
      {nullptr, "234 30", {"EE"}, "EE"},
      {nullptr, "234", {"EE", "giffgaff"}, "EE"},  // the one chosen stays chosen
      {nullptr, "xyz", {}, ""},
      {"Germany", "", {"Congstar"}, "Congstar"},
      {"China", "中国", {"China Mobile"}, "China Mobile"},
  };
  for (const auto& step : kSteps) {
    if (step.country != nullptr) {
      const std::vector<std::string> countries = finder_view.Items(kFinderCountryList);
      const auto at = std::find(countries.begin(), countries.end(), step.country);
      finder_view.Pick(kFinderCountryList, static_cast<int>(at - countries.begin()));
    }
    finder_view.Type(kFinderSearchEdit, step.text);
    EXPECT_EQ(finder_view.Items(kFinderMatchList), step.matches) << step.text;
    EXPECT_EQ(finder_view.SelectedText(kFinderMatchList), step.chosen) << step.text;
    EXPECT_EQ(finder_view.IsEnabled(kFinderApplyButton), *step.chosen != '\0') << step.text;
  }
  finder_view.Type(kFinderSearchEdit, "nothing");
  EXPECT_EQ(finder_view.Click(kIdOk), Next::kStay);
  EXPECT_THAT(finder_view.Messages().back().text, HasSubstr("Pick an operator"));

  finder_view.Type(kFinderSearchEdit, "");
  finder_view.Pick(kFinderMatchList, 0);
  EXPECT_THAT(ShownValues()[1], "APN=cmwap");
}

TEST_F(MmsFinder, WithoutTheDatabaseTheWindowSaysWhyAndTheFormGoesOn) {
  database_error = "/usr/share/x/serviceproviders.xml: no such file";
  OpenForm();
  OpenFinder();
  EXPECT_EQ(finder_view.Text(kFinderStatusLabel),
            "The operator database is not available: /usr/share/x/serviceproviders.xml: no such file");
  for (const ControlId id : {kFinderCountryList, kFinderSearchEdit, kFinderMatchList, kFinderApplyButton}) {
    EXPECT_FALSE(finder_view.IsEnabled(id)) << id;
  }
  EXPECT_EQ(finder_view.Click(kIdOk), Next::kStay);
  EXPECT_EQ(finder_view.Click(kIdCancel), Next::kClose);
  view.Type(kMmsPhoneEdit, "+447700900123");
  EXPECT_EQ(view.Text(kMmsApnEdit), "cmwap");
}

TEST_F(MmsFinder, ARegionTheDatabaseLacksShowsTheFirstCountryByName) {
  context.operatorRegion = [] { return std::string("zz"); };
  OpenForm();
  OpenFinder();
  EXPECT_EQ(finder_view.SelectedText(kFinderCountryList), "China");
}

TEST_F(GprsFinder, TheCountryNamesComeFromTheContextInTheWindowsLanguage) {
  // No translations given: the names stay English whatever the system has.
  const MoCatalogue none;
  std::vector<int> asked;
  context.countryNames = [&](int language) -> const MoCatalogue& {
    asked.push_back(language);
    return none;
  };
  OpenForm(3);
  // The form's own country list asks too, in the same language.
  EXPECT_THAT(asked, ::testing::Each(3));
  asked.clear();
  OpenFinder();
  EXPECT_THAT(asked, ElementsAre(3));
  EXPECT_EQ(finder_view.SelectedText(kFinderCountryList), "United Kingdom");
}

TEST_F(MmsFinder, ChineseTexts) {
  OpenForm(kChinese);
  EXPECT_EQ(view.Text(kFindOperatorButton), "查找运营商…");
  OpenFinder();
  EXPECT_EQ(finder_view.Title(), "查找运营商…");
  EXPECT_EQ(finder_view.Text(kFinderCountryLabel), "国家");
  EXPECT_EQ(finder_view.Text(kFinderSearchLabel), "搜索");
  EXPECT_EQ(finder_view.Text(kIdOk), "应用");
  EXPECT_EQ(finder_view.Text(kIdCancel), "取消");
  EXPECT_EQ(finder_view.Text(kFinderStatusLabel), "找到 2 个运营商");
}

TEST_F(GprsFinder, AUkUserFindsGiffgaffAppliesAndSavesTheAccessPoint) {
  OpenForm();
  view.Type(kSmtpServerEdit, "smtp.example.net");
  OpenFinder();
  finder_view.Type(kFinderSearchEdit, "GIF");
  EXPECT_THAT(ShownValues(), ElementsAre("GPRS APN=giffgaff.com", "GPRS Account=giffgaff",
                                         "GPRS Password=password"));
  EXPECT_EQ(finder_view.Click(kIdOk), Next::kClose);
  EXPECT_TRUE(view.Messages().empty());
  EXPECT_EQ(view.Selection(kApnModeList), kApnCustomer);
  EXPECT_FALSE(view.IsReadOnly(kApnEdit));
  EXPECT_EQ(view.Text(kSmtpServerEdit), "smtp.example.net") << "the mail settings stay";

  view.Type(kSmtpPortEdit, "465");
  view.Type(kSenderEmailEdit, "cam@example.net");
  view.Type(kSenderPasswordEdit, "secret");
  view.Type(kRecipientEdit, "me@example.net");
  const GprsFileContents saved = ReadGprsFile(SaveAndRead(kSmtpSaveButton, "gprs.dat"));
  EXPECT_EQ(saved.settings.apnMode, kApnCustomer) << LastMessage();
  EXPECT_EQ(saved.settings.apn, "giffgaff.com");
  EXPECT_EQ(saved.settings.gprsAccount, "giffgaff");
  EXPECT_EQ(saved.settings.gprsPassword, "password");
}

TEST_F(GprsFinder, AProviderWithoutAnInternetAccessPointIsNamed) {
  database.countries[3].providers[0].accessPoints[0].usage = "mms";
  OpenForm();
  OpenFinder();
  finder_view.Pick(kFinderCountryList, 3);
  EXPECT_EQ(finder_view.SelectedText(kFinderCountryList), "United States");
  EXPECT_EQ(finder_view.Click(kIdOk), Next::kClose);
  ASSERT_EQ(view.Messages().size(), 1u);
  EXPECT_THAT(view.Messages()[0].text,
              HasSubstr("GPRS APN: Mint Mobile has no internet access point"));
  EXPECT_EQ(view.Text(kApnEdit), "");
  EXPECT_EQ(view.Focused(), kApnEdit);
}

// ---- 2G status -------------------------------------------------------------

OperatorProvider ProviderOn(std::string name, std::string mnc) {
  OperatorProvider provider = testing::Giffgaff();
  provider.name = std::move(name);
  provider.networkIds = {{"505", std::move(mnc)}};
  return provider;
}

// Telstra and a reseller on its network, whose 2G is off, and Optus, whose
// switch-off is announced, in Australia; EE's 2G runs; giffgaff's host
// announced one; Congstar's network has no line.
class TwoGFinder : public MmsFinder {
 protected:
  void SetUp() override {
    MmsFinder::SetUp();
    database.countries.push_back(
        {"au", {ProviderOn("Telstra", "01"), ProviderOn("Aldi Mobile AU", "01"), ProviderOn("Optus", "02")}});
    network2g = ParseNetwork2gTable(
                    "# checked: 2026-12-08\n"
                    "505-01\toff\t2016-12-01\thttps://example.com/telstra\tTelstra\t\n"
                    "505-02\tclosing\t2017-08\thttps://example.com/optus\tOptus\t\n"
                    "234-10\tclosing\t2033\thttps://example.com/o2\tO2 UK\t\n"
                    "234-30\ton\t\thttps://example.com/ee\tEE\t\n")
                    .value();
  }
};

TEST_F(TwoGFinder, TheStatusIsInTheListAndUnderTheChosenValuesInWords) {
  OpenForm();
  OpenFinder();
  EXPECT_THAT(finder_view.Items(kFinderMatchList), ElementsAre("EE", "giffgaff (2G until 2033)"));
  EXPECT_EQ(finder_view.Text(kFinderNetworkLabel), "") << "EE runs 2G: nothing to warn of";
  finder_view.Pick(kFinderMatchList, 1);
  EXPECT_EQ(finder_view.Text(kFinderNetworkLabel), "2G switch-off announced for 2033");

  PickCountry("Australia");
  EXPECT_THAT(finder_view.Items(kFinderMatchList),
              ElementsAre("Telstra (no 2G)", "Aldi Mobile AU (no 2G)", "Optus (2G until 2017-08)"));
  EXPECT_EQ(finder_view.SelectedText(kFinderMatchList), "Telstra (no 2G)");
  EXPECT_EQ(finder_view.Text(kFinderNetworkLabel),
            "2G switched off in 2016: a GSM camera cannot connect to this network");
  finder_view.Type(kFinderSearchEdit, "aldi");
  EXPECT_EQ(finder_view.Text(kFinderNetworkLabel),
            "2G switched off in 2016: a GSM camera cannot connect to this network")
      << "a reseller shares its host's network";

  PickCountry("Germany");
  finder_view.Type(kFinderSearchEdit, "");
  EXPECT_THAT(finder_view.Items(kFinderMatchList), ElementsAre("Congstar"));
  EXPECT_EQ(finder_view.Text(kFinderNetworkLabel), "") << "unknown: nothing alarming";
}

TEST_F(TwoGFinder, ApplyTakesAProviderWhose2GIsOffAllTheSame) {
  OpenForm();
  OpenFinder();
  PickCountry("Australia");
  finder_view.Type(kFinderSearchEdit, "telstra");
  EXPECT_TRUE(finder_view.IsEnabled(kFinderApplyButton));
  EXPECT_EQ(finder_view.Click(kIdOk), Next::kClose);
  EXPECT_EQ(view.Selection(kMmsModeList), kMmsCustomer);
  EXPECT_EQ(view.Text(kMmsApnEdit), "wap.o2.co.uk");
}

TEST_F(TwoGFinder, EveryLanguageSaysItInItsOwnWords) {
  std::vector<std::string> notices;
  for (int language = kFirstLanguage; language <= kLastLanguage; ++language) {
    OpenForm(language);
    OpenFinder();
    // Australia, by the name the language gives it.
    PickCountry(CountryNameIn("au", CountryNameTranslations(language)));
    const std::string item = finder_view.SelectedText(kFinderMatchList);
    EXPECT_THAT(item, ::testing::StartsWith("Telstra (")) << language;
    EXPECT_NE(item, "Telstra ()") << language;
    const std::string notice = finder_view.Text(kFinderNetworkLabel);
    EXPECT_THAT(notice, HasSubstr("2016")) << language;
    EXPECT_THAT(notice, HasSubstr("GSM")) << language;
    EXPECT_EQ(notice.find('{'), std::string::npos) << language;
    notices.push_back(notice);
    finder_view.Pick(kFinderMatchList, 2);
    EXPECT_THAT(finder_view.Text(kFinderNetworkLabel), HasSubstr("2017-08")) << language;
    EXPECT_THAT(finder_view.SelectedText(kFinderMatchList), HasSubstr("2017-08")) << language;
  }
  std::sort(notices.begin(), notices.end());
  EXPECT_EQ(std::unique(notices.begin(), notices.end()), notices.end()) << "one sentence per language";
}

TEST_F(TwoGFinder, ANetworkThatNeverRanGsmSaysSo) {
  for (Network2gRow& row : network2g.rows) {
    if (row.network == "505-01") row.date.clear();
  }
  OpenForm();
  OpenFinder();
  PickCountry("Australia");
  EXPECT_EQ(finder_view.Text(kFinderNetworkLabel),
            "No 2G (GSM) network: a GSM camera cannot connect to this network");
  EXPECT_EQ(finder_view.SelectedText(kFinderMatchList), "Telstra (no 2G)");
}

TEST_F(TwoGFinder, WithoutTheTableTheWindowSaysWhyAndListsNamesOnly) {
  network2g_error = "line 3: a line has six fields separated by tabs, this one has 2";
  OpenForm();
  OpenFinder();
  PickCountry("Australia");
  EXPECT_THAT(finder_view.Items(kFinderMatchList), ElementsAre("Telstra", "Aldi Mobile AU", "Optus"));
  EXPECT_EQ(finder_view.Text(kFinderNetworkLabel),
            "The 2G table is not available: line 3: a line has six fields separated by tabs, this one has 2");
  EXPECT_EQ(finder_view.Click(kIdOk), Next::kClose);
}

TEST_F(TwoGFinder, WithoutATableOfItsOwnTheFinderUsesTheOneBuiltIn) {
  context.network2g = {};
  OpenForm();
  OpenFinder();
  PickCountry("Australia");
  EXPECT_EQ(finder_view.SelectedText(kFinderMatchList), "Telstra (no 2G)");
  EXPECT_EQ(finder_view.Text(kFinderNetworkLabel),
            "2G switched off in 2016: a GSM camera cannot connect to this network");
}

}  // namespace
}  // namespace quelmo
