// The front end's one way into the conversion engine: program parameters, the user's
// policy set, and runs over the window's files. Nothing else in the front end includes
// an engine header, so a change of the engine's types meets the front end here only.
#pragma once

#include <QString>
#include <QStringList>
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

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace tabulyst
