// Where the columns of a plain-text block lie: indent removal, per-position statistics,
// gaps, separator columns and user layouts.
#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "policy/fc.h"
#include "table/classify.h"
#include "table/column_analysis.h"
#include "table/line_pass.h"
#include "table/shared_pass.h"

namespace tabulyst {
namespace {

#if defined(__SSE2__)
// Adds sixteen bytes of 0 or 1 to sixteen counts.
void AddOnes(int* counts, __m128i ones) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_unpacklo_epi8(ones, zero);
    const __m128i high = _mm_unpackhi_epi8(ones, zero);
    const __m128i parts[4] = {_mm_unpacklo_epi16(low, zero), _mm_unpackhi_epi16(low, zero),
                              _mm_unpacklo_epi16(high, zero), _mm_unpackhi_epi16(high, zero)};
    for (int k = 0; k < 4; ++k) {
        __m128i* at = reinterpret_cast<__m128i*>(counts + 4 * k);
        _mm_storeu_si128(at, _mm_add_epi32(_mm_loadu_si128(at), parts[k]));
    }
}
#endif

constexpr int kIndentLimit = 80;  // a common indent this large is no indent at all

TableColumn MakeColumn(int gapStart, int gapEnd, int boundary, int score) {
    TableColumn column;
    column.gapStart = gapStart;
    column.gapEnd = gapEnd;
    column.boundary = boundary;
    column.score = score;
    return column;
}

}  // namespace

void PositionTally::Add(std::string_view text, size_t width) {
    const size_t length = std::min(text.size(), width);
    if (blanks.size() < length) {
        blanks.resize(length, 0);
        separators.resize(length, 0);
    }
    if (endsAt.size() <= length) endsAt.resize(length + 1, 0);
    ++samples;
    size_t p = 0;
#if defined(__SSE2__)
    // Sixteen positions at a time: every character of a table passes here as it is read.
    // A stretch with a "+" in it, which needs the byte before, is counted byte by byte.
    const char* bytes = text.data();
    const __m128i space = _mm_set1_epi8(' ');
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i star = _mm_set1_epi8('*');
    const __m128i bar = _mm_set1_epi8('|');
    const __m128i plus = _mm_set1_epi8('+');
    const __m128i one = _mm_set1_epi8(1);
    for (; p + 16 <= length; p += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + p));
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, plus))) {
            CountBytes(text, p, p + 16);
            continue;
        }
        const __m128i blank =
            _mm_or_si128(_mm_cmpeq_epi8(chunk, space), _mm_cmpeq_epi8(chunk, tab));
        AddOnes(blanks.data() + p, _mm_and_si128(blank, one));
        const __m128i separator =
            _mm_or_si128(_mm_cmpeq_epi8(chunk, star), _mm_cmpeq_epi8(chunk, bar));
        if (_mm_movemask_epi8(separator))
            AddOnes(separators.data() + p, _mm_and_si128(separator, one));
    }
#endif
    CountBytes(text, p, length);
    ++endsAt[length];  // every position from the line's end on is blank
}

void PositionTally::CountBytes(std::string_view text, size_t from, size_t to) {
    // A separator is "*", "|", or a "+" after "-" or "=".
    for (size_t p = from; p < to; ++p) {
        const char c = text[p];
        if (c == ' ' || c == '\t')
            ++blanks[p];
        else if (c == '*' || c == '|' ||
                 (c == '+' && p > 0 && (text[p - 1] == '-' || text[p - 1] == '=')))
            ++separators[p];
    }
}

void PositionTally::Absorb(const PositionTally& other) {
    if (blanks.size() < other.blanks.size()) {
        blanks.resize(other.blanks.size(), 0);
        separators.resize(other.blanks.size(), 0);
    }
    for (size_t p = 0; p < other.blanks.size(); ++p) {
        blanks[p] += other.blanks[p];
        separators[p] += other.separators[p];
    }
    if (endsAt.size() < other.endsAt.size()) endsAt.resize(other.endsAt.size(), 0);
    for (size_t p = 0; p < other.endsAt.size(); ++p) endsAt[p] += other.endsAt[p];
    samples += other.samples;
}

void PositionTally::Fit(size_t width) {
    // Lines that end beyond the width end at it, as far as the counts can tell.
    if (endsAt.size() > width + 1) {
        for (size_t p = width + 1; p < endsAt.size(); ++p) endsAt[width] += endsAt[p];
        endsAt.resize(width + 1);
    }
    blanks.resize(width, 0);
    separators.resize(width, 0);
    endsAt.resize(width + 1, 0);
}

void RemoveCommonIndent(TableBlock& block) {
    const int indent = block.commonIndent;
    const bool remove = indent > 0 && indent < kIndentLimit;
    block.removedIndent = block.classifiedIndent = remove ? indent : 0;
    if (remove) {
        block.widest -= indent;
        block.narrowest -= indent;
    }
    block.widest = std::max(block.widest, 1);
    block.narrowest = std::max(block.narrowest, 1);
}

void SetFirstAnalysedLine(TableBlock& block) {
    const int n = block.lineCount;
    if (!BlockConfig(block).Flag(P::IgnoreTableHeaderDuringAnalysis)) {
        block.firstAnalysedLine = 0;
        return;
    }
    if (n > 25)
        block.firstAnalysedLine = n / 5;
    else if (n >= 8)
        block.firstAnalysedLine = 5;
    else
        block.firstAnalysedLine = std::max(n - 2, 0);
}

std::vector<PositionStats> GatherPositionStats(const TableBlock& block) {
    const int width = std::max(block.widest, 1);
    PositionTally sum;
    const PositionTally& read = block.tally.positions;
    if (block.tally.plain && read.valid && block.removedIndent == 0 &&
        block.classifiedIndent == 0 && block.firstAnalysedLine == 0) {
        // The lines were counted as they were read, and the analysis sees them as they were.
        sum = read;
    } else {
        std::vector<PositionTally> lanes(kPassLanes);
        ShareLines(
            block, true,
            [&block](const LinePass& line) {
                return line.Index() >= block.firstAnalysedLine && !line.Blank();
            },
            [&](int lane, int, std::string_view text) { lanes[lane].Add(text, width); });
        sum = std::move(lanes[0]);
        for (size_t l = 1; l < lanes.size(); ++l) sum.Absorb(lanes[l]);
    }
    sum.Fit(width);
    const std::vector<int>& blanks = sum.blanks;
    const std::vector<int>& separators = sum.separators;
    const std::vector<int>& endsAt = sum.endsAt;
    const int samples = sum.samples;
    const int n = block.lineCount;

    const TabConfig& config = BlockConfig(block);
    const bool sparse = config.Flag(P::ExpectSparseTables);
    const int analysed = n - block.firstAnalysedLine;
    const double threshold = analysed < 6 ? 0.5 : analysed < 100 ? 0.8 : 0.9;

    std::vector<PositionStats> stats(width);
    int beyondEnd = 0;
    for (int p = 0; p < width; ++p) {
        beyondEnd += endsAt[p];
        PositionStats& s = stats[p];
        const int blank = blanks[p] + beyondEnd;
        s.samples = samples;
        // 1 for a blank (or a position beyond the line), else 0.
        ValueHistogram blankHistogram;
        blankHistogram.Add(1, blank);
        blankHistogram.Add(0, samples - blank);
        // 1 for '*', '|' or a '+' after '-' or '=', else 0.
        ValueHistogram separatorHistogram;
        separatorHistogram.Add(1, separators[p]);
        separatorHistogram.Add(0, samples - separators[p]);
        blankHistogram.Sort();
        separatorHistogram.Sort();
        const int b = blankHistogram.Value(1, 1);
        const int q = separatorHistogram.Value(1, 0);
        s.blankLines = b == 1 ? blankHistogram.TopCount(1)
                              : blankHistogram.Samples() - blankHistogram.TopCount(1);
        s.separatorLines = q == 1 ? separatorHistogram.TopCount(1)
                                  : separatorHistogram.Samples() - separatorHistogram.TopCount(1);
        s.separatorFlag = q == 1;
        if (!sparse) {
            s.gap = b == 1 || q == 1;
        } else {
            int score = 0;
            if (b == 1)
                score = blankHistogram.Count(1);
            else if (blankHistogram.Has(2))
                score = blankHistogram.Count(2);
            else
                score = s.separatorLines * q + s.blankLines * b;
            const int divisor = samples - block.ruleLines;
            const double ratio = divisor > 0 ? static_cast<double>(score) / divisor : 0.0;
            s.gap = ratio > threshold;
        }
    }
    return stats;
}

int StartingSeparation(const TableBlock& block) {
    int m = BlockConfig(block).Value(P::MinimumTableColumnSeparation);
    if (block.lineCount < 6 && m < 2) m = 2;
    return m;
}

void FindColumns(TableBlock& block, const std::vector<PositionStats>& stats, int m) {
    block.columns.clear();
    block.separatorColumns = false;
    block.userLayout = false;
    const int width = static_cast<int>(stats.size());
    const int lastPosition = width - m - 1;

    int separatorRuns = 0;
    for (int p = 0; p < width; ++p)
        if (stats[p].separatorFlag && (p == 0 || !stats[p - 1].separatorFlag)) ++separatorRuns;

    if (separatorRuns > 2) {
        int lastBoundary = -1;
        // The bars that open the lines ("||" of a wiki table) end no column.
        int first = 1;
        if (stats[0].separatorFlag)
            while (first <= lastPosition && stats[first].separatorFlag) ++first;
        for (int p = first; p <= lastPosition; ++p) {
            if (!stats[p].separatorFlag) continue;
            // Adjacent separators ("||" between the cells of a wiki table) are one boundary.
            int end = p;
            while (end < lastPosition && stats[end + 1].separatorFlag) ++end;
            const int start = block.columns.empty() ? 1 : block.columns.back().gapEnd + 1;
            block.columns.push_back(MakeColumn(start, end, p, stats[p].separatorLines));
            lastBoundary = end;
            p = end;
        }
        block.columns.push_back(MakeColumn(lastBoundary + 1, width - 1, width - 1, -1));
        block.separatorColumns = true;
        return;
    }

    auto open = [&](int p) {
        return p >= 0 && p < width && (stats[p].gap || stats[p].separatorFlag);
    };
    int columnStart = -1;
    int bestScore = 0, bestPosition = 0, bestSamples = 0;
    int lastEnd = -1;
    for (int p = 1; p <= lastPosition; ++p) {
        if (!open(p)) continue;
        if (p == 1 || !open(p - 1)) {
            if (columnStart < 0) columnStart = p;
            bestScore = 0;
            bestPosition = p;
            bestSamples = stats[p].samples;
        }
        const int score = stats[p].blankLines + stats[p].separatorLines;
        if (score >= bestScore) {
            bestScore = score;
            bestPosition = p;
            bestSamples = stats[p].samples;
        }
        if (open(p + 1)) continue;
        bool longEnough = p - m + 1 >= 0;
        for (int k = p; longEnough && k > p - m; --k) longEnough = open(k);
        if (!longEnough) continue;
        if (bestSamples == 0 || 10LL * bestScore > 6LL * bestSamples) {
            block.columns.push_back(MakeColumn(columnStart, p, bestPosition, bestScore));
            lastEnd = p;
            columnStart = p + 1;
        }
    }
    block.columns.push_back(MakeColumn(lastEnd + 1, width - 1, width - 1, -1));
}

void TakeUserLayout(TableBlock& block) {
    const std::vector<ColumnSpec>& specs = BlockConfig(block).columnSpecs;
    block.columns.clear();
    block.separatorColumns = false;
    const int count = static_cast<int>(specs.size());
    for (int k = 1; k < count; ++k) {
        if (specs[k].last >= specs[k - 1].last) continue;
        TextString message("TAG_ERROR: TABLE_LAYOUT columns ");
        message.AppendNumber('d', k);
        message.Append(" and ");
        message.AppendNumber('d', k + 1);
        message.Append(" overlap");
        block.fc.Issue(message, 10);
    }
    for (int k = 0; k + 1 < count; ++k)
        block.columns.push_back(MakeColumn(specs[k].last, specs[k].last, specs[k].last, -1));
    const int last = std::max(block.widest, 1) - 1;
    block.columns.push_back(MakeColumn(last, last, last, -1));
    block.userLayout = true;
}

}  // namespace tabulyst
