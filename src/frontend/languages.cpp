#include "frontend/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tabulyst {

namespace {

constexpr UiLanguageInfo kLanguages[] = {
    //: Entry of the Language menu
    {UiLanguage::English, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "English"), "en", "en", 1033},
    //: Entry of the Language menu
    {UiLanguage::Spanish, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Spanish"), "es", "es", 1034},
    //: Entry of the Language menu
    {UiLanguage::Portuguese, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Portuguese"), "pt", "pt_BR",
     1046},
    //: Entry of the Language menu
    {UiLanguage::German, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "German"), "de", "de", 1031},
    //: Entry of the Language menu
    {UiLanguage::Italian, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Italian"), "it", "it", 1040},
    //: Entry of the Language menu
    {UiLanguage::French, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "French"), "fr", "fr", 1036},
    //: Entry of the Language menu
    {UiLanguage::Swedish, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Swedish"), "sv", "sv", 1053},
};

}  // namespace

std::span<const UiLanguageInfo> UiLanguages() { return kLanguages; }

const UiLanguageInfo& InfoOf(UiLanguage language) { return kLanguages[static_cast<int>(language)]; }

std::optional<UiLanguage> UiLanguageNamed(const QString& name) {
    for (const UiLanguageInfo& info : kLanguages)
        if (name.compare(QLatin1String(info.name), Qt::CaseInsensitive) == 0) return info.language;
    return std::nullopt;
}

LanguageSwitcher::LanguageSwitcher() = default;

LanguageSwitcher::~LanguageSwitcher() { Remove(); }

void LanguageSwitcher::Remove() {
    for (std::unique_ptr<QTranslator>* translator : {&program_, &toolkit_}) {
        if (*translator) QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

bool LanguageSwitcher::Switch(UiLanguage language) {
    const UiLanguageInfo& info = InfoOf(language);
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> toolkit;
    if (language != UiLanguage::English) {
        program = std::make_unique<QTranslator>();
        if (!program->load(QStringLiteral(":/i18n/tabulyst_%1.qm").arg(QLatin1String(info.code))))
            return false;
        // The toolkit's own texts (standard buttons, choosers) when its translations are
        // installed; without them those stay in English.
        toolkit = std::make_unique<QTranslator>();
        if (!toolkit->load(QStringLiteral("qtbase_%1").arg(QLatin1String(info.toolkitCode)),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            toolkit.reset();
    }
    Remove();
    program_ = std::move(program);
    toolkit_ = std::move(toolkit);
    for (QTranslator* translator : {toolkit_.get(), program_.get()})
        if (translator) QCoreApplication::installTranslator(translator);
    current_ = language;
    // The windows re-label themselves now, not at the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return true;
}

}  // namespace tabulyst
