// Colour texts: the standard-colour check and the colour picker's translations.
#pragma once

#include <string_view>

#include "core/text_string.h"

namespace tabulyst {

// True when the text is a standard colour; `normalised` receives its canonical form
// (a standard value becomes its name, six hex digits gain "#" and upper case).
bool CheckColour(std::string_view text, TextString& normalised);
// "WARNING: " and the colour in double quotes, " is not a standard HTML colour".
TextString NonStandardColourMessage(std::string_view colour);
// Six upper-case hex digits from fractions 0..1.
TextString ColourFromFractions(double red, double green, double blue);
// The colour picker's value as a policy text (a name where one is known).
TextString PickerValueToColour(int red, int green, int blue);
// The picker's initial colour for a policy text.
void ColourToPickerValue(std::string_view colour, int& red, int& green, int& blue);

}  // namespace tabulyst
