#include "table/shared_pass.h"

#include <gtest/gtest.h>

#include <mutex>

#include "table/line_pass.h"
#include "table/table_fixture.h"

namespace tabulyst {
namespace {

TEST(ShareLinesTest, EveryWantedLineIsTakenOnceWithItsOwnText) {
    // Short blocks stay on the calling thread; long ones are shared, the last part batch too.
    for (const int count : {10, 4096 + 513, 30001}) {
        test::PlainFixture t;
        for (int i = 0; i < count; ++i) {
            const std::string line = "line " + std::to_string(i);
            t.block.AddLine(line, line);
        }
        std::vector<int> taken(count, 0);
        std::mutex guard;
        int wrongText = 0;
        ShareLines(
            t.block, true, [](const LinePass& line) { return line.Index() % 3 != 0; },
            [&](int lane, int index, std::string_view text) {
                std::lock_guard lock(guard);
                ASSERT_TRUE(lane >= 0 && lane < kPassLanes);
                ++taken[index];
                if (text != "line " + std::to_string(index)) ++wrongText;
            });
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(taken[i], i % 3 != 0 ? 1 : 0) << count << " " << i;
        EXPECT_EQ(wrongText, 0);
    }
}

}  // namespace
}  // namespace tabulyst
