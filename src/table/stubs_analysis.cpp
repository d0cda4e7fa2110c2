// Temporary until the plain-text analysis lands.
#include "table/analysis.h"
namespace tabulyst {
void AnalysePlainText(TableBlock&) {}
}  // namespace tabulyst
