// Fuzz target: delimited data split into fields and rows. The first byte chooses the
// delimiter: a comma, a tab, or any other byte as the delimiter policy names it.
#include "table/delimited.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "policy/fc.h"
#include "table/rows.h"
#include "table/table_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tabulyst;
    if (size == 0) return 0;
    const char delimiter = static_cast<char>(data[0]);
    const TableFormat format = delimiter == ',' ? TableFormat::Comma : TableFormat::Tab;
    fuzz::SilentSink silent;
    FC fc(&silent.sink);
    if (delimiter != ',' && delimiter != '\t')
        fc.BaseConfig().SetText(P::DefaultTableDelimiterCharacter, std::string_view(&delimiter, 1));
    TableBlock block(fc, format);
    const std::vector<TextString> lines = fuzz::ReaderLines(fuzz::Bytes(data + 1, size - 1));
    for (const TextString& line : lines) block.AddLine(line.View(), line.View());
    block.Analyse(static_cast<int>(format));

    // Every field of every line, as the splitter walks them and as a row gets them.
    std::string_view field;
    std::string text;
    for (const TextString& line : lines) {
        const char used = BlockDelimiter(block);
        FieldSplitter split(line.View(), used);
        while (split.Next(field)) FieldText(field, used, text);
    }
    std::vector<TableCell> cells;
    for (const TextString& line : lines) SplitDelimitedLine(block, line.View(), cells);
    size_t rows = 0;
    ForEachRow(block, [&rows](const TableRow&) { ++rows; });
    return 0;
}
