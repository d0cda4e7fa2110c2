#include "output/tag_monitor.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tabulyst {

namespace {

// Elements whose end tag is never optional, so that a difference is worth a warning.
constexpr std::array<std::string_view, 16> kClosedElements = {
    "A",    "B", "BLOCKQUOTE", "CENTER", "CODE",   "DIV",   "DL", "EM",
    "FONT", "I", "OL",         "PRE",    "STRONG", "TABLE", "TR", "UL"};

}  // namespace

void TagMonitor::Record(std::string_view line) {
    for (size_t lt = line.find('<'); lt != std::string_view::npos; lt = line.find('<', lt + 1)) {
        size_t at = lt + 1;
        bool end = at < line.size() && line[at] == '/';
        if (end) ++at;
        size_t nameEnd = at;
        while (nameEnd < line.size() && std::isalnum(static_cast<unsigned char>(line[nameEnd])))
            ++nameEnd;
        if (nameEnd == at) continue;  // comments, declarations, a lone "<"
        std::string name(line.substr(at, nameEnd - at));
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        Count& count = counts_[name];
        ++(end ? count.ends : count.starts);
    }
}

std::string TagMonitor::Summary() const {
    std::string text;
    for (const auto& [name, count] : counts_) {
        if (count.starts == 0) continue;
        text.append(text.empty() ? "INFO: Tags generated - " : ", ");
        text.append(name).append(" ").append(std::to_string(count.starts));
    }
    return text;
}

std::vector<std::string> TagMonitor::Imbalances() const {
    std::vector<std::string> lines;
    for (const auto& [name, count] : counts_) {
        if (count.starts == count.ends) continue;
        if (std::find(kClosedElements.begin(), kClosedElements.end(), name) ==
            kClosedElements.end())
            continue;
        lines.push_back("WARNING: Unbalanced tags - " + name + " " + std::to_string(count.starts) +
                        " start, " + std::to_string(count.ends) + " end");
    }
    return lines;
}

}  // namespace tabulyst
