// The GPRS access-point presets, one line per offered operator:
//   {country index, operator name, access point name, account, password}
//
// Values: the Android carrier APN list as LineageOS keeps it
// (LineageOS/android_vendor_lineage, prebuilt/common/etc/apns-conf.xml,
// commit 6e151c8c8158367357ef1372f667d671067a2c43; Apache License 2.0, see
// NOTICE), matched by network code and carrier name or its successor. Rows
// marked "2016 revision" come from the same file as it stood on 2016-01-01
// (commit 967c5036d6923374b829a16990bfb0c18a64a075), where the current one no
// longer lists the carrier. Cleaned as taken: "*" and placeholders are empty,
// no value is shortened. An operator without a public entry of its own keeps
// its place with empty texts.

#include <array>
#include <cstddef>
#include <string_view>

#include "smtp/gprs_presets.h"

namespace quelmo {
namespace {

constexpr std::array<std::string_view, kGprsCountryCount> kCountries = {
    "Australia",  // 0
    "Belgium",  // 1
    "Brazil",  // 2
    "Bulgaria",  // 3
    "China",  // 4
    "Canada",  // 5
    "Cyprus",  // 6
    "Croatia",  // 7
    "Ceska republika",  // 8
    "Deutschland",  // 9
    "Denmark",  // 10
    "Egypt",  // 11
    "Estonia",  // 12
    "Finland",  // 13
    "France",  // 14
    "Greece",  // 15
    "Hungary",  // 16
    "Italy",  // 17
    "Ireland",  // 18
    "India",  // 19
    "Luxembourg",  // 20
    "Lithuania",  // 21
    "Latvia",  // 22
    "Namibia",  // 23
    "Norway",  // 24
    "Netherlands",  // 25
    "New Zealand",  // 26
    "Oesterreich",  // 27
    "Portugal",  // 28
    "Poland",  // 29
    "Russia",  // 30
    "Romania",  // 31
    "switzerland",  // 32
    "South Africa",  // 33
    "Spain",  // 34
    "Slovakia",  // 35
    "Sweden",  // 36
    "Slovenia",  // 37
    "Turkey",  // 38
    "United States",  // 39
    "United Kingdom",  // 40
    "Ukraine",  // 41
};

constexpr GprsPresetRow kRows[] = {
    // 0 Australia
    {0, "Optus", "yesinternet", "", ""},
    {0, "Telstra", "telstra.internet", "", ""},
    {0, "Vodafone", "live.vodafone.com", "", ""},  // account and password "*" in the list
    // 1 Belgium
    {1, "Proximus", "internet.proximus.be", "", ""},
    {1, "Mobistar", "mworld.be", "mobistar", "mobistar"},
    {1, "Base", "gprs.base.be", "base", "base"},
    // No entry of its own; the list has only another MVNO's on the same network,
    // where MVNOs use access points of their own.
    {1, "Aldi Talk", "", "", ""},
    // 2 Brazil
    {2, "Brazil Telecom", "gprs.oi.com.br", "oi", "oi"},
    {2, "Claro", "claro.com.br", "claro", "claro"},  // 2016 revision of the list
    // 3 Bulgaria
    {3, "Globul", "telenor", "telenor", ""},
    {3, "Mtel", "inet-gprs.mtel.bg", "", ""},
    // 4 China
    {4, "China Mobile", "cmnet", "", ""},
    {4, "China Unicom", "3gnet", "", ""},
    // 5 Canada
    {5, "Fido", "ltemobile.apn", "", ""},
    {5, "Rogers", "ltemobile.apn", "", ""},
    // 6 Cyprus
    {6, "Cyta", "cytamobile", "", ""},
    // 7 Croatia
    {7, "VIPNet", "gprs0.vipnet.hr", "", ""},
    // 8 Ceska republika
    {8, "Eurotel", "internet", "", ""},
    {8, "O2", "internet", "", ""},
    // 9 Deutschland
    {9, "Vodafone", "web.vodafone.de", "", ""},
    {9, "T-Mobile", "internet.telekom", "telekom", "telekom"},
    {9, "E-Plus", "internet", "", ""},
    {9, "O2", "internet", "", ""},
    {9, "Alditalk(dayflat-rate)", "internet.eplus.de", "eplus", "internet"},
    {9, "O.TEL.O", "data.otelo.de", "", ""},  // 2016 revision of the list
    {9, "Alice", "internet.partner1", "", ""},
    {9, "Fonic", "pinternet.interkom.de", "", ""},
    {9, "Tchibo", "webmobil1", "", ""},
    {9, "Klarmobil", "web.vodafone.de", "", ""},  // 2016 revision of the list
    // 10 Denmark
    {10, "TDC", "internet", "", ""},
    {10, "Telia", "www.internet.mtelia.dk", "", ""},
    // 11 Egypt
    {11, "MobilNil", "mobinilweb", "", ""},
    {11, "Vodafone", "internet.vodafone.net", "internet", "internet"},
    // 12 Estonia
    {12, "EMT", "internet.emt.ee", "", ""},
    {12, "ELISA", "internet", "", ""},
    {12, "TELE2", "internet.tele2.ee", "wap", "wap"},
    // 13 Finland
    {13, "Radiolinja", "internet", "", ""},
    {13, "DNA", "internet", "", ""},
    // 14 France
    {14, "Bouygues", "ebouygtel.com", "", ""},
    {14, "Orange", "orange.fr", "orange", "orange"},
    // 15 Greece
    {15, "T-Cosmote", "internet", "", ""},
    {15, "Vodafone", "internet.vodafone.gr", "", ""},
    // 16 Hungary
    {16, "Pannon (contract)", "net", "", ""},
    {16, "Vodafone", "internet.vodafone.net", "", ""},
    {16, "T-Mobile", "internet", "", ""},
    // 17 Italy
    {17, "TIM", "ibox.tim.it", "", ""},
    {17, "Vodafone", "mobile.vodafone.it", "", ""},
    // 18 Ireland
    {18, "Meteor", "data.mymeteor.ie", "", ""},
    {18, "Vodafone", "isp.vodafone.ie", "", ""},
    // 19 India
    {19, "Idea", "internet", "", ""},
    {19, "BPL", "www", "", "bplmmsc"},  // account: "MSISDN" stands for the subscriber's own number
    // 20 Luxembourg
    {20, "Lux GSM", "web.pt.lu", "", ""},
    {20, "Tango", "internet", "", ""},
    // 21 Lithuania
    {21, "Omnitel", "gprs.startas.lt", "omni", "omni"},
    {21, "Bite", "banga", "", ""},
    // 22 Latvia
    {22, "LMT", "internet.lmt.lv", "", ""},
    // 23 Namibia
    {23, "MTC", "", "", ""},  // no public entry
    // 24 Norway
    {24, "Netcom", "netcom", "", ""},
    {24, "Telenor", "telenor.smart", "", ""},
    // 25 Netherlands
    {25, "T-Mobile", "internet", "", ""},
    {25, "Vodafone(Prive)", "live.vodafone.com", "", ""},
    {25, "Orange", "internet", "", ""},
    {25, "Telfort", "internet", "", ""},
    {25, "Vodafone(zakelijk)", "live.vodafone.com", "", ""},
    {25, "KPN", "internet", "kpn", "gprs"},
    {25, "Ben", "internet.ben", "", ""},
    {25, "Vectone Mobile", "", "", ""},  // no public entry
    // 26 New Zealand
    {26, "Vodafone", "www.vodafone.net.nz", "", ""},
    // 27 Oesterreich
    {27, "A1", "a1.net", "ppp@a1plus.at", "ppp"},
    {27, "T-Mobile", "internet.t-mobile.at", "t-mobile", "tm"},
    {27, "One", "drei.at", "", ""},
    {27, "Yesss", "webapn.at", "", ""},
    {27, "3(Drei)", "drei.at", "", ""},
    {27, "B Free Broadband", "", "", ""},  // no public entry
    {27, "Tele.ring", "internet.t-mobile.at", "t-mobile", "tm"},
    {27, "Hot.at", "webaut", "", ""},
    // 28 Portugal
    {28, "Optimus", "umts", "", ""},
    {28, "Vodafone", "net2.vodafone.pt", "", ""},
    // 29 Poland
    {29, "ERA", "erainternet", "erainternet", "erainternet"},
    {29, "Orange", "internet", "internet", "internet"},
    // 30 Russia
    {30, "MTS", "internet.mts.ru", "mts", "mts"},
    {30, "Beeline", "internet.beeline.ru", "beeline", "beeline"},
    // 31 Romania
    {31, "Orange", "net", "", ""},
    // 32 switzerland
    {32, "Orange(for subscriptions)", "internet", "", ""},
    {32, "Sunrise", "internet", "", ""},
    {32, "Swisscom", "gprs.swisscom.ch", "", ""},
    {32, "Orange(for prepaid)", "click", "", ""},
    // 33 South Africa
    {33, "Cell C", "internet", "", ""},
    {33, "Vodacom", "internet", "", ""},
    // 34 Spain
    {34, "Amena", "orangeworld", "orange", "orange"},
    {34, "Vodafone", "airtelnet.es", "vodafone", "vodafone"},
    // 35 Slovakia
    {35, "T-Mobile", "internet", "", ""},
    {35, "Orange", "internet", "", ""},
    {35, "O2", "o2internet", "", ""},
    // 36 Sweden
    {36, "Telenor", "internet.telenor.se", "", ""},
    {36, "Telia", "online.telia.se", "", ""},
    {36, "Tele2", "4g.tele2.se", "", ""},
    // 37 Slovenia
    {37, "Mobitel", "internet", "mobitel", "internet"},
    {37, "Simobil", "internet.simobil.si", "simobil", "internet"},
    {37, "Tusmobil", "internet.tusmobil.si", "tusmobil", "internet"},
    {37, "izimobil", "", "", ""},  // no public entry
    {37, "Bob", "internet.simobil.si", "simobil", "internet"},
    // 38 Turkey
    {38, "Avea", "internet", "wap", "wap"},
    {38, "Turkcell", "Internet", "", ""},
    // 39 United States
    {39, "T-Mobile", "fast.t-mobile.com", "", ""},
    {39, "AT&T", "broadband", "", ""},
    // 40 United Kingdom
    {40, "Vodafone", "pp.vodafone.co.uk", "web", "web"},
    {40, "O2", "mobile.o2.co.uk", "o2web", "password"},
    {40, "T-Mobile", "everywhere", "eesecure", "secure"},
    // 41 Ukraine
    {41, "KiyvStar", "www.kyivstar.net", "", ""},
    {41, "MTS", "internet", "", ""},
    {41, "LIFE", "internet", "", ""},
};

// ---- What the form relies on, checked when the program is built ---------

constexpr bool Grouped() {
  int country = 0;
  int count = 0;
  for (const GprsPresetRow& row : kRows) {
    if (row.country == country) {
      ++count;
    } else if (row.country == country + 1 && count >= 1) {
      country = row.country;
      count = 1;
    } else {
      return false;
    }
    if (count > kGprsMaxOperators) return false;
  }
  return country == kGprsCountryCount - 1;
}

constexpr bool PrintableAscii(std::string_view text) {
  for (char c : text) {
    if (c < 0x21 || c > 0x7E) return false;
  }
  return true;
}

constexpr bool WithinLimits() {
  for (const GprsPresetRow& row : kRows) {
    if (row.apn.size() > GprsPresetLimits::kApn || row.account.size() > GprsPresetLimits::kAccount ||
        row.password.size() > GprsPresetLimits::kPassword) {
      return false;
    }
    if (!PrintableAscii(row.apn) || !PrintableAscii(row.account) ||
        !PrintableAscii(row.password)) {
      return false;
    }
    // Credentials without an access point would never be used.
    if (row.apn.empty() && (!row.account.empty() || !row.password.empty())) return false;
  }
  return true;
}

static_assert(std::size(kRows) == 112);
static_assert(Grouped(), "rows grouped by country in index order, 1 to 10 per country");
static_assert(WithinLimits(), "preset texts within their limits, printable ASCII");

}  // namespace

std::span<const GprsPresetRow> GprsPresetRows() { return kRows; }

std::string_view GprsEnglishCountryName(int country) {
  if (country < 0 || country >= kGprsCountryCount) return {};
  return kCountries[static_cast<std::size_t>(country)];
}

}  // namespace quelmo
