// One conversion: one input file becomes one document holding one table.
#include "convert/convert_to_table.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "convert/file_list.h"
#include "core/byte_scan.h"
#include "input/source_reader.h"
#include "output/escaping.h"
#include "output/html_file.h"
#include "output/rtf_file.h"
#include "table/classify.h"
#include "table/table_model.h"

namespace tabulyst {

namespace {

constexpr int kWindowSize = 40;
constexpr int kMaxIgnoredAtEnd = 20;
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

// Lines that only steer the reading never become rows.
bool ReachesTable(const SourceLine& line) {
    return line.kind != kLineIgnored && line.kind != kLineSwallowed && line.kind != kLinePolicy;
}

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

// True when writing the output path would replace the input file itself.
bool SameFile(std::string_view input, std::string_view output) {
    std::error_code error;
    const bool same = std::filesystem::equivalent(std::filesystem::path(std::string(input)),
                                                  std::filesystem::path(std::string(output)), error);
    return same && !error;
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

}  // namespace

int FormatCodeFromOptions(const CommandOptions& options, int formatCode) {
    if (options.tabDelimited) formatCode = kFormatTab;
    if (options.commaDelimited) formatCode = kFormatComma;
    return formatCode;
}

bool InputIsUtf8(std::string_view path, const std::vector<TextString>* sourceLines) {
    Utf8Tally tally;
    if (sourceLines) {
        for (const TextString& line : *sourceLines)
            if (!tally.Add(line)) return false;
        return tally.multiByte;
    }
    TextFile file;
    if (!file.OpenForReading(path)) return false;
    TextString line;
    while (file.ReadLine(line)) {
        if (file.Utf16()) return true;
        if (!tally.Add(line)) return false;
    }
    return tally.multiByte;
}

bool ConvertToTable(FC& master, const FC* user, FC& working, ConversionContext& context,
                    const TextString& inputSpecification, const TextString& outputSpecification,
                    int formatCode, const std::vector<TextString>* sourceLines,
                    std::vector<TextString>* resultLines) {
    // 1-2. The names of this conversion come from a set of their own.
    FC scratch(&context.sink);
    CombineSets(scratch, master, user, context, false, nullptr);
    const DerivedNames names = DeriveFileNames(inputSpecification, outputSpecification, scratch, context);

    // 3-5.
    IssueFirstBanner(master, context, inputSpecification);
    context.inputFile = inputSpecification;
    SplitPath(inputSpecification, context.inputDirectory, context.inputName, context.inputExtension);
    if (context.inDocument) context.inDocument->ResetToDefaults();
    master.SetText(P::InputDirectory, names.inputDirectory);
    master.SetText(P::OutputDirectory, names.outputDirectory);

    // 6-9.
    CombineSets(working, master, user, context, true, &names);
    SourceReader reader;
    if (sourceLines) reader.SetMemoryRead(sourceLines);
    reader.htmlSource = context.options.htmlSource;
    working.SetText(P::InputDirectory, names.inputDirectory);
    working.SetText(P::OutputDirectory, names.outputDirectory);
    working.SetProductText("Tabulyst 4.0");
    working.sourceFileName = inputSpecification;

    // 10-12.
    working.IssueStatus(kBannerRow);
    working.IssueStatus("Processing \"" + inputSpecification.Str() + "\"");
    if (!reader.OpenForReading(inputSpecification)) {
        working.Issue("ERROR: Error opening " + inputSpecification.Str(), 10);
        return false;
    }
    reader.SetSkipCount(working.Value(P::LinesToIgnoreAtStartOfFile));

    // 13-14.
    std::unique_ptr<OutputFile> output;
    const int target = context.targetFormat;
    if (target == kOutputHtml) {
        output = std::make_unique<HTMLFile>();
        working.passHtml = true;
        working.passRtf = false;
    } else if (target == kOutputRtf) {
        output = std::make_unique<RTFFile>();
        working.passHtml = false;
        working.passRtf = true;
    } else {
        return false;
    }
    working.passPreRead = false;
    if (resultLines) output->SetMemoryWrite(resultLines);
    output->outputSpecification = outputSpecification.Empty() ? context.options.outputSpec : outputSpecification;

    // The document must not replace its own input.
    const bool toFile = !resultLines && !context.options.console && !sourceLines;
    if (toFile) {
        TextString path;
        output->MakeOutputName(names.outputBaseName, working, path);
        if (SameFile(inputSpecification, path)) {
            working.Issue("ERROR: Output file would overwrite input file " + path.Str(), 10);
            ++context.refusedFiles;
            return true;
        }
        if (!context.sink.logPath.Empty() && SameFile(context.sink.logPath.View(), path)) {
            working.Issue("ERROR: Output file would overwrite log file " + path.Str(), 10);
            ++context.refusedFiles;
            return true;
        }
    }

    // 15. Whether the bytes of the input pass through as UTF-8.
    output->state.outputFormat = target;
    output->state.inputFileName = inputSpecification;
    if (!working.IsSet(P::CharacterEncoding) && working.Flag(P::LookForCharacterEncodings))
        output->state.utf8 = InputIsUtf8(inputSpecification, sourceLines);
    // The conversion runs on when the document cannot be created (it has reported why),
    // but the file does not count as converted.
    if (!output->Open(names.outputBaseName, working, context.options.console)) ++context.refusedFiles;

    // 16-18.
    for (int& counter : working.documentCounters) counter = 0;
    TableBlock block(working, target == kOutputHtml ? output.get() : nullptr,
                     target == kOutputRtf ? output.get() : nullptr, formatCode);
    working.passHtml = true;

    // 19. Every line waits in a window of 40 before it reaches the table.
    std::array<SourceLine, kWindowSize> window;
    // Mail headers matter only to the plain-text analysis, and only when looked for.
    const bool mailHeaders = formatCode != kFormatTab && formatCode != kFormatComma &&
                             working.Flag(P::LookForMailAndUsenetHeaders);
    int current = 0;
    bool full = false;
    long linesRead = 0;
    while (ReadSourceLine(reader, window[current], working)) {
        ++linesRead;
        SourceLine& line = window[current];
        if (mailHeaders) line.mailHeader = LooksLikeMailHeader(line.text);
        if (!full) {
            if (++current == kWindowSize - 1) full = true;
        } else {
            const int oldest = (current + 1) % kWindowSize;
            if (ReachesTable(window[oldest])) block.AddLine(window[oldest]);
            current = oldest;
        }
    }

    // 20-21. The last lines may be left out; the rest follow in reading order.
    int ignored = working.Value(P::LinesToIgnoreAtEndOfFile);
    if (ignored > kMaxIgnoredAtEnd) {
        working.Issue("ERROR: Ignore end of file cannot be larger than 20 ", 10);
        ignored = kMaxIgnoredAtEnd;
    }
    if (ignored < 1) ignored = 0;
    if (ignored > linesRead) ignored = static_cast<int>(linesRead);
    if (full) {
        for (int k = 1; k <= kWindowSize - 1 - ignored; ++k) {
            const SourceLine& line = window[(current + k) % kWindowSize];
            if (ReachesTable(line)) block.AddLine(line);
        }
    } else {
        for (int slot = 0; slot < current - ignored; ++slot)
            if (ReachesTable(window[slot])) block.AddLine(window[slot]);
    }

    // 22-24.
    working.pastEndOfInput = true;
    block.Finish(formatCode);
    output->EndDocument(target == kOutputHtml ? working.Text(P::HtmlFooterFile).View() : std::string_view());
    reader.Close();
    output->Close();
    return true;
}

}  // namespace tabulyst
