#include "table/shared_pass.h"

#include <string>
#include <vector>

#include "table/hand_off.h"
#include "table/line_pass.h"
#include "table/table_model.h"

namespace tabulyst {
namespace {

// Lines copied out of the pass, whose own texts last only until the next line but one. A
// batch ends after so many lines or so many bytes, so that long lines do not pile up.
struct LineBatch {
    static constexpr size_t kLines = 512;
    static constexpr size_t kBytes = 1 << 20;
    struct Entry {
        int index;
        size_t from;
        size_t length;
    };
    std::string text;
    std::vector<Entry> entries;

    void Add(int index, std::string_view line) {
        entries.push_back(Entry{index, text.size(), line.size()});
        text.append(line);
    }
    bool Full() const { return entries.size() >= kLines || text.size() >= kBytes; }
    template <class Take>
    void HandTo(const Take& take, int lane) {
        const std::string_view all = text;
        for (const Entry& e : entries) take(lane, e.index, all.substr(e.from, e.length));
        text.clear();
        entries.clear();
    }
};

}  // namespace

void ShareLines(const TableBlock& block, bool mayShare,
                const std::function<bool(const LinePass&)>& wanted,
                const std::function<void(int lane, int index, std::string_view text)>& take) {
    if (!mayShare || block.lineCount < kLinesWorthAThread) {
        for (LinePass line(block); line.Next();)
            if (wanted(line)) take(0, line.Index(), line.Text());
        return;
    }

    HandOff<LineBatch> pipe;
    RunBeside(
        pipe,
        [&] {
            for (LineBatch* batch; (batch = pipe.TakeFull()) != nullptr;) {
                batch->HandTo(take, 1);
                pipe.ReturnEmpty(batch);
            }
        },
        [&] {
            // The reading thread fills batches for the helper while it keeps up, and takes a
            // batch itself when the helper falls behind, so that neither waits for the other.
            LineBatch* batch = pipe.TakeEmpty();
            for (LinePass line(block); line.Next() && batch;) {
                if (!wanted(line)) continue;
                batch->Add(line.Index(), line.Text());
                if (!batch->Full()) continue;
                if (pipe.Waiting() < 2) {
                    pipe.PassFull(batch);
                    batch = pipe.TakeEmpty();
                } else {
                    batch->HandTo(take, 0);
                }
            }
            if (batch) batch->HandTo(take, 0);
            pipe.Close();
        });
}

}  // namespace tabulyst
