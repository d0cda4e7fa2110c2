#include "frontend/browser_detection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>
#include <algorithm>

namespace tabulyst {

namespace {

struct KnownBrowser {
    const char* program;
    const char* ddeServerName;
    bool useDde;
    bool autoView;
};

const KnownBrowser kKnownBrowsers[] = {
    {"iexplore.exe", "IExplore", true, true},
    {"netscape.exe", "NETSCAPE", true, true},
    {"netscp6.exe", "Mozilla", false, false},
    {"opera.exe", "Opera", true, true},
};
const BrowserDefaults kUnknownBrowser{QStringLiteral("IExplore"), false, false};

bool NamesProgram(const QString& text) {
    if (text.contains(QLatin1Char('/'))) return QFileInfo(text).isFile();
    return !QStandardPaths::findExecutable(text).isEmpty();
}

// Directories from an XDG variable, or its default when unset or empty.
QStringList XdgDirectories(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return (value.isEmpty() ? fallback : value).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QString XdgHome(const char* variable, const QString& underHome) {
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QDir::homePath() + underHome : value;
}

QStringList DataDirectories() {
    QStringList dirs{XdgHome("XDG_DATA_HOME", QStringLiteral("/.local/share"))};
    dirs << XdgDirectories("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    return dirs;
}

// The value of a key in a section of a desktop-entry style file; empty when absent.
QString IniValue(const QString& path, const QString& section, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
    QTextStream in(&file);
    bool inSection = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line == QLatin1Char('[') + section + QLatin1Char(']');
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inSection && equals > 0 && line.left(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return QString();
}

// The mimeapps.list files in the order the desktop consults them.
QStringList MimeAppsFiles() {
    QStringList files;
    const QString desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower();
    QStringList configDirs{XdgHome("XDG_CONFIG_HOME", QStringLiteral("/.config"))};
    configDirs << XdgDirectories("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    for (const QString& dir : configDirs) {
        for (const QString& desktop : desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts))
            files << dir + QLatin1Char('/') + desktop + QLatin1String("-mimeapps.list");
        files << dir + QLatin1String("/mimeapps.list");
    }
    for (const QString& dir : DataDirectories())
        files << dir + QLatin1String("/applications/mimeapps.list");
    return files;
}

}  // namespace

QString ProgramPartOfCommand(const QString& command) {
    qsizetype cut = -1;
    for (qsizetype i = 1; i < command.size(); ++i) {
        const QChar c = command[i];
        const bool switchStart =
            (c == QLatin1Char('-') || c == QLatin1Char('/')) && command[i - 1] == QLatin1Char(' ');
        if (c == QLatin1Char('%') || switchStart) {
            cut = i;
            break;
        }
    }
    QString text = command;
    if (cut >= 0) text.truncate(command[cut - 1] == QLatin1Char(' ') ? cut - 1 : cut);
    text.remove(QLatin1Char('"'));
    text = text.trimmed();
    while (text.size() > 1 && !NamesProgram(text)) {
        const qsizetype blank = text.lastIndexOf(QLatin1Char(' '));
        if (blank < 0) return QString();
        text = text.left(blank).trimmed();
    }
    return NamesProgram(text) ? text : QString();
}

QString RegisteredCommand(const QString& extension, const QString& secondExtension) {
    for (const QString& ext : {extension, secondExtension}) {
        if (ext.isEmpty()) continue;
        const QMimeType type = QMimeDatabase().mimeTypeForFile(QLatin1String("x") + ext,
                                                               QMimeDatabase::MatchExtension);
        if (!type.isValid() || type.isDefault()) continue;
        for (const QString& list : MimeAppsFiles()) {
            const QString entries =
                IniValue(list, QStringLiteral("Default Applications"), type.name());
            for (const QString& id : entries.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                for (const QString& dir : DataDirectories()) {
                    const QString desktopFile = dir + QLatin1String("/applications/") + id;
                    if (!QFileInfo(desktopFile).isFile()) continue;
                    const QString program = ProgramPartOfCommand(IniValue(
                        desktopFile, QStringLiteral("Desktop Entry"), QStringLiteral("Exec")));
                    if (!program.isEmpty()) return program;
                }
            }
        }
    }
    return QString();
}

BrowserDefaults BrowserDefaultsFor(const QString& command) {
    const QString lower = command.toLower();
    const auto* known = std::find_if(
        std::begin(kKnownBrowsers), std::end(kKnownBrowsers),
        [&](const KnownBrowser& b) { return lower.contains(QLatin1String(b.program)); });
    if (lower.isEmpty() || known == std::end(kKnownBrowsers)) return kUnknownBrowser;
    return BrowserDefaults{QLatin1String(known->ddeServerName), known->useDde, known->autoView};
}

}  // namespace tabulyst
