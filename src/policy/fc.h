// The policy set of one conversion: every policy of the catalogue, the rule set, the
// table configurations, and the message routine through which the set speaks.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "core/formats.h"
#include "core/messages.h"
#include "core/text_string.h"
#include "input/source_line.h"
#include "policy/catalogue.h"
#include "policy/fonts.h"
#include "policy/policy.h"
#include "policy/tab_config.h"

namespace tabulyst {

// What the front end's settings supply to a policy set. The command line links one too,
// so that an RTF run gets the RTF fonts and extension.
struct ProgramSettings {
    int productCode = 1;                       // 1: "Tabulyst 4.0"
    OutputFormat target = OutputFormat::Html;  // the format of the run's documents
    int ruleSet = 0;                           // 0 none, 1 "Merrill", 2 "SEC"
    bool frontEnd = false;                     // the program runs with its front end
    bool dosCharacters = false;                // the front end's "DOS characters" choice
    std::vector<FontSpec> styles;              // named fonts of the styles file
    bool stylesLoaded = false;                 // the styles file is read once per settings
    TextString lastPolicyDirectory;            // directory of the policy file read last

    bool operator==(const ProgramSettings&) const = default;
};

// Rule set codes.
enum RuleSetCode : int { kNoRuleSet = 0, kMerrill = 1, kSec = 2 };

// Result of offering one line to a policy set.
enum ParseResult : int { kParsed = 0, kUnclaimed = 1, kRejected = 2 };

class FC {
  public:
    // Every record at its default, consolidated; messages go to the sink (none: console).
    explicit FC(MessageSink* sink = nullptr);
    FC(const FC&) = delete;
    FC& operator=(const FC&) = delete;
    ~FC();
    // Becomes a whole copy of another set, every record and table setting included, while
    // keeping its own sink and settings: a set that another thread may use on its own.
    void CopyAll(const FC& other);

    // --- Records -------------------------------------------------------------------
    // The record of a policy (table policies live in the base configuration).
    Policy& Record(P id);
    const Policy& Record(P id) const;
    // Value of a Boolean, Integer, Alignment or Choice policy.
    int Value(P id) const;
    // A Boolean policy's value as a flag.
    bool Flag(P id) const { return Value(id) != 0; }
    // Value of a Text, Colour or Font policy.
    const TextString& Text(P id) const;
    // True when the policy was stated explicitly.
    bool IsSet(P id) const { return Record(id).IsSet(); }
    // Assign a value; markSet raises the explicitly-set flag.
    void SetValue(P id, int value, bool markSet = true);
    void SetText(P id, std::string_view text, bool markSet = true);

    // --- Messages ------------------------------------------------------------------
    // Where this set's messages are routed (null: the console).
    MessageSink* Sink() const { return sink_; }
    void SetSink(MessageSink* sink) { sink_ = sink; }
    // The entry all stages report through; filtered by this set's message policies. While
    // a source line is current, the message is about it (see IssueLineMessage).
    void Issue(std::string_view text, int importance) const;
    // Routes a message as it stands, whatever line is current.
    void IssueUnattached(std::string_view text, int importance) const;
    // The source line being read or written, whose messages carry its number; null when
    // there is none. The line must outlive its time as the current one.
    void SetCurrentLine(SourceLine* line) { currentLine_ = line; }
    SourceLine* CurrentLine() const { return currentLine_; }
    // Progress lines (banners, "Generating HTML file ...").
    void IssueStatus(std::string_view text) const;
    // Where the messages now issued come from (" (in a.pol, line 3)"), appended to each;
    // empty for none.
    void SetMessageOrigin(std::string_view origin) { origin_.Assign(origin); }
    bool collecting = true;  // first quiet flag, raised when built
    bool quiet = false;      // second quiet flag
    bool reporting = true;   // allows the rule-set override messages

    // --- Construction, copying and consolidation -----------------------------------
    // Every record back to its default, then consolidation (construction with reset).
    void ResetToDefaults();
    // Takes every value the other set holds explicitly (and its rule set).
    void CopyFrom(const FC& other, bool carryFlags);
    // Derives the dependent values; force lets the rule set replace stated values.
    void Consolidate(bool force = false);
    // Links the front end's settings (null unlinks). Linked read-only, the set cannot
    // hand back the rule set, the DOS-characters choice or the named styles.
    void LinkSettings(const ProgramSettings* settings);
    void LinkSettings(ProgramSettings* settings);
    void LinkSettings(std::nullptr_t) {
        LinkSettings(static_cast<const ProgramSettings*>(nullptr));
    }
    // The linked settings, or null.
    const ProgramSettings* Settings() const { return settings_; }
    // The linked settings when they were linked writable, else null.
    ProgramSettings* WritableSettings() const { return writableSettings_; }
    // The generating program's name and version ("Tabulyst 4.0").
    const TextString& ProductText() const { return productText_; }
    void SetProductText(std::string_view text) { productText_.Assign(text); }
    // The format of the documents: from the linked settings, HTML when unlinked.
    OutputFormat TargetFormat() const { return settings_ ? settings_->target : OutputFormat::Html; }
    // The rule set code in force, whether a line stated it, and setting both.
    int RuleSet() const { return ruleSet_; }
    bool RuleSetStated() const { return ruleSetStated_; }
    void SetRuleSet(int code, bool stated);
    // ".html", ".htm", ".HTM", ".rtf" as consolidation derived it.
    const TextString& OutputExtension() const { return outputExtension_; }

    // --- Policy lines (policy file format) -------------------------------------------
    // Offers one line to the set; see ParseResult. `group` receives the claimer's group.
    // checkColon off: the caller (the file reader) has reported a missing colon itself.
    int ParsePolicyLine(std::string_view line, int& group, bool report, bool checkColon = true);
    // Applies a rule set named on the command line.
    void ApplyCommandLineRuleSet(std::string_view name);
    // Saves the set as a policy file (changed-only or write-all form).
    void SavePolicyFile(LineSink& sink, bool writeAll) const;

    // Settings that are not single records; only recorded for the text-document analysis.
    struct Extras {
        std::vector<int> indentPositions;
        std::vector<int> hangingPositions;
        std::vector<TextString> documentSections;
        std::vector<TextString> newsGroups;
        std::vector<TextString> linkDefinitions;  // "a" = "b" + "c" texts, kept whole
        std::vector<TextString> textCommands;
        std::vector<char> bulletChars;
        std::vector<TextString> headingDefinitions;  // whole lines, for the text analysis
        int definitionChars = 0;  // bit 1 ':', bit 2 '-', bit 4 ':' strong, bit 8 '-' strong
        bool linkDefinitionStated = false, textCommandStated = false, indentStated = false,
             hangingStated = false, sectionStated = false, definitionStated = false,
             bulletStated = false, headingStated = false, newsStated = false;
    };
    // The settings above, as the line parser recorded them.
    Extras& GetExtras() { return extras_; }
    const Extras& GetExtras() const { return extras_; }

    // --- Table configurations ------------------------------------------------------
    // The table configuration, which policy files, the command line and directives set.
    TabConfig& BaseConfig() { return baseConfig_; }
    const TabConfig& BaseConfig() const { return baseConfig_; }
    // Setters used by the table directives; each marks the policy set.
    void SetTableValue(P id, int value);
    void SetTableText(P id, std::string_view text);
    // Colour setters check the colour, store the normalised text and warn when non-standard.
    void SetTableColour(P id, std::string_view colour);
    // Stores "Default table layout" in the base configuration and parses it into its
    // column specifications; false when it failed (the previous columns then stay).
    bool SetTableLayout(std::string_view layout);
    // Parses a TABLE_LAYOUT ("3,10,25,40" or "TABLE_LAYOUT 3 10 25 40") into a
    // configuration's column specifications, reporting through this set.
    bool ParseTableLayout(std::string_view layout, TabConfig& config) const;

    // --- Per-conversion state --------------------------------------------------------
    bool pastEndOfInput = false;
    TextString sourceFileName;
    int documentCounters[6] = {0, 0, 0, 0, 0, 0};

    // Indentation pattern in force after consolidation (HTML 3.2 falls back to 0).
    int IndentationPattern() const { return indentationPattern_; }

  private:
    void BuildRecords();
    // Routes a message with this set's message policies.
    void Route(std::string_view text, int importance) const;
    void Link(const ProgramSettings* settings);
    // Consolidation steps, in their order.
    void ApplyRuleSet(bool force);
    void ApplyTargetFonts();
    void HoldLowerLimits();
    void FollowSplitLevel();
    void DefaultTitle();
    void KeepItSimple();
    void FollowCharacterEncoding();
    void DeriveOutputExtension();
    void LimitHeadingTags();
    void DeriveIndentationPattern();
    // Assigns a value only when the policy was not stated.
    void Default(P id, int value);
    // Resets a font record to a target's text unless it was stated.
    void DefaultFont(P id, std::string_view text);

    std::vector<std::unique_ptr<Policy>> records_;  // indexed by P; table rows are null
    TabConfig baseConfig_;
    MessageSink* sink_ = nullptr;
    const ProgramSettings* settings_ = nullptr;
    ProgramSettings* writableSettings_ = nullptr;  // the same settings when linked writable
    int indentationPattern_ = 0;
    TextString productText_{"Tabulyst 4.0"};
    TextString origin_;
    SourceLine* currentLine_ = nullptr;
    TextString outputExtension_{".html"};
    int ruleSet_ = kNoRuleSet;
    bool ruleSetStated_ = false;
    Extras extras_;
};

// Reads a policy file into the set (includes, switches, link dictionaries), then
// consolidates. False when a line was ignored or an include could not be opened.
bool LoadPolicyFile(FC& fc, std::string_view path);

}  // namespace tabulyst
