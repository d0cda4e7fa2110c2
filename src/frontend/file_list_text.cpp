#include "frontend/file_list_text.h"

#include <QDir>
#include <QFileInfo>

namespace tabulyst {

namespace {

const QString kProduct = QStringLiteral("Tabulyst");

// The quoted names of the multi-file form, without their leading "/".
QStringList QuotedNames(const QString& text) {
    const QStringList parts = text.mid(text.indexOf(QLatin1Char('"'))).split(QLatin1Char('"'));
    QStringList names;
    for (qsizetype i = 1; i < parts.size(); i += 2) {
        QString name = parts[i];
        while (name.startsWith(QLatin1Char('/'))) name.remove(0, 1);
        if (!name.isEmpty()) names << name;
    }
    return names;
}

}  // namespace

QString FileListText(const QStringList& paths) {
    if (paths.size() == 1) return paths.front();
    if (paths.isEmpty()) return QString();
    QString directory = QFileInfo(paths.front()).absolutePath();
    if (!directory.endsWith(QLatin1Char('/'))) directory += QLatin1Char('/');
    QStringList groups;
    for (const QString& path : paths)
        groups << QLatin1String("\"/") +
                      QDir(directory).relativeFilePath(QFileInfo(path).absoluteFilePath()) +
                      QLatin1Char('"');
    return directory + groups.join(QLatin1Char(' '));
}

bool IsMultiFileForm(const QString& text) {
    return text.contains(QLatin1Char('"')) && !QFileInfo::exists(text);
}

QString InputDirectoryOf(const QString& text, const QString& baseDirectory) {
    const QString absolute = AbsoluteListText(text, baseDirectory);
    if (IsMultiFileForm(absolute)) return absolute.left(absolute.indexOf(QLatin1Char('"')));
    return QFileInfo(absolute).path();
}

QString AbsoluteListText(const QString& text, const QString& baseDirectory) {
    if (text.isEmpty() || text.startsWith(QLatin1Char('/'))) return text;
    const QString base = baseDirectory.isEmpty() ? QDir::currentPath() : baseDirectory;
    return QDir(base).filePath(text);
}

QString FirstFileName(const QString& text) {
    if (IsMultiFileForm(text)) {
        const QStringList names = QuotedNames(text);
        return names.isEmpty() ? QString() : QFileInfo(names.front()).fileName();
    }
    return QFileInfo(text).fileName();
}

QString OutputNameFor(const QString& text, const QString& extension) {
    if (text.trimmed().isEmpty()) return QString();
    if (IsMultiFileForm(text)) return QLatin1Char('*') + extension;
    const QString name = FirstFileName(text);
    const qsizetype point = name.lastIndexOf(QLatin1Char('.'));
    return (point > 0 ? name.left(point) : name) + extension;
}

QString WindowTitleFor(const QString& text) {
    const QString first = FirstFileName(text);
    if (first.isEmpty()) return kProduct;
    const bool several = IsMultiFileForm(text) && QuotedNames(text).size() > 1;
    return first + (several ? QLatin1String("...") : QLatin1String("")) + QLatin1String(" - ") +
           kProduct;
}

}  // namespace tabulyst
