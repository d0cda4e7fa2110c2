#include "output/output_file.h"

#include <string>

#include "policy/fc.h"

namespace tabulyst {

namespace {

bool EndsWithSeparator(std::string_view text) {
    return !text.empty() && (text.back() == '/' || text.back() == '\\' || text.back() == ']');
}

}  // namespace

void OutputFile::Close() {
    FlushPending(true);
    pending_.Clear();
    TextFile::Close();
}

bool OutputFile::MakeOutputName(std::string_view name, FC& fc, TextString& path) const {
    path = DocumentPath(name, fc, outputSpecification);
    return !path.Empty();
}

TextString DocumentPath(std::string_view name, FC& fc, std::string_view outputSpecification) {
    if (fc.Text(P::OutputDirectory).Empty()) {
        TextString directory;
        DirectoryOf(name, directory);
        fc.SetText(P::OutputDirectory, directory, false);
    }
    const TextString& outputDirectory = fc.Text(P::OutputDirectory);

    std::string base(name);
    const TextString& inputDirectory = fc.Text(P::InputDirectory);
    if (!inputDirectory.Empty()) {
        size_t at = base.find(inputDirectory.View());
        if (at != std::string::npos) base.erase(at, static_cast<size_t>(inputDirectory.Length()));
    }
    // A name that still carries the directory the output directory came from would
    // otherwise name that directory twice.
    TextString nameDirectory;
    DirectoryOf(base, nameDirectory);
    if (!nameDirectory.Empty() && nameDirectory == outputDirectory)
        base.erase(0, static_cast<size_t>(nameDirectory.Length()));

    TextString specDirectory, specName, specExtension;
    if (!outputSpecification.empty()) {
        SplitPath(outputSpecification, specDirectory, specName, specExtension);
        if (specDirectory.Contains("[*]")) specDirectory.Clear();
        if (specName.View() == "*") specName.Clear();
        if (specExtension.Contains(".*")) specExtension.Clear();
    }

    std::string result(specDirectory.Empty() ? outputDirectory.View() : specDirectory.View());
    if (!result.empty() && !EndsWithSeparator(result)) result += '/';
    result += specName.Empty() ? std::string_view(base) : specName.View();
    result += specExtension.Empty() ? fc.OutputExtension().View() : specExtension.View();
    return TextString(result);
}

bool OutputFile::OpenOutputStream(std::string_view name, FC& fc, bool console) {
    const std::string_view kind = Traits(Format()).name;
    fc_ = &fc;
    buffered_ = true;
    pending_.Clear();
    baseName_.Assign(name);
    state.ruleSet = fc.RuleSet();

    TextString path;
    MakeOutputName(name, fc, path);
    outputPath_ = path;

    std::string line("Generating ");
    line.append(kind).append(" file ").append(path.View());
    fc.IssueStatus(line);

    if (MessageSink* sink = fc.Sink(); sink && sink->logFile) {
        line.assign(">>> Start of ")
            .append(kind)
            .append(" file ")
            .append(path.View())
            .append(" <<<");
        sink->logFile->PutLine("");
        sink->logFile->PutLine(line);
        sink->logFile->PutLine("");
    }

    if (!OpenForWriting(path, console, false)) {
        line.assign("ERROR: Can't open file \"").append(path.View()).append("\"");
        if (!OpenError().empty()) line.append(" (").append(OpenError()).append(")");
        fc.Issue(line, 10);
        return false;
    }
    return true;
}

}  // namespace tabulyst
