#include "qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>

#include <string_view>

#include "text/languages.h"
#include "text/translate.h"

namespace quelmo {
namespace {

// Answers the few texts of Qt the windows show from the program's catalogue,
// for a language Qt has no translation of. Asked after Qt's own file.
class CatalogueTranslator final : public QTranslator {
 public:
  explicit CatalogueTranslator(int language) : language_(language) {}

  bool isEmpty() const override { return false; }

  QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                    int /*n*/) const override {
    static constexpr struct {
      std::string_view context;
      std::string_view qt;       // Qt's text, with its mnemonic
      std::string_view english;  // ours
    } kTexts[] = {
        {"QPlatformTheme", "&Yes", "Yes"},   {"QPlatformTheme", "&No", "No"},
        {"QPlatformTheme", "OK", "OK"},      {"QPlatformTheme", "Cancel", "Cancel"},
        {"QComboBox", "Open the list", "Open the list"},
    };
    if (context == nullptr || source == nullptr) return {};
    for (const auto& text : kTexts) {
      if (text.context == context && text.qt == source) {
        const std::string_view shown = Translate(language_, text.english);
        return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
      }
    }
    return {};
  }

 private:
  int language_;
};

}  // namespace

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
  if (own_) QCoreApplication::removeTranslator(own_.get());
}

void QtTranslations::Use(int language) {
  if (language == language_) return;
  language_ = language;
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
  if (own_) QCoreApplication::removeTranslator(own_.get());
  qt_.reset();
  own_.reset();
  const LanguageRow* row = FindLanguage(language);
  if (row == nullptr || row->catalogue.empty()) return;  // Qt speaks English itself
  // Ours first: Qt asks the translator installed last first.
  own_ = std::make_unique<CatalogueTranslator>(language);
  QCoreApplication::installTranslator(own_.get());
  auto qt = std::make_unique<QTranslator>();
  const QString locale =
      QString::fromUtf8(row->locale.data(), static_cast<qsizetype>(row->locale.size()));
  if (qt->load(QStringLiteral("qtbase_") + locale,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    qt_ = std::move(qt);
    QCoreApplication::installTranslator(qt_.get());
  }
}

}  // namespace quelmo
