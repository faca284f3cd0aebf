// The GPRS access-point presets, one line per offered operator:
//   {country index, operator index, operator name, {access point name, account, password}}
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

constexpr OperatorPreset kRows[] = {
    // 0 Australia
    {0, 0, "Optus", {.apn = "yesinternet"}},
    {0, 1, "Telstra", {.apn = "telstra.internet"}},
    {0, 2, "Vodafone", {.apn = "live.vodafone.com"}},  // account and password "*" in the list
    // 1 Belgium
    {1, 0, "Proximus", {.apn = "internet.proximus.be"}},
    {1, 1, "Mobistar", {.apn = "mworld.be", .account = "mobistar", .password = "mobistar"}},
    {1, 2, "Base", {.apn = "gprs.base.be", .account = "base", .password = "base"}},
    // No entry of its own; the list has only another MVNO's on the same network,
    // where MVNOs use access points of their own.
    {1, 3, "Aldi Talk", {}},
    // 2 Brazil
    {2, 0, "Brazil Telecom", {.apn = "gprs.oi.com.br", .account = "oi", .password = "oi"}},
    {2, 1, "Claro", {.apn = "claro.com.br", .account = "claro", .password = "claro"}},  // 2016 revision of the list
    // 3 Bulgaria
    {3, 0, "Globul", {.apn = "telenor", .account = "telenor"}},
    {3, 1, "Mtel", {.apn = "inet-gprs.mtel.bg"}},
    // 4 China
    {4, 0, "China Mobile", {.apn = "cmnet"}},
    {4, 1, "China Unicom", {.apn = "3gnet"}},
    // 5 Canada
    {5, 0, "Fido", {.apn = "ltemobile.apn"}},
    {5, 1, "Rogers", {.apn = "ltemobile.apn"}},
    // 6 Cyprus
    {6, 0, "Cyta", {.apn = "cytamobile"}},
    // 7 Croatia
    {7, 0, "VIPNet", {.apn = "gprs0.vipnet.hr"}},
    // 8 Ceska republika
    {8, 0, "Eurotel", {.apn = "internet"}},
    {8, 1, "O2", {.apn = "internet"}},
    // 9 Deutschland
    {9, 0, "Vodafone", {.apn = "web.vodafone.de"}},
    {9, 1, "T-Mobile", {.apn = "internet.telekom", .account = "telekom", .password = "telekom"}},
    {9, 2, "E-Plus", {.apn = "internet"}},
    {9, 3, "O2", {.apn = "internet"}},
    {9, 4, "Alditalk(dayflat-rate)", {.apn = "internet.eplus.de", .account = "eplus", .password = "internet"}},
    {9, 5, "O.TEL.O", {.apn = "data.otelo.de"}},  // 2016 revision of the list
    {9, 6, "Alice", {.apn = "internet.partner1"}},
    {9, 7, "Fonic", {.apn = "pinternet.interkom.de"}},
    {9, 8, "Tchibo", {.apn = "webmobil1"}},
    {9, 9, "Klarmobil", {.apn = "web.vodafone.de"}},  // 2016 revision of the list
    // 10 Denmark
    {10, 0, "TDC", {.apn = "internet"}},
    {10, 1, "Telia", {.apn = "www.internet.mtelia.dk"}},
    // 11 Egypt
    {11, 0, "MobilNil", {.apn = "mobinilweb"}},
    {11, 1, "Vodafone", {.apn = "internet.vodafone.net", .account = "internet", .password = "internet"}},
    // 12 Estonia
    {12, 0, "EMT", {.apn = "internet.emt.ee"}},
    {12, 1, "ELISA", {.apn = "internet"}},
    {12, 2, "TELE2", {.apn = "internet.tele2.ee", .account = "wap", .password = "wap"}},
    // 13 Finland
    {13, 0, "Radiolinja", {.apn = "internet"}},
    {13, 1, "DNA", {.apn = "internet"}},
    // 14 France
    {14, 0, "Bouygues", {.apn = "ebouygtel.com"}},
    {14, 1, "Orange", {.apn = "orange.fr", .account = "orange", .password = "orange"}},
    // 15 Greece
    {15, 0, "T-Cosmote", {.apn = "internet"}},
    {15, 1, "Vodafone", {.apn = "internet.vodafone.gr"}},
    // 16 Hungary
    {16, 0, "Pannon (contract)", {.apn = "net"}},
    {16, 1, "Vodafone", {.apn = "internet.vodafone.net"}},
    {16, 2, "T-Mobile", {.apn = "internet"}},
    // 17 Italy
    {17, 0, "TIM", {.apn = "ibox.tim.it"}},
    {17, 1, "Vodafone", {.apn = "mobile.vodafone.it"}},
    // 18 Ireland
    {18, 0, "Meteor", {.apn = "data.mymeteor.ie"}},
    {18, 1, "Vodafone", {.apn = "isp.vodafone.ie"}},
    // 19 India
    {19, 0, "Idea", {.apn = "internet"}},
    {19, 1, "BPL", {.apn = "www", .password = "bplmmsc"}},  // account: "MSISDN" stands for the subscriber's own number
    // 20 Luxembourg
    {20, 0, "Lux GSM", {.apn = "web.pt.lu"}},
    {20, 1, "Tango", {.apn = "internet"}},
    // 21 Lithuania
    {21, 0, "Omnitel", {.apn = "gprs.startas.lt", .account = "omni", .password = "omni"}},
    {21, 1, "Bite", {.apn = "banga"}},
    // 22 Latvia
    {22, 0, "LMT", {.apn = "internet.lmt.lv"}},
    // 23 Namibia
    // Not in the Android list; from the public operator database
    // (serviceproviders.xml, mobile-broadband-provider-info 20230416, see
    // NOTICE): its first internet access point, "Tango".
    {23, 0, "MTC", {.apn = "ppsinternet", .account = "ppsuser", .password = "ppsuser"}},
    // 24 Norway
    {24, 0, "Netcom", {.apn = "netcom"}},
    {24, 1, "Telenor", {.apn = "telenor.smart"}},
    // 25 Netherlands
    {25, 0, "T-Mobile", {.apn = "internet"}},
    {25, 1, "Vodafone(Prive)", {.apn = "live.vodafone.com"}},
    {25, 2, "Orange", {.apn = "internet"}},
    {25, 3, "Telfort", {.apn = "internet"}},
    {25, 4, "Vodafone(zakelijk)", {.apn = "live.vodafone.com"}},
    {25, 5, "KPN", {.apn = "internet", .account = "kpn", .password = "gprs"}},
    {25, 6, "Ben", {.apn = "internet.ben"}},
    {25, 7, "Vectone Mobile", {}},  // no public entry
    // 26 New Zealand
    {26, 0, "Vodafone", {.apn = "www.vodafone.net.nz"}},
    // 27 Oesterreich
    {27, 0, "A1", {.apn = "a1.net", .account = "ppp@a1plus.at", .password = "ppp"}},
    {27, 1, "T-Mobile", {.apn = "internet.t-mobile.at", .account = "t-mobile", .password = "tm"}},
    {27, 2, "One", {.apn = "drei.at"}},
    {27, 3, "Yesss", {.apn = "webapn.at"}},
    {27, 4, "3(Drei)", {.apn = "drei.at"}},
    {27, 5, "B Free Broadband", {}},  // no public entry
    {27, 6, "Tele.ring", {.apn = "internet.t-mobile.at", .account = "t-mobile", .password = "tm"}},
    {27, 7, "Hot.at", {.apn = "webaut"}},
    // 28 Portugal
    {28, 0, "Optimus", {.apn = "umts"}},
    {28, 1, "Vodafone", {.apn = "net2.vodafone.pt"}},
    // 29 Poland
    {29, 0, "ERA", {.apn = "erainternet", .account = "erainternet", .password = "erainternet"}},
    {29, 1, "Orange", {.apn = "internet", .account = "internet", .password = "internet"}},
    // 30 Russia
    {30, 0, "MTS", {.apn = "internet.mts.ru", .account = "mts", .password = "mts"}},
    {30, 1, "Beeline", {.apn = "internet.beeline.ru", .account = "beeline", .password = "beeline"}},
    // 31 Romania
    {31, 0, "Orange", {.apn = "net"}},
    // 32 switzerland
    {32, 0, "Orange(for subscriptions)", {.apn = "internet"}},
    {32, 1, "Sunrise", {.apn = "internet"}},
    {32, 2, "Swisscom", {.apn = "gprs.swisscom.ch"}},
    {32, 3, "Orange(for prepaid)", {.apn = "click"}},
    // 33 South Africa
    {33, 0, "Cell C", {.apn = "internet"}},
    {33, 1, "Vodacom", {.apn = "internet"}},
    // 34 Spain
    {34, 0, "Amena", {.apn = "orangeworld", .account = "orange", .password = "orange"}},
    {34, 1, "Vodafone", {.apn = "airtelnet.es", .account = "vodafone", .password = "vodafone"}},
    // 35 Slovakia
    {35, 0, "T-Mobile", {.apn = "internet"}},
    {35, 1, "Orange", {.apn = "internet"}},
    {35, 2, "O2", {.apn = "o2internet"}},
    // 36 Sweden
    {36, 0, "Telenor", {.apn = "internet.telenor.se"}},
    {36, 1, "Telia", {.apn = "online.telia.se"}},
    {36, 2, "Tele2", {.apn = "4g.tele2.se"}},
    // 37 Slovenia
    {37, 0, "Mobitel", {.apn = "internet", .account = "mobitel", .password = "internet"}},
    {37, 1, "Simobil", {.apn = "internet.simobil.si", .account = "simobil", .password = "internet"}},
    {37, 2, "Tusmobil", {.apn = "internet.tusmobil.si", .account = "tusmobil", .password = "internet"}},
    {37, 3, "izimobil", {}},  // no public entry
    {37, 4, "Bob", {.apn = "internet.simobil.si", .account = "simobil", .password = "internet"}},
    // 38 Turkey
    {38, 0, "Avea", {.apn = "internet", .account = "wap", .password = "wap"}},
    {38, 1, "Turkcell", {.apn = "Internet"}},
    // 39 United States
    {39, 0, "T-Mobile", {.apn = "fast.t-mobile.com"}},
    {39, 1, "AT&T", {.apn = "broadband"}},
    // 40 United Kingdom
    {40, 0, "Vodafone", {.apn = "pp.vodafone.co.uk", .account = "web", .password = "web"}},
    {40, 1, "O2", {.apn = "mobile.o2.co.uk", .account = "o2web", .password = "password"}},
    {40, 2, "T-Mobile", {.apn = "everywhere", .account = "eesecure", .password = "secure"}},
    // 41 Ukraine
    {41, 0, "KiyvStar", {.apn = "www.kyivstar.net"}},
    {41, 1, "MTS", {.apn = "internet"}},
    {41, 2, "LIFE", {.apn = "internet"}},
};

// ---- What the form relies on, checked when the program is built ---------

constexpr bool PrintableAscii(std::string_view text) {
  for (char c : text) {
    if (c < 0x21 || c > 0x7E) return false;
  }
  return true;
}

constexpr bool WithinLimits() {
  for (const OperatorPreset& row : kRows) {
    const PresetParameters& p = row.parameters;
    // An access point only: the MMS centre belongs to the other table.
    if (!p.url.empty() || !p.gateway.empty() || !p.port.empty()) return false;
    if (p.apn.size() > GprsPresetLimits::kApn || p.account.size() > GprsPresetLimits::kAccount ||
        p.password.size() > GprsPresetLimits::kPassword) {
      return false;
    }
    if (!PrintableAscii(p.apn) || !PrintableAscii(p.account) || !PrintableAscii(p.password)) {
      return false;
    }
    // Credentials without an access point would never be used.
    if (p.apn.empty() && (!p.account.empty() || !p.password.empty())) return false;
  }
  return true;
}

static_assert(std::size(kRows) == 112);
static_assert(PresetTableIsOrdered(kRows, kGprsCountryCount, kGprsMaxOperators),
              "rows grouped by country in index order, 1 to 10 per country");
static_assert(WithinLimits(), "preset texts within their limits, printable ASCII");

}  // namespace

std::span<const OperatorPreset> GprsPresetRows() { return kRows; }

std::span<const std::string_view> GprsCountryTable() { return kCountries; }

}  // namespace quelmo
