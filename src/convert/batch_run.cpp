// A run over several files: master policies, log file, file list, per-file loop, end.
#include "convert/batch_run.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>

#include "convert/convert_to_table.h"
#include "convert/file_list.h"
#include "convert/run_log.h"
#include "convert/side_by_side.h"
#include "core/file_identity.h"
#include "input/text_file.h"

namespace tabulyst {

namespace {

// The master set: defaults, the command options (so that a silent run is silent from
// its first line), then the policy file named on the command line.
void PrepareMaster(ConversionContext& context, FC& master) {
    master.ResetToDefaults();
    context.Link(master);
    ApplyCommandOptions(master, context);
    const TextString& name = context.options.policyFile;
    if (name.Empty()) return;
    TextFile probe;
    if (!probe.OpenForReading(name)) {
        RunLine(context, "ERROR: Can't find master policy file " + name.Str());
        return;
    }
    probe.Close();
    LoadPolicyFile(master, name);
}

// Where the run writes: the OUTPUT qualifier's directory, else that of the first file.
TextString RunOutputDirectory(const ConversionContext& context,
                              const std::vector<TextString>& specs) {
    if (!context.options.outputDirectory.Empty()) return context.options.outputDirectory;
    TextString directory;
    if (!specs.empty()) DirectoryOf(specs.front(), directory);
    return directory;
}

// "Output policy file" (the POLICY qualifier): the policies this conversion stated (or,
// with POLICY=all, every policy) saved as a policy file, so that a run can be repeated from it.
// Without a name the file is the input's name with ".pol", in the output directory; a name without
// an extension gets ".pol".
void WritePolicyRecord(const ConversionContext& context, const FC& working,
                       std::string_view input) {
    if (!working.Flag(P::OutputPolicyFile)) return;
    TextString directory, name, extension;
    std::string path = working.Text(P::OutputPolicyFilename).Str();
    if (path.empty()) {
        SplitPath(input, directory, name, extension);
        path = name.Str() + ".pol";
        directory.Clear();  // beside the document, not the input
    } else {
        SplitPath(path, directory, name, extension);
        if (extension.Empty()) path += ".pol";
    }
    if (directory.Empty()) path = working.Text(P::OutputDirectory).Str() + path;
    // The record must never replace what the run reads.
    if (SameExistingFile(path, input) ||
        SameExistingFile(path, context.options.policyFile.View())) {
        working.Issue("ERROR: Policy file would overwrite input file " + path, 10);
        return;
    }
    TextFile out;
    out.HoldReplacementsIn(context.heldFiles);
    if (!out.OpenForWriting(path)) {
        working.Issue("ERROR: Can't open file \"" + path + "\"", 10);
        return;
    }
    working.IssueStatus("Generating policy file " + path);
    working.SavePolicyFile(out, context.options.outputPolicyAll);
    out.Close();
}

// Every document of the run is known before the first is written: one that would replace
// an input of the run, or the document of an earlier file, is refused before any harm.
// Returns which files are refused.
std::vector<bool> RefuseClashingDocuments(ConversionContext& context, FC& master,
                                          const FileLoopOptions& options) {
    const FileList& files = context.files;
    const int count = files.Count();
    std::vector<bool> refused(static_cast<size_t>(count), false);
    if (context.options.console || options.resultLines) return refused;
    std::vector<TextString> documents;
    for (int i = 0; i < count; ++i)
        documents.push_back(PlannedDocumentPath(master, options.user, context, files.paths[i],
                                                files.outputSpecs[i]));
    for (int i = 0; i < count; ++i) {
        const std::string document = documents[i].Str();
        const std::string input = files.paths[i].Str();
        std::string clash;
        for (int j = 0; j < count && clash.empty(); ++j)
            if (SamePlace(document, files.paths[j].View()))
                clash = "ERROR: Output file " + document + " of " + input +
                        " would overwrite input file " + files.paths[j].Str();
        for (int k = 0; k < i && clash.empty(); ++k)
            if (!refused[k] && SamePlace(document, documents[k].View()))
                clash = "ERROR: Output file " + document + " of " + input +
                        " would overwrite the output file of " + files.paths[k].Str();
        if (clash.empty()) continue;
        refused[i] = true;
        RunLine(context, clash);
    }
    return refused;
}

}  // namespace

RunOutcome RunBatch(ConversionContext& context, FC& master,
                    const std::vector<TextString>& specifications, TableFormat format) {
    RunOutcome outcome;
    PrepareMaster(context, master);

    TextFile log;
    if (context.options.createLog || master.Flag(P::CreateALogFile)) {
        const TextString& name = context.options.logName.Empty() ? master.Text(P::OutputLogFilename)
                                                                 : context.options.logName;
        // Everything the run will read, so that the log never replaces any of it.
        std::vector<TextString> inputs;
        for (const TextString& spec : specifications)
            for (TextString& match : MatchingFiles(spec.View())) inputs.push_back(std::move(match));
        if (!context.options.policyFile.Empty()) inputs.push_back(context.options.policyFile);
        OpenRunLog(context, master, name, RunOutputDirectory(context, specifications), log, inputs);
    }

    context.files.Clear();
    std::string listText;
    for (const TextString& spec : specifications) {
        TextString directory;
        DirectoryOf(spec, directory);
        AddMatchingFiles(context, master, spec, directory, "");
        if (!listText.empty()) listText += ' ';
        listText += spec.Str();
    }

    // A specification whose file cannot be opened converts nothing: the run has failed.
    if (context.refusedFiles > 0) outcome.failed = true;
    if (context.files.Count() == 0) {
        const std::string text =
            "ERROR: " + FillPlaceholder("No files found \"xxxxxx\"", "xxxxxx", listText).Str();
        // The message box of the front end becomes a line on standard error.
        ErrStream(context.sink) << text << '\n';
        if (context.sink.logFile) context.sink.logFile->PutLine(text);
        outcome.noFiles = true;
    } else {
        FileLoopOptions loop;
        loop.format = format;
        loop.jobs = context.options.jobs > 0
                        ? context.options.jobs
                        : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
        ConvertFileList(context, master, loop, outcome);
    }

    // The closing line still reaches the log, which is closed after it.
    master.IssueStatus("%%%%%%%%%%%%%%%%%%% Conversion complete %%%%%%%%%%%%%%%%%%");
    AttachLog(context.sink, nullptr);
    log.Close();
    return outcome;
}

FileResult ConvertOneFile(ConversionContext& context, FC& master, FC& working,
                          const FileLoopOptions& options, TableFormat format,
                          const TextString& path, const TextString& outputSpecification) {
    working.ResetToDefaults();
    const int refusedBefore = context.refusedFiles;
    if (options.resultLines) options.resultLines->clear();
    if (!ConvertToTable(master, options.user, working, context, path, outputSpecification, format,
                        nullptr, options.resultLines))
        return FileResult::StopsTheRun;
    if (context.refusedFiles > refusedBefore) return FileResult::NotConverted;
    WritePolicyRecord(context, working, path.View());
    return FileResult::Converted;
}

void ConvertFileList(ConversionContext& context, FC& master, const FileLoopOptions& options,
                     RunOutcome& outcome) {
    const std::vector<bool> refused = RefuseClashingDocuments(context, master, options);
    const TableFormat format = FormatFromOptions(context.options, options.format);
    const bool sideBySide = options.jobs > 1 && !options.resultLines && !options.user &&
                            !context.options.console && !context.sink.messageCallback &&
                            !context.sink.statusCallback &&
                            context.files.Count() - context.files.index > 1;
    if (sideBySide) {
        ConvertSideBySide(context, master, options, format, refused, outcome);
        return;
    }
    FC working(&context.sink);
    while (context.files.index < context.files.Count()) {
        const size_t at = static_cast<size_t>(context.files.index++);
        const TextString path = context.files.paths[at];
        if (path.Empty()) break;
        if (refused[at]) {
            outcome.failed = true;
            continue;
        }
        const FileResult result = ConvertOneFile(context, master, working, options, format, path,
                                                 context.files.outputSpecs[at]);
        if (result == FileResult::StopsTheRun) {
            outcome.failed = true;
            break;
        }
        if (result == FileResult::NotConverted) {
            outcome.failed = true;
            continue;
        }
        ++outcome.converted;
        outcome.lastDocument = context.lastDocument;
    }
}

}  // namespace tabulyst
