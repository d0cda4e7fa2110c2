// Opening a result: an HTML result in the browser, an RTF result in its viewer, with the
// commands from the settings, else the desktop's registered ones, else its default handler.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tabulyst {

struct Settings;
struct UserDialogs;

// What the browser receives for a result file: with the prefix, "file://localhost" and
// the absolute path percent-encoded; without it, the path as it is.
QString ResultUrl(const QString& path, bool addPrefix);

// A viewer command as a program and its arguments. A command that names an existing file
// as a whole is that program alone (its path may hold blanks); any other is split the way
// a shell splits words, quotes included, but never run through a shell.
struct ViewerCommand {
    QString program;
    QStringList arguments;
};
ViewerCommand SplitViewerCommand(const QString& command);

class ResultViewer {
  public:
    // Commands found through the desktop are kept in the settings for the next time.
    ResultViewer(Settings& settings, const UserDialogs& dialogs, QWidget* parent);

    // Views a result file: ".rtf" in the RTF viewer, anything else in the browser.
    void View(const QString& resultPath);
    // Opens a URL (or a plain path) in the browser command.
    void OpenInBrowser(const QString& url, const QString& command);
    // Starts a viewer command with the file name as its last argument.
    void LaunchViewer(const QString& fileName, const QString& command);
    // Opens a file with the text viewer command, else the desktop's default handler.
    void ViewText(const QString& path);

  private:
    // Starts the command detached with one more argument; reports a failure.
    void Launch(const QString& command, const QString& argument);

    Settings& settings_;
    const UserDialogs& dialogs_;
    QWidget* parent_;
};

}  // namespace tabulyst
