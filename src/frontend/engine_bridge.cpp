#include "frontend/engine_bridge.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <limits>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "convert/batch_run.h"
#include "convert/command_line.h"
#include "convert/conversion_context.h"
#include "convert/convert_to_table.h"
#include "convert/file_list.h"
#include "convert/run_log.h"
#include "core/formats.h"
#include "core/message_catalogue.h"
#include "frontend/catalogue_text.h"
#include "input/text_file.h"
#include "policy/colours.h"
#include "policy/fc.h"
#include "policy/fonts.h"

namespace tabulyst {

namespace {

// The engine's input kind of each input type, in the list's order.
constexpr InputKind kInputKinds[] = {InputKind::PlainText, InputKind::TabDelimited,
                                     InputKind::CommaDelimited, InputKind::OtherDelimited};

std::string ToEngine(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Engine texts are bytes: UTF-8 when they are valid UTF-8, else one byte a character.
QString FromEngine(std::string_view bytes) {
    const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(data);
    return utf8.hasError() ? QString::fromLatin1(data) : text;
}

// An output stream that hands every complete line to a callback: the engine's console
// output (run lines, usage text) reaches the status window through it.
class LineForwarder : public std::streambuf {
  public:
    explicit LineForwarder(EngineSession::LineCallback& lines) : lines_(lines) {}

  protected:
    int_type overflow(int_type c) override {
        if (c == traits_type::eof()) return traits_type::not_eof(c);
        if (c == '\n') {
            if (lines_) lines_(FromEngine(pending_));
            pending_.clear();
        } else {
            pending_.push_back(static_cast<char>(c));
        }
        return c;
    }

  private:
    EngineSession::LineCallback& lines_;
    std::string pending_;
};

// Collects the lines a policy set writes, so that the file is replaced only when whole.
class LineCollector : public LineSink {
  public:
    bool PutLine(std::string_view line) override {
        text_.append(line.data(), static_cast<qsizetype>(line.size())).append('\n');
        return true;
    }
    const QByteArray& Text() const { return text_; }

  private:
    QByteArray text_;
};

std::string WithSeparator(std::string directory) {
    if (!directory.empty() && directory.back() != '/') directory += '/';
    return directory;
}

std::string ToUtf8(const QString& text) { return text.toStdString(); }

const PolicyDef* DefOf(const QString& key) { return FindDef(ToUtf8(key)); }

constexpr PolicyKind kKinds[] = {PolicyKind::Boolean, PolicyKind::Integer, PolicyKind::Alignment,
                                 PolicyKind::Text,    PolicyKind::Colour,  PolicyKind::Font,
                                 PolicyKind::Choice};

// The text a policy line would give the value, for the kinds whose values can be refused.
std::string LineValue(const PolicyDef& def, const QVariant& value) {
    if (def.kind == Kind::Integer) return std::to_string(value.toInt());
    return ToUtf8(value.toString());
}

// The way a colour chooser writes a colour name: "navy" and "NAVY" name what "Navy" does.
QString PickerCase(const QString& name) {
    if (name.startsWith(QLatin1Char('#')) || name.isEmpty()) return name;
    return name.left(1).toUpper() + name.mid(1).toLower();
}

}  // namespace

std::optional<PolicyFacts> FindPolicy(const QString& key) {
    const PolicyDef* def = DefOf(key);
    if (!def) return std::nullopt;
    PolicyFacts facts;
    facts.key = QString::fromUtf8(def->key);
    facts.kind = kKinds[static_cast<int>(def->kind)];
    facts.optional = def->optional();
    facts.written = def->written();
    facts.minimum = facts.optional ? -1 : std::numeric_limits<int>::min();
    facts.maximum = std::numeric_limits<int>::max();
    IntegerRange(def->id, facts.minimum, facts.maximum);
    if (def->choices) facts.choices = QString::fromUtf8(def->choices).split(QLatin1Char(','));
    return facts;
}

QColor ColourNamed(const QString& text) {
    TextString normalised;
    if (text.trimmed().isEmpty() || !CheckColour(ToUtf8(text.trimmed()), normalised))
        return QColor();
    return ChooserColour(FromEngine(normalised.View()));
}

QString ColourText(const QColor& colour) {
    return FromEngine(PickerValueToColour(colour.red(), colour.green(), colour.blue()).View());
}

QColor ChooserColour(const QString& text) {
    int red = 0, green = 0, blue = 0;
    ColourToPickerValue(ToUtf8(PickerCase(text.trimmed())), red, green, blue);
    return QColor(red, green, blue);
}

std::optional<QFont> FontDescribed(const QString& text) {
    TextString face;
    bool bold = false, italic = false;
    int size = 12;
    if (!ParseFontSpec(ToUtf8(text), face, bold, italic, size)) return std::nullopt;
    QFont font(FromEngine(face.View()));
    if (size > 0) font.setPointSize(size);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QString FontText(const QFont& font) {
    const int tenths = static_cast<int>(font.pointSizeF() * 10);
    return FromEngine(
        FormatFontSpec(ToUtf8(font.family()), font.weight(), font.italic(), tenths).View());
}

struct EngineSession::State {
    LineCallback lines;
    LineForwarder forwarder{lines};
    std::ostream console{&forwarder};
    ConversionContext context;
    FC master{&context.sink};
    FC user{&context.sink};

    explicit State(LineCallback callback) : lines(std::move(callback)) {
        MessageSink& sink = context.sink;
        auto toWindow = [this](std::string_view text) {
            if (lines) lines(FromEngine(text));
        };
        sink.messageCallback = toWindow;
        sink.statusCallback = toWindow;
        sink.err = &console;
        sink.out = &console;
        context.settings.frontEnd = true;
        context.Link(user);
    }

    // The run's master set as the command line builds it: defaults, the command options,
    // then the policy file (the parameter's, else the settings' default one).
    void PrepareMaster(const QString& defaultPolicyFile) {
        master.ResetToDefaults();
        context.Link(master);
        ApplyCommandOptions(master, context);
        const std::string name = context.options.policyFile.Empty()
                                     ? ToEngine(defaultPolicyFile)
                                     : context.options.policyFile.Str();
        if (name.empty()) return;
        TextFile probe;
        if (!probe.OpenForReading(name)) {
            context.sink.runDisplay = context.options.display;
            IssueRunLine(context.sink, "ERROR: Can't find master policy file " + name);
            return;
        }
        probe.Close();
        LoadPolicyFile(master, name);
    }

    // The window's choices as policies of this run only, on top of the user's set.
    void PrepareRunPolicies(FC& run, const RunRequest& request) {
        context.Link(run);
        run.CopyFrom(user, true);
        if (request.delimiter)
            run.SetText(P::DefaultTableDelimiterCharacter, request.delimiter->toStdString());
        if (request.extension == QLatin1String(".htm")) run.SetValue(P::UseHtmExtension, 1);
        if (request.extension == QLatin1String(".html") &&
            (master.Flag(P::UseHtmExtension) || run.Flag(P::UseHtmExtension)))
            run.SetValue(P::UseHtmExtension, 0);
        run.Consolidate(false);
    }

    void FillFileList(const RunRequest& request) {
        context.files.Clear();
        for (const QString& spec : request.specifications) {
            const std::string text = ToEngine(spec);
            TextString directory;
            DirectoryOf(text, directory);
            AddMatchingFiles(context, master, text, directory.View(), "");
        }
        if (!request.specifications.isEmpty()) return;
        const std::string text = ToEngine(request.fileListText);
        TextString directory;
        DirectoryOf(text, directory);
        // A whole name that exists is one file, whatever quotes or blanks it holds.
        if (QFileInfo::exists(request.fileListText))
            AddMatchingFiles(context, master, text, directory.View(), "");
        else
            ExpandFileList(text, directory.View(), context, master, false);
    }

    // The log of the run, when the options or the policies ask for one.
    void OpenLog(TextFile& log, const RunRequest& request) {
        if (!context.options.createLog && !master.Flag(P::CreateALogFile)) return;
        const TextString& name = context.options.logName.Empty() ? master.Text(P::OutputLogFilename)
                                                                 : context.options.logName;
        std::string directory = ToEngine(request.outputDirectory);
        if (directory.empty()) directory = context.options.outputDirectory.Str();
        std::vector<TextString> inputs = context.files.paths;
        if (directory.empty() && !inputs.empty()) {
            TextString first;
            DirectoryOf(inputs.front(), first);
            directory = first.Str();
        }
        if (!context.options.policyFile.Empty()) inputs.push_back(context.options.policyFile);
        OpenRunLog(context, master, name, WithSeparator(directory), log, inputs);
    }
};

EngineSession::EngineSession(LineCallback lines)
    : state_(std::make_unique<State>(std::move(lines))) {}

EngineSession::~EngineSession() = default;

StartParameters EngineSession::ReadStartParameters(const QStringList& parameters) {
    ConversionContext& context = state_->context;
    std::vector<std::string> words;
    for (const QString& parameter : parameters) words.push_back(ToEngine(parameter));
    const CommandLine line = ReadParameters(words, context);

    StartParameters start;
    for (const TextString& file : line.files)
        start.files << QFile::decodeName(QByteArray::fromStdString(file.Str()));
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        const ParameterClass kind = ClassifyParameter(words[static_cast<size_t>(i)]);
        if (kind == ParameterClass::Steering) ++start.steeringFiles;
        if (kind == ParameterClass::FileSpecification && !start.files.contains(parameters[i]))
            start.unmatched << QFileInfo(parameters[i]).absoluteFilePath();
    }
    const CommandOptions& o = context.options;
    const TableFormat format = FormatFromOptions(o, TableFormat::User);
    start.inputType = format == TableFormat::Comma ? InputType::CommaDelimited
                      : format == TableFormat::Tab ? InputType::TabDelimited
                                                   : InputType::PlainText;
    start.conversionType = context.settings.target == OutputFormat::Rtf
                               ? ConversionType::RtfToFile
                               : ConversionType::HtmlToFiles;
    start.outputDirectory = QFile::decodeName(QByteArray::fromStdString(o.outputDirectory.Str()));
    start.version = line.version;
    return start;
}

void EngineSession::ForgetStartOptions() {
    CommandOptions& o = state_->context.options;
    o.commaDelimited = o.tabDelimited = o.plainTable = false;
    state_->context.settings.target = OutputFormat::Html;
    o.outputSpec.Clear();
    o.outputDirectory.Clear();
    o.outputName.Clear();
    o.outputExtension.Clear();
}

RunResult EngineSession::Run(const RunRequest& request) {
    State& s = *state_;
    ConversionContext& context = s.context;
    RunResult outcome;
    context.settings.target = request.conversionType == ConversionType::RtfToFile
                                  ? OutputFormat::Rtf
                                  : OutputFormat::Html;
    context.useSecondOutputDirectory = !request.outputDirectory.isEmpty();
    context.secondOutputDirectory.Assign(WithSeparator(ToEngine(request.outputDirectory)));
    context.refusedFiles = 0;
    context.sink.runDisplay = context.options.display;

    s.PrepareMaster(request.defaultPolicyFile);
    FC runPolicies(&context.sink);
    s.PrepareRunPolicies(runPolicies, request);
    s.FillFileList(request);
    TextFile log;
    s.OpenLog(log, request);

    if (context.refusedFiles > 0) outcome.failed = true;
    if (context.files.Count() == 0) {
        outcome.noFiles = true;
        std::string listText = ToEngine(request.fileListText);
        if (!request.specifications.isEmpty())
            listText = ToEngine(request.specifications.join(QLatin1Char(' ')));
        // Catalogue texts are shown in the language in force; the token is filled after.
        const std::string text =
            "ERROR: " + FillPlaceholders(CatalogueText(MessageId::NoFilesFound),
                                         {{QStringLiteral("xxxxxx"), FromEngine(listText)}})
                            .toStdString();
        if (s.lines) s.lines(FromEngine(text));
        if (context.sink.logFile) context.sink.logFile->PutLine(text);
    } else {
        const bool toClipboard = request.conversionType == ConversionType::HtmlToClipboard;
        const bool named = context.files.Count() == 1 && !request.outputName.isEmpty() &&
                           !request.outputName.startsWith(QLatin1Char('*'));
        const TextString outputSpec(named ? ToEngine(request.outputName) : std::string());
        if (named) context.files.outputSpecs[0] = outputSpec;
        std::vector<TextString> lines;
        FileLoopOptions loop;
        loop.user = &runPolicies;
        loop.format = TableFormatOf(kInputKinds[static_cast<int>(request.inputType)]);
        loop.resultLines = toClipboard ? &lines : nullptr;
        tabulyst::RunOutcome done;
        ConvertFileList(context, s.master, loop, done);
        outcome.converted = done.converted;
        outcome.failed = outcome.failed || done.failed;
        if (toClipboard && done.converted > 0) {
            QStringList text;
            for (const TextString& line : lines) text << FromEngine(line.View());
            outcome.clipboardText = text.join(QLatin1Char('\n'));
        } else if (!done.lastDocument.Empty()) {
            outcome.lastResult =
                QFileInfo(QFile::decodeName(QByteArray::fromStdString(done.lastDocument.Str())))
                    .absoluteFilePath();
        }
    }

    s.master.IssueStatus(CatalogueText(MessageId::ConversionComplete).toStdString());
    AttachLog(context.sink, nullptr);
    log.Close();
    // Run lines wait for a log to open; without one they must not reach the next run's.
    context.sink.runBuffer.Clear();
    return outcome;
}

bool EngineSession::LoadPolicies(const QString& path) {
    FC& user = state_->user;
    user.ResetToDefaults();
    state_->context.Link(user);
    if (!QFileInfo(path).isFile()) return false;
    return LoadPolicyFile(user, ToEngine(path));
}

void EngineSession::ResetPolicies() {
    state_->user.ResetToDefaults();
    state_->context.Link(state_->user);
}

bool EngineSession::SavePolicies(const QString& path, bool writeAll) {
    LineCollector lines;
    state_->user.SavePolicyFile(lines, writeAll);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(lines.Text());
    return file.commit();
}

bool EngineSession::PoliciesStated() const {
    for (const PolicyDef& def : Catalogue())
        if (state_->user.IsSet(def.id)) return true;
    return state_->user.RuleSetStated();
}

QVariant EngineSession::PolicyValue(const QString& key) const {
    const PolicyDef* def = DefOf(key);
    if (!def) return {};
    if (def->isTextKind()) return FromEngine(state_->user.Text(def->id).View());
    return state_->user.Value(def->id);
}

bool EngineSession::PolicyStated(const QString& key) const {
    const PolicyDef* def = DefOf(key);
    return def && state_->user.IsSet(def->id);
}

QString EngineSession::CheckPolicyValue(const QString& key, const QVariant& value) const {
    const PolicyDef* def = DefOf(key);
    if (!def || !def->readable()) return {};
    // Only these kinds can refuse a value; the others take whatever a control can show.
    if (def->kind != Kind::Colour && def->kind != Kind::Font && def->kind != Kind::Integer)
        return {};
    // The policy's own parser judges the value in a scratch set, so that the message is
    // the one a policy file would draw.
    QStringList messages;
    MessageSink sink;
    sink.messageCallback = [&messages](std::string_view text) { messages << FromEngine(text); };
    FC scratch(&sink);
    int group = 0;
    const std::string line = std::string(def->key) + " : " + LineValue(*def, value);
    if (scratch.ParsePolicyLine(line, group, false) != kRejected) return {};
    return messages.isEmpty() ? QString::fromStdString(line) : messages.join(QLatin1Char('\n'));
}

void EngineSession::StatePolicy(const QString& key, const QVariant& value) {
    const PolicyDef* def = DefOf(key);
    if (!def) return;
    FC& user = state_->user;
    if (def->kind == Kind::Colour) {
        TextString normalised;
        CheckColour(ToUtf8(value.toString().trimmed()), normalised);
        user.SetText(def->id, normalised.View());
    } else if (def->isTextKind()) {
        user.SetText(def->id, ToUtf8(value.toString()));
    } else {
        user.SetValue(def->id, value.toInt());
    }
}

void EngineSession::ConsolidatePolicies() { state_->user.Consolidate(false); }

}  // namespace tabulyst
