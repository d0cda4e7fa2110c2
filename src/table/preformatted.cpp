#include "table/preformatted.h"

#include "output/escaping.h"
#include "output/rtf_file.h"
#include "policy/fc.h"
#include "table/table_writers.h"

namespace tabulyst {
namespace {

// The line as it stood in the source (tabs expanded, indent kept).
std::string_view SourceText(const TableLine& line) { return line.full.empty() ? line.text : line.full; }

// One line of the block as it is written: trailing blanks dropped, escaped for the output.
void PreformattedText(const TableBlock& block, const OutputFile& out, const TableLine& line,
                      TextString& text) {
    text.Assign(SourceText(line));
    text.Trim(true);
    TidyLine(block.fc, out.state, text);
}

void WriteHtml(TableBlock& block) {
    OutputFile& out = *block.htmlFile;
    const bool wasPreformatted = out.state.preformatted;
    out.WriteLine("<PRE>", true);
    out.state.preformatted = true;
    TextString text;
    for (const TableLine& line : block.lines) {
        if (line.type == kTableLinePolicy) continue;
        PreformattedText(block, out, line, text);
        out.WriteLine(text, true);
    }
    out.state.preformatted = wasPreformatted;
    out.WriteLine("</PRE>", true);
}

void WriteRtf(TableBlock& block) {
    OutputFile& out = *block.rtfFile;
    const auto* rtf = dynamic_cast<const RTFFile*>(&out);
    const std::string start = rtf ? rtf->StyleStart(PreformattedRtfStyle(block)) : std::string();
    TextString text;
    for (const TableLine& line : block.lines) {
        if (line.type == kTableLinePolicy) continue;
        PreformattedText(block, out, line, text);
        TextString paragraph(start);
        paragraph.Append(text);
        paragraph.Append("\\par");
        out.WriteText(paragraph);
    }
}

}  // namespace

int PreformattedRtfStyle(const TableBlock& block) {
    if (block.isCodeSample || block.kind == BlockKind::CodeSample) return kStyleCode;
    if (block.isDiagram || block.kind == BlockKind::Diagram) return kStyleDiagram;
    return kStylePreformatted;
}

void WritePreformattedBlock(TableBlock& block) {
    if (block.writeRtf && block.rtfFile) WriteRtf(block);
    else if (block.htmlFile) WriteHtml(block);
}

}  // namespace tabulyst
