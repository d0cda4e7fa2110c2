// The seven interface languages and the switch between them: the program's translations
// (embedded) and the toolkit's own for its standard buttons, where installed.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <span>

class QTranslator;

namespace tabulyst {

// In the order of the Language menu.
enum class UiLanguage { English, Spanish, Portuguese, German, Italian, French, Swedish };

struct UiLanguageInfo {
    UiLanguage language;
    const char* name;         // the name stored in the settings, and the menu text (marked)
    const char* code;         // of the translation files, e.g. "de"
    const char* toolkitCode;  // of the toolkit's translation files, e.g. "pt_BR"
    int windowsId;            // the Windows language identifier, kept in the settings
};

// Every language, in menu order.
std::span<const UiLanguageInfo> UiLanguages();
const UiLanguageInfo& InfoOf(UiLanguage language);
// The language a stored name names (any case), if any.
std::optional<UiLanguage> UiLanguageNamed(const QString& name);

// Puts a language in force for the whole program. Every window hears of it through a
// language-change event and re-labels itself; the translations are taken back out when
// the switcher goes.
class LanguageSwitcher {
  public:
    LanguageSwitcher();
    ~LanguageSwitcher();
    LanguageSwitcher(const LanguageSwitcher&) = delete;
    LanguageSwitcher& operator=(const LanguageSwitcher&) = delete;

    // False when the language's translations cannot be read; the language in force stays.
    bool Switch(UiLanguage language);
    UiLanguage Current() const { return current_; }

  private:
    void Remove();

    UiLanguage current_ = UiLanguage::English;
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> toolkit_;
};

}  // namespace tabulyst
