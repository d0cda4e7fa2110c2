// Tidying of generated HTML before it is written: redundant spaces and breaks around
// "&nbsp;" and "<BR>", and (on request) emphasis and FONT tags drawn tight to the
// paragraph, list and cell tags around them.
#pragma once

#include <string>
#include <string_view>

namespace tabulyst {

// Writes the tidied text to `out` (its storage is reused). Line feeds are never added or removed,
// and the rules are chosen so that tidying generated markup a second time changes nothing: the tail
// that a flush keeps is tidied again together with the text that follows it. `removeRedundant` adds
// the tightening rules.
void TidyMarkup(std::string_view text, std::string& out, bool removeRedundant);
// Appends the tidied text to `out`, whose content is already tidied markup that the
// rules may look back into (the pending lines before this one). Tidying line by line
// this way gives the same text as tidying the whole buffer at once.
void AppendTidied(std::string_view text, std::string& out, bool removeRedundant);

}  // namespace tabulyst
