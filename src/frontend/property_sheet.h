// A property sheet: the pages of one sheet as tabs, with OK, Cancel and Apply. The pages
// keep their working values between openings; the sheet remembers where it stood.
#pragma once

#include <QDialog>
#include <vector>

#include "frontend/sheet_page.h"
#include "frontend/sheet_pages.h"

class QDialogButtonBox;
class QTabWidget;

namespace tabulyst {

struct WindowPosition;

class PropertySheet : public QDialog {
    Q_OBJECT
  public:
    PropertySheet(SheetKind kind, const SheetContext& context, QWidget* parent = nullptr);

    // Fills every page, shows the sheet where it stood last, on the page asked for.
    void Open(PageId page);
    // Checks and writes every change of every page; false (and nothing written) when a
    // policy refuses a value, which is then shown with the policy's own message.
    bool ApplyChanges();
    // The page shown for an identifier of this sheet, or null.
    SheetPage* Page(PageId page) const;
    SheetKind Kind() const { return kind_; }

  signals:
    // Applying stated policies of the user's set.
    void PoliciesApplied();
    // Applying changed the program's settings.
    void SettingsApplied();

  protected:
    void changeEvent(QEvent* event) override;
    void done(int result) override;

  private:
    void RetranslateUi();
    void UpdateApply();
    WindowPosition& Position() const;

    SheetKind kind_;
    SheetContext context_;
    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    std::vector<std::pair<PageId, SheetPage*>> pages_;
};

}  // namespace tabulyst
