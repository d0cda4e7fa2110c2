// The front end's one way into the conversion engine: program parameters, the user's
// policy set, and runs over the window's files. Nothing else in the front end includes
// an engine header, so a change of the engine's types meets the front end here only.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

namespace tabulyst {

// What the input files hold: the "Input file type" list, in its order.
enum class InputType { PlainText = 0, TabDelimited = 1, CommaDelimited = 2, OtherDelimited = 3 };
// Where the result goes: the "Conversion Type" list, in its order.
enum class ConversionType { HtmlToFiles = 0, RtfToFile = 1, HtmlToClipboard = 2 };

// What the program parameters asked for.
struct StartParameters {
    QStringList files;      // file specifications that matched, as given
    QStringList unmatched;  // full paths of file specifications that matched nothing
    int steeringFiles = 0;  // "@" parameters, which are not supported
    InputType inputType = InputType::PlainText;
    ConversionType conversionType = ConversionType::HtmlToFiles;
    QString outputDirectory;  // of the OUTPUT qualifier
    bool version = false;     // --version
};

// One run as the window (or the start-up) asks for it.
struct RunRequest {
    QString fileListText;        // one path or specification, or the multi-file form
    QStringList specifications;  // when not empty, used in place of the text, each as given
    InputType inputType = InputType::PlainText;
    ConversionType conversionType = ConversionType::HtmlToFiles;
    // Stated as the table delimiter policy for this run (an empty text clears it); when
    // unset the policies keep whatever delimiter they have.
    std::optional<QString> delimiter;
    QString outputDirectory;    // empty: beside each input, as the command line writes
    QString outputName;         // name and extension for a single file; empty or "*": its own
    QString extension;          // ".html" or ".htm"; empty leaves it to the policies
    QString defaultPolicyFile;  // loaded into the run's policies when no parameter named one
};

// How a run ended.
struct RunResult {
    int converted = 0;
    bool failed = false;    // a conversion failed or a file was refused
    bool noFiles = false;   // nothing matched the file list
    QString lastResult;     // absolute path of the last document written
    QString clipboardText;  // the last document, when the run wrote to the clipboard
};

// What a policy holds, and so which control edits it.
enum class PolicyKind { Boolean, Integer, Alignment, Text, Colour, Font, Choice };

// What the property sheets need to know of one policy of the catalogue.
struct PolicyFacts {
    QString key;  // as written in policy files
    PolicyKind kind = PolicyKind::Text;
    bool optional = false;  // an Integer whose values below 1 mean "(none)"
    int minimum = 0;        // Integer: the values a policy file may give it
    int maximum = 0;
    QStringList choices;  // Choice: the entries, the first being value 1
    bool written = true;  // policy files hold it (a few are changed only by the program)
};

// The catalogue's facts of the policy with this key (any case); nothing when there is none.
std::optional<PolicyFacts> FindPolicy(const QString& key);
// The colour a colour text names; an invalid colour when it names none or is empty.
QColor ColourNamed(const QString& text);
// The colour text a colour chooser's choice becomes (a name where one is known).
QString ColourText(const QColor& colour);
// The colour a colour chooser starts from for a colour text.
QColor ChooserColour(const QString& text);
// The font a font text ("face, style, size") describes; nothing when it describes none.
std::optional<QFont> FontDescribed(const QString& text);
// The font text a font chooser's choice becomes, e.g. "Arial, Bold, 10".
QString FontText(const QFont& font);

class EngineSession {
  public:
    // Receives every message and status line of the engine, one line of text at a time.
    using LineCallback = std::function<void(const QString&)>;

    explicit EngineSession(LineCallback lines);
    ~EngineSession();
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;

    // Reads the program parameters as the command line does: qualifiers become the run's
    // options, a ".pol" parameter the run's policy file, the rest file specifications.
    StartParameters ReadStartParameters(const QStringList& parameters);
    // After the start-up run the window's controls decide the type, target and place of
    // the results: the options the parameters set for them are dropped.
    void ForgetStartOptions();

    // Converts the request's files one after another, stopping at the first failure.
    RunResult Run(const RunRequest& request);

    // The user's policy set: loaded from a file (false when the file could not be read or
    // a line was ignored), reset to the defaults, saved (changed only, or every policy).
    bool LoadPolicies(const QString& path);
    void ResetPolicies();
    bool SavePolicies(const QString& path, bool writeAll);
    // True when the user's set states at least one policy.
    bool PoliciesStated() const;

    // The user's policies as the property sheets edit them, by key. A value is a number
    // (Boolean 0 or 1, Integer, alignment code, choice from 1 with -1 for none) or a text.
    QVariant PolicyValue(const QString& key) const;
    // True when the policy was stated (by a file, the command line or a sheet).
    bool PolicyStated(const QString& key) const;
    // Empty when the policy takes the value, else the policy's own message about it.
    QString CheckPolicyValue(const QString& key, const QVariant& value) const;
    // Gives the policy the value (a colour in its normalised form) and marks it stated.
    void StatePolicy(const QString& key, const QVariant& value);
    // Derives the dependent values once a sheet has stated policies.
    void ConsolidatePolicies();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace tabulyst
