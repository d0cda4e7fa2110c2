// Fuzz target: a whole conversion of in-memory lines into an HTML and an RTF document,
// directives, policy changes and all. The first byte chooses how the lines are read:
// 'c' comma data, 't' tab data, 'u' a plain-text table, 'a' a detected plain-text table
// (any other byte picks one of the four by its value).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "convert/convert_to_table.h"
#include "fuzz_support.h"
#include "kept_documents.h"

namespace {

tabulyst::TableFormat FormatOf(uint8_t selector) {
    using tabulyst::TableFormat;
    switch (selector) {
        case 'c':
            return TableFormat::Comma;
        case 't':
            return TableFormat::Tab;
        case 'u':
            return TableFormat::User;
        case 'a':
            return TableFormat::Auto;
        default:
            break;
    }
    constexpr TableFormat kFormats[] = {TableFormat::Auto, TableFormat::User, TableFormat::Tab,
                                        TableFormat::Comma};
    return kFormats[selector % 4];
}

void Convert(const std::vector<tabulyst::TextString>& lines, tabulyst::TableFormat format,
             tabulyst::OutputFormat target) {
    using namespace tabulyst;
    fuzz::SilentSink silent;
    ConversionContext context;
    context.sink = silent.sink;
    context.settings.target = target;
    // The master set is prepared as a run prepares it when no policy file is named.
    FC master(&context.sink);
    context.Link(master);
    ApplyCommandOptions(master, context);
    FC working(&context.sink);
    std::vector<TextString> document;
    ConvertToTable(master, nullptr, working, context, TextString("data.txt"), TextString(), format,
                   &lines, &document);
    // A replay under the tests hands its documents to the real readers.
    testing_support::KeepDocumentLines("fuzz_conversion", document);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tabulyst;
    if (size == 0) return 0;
    const std::vector<TextString> lines = fuzz::ReaderLines(fuzz::Bytes(data + 1, size - 1));
    Convert(lines, FormatOf(data[0]), OutputFormat::Html);
    Convert(lines, FormatOf(data[0]), OutputFormat::Rtf);
    return 0;
}
