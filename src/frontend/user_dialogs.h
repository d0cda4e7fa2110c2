// Every box and chooser the front end opens, as replaceable functions: the tests put
// their own in place to see titles and texts and to answer for the user.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace tabulyst {

// An answer to a yes/no/cancel question.
enum class Answer { Yes, No, Cancel };

struct UserDialogs {
    // A warning with an exclamation icon and an OK button.
    std::function<void(QWidget* parent, const QString& title, const QString& text)> warn;
    // An information box (the About box).
    std::function<void(QWidget* parent, const QString& title, const QString& text)> inform;
    // A question answered with Yes, No or Cancel.
    std::function<Answer(QWidget* parent, const QString& title, const QString& text)> ask;
    // A choice among labelled answers: the index chosen, or -1 when cancelled.
    std::function<int(QWidget* parent, const QString& title, const QString& text,
                      const QStringList& answers)>
        choose;
    // File choosers: existing files (several), one existing file, a file to save, a folder.
    // Each returns nothing when cancelled.
    std::function<QStringList(QWidget* parent, const QString& caption, const QString& directory,
                              const QString& filter)>
        openFiles;
    std::function<QString(QWidget* parent, const QString& caption, const QString& directory,
                          const QString& filter)>
        openFile;
    std::function<QString(QWidget* parent, const QString& caption, const QString& directory,
                          const QString& filter)>
        saveFile;
    std::function<QString(QWidget* parent, const QString& caption, const QString& directory)>
        chooseDirectory;
    // The colour and font choosers, starting from the value shown.
    std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> chooseColour;
    std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)> chooseFont;
};

// The desktop's boxes and choosers. Where no one can answer (a platform without a
// display), a box becomes a line on standard error and a chooser is cancelled.
UserDialogs DesktopDialogs();

// True when the program runs on a platform a user can see and answer.
bool InteractiveDisplay();

}  // namespace tabulyst
