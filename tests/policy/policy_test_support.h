// Shared helpers of the policy tests: a policy set whose messages are captured, and a
// line sink that keeps what a writer produced.
#pragma once

#include <string>
#include <vector>

#include "core/line_sink.h"
#include "core/messages.h"
#include "policy/fc.h"

namespace tabulyst::testing {

// Keeps every line written to it.
struct Lines : LineSink {
    std::vector<std::string> lines;
    bool PutLine(std::string_view line) override {
        lines.emplace_back(line);
        return true;
    }
};

// A policy set speaking into a list of messages.
struct CapturedFC {
    MessageSink sink;
    std::vector<std::string> messages;
    FC fc;

    CapturedFC() : fc(&Prepare(sink, messages)) {}

    bool Said(std::string_view text) const {
        for (const std::string& message : messages)
            if (message == text) return true;
        return false;
    }
    // Parses one line as a policy file does (reporting on).
    int Line(std::string_view text) {
        int group = 0;
        return fc.ParsePolicyLine(text, group, true);
    }

private:
    static MessageSink& Prepare(MessageSink& sink, std::vector<std::string>& messages) {
        sink.messageCallback = [&messages](std::string_view text) { messages.emplace_back(text); };
        return sink;
    }
};

}  // namespace tabulyst::testing
