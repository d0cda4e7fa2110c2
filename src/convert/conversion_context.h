// The state of one run: command options, target, message sink, current file, file list.
#pragma once

#include <memory>
#include <vector>

#include "core/messages.h"
#include "core/text_string.h"
#include "input/text_file.h"
#include "policy/fc.h"

namespace tabulyst {

// What the qualifiers of the command line set. Flags start off, display starts on.
struct CommandOptions {
    bool help = false;
    bool htmlSource = false;
    bool createLog = false;
    TextString logName;
    TextString outputSpec, outputDirectory, outputName, outputExtension;
    TextString contentsOutput, contentsOutputName;
    bool addContents = false;
    bool console = false;
    bool compositionUnit = false;
    bool contextInput = false;
    TextString contextInputName;
    TextString contextOutputName;
    bool debug = false;
    bool dosNames = false;
    bool frames = false;
    bool makeIndex = false;
    TextString indexName;
    bool listFiles = false;
    TextString listName;
    bool links = false;
    TextString linksName;
    bool outputPolicy = false;
    bool outputPolicyAll = false;  // the record holds every policy, not only the stated ones
    TextString outputPolicyName;
    TextString ruleSetName;
    bool simple = false;
    bool display = true;
    bool commaDelimited = false;
    bool tabDelimited = false;
    bool multiline = false;  // quoted comma fields may span lines
    bool plainTable = false;
    bool showTags = false;
    TextString fileList;    // input specifications separated by one blank
    TextString policyFile;  // the last ".pol" word
    int jobs = 0;           // files converted at once; 0: one per processor
};

// The files of a run, in conversion order (three parallel lists).
struct FileList {
    std::vector<TextString> paths;
    std::vector<TextString> inputDirectories;
    std::vector<TextString> outputSpecs;
    int index = 0;                    // files taken so far
    std::vector<TextString> matches;  // of the specification searched last

    int Count() const { return static_cast<int>(paths.size()); }
    void Clear() {
        paths.clear();
        inputDirectories.clear();
        outputSpecs.clear();
        index = 0;
    }
};

// One per run; every conversion of the run reads its options and reports through its sink.
struct ConversionContext {
    CommandOptions options;
    int productCode = 1;  // "Tabulyst 4.0"
    // Linked to the policy sets; its target is the one place the run's output format is held.
    ProgramSettings settings;
    MessageSink sink;

    // The file being converted, as given, and its parts.
    TextString inputFile, inputDirectory, inputName, inputExtension;
    // The path of the document the conversion last wrote to a file.
    TextString lastDocument;
    // In-document policy changes of the current file; reset for every file.
    std::unique_ptr<FC> inDocument;
    FileList files;
    // A second output directory that replaces every other when its switch is on.
    TextString secondOutputDirectory;
    bool useSecondOutputDirectory = false;
    // Files not converted: refused (their output would replace an input or the log),
    // unreadable, or whose document could not be created. Any of them fails the run.
    int refusedFiles = 0;
    // Where the documents of a conversion wait for their turn to replace their targets when
    // files are converted side by side; null: they replace them as they are closed.
    std::vector<HeldFile>* heldFiles = nullptr;

    ConversionContext() : inDocument(std::make_unique<FC>(&sink)) {}
    ConversionContext(const ConversionContext&) = delete;
    ConversionContext& operator=(const ConversionContext&) = delete;
    // Links the settings and the sink to a policy set.
    void Link(FC& fc) {
        settings.productCode = productCode;
        fc.SetSink(&sink);
        fc.LinkSettings(&settings);
    }
};

// A line about the run: to the log (once open) and, when the run displays, standard error.
void RunLine(ConversionContext& context, std::string_view text);

// Applies the command options to a policy set: each given option assigns its policy and
// marks it set; a rule set name is applied as a rule-set line.
void ApplyCommandOptions(FC& fc, const ConversionContext& context);

}  // namespace tabulyst
