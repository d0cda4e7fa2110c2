// A pass over the lines of a long block shared between two threads, for the analysis steps
// whose work on a line depends on that line alone and whose tallies simply add up.
#pragma once

#include <functional>
#include <string_view>

namespace tabulyst {

class LinePass;
class TableBlock;

// Each tally is kept once per lane and the lanes' tallies are added at the end.
constexpr int kPassLanes = 2;

// Hands every line that `wanted` accepts to `take`, with the lane (below kPassLanes) whose
// tallies it goes to, the line's index and the text the analysis sees. The lines are read
// in order on the calling thread, which also asks `wanted`. When `mayShare` is true and the
// block is long, `take` also runs on a second thread, at the same time as on the calling
// thread but never for the same lane: it must only read the block and the policies.
void ShareLines(const TableBlock& block, bool mayShare,
                const std::function<bool(const LinePass&)>& wanted,
                const std::function<void(int lane, int index, std::string_view text)>& take);

}  // namespace tabulyst
