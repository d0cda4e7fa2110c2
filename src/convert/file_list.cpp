// From file specifications to the run's list of files, and the names of one conversion.
#include "convert/file_list.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <system_error>

#include "input/text_file.h"

namespace tabulyst {

namespace fs = std::filesystem;

namespace {

bool HasWildcard(std::string_view name) {
    return name.find_first_of("*?") != std::string_view::npos;
}

bool LessNoCase(const TextString& a, const TextString& b) {
    return std::lexicographical_compare(a.View().begin(), a.View().end(), b.View().begin(),
                                        b.View().end(), [](char x, char y) {
                                            return std::tolower(static_cast<unsigned char>(x)) <
                                                   std::tolower(static_cast<unsigned char>(y));
                                        });
}

// The plain files of a directory whose names match the pattern.
void CollectMatches(std::string_view directory, std::string_view pattern,
                    std::vector<std::string>& names) {
    std::error_code error;
    const fs::path where = directory.empty() ? fs::path(".") : fs::path(std::string(directory));
    if (!HasWildcard(pattern)) {
        // No enumeration needed; and a name with brackets or other specials is taken as is.
        const fs::path path = where / std::string(pattern);
        if (!pattern.empty() && fs::exists(path, error) && !fs::is_directory(path, error))
            names.emplace_back(pattern);
        return;
    }
    fs::directory_iterator it(where, error);
    if (error) return;
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        if (!WildcardMatch(pattern, name)) continue;
        std::error_code kindError;
        if (entry.is_directory(kindError)) continue;
        names.push_back(name);
    }
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    size_t p = 0, n = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<TextString> MatchingFiles(std::string_view specification) {
    TextString directory, name, extension;
    SplitPath(specification, directory, name, extension);
    std::string pattern(name.View());
    pattern.append(extension.View());
    std::vector<std::string> names;
    CollectMatches(directory, pattern, names);
    std::vector<TextString> matches;
    for (const std::string& found : names) {
        TextString full(directory);
        full.Append(found);
        matches.push_back(std::move(full));
    }
    std::stable_sort(matches.begin(), matches.end(), LessNoCase);
    return matches;
}

bool FindMatchingFile(ConversionContext& context, FC& fc, std::string_view specification, int index,
                      TextString& path) {
    std::vector<TextString>& matches = context.files.matches;
    if (index == 0) {
        matches = MatchingFiles(specification);
        for (const TextString& match : matches) {
            std::error_code error;
            if (fs::file_size(match.Str(), error) == 0 && !error) {
                TextString text("WARNING: File is empty ");
                text.Append(match);
                fc.Issue(text, 7);
            }
        }
    }
    path.Clear();
    if (index < 0 || index >= static_cast<int>(matches.size())) return false;
    path = matches[static_cast<size_t>(index)];
    return true;
}

void AddMatchingFiles(ConversionContext& context, FC& fc, std::string_view specification,
                      std::string_view inputDirectory, std::string_view outputSpecification) {
    TextString path;
    if (FindMatchingFile(context, fc, specification, 0, path)) {
        TextFile probe;
        if (!probe.OpenForReading(path)) {
            TextString text("ERROR: Can't find or open ");
            text.Append(specification);
            text.Append(" (");
            text.Append(probe.OpenError());
            text.Append(")");
            RunLine(context, text);
            ++context.refusedFiles;
            return;
        }
    }
    // The matches are copied first: checking them must not disturb the list being walked.
    const std::vector<TextString> matches = context.files.matches;
    for (const TextString& match : matches) {
        TextString directory, name, extension;
        SplitPath(match, directory, name, extension);
        TextString whole(name);
        whole.Append(extension);
        if (whole == std::string_view(".") || whole == std::string_view("..")) continue;
        context.files.paths.push_back(match);
        context.files.inputDirectories.emplace_back(inputDirectory);
        context.files.outputSpecs.emplace_back(outputSpecification);
    }
}

bool ExpandFileList(std::string_view text, std::string_view inputDirectory,
                    ConversionContext& context, FC& fc, bool several) {
    const size_t quote = text.find('"');
    if (quote != std::string_view::npos) {
        const std::string_view directory = text.substr(0, quote);
        size_t at = quote;
        while (at != std::string_view::npos && at < text.size()) {
            const size_t close = text.find('"', at + 1);
            if (close == std::string_view::npos) break;
            TextString spec(directory);
            spec.Append(text.substr(at + 1, close - at - 1));
            if (close > at + 1) AddMatchingFiles(context, fc, spec, inputDirectory, "");
            at = text.find('"', close + 1);
        }
    } else if (several && text.find(' ') != std::string_view::npos) {
        size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && text[i] == ' ') ++i;
            const size_t start = i;
            while (i < text.size() && text[i] != ' ') ++i;
            if (i > start)
                AddMatchingFiles(context, fc, text.substr(start, i - start), inputDirectory, "");
        }
    } else {
        AddMatchingFiles(context, fc, text, inputDirectory, "");
    }
    return context.files.Count() > 0;
}

DerivedNames DeriveFileNames(std::string_view inputSpecification,
                             std::string_view outputSpecification, const FC& scratch,
                             const ConversionContext& context) {
    DerivedNames names;
    TextString inputName, inputExtension;
    SplitPath(inputSpecification, names.inputDirectory, inputName, inputExtension);
    const CommandOptions& o = context.options;

    names.outputDirectory = names.inputDirectory;
    // A pipe or a device has no directory of its own to write to (/dev): its document goes
    // to the current directory.
    std::error_code kindError;
    if (fs::exists(std::string(inputSpecification), kindError) &&
        !fs::is_regular_file(std::string(inputSpecification), kindError))
        names.outputDirectory.Clear();
    if (!o.outputDirectory.Empty()) names.outputDirectory = o.outputDirectory;
    if (context.useSecondOutputDirectory) names.outputDirectory = context.secondOutputDirectory;

    // An asterisk is no name: each file keeps its own (as the output path does too).
    if (EqualsNoCase(inputSpecification, "in.asc"))
        names.outputBaseName.Assign("out");
    else if (!o.outputName.Empty() && o.outputName != std::string_view("*"))
        names.outputBaseName = o.outputName;
    else
        names.outputBaseName = inputName;
    names.outputExtension = scratch.OutputExtension();

    const bool diagnostics = scratch.Flag(P::GenerateDiagnosticsFiles);
    const bool dos = o.dosNames || scratch.Flag(P::UseDosFilenames);
    auto diagnosticsName = [&](std::string_view suffix) {
        TextString name(names.outputDirectory);
        name.Append(inputName);
        name.Append(suffix);
        return name;
    };
    if (o.debug || o.listFiles || diagnostics) {
        names.listing = diagnosticsName(".lis");
        names.listing2 = diagnosticsName(dos ? ".ls1" : ".lis1");
    }
    if (o.debug || diagnostics) names.statistics = diagnosticsName(dos ? ".sts" : ".stats");

    if (!outputSpecification.empty()) {
        TextString directory, name, extension;
        SplitPath(outputSpecification, directory, name, extension);
        if (!directory.Empty()) names.outputDirectory = directory;
        if (!name.Empty()) names.outputBaseName = name;
        if (!extension.Empty()) names.outputExtension = extension;
    }
    return names;
}

}  // namespace tabulyst
