// Renders the main window and the status window after a conversion of an example, and the
// "Table generation" page in English and German, into PNG files without a display:
// tabulyst-screenshots EXAMPLE.csv OUTPUT_DIRECTORY.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <iostream>

#include "frontend/main_window.h"
#include "frontend/property_sheet.h"
#include "frontend/status_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::cerr << "usage: tabulyst-screenshots EXAMPLE.csv OUTPUT_DIRECTORY\n";
        return 2;
    }
    // A fixed place, so that the pictures change only when the program does.
    QDir work(QDir::temp().filePath(QStringLiteral("tabulyst-example")));
    work.removeRecursively();
    const QString input = work.filePath(QStringLiteral("sales.csv"));
    if (!work.mkpath(QStringLiteral(".")) || !QFile::copy(arguments[1], input)) {
        std::cerr << "cannot copy " << arguments[1].toStdString() << '\n';
        return 1;
    }
    {
        QSettings store(QStringLiteral("Quillon"), QStringLiteral("Tabulyst"));
        store.setValue(QStringLiteral("4.0/Dialogs/Main/ShowPreview"), QStringLiteral("Yes"));
    }

    tabulyst::MainWindow window(tabulyst::DesktopDialogs());
    window.resize(1100, 420);
    window.show();
    window.SetFiles({input});
    window.findChild<QComboBox*>(QStringLiteral("inputType"))->setCurrentIndex(2);
    if (!window.Convert()) return 1;
    window.Status().resize(720, 300);
    window.Status().show();

    const QDir out(arguments[2]);
    bool saved = window.grab().save(out.filePath(QStringLiteral("main-window.png"))) &&
                 window.Status().grab().save(out.filePath(QStringLiteral("status-window.png")));
    // The "Table generation" page, in English and in German.
    for (auto [language, name] : {std::pair{tabulyst::UiLanguage::English, "table-generation.png"},
                                  {tabulyst::UiLanguage::German, "table-generation-de.png"}}) {
        window.SwitchLanguage(language);
        tabulyst::PropertySheet* sheet = window.OpenSheet(tabulyst::PageId::TableGeneration);
        sheet->resize(620, 520);
        saved = saved && sheet->grab().save(out.filePath(QLatin1String(name)));
        sheet->reject();
    }
    window.SwitchLanguage(tabulyst::UiLanguage::English);
    work.removeRecursively();
    return saved ? 0 : 1;
}
