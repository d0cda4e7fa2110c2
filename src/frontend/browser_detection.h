// Finding the desktop's viewer for a kind of file: the default application registered for
// its MIME type (mimeapps.list in the XDG directories) and that application's command.
#pragma once

#include <QString>

namespace tabulyst {

// The program part of a command line: cut before the first "%" field code or the first
// switch (a "-" or "/" after a blank), quotes removed, and trailing words dropped until
// what is left names an existing program (a path, or a name found on the PATH). Empty
// when nothing is left that does.
QString ProgramPartOfCommand(const QString& command);

// The program registered for opening files with the extension (".htm"), or with the
// second extension when the first has none. Empty when the desktop registers nothing.
QString RegisteredCommand(const QString& extension, const QString& secondExtension = QString());

// What a browser command implies for the DDE settings.
struct BrowserDefaults {
    QString ddeServerName;
    bool useDde = false;
    bool autoView = false;
};
// Looks the known program names up in the lower-cased command; the last row (none of them)
// gives "IExplore", off, off.
BrowserDefaults BrowserDefaultsFor(const QString& command);

}  // namespace tabulyst
