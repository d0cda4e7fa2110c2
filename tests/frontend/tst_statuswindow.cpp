// The status window keeps every line and trims what it shows once the text grows long.
#include <QtTest>

#include "frontend/status_window.h"

using tabulyst::StatusWindow;

class tst_StatusWindow : public QObject {
    Q_OBJECT
  private slots:
    void splitsAtLineFeeds() {
        StatusWindow window;
        window.AddText(QStringLiteral("first"));
        window.AddText(QStringLiteral("Line 12 - WARNING: one\ntwo"));
        QCOMPARE(window.Lines(), (QStringList{"first", "Line 12 - WARNING: one", "two"}));
        QCOMPARE(window.ShownText(), QStringLiteral("first\nLine 12 - WARNING: one\ntwo"));
        window.Clear();
        QVERIFY(window.Lines().isEmpty());
        QVERIFY(window.ShownText().isEmpty());
    }
    void showsLastFiftyLinesPastTheLimit() {
        // Lines of 59 characters and a line feed: the 334th brings the text to 20040.
        StatusWindow window;
        QStringList sent;
        for (int i = 1; i <= 334; ++i) {
            sent << QStringLiteral("line %1 ")
                        .arg(i, 4, 10, QLatin1Char('0'))
                        .leftJustified(59, QLatin1Char('.'));
            window.AddText(sent.back());
            if (i == 333) QCOMPARE(window.ShownText().count(QLatin1Char('\n')), 332);
        }
        QCOMPARE(window.Lines(), sent);
        QCOMPARE(window.ShownText(), sent.mid(334 - 50).join(QLatin1Char('\n')));
        // Later lines are added to the trimmed text.
        window.AddText(QStringLiteral("after"));
        QCOMPARE(window.ShownText(),
                 (sent.mid(334 - 50) << QStringLiteral("after")).join(QLatin1Char('\n')));
    }
};

QTEST_MAIN(tst_StatusWindow)
#include "tst_statuswindow.moc"
