// The seven interface languages: switching relabels every window at once and keeps the
// choices, the choice is restored at start, and every text shown has a translation.
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>
#include <set>
#include <tuple>

#include "frontend/catalogue_text.h"
#include "frontend/main_window.h"
#include "frontend/property_sheet.h"
#include "frontend/status_window.h"
#include "frontend_test_support.h"

using namespace tabulyst;

namespace {

// Notes every text the program asks to have translated, and translates none.
class RecordingTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int) const override {
        texts.emplace(context, source, disambiguation ? disambiguation : "");
        return {};
    }
    mutable std::set<std::tuple<QByteArray, QByteArray, QByteArray>> texts;
};

// A widget a user operates.
bool IsControl(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           (qobject_cast<const QAbstractSlider*>(w) && !qobject_cast<const QScrollBar*>(w));
}

// The tool tip a control shows: its own, or that of the control it is part of.
QString TipOf(const QWidget* w) {
    for (; w && !w->isWindow(); w = w->parentWidget())
        if (!w->toolTip().isEmpty()) return w->toolTip();
    return w ? w->toolTip() : QString();
}

// The scroll buttons of tab bars and menu bars are the toolkit's own.
bool InsideToolkitBar(const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (qobject_cast<const QTabBar*>(w) || qobject_cast<const QMenuBar*>(w)) return true;
    return false;
}

}  // namespace

class tst_Languages : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // Every text the windows and sheets show in English, and every catalogue entry.
        test::IsolatedDesktop::ClearSettings();
        QCoreApplication::installTranslator(&recorder_);
        {
            MainWindow window(dialogs_.Make());
            for (PageId page : {PageId::TableAnalysis, PageId::TableGeneration, PageId::Viewers})
                window.OpenSheet(page)->reject();
            for (int entry = 0; entry < kMessageCount; ++entry)
                if (!MessageText(entry).empty()) CatalogueText(static_cast<MessageId>(entry));
        }
        QCoreApplication::removeTranslator(&recorder_);
        QVERIFY(recorder_.texts.size() > 400);
    }
    void init() {
        test::IsolatedDesktop::ClearSettings();
        test::IsolatedDesktop::WriteSetting("4.0/Dialogs/DisplayStatusDialog", "No");
        dialogs_ = test::RecordedDialogs();
        window_ = std::make_unique<MainWindow>(dialogs_.Make());
    }
    void cleanup() {
        window_.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
    void swedishMessageBoxes() {
        Action("Swedish")->trigger();
        QCOMPARE(Child<QPushButton>("convert")->text(), QStringLiteral("K&onvertera fil(er)..."));
        // Catalogue entries 108 and 59.
        QTemporaryDir work;
        test::WriteFile(work.filePath("d.txt"), "a;b\n");
        window_->SetFiles({work.filePath("d.txt")});
        Child<QComboBox>("inputType")->setCurrentIndex(3);
        QVERIFY(!window_->Convert());
        // Entry 32, its file name put in after translation.
        auto* policy = Child<QComboBox>("policyFile");
        policy->setEditText(work.filePath("none.pol"));
        QMetaObject::invokeMethod(policy, "activated", Q_ARG(int, 0));
        QCOMPARE(dialogs_.boxes.size(), size_t(2));
        QCOMPARE(dialogs_.boxes[0].title, QStringLiteral("Inget avgränsningstecken angivet"));
        QCOMPARE(dialogs_.boxes[0].text, QStringLiteral("Du måste ange ett avgränsningstecken"));
        QCOMPARE(dialogs_.boxes[1].title, QStringLiteral("Fel i policyfilen"));
        QCOMPARE(dialogs_.boxes[1].text,
                 "Det går inte att hitta policyfilen \"" + work.filePath("none.pol") + "\"");
    }
    void switchingKeepsTheChoices() {
        auto* inputType = Child<QComboBox>("inputType");
        auto* conversionType = Child<QComboBox>("conversionType");
        inputType->setCurrentIndex(3);
        conversionType->setCurrentIndex(2);
        QCOMPARE(inputType->currentText(), QStringLiteral("Other delimited data file"));
        // An alignment chosen in a sheet and not yet applied stays chosen too.
        auto* alignment = window_->OpenSheet(PageId::TableGeneration)
                              ->findChild<QComboBox*>("Default TABLE alignment");
        alignment->setCurrentIndex(2);
        window_->SwitchLanguage(UiLanguage::German);
        QCOMPARE(inputType->currentIndex(), 3);
        QCOMPARE(inputType->currentText(), QStringLiteral("Datendatei mit anderem Trennzeichen"));
        QCOMPARE(conversionType->currentIndex(), 2);
        QCOMPARE(conversionType->currentText(),
                 QStringLiteral("HTML in die Zwischenablage ausgeben"));
        QVERIFY(Child<QLineEdit>("delimiter")->isEnabled());
        QVERIFY(!Child<QLineEdit>("outputName")->isEnabled());
        QCOMPARE(alignment->currentIndex(), 2);
        QCOMPARE(alignment->currentText(), QStringLiteral("Rechts"));
        QVERIFY(window_->OpenSheet(PageId::TableGeneration)->ApplyChanges());
        QCOMPARE(window_->Session().PolicyValue("Default TABLE alignment").toInt(), 3);
    }
    void switchingRelabelsOpenSheets() {
        PropertySheet* sheet = window_->OpenSheet(PageId::TableGeneration);
        QVERIFY(sheet->isVisible());
        auto* tabs = sheet->findChild<QTabWidget*>();
        auto* textColour = sheet->findChild<QWidget*>("Text Colour");
        QCOMPARE(textColour->findChild<QLineEdit*>("text")->toolTip(),
                 QStringLiteral("The colour of the text"));
        window_->SwitchLanguage(UiLanguage::German);
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Ausgaberichtlinien"));
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Tabellenerzeugung"));
        QCOMPARE(textColour->findChild<QLineEdit*>("text")->toolTip(),
                 QStringLiteral("Die Farbe des Textes"));
        QVERIFY(Action("&Sprache"));
        QCOMPARE(window_->Status().windowTitle(), QStringLiteral("Tabulyst - Meldungen"));
        Action("Ü&ber...")->trigger();
        QCOMPARE(dialogs_.boxes.back().title, QStringLiteral("Über Tabulyst"));
        // The toolkit's own buttons follow where its translations are installed.
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QSKIP("The toolkit's translations are not installed");
        QCOMPARE(sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(),
                 QStringLiteral("Abbrechen"));
    }
    void restoredAtStart() {
        window_.reset();
        test::IsolatedDesktop::WriteSetting("4.0/Languages/Language", "French");
        window_ = std::make_unique<MainWindow>(dialogs_.Make());
        QCOMPARE(Child<QPushButton>("convert")->text(),
                 QStringLiteral("C&onvertir le(s) fichier(s)..."));
        QVERIFY(Action("Français")->isChecked());
        Action("Italien")->trigger();
        QVERIFY(Action("Italiano")->isChecked());
        QVERIFY(!Action("Francese")->isChecked());
        window_->SaveSettingsNow();
        QSettings store(QStringLiteral("Quillon"), QStringLiteral("Tabulyst"));
        QCOMPARE(store.value("4.0/Languages/Language").toString(), QStringLiteral("Italian"));
        QCOMPARE(store.value("4.0/Languages/SelectedLanguage").toString(), QStringLiteral("Yes"));
    }
    void otherDoesNothing() {
        window_->SwitchLanguage(UiLanguage::Spanish);
        Action("Otro...")->trigger();
        QVERIFY(Action("Español")->isChecked());
        QCOMPARE(window_->CurrentSettings().language, QStringLiteral("Spanish"));
        QCOMPARE(Child<QPushButton>("convert")->text(), QStringLiteral("C&onvertir archivo(s)..."));
    }
    void everyTextHasATranslation_data() {
        QTest::addColumn<QString>("code");
        for (const char* code : {"de", "es", "fr", "it", "pt", "sv"}) QTest::newRow(code) << code;
    }
    void everyTextHasATranslation() {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load(":/i18n/tabulyst_" + code + ".qm"));
        int checked = 0;
        for (const auto& [context, source, disambiguation] : recorder_.texts) {
            // The toolkit's own texts have translations of their own.
            if (!context.startsWith("tabulyst::") && context != kMessageCatalogueContext) continue;
            ++checked;
            QVERIFY2(!translator.translate(context, source, disambiguation).isEmpty(),
                     context + ": " + source);
        }
        QVERIFY(checked > 400);
    }
    void everyControlHasATip_data() {
        QTest::addColumn<int>("language");
        for (const UiLanguageInfo& info : UiLanguages())
            QTest::newRow(info.name) << static_cast<int>(info.language);
    }
    void everyControlHasATip() {
        QFETCH(int, language);
        window_->SwitchLanguage(static_cast<UiLanguage>(language));
        OpenEverySheet();
        int controls = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!IsControl(w) || InsideToolkitBar(w)) continue;
                ++controls;
                QVERIFY2(!TipOf(w).isEmpty(),
                         qPrintable(window->objectName() + "/" + w->metaObject()->className() +
                                    "/" + w->objectName()));
            }
        QVERIFY(controls > 250);
    }
    void translationFilesAreComplete() {
        const QStringList files =
            QDir(TABULYST_TRANSLATIONS).entryList({"tabulyst_*.ts"}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 6);
        // Tokens filled in after translation must survive it.
        const char* const tokens[] = {"xxxxxx", "ffffff", "hhhhhh", "ccc url", "nnn", "%1", "&"};
        for (const QString& name : files) {
            QFile file(QDir(TABULYST_TRANSLATIONS).filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            int messages = 0;
            QString source, comment;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement) continue;
                if (xml.name() == u"source") {
                    source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    comment.clear();
                } else if (xml.name() == u"extracomment" || xml.name() == u"comment") {
                    comment = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    const QString type = xml.attributes().value("type").toString();
                    const QString text =
                        xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    const QByteArray where = (name + ": " + source).toUtf8();
                    ++messages;
                    QVERIFY2(type.isEmpty(), where + " is " + type.toUtf8());
                    QVERIFY2(!text.isEmpty(), where);
                    QVERIFY2(!comment.isEmpty(), where + " has no note for translators");
                    for (const char* token : tokens)
                        QVERIFY2(source.count(token) == text.count(token), where + " / " + token);
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QVERIFY(messages > 500);
        }
    }

  private:
    QAction* Action(const QString& text) { return test::FindAction(*window_, text); }
    template <typename T>
    T* Child(const char* name) {
        return window_->findChild<T*>(QLatin1String(name));
    }
    void OpenEverySheet() {
        for (PageId page : {PageId::TableAnalysis, PageId::TableGeneration, PageId::Viewers})
            window_->OpenSheet(page);
    }

    test::IsolatedDesktop desktop_;
    test::RecordedDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;
    RecordingTranslator recorder_;
};

QTEST_MAIN(tst_Languages)
#include "tst_languages.moc"
