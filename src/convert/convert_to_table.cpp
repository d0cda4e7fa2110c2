// One conversion: one input file becomes one document holding one table.
#include "convert/convert_to_table.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "convert/block_scan.h"
#include "convert/file_lines.h"
#include "convert/file_list.h"
#include "convert/spool.h"
#include "core/byte_scan.h"
#include "core/file_identity.h"
#include "input/source_reader.h"
#include "output/documents.h"
#include "output/escaping.h"
#include "output/table_writer.h"
#include "policy/line_message.h"
#include "table/classify.h"
#include "table/delimited.h"
#include "table/directives.h"
#include "table/table_model.h"

namespace tabulyst {

namespace {

constexpr int kWindowSize = 40;
constexpr int kMaxIgnoredAtEnd = 20;
// An input whose first bytes are this much control characters is a program or an image;
// text with a stray bell or escape is far below it.
constexpr double kMostlyControlBytes = 0.3;
const std::string kBannerRow(50, '%');

// Tallies lines: false as soon as one is neither ASCII nor valid UTF-8.
struct Utf8Tally {
    bool multiByte = false;
    bool Add(std::string_view line) {
        if (IsAsciiText(line)) return true;
        if (!IsUtf8Text(line)) return false;
        multiByte = true;
        return true;
    }
};

// The banner of the run: the file, and the policy file when one was named.
void IssueFirstBanner(const FC& master, const ConversionContext& context, std::string_view input) {
    master.IssueStatus(kBannerRow);
    TextString directory, name, extension;
    SplitPath(input, directory, name, extension);
    std::string line = "Processing : \"" + name.Str() + extension.Str() + "\"";
    TextString policyDirectory, policyName, policyExtension;
    SplitPath(context.options.policyFile, policyDirectory, policyName, policyExtension);
    if (!policyName.Empty() && !policyExtension.Empty())
        line += " using policy file \"" + policyName.Str() + policyExtension.Str() + "\"";
    master.IssueStatus(line);
}

// The policy sets combined in order: command options < master < in-document < user.
void CombineSets(FC& fc, FC& master, const FC* user, ConversionContext& context, bool carryFlags,
                 const DerivedNames* names) {
    context.Link(fc);
    ApplyCommandOptions(fc, context);
    if (names) {
        fc.SetText(P::InputDirectory, names->inputDirectory);
        fc.SetText(P::OutputDirectory, names->outputDirectory);
    }
    fc.CopyFrom(master, true);
    if (context.inDocument) fc.CopyFrom(*context.inDocument, carryFlags);
    if (user) fc.CopyFrom(*user, carryFlags);
    fc.Consolidate(false);
}

// The context and the master set start the file.
void StartFile(ConversionContext& context, FC& master, const DerivedNames& names,
               const TextString& input) {
    context.inputFile = input;
    SplitPath(input, context.inputDirectory, context.inputName, context.inputExtension);
    master.SetText(P::InputDirectory, names.inputDirectory);
    master.SetText(P::OutputDirectory, names.outputDirectory);
}

// The set that converts the file.
void PrepareWorkingSet(FC& working, FC& master, const FC* user, ConversionContext& context,
                       const DerivedNames& names, const TextString& input) {
    CombineSets(working, master, user, context, true, &names);
    working.SetText(P::InputDirectory, names.inputDirectory);
    working.SetText(P::OutputDirectory, names.outputDirectory);
    working.SetProductText("Tabulyst 4.0");
    working.sourceFileName = input;
    for (int& counter : working.documentCounters) counter = 0;
}

// What the reading of the source takes from the policies; asked again after every
// directive, which may have changed them.
SourceOptions ReadingOptions(const FC& fc, bool htmlSource, TableFormat format) {
    SourceOptions options;
    options.tabSize = fc.Value(P::TabSize);
    options.expandTabs = fc.RuleSet() == kNoRuleSet;
    options.delimitedData = IsDelimited(format);
    options.directivePrefix = fc.Text(P::DirectiveDelimiter).Str();
    options.htmlSource = htmlSource;
    // Only a comma delimiter minds quotes.
    const bool commaFields =
        IsDelimited(format) &&
        DelimiterFor(format, fc.BaseConfig().Text(P::DefaultTableDelimiterCharacter)) == ',';
    options.quotedLineBreaks = commaFields && fc.Flag(P::QuotedFieldsMaySpanLines);
    return options;
}

// A document that would replace the input or the run's log is refused.
bool RefusedAsOverwrite(const FC& working, const ConversionContext& context, std::string_view input,
                        std::string_view path) {
    if (SameExistingFile(input, path)) {
        working.Issue("ERROR: Output file would overwrite input file " + std::string(path), 10);
        return true;
    }
    if (!context.sink.logPath.Empty() && SameExistingFile(context.sink.logPath.View(), path)) {
        working.Issue("ERROR: Output file would overwrite log file " + std::string(path), 10);
        return true;
    }
    return false;
}

// A line that leaves the window goes to the table: as a line, or as a directive that
// changes how the table is read.
void Feed(TableBlock& block, const SourceLine& line) {
    if (line.kind == LineKind::Directive)
        block.NoteDirective(line.directive);
    else if (ReachesTable(line))
        block.AddLine(line);
}

// Every line waits in a window of 40 before it reaches the table, so that the last lines
// of the file can still be left out.
class LineWindow {
  public:
    explicit LineWindow(TableBlock& block) : block_(block) {}

    // The slot the next line is read into.
    SourceLine& Next() { return slots_[current_]; }

    // The line just read into Next() joins the window; the oldest line leaves it.
    void Take() {
        ++read_;
        if (!full_) {
            if (++current_ == kWindowSize - 1) full_ = true;
            return;
        }
        const int oldest = (current_ + 1) % kWindowSize;
        Feed(block_, slots_[oldest]);
        current_ = oldest;
    }

    long LinesRead() const { return read_; }

    // The lines still in the window go to the table in reading order, less the last
    // `ignored` lines read.
    void Flush(int ignored) {
        if (full_) {
            for (int k = 1; k <= kWindowSize - 1 - ignored; ++k)
                Feed(block_, slots_[(current_ + k) % kWindowSize]);
        } else {
            for (int slot = 0; slot < current_ - ignored; ++slot) Feed(block_, slots_[slot]);
        }
    }

  private:
    TableBlock& block_;
    std::array<SourceLine, kWindowSize> slots_;
    int current_ = 0;
    bool full_ = false;
    long read_ = 0;
};

// "Lines to ignore at end of file", held to 0..20 and to the lines there are.
int IgnoredAtEnd(const FC& working, long linesRead) {
    int ignored = working.Value(P::LinesToIgnoreAtEndOfFile);
    if (ignored > kMaxIgnoredAtEnd) {
        working.Issue("ERROR: Ignore end of file cannot be larger than 20 ", 10);
        ignored = kMaxIgnoredAtEnd;
    }
    if (ignored < 1) ignored = 0;
    if (ignored > linesRead) ignored = static_cast<int>(linesRead);
    return ignored;
}

// Reports what is wrong with a line as a block directive.
void ReportBlockFault(const FC& working, const SourceLine& line, std::string_view prefix,
                      const SourceBlocks& blocks, BlockDirectiveFault fault) {
    if (fault == BlockDirectiveFault::None) return;
    std::string_view keyword;
    RecogniseDirective(prefix, line.text, &keyword);
    switch (fault) {
        case BlockDirectiveFault::FailedToParse:
            working.Issue("TAG ERROR: Failed to parse " + std::string(keyword), 10);
            break;
        case BlockDirectiveFault::Recursive:
            working.Issue("TAG ERROR: recursive " + std::string(keyword) + " detected.", 10);
            break;
        case BlockDirectiveFault::EndNotExpected:
            working.Issue("TAG ERROR: END_BLOCK not expected here.", 10);
            break;
        case BlockDirectiveFault::TooLong:
            working.Issue("TAG ERROR: Block " + blocks.DefiningName() + " is longer than " +
                              std::to_string(kMostBlockBytes) +
                              " bytes: the rest of it is left out",
                          10);
            break;
        case BlockDirectiveFault::None:
            break;
    }
}

// Reads the whole source into the table, executing directives as they are read and
// following the block definitions. A file read again later (`again`, when given) learns
// where the reading options changed and where the table's lines end.
void ReadIntoTable(SourceReader& reader, FC& working, TableBlock& block, TableFormat format,
                   bool htmlSource, FileLines* again, SourceBlocks& blocks) {
    // Mail headers matter only to the plain-text analysis, and only when looked for.
    const bool mailHeaders = !IsDelimited(format) && working.Flag(P::LookForMailAndUsenetHeaders);
    LineWindow window(block);
    while (ReadSourceLine(reader, window.Next())) {
        SourceLine& line = window.Next();
        // What is reported now is about this line.
        CurrentLineScope current(working, &line);
        ReportBlockFault(working, line, reader.options.directivePrefix, blocks,
                         blocks.Take(line, reader.options.directivePrefix));
        if (line.directive != DirectiveCode::None && line.kind != LineKind::Ignored) {
            ExecuteDirective(working, line.directive, line.text);
            reader.options = ReadingOptions(working, htmlSource, format);
            if (again) again->NoteOptions(window.LinesRead() + 1, reader.options);
        }
        if (mailHeaders) line.mailHeader = LooksLikeMailHeader(line.text);
        if (line.unclosedQuoteLine > 0)
            working.Issue("WARNING: The quoted field opened on line " +
                              std::to_string(line.unclosedQuoteLine) + " of " +
                              working.sourceFileName.Str() + " is not closed: " +
                              (line.unclosedAtEnd
                                   ? std::string("it runs to the end of the file")
                                   : "it ends after " + std::to_string(SourceReader::kLongestLine) +
                                         " characters, and the lines after it are read as lines"),
                          10);
        if (line.cut)
            working.Issue("WARNING: Line " + std::to_string(line.lineNumber) + " of " +
                              working.sourceFileName.Str() + " is longer than " +
                              std::to_string(SourceReader::kLongestLine) +
                              " characters: the rest of it is left out",
                          10);
        window.Take();
    }
    if (const int opened = blocks.UnendedDefinition())
        working.Issue("TAG ERROR: END_BLOCK not seen: the block defined on line " +
                          std::to_string(opened) + " takes the rest of the file",
                      10);
    const int ignored = IgnoredAtEnd(working, window.LinesRead());
    window.Flush(ignored);
    if (again) again->NoteEnd(window.LinesRead(), ignored);
}

// The names of this conversion come from a set of their own.
DerivedNames ConversionNames(FC& master, const FC* user, ConversionContext& context,
                             const TextString& input, const TextString& outputSpecification) {
    FC scratch(&context.sink);
    CombineSets(scratch, master, user, context, false, nullptr);
    return DeriveFileNames(input, outputSpecification, scratch, context);
}

// The OUTPUT specification a document is named with: the file's own, else the qualifier's.
TextString DocumentSpecification(const ConversionContext& context, const TextString& own) {
    return own.Empty() ? context.options.outputSpec : own;
}

}  // namespace

TextString PlannedDocumentPath(FC& master, const FC* user, ConversionContext& context,
                               const TextString& input, const TextString& outputSpecification) {
    if (context.options.console) return {};
    const DerivedNames names = ConversionNames(master, user, context, input, outputSpecification);
    FC working(&context.sink);
    CombineSets(working, master, user, context, true, &names);
    working.SetText(P::InputDirectory, names.inputDirectory);
    working.SetText(P::OutputDirectory, names.outputDirectory);
    return DocumentPath(names.outputBaseName, working,
                        DocumentSpecification(context, outputSpecification));
}

TableFormat FormatFromOptions(const CommandOptions& options, TableFormat format) {
    if (options.tabDelimited) format = TableFormat::Tab;
    if (options.commaDelimited) format = TableFormat::Comma;
    return format;
}

namespace {

// Whether a file's bytes are ASCII or UTF-8 with at least one multi-byte character, read
// in blocks rather than lines: a character cut by a block's end is carried into the next.
// A line end inside a character makes it invalid either way, so lines need not be found.
bool FileIsUtf8(std::string_view path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        std::fopen(std::string(path).c_str(), "rb"), &std::fclose);
    if (!file) return false;
    constexpr size_t kBlock = 1 << 20;
    std::string block(kBlock + 4, '\0');
    Utf8Tally tally;
    size_t carried = 0;
    bool first = true;
    for (size_t got; (got = std::fread(block.data() + carried, 1, kBlock, file.get())) > 0;) {
        const size_t size = carried + got;
        size_t start = 0;
        if (first) {
            first = false;
            const auto byte = [&](size_t i) { return static_cast<unsigned char>(block[i]); };
            if (size >= 2 &&
                ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF)))
                return true;  // UTF-16 is read as characters and written as UTF-8
            if (size >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) start = 3;
        }
        // The last character's lead byte, if it stands among the last four bytes with
        // fewer bytes after it than it announces, waits for the next block.
        size_t end = size;
        for (size_t back = 1; back <= 4 && back <= size - start; ++back) {
            const auto c = static_cast<unsigned char>(block[size - back]);
            if ((c & 0xC0) == 0x80) continue;
            const size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            if (length > back) end = size - back;
            break;
        }
        if (!tally.Add(std::string_view(block).substr(start, end - start))) return false;
        carried = size - end;
        block.replace(0, carried, block, end, carried);
    }
    // A character cut short by the end of the file is no UTF-8.
    if (carried > 0 && !tally.Add(std::string_view(block).substr(0, carried))) return false;
    return tally.multiByte;
}

}  // namespace

bool InputIsUtf8(std::string_view path, const std::vector<TextString>* sourceLines) {
    if (!sourceLines) return FileIsUtf8(path);
    Utf8Tally tally;
    for (const TextString& line : *sourceLines)
        if (!tally.Add(line)) return false;
    return tally.multiByte;
}

bool ConvertToTable(FC& master, const FC* user, FC& working, ConversionContext& context,
                    const TextString& inputSpecification, const TextString& outputSpecification,
                    TableFormat format, const std::vector<TextString>* sourceLines,
                    std::vector<TextString>* resultLines) {
    // The in-document policies of the file before must not name this file's document.
    if (context.inDocument) context.inDocument->ResetToDefaults();
    const DerivedNames names =
        ConversionNames(master, user, context, inputSpecification, outputSpecification);
    IssueFirstBanner(master, context, inputSpecification);
    StartFile(context, master, names, inputSpecification);
    PrepareWorkingSet(working, master, user, context, names, inputSpecification);

    working.IssueStatus(kBannerRow);
    working.IssueStatus("Processing \"" + inputSpecification.Str() + "\"");
    // A pipe is read once, into a spool, and converted from there.
    Spool spool;
    std::string spoolError;
    if (!sourceLines && !spool.Take(inputSpecification.View(), spoolError)) {
        working.Issue("ERROR: Error opening " + inputSpecification.Str() + " (" + spoolError + ")",
                      10);
        return false;
    }
    SourceReader reader;
    if (sourceLines) reader.SetMemoryRead(sourceLines);
    if (!reader.OpenForReading(spool.Path())) {
        working.Issue(
            "ERROR: Error opening " + inputSpecification.Str() + " (" + reader.OpenError() + ")",
            10);
        return false;
    }
    if (!sourceLines && ControlByteShare(spool.Path()) > kMostlyControlBytes)
        working.Issue("WARNING: " + inputSpecification.Str() +
                          " does not look like text: it is mostly control characters",
                      10);
    reader.SetSkipCount(working.Value(P::LinesToIgnoreAtStartOfFile));
    reader.options = ReadingOptions(working, context.options.htmlSource, format);
    // A file is read again, pass by pass, instead of being held in memory.
    std::unique_ptr<FileLines> again;
    if (!sourceLines)
        again = std::make_unique<FileLines>(spool.Path(), reader.options,
                                            working.Value(P::LinesToIgnoreAtStartOfFile));

    // The blocks the source defines go into the document start, which is written first.
    const SourceBlocks defined = ScanSourceBlocks(spool.Path(), sourceLines, reader.options,
                                                  working.Value(P::LinesToIgnoreAtStartOfFile));
    SourceBlocks read;
    // Definitions have been collected: this pass issues the messages about its lines.
    IssuingPass issuing(working);

    std::unique_ptr<OutputFile> output = MakeDocument(context.settings.target);
    output->state.blocks = &defined;
    if (resultLines) output->SetMemoryWrite(resultLines);
    output->HoldReplacementsIn(context.heldFiles);
    output->outputSpecification = DocumentSpecification(context, outputSpecification);
    const bool toFile = !resultLines && !context.options.console && !sourceLines;
    if (toFile) {
        TextString path;
        output->MakeOutputName(names.outputBaseName, working, path);
        if (RefusedAsOverwrite(working, context, inputSpecification.View(), path.View())) {
            ++context.refusedFiles;
            return true;
        }
    }

    // Whether the bytes of the input pass through as UTF-8.
    output->state.inputFileName = inputSpecification;
    if (!working.IsSet(P::CharacterEncoding) && working.Flag(P::LookForCharacterEncodings))
        output->state.utf8 = InputIsUtf8(spool.Path(), sourceLines);
    // The conversion runs on when the document cannot be created (it has reported why),
    // but the file does not count as converted.
    if (!output->Open(names.outputBaseName, working, context.options.console))
        ++context.refusedFiles;
    if (toFile) context.lastDocument = output->OutputPath();

    TableBlock block(working, format);
    block.ReadLinesFrom(again.get());
    ReadIntoTable(reader, working, block, format, context.options.htmlSource, again.get(), read);
    reader.Close();  // its buffers are not needed while the table is written
    // The reading knows the definitions as they stand at the end of the source.
    output->state.blocks = &read;
    working.pastEndOfInput = true;
    block.Analyse(static_cast<int>(format));
    // A document that could not be created has said why; nothing more is written to it.
    if (output->IsOpen()) {
        ParseTable(block, *output->MakeTableWriter());
        output->EndDocument();
    }
    // What was written of a file that changed meanwhile is no document of it.
    if (again && again->Changed()) {
        working.Issue("ERROR: " + inputSpecification.Str() + " changed while it was read", 10);
        output->Abandon();
        output->Close();
        return false;
    }
    output->Close();
    // A document cut short (a full disk) is no document: the run stops, as any later
    // document would fail the same way.
    if (!output->WriteOk()) {
        working.Issue("ERROR: Can't write file \"" + output->OutputPath().Str() + "\" (" +
                          output->WriteError() + ")",
                      10);
        return false;
    }
    return true;
}

}  // namespace tabulyst
