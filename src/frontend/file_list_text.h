// The main window's file list text: one file as its path, or several in the multi-file
// form, and what the window derives from it (input directory, output name, title).
#pragma once

#include <QString>
#include <QStringList>

namespace tabulyst {

// The text for chosen or dropped files: one file is its path; several are the directory
// of the first (with its closing "/"), then each file as a double quote, "/", its path
// relative to that directory and a double quote, with one blank between the groups.
QString FileListText(const QStringList& paths);
// True when the text is the multi-file form (and not a single name holding a quote).
bool IsMultiFileForm(const QString& text);
// The directory of the list's files: the part before the first quote of the multi-file
// form, else the directory of the path; relative texts are taken from the base directory.
QString InputDirectoryOf(const QString& text, const QString& baseDirectory);
// The list text with a relative path or directory made absolute from the base directory.
QString AbsoluteListText(const QString& text, const QString& baseDirectory);
// The first file's name without its directory.
QString FirstFileName(const QString& text);
// The output file name the window shows: the first input's name up to its last point, or
// "*" for several files, followed by the extension.
QString OutputNameFor(const QString& text, const QString& extension);
// "name - Tabulyst", "name... - Tabulyst" for several files, or "Tabulyst".
QString WindowTitleFor(const QString& text);

}  // namespace tabulyst
