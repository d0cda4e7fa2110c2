#include "frontend/value_edits.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "frontend/engine_bridge.h"

namespace tabulyst {

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ColourSwatch::SetColour(const QColor& colour) {
    colour_ = colour;
    update();
}

QSize ColourSwatch::sizeHint() const { return {32, 20}; }

void ColourSwatch::paintEvent(QPaintEvent* event) {
    if (colour_.isValid()) {
        QPainter painter(this);
        painter.fillRect(contentsRect(), colour_);
    }
    QFrame::paintEvent(event);
}

namespace {

QPushButton* ChooserButton(QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("..."), parent);
    button->setObjectName(QStringLiteral("choose"));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    return button;
}

}  // namespace

ColourEdit::ColourEdit(const UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      text_(new QLineEdit(this)),
      swatch_(new ColourSwatch(this)),
      choose_(ChooserButton(this)) {
    text_->setObjectName(QStringLiteral("text"));
    swatch_->setObjectName(QStringLiteral("swatch"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(text_, 1);
    row->addWidget(swatch_);
    row->addWidget(choose_);
    connect(text_, &QLineEdit::textEdited, this, [this](const QString& text) {
        Paint(text);
        emit Edited(text);
    });
    connect(choose_, &QPushButton::clicked, this, &ColourEdit::Choose);
}

QString ColourEdit::Text() const { return text_->text(); }

void ColourEdit::SetText(const QString& text) {
    text_->setText(text);
    Paint(text);
}

void ColourEdit::SetToolTip(const QString& tip) {
    for (QWidget* part : std::initializer_list<QWidget*>{text_, swatch_, choose_})
        part->setToolTip(tip);
}

void ColourEdit::Paint(const QString& text) {
    // An empty text means no colour; a text that names none leaves the swatch as it was.
    if (text.trimmed().isEmpty()) return swatch_->SetColour(QColor());
    const QColor colour = ColourNamed(text);
    if (colour.isValid()) swatch_->SetColour(colour);
}

void ColourEdit::Choose() {
    const std::optional<QColor> chosen = dialogs_.chooseColour(this, ChooserColour(Text()));
    if (!chosen) return;
    const QString text = ColourText(*chosen);
    SetText(text);
    emit Edited(text);
}

FontEdit::FontEdit(const UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), text_(new QLineEdit(this)), choose_(ChooserButton(this)) {
    text_->setObjectName(QStringLiteral("text"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(text_, 1);
    row->addWidget(choose_);
    connect(text_, &QLineEdit::textEdited, this, &FontEdit::Edited);
    connect(choose_, &QPushButton::clicked, this, &FontEdit::Choose);
}

QString FontEdit::Text() const { return text_->text(); }

void FontEdit::SetText(const QString& text) { text_->setText(text); }

void FontEdit::SetToolTip(const QString& tip) {
    text_->setToolTip(tip);
    choose_->setToolTip(tip);
}

void FontEdit::Choose() {
    const std::optional<QFont> chosen =
        dialogs_.chooseFont(this, FontDescribed(Text()).value_or(font()));
    if (!chosen) return;
    const QString text = FontText(*chosen);
    SetText(text);
    emit Edited(text);
}

}  // namespace tabulyst
