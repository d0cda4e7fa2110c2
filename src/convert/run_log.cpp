// The log file of a run: its name, its opening with a fall-back, and its attachment.
#include "convert/run_log.h"

#include <string>

#include "core/file_identity.h"

namespace tabulyst {

namespace {

void RunLine(ConversionContext& context, std::string_view catalogueText, std::string_view path) {
    RunLine(context, FillPlaceholder(catalogueText, "ffffff", path));
}

// How an attempt to open the log ended.
enum class LogOpen { Attached, Refused, Failed };

LogOpen Attach(ConversionContext& context, FC& master, TextFile& log, std::string_view path,
               const std::vector<TextString>& protectedFiles) {
    // Opening the log replaces its file: never one the run is about to read.
    for (const TextString& file : protectedFiles)
        if (SameExistingFile(path, file.View())) {
            RunLine(context, "ERROR: Log file would overwrite input file ffffff", path);
            return LogOpen::Refused;
        }
    if (!log.OpenForWriting(path)) return LogOpen::Failed;
    context.sink.logPath.Assign(path);
    AttachLog(context.sink, &log);
    master.IssueStatus("Generating log file " + std::string(path));
    return LogOpen::Attached;
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
    const LogOpen first = Attach(context, master, log, path, protectedFiles);
    if (first == LogOpen::Attached) return true;
    FailedLog(context, path, log);
    TextString fallback(outputDirectory);
    fallback.Append("Pagelyst.log");
    // The fall-back is worth a try where the first attempt did not fail already: another
    // file, and another directory when the first could not be written at all.
    const bool samePlace =
        SamePlace(fallback.View(), path.View()) ||
        (first == LogOpen::Failed && SamePlace(DirectoryPart(fallback), DirectoryPart(path)));
    if (!samePlace) {
        RunLine(context, "    Opening ffffff instead", fallback);
        if (Attach(context, master, log, fallback, protectedFiles) == LogOpen::Attached)
            return true;
        FailedLog(context, fallback, log);
    }
    RunLine(context, "    Going on without a log file");
    return false;
}

}  // namespace tabulyst
