#include "frontend/sheet_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include "frontend/alignment_list.h"
#include "frontend/value_edits.h"

namespace tabulyst {

OptionSource PolicySource(EngineSession& session, const QString& key) {
    OptionSource source;
    source.load = [&session, key] { return session.PolicyValue(key); };
    source.store = [&session, key](const QVariant& value) { session.StatePolicy(key, value); };
    source.check = [&session, key](const QVariant& value) {
        return session.CheckPolicyValue(key, value);
    };
    source.policy = true;
    return source;
}

OptionSource Inverted(OptionSource source) {
    auto flip = [](const QVariant& value) { return QVariant(value.toInt() == 0 ? 1 : 0); };
    return {[load = source.load, flip] { return flip(load()); },
            [store = source.store, flip](const QVariant& value) { store(flip(value)); },
            [check = source.check, flip](const QVariant& value) { return check(flip(value)); },
            source.policy};
}

OptionSource SettingSource(bool& setting) {
    return {[&setting] { return QVariant(setting ? 1 : 0); },
            [&setting](const QVariant& value) { setting = value.toInt() != 0; },
            [](const QVariant&) { return QString(); }, false};
}

OptionSource SettingSource(QString& setting) {
    return {[&setting] { return QVariant(setting); },
            [&setting](const QVariant& value) { setting = value.toString(); },
            [](const QVariant&) { return QString(); }, false};
}

void ShapeSpinBox(QSpinBox* spin, const PolicyFacts& facts) {
    spin->setRange(facts.minimum, facts.maximum);
    if (facts.optional && facts.minimum == -1) spin->setSpecialValueText(QStringLiteral("(none)"));
}

SheetPage::SheetPage(const SheetContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {}

std::function<void(const QVariant&)> SheetPage::Bind(QWidget* control, OptionSource source,
                                                     std::function<void(const QVariant&)> show) {
    options_.push_back(
        std::make_unique<Option>(Option{control, std::move(source), show, QVariant(), false}));
    Option* option = options_.back().get();
    return [this, option](const QVariant& value) {
        option->working = value;
        option->changed = true;
        emit Changed();
    };
}

void SheetPage::Fill() {
    for (const auto& option : options_) {
        if (!option->changed) option->working = option->source.load();
        const QSignalBlocker blocker(option->control);
        option->show(option->working);
    }
    Filled();
}

std::optional<SheetPage::Refusal> SheetPage::Check() const {
    for (const auto& option : options_) {
        if (!option->changed || !option->source.check) continue;
        const QString message = option->source.check(option->working);
        if (!message.isEmpty()) return Refusal{option->control, message};
    }
    return std::nullopt;
}

Written SheetPage::Apply() {
    Written written;
    for (const auto& option : options_) {
        if (!option->changed) continue;
        option->source.store(option->working);
        option->changed = false;
        (option->source.policy ? written.policies : written.settings) = true;
    }
    return written;
}

bool SheetPage::HasChanges() const {
    for (const auto& option : options_)
        if (option->changed) return true;
    return false;
}

void SheetPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        for (QComboBox* list : alignmentLists_) FillAlignmentList(list);
        RetranslateUi();
    }
    QWidget::changeEvent(event);
}

void SheetPage::BindCheck(QCheckBox* box, OptionSource source) {
    auto edited = Bind(box, std::move(source),
                       [box](const QVariant& value) { box->setChecked(value.toInt() != 0); });
    connect(box, &QCheckBox::toggled, this, [edited](bool on) { edited(on ? 1 : 0); });
}

void SheetPage::BindSpin(QSpinBox* spin, OptionSource source) {
    // The spin box holds a value outside its range to the nearest end.
    auto edited = Bind(spin, std::move(source),
                       [spin](const QVariant& value) { spin->setValue(value.toInt()); });
    connect(spin, &QSpinBox::valueChanged, this, [edited](int value) { edited(value); });
}

void SheetPage::BindSlider(QSlider* slider, OptionSource source) {
    auto edited = Bind(slider, std::move(source),
                       [slider](const QVariant& value) { slider->setValue(value.toInt()); });
    connect(slider, &QSlider::valueChanged, this, [edited](int value) { edited(value); });
}

void SheetPage::BindLine(QLineEdit* edit, OptionSource source) {
    auto edited = Bind(edit, std::move(source),
                       [edit](const QVariant& value) { edit->setText(value.toString()); });
    connect(edit, &QLineEdit::textEdited, this, [edited](const QString& text) { edited(text); });
}

void SheetPage::BindEditableList(QComboBox* list, OptionSource source) {
    auto edited = Bind(list, std::move(source),
                       [list](const QVariant& value) { list->setEditText(value.toString()); });
    connect(list, &QComboBox::editTextChanged, this,
            [edited](const QString& text) { edited(text); });
}

void SheetPage::BindAlignment(QComboBox* list, OptionSource source) {
    FillAlignmentList(list);
    alignmentLists_.push_back(list);
    auto edited = Bind(list, std::move(source), [list](const QVariant& value) {
        list->setCurrentIndex(AlignmentPosition(value.toInt()));
    });
    connect(list, &QComboBox::currentIndexChanged, this,
            [edited](int position) { edited(AlignmentCode(position)); });
}

void SheetPage::BindChoice(QComboBox* list, OptionSource source) {
    auto edited = Bind(list, std::move(source), [list](const QVariant& value) {
        const int choice = value.toInt();
        list->setCurrentIndex(choice >= 1 && choice < list->count() ? choice : 0);
    });
    connect(list, &QComboBox::currentIndexChanged, this,
            [edited](int index) { edited(index == 0 ? -1 : index); });
}

void SheetPage::BindColour(ColourEdit* edit, OptionSource source) {
    auto edited = Bind(edit, std::move(source),
                       [edit](const QVariant& value) { edit->SetText(value.toString()); });
    connect(edit, &ColourEdit::Edited, this, [edited](const QString& text) { edited(text); });
}

void SheetPage::BindFont(FontEdit* edit, OptionSource source) {
    auto edited = Bind(edit, std::move(source),
                       [edit](const QVariant& value) { edit->SetText(value.toString()); });
    connect(edit, &FontEdit::Edited, this, [edited](const QString& text) { edited(text); });
}

}  // namespace tabulyst
