// The log file of a run: its name, its opening with a fall-back, and its attachment.
#include "convert/run_log.h"

#include <string>

#include "core/file_identity.h"

namespace tabulyst {

namespace {

void RunLine(ConversionContext& context, std::string_view catalogueText, std::string_view path) {
    RunLine(context, FillPlaceholder(catalogueText, "ffffff", path));
}

bool Attach(ConversionContext& context, FC& master, TextFile& log, std::string_view path,
            const std::vector<TextString>& protectedFiles) {
    // Opening the log replaces its file: never one the run is about to read.
    for (const TextString& file : protectedFiles)
        if (SameExistingFile(path, file.View())) {
            RunLine(context, "ERROR: Log file would overwrite input file ffffff", path);
            return false;
        }
    if (!log.OpenForWriting(path)) return false;
    context.sink.logPath.Assign(path);
    AttachLog(context.sink, &log);
    master.IssueStatus("Generating log file " + std::string(path));
    return true;
}

// "*** Failed to open log file : <path> ***", with the system's reason when there is one.
void FailedLog(ConversionContext& context, std::string_view path, const TextFile& log) {
    TextString text = FillPlaceholder("*** Failed to open log file : ffffff ***", "ffffff", path);
    if (!log.OpenError().empty()) {
        text.Append(" (");
        text.Append(log.OpenError());
        text.Append(")");
    }
    RunLine(context, text);
}

// The directory of a path, "." for a bare name.
std::string DirectoryPart(std::string_view path) {
    TextString directory;
    DirectoryOf(path, directory);
    return directory.Empty() ? std::string(".") : directory.Str();
}

}  // namespace

TextString LogPath(std::string_view logName, std::string_view outputDirectory) {
    TextString directory;
    DirectoryOf(logName, directory);
    TextString path;
    if (directory.Empty()) path.Assign(outputDirectory);
    path.Append(logName);
    return path;
}

bool OpenRunLog(ConversionContext& context, FC& master, std::string_view logName,
                std::string_view outputDirectory, TextFile& log,
                const std::vector<TextString>& protectedFiles) {
    const TextString path =
        LogPath(logName.empty() ? std::string_view("Pagelyst.log") : logName, outputDirectory);
    if (Attach(context, master, log, path, protectedFiles)) return true;
    FailedLog(context, path, log);
    TextString fallback(outputDirectory);
    fallback.Append("Pagelyst.log");
    // The fall-back is worth a try only where the first attempt did not fail already.
    if (!SamePlace(DirectoryPart(fallback), DirectoryPart(path)) &&
        !SamePlace(fallback.View(), path.View())) {
        RunLine(context, "    Opening ffffff instead", fallback);
        if (Attach(context, master, log, fallback, protectedFiles)) return true;
        FailedLog(context, fallback, log);
    }
    RunLine(context, "    Going on without a log file");
    return false;
}

}  // namespace tabulyst
