// The program's parameters: file specifications, a policy file and qualifiers.
#include "convert/command_line.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "convert/batch_run.h"
#include "convert/file_list.h"
#include "convert/qualifiers.h"

namespace tabulyst {

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

// Where "-" reads from: the system's name for standard input, a pipe or a redirected file.
constexpr const char* kStandardInput = "/dev/stdin";

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// The message boxes of the front end become lines on standard error.
void MessageBox(const ConversionContext& context, std::string_view text) {
    ErrStream(context.sink) << "ERROR: " << text << '\n';
}

// A qualifier parameter as the qualifier parser reads it: "/" and the name, and a value
// that the shell delivered with blanks in it put back in quotes.
std::string AsQualifier(const std::string& parameter) {
    std::string text = parameter;
    if (text.rfind("--", 0) == 0)
        text.erase(0, 2);
    else if (!text.empty() && (text[0] == '-' || text[0] == '/'))
        text.erase(0, 1);
    const size_t equals = text.find('=');
    if (equals != std::string::npos) {
        const std::string value = text.substr(equals + 1);
        if (value.find_first_of(" \t") != std::string::npos && value.find('"') == std::string::npos)
            text = text.substr(0, equals + 1) + "\"" + value + "\"";
    }
    return "/" + text;
}

// Why a specification matched no file, as a user needs to hear it.
std::string NoMatchReason(const std::string& spec) {
    std::error_code error;
    if (std::filesystem::is_directory(spec, error)) return "it is a directory";
    if (spec.find_first_of("*?") != std::string::npos) return "no file matches it";
    return "No such file or directory";
}

void AddFileSpecification(const std::string& spec, ConversionContext& context, CommandLine& line) {
    if (MatchingFiles(spec).empty()) {
        std::error_code error;
        std::string full = std::filesystem::absolute(spec, error).string();
        if (error) full = spec;
        MessageBox(context,
                   FillPlaceholder("Unable to locate file \"ffffff\"", "ffffff", full).Str() +
                       " (" + NoMatchReason(spec) + ")");
        ++line.unmatched;
        return;
    }
    line.files.emplace_back(spec);
}

}  // namespace

ParameterClass ClassifyParameter(const std::string& parameter) {
    if (!parameter.empty() && parameter[0] == '-') return ParameterClass::Qualifier;
    // A "/" word is a qualifier only when it names one and is no path that exists: on this
    // platform "/data.txt" is a file.
    if (!parameter.empty() && parameter[0] == '/') {
        const std::string_view word =
            std::string_view(parameter).substr(1, parameter.find('=') - 1);
        if (NamesQualifier(word) && !Exists(parameter)) return ParameterClass::Qualifier;
    }
    if (EndsWithNoCase(parameter, ".pol")) return ParameterClass::PolicyFile;
    if (parameter.find('@') != std::string::npos) return ParameterClass::Steering;
    return ParameterClass::FileSpecification;
}

CommandLine ReadParameters(const std::vector<std::string>& parameters, ConversionContext& context) {
    CommandLine line;
    std::string qualifiers;
    std::vector<std::string> specs;
    TextString policyFile;
    for (const std::string& parameter : parameters) {
        if (parameter == "--version") {
            line.version = true;
            continue;
        }
        if (parameter == "-") {
            line.standardInput = true;
            // A terminal would wait for typing that nobody means to do.
            if (::isatty(STDIN_FILENO)) {
                line.terminalInput = true;
                MessageBox(context,
                           "\"-\" reads standard input, which is a terminal here: pipe "
                           "or redirect the data into the program");
                continue;
            }
            specs.emplace_back(kStandardInput);
            continue;
        }
        switch (ClassifyParameter(parameter)) {
            case ParameterClass::Qualifier:
                if (!qualifiers.empty()) qualifiers += ' ';
                qualifiers += AsQualifier(parameter);
                break;
            case ParameterClass::PolicyFile:
                policyFile.Assign(parameter);
                break;
            case ParameterClass::Steering:
                MessageBox(context, "Steering files not yet supported");
                break;
            case ParameterClass::FileSpecification:
                specs.push_back(parameter);
                break;
        }
    }

    // All qualifiers are parsed as one line, so that a repeated one is noticed.
    TextString qualifierLine(qualifiers);
    ParseQualifiers(qualifierLine, context);
    if (!policyFile.Empty()) context.options.policyFile = policyFile;

    // Words the qualifier parser left over are file specifications as well.
    TextString leftOver = context.options.fileList;
    context.options.fileList.Clear();
    TextString word;
    for (int n = 1; leftOver.GetWord(n, ' ', word); ++n)
        if (!word.Empty()) specs.push_back(word.Str());
    CommandOptions& options = context.options;
    // Standard input alone, and no document named: the document goes to standard output, as
    // a filter's does, and progress lines stay off it. Messages still go to standard error.
    if (line.standardInput && !line.terminalInput && specs.size() == 1 && !options.console &&
        options.outputSpec.Empty()) {
        options.console = true;
        options.makeIndex = false;
        options.indexName.Clear();
        context.sink.statusShown = false;
    }
    for (const std::string& spec : specs) AddFileSpecification(spec, context, line);
    for (const TextString& file : line.files) {
        if (!context.options.fileList.Empty()) context.options.fileList.AppendChar(' ');
        context.options.fileList.Append(file);
    }
    return line;
}

int RunCommandLine(const std::vector<std::string>& parameters, ConversionContext& context) {
    const CommandLine line = ReadParameters(parameters, context);
    if (line.version) {
        OutStream(context.sink) << "Tabulyst 4.0\n";
        return 0;
    }
    if (line.terminalInput) {
        PrintUsage(OutStream(context.sink));
        return 2;
    }
    if (line.files.empty()) {
        if (line.unmatched > 0) return 1;
        if (context.options.help) return 0;
        PrintUsage(OutStream(context.sink));
        return 2;
    }
    FC master(&context.sink);
    const RunOutcome outcome = RunBatch(context, master, line.files, TableFormat::User);
    return outcome.failed || outcome.noFiles || line.unmatched > 0 ? 1 : 0;
}

}  // namespace tabulyst
