// Documents for the writer tests that keep what a writer hands them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "html_test_support.h"
#include "output/html_file.h"
#include "output/markup_tidy.h"
#include "output/rtf_file.h"
#include "table/table_fixture.h"

namespace tabulyst::testing {

using Texts = std::vector<std::string>;

// An HTML document that keeps each line as it is written, tidied as the document tidies it
// but not broken into pieces.
class StatementHtml : public HTMLFile {
  public:
    StatementHtml() = default;
    // A table written is also kept, in the smallest whole document, for the real readers.
    ~StatementHtml() override {
        std::string text =
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n"
            "<HTML><HEAD><TITLE>Table</TITLE></HEAD><BODY>\n";
        bool table = false;
        for (const std::string& statement : statements) {
            table = table || statement.find("<TABLE") != std::string::npos;
            text += statement + "\n";
        }
        if (table) testing_support::KeepDocument(TestName(), text + "</BODY></HTML>\n");
    }
    StatementHtml(const StatementHtml&) = delete;
    StatementHtml& operator=(const StatementHtml&) = delete;

    bool WriteText(std::string_view text) override {
        size_t start = 0;
        for (size_t lf; (lf = text.find('\n', start)) != std::string_view::npos; start = lf + 1)
            Keep(text.substr(start, lf - start));
        Keep(text.substr(start));
        return true;
    }
    bool WriteLine(std::string_view line, bool) override { return WriteText(line); }
    bool WriteTidyLines(std::string_view lines) override { return WriteText(lines); }

    Texts statements;

  private:
    void Keep(std::string_view line) {
        std::string tidied;
        TidyMarkup(line, tidied, false);
        statements.push_back(std::move(tidied));
    }
};

// An RTF document that is never opened: its styles are the defaults, and its lines, after
// the character pipeline, go to memory.
struct MemoryRtf {
    MemoryRtf() { file.SetMemoryWrite(&lines); }
    ~MemoryRtf() { testing_support::KeepDocumentLines(TestName(), lines); }
    MemoryRtf(const MemoryRtf&) = delete;
    MemoryRtf& operator=(const MemoryRtf&) = delete;
    Texts Lines() const {
        Texts out;
        for (const TextString& line : lines) out.push_back(line.Str());
        return out;
    }
    std::vector<TextString> lines;
    RTFFile file;
};

}  // namespace tabulyst::testing
