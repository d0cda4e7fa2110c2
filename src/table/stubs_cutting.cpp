// Temporary until plain-text cutting lands.
#include "table/cell_cutting.h"
namespace tabulyst {
void CutPlainLine(TableBlock&, int, int, std::vector<TableCell>& cells) { cells.clear(); }
}  // namespace tabulyst
