// The preset table: one line per offered operator.
//
// Columns: country, operator, name, then URL, APN, gateway, port, account,
// password. The ports are the camera's own; the other five texts come from the
// public carrier list named in NOTICE (its current revision unless a row names
// an older one), cleaned (dotted IP addresses without leading zeros,
// placeholder credentials emptied) and never cut. A row whose
// URL, APN and gateway are empty has no public data: it keeps its place so
// that the operator numbers stay what the camera expects.

#include <array>
#include <string_view>

#include "mms/mms_preset_table.h"

namespace quelmo {

constexpr int kMmsMostOperators = 5;

constexpr std::array<std::string_view, kMmsCountryCount> kMmsCountries = {
    "Australia",       "Belgium",      "Brazil",         "Bulgaria",     "China",
    "Canada",          "Cyprus",       "Croatia",        "Ceska republika", "Cayman Islands",
    "Deutschland",     "Denmark",      "Egypt",          "Estonia",      "Finland",
    "France",          "Greece",       "Hungary",        "Italy",        "Ireland",
    "India",           "Luxembourg",   "Lithuania",      "Latvia",       "Namibia",
    "Norway",          "Netherlands",  "New Zealand",    "Oesterreich",  "Portugal",
    "Poland",          "Russia",       "Romania",        "switzerland",  "South Africa",
    "Spain",           "Slovakia",     "Sweden",         "Slovenia",     "Turkey",
    "United States",   "United Kingdom", "Ukraine",
};

// clang-format off
constexpr OperatorPreset kMmsOperatorTable[] = {
    {0, 0, "Optus", {"http://mmsc.optus.com.au:8002/", "mms", "61.88.190.10", "8070", "", ""}},
    {0, 1, "Telstra", {"http://mmsc.telstra.com:8002", "telstra.mms", "10.1.1.180", "80", "", ""}},
    {0, 2, "Mic1", {"", "", "", "9201", "", ""}},
    {1, 0, "Proximus", {"http://mmsc.proximus.be/mms", "event.proximus.be", "10.55.14.75", "8080", "mms", "mms"}},
    {1, 1, "Mobistar", {"http://mmsc.mobistar.be", "mms.be", "212.65.63.143", "8080", "mobistar", "mobistar"}},
    {1, 2, "Base", {"http://mmsc.base.be", "mms.base.be", "217.72.235.1", "5080", "base", "base"}},
    {1, 3, "Tempo", {"http://mmsc.mobistar.be", "mms.be", "212.65.63.143", "8080", "mobistar", "mobistar"}},
    {2, 0, "Brazil Telecom", {"http://200.222.42.204:8002/", "mmsgprs.oi.com.br", "192.168.10.50", "8080", "oimms", "oioioi"}},
    {3, 0, "Globul", {"http://mmsc1.mms.globul.bg:8002", "mms.globul.bg", "192.168.87.11", "8004", "mms", ""}},
    {3, 1, "Mtel", {"http://mmsc/", "mms-gprs.mtel.bg", "10.150.0.33", "8080", "mtel", "mtel"}},
    {4, 0, "China Mobile", {"http://mmsc.monternet.com", "cmwap", "10.0.0.172", "80", "", ""}},
    {4, 1, "China Unicom", {"http://mmsc.myuni.com.cn", "3gwap", "10.0.0.172", "80", "", ""}},
    {5, 0, "Fido", {"http://mms.fido.ca", "netsvcs", "mmsproxy.fido.ca", "8080", "", ""}},
    {5, 1, "Rogers", {"http://mms.gprs.rogers.com", "netsvcs", "mmsproxy.rogers.com", "8080", "", ""}},
    {6, 0, "Cyta", {"http://mmsc.cyta.com.cy", "cytamobile", "212.31.96.161", "8080", "", ""}},
    {7, 0, "VIPNet", {"http://mms.vipnet.hr/servlets/mms", "mms.vipnet.hr", "212.91.99.91", "8080", "", ""}},
    {7, 1, "T-mobile HR", {"http://mms.t-mobile.hr/servlets/mms", "mms.htgprs", "10.12.0.4", "8080", "", ""}},
    {8, 0, "Eurotel", {"http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", ""}},
    {8, 1, "O2", {"http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", ""}},
    {9, 0, "Digicel", {"", "", "", "8080", "", ""}},
    {10, 0, "Vodafone", {"http://139.7.24.1/servlets/mms", "event.vodafone.de", "139.7.29.17", "8080", "", ""}},
    {10, 1, "T-Mobile", {"http://mms.t-mobile.de/servlets/mms", "internet.telekom", "109.237.176.193", "8008", "telekom", "telekom"}},
    {10, 2, "E-Plus", {"http://10.81.0.7:8002", "internet", "82.113.100.5", "8080", "", ""}},
    {10, 3, "O2", {"http://10.81.0.7:8002", "internet", "82.113.100.5", "8080", "", ""}},
    {11, 0, "Sonofon", {"http://mms.telenor.dk", "telenor", "212.88.64.8", "8080", "", ""}},
    {11, 1, "TDC", {"http://mmsc.tdc.dk:8002", "MMS", "inetproxy.tdc.dk", "8080", "", ""}},
    {11, 2, "Telia", {"http://mms.telia.dk", "www.mms.mtelia.dk", "193.209.134.131", "8080", "", ""}},
    {12, 0, "MobilNil", {"http://10.7.13.24:8002/", "mobinilmms", "62.241.155.45", "8080", "", ""}},
    {12, 1, "Vodafone", {"http://mms.vodafone.com.eg/servlets/mms", "mms.vodafone.com.eg", "163.121.178.2", "8080", "mms", "mms"}},
    {13, 0, "EMT", {"http://mms.emt.ee/servlets/mms", "mms.emt.ee", "217.71.32.82", "8080", "", ""}},  // from revision 2014-01-01@871d0678ec8bf4c5037ad10104dd0eefff8a6982
    {13, 1, "ELISA", {"http://194.204.2.10", "mms", "194.204.2.6", "8000", "", ""}},
    {13, 2, "TELE2", {"http://mmsc.tele2.ee", "mms.tele2.ee", "193.12.40.6", "9201", "", ""}},
    {14, 0, "Alands", {"http://mms.amt.aland.fi", "mms", "194.110.177.70", "8080", "", ""}},
    {14, 1, "DNA", {"http://mmsc.dnafinland.fi/", "mms", "10.1.1.2", "8080", "dna", "mms"}},
    {14, 2, "Sonera", {"http://mms.sonera.fi:8002", "wap.sonera.net", "195.156.25.33", "80", "", ""}},
    {15, 0, "Bouygues", {"http://mms.bouyguestelecom.fr/mms/wapenc", "mmsbouygtel.com", "62.201.129.226", "8080", "", ""}},
    {15, 1, "Orange", {"http://mms.orange.fr", "orange.acte", "192.168.10.200", "8080", "orange", "orange"}},
    {15, 2, "SFR", {"http://mms1", "mmssfr", "10.151.0.1", "8080", "", ""}},
    {16, 0, "T-Cosmote", {"http://mmsc.cosmote.gr:8002", "mms", "10.10.10.20", "8080", "", ""}},
    {16, 1, "Vodafone", {"http://mms.vodafone.gr", "mms.vodafone.net", "213.249.19.49", "8080", "user", "pass"}},
    {17, 0, "T-Mobile", {"http://mms.t-mobile.hu/servlets/mms", "mms", "212.51.126.10", "8080", "mms", "mms"}},
    {17, 1, "Vodafone", {"http://mms.vodafone.hu/servlets/mms", "mms.vodafone.net", "80.244.97.2", "8080", "", ""}},
    {18, 0, "TIM", {"http://mms.tim.it/servlets/mms", "mms.tim.it", "213.230.130.89", "80", "", ""}},
    {18, 1, "Vodafone", {"http://mms.vodafone.it/servlets/mms", "mms.vodafone.it", "10.128.224.10", "8080", "", ""}},
    {19, 0, "Meteor", {"http://mms.mymeteor.ie", "mms.mymeteor.ie", "10.85.85.85", "8799", "my", "meteor"}},
    {19, 1, "Vodafone", {"http://www.vodafone.ie/mms", "mms.vodafone.net", "10.24.59.200", "80", "", ""}},
    {20, 0, "Idea", {"http://10.4.42.21:8002", "mmsc", "10.4.42.15", "8080", "", ""}},
    {20, 1, "CellOne", {"http://bsnlmmsc.in:8514", "bsnlmms", "10.210.10.11", "8080", "", ""}},
    {20, 2, "BPL", {"http://mms.bplmobile.com:8080", "mizone", "10.0.0.10", "8080", "", "bplmmsc"}},
    {20, 3, "Airtel", {"http://100.1.201.171:10021/mmsc", "airtelmms.com", "100.1.201.172", "8080", "", ""}},
    {20, 4, "VodaFone", {"http://mms1.live.vodafone.in/mms/", "portalnmms", "10.10.1.100", "8080", "", ""}},
    {21, 0, "Lux GSM", {"http://mmsc.pt.lu", "mms.pt.lu", "194.154.192.88", "8080", "", ""}},
    {21, 1, "Tango", {"http://mms.tango.lu", "mms", "212.66.75.3", "8080", "tango", "tango"}},
    {21, 2, "Vox", {"http://mms.orange.lu", "orange.lu", "212.88.139.44", "8080", "", ""}},
    {22, 0, "Omnitel", {"http://mms.omnitel.net:8002/", "gprs.mms.lt", "194.176.32.149", "8080", "mms", "mms"}},
    {22, 1, "Omnitel Ezio", {"http://mms.omnitel.net:8002/", "gprs.mms.lt", "194.176.32.149", "8080", "mms", "mms"}},
    {22, 2, "Tele2 Pildyk", {"http://mmsc.tele2.lt/", "mms.tele2.lt", "193.12.40.29", "8080", "", ""}},
    {22, 3, "Bite", {"http://mmsc", "mms", "192.168.150.2", "8080", "mms@mms", "mms"}},
    {23, 0, "Okarte", {"http://mmsc.lmt.lv/mmsc", "internet.lmt.lv", "212.93.97.201", "80", "", ""}},
    {24, 0, "MTC", {"", "", "", "80", "", ""}},
    {25, 0, "Netcom", {"http://mm/", "netcom", "212.169.66.4", "8080", "", ""}},
    {25, 1, "Telenor", {"http://mmsc/", "telenor.smart", "mms-proxy.telenor.no", "8080", "", ""}},
    {25, 2, "Onecall", {"http://mms.nwn.no", "mms", "188.149.250.10", "80", "", ""}},
    {26, 0, "T-Mobile", {"http://t-mobilemms", "mms", "10.10.10.11", "8080", "tmobilemms", "tmobilemms"}},
    {26, 1, "Vodafone", {"http://mmsc.mms.vodafone.nl", "office.vodafone.nl", "192.168.251.150", "8799", "vodafone", "vodafone"}},
    {26, 2, "KPN", {"http://mp.mobiel.kpn/mmsc", "KPN4G.nl", "10.10.100.20", "5080", "", ""}},
    {26, 3, "Telefort", {"http://mms", "internet", "193.113.200.195", "8080", "", ""}},
    {27, 0, "Vodafone", {"http://pxt.vodafone.net.nz/pxtsend", "live.vodafone.com", "172.30.38.3", "8080", "", ""}},
    {28, 0, "A1", {"http://mmsc.A1.net", "free.A1.net", "194.48.124.71", "8001", "ppp@a1plus.at", "ppp"}},
    {28, 1, "T-Mobile", {"http://mmsc.t-mobile.at/servlets/mms", "gprsmms", "10.12.0.20", "80", "t-mobile", "tm"}},
    {28, 2, "One", {"http://mmsc", "drei.at", "213.94.78.133", "8080", "", ""}},
    {28, 3, "Drei", {"http://mmsc", "drei.at", "213.94.78.133", "8799", "", ""}},
    {28, 4, "Tele Ring", {"http://mmsc.t-mobile.at/servlets/mms", "gprsmms", "10.12.0.20", "8080", "t-mobile", "tm"}},
    {29, 0, "Optimus", {"http://mmsc:10021/mmsc", "mms", "62.169.66.5", "8799", "", ""}},
    {29, 1, "Vodafone", {"http://mms/servlets/mms", "vas.vodafone.pt", "213.30.27.63", "8799", "vas", "vas"}},
    {30, 0, "ERA", {"http://mms.era.pl/servlets/mms", "eramms", "213.158.194.226", "8080", "eramms", "eramms"}},
    {30, 1, "Orange", {"http://mms.orange.pl", "mms", "192.168.6.104", "8080", "mms", "mms"}},
    {30, 2, "Plus", {"http://mms.plusgsm.pl:8002", "mms", "212.2.96.16", "8080", "", ""}},
    {30, 3, "Heyah", {"http://mms.heyah.pl/servlets/mms", "heyahmms", "213.158.194.57", "8080", "", ""}},
    {30, 4, "Play", {"http://10.10.28.164/mms/wapenc", "mms", "10.10.25.5", "8080", "", ""}},
    {31, 0, "A Mobile", {"", "", "", "9201", "", ""}},
    {31, 1, "Beeline", {"http://mms/", "mms.beeline.ru", "192.168.94.23", "9201", "beeline", "beeline"}},
    {32, 0, "Vodafone Prepay", {"http://multimedia/servlets/mms", "mms.pre.vodafone.ro", "193.230.161.231", "8080", "mms", "vodafone"}},
    {32, 1, "Vodafone Abonament", {"http://multimedia/servlets/mms", "mms.vodafone.ro", "193.230.161.231", "8080", "mms", "vodafone"}},
    {32, 2, "Cosmote", {"http://mmsc1.mms.cosmote.ro:8002", "mms", "10.252.1.62", "8080", "mms", "mms"}},
    {32, 3, "Orange", {"http://wap.mms.orange.ro:8002", "mms", "62.217.247.252", "8080", "", ""}},
    {33, 0, "Orange", {"http://192.168.151.3:8002", "mms", "192.168.151.2", "8080", "", ""}},
    {33, 1, "Sunrise", {"http://mmsc.sunrise.ch", "mms.sunrise.ch", "212.35.34.75", "8080", "", ""}},
    {33, 2, "Swisscom", {"http://mms.natel.ch:8079", "event.swisscom.ch", "192.168.210.2", "8080", "", ""}},
    {34, 0, "Cell C", {"http://mms.cmobile.co.za", "mms", "196.31.116.250", "8080", "", ""}},
    {34, 1, "Virgin", {"http://mms.virginmobile.co.za", "vmms", "196.31.116.242", "8080", "", ""}},
    {34, 2, "MTN", {"http://mms.mtn.co.za/mms/wapenc", "myMTN", "196.11.240.241", "8080", "mtnmms", "mtnmms"}},  // from revision 2014-01-01@871d0678ec8bf4c5037ad10104dd0eefff8a6982
    {34, 3, "Vodacom", {"http://mmsc.vodacom4me.co.za", "mms.vodacom.net", "196.6.128.13", "8080", "", ""}},
    {35, 0, "Orange", {"http://mms.orange.es", "orangemms", "172.22.188.25", "8080", "orange", "orange"}},
    {35, 1, "Vodafone", {"http://mmsc.vodafone.es/servlets/mms", "mms.vodafone.net", "212.73.32.10", "80", "wap@wap", "wap125"}},
    {35, 2, "Telstra", {"", "", "", "8080", "", ""}},
    {35, 3, "Movistar", {"http://mms.movistar.com", "telefonica.es", "10.138.255.5", "8080", "telefonica", "telefonica"}},  // from revision 2016-01-01@967c5036d6923374b829a16990bfb0c18a64a075
    {36, 0, "T-Mobile", {"http://mms", "mms", "192.168.1.1", "8080", "mms", "mms"}},
    {36, 1, "Orange", {"http://imms.orange.sk", "mms", "213.151.208.145", "8799", "wap", "wap"}},
    {36, 2, "O2", {"http://mms.o2world.sk:8002", "o2mms", "10.97.1.11", "8080", "", ""}},
    {37, 0, "Telenor", {"http://mms", "services.telenor.se", "172.30.253.241", "8799", "", ""}},
    {37, 1, "Telia", {"http://mmss/", "mms.telia.se", "193.209.134.132", "8080", "", ""}},
    {37, 2, "Tele2", {"http://mmsc.tele2.se", "4g.tele2.se", "130.244.202.30", "8080", "", ""}},
    {38, 0, "Mobitel", {"http://mms.mobitel.si/servlets/mms", "internet", "213.229.249.40", "8080", "mobitel", "internet"}},
    {38, 1, "Izi Mobil", {"", "", "", "8080", "", ""}},
    {38, 2, "Si Mobil", {"http://mmc", "mms.simobil.si", "80.95.224.46", "9201", "simobil", "internet"}},
    {39, 0, "Avea", {"http://mms.avea.com.tr/servlets/mms", "mms", "213.161.151.201", "8080", "mms", "mms"}},
    {39, 1, "Turkcell", {"http://mms.turkcell.com.tr/servlets/mms", "mms", "212.252.169.217", "8080", "mms", "mms"}},
    {40, 0, "T-Mobile", {"", "", "", "8080", "", ""}},
    {40, 1, "AT&T", {"http://mmsc.mobile.att.net/", "phone", "proxy.mobile.att.net", "80", "", ""}},
    {41, 0, "Vodafone", {"http://mms.vodafone.co.uk/servlets/mms", "pp.vodafone.co.uk", "212.183.137.12", "9201", "wap", "wap"}},
    {41, 1, "O2", {"http://mmsc.mms.o2.co.uk:8002", "mobile.o2.co.uk", "193.113.200.195", "8080", "o2web", "password"}},
    {41, 2, "O2 Payandgo", {"http://mmsc.mms.o2.co.uk:8002/", "payandgo.o2.co.uk", "193.113.200.195", "8080", "payandgo", "password"}},
    {41, 3, "Orange", {"http://mms.orange.co.uk/", "orangemms", "192.168.224.10", "8080", "", ""}},
    {41, 4, "Three", {"http://mms.um.three.co.uk:10021/mmsc", "three.co.uk", "217.171.129.2", "8799", "", ""}},
    {42, 0, "KiyvStar", {"http://mms.kyivstar.net", "mms.kyivstar.net", "10.10.10.10", "8080", "", ""}},
    {42, 1, "MTS", {"http://mms", "mms", "192.168.10.10", "8080", "", ""}},
    {42, 2, "LIFE", {"http://mms.life", "mms", "10.10.10.10", "8080", "", ""}},
    {42, 3, "Beeline UA", {"http://mms.kyivstar.net/", "mms.kyivstar.net", "10.10.10.10", "8080", "", ""}},
    {42, 4, "UMC Ukraine", {"http://mms", "mms", "192.168.10.10", "8080", "", ""}},
};
// clang-format on

static_assert(PresetTableIsOrdered(kMmsOperatorTable, kMmsCountryCount, kMmsMostOperators),
              "rows by country, operators numbered from 0, every country offering 1 to 5");
static_assert(std::size(kMmsOperatorTable) == 120);

std::span<const std::string_view> MmsCountryTable() { return kMmsCountries; }
std::span<const OperatorPreset> MmsOperatorRows() { return kMmsOperatorTable; }

}  // namespace quelmo
