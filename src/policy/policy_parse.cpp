// Reading one policy line into a record, and rule-set values.
#include "policy/colours.h"
#include "policy/fc.h"
#include "policy/fonts.h"
#include "policy/policy.h"

namespace tabulyst {
namespace {

// Repeats of these are harmless: the front end states them more than once itself.
bool SilentRepeat(P id) {
    return id == P::UseHtmExtension || id == P::MakeDirectory || id == P::DirectoryFilename;
}

const char* MissingKeyMessage(Kind kind) {
    if (kind == Kind::Boolean) return "PROGRAM ERROR: Missing Bool policy text";
    if (kind == Kind::Integer) return "PROGRAM ERROR: Missing Int policy text";
    return "PROGRAM ERROR: Missing text policy text";
}

void Say(const PolicyLine& line, std::string_view text, int importance) {
    if (line.owner) line.owner->Issue(text, importance);
}

int AlignmentCode(const TextString& word) {
    if (word.Empty()) return 0;
    switch (word[0]) {
        case 'L':
        case 'l':
            return 1;
        case 'C':
        case 'c':
            return 2;
        case 'R':
        case 'r':
            return 3;
        case 'J':
        case 'j':
            return 4;
        default:
            return 0;
    }
}

void OverrideMessage(const FC& owner, const TextString& key, std::string_view kept) {
    if (!owner.reporting) return;
    TextString text("INFO: Ruleset overrided - ");
    text.Append(key.View());
    text.Append(kept);
    owner.Issue(text, 10);
}

TextString Quoted(std::string_view value) {
    TextString text(" : \"");
    text.Append(value);
    text.AppendChar('"');
    return text;
}

}  // namespace

bool Policy::MatchLine(PolicyLine& line) const {
    if (line.handled) return false;
    if (key_.Empty()) Say(line, MissingKeyMessage(def_->kind), 10);
    bool match = !key_.Empty() && StartsWithNoCase(line.line.View(), key_.View());
    if (!match && !line.aliasKey.Empty())
        match = FindNoCase(line.line.View(), line.aliasKey.View()) != std::string_view::npos;
    if (!match) return false;
    line.handled = true;
    line.group = Group();
    return true;
}

bool Policy::AllowRepeat(PolicyLine& line) const {
    if (!set_ || !line.report) return true;
    if (setByRuleSet_) {
        // A value from a file overrides the rule set's value.
        TextString text("INFO: Ruleset overrided : ");
        text.Append(line.line.View());
        Say(line, text, 10);
        return true;
    }
    if (SilentRepeat(def_->id)) return false;
    // With reporting on the first value that a file gives wins.
    TextString text("POLICY: Ignoring repeated policy \\");
    text.Append(key_.View());
    text.AppendChar('\\');
    Say(line, text, 10);
    line.accepted = false;
    return false;
}

void ValuePolicy::Parse(PolicyLine& line, int min, int max) {
    if (!MatchLine(line) || !AllowRepeat(line)) return;
    switch (def_->kind) {
        case Kind::Boolean:
            if (!line.yes && !line.no) {
                TextString text("ERROR: Don't understand policy value : ");
                text.Append(line.valueText.View());
                Say(line, text, 10);
                line.accepted = false;
                return;
            }
            value_ = line.yes ? 1 : 0;
            set_ = true;
            return;
        case Kind::Integer: {
            if (line.none) {
                value_ = -1;
                set_ = true;
                return;
            }
            long number = 0;
            if (!line.valueText.ParseNumberInStyle('1', number)) {
                line.accepted = false;
                set_ = false;
                return;
            }
            if (min < max && (number < min || number > max)) {
                TextString text("POLICY: Ignored - Value ");
                text.AppendNumber('1', number);
                text.Append(" is outside allowed range (");
                text.AppendNumber('1', min);
                text.AppendChar(':');
                text.AppendNumber('1', max);
                text.AppendChar(')');
                Say(line, text, 10);
                line.accepted = false;
                set_ = false;
                return;
            }
            value_ = static_cast<int32_t>(number);
            set_ = true;
            return;
        }
        default: {
            if (line.none) {
                value_ = 0;
                return;
            }
            // An unknown word keeps the earlier value: a rejected value never replaces one.
            int code = AlignmentCode(line.valueText);
            if (code == 0) {
                line.accepted = false;
                return;
            }
            value_ = code;
            set_ = true;
            return;
        }
    }
}

void TextPolicy::Parse(PolicyLine& line, int, int) {
    if (!MatchLine(line) || !AllowRepeat(line)) return;
    if (line.none) {
        tValue.Clear();
        set_ = true;
        return;
    }
    switch (def_->kind) {
        case Kind::Colour: {
            tValue = line.valueText;
            if (!tValue.Empty()) {
                TextString normalised;
                const bool standard = CheckColour(line.valueText.View(), normalised);
                tValue = normalised;
                if (!standard) {
                    Say(line, NonStandardColourMessage(line.valueText.View()), 7);
                    line.accepted = false;
                    set_ = false;
                    return;
                }
            }
            set_ = true;
            return;
        }
        case Kind::Font:
            if (!IsFontSpec(line.valueText.View())) {
                TextString text("WARNING: \"");
                text.Append(line.valueText.View());
                text.Append("\" is not a valid font specification");
                Say(line, text, 10);
                line.accepted = false;
                set_ = false;
                return;
            }
            tValue = line.valueText;
            set_ = true;
            return;
        default:
            tValue = line.valueText;
            set_ = true;
            return;
    }
}

void ChoicePolicy::Parse(PolicyLine& line, int, int) {
    if (!MatchLine(line) || !AllowRepeat(line)) return;
    int index = -1;
    // A list with an entry "None" ("Language (for proofing)") keeps it: the written
    // entry must read back as itself, not as no value.
    if (line.none && !FindChoice(line.valueText.View(), index)) {
        value_ = -1;
        set_ = true;
        return;
    }
    if (index < 0 && !FindChoice(line.valueText.View(), index)) {
        line.accepted = false;
        set_ = false;
        return;
    }
    value_ = index;
    set_ = true;
}

// Rule sets: an explicit value always stays, and says so when the set is reporting.

void ValuePolicy::ApplyRuleSetValue(FC& owner, int32_t value, bool force) {
    if (setByRuleSet_ && !force) return;
    if (set_ && !force) {
        if (def_->kind == Kind::Boolean) {
            OverrideMessage(owner, key_, value_ != 0 ? " : Yes" : " : No");
        } else if (def_->kind == Kind::Integer) {
            TextString kept(" : ");
            kept.AppendNumber('1', value_);
            OverrideMessage(owner, key_, kept.View());
        } else {
            OverrideMessage(owner, key_,
                            Quoted(TextString(static_cast<int>(value_)).View()).View());
        }
        setByRuleSet_ = true;
        return;
    }
    value_ = value;
    set_ = setByRuleSet_ = true;
}

void TextPolicy::ApplyRuleSetValue(FC& owner, std::string_view value, bool force) {
    if (setByRuleSet_ && !force) return;
    if (set_ && !force) {
        OverrideMessage(owner, key_, Quoted(tValue.View()).View());
        setByRuleSet_ = true;
        return;
    }
    tValue.Assign(value);
    set_ = setByRuleSet_ = true;
}

void ChoicePolicy::ApplyRuleSetValue(FC& owner, int32_t value, bool force) {
    if (setByRuleSet_ && !force) return;
    if (set_ && !force) {
        OverrideMessage(owner, key_, Quoted(TextString(static_cast<int>(value_)).View()).View());
        setByRuleSet_ = true;
        return;
    }
    value_ = value;
    set_ = setByRuleSet_ = true;
}

}  // namespace tabulyst
