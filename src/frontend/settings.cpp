#include "frontend/settings.h"

#include <QSettings>

#include "frontend/browser_detection.h"

namespace tabulyst {

namespace {

struct TextKey {
    const char* path;
    QString Settings::*field;
};
struct BooleanKey {
    const char* path;
    bool Settings::*field;
};
struct NumberKey {
    const char* path;
    int Settings::*field;
};
struct PositionKey {
    const char* path;  // the window's path; "/Left" and "/Top" below it
    WindowPosition Settings::*field;
};
struct ListKey {
    const char* path;
    MruList list;
};

const TextKey kTextKeys[] = {
    {"CurrentDir", &Settings::currentDir},
    {"BrowserCommand", &Settings::browserCommand},
    {"DDEServerName", &Settings::ddeServerName},
    {"ViewRTFCommand", &Settings::viewRtfCommand},
    {"ViewTextCommand", &Settings::viewTextCommand},
    {"HTMLDoco", &Settings::htmlDoco},
    {"DefaultPolicy/File", &Settings::defaultPolicyFile},
    {"Languages/Language", &Settings::language},
    {"Languages/LanguageFile", &Settings::languageFile},
};

const BooleanKey kBooleanKeys[] = {
    {"DDEWorking", &Settings::ddeWorking},
    {"DefaultPolicy/Used", &Settings::defaultPolicyUsed},
    {"DefaultPolicy/AlwaysReload", &Settings::defaultPolicyAlwaysReload},
    {"UseDDEToViewHTML", &Settings::useDdeToViewHtml},
    {"AutoDDEUpdates", &Settings::autoView},
    {"AddURLPrefix", &Settings::addUrlPrefix},
    {"DragAndDrop/ViewResults", &Settings::dropViewResults},
    {"DragAndDrop/ViewStatusWindow", &Settings::dropViewStatusWindow},
    {"DragAndDrop/StartProgram", &Settings::dropStartProgram},
    {"Dialogs/AutoDismissStatusDialog", &Settings::autoDismissStatusDialog},
    {"Dialogs/DisplayToolTips", &Settings::displayToolTips},
    {"Dialogs/DisplayStatusDialog", &Settings::displayStatusDialog},
    {"Languages/UseLanguageFile", &Settings::useLanguageFile},
    {"Languages/SelectedLanguage", &Settings::selectedLanguage},
    {"Dialogs/Main/ShowPreview", &Settings::showPreview},
};

const NumberKey kNumberKeys[] = {
    {"Languages/Type", &Settings::languageType},
    {"Languages/ClassID", &Settings::languageClassId},
    {"Languages/LanguageID", &Settings::languageId},
    {"Languages/CharsetID", &Settings::charsetId},
    {"Languages/CharsetCode", &Settings::charsetCode},
};

const PositionKey kPositionKeys[] = {
    {"Dialogs/Main", &Settings::mainWindow},     {"Dialogs/Analysis", &Settings::analysisSheet},
    {"Dialogs/Output", &Settings::outputSheet},  {"Dialogs/Settings", &Settings::settingsSheet},
    {"Dialogs/Status", &Settings::statusWindow},
};

const ListKey kListKeys[] = {
    {"Policy", MruList::Policy},
    {"Files", MruList::Files},
    {"OutDir", MruList::OutDir},
    {"InDir", MruList::InDir},
    {"HTMLFragment", MruList::HtmlFragment},
    {"BGIMage", MruList::BgImage},
    {"HTMLHeader", MruList::HtmlHeader},
    {"HTMLFooter", MruList::HtmlFooter},
    {"HTMLScript", MruList::HtmlScript},
};

QString Key(const char* path) {
    return QLatin1String(kSettingsGroup) + QLatin1Char('/') + QLatin1String(path);
}

QString MruKey(const char* path, int index) {
    return Key(path) + QStringLiteral("/MRU%1").arg(index, 2, 10, QLatin1Char('0'));
}

void ReadText(const QSettings& store, const QString& key, QString& value) {
    if (store.contains(key)) value = store.value(key).toString();
}

void ReadBoolean(const QSettings& store, const QString& key, bool& value) {
    const QString text = store.value(key).toString();
    if (text == QLatin1String("Yes")) value = true;
    if (text == QLatin1String("No")) value = false;
}

void ReadNumber(const QSettings& store, const QString& key, int& value) {
    bool ok = false;
    const int number = store.value(key).toString().toInt(&ok, 10);
    if (ok) value = number;
}

QString NumberText(int value) { return QString::number(value); }

void WriteBoolean(QSettings& store, const QString& key, bool value) {
    store.setValue(key, value ? QStringLiteral("Yes") : QStringLiteral("No"));
}

}  // namespace

Settings LoadSettings(QSettings& store) {
    Settings s;
    for (const TextKey& key : kTextKeys) ReadText(store, Key(key.path), s.*key.field);

    // The browser defaults come from the desktop unless a command was stored.
    if (s.browserCommand.isEmpty()) {
        s.browserCommand = RegisteredCommand(QStringLiteral(".htm"), QStringLiteral(".html"));
        const BrowserDefaults defaults = BrowserDefaultsFor(s.browserCommand);
        if (!store.contains(Key("DDEServerName"))) s.ddeServerName = defaults.ddeServerName;
        s.useDdeToViewHtml = defaults.useDde;
        s.autoView = defaults.autoView;
    }

    for (const BooleanKey& key : kBooleanKeys) ReadBoolean(store, Key(key.path), s.*key.field);
    for (const NumberKey& key : kNumberKeys) ReadNumber(store, Key(key.path), s.*key.field);
    for (const PositionKey& key : kPositionKeys) {
        ReadNumber(store, Key(key.path) + QLatin1String("/Left"), (s.*key.field).left);
        ReadNumber(store, Key(key.path) + QLatin1String("/Top"), (s.*key.field).top);
    }
    for (const ListKey& key : kListKeys) {
        QStringList& list = s.List(key.list);
        list.clear();
        for (int i = 0; i < kMruSize; ++i) list << store.value(MruKey(key.path, i)).toString();
    }
    return s;
}

void SaveSettings(QSettings& store, const Settings& s) {
    for (const TextKey& key : kTextKeys) store.setValue(Key(key.path), s.*key.field);
    for (const BooleanKey& key : kBooleanKeys) WriteBoolean(store, Key(key.path), s.*key.field);
    for (const NumberKey& key : kNumberKeys)
        store.setValue(Key(key.path), NumberText(s.*key.field));
    for (const PositionKey& key : kPositionKeys) {
        store.setValue(Key(key.path) + QLatin1String("/Left"), NumberText((s.*key.field).left));
        store.setValue(Key(key.path) + QLatin1String("/Top"), NumberText((s.*key.field).top));
    }
    for (const ListKey& key : kListKeys) {
        const QStringList& list = s.List(key.list);
        for (int i = 0; i < kMruSize; ++i) store.setValue(MruKey(key.path, i), list.value(i));
    }
    store.sync();
}

void Remember(QStringList& list, const QString& text) {
    if (text.isEmpty()) return;
    list.removeAll(text);
    list.removeAll(QString());
    list.prepend(text);
    while (list.size() > kMruSize) list.removeLast();
    while (list.size() < kMruSize) list.append(QString());
}

}  // namespace tabulyst
