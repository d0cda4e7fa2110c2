// Policy records: one named, typed conversion option that parses and writes itself.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "core/line_sink.h"
#include "core/text_string.h"
#include "policy/catalogue.h"

namespace tabulyst {

class FC;

// The policy line being offered to the records; filled once by the line parser.
struct PolicyLine {
    FC* owner = nullptr;
    TextString line;       // blanks collapsed, trimmed
    TextString valueText;  // after the first colon, trimmed; empty without a colon
    TextString aliasKey;   // only in the alias pass
    bool report = true;    // off: repeats replace silently, no override messages
    bool none = false;
    bool yes = false;
    bool no = false;
    bool handled = false;
    bool accepted = true;
    int group = 0;
};

// Common part of every record: key, flags and group. Kind-specific value handling lives
// in the three layouts below.
class Policy {
  public:
    explicit Policy(const PolicyDef& def);
    virtual ~Policy() = default;

    const PolicyDef& Def() const { return *def_; }
    P Id() const { return def_->id; }
    Kind GetKind() const { return def_->kind; }
    const TextString& Key() const { return key_; }
    void SetKey(std::string_view key) { key_.Assign(key); }
    int Group() const { return def_->group; }

    bool IsSet() const { return set_; }
    bool IsSetByRuleSet() const { return setByRuleSet_; }
    void SetFlags(bool set, bool setByRuleSet) {
        set_ = set;
        setByRuleSet_ = setByRuleSet;
    }
    void MarkSet(bool set = true) { set_ = set; }

    // Back to the catalogue default, both flags cleared.
    virtual void Reset() = 0;
    // Claims the line when it is addressed to this policy and takes its value.
    // The range applies to Integer records only (min == max means none).
    virtual void Parse(PolicyLine& line, int min = -1, int max = -1) = 0;
    // Appends "key: value" to a policy file (nothing when unset and writeAll is off).
    virtual void Write(LineSink& sink, bool writeAll) const = 0;
    // Copies the other set's value when it is set; with carryFlags also its flags.
    virtual void CopyFrom(const Policy& other, bool carryFlags) = 0;
    virtual std::unique_ptr<Policy> Clone() const = 0;
    // The value as a policy file shows it ("Yes", "(none)", "center", ...).
    virtual TextString ValueText() const = 0;

  protected:
    // Matching and the repeat rule shared by every kind; false when the line is not
    // this record's or must not be taken.
    bool MatchLine(PolicyLine& line) const;
    bool AllowRepeat(PolicyLine& line) const;
    void WriteLine(LineSink& sink, std::string_view value) const;

    const PolicyDef* def_;
    TextString key_;
    bool set_ = false;
    bool setByRuleSet_ = false;
};

// Boolean, Integer and Alignment records.
class ValuePolicy : public Policy {
  public:
    explicit ValuePolicy(const PolicyDef& def);
    int32_t Value() const { return value_; }
    void SetValue(int32_t value) { value_ = value; }
    void Reset() override;
    void Parse(PolicyLine& line, int min = -1, int max = -1) override;
    void Write(LineSink& sink, bool writeAll) const override;
    void CopyFrom(const Policy& other, bool carryFlags) override;
    std::unique_ptr<Policy> Clone() const override;
    TextString ValueText() const override;
    // Sets the value for a rule set; an explicit value stays unless force is on.
    void ApplyRuleSetValue(FC& owner, int32_t value, bool force);

  private:
    int32_t value_ = 0;
};

// Text, Colour and Font records.
class TextPolicy : public Policy {
  public:
    explicit TextPolicy(const PolicyDef& def);
    const TextString& Value() const { return tValue; }
    void SetValue(std::string_view text) { tValue.Assign(text); }
    void Reset() override;
    void Parse(PolicyLine& line, int min = -1, int max = -1) override;
    void Write(LineSink& sink, bool writeAll) const override;
    void CopyFrom(const Policy& other, bool carryFlags) override;
    std::unique_ptr<Policy> Clone() const override;
    TextString ValueText() const override;
    void ApplyRuleSetValue(FC& owner, std::string_view value, bool force);

    TextString tValue;
};

// Choice records: a 1-based index into a comma-separated list, -1 for "(none)".
class ChoicePolicy : public Policy {
  public:
    explicit ChoicePolicy(const PolicyDef& def);
    int32_t Value() const { return value_; }
    void SetValue(int32_t value) { value_ = value; }
    const TextString& Choices() const { return choices_; }
    void Reset() override;
    void Parse(PolicyLine& line, int min = -1, int max = -1) override;
    void Write(LineSink& sink, bool writeAll) const override;
    void CopyFrom(const Policy& other, bool carryFlags) override;
    std::unique_ptr<Policy> Clone() const override;
    TextString ValueText() const override;
    void ApplyRuleSetValue(FC& owner, int32_t value, bool force);

    bool ChoiceText(TextString& out) const;
    bool FindChoice(std::string_view text, int& index) const;

  private:
    int32_t value_ = -1;
    TextString choices_;
};

// Builds the record of the right layout for a catalogue row, holding its default.
std::unique_ptr<Policy> MakePolicy(const PolicyDef& def);

}  // namespace tabulyst
