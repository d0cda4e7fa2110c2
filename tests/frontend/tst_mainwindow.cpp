// The main window: control couplings, the Convert workflow and its checks, clipboard,
// drag and drop, policy files and the question on closing.
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QtTest>

#include "frontend/main_window.h"
#include "frontend/status_window.h"
#include "frontend_test_support.h"

using namespace tabulyst;

class tst_MainWindow : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        test::IsolatedDesktop::ClearSettings();
        // No status window popping up during the tests.
        test::IsolatedDesktop::WriteSetting("4.0/Dialogs/DisplayStatusDialog", "No");
        dialogs_ = test::RecordedDialogs();
        work_ = std::make_unique<QTemporaryDir>();
        window_ = std::make_unique<MainWindow>(dialogs_.Make());
    }
    void cleanup() {
        window_.reset();
        testing_support::KeepDocumentsIn(QTest::currentTestFunction(), work_->path().toStdString());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
    void clipboardGreysOutOutputControls() {
        auto* type = Child<QComboBox>("conversionType");
        Child<QRadioButton>("extension2")->click();  // ".rtf"
        type->setCurrentIndex(2);                    // HTML to the clipboard
        for (const char* name :
             {"outputName", "outputDirectory", "browseOutputDirectory", "extension0", "extension2"})
            QVERIFY2(!Child<QWidget>(name)->isEnabled(), name);
        QVERIFY(Child<QRadioButton>("extension0")->isChecked());
        type->setCurrentIndex(0);
        for (const char* name :
             {"outputName", "outputDirectory", "browseOutputDirectory", "extension0", "extension2"})
            QVERIFY2(Child<QWidget>(name)->isEnabled(), name);
        QVERIFY(Child<QRadioButton>("extension0")->isChecked());
        QVERIFY(!Child<QLineEdit>("delimiter")->isEnabled());
    }
    void rtfExtensionSwitchesType() {
        Window().SetFiles({Data("report.txt")});
        QCOMPARE(Child<QLineEdit>("outputName")->text(), QStringLiteral("report.html"));
        Child<QRadioButton>("extension2")->click();
        QCOMPARE(Child<QComboBox>("conversionType")->currentIndex(), 1);
        QCOMPARE(Child<QLineEdit>("outputName")->text(), QStringLiteral("report.rtf"));
        Child<QRadioButton>("extension1")->click();
        QCOMPARE(Child<QComboBox>("conversionType")->currentIndex(), 0);
        QCOMPARE(Child<QLineEdit>("outputName")->text(), QStringLiteral("report.htm"));
        QCOMPARE(Window().windowTitle(), QStringLiteral("report.txt - Tabulyst"));
    }
    void otherDelimitedNeedsDelimiter() {
        test::WriteFile(Data("d.txt"), "a;b\n");
        Window().SetFiles({Data("d.txt")});
        Choose(Data("d.txt"), 3);
        QVERIFY(Child<QLineEdit>("delimiter")->isEnabled());
        QVERIFY(!Window().Convert());
        QCOMPARE(dialogs_.boxes.size(), size_t(1));
        QCOMPARE(dialogs_.boxes[0].title, QStringLiteral("No delimiter character specified"));
        QCOMPARE(dialogs_.boxes[0].text, QStringLiteral("Need to specify a delimiter character"));
        QVERIFY(!QFile::exists(Data("d.html")));
    }
    void delimiterDoesNotLeak() {
        test::WriteFile(Data("d.txt"), "a;b,c\n1;2,3\n");
        Window().SetFiles({Data("d.txt")});
        auto cells = [&] { return QString::fromLatin1(test::ReadFile(Data("d.html"))); };
        Choose(Data("d.txt"), 3);
        QTest::keyClicks(Child<QLineEdit>("delimiter"), ";");
        QVERIFY(Window().Convert());
        QVERIFY2(cells().contains("<TD>b,c</TD>") && cells().contains("<TD>a</TD>"),
                 qPrintable(cells()));
        Choose(Data("d.txt"), 2);  // comma: the typed delimiter is not used
        QVERIFY(Window().Convert());
        QVERIFY2(cells().contains("<TD>a;b</TD>") && cells().contains("<TD>c</TD>"),
                 qPrintable(cells()));
        Choose(Data("d.txt"), 3);  // the delimiter still shown is used again
        QVERIFY(Window().Convert());
        QVERIFY2(cells().contains("<TD>b,c</TD>"), qPrintable(cells()));
        QVERIFY(dialogs_.boxes.empty());
    }
    void emptyListAndCancelledChooser() {
        QVERIFY(!Window().Convert());
        QCOMPARE(dialogs_.openFilesCalls, 1);
        QVERIFY(dialogs_.boxes.empty());
        QVERIFY(Window().LastResult().isEmpty());
    }
    void clipboardHoldsTheDocument() {
        test::WriteFile(Data("c.csv"), "x,y\n1,2\n");
        Choose(Data("c.csv"), 2);
        QVERIFY(Window().Convert());
        const QByteArray document = test::ReadFile(Data("c.html"));
        QVERIFY(document.endsWith("</HTML>\n"));
        QFile::remove(Data("c.html"));
        Child<QComboBox>("conversionType")->setCurrentIndex(2);
        QVERIFY(Window().Convert());
        QVERIFY(!QFile::exists(Data("c.html")));
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), QString::fromLatin1(document.chopped(1)));
        QVERIFY(data->hasHtml());
        QCOMPARE(data->html(), data->text());
    }
    void drop_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("title");
        QTest::newRow("one file") << QStringList{"one file.csv"} << "one file.csv - Tabulyst";
        QTest::newRow("several, one in a subdirectory")
            << QStringList{"b.csv", "données.csv", "sub dir/c;d.csv"} << "b.csv... - Tabulyst";
    }
    void drop() {
        QFETCH(QStringList, files);
        QList<QUrl> urls;
        for (const QString& file : files) {
            test::WriteFile(Data(file), "p,q\n");
            urls << QUrl::fromLocalFile(Data(file));
        }
        QMimeData mime;
        mime.setUrls(urls);
        Child<QComboBox>("inputType")->setCurrentIndex(2);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&Window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Window(), &event);
        QVERIFY(dialogs_.boxes.empty());
        // Every result lands in the output directory, which the first file's directory filled.
        for (const QString& file : files) {
            const QString result = Data(QFileInfo(file).fileName().chopped(4) + ".html");
            QVERIFY2(QFile::exists(result), qPrintable(result));
            QVERIFY(test::ReadFile(result).contains("<TD>p</TD>"));
        }
        QTEST(Window().windowTitle(), "title");
        QCOMPARE(QFileInfo(Window().LastResult()).fileName(),
                 QFileInfo(files.back()).fileName().chopped(4) + ".html");
    }
    void badInput_data() {
        QTest::addColumn<QString>("files");   // %1: the work directory
        QTest::addColumn<QString>("output");  // output directory
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* files, const char* output,
                            const char* title, const char* text) {
            QTest::newRow(name) << QString(files) << QString(output) << QString(title)
                                << QString(text);
        };
        row("missing input", "%1/none.csv", "%1", "File selection error",
            "No files found \"%1/none.csv\"");
        row("directory input", "%1/dir", "%1", "File selection error", "No files found \"%1/dir\"");
        row("missing input directory", "%1/nowhere/a.csv", "%1", "Directory Error",
            "Invalid Input Directory");
        row("output directory missing", "%1/a.csv", "%1/nowhere", "Directory Error",
            "Invalid Output Directory.\nMust be writable");
        row("output directory is a file", "%1/a.csv", "%1/a.csv", "Directory Error",
            "Invalid Output Directory.\nMust be writable");
        row("quotes, blanks, non-ASCII", "%1/we \"said\" ü; x.csv", "%1", "", "");
    }
    void badInput() {
        QFETCH(QString, files);
        QFETCH(QString, output);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QDir().mkpath(Data("dir"));
        test::WriteFile(Data("a.csv"), "1,2\n");
        test::WriteFile(Data("we \"said\" ü; x.csv"), "1,2\n");
        const QStringList before = QDir(work_->path()).entryList(QDir::Files);
        Choose(files.arg(work_->path()), 2);
        Child<QComboBox>("outputDirectory")->setEditText(output.arg(work_->path()));
        const bool converted = Window().Convert();
        QCOMPARE(converted, title.isEmpty());
        if (title.isEmpty()) {
            QVERIFY(dialogs_.boxes.empty());
            QVERIFY(QFile::exists(Data("we \"said\" ü; x.html")));
            return;
        }
        QCOMPARE(dialogs_.boxes.size(), size_t(1));
        QCOMPARE(dialogs_.boxes[0].title, title);
        QCOMPARE(dialogs_.boxes[0].text, text.contains("%1") ? text.arg(work_->path()) : text);
        QCOMPARE(QDir(work_->path()).entryList(QDir::Files), before);
        QVERIFY(Child<QWidget>("convert")->isEnabled());
    }
    void policyFiles() {
        auto* policy = Child<QComboBox>("policyFile");
        policy->setEditText(Data("missing.pol"));
        QMetaObject::invokeMethod(policy, "activated", Q_ARG(int, 0));
        QCOMPARE(dialogs_.boxes.size(), size_t(1));
        QCOMPARE(dialogs_.boxes[0].title, QStringLiteral("Policy File Error"));
        QCOMPARE(dialogs_.boxes[0].text, "Can't find policy file \"" + Data("missing.pol") + "\"");

        // A file with a line that does not parse still loads the rest; its policies apply.
        test::WriteFile(Data("house.pol"), "Default TABLE border size : 7\nthis is no policy\n");
        policy->setEditText(Data("house.pol"));
        QMetaObject::invokeMethod(policy, "activated", Q_ARG(int, 0));
        QCOMPARE(dialogs_.boxes.size(), size_t(1));
        QVERIFY(Window().Status().isVisible());
        QVERIFY(Window().Status().Lines().join('\n').contains("POLICY: Ignored"));
        test::WriteFile(Data("t.csv"), "1,2\n");
        Choose(Data("t.csv"), 2);
        QVERIFY(Window().Convert());
        QVERIFY(test::ReadFile(Data("t.html")).contains("BORDER=7"));

        // Saved under a name without an extension: ".pol" is added; changed policies only.
        dialogs_.fileToSave = Data("saved");
        test::FindAction(Window(), "&Save policy file...")->trigger();
        const QByteArray saved = test::ReadFile(Data("saved.pol"));
        QVERIFY2(saved.contains("Default TABLE border size         : 7"), saved.constData());
        QVERIFY(!saved.contains("Default TABLE cell padding"));
        QVERIFY(Window().close());
        QVERIFY(dialogs_.questions.empty());
    }
    void questionOnClose_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes") << int(Answer::Yes) << true << true;
        QTest::newRow("no") << int(Answer::No) << true << false;
        QTest::newRow("cancel") << int(Answer::Cancel) << false << false;
    }
    void questionOnClose() {
        QFETCH(int, answer);
        test::WriteFile(Data("house.pol"), "Default TABLE border size : 7\n");
        auto* policy = Child<QComboBox>("policyFile");
        policy->setEditText(Data("house.pol"));
        QMetaObject::invokeMethod(policy, "activated", Q_ARG(int, 0));
        QVERIFY(!Window().PoliciesModified());
        Window().show();
        Child<QWidget>("resetPolicies")->setFocus();
        QTest::mouseClick(Child<QWidget>("resetPolicies"), Qt::LeftButton);
        QVERIFY(Window().PoliciesModified());

        dialogs_.answer = static_cast<Answer>(answer);
        dialogs_.fileToSave = Data("reset");
        dialogs_.choice = 1;  // every policy
        const bool closed = Window().close();
        QTEST(closed, "closed");
        QCOMPARE(dialogs_.questions.size(), size_t(1));
        QCOMPARE(dialogs_.questions[0].title, QStringLiteral("Save Changes"));
        QCOMPARE(dialogs_.questions[0].text, QStringLiteral("Save changes made to your policy?"));
        QTEST(QFile::exists(Data("reset.pol")), "saved");
        if (QFile::exists(Data("reset.pol")))
            QVERIFY(test::ReadFile(Data("reset.pol"))
                        .contains("Default TABLE border size         : (none)"));
        if (!closed) Window().hide();
    }

  private:
    MainWindow& Window() { return *window_; }
    template <typename T>
    T* Child(const char* name) {
        return window_->findChild<T*>(QLatin1String(name));
    }
    QString Data(const QString& name) const { return work_->filePath(name); }
    void Choose(const QString& files, int inputType) {
        Child<QComboBox>("fileList")->setEditText(files);
        Child<QComboBox>("inputType")->setCurrentIndex(inputType);
    }

    test::IsolatedDesktop desktop_;
    test::RecordedDialogs dialogs_;
    std::unique_ptr<QTemporaryDir> work_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
