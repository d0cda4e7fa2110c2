// Fuzz target: a plain-text table: columns found in lines laid out with blanks, the lines
// cut into cells and grouped into rows. Tabs stay in the lines, as they do under a rule set.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "policy/fc.h"
#include "table/rows.h"
#include "table/table_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tabulyst;
    fuzz::SilentSink silent;
    FC fc(&silent.sink);
    TableBlock block(fc, TableFormat::User);
    for (const TextString& line : fuzz::ReaderLines(fuzz::Bytes(data, size)))
        block.AddLine(line.View(), line.View());
    block.Analyse(static_cast<int>(TableFormat::User));
    size_t cells = 0;
    ForEachRow(block, [&cells](const TableRow& row) { cells += row.cells.size(); });
    return 0;
}
