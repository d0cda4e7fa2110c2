#include "frontend/result_viewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "frontend/browser_detection.h"
#include "frontend/catalogue_text.h"
#include "frontend/settings.h"
#include "frontend/user_dialogs.h"

namespace tabulyst {

QString ResultUrl(const QString& path, bool addPrefix) {
    if (!addPrefix) return path;
    QUrl url;
    url.setScheme(QStringLiteral("file"));
    url.setHost(QStringLiteral("localhost"));
    // Decoded mode: a "%" in a file name is a character of the name, not an escape.
    url.setPath(QFileInfo(path).absoluteFilePath(), QUrl::DecodedMode);
    return url.toString(QUrl::FullyEncoded);
}

ViewerCommand SplitViewerCommand(const QString& command) {
    if (QFileInfo(command).isFile()) return {command, {}};
    QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty()) return {};
    const QString program = words.takeFirst();
    return {program, words};
}

ResultViewer::ResultViewer(Settings& settings, const UserDialogs& dialogs, QWidget* parent)
    : settings_(settings), dialogs_(dialogs), parent_(parent) {}

void ResultViewer::View(const QString& resultPath) {
    const bool rtf = resultPath.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive);
    QString& command = rtf ? settings_.viewRtfCommand : settings_.browserCommand;
    if (command.isEmpty())
        command = rtf ? RegisteredCommand(QStringLiteral(".rtf"), QStringLiteral(".doc"))
                      : RegisteredCommand(QStringLiteral(".htm"), QStringLiteral(".html"));
    if (command.isEmpty()) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(resultPath))) return;
        dialogs_.warn(parent_, CatalogueText(MessageId::FailedToAutoDetectBrowser),
                      CatalogueText(MessageId::LocateBrowserManually));
        return;
    }
    if (rtf)
        LaunchViewer(resultPath, command);
    else
        OpenInBrowser(ResultUrl(resultPath, settings_.addUrlPrefix), command);
}

void ResultViewer::OpenInBrowser(const QString& url, const QString& command) {
    if (url.isEmpty()) {
        dialogs_.warn(parent_, CatalogueText(MessageId::ErrorLaunchingBrowser),
                      CatalogueText(MessageId::NoUrlSupplied));
        return;
    }
    if (!command.isEmpty()) Launch(command, url);
}

void ResultViewer::LaunchViewer(const QString& fileName, const QString& command) {
    if (fileName.isEmpty()) {
        dialogs_.warn(parent_, CatalogueText(MessageId::ErrorLaunchingBrowser),
                      CatalogueText(MessageId::NoFilenameSupplied));
        return;
    }
    Launch(command, fileName);
}

void ResultViewer::ViewText(const QString& path) {
    if (!settings_.viewTextCommand.isEmpty()) return LaunchViewer(path, settings_.viewTextCommand);
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return;
    dialogs_.warn(parent_, CatalogueText(MessageId::FailedToAutoDetectBrowser),
                  CatalogueText(MessageId::LocateBrowserManually));
}

void ResultViewer::Launch(const QString& command, const QString& argument) {
    const ViewerCommand viewer = SplitViewerCommand(command);
    QProcess process;
    process.setProgram(viewer.program);
    process.setArguments(QStringList(viewer.arguments) << argument);
    if (!viewer.program.isEmpty() && process.startDetached()) return;
    const QString text = FillPlaceholders(
        CatalogueText(MessageId::CommandFailed),
        {{QStringLiteral("ccc"), command},
         {QStringLiteral("url"), argument},
         {QStringLiteral("nnn"), QString::number(static_cast<int>(process.error()))}});
    dialogs_.warn(parent_, CatalogueText(MessageId::ErrorLaunchingBrowser), text);
}

}  // namespace tabulyst
