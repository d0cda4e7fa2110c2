// The window that shows the messages and status lines of the current run as they arrive.
#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QPlainTextEdit;

namespace tabulyst {

class StatusWindow : public QWidget {
    Q_OBJECT
  public:
    // Once the shown text reaches this many characters it is rebuilt from the last lines.
    static constexpr qsizetype kTrimAt = 20000;
    static constexpr qsizetype kLinesKeptOnTrim = 50;

    explicit StatusWindow(QWidget* parent = nullptr);

    // Adds a text, one line per line feed in it, and repaints at once so that the lines
    // appear while a run goes on.
    void AddText(const QString& text);
    // Empties the window (at the start of a run).
    void Clear();
    // Every line received since the last clearing.
    const QStringList& Lines() const { return lines_; }
    // The text the window shows.
    QString ShownText() const;

    // The "Auto-dismiss on completion" option.
    bool AutoDismiss() const;
    void SetAutoDismiss(bool on);

    // Re-labels the window in the language in force.
    void RetranslateUi();

  signals:
    // The user ticked or cleared "Auto-dismiss on completion".
    void AutoDismissChanged(bool on);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QStringList lines_;
    qsizetype shownLength_ = 0;
    QPlainTextEdit* view_;
    QCheckBox* autoDismiss_;
};

}  // namespace tabulyst
