// Shared helpers of the policy tests: a policy set whose messages are captured, a line
// sink that keeps what a writer produced, and checks of several policies at once.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/line_sink.h"
#include "core/messages.h"
#include "policy/fc.h"

namespace tabulyst::testing {

using Messages = std::vector<std::string>;

// Keeps every line written to it.
struct KeptLines : LineSink {
    std::vector<std::string> lines;
    bool PutLine(std::string_view line) override {
        lines.emplace_back(line);
        return true;
    }
};

// Offers lines to a set as a policy file does; report refuses and reports repeats.
inline void Apply(FC& fc, std::initializer_list<std::string_view> lines, bool report = false) {
    int group = 0;
    for (std::string_view line : lines) fc.ParsePolicyLine(line, group, report);
}

// Offers each line of a text to a set; a line repeating a stated policy replaces its value.
inline void ApplyText(FC& fc, std::string_view text) {
    int group = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        fc.ParsePolicyLine(text.substr(start, end - start), group, false);
        start = end + 1;
    }
}

// Expects the values of Boolean, Integer, Alignment and Choice policies.
inline void ExpectValues(const FC& fc, std::initializer_list<std::pair<P, int>> expected) {
    for (auto [id, value] : expected) EXPECT_EQ(fc.Value(id), value) << Def(id).key;
}

// Expects the texts of Text, Colour and Font policies.
inline void ExpectTexts(const FC& fc, std::initializer_list<std::pair<P, const char*>> expected) {
    for (auto [id, text] : expected) EXPECT_EQ(fc.Text(id).View(), text) << Def(id).key;
}

// A policy set speaking into a list of messages.
struct CapturedFC {
    MessageSink sink;
    Messages messages;
    FC fc;

    CapturedFC() : fc(&Prepare(sink, messages)) {}

    bool Said(std::string_view text) const {
        for (const std::string& message : messages)
            if (message == text) return true;
        return false;
    }
    // The messages less the place in a policy file they name (" (in a.pol, line 3)").
    Messages WithoutPlace() const {
        Messages texts;
        for (const std::string& message : messages)
            texts.push_back(message.substr(0, message.rfind(" (in ")));
        return texts;
    }
    // Parses one line as a policy file does (reporting on).
    int Line(std::string_view text) {
        int group = 0;
        return fc.ParsePolicyLine(text, group, true);
    }
    // Parses each line as above and expects its result.
    void Offer(std::initializer_list<std::pair<std::string_view, int>> lines) {
        for (auto [line, result] : lines) EXPECT_EQ(Line(line), result) << line;
    }

  private:
    static MessageSink& Prepare(MessageSink& sink, Messages& messages) {
        sink.messageCallback = [&messages](std::string_view text) { messages.emplace_back(text); };
        return sink;
    }
};

}  // namespace tabulyst::testing
