// Output documents written to memory lines with a policy set whose messages are collected,
// and the small helpers the output tests share.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/messages.h"
#include "core/text_string.h"
#include "kept_documents.h"
#include "output/html_file.h"
#include "policy/fc.h"

namespace tabulyst::testing {

using Lines = std::vector<std::string>;

// The running test's name, for the documents it leaves.
inline std::string TestName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info ? std::string(info->test_suite_name()) + "_" + info->name() : "test";
}

// A document of kind `File` that writes to memory; its input file is "data.csv".
template <class File>
struct DocumentHarness {
    MessageSink sink;
    std::vector<std::string> messages;
    std::unique_ptr<FC> fc;
    std::vector<TextString> lines;
    File file;

    DocumentHarness() {
        sink.messageCallback = [this](std::string_view text) { messages.emplace_back(text); };
        sink.reportingLevel = 10;
        fc = std::make_unique<FC>(&sink);
        fc->SetValue(P::ErrorReportingLevel, 10);
        file.SetMemoryWrite(&lines);
        file.state.inputFileName = "data.csv";
    }
    ~DocumentHarness() { testing_support::KeepDocumentLines(TestName(), lines); }
    DocumentHarness(const DocumentHarness&) = delete;
    DocumentHarness& operator=(const DocumentHarness&) = delete;

    // Opens the document to memory (the document start is written).
    bool Open(std::string_view name = "data") { return file.OpenDocument(name, *fc, false); }

    // Opens the document and sets its start aside, so that the lines hold what follows.
    void OpenPastStart() {
        EXPECT_TRUE(Open());
        EXPECT_TRUE(file.FlushPending(true));
        lines.clear();
    }

    // The lines written from `from` on, as plain strings.
    std::vector<std::string> Lines(size_t from = 0) const {
        std::vector<std::string> out;
        for (size_t i = from; i < lines.size(); ++i) out.push_back(lines[i].Str());
        return out;
    }

    bool HasMessage(std::string_view text) const {
        for (const std::string& message : messages)
            if (message == text) return true;
        return false;
    }
};

using HtmlHarness = DocumentHarness<HTMLFile>;

// The whole content of a file.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace tabulyst::testing
