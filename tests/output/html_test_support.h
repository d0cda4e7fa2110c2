// A policy set whose messages and status lines are collected, and an HTML document that
// writes to memory lines, for the output tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/messages.h"
#include "core/text_string.h"
#include "output/html_file.h"
#include "policy/fc.h"

namespace tabulyst::testing {

struct HtmlHarness {
    MessageSink sink;
    std::vector<std::string> messages;
    std::vector<std::string> status;
    std::unique_ptr<FC> fc;
    std::vector<TextString> lines;
    HTMLFile file;

    HtmlHarness() {
        sink.messageCallback = [this](std::string_view text) { messages.emplace_back(text); };
        sink.statusCallback = [this](std::string_view text) { status.emplace_back(text); };
        sink.reportingLevel = 10;
        fc = std::make_unique<FC>(&sink);
        fc->SetValue(P::ErrorReportingLevel, 10);
        fc->passHtml = true;  // the driver raises the HTML target flag before the open
        file.SetMemoryWrite(&lines);
        file.state.inputFileName = "data.csv";
    }

    // Opens the document to memory (the document start is written).
    bool Open(std::string_view name = "data") { return file.OpenDocument(name, *fc, false); }

    // The lines written so far, as plain strings.
    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        for (const TextString& line : lines) out.push_back(line.Str());
        return out;
    }

    bool HasMessage(std::string_view text) const {
        for (const std::string& message : messages)
            if (message == text) return true;
        return false;
    }
};

}  // namespace tabulyst::testing
