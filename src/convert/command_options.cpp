// Applying the command options of a run to a policy set.
#include "convert/conversion_context.h"

namespace tabulyst {

namespace {

// A flag option and the policy it states.
struct FlagOption {
    bool CommandOptions::*option;
    P policy;
};

constexpr FlagOption kFlagOptions[] = {
    {&CommandOptions::addContents, P::AddContentsList},
    {&CommandOptions::dosNames, P::UseDosFilenames},
    {&CommandOptions::simple, P::KeepItSimple},
    {&CommandOptions::outputPolicy, P::OutputPolicyFile},
    {&CommandOptions::createLog, P::CreateALogFile},
    {&CommandOptions::showTags, P::ShowTagsInOutput},
    {&CommandOptions::frames, P::PlaceDocumentInFrames},
    {&CommandOptions::compositionUnit, P::InputFileIsACompositionUnit},
    {&CommandOptions::makeIndex, P::MakeDirectory},
    {&CommandOptions::multiline, P::QuotedFieldsMaySpanLines},
};

// A text option and the policy it states when not empty.
struct TextOption {
    TextString CommandOptions::*option;
    P policy;
};

constexpr TextOption kTextOptions[] = {
    {&CommandOptions::outputPolicyName, P::OutputPolicyFilename},
    {&CommandOptions::logName, P::OutputLogFilename},
    {&CommandOptions::indexName, P::DirectoryFilename},
    {&CommandOptions::outputDirectory, P::OutputDirectory},
};

}  // namespace

void ApplyCommandOptions(FC& fc, const ConversionContext& context) {
    const CommandOptions& o = context.options;
    // Only what the command line stated is marked set, so that a policy file can still
    // decide everything the command line left alone.
    for (const FlagOption& f : kFlagOptions)
        if (o.*f.option) fc.SetValue(f.policy, 1);
    for (const TextOption& t : kTextOptions)
        if (!(o.*t.option).Empty()) fc.SetText(t.policy, o.*t.option);
    if (!o.display) fc.SetValue(P::DisplayMessages, 0);
    if (!o.ruleSetName.Empty()) fc.ApplyCommandLineRuleSet(o.ruleSetName);
}

void RunLine(ConversionContext& context, std::string_view text) {
    context.sink.runDisplay = context.options.display;
    IssueRunLine(context.sink, text);
}

}  // namespace tabulyst
