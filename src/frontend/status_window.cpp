#include "frontend/status_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tabulyst {

StatusWindow::StatusWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      view_(new QPlainTextEdit(this)),
      autoDismiss_(new QCheckBox(this)) {
    setObjectName(QStringLiteral("statusWindow"));
    view_->setObjectName(QStringLiteral("statusText"));
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    autoDismiss_->setObjectName(QStringLiteral("autoDismiss"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(autoDismiss_);
    resize(640, 360);
    connect(autoDismiss_, &QCheckBox::toggled, this, &StatusWindow::AutoDismissChanged);
    RetranslateUi();
}

void StatusWindow::AddText(const QString& text) {
    const QStringList pieces = text.split(QLatin1Char('\n'));
    for (const QString& piece : pieces) {
        lines_ << piece;
        view_->appendPlainText(piece);
        shownLength_ += piece.size() + 1;
    }
    if (shownLength_ >= kTrimAt) {
        const QStringList last =
            lines_.mid(std::max<qsizetype>(0, lines_.size() - kLinesKeptOnTrim));
        const QString shown = last.join(QLatin1Char('\n'));
        view_->setPlainText(shown);
        shownLength_ = shown.size() + 1;
    }
    view_->moveCursor(QTextCursor::End);
    view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
    view_->viewport()->repaint();
}

void StatusWindow::Clear() {
    lines_.clear();
    view_->clear();
    shownLength_ = 0;
}

QString StatusWindow::ShownText() const { return view_->toPlainText(); }

bool StatusWindow::AutoDismiss() const { return autoDismiss_->isChecked(); }

void StatusWindow::SetAutoDismiss(bool on) { autoDismiss_->setChecked(on); }

void StatusWindow::RetranslateUi() {
    //: Title of the status window, which shows the messages of a conversion
    setWindowTitle(tr("Tabulyst - messages"));
    //: Check box of the status window
    autoDismiss_->setText(tr("Auto-dismiss on completion"));
    //: Tool tip of "Auto-dismiss on completion"
    autoDismiss_->setToolTip(tr("Close this window when a conversion succeeds"));
    //: Tool tip of the message text of the status window
    view_->setToolTip(tr("The messages of the last conversion"));
}

void StatusWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QWidget::changeEvent(event);
}

}  // namespace tabulyst
