// A property page laid out from its rows of the policy table: one control per policy,
// chosen by the policy's kind and labelled with its key.
#pragma once

#include <vector>

#include "frontend/sheet_page.h"
#include "frontend/sheet_pages.h"

namespace tabulyst {

class GeneratedPage : public SheetPage {
    Q_OBJECT
  public:
    GeneratedPage(PageId id, const SheetContext& context, QWidget* parent = nullptr);

  protected:
    void RetranslateUi() override;

  private:
    // A control and the description it shows as its tool tip.
    struct Tip {
        std::vector<QWidget*> widgets;
        const char* text;
    };
    // The control of one policy, bound to it.
    QWidget* MakeControl(const PolicyFacts& facts, Tip& tip);

    std::vector<Tip> tips_;
};

}  // namespace tabulyst
