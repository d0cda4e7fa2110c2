// The desktop program started with files and no display: it converts them as the
// command-line program does and ends with the run's status, without showing a window.
#include <QProcess>
#include <QtTest>

#include "frontend_test_support.h"

class tst_Startup : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        work_ = std::make_unique<QTemporaryDir>();
        tabulyst::test::WriteFile(Work("config/Quillon/Tabulyst.conf"),
                                  "[4.0]\nDragAndDrop\\StartProgram=No\n");
    }
    void cleanup() {
        tabulyst::testing_support::KeepDocumentsIn(QTest::currentTestFunction(),
                                                   work_->path().toStdString());
    }
    void sameDocumentAsCommandLine_data() {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("qualifiers");
        QTest::addColumn<QString>("result");
        QTest::newRow("comma") << "sales.csv"
                               << "data.csv" << QStringList{"-comma"} << "data.html";
        QTest::newRow("tabbed") << "inventory.tsv"
                                << "data.tsv" << QStringList{"-tabbed"} << "data.html";
        QTest::newRow("plain text") << "statement.txt"
                                    << "data.txt" << QStringList{} << "data.html";
        QTest::newRow("RTF") << "sales.csv"
                             << "data.csv" << QStringList{"-rtf", "-comma"} << "data.rtf";
    }
    void sameDocumentAsCommandLine() {
        QFETCH(QString, example);
        QFETCH(QString, input);
        QFETCH(QStringList, qualifiers);
        QFETCH(QString, result);
        QVERIFY(QFile::copy(TABULYST_EXAMPLES "/" + example, Work(input)));
        QCOMPARE(Run(TABULYST_BINARY, qualifiers + QStringList{input}), 0);
        QVERIFY(QFile::rename(Work(result), Work("expected")));
        QCOMPARE(Run(TABULYST_GUI_BINARY, qualifiers + QStringList{input}), 0);
        // An RTF document holds the minute it was made.
        auto document = [&](const QString& name) {
            return QString::fromLatin1(tabulyst::test::ReadFile(Work(name)))
                .remove(QRegularExpression("\\{\\\\creatim[^}]*\\}"));
        };
        QVERIFY(!document(result).isEmpty());
        QCOMPARE(document(result), document("expected"));
    }
    void failedRunEndsWithStatusOne() {
        QCOMPARE(Run(TABULYST_GUI_BINARY, {"-comma", "missing.csv"}), 1);
        tabulyst::test::WriteFile(Work("a.csv"), "1,2\n");
        QVERIFY(QDir().mkpath(Work("a.html")));  // the document cannot be created
        QCOMPARE(Run(TABULYST_GUI_BINARY, {"-comma", "a.csv"}), 1);
    }
    void unusableSettingsStillConvert_data() {
        QTest::addColumn<bool>("directory");
        QTest::newRow("garbage") << false;
        QTest::newRow("not a file") << true;
    }
    void unusableSettingsStillConvert() {
        QFETCH(bool, directory);
        const QString settings = Work("config/Quillon/Tabulyst.conf");
        QFile::remove(settings);
        if (directory)
            QVERIFY(QDir().mkpath(settings));
        else
            tabulyst::test::WriteFile(
                settings, QByteArray("\x01\xff[[[\n=\n\\\\\n[4.0\nDDEWorking=No\n", 26));
        tabulyst::test::WriteFile(Work("a.csv"), "1,2\n");
        // The default is to show the window afterwards; with no display the program ends.
        QCOMPARE(Run(TABULYST_GUI_BINARY, {"-comma", "a.csv"}), 0);
        QVERIFY(QFile::exists(Work("a.html")));
    }
    void policyRecord_data() {
        QTest::addColumn<QString>("qualifier");
        QTest::addColumn<bool>("everyPolicy");
        QTest::newRow("stated only") << "-policy" << false;
        QTest::newRow("every policy") << "-Policy=ALL" << true;
    }
    void policyRecord() {
        QFETCH(QString, qualifier);
        QFETCH(bool, everyPolicy);
        tabulyst::test::WriteFile(Work("a.csv"), "1,2\n");
        tabulyst::test::WriteFile(Work("house.pol"), "Default TABLE border size : 3\n");
        const QStringList arguments{"-comma", qualifier, "house.pol", "a.csv"};
        QCOMPARE(Run(TABULYST_BINARY, arguments), 0);
        const QByteArray record = tabulyst::test::ReadFile(Work("a.pol"));
        QVERIFY(record.contains("Default TABLE border size         : 3\n"));
        // Policies nobody stated, from several sections, with their defaults.
        for (const char* line :
             {"TAB size                          : 8\n", "Paper size                        : A4\n",
              "Default TABLE cell padding        : 2\n"})
            QCOMPARE(record.contains(line), everyPolicy);
        QVERIFY(!QFile::exists(Work("all.pol")));
        // The desktop program started with the same parameters writes the same record.
        QVERIFY(QFile::remove(Work("a.pol")));
        QCOMPARE(Run(TABULYST_GUI_BINARY, arguments), 0);
        QCOMPARE(tabulyst::test::ReadFile(Work("a.pol")), record);
    }

  private:
    // Runs a program in the work directory with the test's settings; its exit status.
    int Run(const QString& program, const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", Work("config"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(work_->path());
        process.start(program, arguments);
        if (!process.waitForFinished(60000)) {
            process.kill();
            return -1;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    QString Work(const QString& name) const { return work_->filePath(name); }

    std::unique_ptr<QTemporaryDir> work_;
};

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
