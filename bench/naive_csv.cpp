// The yardstick of the comma benchmark: the simplest streaming conversion of comma data to
// an HTML table that still does the work a converter must do. It reads lines, splits them
// at commas outside double quotes, undoubles quotes, escapes "&", "<" and ">", and writes
// one <TR> of <TD> cells per line. Usage: naive_csv input.csv output.html
#include <cstdio>
#include <string>
#include <string_view>

namespace {

void AppendEscaped(std::string_view text, std::string& out) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
}

void AppendField(std::string_view field, std::string& out) {
    out += "<TD>";
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
        field = field.substr(1, field.size() - 2);
        std::string plain;
        for (size_t i = 0; i < field.size(); ++i) {
            plain += field[i];
            if (field[i] == '"' && i + 1 < field.size() && field[i + 1] == '"') ++i;
        }
        AppendEscaped(plain, out);
    } else {
        AppendEscaped(field, out);
    }
    out += "</TD>";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: naive_csv input.csv output.html\n");
        return 2;
    }
    std::FILE* in = std::fopen(argv[1], "rb");
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!in || !out) return 1;
    std::fputs("<HTML><BODY><TABLE>\n", out);
    char* line = nullptr;
    size_t capacity = 0;
    std::string row;
    for (ssize_t length; (length = getline(&line, &capacity, in)) > 0;) {
        std::string_view text(line, static_cast<size_t>(length));
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
        row = "<TR>";
        size_t start = 0;
        bool quoted = false;
        for (size_t i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] == '"') quoted = !quoted;
            if (i == text.size() || (text[i] == ',' && !quoted)) {
                AppendField(text.substr(start, i - start), row);
                start = i + 1;
            }
        }
        row += "</TR>\n";
        std::fwrite(row.data(), 1, row.size(), out);
    }
    std::fputs("</TABLE></BODY></HTML>\n", out);
    std::free(line);
    std::fclose(in);
    return std::fclose(out) == 0 ? 0 : 1;
}
