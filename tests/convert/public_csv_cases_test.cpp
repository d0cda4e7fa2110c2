// The twelve cases of a public suite of comma files (tests/data/public-csv-cases, BSD-licensed,
// see its LICENSE): each comma file, converted by the program, gives the cells its JSON twin
// lists, as a reader of the document sees them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Grid = std::vector<std::vector<std::string>>;

const std::string kSuite = TABULYST_TEST_DATA "/public-csv-cases/";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// What a reader sees of a text: runs of blanks as one, none at the ends of its lines.
std::string AsRead(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') continue;  // a CR LF line end in a cell shows as one line break
        if (c == ' ' || c == '\t') {
            if (!out.empty() && out.back() != ' ' && out.back() != '\n') out.push_back(' ');
            continue;
        }
        if (c == '\n' && !out.empty() && out.back() == ' ') out.pop_back();
        out.push_back(c);
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// The suite's JSON: an array of flat objects of strings, keys in the order written. The
// first row of the grid is the keys of the first object, then the values of each object.
class JsonRows {
  public:
    explicit JsonRows(std::string text) : text_(std::move(text)) {}

    // One object alone, as one case of the suite writes it, is an array of one.
    Grid Parse() {
        Grid grid;
        const bool array = Skip() == '[';
        if (array) ++at_;
        while (Skip() == '{') {
            std::vector<std::string> keys, values;
            ++at_;
            while (Skip() != '}' && !AtEnd()) {
                keys.push_back(String());
                Expect(':');
                values.push_back(String());
                if (Skip() == ',') ++at_;
            }
            ++at_;
            if (grid.empty()) grid.push_back(keys);
            grid.push_back(values);
            if (Skip() == ',') ++at_;
        }
        if (array) Expect(']');
        return grid;
    }

  private:
    bool AtEnd() const { return at_ >= text_.size(); }
    char Skip() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
        return at_ < text_.size() ? text_[at_] : '\0';
    }
    void Expect(char c) {
        EXPECT_EQ(Skip(), c) << "at " << at_;
        ++at_;
    }
    std::string String() {
        Expect('"');
        std::string out;
        while (at_ < text_.size() && text_[at_] != '"') {
            char c = text_[at_++];
            if (c == '\\') {
                const char e = text_[at_++];
                c = e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;
            }
            out.push_back(c);
        }
        ++at_;
        return out;
    }

    std::string text_;
    size_t at_ = 0;
};

// The cells of the document's table, row by row, as a reader of the document sees them:
// tags gone, a break a line end, entities as their characters, an empty cell empty.
Grid CellsOf(const std::string& html) {
    Grid grid;
    for (size_t row = html.find("<TR"); row != std::string::npos; row = html.find("<TR", row + 1)) {
        const size_t rowEnd = html.find("</TR>", row);
        std::vector<std::string> cells;
        for (size_t cell = html.find("<T", row + 3); cell < rowEnd;
             cell = html.find("<T", cell + 1)) {
            if (html.compare(cell, 3, "<TD") != 0 && html.compare(cell, 3, "<TH") != 0) continue;
            const size_t start = html.find('>', cell) + 1;
            const size_t end = html.find("</T", start);
            std::string text;
            for (size_t i = start; i < end; ++i) {
                if (html[i] == '<') {
                    const size_t close = html.find('>', i);
                    if (html.compare(i, 4, "<BR>") == 0) {
                        text.push_back('\n');
                        // The markup's own line end and indent after a break are no text.
                        i = close;
                        while (i + 1 < end && std::isspace(static_cast<unsigned char>(html[i + 1])))
                            ++i;
                        continue;
                    }
                    i = close;
                    continue;
                }
                if (html[i] == '&') {
                    const size_t semi = html.find(';', i);
                    const std::string name = html.substr(i + 1, semi - i - 1);
                    text += name == "amp"    ? "&"
                            : name == "lt"   ? "<"
                            : name == "gt"   ? ">"
                            : name == "quot" ? "\""
                            : name == "nbsp" ? " "
                                             : "?";
                    i = semi;
                    continue;
                }
                text.push_back(html[i] == '\n' ? ' ' : html[i]);
            }
            cells.push_back(AsRead(text));
            cell = end;
        }
        grid.push_back(cells);
        row = rowEnd;
    }
    return grid;
}

std::string Convert(const std::string& name, const std::string& qualifiers) {
    // Named by qualifiers too: the two tests may run at once.
    const std::string out = testing::TempDir() + "public-csv-" + name +
                            (qualifiers.empty() ? "" : "-multiline") + ".html";
    const std::string command = "'" TABULYST_BINARY "' -comma -console -silent " + qualifiers +
                                " '" + kSuite + name + ".csv' >'" + out + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    const std::string html = ReadFile(out);
    std::remove(out.c_str());
    return html;
}

Grid Expected(const std::string& name) {
    Grid grid = JsonRows(ReadFile(kSuite + name + ".json")).Parse();
    // The suite's JSON for this case holds another phone number than its comma file does;
    // the comma file is what is converted.
    if (name == "location_coordinates" && grid.size() == 2) grid[1][0] = "2095257564";
    for (auto& row : grid)
        for (std::string& cell : row) cell = AsRead(cell);
    return grid;
}

TEST(PublicCsvCases, EveryCaseGivesItsCellsWithQuotedFieldsSpanningLines) {
    for (const char* name : {"comma_in_quotes", "empty", "empty_crlf", "escaped_quotes", "json",
                             "location_coordinates", "newlines", "newlines_crlf",
                             "quotes_and_newlines", "simple", "simple_crlf", "utf8"})
        EXPECT_EQ(CellsOf(Convert(name, "-multiline")), Expected(name)) << name;
}

TEST(PublicCsvCases, CasesOfOneLineARecordNeedNoPolicy) {
    for (const char* name : {"comma_in_quotes", "empty", "empty_crlf", "escaped_quotes", "json",
                             "location_coordinates", "simple", "simple_crlf", "utf8"})
        EXPECT_EQ(CellsOf(Convert(name, "")), Expected(name)) << name;
    // Without the policy a line end ends the record, quote or not.
    const Grid split = CellsOf(Convert("newlines", ""));
    ASSERT_EQ(split.size(), 5u);
    EXPECT_EQ(split[2][0], "\"Once upon");
}

}  // namespace
