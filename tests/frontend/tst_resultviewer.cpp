// Viewing results: the URL a path becomes, and viewers started as programs with their
// arguments, never through a shell.
#include <QDesktopServices>
#include <QtTest>

#include "frontend/result_viewer.h"
#include "frontend/settings.h"
#include "frontend_test_support.h"

using namespace tabulyst;

class tst_ResultViewer : public QObject {
    Q_OBJECT
  public slots:
    // Stands in for the desktop's default handler of file URLs.
    void openedByDesktop(const QUrl& url) { desktopUrls_ << url; }

  private slots:
    void resultUrl_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("prefix");
        QTest::addColumn<QString>("url");
        QTest::newRow("plain") << "/out/t.html" << true << "file://localhost/out/t.html";
        QTest::newRow("blanks") << "/my docs/q 1.html" << true
                                << "file://localhost/my%20docs/q%201.html";
        QTest::newRow("hash and percent")
            << "/out/#1 100%.html" << true << "file://localhost/out/%231%20100%25.html";
        QTest::newRow("escape-like")
            << "/out/a%41.html" << true << "file://localhost/out/a%2541.html";
        QTest::newRow("non-ASCII") << "/out/ü.html" << true << "file://localhost/out/%C3%BC.html";
        QTest::newRow("colon kept, no cut")
            << "/a:b/" + QString(300, 'x') + ".html" << true
            << "file://localhost/a:b/" + QString(300, 'x') + ".html";
        QTest::newRow("without prefix") << "/my docs/#1.html" << false << "/my docs/#1.html";
    }
    void resultUrl() {
        QFETCH(QString, path);
        QFETCH(bool, prefix);
        QTEST(ResultUrl(path, prefix), "url");
    }
    void viewerCommand_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("command");  // %1: the recorder
        QTest::addColumn<QStringList>("arguments");
        const QString odd = "/tmp/it's \"a\" $(touch x); y #1.html";
        QTest::newRow("browser with arguments")
            << odd << "%1 --new-window \"two words\""
            << QStringList{"--new-window", "two words",
                           "file://localhost/tmp/it's%20%22a%22%20$(touch%20x);%20y%20%231.html"};
        QTest::newRow("program path with blanks")
            << "/tmp/r.html"
            << "%1" << QStringList{"file://localhost/tmp/r.html"};
        QTest::newRow("RTF viewer gets the path") << "/tmp/a b;c.rtf"
                                                  << "%1 -o" << QStringList{"-o", "/tmp/a b;c.rtf"};
    }
    void viewerCommand() {
        QFETCH(QString, result);
        QFETCH(QString, command);
        const QString recorder = MakeRecorder(QStringLiteral("my viewer"));
        // A program path with blanks works only as the whole command.
        const QString program = command == QLatin1String("%1") ? recorder : "\"" + recorder + "\"";
        Settings settings;
        (result.endsWith(".rtf") ? settings.viewRtfCommand : settings.browserCommand) =
            command.arg(program);
        ResultViewer(settings, dialogs_.Make(), nullptr).View(result);
        QTEST(Recorded(), "arguments");
        QVERIFY(dialogs_.boxes.empty());
    }
    void failedStartIsReported() {
        Settings settings;
        settings.browserCommand = QStringLiteral("/nonexistent/browser --x");
        test::RecordedDialogs dialogs;
        ResultViewer(settings, dialogs.Make(), nullptr).View(QStringLiteral("/out/url.html"));
        QCOMPARE(dialogs.boxes.size(), size_t(1));
        QCOMPARE(dialogs.boxes[0].title, QStringLiteral("Error launching browser"));
        QCOMPARE(
            dialogs.boxes[0].text,
            QStringLiteral("Command \"/nonexistent/browser --x file://localhost/out/url.html\" "
                           "failed.\n  Error code=0"));
    }
    void desktopHandlerWhenNothingConfigured() {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedByDesktop");
        Settings settings;
        ResultViewer(settings, dialogs_.Make(), nullptr).View(QStringLiteral("/out/a b.html"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(desktopUrls_, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/out/a b.html"))});
    }

  private:
    // A viewer that writes each argument it receives on a line of its own.
    QString MakeRecorder(const QString& name) {
        QFile::remove(desktop_.Path("data") + "/recorded");
        const QString path = desktop_.Path("data") + "/" + name;
        test::WriteFile(path, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                                  desktop_.Path("data").toUtf8() + "/recorded.tmp\"\nmv \"" +
                                  desktop_.Path("data").toUtf8() + "/recorded.tmp\" \"" +
                                  desktop_.Path("data").toUtf8() + "/recorded\"\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    QStringList Recorded() {
        const QString path = desktop_.Path("data") + "/recorded";
        if (!QTest::qWaitFor([&] { return QFile::exists(path); }, 10000))
            return {"(viewer did not run)"};
        return QString::fromUtf8(test::ReadFile(path)).split('\n', Qt::SkipEmptyParts);
    }

    test::IsolatedDesktop desktop_;
    test::RecordedDialogs dialogs_;
    QList<QUrl> desktopUrls_;
};

QTEST_MAIN(tst_ResultViewer)
#include "tst_resultviewer.moc"
