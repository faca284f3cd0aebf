#include "operators/country_names.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <mutex>

#include "operators/operator_database_loader.h"
#include "record/bounded_read.h"
#include "text/languages.h"

namespace quelmo {
namespace {

struct CountryName {
  std::string_view code;
  std::string_view name;
  // The name in ISO 3166-1, where it differs from the short one: the
  // system's translations know it by that (and some by the short one too).
  std::string_view isoName = {};
};

// ISO 3166-1 alpha-2 codes in lower case, as the operator database writes
// them, with the short English names people use; sorted by code.
constexpr CountryName kCountryNames[] = {
      {"ad", "Andorra"},
      {"ae", "United Arab Emirates"},
      {"af", "Afghanistan"},
      {"ag", "Antigua and Barbuda"},
      {"ai", "Anguilla"},
      {"al", "Albania"},
      {"am", "Armenia"},
      {"ao", "Angola"},
      {"aq", "Antarctica"},
      {"ar", "Argentina"},
      {"as", "American Samoa"},
      {"at", "Austria"},
      {"au", "Australia"},
      {"aw", "Aruba"},
      {"ax", "Åland Islands"},
      {"az", "Azerbaijan"},
      {"ba", "Bosnia and Herzegovina"},
      {"bb", "Barbados"},
      {"bd", "Bangladesh"},
      {"be", "Belgium"},
      {"bf", "Burkina Faso"},
      {"bg", "Bulgaria"},
      {"bh", "Bahrain"},
      {"bi", "Burundi"},
      {"bj", "Benin"},
      {"bl", "Saint Barthélemy"},
      {"bm", "Bermuda"},
      {"bn", "Brunei", "Brunei Darussalam"},
      {"bo", "Bolivia", "Bolivia, Plurinational State of"},
      {"bq", "Bonaire, Sint Eustatius and Saba"},
      {"br", "Brazil"},
      {"bs", "Bahamas"},
      {"bt", "Bhutan"},
      {"bv", "Bouvet Island"},
      {"bw", "Botswana"},
      {"by", "Belarus"},
      {"bz", "Belize"},
      {"ca", "Canada"},
      {"cc", "Cocos (Keeling) Islands"},
      {"cd", "Congo (Democratic Republic)", "Congo, The Democratic Republic of the"},
      {"cf", "Central African Republic"},
      {"cg", "Congo"},
      {"ch", "Switzerland"},
      {"ci", "Côte d'Ivoire"},
      {"ck", "Cook Islands"},
      {"cl", "Chile"},
      {"cm", "Cameroon"},
      {"cn", "China"},
      {"co", "Colombia"},
      {"cr", "Costa Rica"},
      {"cu", "Cuba"},
      {"cv", "Cape Verde", "Cabo Verde"},
      {"cw", "Curaçao"},
      {"cx", "Christmas Island"},
      {"cy", "Cyprus"},
      {"cz", "Czechia", "Czech Republic"},
      {"de", "Germany"},
      {"dj", "Djibouti"},
      {"dk", "Denmark"},
      {"dm", "Dominica"},
      {"do", "Dominican Republic"},
      {"dz", "Algeria"},
      {"ec", "Ecuador"},
      {"ee", "Estonia"},
      {"eg", "Egypt"},
      {"eh", "Western Sahara"},
      {"er", "Eritrea"},
      {"es", "Spain"},
      {"et", "Ethiopia"},
      {"fi", "Finland"},
      {"fj", "Fiji"},
      {"fk", "Falkland Islands (Malvinas)"},
      {"fm", "Micronesia", "Micronesia, Federated States of"},
      {"fo", "Faroe Islands"},
      {"fr", "France"},
      {"ga", "Gabon"},
      {"gb", "United Kingdom"},
      {"gd", "Grenada"},
      {"ge", "Georgia"},
      {"gf", "French Guiana"},
      {"gg", "Guernsey"},
      {"gh", "Ghana"},
      {"gi", "Gibraltar"},
      {"gl", "Greenland"},
      {"gm", "Gambia"},
      {"gn", "Guinea"},
      {"gp", "Guadeloupe"},
      {"gq", "Equatorial Guinea"},
      {"gr", "Greece"},
      {"gs", "South Georgia and the South Sandwich Islands"},
      {"gt", "Guatemala"},
      {"gu", "Guam"},
      {"gw", "Guinea-Bissau"},
      {"gy", "Guyana"},
      {"hk", "Hong Kong"},
      {"hm", "Heard Island and McDonald Islands"},
      {"hn", "Honduras"},
      {"hr", "Croatia"},
      {"ht", "Haiti"},
      {"hu", "Hungary"},
      {"id", "Indonesia"},
      {"ie", "Ireland"},
      {"il", "Israel"},
      {"im", "Isle of Man"},
      {"in", "India"},
      {"io", "British Indian Ocean Territory"},
      {"iq", "Iraq"},
      {"ir", "Iran", "Iran, Islamic Republic of"},
      {"is", "Iceland"},
      {"it", "Italy"},
      {"je", "Jersey"},
      {"jm", "Jamaica"},
      {"jo", "Jordan"},
      {"jp", "Japan"},
      {"ke", "Kenya"},
      {"kg", "Kyrgyzstan"},
      {"kh", "Cambodia"},
      {"ki", "Kiribati"},
      {"km", "Comoros"},
      {"kn", "Saint Kitts and Nevis"},
      {"kp", "North Korea", "Korea, Democratic People's Republic of"},
      {"kr", "South Korea", "Korea, Republic of"},
      {"kw", "Kuwait"},
      {"ky", "Cayman Islands"},
      {"kz", "Kazakhstan"},
      {"la", "Laos", "Lao People's Democratic Republic"},
      {"lb", "Lebanon"},
      {"lc", "Saint Lucia"},
      {"li", "Liechtenstein"},
      {"lk", "Sri Lanka"},
      {"lr", "Liberia"},
      {"ls", "Lesotho"},
      {"lt", "Lithuania"},
      {"lu", "Luxembourg"},
      {"lv", "Latvia"},
      {"ly", "Libya"},
      {"ma", "Morocco"},
      {"mc", "Monaco"},
      {"md", "Moldova", "Moldova, Republic of"},
      {"me", "Montenegro"},
      {"mf", "Saint Martin (French part)"},
      {"mg", "Madagascar"},
      {"mh", "Marshall Islands"},
      {"mk", "North Macedonia"},
      {"ml", "Mali"},
      {"mm", "Myanmar"},
      {"mn", "Mongolia"},
      {"mo", "Macao"},
      {"mp", "Northern Mariana Islands"},
      {"mq", "Martinique"},
      {"mr", "Mauritania"},
      {"ms", "Montserrat"},
      {"mt", "Malta"},
      {"mu", "Mauritius"},
      {"mv", "Maldives"},
      {"mw", "Malawi"},
      {"mx", "Mexico"},
      {"my", "Malaysia"},
      {"mz", "Mozambique"},
      {"na", "Namibia"},
      {"nc", "New Caledonia"},
      {"ne", "Niger"},
      {"nf", "Norfolk Island"},
      {"ng", "Nigeria"},
      {"ni", "Nicaragua"},
      {"nl", "Netherlands"},
      {"no", "Norway"},
      {"np", "Nepal"},
      {"nr", "Nauru"},
      {"nu", "Niue"},
      {"nz", "New Zealand"},
      {"om", "Oman"},
      {"pa", "Panama"},
      {"pe", "Peru"},
      {"pf", "French Polynesia"},
      {"pg", "Papua New Guinea"},
      {"ph", "Philippines"},
      {"pk", "Pakistan"},
      {"pl", "Poland"},
      {"pm", "Saint Pierre and Miquelon"},
      {"pn", "Pitcairn"},
      {"pr", "Puerto Rico"},
      {"ps", "Palestine", "Palestine, State of"},
      {"pt", "Portugal"},
      {"pw", "Palau"},
      {"py", "Paraguay"},
      {"qa", "Qatar"},
      {"re", "Réunion"},
      {"ro", "Romania"},
      {"rs", "Serbia"},
      {"ru", "Russia", "Russian Federation"},
      {"rw", "Rwanda"},
      {"sa", "Saudi Arabia"},
      {"sb", "Solomon Islands"},
      {"sc", "Seychelles"},
      {"sd", "Sudan"},
      {"se", "Sweden"},
      {"sg", "Singapore"},
      {"sh", "Saint Helena, Ascension and Tristan da Cunha"},
      {"si", "Slovenia"},
      {"sj", "Svalbard and Jan Mayen"},
      {"sk", "Slovakia"},
      {"sl", "Sierra Leone"},
      {"sm", "San Marino"},
      {"sn", "Senegal"},
      {"so", "Somalia"},
      {"sr", "Suriname"},
      {"ss", "South Sudan"},
      {"st", "Sao Tome and Principe"},
      {"sv", "El Salvador"},
      {"sx", "Sint Maarten (Dutch part)"},
      {"sy", "Syria", "Syrian Arab Republic"},
      {"sz", "Eswatini"},
      {"tc", "Turks and Caicos Islands"},
      {"td", "Chad"},
      {"tf", "French Southern Territories"},
      {"tg", "Togo"},
      {"th", "Thailand"},
      {"tj", "Tajikistan"},
      {"tk", "Tokelau"},
      {"tl", "Timor-Leste"},
      {"tm", "Turkmenistan"},
      {"tn", "Tunisia"},
      {"to", "Tonga"},
      {"tr", "Türkiye"},
      {"tt", "Trinidad and Tobago"},
      {"tv", "Tuvalu"},
      {"tw", "Taiwan", "Taiwan, Province of China"},
      {"tz", "Tanzania", "Tanzania, United Republic of"},
      {"ua", "Ukraine"},
      {"ug", "Uganda"},
      {"um", "United States Minor Outlying Islands"},
      {"us", "United States"},
      {"uy", "Uruguay"},
      {"uz", "Uzbekistan"},
      {"va", "Vatican City", "Holy See (Vatican City State)"},
      {"vc", "Saint Vincent and the Grenadines"},
      {"ve", "Venezuela", "Venezuela, Bolivarian Republic of"},
      {"vg", "Virgin Islands, British"},
      {"vi", "Virgin Islands, U.S."},
      {"vn", "Vietnam", "Viet Nam"},
      {"vu", "Vanuatu"},
      {"wf", "Wallis and Futuna"},
      {"ws", "Samoa"},
      {"xk", "Kosovo"},
      {"ye", "Yemen"},
      {"yt", "Mayotte"},
      {"za", "South Africa"},
      {"zm", "Zambia"},
      {"zw", "Zimbabwe"},
};

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

const CountryName* FindCountry(std::string_view code) {
  std::string lowered;
  for (char c : code) lowered += LowerAscii(c);
  const auto* found = std::lower_bound(
      std::begin(kCountryNames), std::end(kCountryNames), lowered,
      [](const CountryName& row, const std::string& wanted) { return row.code < wanted; });
  return found != std::end(kCountryNames) && found->code == lowered ? found : nullptr;
}

}  // namespace

std::string CountryNameIn(std::string_view code, const MoCatalogue& translations) {
  const CountryName* country = FindCountry(code);
  if (country == nullptr) return CountryNameOf(code);
  std::string_view name = translations.Find(country->name);
  if (name.empty() && !country->isoName.empty()) name = translations.Find(country->isoName);
  return std::string(name.empty() ? country->name : name);
}

std::string CountryNameOf(std::string_view code) {
  if (const CountryName* country = FindCountry(code)) return std::string(country->name);
  std::string upper;
  for (char c : code) upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return upper;
}

const MoCatalogue& CountryNameTranslations(int language) {
  // iso-codes' files are some 30 KB; anything far larger is not one.
  constexpr std::uintmax_t kLargestCatalogue = 4 * 1024 * 1024;
  static std::mutex mutex;
  static std::map<int, MoCatalogue> loaded;
  const std::lock_guard<std::mutex> lock(mutex);
  const auto found = loaded.find(language);
  if (found != loaded.end()) return found->second;
  MoCatalogue catalogue;
  const LanguageRow* row = FindLanguage(language);
  if (row != nullptr && !row->catalogue.empty()) {
    const auto bytes = ReadBoundedFile(SystemFileSystem(), CountryNameCataloguePath(row->locale),
                                       kLargestCatalogue, "country name catalogue");
    if (bytes.ok()) {
      if (Result<MoCatalogue> parsed = ParseMoCatalogue(*bytes); parsed.ok()) {
        catalogue = std::move(*parsed);
      }
    }
  }
  return loaded.emplace(language, std::move(catalogue)).first->second;
}

}  // namespace quelmo
