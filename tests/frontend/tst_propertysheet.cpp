// The property sheets: every page binds its policies or settings, working values survive a
// reopening, only changed options are applied, and values are held to what a policy takes.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include "frontend/alignment_list.h"
#include "frontend/main_window.h"
#include "frontend/property_sheet.h"
#include "frontend/value_edits.h"
#include "frontend_test_support.h"

using namespace tabulyst;

class tst_PropertySheet : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        test::IsolatedDesktop::ClearSettings();
        test::IsolatedDesktop::WriteSetting("4.0/Dialogs/DisplayStatusDialog", "No");
        dialogs_ = test::RecordedDialogs();
        work_ = std::make_unique<QTemporaryDir>();
        window_ = std::make_unique<MainWindow>(dialogs_.Make());
    }
    void cleanup() {
        window_.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
    void alignmentList_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("stored");  // the code choosing that position stores
        QTest::newRow("not given") << 0 << 0 << "Auto-Detect" << 0;
        QTest::newRow("left") << 1 << 1 << "Left" << 1;
        QTest::newRow("right") << 3 << 2 << "Right" << 3;
        QTest::newRow("justify") << 4 << 3 << "Justified" << 4;
        QTest::newRow("centre") << 2 << 4 << "Center" << 2;
        QTest::newRow("unknown code") << 9 << 0 << "Auto-Detect" << 0;
    }
    void alignmentList() {
        QFETCH(int, code);
        QFETCH(int, position);
        QFETCH(QString, label);
        QFETCH(int, stored);
        for (const char* key : {"Default TABLE alignment", "Default TABLE cell alignment"}) {
            Session().StatePolicy(key, code);
            auto* list = Control<QComboBox>(PageId::TableGeneration, key);
            QCOMPARE(list->currentIndex(), position);
            QCOMPARE(list->currentText(), label);
            // Chosen by the user from another position, the list stores the position's code.
            list->setCurrentIndex((position + 1) % list->count());
            list->setCurrentIndex(position);
            QVERIFY(Open(PageId::TableGeneration)->ApplyChanges());
            QCOMPARE(Session().PolicyValue(key).toInt(), stored);
        }
    }
    void tableAnalysisEnabling() {
        LoadPolicies("Attempt TABLE generation : No\n");
        SheetPage* page = Open(PageId::TableAnalysis)->Page(PageId::TableAnalysis);
        auto* attempt = page->findChild<QCheckBox*>("Attempt TABLE generation");
        const QList<QWidget*> others = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QVERIFY(others.size() > 10);
        for (bool on : {false, true, false}) {
            if (attempt->isChecked() != on) attempt->click();
            QCOMPARE(attempt->isChecked(), on);
            QVERIFY(attempt->isEnabled());
            for (QWidget* w : others)
                if (w != attempt) QVERIFY2(w->isEnabled() == on, qPrintable(w->objectName()));
        }
    }
    void reopeningKeepsEditedValues() {
        auto* border = Control<QSpinBox>(PageId::TableGeneration, "Default TABLE border size");
        border->setValue(5);
        Open(PageId::TableGeneration)->reject();
        // Meanwhile both policies change underneath the sheet.
        LoadPolicies("Default TABLE border size : 3\nDefault TABLE cell padding : 9\n");
        Open(PageId::TableGeneration);
        QCOMPARE(border->value(), 5);
        QCOMPARE(Control<QSpinBox>(PageId::TableGeneration, "Default TABLE cell padding")->value(),
                 9);
        QCOMPARE(Session().PolicyValue("Default TABLE border size").toInt(), 3);
        QVERIFY(!window_->PoliciesModified());
    }
    void valuesHeldToTheirRange_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");  // as the policy file states it
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("stored");
        const QString separation = "Minimum TABLE column separation";
        QTest::newRow("separation 0") << separation << "0" << 1 << 0;
        QTest::newRow("separation (none)") << separation << "(none)" << 1 << -1;
        QTest::newRow("extending 50") << "Table extending factor"
                                      << "50" << 10 << 50;
        QTest::newRow("merging -3") << "Column merging factor"
                                    << "-3" << 0 << -3;
    }
    void valuesHeldToTheirRange() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, shown);
        QFETCH(int, stored);
        LoadPolicies((key + " : " + value + "\n").toUtf8());
        PropertySheet* sheet = Open(PageId::TableAnalysis);
        QWidget* control = sheet->Page(PageId::TableAnalysis)->findChild<QWidget*>(key);
        QCOMPARE(control->property("value").toInt(), shown);
        // Shown held, but not changed: applying another change leaves the value as it was.
        sheet->Page(PageId::TableAnalysis)->findChild<QCheckBox*>("Expect sparse tables")->click();
        QVERIFY(sheet->ApplyChanges());
        QCOMPARE(Session().PolicyValue(key).toInt(), stored);
    }
    void applyStatesOnlyChangedPolicies() {
        Control<QSpinBox>(PageId::TableGeneration, "Default TABLE border size")->setValue(4);
        Control<QCheckBox>(PageId::TableGeneration, "Colour data rows")->click();
        QVERIFY(!window_->PoliciesModified());
        PropertySheet* sheet = Open(PageId::TableGeneration);
        auto* apply = sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Apply);
        QVERIFY(apply->isEnabled());
        apply->click();
        QVERIFY(!apply->isEnabled());
        QVERIFY(window_->PoliciesModified());
        QVERIFY(Session().PolicyStated("Default TABLE border size"));
        QVERIFY(!Session().PolicyStated("Default TABLE cell padding"));

        dialogs_.fileToSave = Data("changed.pol");
        dialogs_.choice = 0;  // changed policies only
        test::FindAction(*window_, "&Save policy file...")->trigger();
        QCOMPARE(test::ReadFile(Data("changed.pol")),
                 QByteArray("\n[Table generation]\n\n"
                            "Default TABLE border size         : 4\n"
                            "Colour data rows                  : Yes\n"));
        QVERIFY(!window_->PoliciesModified());
    }
    void everyGeneratedControlBindsItsPolicy() {
        // Every control of every generated page gets a new value as a user would give it.
        std::vector<std::pair<QString, QVariant>> expected;
        for (const PolicyRow& row : GeneratedRows()) {
            const QString key = QString::fromUtf8(row.key);
            const std::optional<PolicyFacts> facts = FindPolicy(key);
            QVERIFY2(facts, row.key);
            QWidget* control = Open(row.page)->Page(row.page)->findChild<QWidget*>(key);
            QVERIFY2(control, row.key);
            const int old = Session().PolicyValue(key).toInt();
            QVariant value;
            switch (facts->kind) {
                case PolicyKind::Boolean:
                    qobject_cast<QCheckBox*>(control)->click();
                    value = old == 0 ? 1 : 0;
                    break;
                case PolicyKind::Integer: {
                    auto* spin = qobject_cast<QSpinBox*>(control);
                    QCOMPARE(spin->minimum(), facts->minimum);
                    QCOMPARE(spin->maximum(), facts->maximum);
                    value = old < spin->maximum() ? old + 1 : old - 1;
                    spin->setValue(value.toInt());
                    break;
                }
                case PolicyKind::Alignment: {
                    auto* list = qobject_cast<QComboBox*>(control);
                    list->setCurrentIndex((AlignmentPosition(old) + 1) % list->count());
                    value = AlignmentCode(list->currentIndex());
                    break;
                }
                case PolicyKind::Choice: {
                    auto* list = qobject_cast<QComboBox*>(control);
                    QCOMPARE(list->count(), facts->choices.size() + 1);
                    const int index = old % static_cast<int>(facts->choices.size()) + 1;
                    list->setCurrentIndex(index);
                    value = index;
                    break;
                }
                case PolicyKind::Text:
                    TypeInto(qobject_cast<QLineEdit*>(control), "ascii");
                    value = QStringLiteral("ascii");
                    break;
                case PolicyKind::Colour:
                    TypeInto(control->findChild<QLineEdit*>("text"), "teal");
                    value = QStringLiteral("teal");
                    QVERIFY(qobject_cast<ColourEdit*>(control));
                    break;
                case PolicyKind::Font:
                    TypeInto(control->findChild<QLineEdit*>("text"), "Arial, Bold, 9");
                    value = QStringLiteral("Arial, Bold, 9");
                    QVERIFY(qobject_cast<FontEdit*>(control));
                    break;
            }
            expected.emplace_back(key, value);
        }
        for (SheetKind kind : {SheetKind::Analysis, SheetKind::Output})
            QVERIFY(Open(kind == SheetKind::Analysis ? PageId::Analysis : PageId::Fonts)
                        ->ApplyChanges());
        for (const auto& [key, value] : expected) {
            QVERIFY2(Session().PolicyStated(key), qPrintable(key));
            QVERIFY2(Session().PolicyValue(key) == value,
                     qPrintable(key + ": " + Session().PolicyValue(key).toString()));
        }
    }
    void messagesPageShowsTheInverse() {
        LoadPolicies("Suppress INFO messages : Yes\nSuppress URL messages : No\n");
        SheetPage* page = Open(PageId::Messages)->Page(PageId::Messages);
        const QList<QCheckBox*> boxes = page->findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), 5);
        for (QCheckBox* box : boxes) {
            const bool suppressed = Session().PolicyValue(box->objectName()).toInt() != 0;
            QVERIFY2(box->isChecked() == !suppressed, qPrintable(box->objectName()));
            box->click();
        }
        page->findChild<QSlider*>("Error reporting level")->setValue(9);
        QVERIFY(Open(PageId::Messages)->ApplyChanges());
        for (QCheckBox* box : boxes)
            QCOMPARE(Session().PolicyValue(box->objectName()).toInt() != 0, !box->isChecked());
        QCOMPARE(Session().PolicyValue("Suppress INFO messages").toInt(), 0);
        QCOMPARE(Session().PolicyValue("Error reporting level").toInt(), 9);
        QVERIFY(window_->PoliciesModified());
    }
    void settingsPagesBindTheSettings() {
        Settings& settings = window_->CurrentSettings();
        const bool autoView = settings.autoView;
        Control<QCheckBox>(PageId::Viewers, "AutoDDEUpdates")->click();
        TypeInto(Control<QLineEdit>(PageId::Viewers, "ViewRTFCommand"), "abiword --plain");
        Control<QComboBox>(PageId::Viewers, "DDEServerName")->setEditText("Opera");
        Control<QCheckBox>(PageId::DragAndDrop, "DragAndDrop/StartProgram")->click();
        auto* used = Control<QCheckBox>(PageId::PolicyFiles, "DefaultPolicy/Used");
        QVERIFY(!Control<QLineEdit>(PageId::PolicyFiles, "DefaultPolicy/File")->isEnabled());
        used->click();
        QVERIFY(Control<QLineEdit>(PageId::PolicyFiles, "DefaultPolicy/File")->isEnabled());
        // "Browse..." puts the chosen file in the edit as the user's change.
        dialogs_.fileToOpen = Data("house.pol");
        Control<QPushButton>(PageId::PolicyFiles, "browseDefaultPolicy")->click();
        TypeInto(Control<QLineEdit>(PageId::Documentation, "HTMLDoco"), "/usr/share/doc/x.html");
        QCOMPARE(settings.viewRtfCommand, QString());  // nothing before applying
        QVERIFY(Open(PageId::Viewers)->ApplyChanges());
        QCOMPARE(settings.autoView, !autoView);
        QCOMPARE(settings.viewRtfCommand, QStringLiteral("abiword --plain"));
        QCOMPARE(settings.ddeServerName, QStringLiteral("Opera"));
        QVERIFY(!settings.dropStartProgram);
        QVERIFY(settings.defaultPolicyUsed);
        QCOMPARE(settings.defaultPolicyFile, Data("house.pol"));
        QCOMPARE(settings.htmlDoco, QStringLiteral("/usr/share/doc/x.html"));
        // The menu's check mark follows; the policies are not touched.
        QCOMPARE(test::FindAction(*window_, "Show results automatically")->isChecked(), !autoView);
        QVERIFY(!window_->PoliciesModified());
    }
    void writeAllReadsBack() {
        TypeInto(Control<ColourEdit>(PageId::TableGeneration, "Default TABLE colour")
                     ->findChild<QLineEdit*>("text"),
                 "000080");
        Control<QComboBox>(PageId::RtfConfiguration, "Paper size")->setCurrentIndex(2);
        TypeInto(Control<FontEdit>(PageId::Fonts, "Table font")->findChild<QLineEdit*>("text"),
                 "Courier New, Italic, 9");
        Control<QComboBox>(PageId::TableGeneration, "Default TABLE alignment")->setCurrentIndex(4);
        QVERIFY(Open(PageId::Fonts)->ApplyChanges());
        QCOMPARE(Session().PolicyValue("Default TABLE colour").toString(), QStringLiteral("Navy"));

        dialogs_.fileToSave = Data("sample");
        dialogs_.choice = 1;  // every policy
        test::FindAction(*window_, "&Save policy file...")->trigger();
        EngineSession reread([](const QString&) {});
        QVERIFY(reread.LoadPolicies(Data("sample.pol")));
        int compared = 0;
        for (PageId page : {PageId::TableGeneration, PageId::Fonts, PageId::Analysis}) {
            for (QWidget* control : Open(page)->findChildren<QWidget*>()) {
                const std::optional<PolicyFacts> facts = FindPolicy(control->objectName());
                // A link dictionary line is read as an include, not into its policy.
                if (!facts || !facts->written || facts->key == "Link Dictionary file") continue;
                const QVariant before = Session().PolicyValue(facts->key);
                const QVariant after = reread.PolicyValue(facts->key);
                ++compared;
                // Every policy read back is stated, but an alignment read as "(none)".
                QVERIFY2(reread.PolicyStated(facts->key) ||
                             (facts->kind == PolicyKind::Alignment && before.toInt() == 0),
                         qPrintable(facts->key));
                // An optional number below 1 is written "(none)", which reads back as -1.
                if (facts->kind == PolicyKind::Integer && facts->optional && before.toInt() < 1)
                    QVERIFY2(after.toInt() < 1, qPrintable(facts->key));
                // A colour reads back in its normalised form ("F0F0F0" as "#F0F0F0").
                else if (facts->kind == PolicyKind::Colour)
                    QVERIFY2(ColourNamed(before.toString()) == ColourNamed(after.toString()),
                             qPrintable(facts->key));
                else
                    QVERIFY2(before == after, qPrintable(facts->key + ": " + before.toString() +
                                                         " / " + after.toString()));
            }
        }
        QVERIFY(compared > 50);
        QCOMPARE(reread.PolicyValue("Paper size").toInt(), 2);
        QCOMPARE(reread.PolicyValue("Table font").toString(),
                 QStringLiteral("Courier New, Italic, 9"));
        QCOMPARE(reread.PolicyValue("Default TABLE alignment").toInt(), 2);
    }
    void colourTextPaintsTheSwatch_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QColor>("painted");
        const QColor before(0xF0, 0xF0, 0xF0);  // the odd row colour's default
        QTest::newRow("name") << "Navy" << QColor(0, 0, 0x80);
        QTest::newRow("name in capitals") << "NAVY" << QColor(0, 0, 0x80);
        QTest::newRow("six digits") << "ff0000" << QColor(0xFF, 0, 0);
        QTest::newRow("hash and digits") << "#E0F0E0" << QColor(0xE0, 0xF0, 0xE0);
        QTest::newRow("no standard name") << "Cyan" << before;
        QTest::newRow("five digits") << "#12345" << before;
        QTest::newRow("not a colour") << "greyish" << before;
        QTest::newRow("emptied") << "" << QColor();
    }
    void colourTextPaintsTheSwatch() {
        QFETCH(QString, typed);
        QFETCH(QColor, painted);
        auto* edit = Control<ColourEdit>(PageId::TableGeneration, "Default TABLE odd row colour");
        QCOMPARE(edit->Swatch().Colour(), QColor(0xF0, 0xF0, 0xF0));
        auto* text = edit->findChild<QLineEdit*>("text");
        if (typed.isEmpty()) {
            text->selectAll();
            QTest::keyClick(text, Qt::Key_Delete);
        } else {
            TypeInto(text, typed);
        }
        QCOMPARE(edit->Swatch().Colour(), painted);
    }
    void choosersWritePolicyTexts() {
        auto* edit = Control<ColourEdit>(PageId::DocumentColours, "Background Colour");
        TypeInto(edit->findChild<QLineEdit*>("text"), "silver");
        dialogs_.colourToChoose = QColor(0, 0xFF, 0xFF);
        edit->findChild<QPushButton*>("choose")->click();
        QCOMPARE(dialogs_.colourOffered, QColor(0xC0, 0xC0, 0xC0));
        // The chooser's names differ from the check's: this one draws the warning on Apply.
        QCOMPARE(edit->Text(), QStringLiteral("Cyan"));
        QCOMPARE(edit->Swatch().Colour(), QColor(0xC0, 0xC0, 0xC0));
        dialogs_.colourToChoose = QColor(0x12, 0x34, 0x56);
        edit->findChild<QPushButton*>("choose")->click();
        QCOMPARE(edit->Text(), QStringLiteral("123456"));
        QVERIFY(Open(PageId::DocumentColours)->ApplyChanges());
        QCOMPARE(Session().PolicyValue("Background Colour").toString(), QStringLiteral("#123456"));

        auto* font = Control<FontEdit>(PageId::Fonts, "Heading font");
        QFont chosen(QStringLiteral("Courier New"));
        chosen.setPointSize(9);
        chosen.setBold(true);
        chosen.setItalic(true);
        dialogs_.fontToChoose = chosen;
        font->findChild<QPushButton*>("choose")->click();
        QCOMPARE(font->Text(), QStringLiteral("Courier New, Bold Italic, 9"));
        QVERIFY(Open(PageId::Fonts)->ApplyChanges());
        QCOMPARE(Session().PolicyValue("Heading font").toString(),
                 QStringLiteral("Courier New, Bold Italic, 9"));
    }
    void badColourIsRefusedOnApply() {
        Control<QSpinBox>(PageId::TableGeneration, "Default TABLE border size")->setValue(6);
        auto* background = Control<ColourEdit>(PageId::TableGeneration, "Default TABLE colour");
        TypeInto(background->findChild<QLineEdit*>("text"), "Cyan");
        PropertySheet* sheet = Open(PageId::TableGeneration);
        QVERIFY(!sheet->ApplyChanges());
        QCOMPARE(dialogs_.boxes.size(), size_t(1));
        QCOMPARE(dialogs_.boxes[0].title, QStringLiteral("Output policies"));
        QCOMPARE(dialogs_.boxes[0].text,
                 QStringLiteral("WARNING: \"Cyan\" is not a standard HTML colour"));
        // Nothing at all was written.
        QVERIFY(!Session().PolicyStated("Default TABLE colour"));
        QVERIFY(!Session().PolicyStated("Default TABLE border size"));
        QVERIFY(!window_->PoliciesModified());
        TypeInto(background->findChild<QLineEdit*>("text"), "Aqua");
        QVERIFY(sheet->ApplyChanges());
        QCOMPARE(Session().PolicyValue("Default TABLE colour").toString(), QStringLiteral("Aqua"));
        QCOMPARE(Session().PolicyValue("Default TABLE border size").toInt(), 6);
    }
    void unwritablePolicyFileKeepsTheChanges() {
        Control<QSpinBox>(PageId::TableGeneration, "Default TABLE header rows")->setValue(2);
        QVERIFY(Open(PageId::TableGeneration)->ApplyChanges());
        dialogs_.fileToSave = Data("missing/dir/house.pol");
        test::FindAction(*window_, "&Save policy file...")->trigger();
        QCOMPARE(dialogs_.boxes.size(), size_t(1));
        QCOMPARE(dialogs_.boxes[0].title, QStringLiteral("Output File Error"));
        QVERIFY(window_->PoliciesModified());
        QCOMPARE(Session().PolicyValue("Default TABLE header rows").toInt(), 2);
        QCOMPARE(Control<QSpinBox>(PageId::TableGeneration, "Default TABLE header rows")->value(),
                 2);
    }
    void sheetsRememberTheirPlace() {
        PropertySheet* sheet = Open(PageId::Headings);
        sheet->move(120, 80);
        sheet->accept();
        window_->SaveSettingsNow();
        QSettings store(QStringLiteral("Quillon"), QStringLiteral("Tabulyst"));
        QCOMPARE(store.value("4.0/Dialogs/Analysis/Left").toString(), QStringLiteral("120"));
        QCOMPARE(store.value("4.0/Dialogs/Analysis/Top").toString(), QStringLiteral("80"));
        sheet->move(0, 0);
        QCOMPARE(Open(PageId::TableAnalysis)->pos(), QPoint(120, 80));
        // Each sheet opens on the page its menu entry names.
        test::FindAction(*window_, "T&able generation")->trigger();
        auto* output = window_->findChild<PropertySheet*>("outputSheet");
        QVERIFY(output && output->isVisible());
        QCOMPARE(output->findChild<QTabWidget*>()->currentWidget(),
                 output->Page(PageId::TableGeneration));
    }

  private:
    EngineSession& Session() { return window_->Session(); }
    // Opens the sheet holding the page, on that page.
    PropertySheet* Open(PageId page) { return window_->OpenSheet(page); }
    template <typename T>
    T* Control(PageId page, const QString& name) {
        PropertySheet* sheet = Open(page);
        T* control = sheet->Page(page)->findChild<T*>(name);
        if (!control) qWarning() << "no control" << name;
        return control;
    }
    void LoadPolicies(const QByteArray& lines) {
        test::WriteFile(Data("house.pol"), lines);
        QVERIFY(Session().LoadPolicies(Data("house.pol")));
    }
    void TypeInto(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QString Data(const QString& name) const { return work_->filePath(name); }

    test::IsolatedDesktop desktop_;
    test::RecordedDialogs dialogs_;
    std::unique_ptr<QTemporaryDir> work_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(tst_PropertySheet)
#include "tst_propertysheet.moc"
