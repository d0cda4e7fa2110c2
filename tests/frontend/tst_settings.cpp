// The settings store: every key written, the reading rules, remembered lists, and the
// browser found through the desktop's registrations.
#include <QtTest>

#include "frontend/browser_detection.h"
#include "frontend/settings.h"
#include "frontend_test_support.h"

using namespace tabulyst;

class tst_Settings : public QObject {
    Q_OBJECT
  private slots:
    void init() { test::IsolatedDesktop::ClearSettings(); }
    void firstRunWritesEveryKey() {
        {
            QSettings store(QStringLiteral("Quillon"), QStringLiteral("Tabulyst"));
            QVERIFY(store.allKeys().isEmpty());
            SaveSettings(store, LoadSettings(store));
        }
        QCOMPARE(QFileInfo(desktop_.Path("config") + "/Quillon/Tabulyst.conf").isFile(), true);
        QSettings store(QStringLiteral("Quillon"), QStringLiteral("Tabulyst"));
        // 9 lists of 10, 10 window positions, 5 language numbers, 9 texts, 15 switches.
        QCOMPARE(store.allKeys().size(), 90 + 10 + 5 + 9 + 15);
        QCOMPARE(store.value("4.0/DDEWorking").toString(), QStringLiteral("Yes"));
        QVERIFY(store.contains("4.0/CurrentDir"));
        QVERIFY(store.contains("4.0/Files/MRU09"));
        QVERIFY(store.contains("4.0/HTMLScript/MRU00"));
        QVERIFY(store.contains("4.0/Languages/CharsetCode"));
        // No browser is registered here: the defaults of an unknown browser.
        QCOMPARE(store.value("4.0/DDEServerName").toString(), QStringLiteral("IExplore"));
        QCOMPARE(store.value("4.0/UseDDEToViewHTML").toString(), QStringLiteral("No"));
    }
    void booleanReading_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("tips");          // default Yes
        QTest::addColumn<bool>("startProgram");  // default Yes
        QTest::addColumn<bool>("autoDismiss");   // default No
        QTest::newRow("Yes") << "Yes" << true << true << true;
        QTest::newRow("No") << "No" << false << false << false;
        QTest::newRow("lower case") << "yes" << true << true << false;
        QTest::newRow("number") << "1" << true << true << false;
        QTest::newRow("empty") << "" << true << true << false;
    }
    void booleanReading() {
        QFETCH(QString, stored);
        for (const char* key : {"Dialogs/DisplayToolTips", "DragAndDrop/StartProgram",
                                "Dialogs/AutoDismissStatusDialog"})
            test::IsolatedDesktop::WriteSetting(QStringLiteral("4.0/") + key, stored);
        QSettings store(QStringLiteral("Quillon"), QStringLiteral("Tabulyst"));
        const Settings s = LoadSettings(store);
        QTEST(s.displayToolTips, "tips");
        QTEST(s.dropStartProgram, "startProgram");
        QTEST(s.autoDismissStatusDialog, "autoDismiss");
    }
    void rememberedList() {
        QStringList list;
        for (int i = 0; i < 12; ++i) Remember(list, QString::number(i));
        QCOMPARE(list, (QStringList{"11", "10", "9", "8", "7", "6", "5", "4", "3", "2"}));
        Remember(list, QStringLiteral("5"));
        QCOMPARE(list.mid(0, 3), (QStringList{"5", "11", "10"}));
        QCOMPARE(list.size(), kMruSize);
        QCOMPARE(list.count(QStringLiteral("5")), 1);
    }
    void registeredBrowser_data() {
        QTest::addColumn<QString>("program");  // below the test's data directory
        QTest::addColumn<QString>("exec");     // %1: the program's path
        QTest::addColumn<QString>("server");
        QTest::addColumn<bool>("useDde");
        // Blanks in the path, a hyphen inside the name, quotes and a switch after it.
        QTest::newRow("switch and field code") << "My Apps/web-browser"
                                               << "\"%1\" --new-window %U"
                                               << "IExplore" << false;
        QTest::newRow("old Mozilla") << "bin/netscp6.exe"
                                     << "%1 %u"
                                     << "Mozilla" << false;
        QTest::newRow("Opera") << "bin/opera.exe"
                               << "%1 -url %u"
                               << "Opera" << true;
    }
    void registeredBrowser() {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        const QString path = desktop_.Path("data") + "/" + program;
        test::WriteFile(path, "#!/bin/sh\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        test::WriteFile(desktop_.Path("data") + "/applications/test-browser.desktop",
                        "[Desktop Entry]\nName=Test\nExec=" + exec.arg(path).toUtf8() + "\n");
        test::WriteFile(
            desktop_.Path("config") + "/mimeapps.list",
            "[Added Associations]\ntext/html=other.desktop;\n"
            "[Default Applications]\ntext/html=missing.desktop;test-browser.desktop;\n");

        QCOMPARE(RegisteredCommand(QStringLiteral(".htm"), QStringLiteral(".html")), path);
        QSettings store(QStringLiteral("Quillon"), QStringLiteral("Tabulyst"));
        const Settings s = LoadSettings(store);
        QCOMPARE(s.browserCommand, path);
        QTEST(s.ddeServerName, "server");
        QTEST(s.useDdeToViewHtml, "useDde");
        QCOMPARE(s.autoView, s.useDdeToViewHtml);
        QFile::remove(desktop_.Path("config") + "/mimeapps.list");
    }

  private:
    test::IsolatedDesktop desktop_;
};

QTEST_MAIN(tst_Settings)
#include "tst_settings.moc"
