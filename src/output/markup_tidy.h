// Tidying of generated HTML before it is written: redundant spaces and breaks around
// "&nbsp;" and "<BR>", and (on request) emphasis and FONT tags drawn tight to the
// paragraph, list and cell tags around them.
#pragma once

#include <string>
#include <string_view>

namespace tabulyst {

// Tidies the text in place. Line feeds are never added or removed, and the rules are
// chosen so that tidying generated markup a second time changes nothing: the tail that a
// flush keeps is tidied again together with the text that follows it.
// `removeRedundant` adds the tightening rules.
void TidyMarkup(std::string& text, bool removeRedundant);

}  // namespace tabulyst
