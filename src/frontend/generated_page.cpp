#include "frontend/generated_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "frontend/value_edits.h"

namespace tabulyst {

GeneratedPage::GeneratedPage(PageId id, const SheetContext& context, QWidget* parent)
    : SheetPage(context, parent) {
    auto* body = new QWidget;
    auto* form = new QFormLayout(body);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    for (const PolicyRow& row : GeneratedRows()) {
        if (row.page != id) continue;
        const std::optional<PolicyFacts> facts = FindPolicy(QString::fromUtf8(row.key));
        if (!facts) continue;  // a row naming no policy: the tests see it as missing
        Tip tip{{}, row.tip};
        QWidget* control = MakeControl(*facts, tip);
        control->setObjectName(facts->key);
        if (facts->kind == PolicyKind::Boolean) {
            form->addRow(control);
        } else {
            auto* label = new QLabel(facts->key);
            label->setBuddy(control);
            tip.widgets.push_back(label);
            form->addRow(label, control);
        }
        tips_.push_back(tip);
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(body);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    RetranslateUi();
}

QWidget* GeneratedPage::MakeControl(const PolicyFacts& facts, Tip& tip) {
    const OptionSource source = PolicySource(Context().session, facts.key);
    switch (facts.kind) {
        case PolicyKind::Boolean: {
            auto* box = new QCheckBox(facts.key);
            BindCheck(box, source);
            tip.widgets.push_back(box);
            return box;
        }
        case PolicyKind::Integer: {
            auto* spin = new QSpinBox;
            ShapeSpinBox(spin, facts);
            BindSpin(spin, source);
            tip.widgets.push_back(spin);
            return spin;
        }
        case PolicyKind::Alignment: {
            auto* list = new QComboBox;
            BindAlignment(list, source);
            tip.widgets.push_back(list);
            return list;
        }
        case PolicyKind::Choice: {
            auto* list = new QComboBox;
            list->addItem(QStringLiteral("(none)"));
            list->addItems(facts.choices);
            BindChoice(list, source);
            tip.widgets.push_back(list);
            return list;
        }
        case PolicyKind::Colour: {
            auto* edit = new ColourEdit(Context().dialogs);
            BindColour(edit, source);
            tip.widgets.push_back(edit);
            return edit;
        }
        case PolicyKind::Font: {
            auto* edit = new FontEdit(Context().dialogs);
            BindFont(edit, source);
            tip.widgets.push_back(edit);
            return edit;
        }
        case PolicyKind::Text:
            break;
    }
    auto* edit = new QLineEdit;
    BindLine(edit, source);
    tip.widgets.push_back(edit);
    return edit;
}

void GeneratedPage::RetranslateUi() {
    for (const Tip& tip : tips_) {
        const QString text = QCoreApplication::translate("tabulyst::GeneratedPage", tip.text);
        for (QWidget* widget : tip.widgets) {
            if (auto* colour = qobject_cast<ColourEdit*>(widget))
                colour->SetToolTip(text);
            else if (auto* font = qobject_cast<FontEdit*>(widget))
                font->SetToolTip(text);
            else
                widget->setToolTip(text);
        }
    }
}

}  // namespace tabulyst
