#include "frontend/catalogue_text.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace tabulyst {

QString CatalogueText(MessageId entry) {
    const std::string_view english = MessageText(entry);
    QString text =
        QCoreApplication::translate(kMessageCatalogueContext, std::string(english).c_str());
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    return FillPlaceholders(text, {{QStringLiteral("xxxxlyst"), QStringLiteral("Tabulyst")}});
}

QString FillPlaceholders(QString text, std::initializer_list<Placeholder> placeholders) {
    struct Found {
        qsizetype at;
        const Placeholder* placeholder;
    };
    std::vector<Found> found;
    for (const Placeholder& p : placeholders) {
        const qsizetype at = text.indexOf(p.token);
        if (at >= 0) found.push_back({at, &p});
    }
    // From the back, so that earlier positions stay valid.
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return a.at > b.at; });
    for (const Found& f : found)
        text.replace(f.at, f.placeholder->token.size(), f.placeholder->value);
    return text;
}

QString ChooserFilter(const QString& catalogueFilter) {
    const QStringList parts = catalogueFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString name = parts[i];
        const qsizetype bracket = name.indexOf(QLatin1String(" ("));
        if (bracket >= 0) name.truncate(bracket);
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        filters << name + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QLatin1String(";;"));
}

}  // namespace tabulyst
