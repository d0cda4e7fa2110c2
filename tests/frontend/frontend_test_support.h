// Front-end tests run with their own settings and desktop registrations, and answer the
// program's boxes and choosers themselves.
#pragma once

#include <QAction>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <vector>

#include "frontend/user_dialogs.h"
#include "kept_documents.h"

namespace tabulyst::test {

// Points the XDG directories at an empty temporary tree. The settings store reads its
// location once per process, so this is done once, before any settings are touched.
class IsolatedDesktop {
  public:
    IsolatedDesktop() {
        for (const char* sub : {"config", "etc", "data", "share"})
            QDir(root_.path()).mkpath(QLatin1String(sub));
        qputenv("XDG_CONFIG_HOME", Path("config").toUtf8());
        qputenv("XDG_CONFIG_DIRS", Path("etc").toUtf8());
        qputenv("XDG_DATA_HOME", Path("data").toUtf8());
        // The MIME database of the system is still needed to know what ".htm" is.
        qputenv("XDG_DATA_DIRS", (Path("share") + QLatin1String(":/usr/share")).toUtf8());
    }
    QString Path(const char* sub) const { return root_.filePath(QLatin1String(sub)); }
    // Empties the program's settings store.
    static void ClearSettings() {
        QSettings store(QStringLiteral("Quillon"), QStringLiteral("Tabulyst"));
        store.clear();
        store.sync();
    }
    static void WriteSetting(const QString& key, const QString& value) {
        QSettings store(QStringLiteral("Quillon"), QStringLiteral("Tabulyst"));
        store.setValue(key, value);
        store.sync();
    }

  private:
    QTemporaryDir root_;
};

// A box the program showed.
struct Box {
    QString title;
    QString text;
};

// Records every box and answers every question and chooser as the test sets it up.
struct RecordedDialogs {
    std::vector<Box> boxes;
    QStringList filesToOpen;  // the next multi-file chooser's answer
    int openFilesCalls = 0;
    QString fileToOpen;  // the next single-file chooser's answer
    QString fileToSave;
    Answer answer = Answer::No;
    std::vector<Box> questions;
    int choice = 0;
    std::optional<QColor> colourToChoose;  // the colour chooser's answer
    QColor colourOffered;                  // the colour it was opened with
    std::optional<QFont> fontToChoose;

    UserDialogs Make() {
        UserDialogs d;
        d.warn = [this](QWidget*, const QString& title, const QString& text) {
            boxes.push_back({title, text});
        };
        d.inform = d.warn;
        d.ask = [this](QWidget*, const QString& title, const QString& text) {
            questions.push_back({title, text});
            return answer;
        };
        d.choose = [this](QWidget*, const QString&, const QString&, const QStringList&) {
            return choice;
        };
        d.openFiles = [this](QWidget*, const QString&, const QString&, const QString&) {
            ++openFilesCalls;
            return filesToOpen;
        };
        d.openFile = [this](QWidget*, const QString&, const QString&, const QString&) {
            return fileToOpen;
        };
        d.saveFile = [this](QWidget*, const QString&, const QString&, const QString&) {
            return fileToSave;
        };
        d.chooseDirectory = [](QWidget*, const QString&, const QString&) { return QString(); };
        d.chooseColour = [this](QWidget*, const QColor& initial) {
            colourOffered = initial;
            return colourToChoose;
        };
        d.chooseFont = [this](QWidget*, const QFont&) { return fontToChoose; };
        return d;
    }
};

// The action of the window with this menu text; null, with a warning, when there is none.
inline QAction* FindAction(const QWidget& window, const QString& text) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == text) return action;
    qWarning() << "no action" << text;
    return nullptr;
}

// Writes a file, creating its directory.
inline void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace tabulyst::test
