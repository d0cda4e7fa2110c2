// Catalogue texts as the desktop program shows them: translated, placeholders filled.
#pragma once

#include <QString>
#include <initializer_list>

#include "core/message_catalogue.h"

namespace tabulyst {

// The entry in the language in force, with the product name filled in and the old
// two-character line breaks made plain line feeds.
QString CatalogueText(MessageId entry);
// A placeholder token and the value that replaces it.
struct Placeholder {
    QString token;
    QString value;
};
// The text with the first exact occurrence of each token replaced by its value. Tokens are
// found in the text as given, so a value that happens to hold another token stays intact.
QString FillPlaceholders(QString text, std::initializer_list<Placeholder> placeholders);
// A chooser filter of the catalogue ("Name (*.a,*.b)|*.a;*.b|...||") written the way the
// toolkit's file choosers read it ("Name (*.a *.b);;..."); "*.*" becomes "*".
QString ChooserFilter(const QString& catalogueFilter);

}  // namespace tabulyst
