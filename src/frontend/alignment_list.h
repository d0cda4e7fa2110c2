// The alignment lists of the property sheets: five catalogue entries in list order, and
// the mapping between a list position and an alignment code.
#pragma once

class QComboBox;

namespace tabulyst {

// The list position showing an alignment code (0 not given, 1 left, 2 centre, 3 right,
// 4 justify); any other code shows as the first position, "Auto-Detect".
int AlignmentPosition(int code);
// The alignment code of a list position; 0 for a position outside the list.
int AlignmentCode(int position);
// (Re)fills the list with the entries in the language in force, keeping the position.
void FillAlignmentList(QComboBox* list);

}  // namespace tabulyst
