#pragma once
// Qt's own texts in the language of the windows: the buttons of message
// boxes and dialogs (Yes, No, OK, Cancel), the file dialogs, and what a
// screen reader says a list does. They come from Qt's translations
// (qtbase_<locale>.qm, Debian's qt6-translations-l10n) where Qt has the
// language, and from the program's own catalogue where it has not.

#include <QTranslator>

#include <memory>

namespace quelmo {

class QtTranslations {
 public:
  QtTranslations();
  ~QtTranslations();
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;

  // Installs the translators of a language code, replacing those of the
  // last one; nothing is read again for the same code, nothing at all for
  // English.
  void Use(int language);

 private:
  int language_ = 0;
  std::unique_ptr<QTranslator> qt_;
  std::unique_ptr<QTranslator> own_;
};

}  // namespace quelmo
