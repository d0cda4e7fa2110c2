#include "policy/policy.h"

#include "policy/fonts.h"

namespace tabulyst {
namespace {

constexpr int kKeyWidth = 34;

// A Font record never holds a specification it could not parse itself.
const char* StartText(const PolicyDef& def) {
    if (def.kind == Kind::Font && !IsFontSpec(def.defaultText)) return "";
    return def.defaultText;
}

// The entry of a 1-based number in a comma-separated list; false beyond its end.
bool ListEntry(const TextString& list, int number, TextString& entry) {
    if (number < 1 || list.Empty()) return false;
    return list.GetWord(number, ',', entry);
}

}  // namespace

Policy::Policy(const PolicyDef& def) : def_(&def), key_(def.key) {}

ValuePolicy::ValuePolicy(const PolicyDef& def) : Policy(def), value_(def.defaultValue) {}
TextPolicy::TextPolicy(const PolicyDef& def) : Policy(def), tValue(StartText(def)) {}
ChoicePolicy::ChoicePolicy(const PolicyDef& def)
    : Policy(def), value_(def.defaultValue), choices_(def.choices) {}

void ValuePolicy::Reset() {
    value_ = def_->defaultValue;
    set_ = setByRuleSet_ = false;
}
void TextPolicy::Reset() {
    tValue.Assign(StartText(*def_));
    set_ = setByRuleSet_ = false;
}
void ChoicePolicy::Reset() {
    value_ = def_->defaultValue;
    set_ = setByRuleSet_ = false;
}

std::unique_ptr<Policy> ValuePolicy::Clone() const { return std::make_unique<ValuePolicy>(*this); }
std::unique_ptr<Policy> TextPolicy::Clone() const { return std::make_unique<TextPolicy>(*this); }
std::unique_ptr<Policy> ChoicePolicy::Clone() const {
    return std::make_unique<ChoicePolicy>(*this);
}

std::unique_ptr<Policy> MakePolicy(const PolicyDef& def) {
    if (def.isValueKind()) return std::make_unique<ValuePolicy>(def);
    if (def.isTextKind()) return std::make_unique<TextPolicy>(def);
    return std::make_unique<ChoicePolicy>(def);
}

// Copying: only a value that the other set holds explicitly travels.

void ValuePolicy::CopyFrom(const Policy& other, bool carryFlags) {
    if (!other.IsSet() || !other.Def().isValueKind()) return;
    value_ = static_cast<const ValuePolicy&>(other).value_;
    if (carryFlags) SetFlags(other.IsSet(), other.IsSetByRuleSet());
}

void TextPolicy::CopyFrom(const Policy& other, bool carryFlags) {
    if (!other.IsSet() || !other.Def().isTextKind()) return;
    tValue = static_cast<const TextPolicy&>(other).tValue;
    if (carryFlags) SetFlags(other.IsSet(), other.IsSetByRuleSet());
}

void ChoicePolicy::CopyFrom(const Policy& other, bool carryFlags) {
    if (!other.IsSet() || other.GetKind() != Kind::Choice) return;
    value_ = static_cast<const ChoicePolicy&>(other).value_;
    if (carryFlags) SetFlags(other.IsSet(), other.IsSetByRuleSet());
}

// Value texts as a policy file shows them.

TextString ValuePolicy::ValueText() const {
    switch (def_->kind) {
        case Kind::Boolean:
            return TextString(value_ != 0 ? "Yes" : "No");
        case Kind::Alignment: {
            static constexpr const char* kWords[] = {"(none)", "left", "center", "right",
                                                     "justified"};
            return TextString(value_ >= 1 && value_ <= 4 ? kWords[value_] : kWords[0]);
        }
        default:
            if (def_->optional() && value_ < 1) return TextString("(none)");
            return TextString(static_cast<int>(value_));
    }
}

TextString TextPolicy::ValueText() const { return tValue.Empty() ? TextString("(none)") : tValue; }

TextString ChoicePolicy::ValueText() const {
    TextString text;
    ChoiceText(text);
    return text;
}

bool ChoicePolicy::ChoiceText(TextString& out) const {
    out.Assign("(none)");
    if (value_ == -1) return true;
    TextString entry;
    if (!ListEntry(choices_, value_, entry)) return false;
    out = entry;
    return true;
}

bool ChoicePolicy::FindChoice(std::string_view text, int& index) const {
    TextString wanted(text);
    wanted.Trim();
    wanted.CollapseBlanks();
    TextString entry;
    for (int number = 1; ListEntry(choices_, number, entry); ++number) {
        entry.CollapseBlanks();
        if (entry.Equals(wanted.View(), false)) {
            index = number;
            return true;
        }
    }
    index = -1;
    return false;
}

// Writing: the key padded to a fixed column so that the colons line up.

void Policy::WriteLine(LineSink& sink, std::string_view value) const {
    TextString line(key_);
    if (line.Length() >= kKeyWidth) {
        line.Append("  ");
    } else {
        while (line.Length() < kKeyWidth) line.AppendChar(' ');
    }
    line.Append(": ");
    line.Append(value);
    sink.PutLine(line.View());
}

void ValuePolicy::Write(LineSink& sink, bool writeAll) const {
    if (writeAll || set_) WriteLine(sink, ValueText().View());
}

void TextPolicy::Write(LineSink& sink, bool writeAll) const {
    if (writeAll || set_) WriteLine(sink, ValueText().View());
}

void ChoicePolicy::Write(LineSink& sink, bool writeAll) const {
    if (writeAll || set_) WriteLine(sink, ValueText().View());
}

}  // namespace tabulyst
