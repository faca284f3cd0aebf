#include "operators/network_2g_texts.h"

#include <array>

#include "text/language_code.h"

namespace quelmo {
namespace {

// One text per language code, code 1 first:
//   Chinese, English, German, Finnish, Italian, French,
//   Hungarian, Slovenian, Czech, Japanese, Lithuanian.
// The English text is the catalogues' msgid (po/quelmo.pot); {year}, {date}
// and {reason} are filled in.
using LanguageRow = std::array<std::string_view, kLanguageCount>;

constexpr LanguageRow kSwitchedOff = {
    "2G 网络已于 {year} 年关闭：GSM 相机无法连接此网络",
    "2G switched off in {year}: a GSM camera cannot connect to this network",
    "2G wurde {year} abgeschaltet: Eine GSM-Kamera kann sich nicht mit diesem Netz verbinden",
    "2G suljettiin vuonna {year}: GSM-kamera ei voi muodostaa yhteyttä tähän verkkoon",
    "2G spento nel {year}: una fotocamera GSM non può connettersi a questa rete",
    "2G arrêtée en {year} : une caméra GSM ne peut pas se connecter à ce réseau",
    "2G lekapcsolva ({year}): a GSM-kamera nem tud csatlakozni ehhez a hálózathoz",
    "2G je bil izklopljen leta {year}: kamera GSM se ne more povezati s tem omrežjem",
    "2G bylo vypnuto v roce {year}: kamera GSM se k této síti nemůže připojit",
    "2Gは{year}年に停止されました：GSMカメラはこのネットワークに接続できません",
    "2G išjungtas {year} m.: GSM kamera negali prisijungti prie šio tinklo",
};

// A network that never ran GSM, or whose switch-off the source does not date.
constexpr LanguageRow kNoGsm = {
    "此网络没有 2G (GSM)：GSM 相机无法连接此网络",
    "No 2G (GSM) network: a GSM camera cannot connect to this network",
    "Kein 2G-Netz (GSM): Eine GSM-Kamera kann sich nicht mit diesem Netz verbinden",
    "Ei 2G-verkkoa (GSM): GSM-kamera ei voi muodostaa yhteyttä tähän verkkoon",
    "Nessuna rete 2G (GSM): una fotocamera GSM non può connettersi a questa rete",
    "Pas de réseau 2G (GSM) : une caméra GSM ne peut pas se connecter à ce réseau",
    "Nincs 2G (GSM) hálózat: a GSM-kamera nem tud csatlakozni ehhez a hálózathoz",
    "Ni omrežja 2G (GSM): kamera GSM se ne more povezati s tem omrežjem",
    "Žádná síť 2G (GSM): kamera GSM se k této síti nemůže připojit",
    "2G（GSM）ネットワークがありません：GSMカメラはこのネットワークに接続できません",
    "Nėra 2G (GSM) tinklo: GSM kamera negali prisijungti prie šio tinklo",
};

constexpr LanguageRow kAnnounced = {
    "已宣布 2G 关闭日期：{date}",
    "2G switch-off announced for {date}",
    "2G-Abschaltung angekündigt für {date}",
    "2G-verkon sulkeminen ilmoitettu: {date}",
    "Spegnimento del 2G annunciato per il {date}",
    "Arrêt de la 2G annoncé pour {date}",
    "2G lekapcsolása bejelentve: {date}",
    "Izklop 2G napovedan za {date}",
    "Vypnutí 2G oznámeno na {date}",
    "2Gの停止が発表されています：{date}",
    "Paskelbta 2G išjungimo data: {date}",
};

constexpr LanguageRow kListOff = {
    "无 2G", "no 2G", "kein 2G", "ei 2G:tä", "senza 2G", "sans 2G",
    "nincs 2G", "brez 2G", "bez 2G", "2Gなし", "be 2G",
};

constexpr LanguageRow kListUntil = {
    "2G 运行至 {date}", "2G until {date}", "2G bis {date}", "2G {date} asti", "2G fino al {date}", "2G jusqu'à {date}",
    "2G eddig: {date}", "2G do {date}", "2G do {date}", "2Gは{date}まで", "2G iki {date}",
};

constexpr LanguageRow kUnavailable = {
    "2G 网络状态表不可用：{reason}",
    "The 2G table is not available: {reason}",
    "Die 2G-Tabelle ist nicht verfügbar: {reason}",
    "2G-taulukko ei ole käytettävissä: {reason}",
    "La tabella 2G non è disponibile: {reason}",
    "La table 2G n'est pas disponible : {reason}",
    "A 2G-táblázat nem érhető el: {reason}",
    "Tabela 2G ni na voljo: {reason}",
    "Tabulka 2G není k dispozici: {reason}",
    "2G表を利用できません：{reason}",
    "2G lentelė nepasiekiama: {reason}",
};

std::string Filled(const LanguageRow& row, int language_index, std::string_view placeholder = {},
                   std::string_view value = {}) {
  std::string text(row[static_cast<std::size_t>(ShownLanguage(language_index) - kFirstLanguage)]);
  const std::size_t place = placeholder.empty() ? std::string::npos : text.find(placeholder);
  if (place != std::string::npos) text.replace(place, placeholder.size(), value);
  return text;
}

}  // namespace

std::string Network2gListMark(const Network2gVerdict& verdict, int language_index) {
  if (verdict.row == nullptr) return {};
  if (verdict.status == Network2gStatus::kOff) return Filled(kListOff, language_index);
  if (verdict.status == Network2gStatus::kClosing) {
    return Filled(kListUntil, language_index, "{date}", verdict.row->date);
  }
  return {};
}

std::string Network2gNotice(const Network2gVerdict& verdict, int language_index) {
  if (verdict.row == nullptr) return {};
  const std::string& date = verdict.row->date;
  if (verdict.status == Network2gStatus::kOff) {
    return date.empty() ? Filled(kNoGsm, language_index)
                        : Filled(kSwitchedOff, language_index, "{year}", std::string_view(date).substr(0, 4));
  }
  if (verdict.status == Network2gStatus::kClosing) return Filled(kAnnounced, language_index, "{date}", date);
  return {};
}

std::string Network2gTableUnavailable(std::string_view why, int language_index) {
  return Filled(kUnavailable, language_index, "{reason}", why);
}

}  // namespace quelmo
