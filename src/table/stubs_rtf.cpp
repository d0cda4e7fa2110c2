// Temporary until the RTF table writer lands.
#include "table/table_writers.h"
namespace tabulyst {
void WriteRtfTable(TableBlock&) {}
}  // namespace tabulyst
