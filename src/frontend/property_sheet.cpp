#include "frontend/property_sheet.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "frontend/generated_page.h"
#include "frontend/settings.h"
#include "frontend/settings_pages.h"
#include "frontend/table_pages.h"

namespace tabulyst {

namespace {

// The page laid out by hand for an identifier, or the generated one.
SheetPage* MakePage(PageId id, const SheetContext& context) {
    switch (id) {
        case PageId::TableAnalysis:
            return new TableAnalysisPage(context);
        case PageId::TableGeneration:
            return new TableGenerationPage(context);
        case PageId::Messages:
            return new MessagesPage(context);
        case PageId::Viewers:
            return new ViewersPage(context);
        case PageId::DragAndDrop:
            return new DragAndDropPage(context);
        case PageId::PolicyFiles:
            return new PolicyFilesPage(context);
        case PageId::Documentation:
            return new DocumentationPage(context);
        default:
            return new GeneratedPage(id, context);
    }
}

}  // namespace

PropertySheet::PropertySheet(SheetKind kind, const SheetContext& context, QWidget* parent)
    : QDialog(parent),
      kind_(kind),
      context_(context),
      tabs_(new QTabWidget(this)),
      buttons_(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this)) {
    static const char* const kNames[] = {"analysisSheet", "outputSheet", "settingsSheet"};
    setObjectName(QLatin1String(kNames[static_cast<int>(kind)]));
    for (const PageEntry& entry : SheetPages()) {
        if (entry.sheet != kind) continue;
        SheetPage* page = MakePage(entry.id, context_);
        tabs_->addTab(page, QString());
        pages_.emplace_back(entry.id, page);
        connect(page, &SheetPage::Changed, this, &PropertySheet::UpdateApply);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        if (ApplyChanges()) accept();
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &PropertySheet::ApplyChanges);
    resize(620, 520);
    RetranslateUi();
}

SheetPage* PropertySheet::Page(PageId id) const {
    for (const auto& [pageId, page] : pages_)
        if (pageId == id) return page;
    return nullptr;
}

WindowPosition& PropertySheet::Position() const {
    switch (kind_) {
        case SheetKind::Analysis:
            return context_.settings.analysisSheet;
        case SheetKind::Output:
            return context_.settings.outputSheet;
        case SheetKind::Settings:
            break;
    }
    return context_.settings.settingsSheet;
}

void PropertySheet::Open(PageId id) {
    for (const auto& [pageId, page] : pages_) page->Fill();
    if (SheetPage* page = Page(id)) tabs_->setCurrentWidget(page);
    UpdateApply();
    move(Position().left, Position().top);
    open();
}

bool PropertySheet::ApplyChanges() {
    for (const auto& [pageId, page] : pages_) {
        const std::optional<SheetPage::Refusal> refusal = page->Check();
        if (!refusal) continue;
        tabs_->setCurrentWidget(page);
        refusal->control->setFocus();
        context_.dialogs.warn(this, windowTitle(), refusal->message);
        return false;
    }
    Written written;
    for (const auto& [pageId, page] : pages_) {
        const Written w = page->Apply();
        written.policies = written.policies || w.policies;
        written.settings = written.settings || w.settings;
    }
    if (written.policies) {
        context_.session.ConsolidatePolicies();
        emit PoliciesApplied();
    }
    if (written.settings) emit SettingsApplied();
    // Consolidation may have changed what the pages show.
    for (const auto& [pageId, page] : pages_) page->Fill();
    UpdateApply();
    return true;
}

void PropertySheet::done(int result) {
    Position() = {pos().x(), pos().y()};
    QDialog::done(result);
}

void PropertySheet::UpdateApply() {
    bool changes = false;
    for (const auto& [pageId, page] : pages_) changes = changes || page->HasChanges();
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(changes);
}

void PropertySheet::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QDialog::changeEvent(event);
}

void PropertySheet::RetranslateUi() {
    const char* const kCaptions[] = {
        //: Caption of the property sheet opened from "Conversion options > Analysis policies"
        QT_TR_NOOP("Analysis policies"),
        //: Caption of the property sheet opened from "Conversion options > Output Policies"
        QT_TR_NOOP("Output policies"),
        //: Caption of the property sheet opened from the "Settings" menu
        QT_TR_NOOP("Program settings"),
    };
    setWindowTitle(tr(kCaptions[static_cast<int>(kind_)]));
    for (int i = 0; i < tabs_->count(); ++i)
        tabs_->setTabText(i, tr(PageOf(pages_[static_cast<size_t>(i)].first).title));
    //: Tool tip of the OK button of a property sheet
    buttons_->button(QDialogButtonBox::Ok)->setToolTip(tr("Apply the changes and close"));
    //: Tool tip of the Cancel button of a property sheet
    buttons_->button(QDialogButtonBox::Cancel)
        ->setToolTip(tr("Close without applying; the changes are kept for the next opening"));
    //: Tool tip of the Apply button of a property sheet
    buttons_->button(QDialogButtonBox::Apply)
        ->setToolTip(tr("Apply the changes and keep the sheet open"));
}

}  // namespace tabulyst
