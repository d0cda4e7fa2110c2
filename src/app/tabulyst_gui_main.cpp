// The desktop program: the main window, or a run over the files named in the parameters.
#include <QApplication>

#include "frontend/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tabulyst::MainWindow window(tabulyst::DesktopDialogs());
    const tabulyst::StartupDecision decision = window.StartWith(QApplication::arguments().mid(1));
    if (!decision.showWindow) {
        window.SaveSettingsNow();
        return decision.exitStatus;
    }
    window.show();
    const int status = QApplication::exec();
    return decision.exitStatus != 0 ? decision.exitStatus : status;
}
