// The desktop program's own settings (viewers, window positions, drag-and-drop behaviour,
// language, remembered lists), kept per user between runs.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

class QSettings;

namespace tabulyst {

// The remembered lists, each of kMruSize entries, most recent first.
enum class MruList {
    Policy,
    Files,
    OutDir,
    InDir,
    HtmlFragment,
    BgImage,
    HtmlHeader,
    HtmlFooter,
    HtmlScript
};
inline constexpr int kMruListCount = 9;
inline constexpr int kMruSize = 10;

// A screen position kept for a window.
struct WindowPosition {
    int left = 0;
    int top = 0;
};

struct Settings {
    QString currentDir;
    QString browserCommand;
    QString ddeServerName;
    bool ddeWorking = true;
    QString viewRtfCommand;
    QString viewTextCommand;
    QString htmlDoco;
    QString defaultPolicyFile;
    bool defaultPolicyUsed = false;
    bool defaultPolicyAlwaysReload = false;
    bool useDdeToViewHtml = false;
    bool autoView = false;  // view results after each conversion
    bool addUrlPrefix = true;
    // The drag-and-drop and dialog switches; their initial values are this program's choice.
    bool dropViewResults = false;
    bool dropViewStatusWindow = false;
    bool dropStartProgram = true;
    bool autoDismissStatusDialog = false;
    bool displayToolTips = true;
    bool displayStatusDialog = true;
    QString language;
    QString languageFile;
    bool useLanguageFile = false;
    bool selectedLanguage = false;
    int languageType = 0;
    int languageClassId = 0;
    int languageId = 0;
    int charsetId = 0;
    int charsetCode = 0;
    WindowPosition mainWindow, analysisSheet, outputSheet, settingsSheet, statusWindow;
    bool showPreview = false;                      // the preview pane of the main window
    std::array<QStringList, kMruListCount> lists;  // kMruSize entries each, empty texts included

    QStringList& List(MruList list) { return lists[static_cast<size_t>(list)]; }
    const QStringList& List(MruList list) const { return lists[static_cast<size_t>(list)]; }
};

// The group every key lives below: the version of the settings' layout.
inline constexpr const char* kSettingsGroup = "4.0";

// Reads every key; a missing key, or a boolean that is neither "Yes" nor "No", or a
// number that is not decimal, keeps the default. When no browser command is stored, the
// desktop's registered HTML viewer gives the browser defaults.
Settings LoadSettings(QSettings& store);
// Writes every key: booleans as "Yes"/"No", numbers as decimal text, all list entries.
void SaveSettings(QSettings& store, const Settings& settings);
// Puts a text at the top of a remembered list: an entry already present moves up, the
// list keeps kMruSize entries.
void Remember(QStringList& list, const QString& text);

}  // namespace tabulyst
