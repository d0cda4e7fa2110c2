#include "frontend/alignment_list.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <iterator>

#include "frontend/catalogue_text.h"

namespace tabulyst {

namespace {

// The list's order is not the catalogue's: "Justified" comes before "Center".
struct Position {
    MessageId label;
    int code;
};
constexpr Position kPositions[] = {
    {MessageId::AutoDetect, 0}, {MessageId::Left, 1},   {MessageId::Right, 3},
    {MessageId::Justified, 4},  {MessageId::Center, 2},
};

}  // namespace

int AlignmentPosition(int code) {
    for (int i = 0; i < static_cast<int>(std::size(kPositions)); ++i)
        if (kPositions[i].code == code) return i;
    return 0;
}

int AlignmentCode(int position) {
    if (position < 0 || position >= static_cast<int>(std::size(kPositions))) return 0;
    return kPositions[position].code;
}

void FillAlignmentList(QComboBox* list) {
    const QSignalBlocker blocker(list);
    const int position = std::max(0, list->currentIndex());
    list->clear();
    for (const Position& p : kPositions) list->addItem(CatalogueText(p.label));
    list->setCurrentIndex(position);
}

}  // namespace tabulyst
