// The qualifiers of the command line: their table, abbreviations, values and usage text.
#include "convert/qualifiers.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tabulyst {

namespace {

enum class ValueRule : uint8_t { None, Optional, Required };

// What a qualifier found in the line brought with it.
struct Found {
    TextString value;
    bool hasValue = false;
};

using Effect = void (*)(ConversionContext&, const Found&);

// One qualifier: its name (after "/"), the letters that must be typed, its value rule and
// what it does to the command options.
struct Qualifier {
    std::string_view name;
    int minimum;
    ValueRule value;
    Effect apply;
    bool usageAfter = false;  // the usage text is printed after this step when help was asked
};

// A name whose extension is one of the refused ones gets the replacement extension instead.
TextString RefuseExtension(ConversionContext& context, const TextString& value,
                           std::initializer_list<std::string_view> refused,
                           std::string_view purpose, std::string_view replacement) {
    TextString directory, name, extension;
    SplitPath(value, directory, name, extension);
    for (std::string_view bad : refused) {
        if (!EqualsNoCase(extension, bad)) continue;
        TextString text("Can't use \"");
        text.Append(extension);
        text.Append("\" for ");
        text.Append(purpose);
        text.Append(".  Changing to \"");
        text.Append(replacement);
        text.Append("\"");
        RunLine(context, text);
        TextString changed(directory);
        changed.Append(name);
        changed.Append(replacement);
        return changed;
    }
    return value;
}

void SetOutput(ConversionContext& context, const Found& found) {
    CommandOptions& o = context.options;
    o.outputSpec = found.value;
    // A value that names an existing directory means that directory, with or without the
    // separator at its end.
    std::error_code error;
    const std::string_view value = found.value.View();
    if (!value.empty() && value.back() != '/' &&
        std::filesystem::is_directory(std::string(value), error))
        o.outputSpec.AppendChar('/');
    SplitPath(o.outputSpec, o.outputDirectory, o.outputName, o.outputExtension);
    if (EqualsNoCase(o.outputExtension, ".pol")) {
        o.outputSpec = RefuseExtension(context, found.value, {".pol"}, "an output file", ".html");
        o.outputExtension.Assign(".html");
    }
}

void SetLog(ConversionContext& context, const Found& found) {
    context.options.createLog = true;
    if (found.value.Empty()) {
        context.options.logName.Assign("Pagelyst.log");
        return;
    }
    context.options.logName =
        RefuseExtension(context, found.value, {".pol", ".txt", ".dat"}, "a log file", ".log");
}

void SetIndex(ConversionContext& context, const Found& found) {
    context.options.makeIndex = true;
    if (found.value.Empty()) return;
    context.options.indexName =
        RefuseExtension(context, found.value, {".pol", ".txt", ".dat"}, "an index file", ".html");
}

void SetContextInput(ConversionContext& context, const Found& found) {
    context.options.contextInput = true;
    if (!found.hasValue || found.value.Empty()) {
        RunLine(context, "Value missing for /CTX_IN qualifier");
        context.options.contextInput = false;
        return;
    }
    context.options.contextInputName = found.value;
}

// POLICY=all asks for every policy (a complete sample) under the default name; any other
// value names the record, which then holds the stated policies only.
void SetPolicyRecord(ConversionContext& context, const Found& found) {
    context.options.outputPolicy = true;
    context.options.outputPolicyAll = EqualsNoCase(found.value.View(), "all");
    if (context.options.outputPolicyAll)
        context.options.outputPolicyName.Clear();
    else
        context.options.outputPolicyName = found.value;
}

// JOBS=n: how many files are converted at once. Anything but a whole number from 1 up is
// refused with its reason, and the default (one per processor) stays.
void SetJobs(ConversionContext& context, const Found& found) {
    const std::string_view text = found.value.View();
    int jobs = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
    if (error != std::errc() || end != text.data() + text.size() || jobs < 1) {
        RunLine(context, "Can't use \"" + std::string(text) +
                             "\" for the number of jobs: it must be a whole number from 1 up");
        return;
    }
    context.options.jobs = jobs;
}

// The qualifiers in the order the parser looks for them.
// clang-format off
constexpr std::array<Qualifier, 28> kQualifiers = {{
    {"?", 1, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.help = true; }},
    {"HELP", 2, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.help = true; }, true},
    {"HTML", 2, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.htmlSource = true; }},
    {"LOG", 2, ValueRule::Optional, SetLog},
    {"OUTPUT", 1, ValueRule::Optional, SetOutput},
    {"TOC_OUT", 3, ValueRule::Optional,
     [](ConversionContext& c, const Found& f) {
         c.options.contentsOutput = f.value;
         c.options.contentsOutputName = f.value;
     }},
    {"CONTENTS", 4, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.addContents = true; }},
    {"CONSOLE", 4, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.console = true; }},
    {"CU", 2, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.compositionUnit = true; }},
    {"CTX_IN", 5, ValueRule::Required, SetContextInput},
    {"CTX_OUT", 5, ValueRule::Optional,
     [](ConversionContext& c, const Found& f) { c.options.contextOutputName = f.value; }},
    {"DEBUG", 2, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.debug = true; }},
    {"DOS", 2, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.dosNames = true; }},
    {"FRAMES", 1, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.frames = true; }},
    {"INDEX", 1, ValueRule::Optional, SetIndex},
    {"JOBS", 1, ValueRule::Required, SetJobs},
    {"LIST", 3, ValueRule::Optional,
     [](ConversionContext& c, const Found& f) {
         c.options.listFiles = true;
         c.options.listName = f.value;
     }},
    {"LINKS", 3, ValueRule::Optional,
     [](ConversionContext& c, const Found&) {
         c.options.links = true;
         c.options.linksName.Assign("FoundLinks.txt");
     }},
    {"POLICY", 1, ValueRule::Optional, SetPolicyRecord},
    {"RTF", 2, ValueRule::None,
     [](ConversionContext& c, const Found&) {
         c.settings.target = OutputFormat::Rtf;
     }},
    {"RULESET", 2, ValueRule::Optional,
     [](ConversionContext& c, const Found& f) { c.options.ruleSetName = f.value; }},
    {"MULTILINE", 3, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.multiline = true; }},
    {"SIMPLE", 3, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.simple = true; }},
    {"SILENT", 3, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.display = false; }},
    {"COMMA", 3, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.commaDelimited = true; }},
    {"TABBED", 4, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.tabDelimited = true; }},
    {"TABLE", 4, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.plainTable = true; }},
    {"TAGS", 3, ValueRule::None, [](ConversionContext& c, const Found&) { c.options.showTags = true; }},
}};
// clang-format on

// The usage rows for the qualifiers, each printed as three blanks, "/" and the text.
constexpr std::array<std::string_view, 19> kUsageRows = {
    "COMMA               Input file is a comma-delimited table",
    "CONSOLE             Write HTML output to console",
    "CONTENTS            Generate contents list (if possible)",
    "DOS                 Generate DOS compatible 8.3 names",
    "FRAMES              Generate HTML output in FRAMES",
    "HELP                Display this useful list of commands (\"/?\" also works)",
    "HTML                Source file is HTML (as opposed to text)",
    "INDEX[=filename]    Generate a directory index of all files converted",
    "JOBS=n              Convert n files at once (default: one per processor)",
    "LOG[=filename]      Generate a .log file",
    "LIST[=filename]     Generate .lis and .lis1 diagnostic files",
    "MULTILINE           Quoted comma fields may span lines",
    "OUTPUT[=filespec]   Filespec for output file(s)",
    "POLICY[=filename]   Document policies used in a .pol file",
    "RTF                 Generate RTF (instead of HTML)",
    "SILENT              Suppress all output messages (except these :-)",
    "SIMPLE              Treat file as structure-free \"simple\" file",
    "TABLE              Input file is plain text table",
    "TABBED              Input file is tab-delimited table",
};

// Where a qualifier written at `start` (on its "/") ends, and its value.
struct Extent {
    size_t wordEnd = 0;  // one past the typed word
    size_t end = 0;      // one past the whole qualifier text
    size_t valueStart = 0, valueEnd = 0;
    bool hasValue = false;
    bool missingValue = false;  // "=" followed by a blank
    bool missingQuote = false;
};

// A value ends at a blank, a tab or the end: a "/" inside it belongs to it (paths).
Extent Measure(std::string_view line, size_t start) {
    Extent e;
    size_t i = start + 1;
    while (i < line.size() && !IsBlankChar(line[i]) && line[i] != '=' && line[i] != '/') ++i;
    e.wordEnd = e.end = i;
    if (i < line.size() && line[i] == '/') return e;
    size_t k = i;
    while (k < line.size() && IsBlankChar(line[k])) ++k;
    if (k >= line.size() || line[k] != '=') return e;
    size_t v = k + 1;
    e.end = v;
    if (v < line.size() && IsBlankChar(line[v])) {
        e.missingValue = true;
        return e;
    }
    e.hasValue = true;
    if (v < line.size() && line[v] == '"') {
        size_t close = line.find('"', v + 1);
        e.valueStart = v + 1;
        if (close == std::string_view::npos) {
            e.missingQuote = true;
            e.valueEnd = e.end = line.size();
        } else {
            e.valueEnd = close;
            e.end = close + 1;
        }
        return e;
    }
    size_t w = v;
    while (w < line.size() && !IsBlankChar(line[w])) ++w;
    e.valueStart = v;
    e.valueEnd = e.end = w;
    return e;
}

// The positions of "/" that may start a qualifier: every "/" outside qualifier values.
std::vector<size_t> QualifierStarts(std::string_view line) {
    std::vector<size_t> starts;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] != '/') {
            ++i;
            continue;
        }
        starts.push_back(i);
        Extent e = Measure(line, i);
        i = e.hasValue || e.missingValue ? e.end : e.wordEnd;
    }
    return starts;
}

// Position of the longest abbreviation of the qualifier found in the line, or npos.
size_t FindQualifier(std::string_view line, const Qualifier& q) {
    const std::vector<size_t> starts = QualifierStarts(line);
    std::string full = "/" + std::string(q.name);
    for (size_t length = full.size(); length >= static_cast<size_t>(1 + q.minimum); --length) {
        std::string_view typed(full.data(), length);
        for (size_t start : starts)
            if (StartsWithNoCase(line.substr(start), typed)) return start;
    }
    return std::string_view::npos;
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlankChar(line[i])) ++i;
        size_t start = i;
        while (i < line.size() && !IsBlankChar(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

// Looks for one qualifier and applies it; false when it was not in the line.
bool TakeQualifier(TextString& line, ConversionContext& context, const Qualifier& q) {
    const size_t at = FindQualifier(line, q);
    if (at == std::string_view::npos) return false;
    const std::string full = "/" + std::string(q.name);
    const std::string copy(line.View());
    const Extent e = Measure(copy, at);
    if (e.missingValue) {
        RunLine(context, "Missing value after \"=\" for qualifier " + full);
    } else if (e.missingQuote) {
        RunLine(context, "Missing end-quote in qualifier value " + full);
    }
    const std::string_view word = TrimBlanks(std::string_view(copy).substr(at, e.wordEnd - at));
    if (FindNoCase(full, word) == std::string_view::npos) {
        RunLine(context, "Illegal Qualifier : " + std::string(word));
        return true;
    }
    Found found;
    if (e.hasValue) {
        found.hasValue = true;
        found.value.Assign(
            TrimBlanks(std::string_view(copy).substr(e.valueStart, e.valueEnd - e.valueStart)));
    }
    std::string rest = copy.substr(0, at) + " " + copy.substr(e.end);
    line.Assign(rest);
    q.apply(context, found);
    return true;
}

}  // namespace

bool NamesQualifier(std::string_view word) {
    if (word.empty()) return false;
    for (const Qualifier& q : kQualifiers)
        if (word.size() >= static_cast<size_t>(q.minimum) && word.size() <= q.name.size() &&
            EqualsNoCase(word, q.name.substr(0, word.size())))
            return true;
    return false;
}

bool ParseQualifiers(TextString& line, ConversionContext& context) {
    CommandOptions& o = context.options;
    int count = static_cast<int>(QualifierStarts(line).size());
    for (const Qualifier& q : kQualifiers) {
        if (count > 0 && TakeQualifier(line, context, q)) --count;
        if (q.usageAfter && o.help) PrintUsage(OutStream(context.sink));
    }

    if (line.CountChar('/') > 0) {
        std::string kept, taken;
        for (std::string_view word : Words(line)) {
            size_t slash = word.find('/');
            if (slash == std::string_view::npos) {
                kept.append(word).push_back(' ');
                continue;
            }
            taken.append(slash == 0 ? word : word.substr(slash)).push_back(' ');
        }
        RunLine(context, "*** Unrecognised, ambiguous or repeated qualifiers : " + taken);
        line.Assign(kept);
    }

    if (o.console) {
        o.makeIndex = false;
        o.indexName.Clear();
        o.outputSpec.Clear();
        o.outputDirectory.Clear();
        o.outputName.Clear();
        o.outputExtension.Clear();
        o.display = false;
    }

    for (std::string_view word : Words(line)) {
        TextString directory, name, extension;
        SplitPath(word, directory, name, extension);
        if (EqualsNoCase(extension, ".pol")) {
            o.policyFile.Assign(word);
            continue;
        }
        if (!o.fileList.Empty()) o.fileList.AppendChar(' ');
        o.fileList.Append(word);
    }
    return true;
}

void PrintUsage(std::ostream& out) {
    out << "Command is:  Pagelyst filespec1 filespec2 [policy_file.pol] [/qualifiers]\n"
        << "\n"
        << "Recognised qualifiers include\n";
    for (std::string_view row : kUsageRows) out << "   /" << row << '\n';
    out << "Qualifiers are case insensitive and may be reduced to shortest unique\n"
        << "name (e.g \"/lo\" for \"/log\")\n";
}

}  // namespace tabulyst
