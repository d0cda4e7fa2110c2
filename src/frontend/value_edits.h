// Edits for the policy values that are more than one field: a colour (its text, a swatch
// painted in it and a chooser) and a font (its text and a chooser).
#pragma once

#include <QColor>
#include <QFrame>
#include <QWidget>

#include "frontend/user_dialogs.h"

class QLineEdit;
class QPushButton;

namespace tabulyst {

// A small square painted in a colour; empty when it has none.
class ColourSwatch : public QFrame {
    Q_OBJECT
  public:
    explicit ColourSwatch(QWidget* parent = nullptr);
    // The colour painted; invalid when the swatch is empty.
    QColor Colour() const { return colour_; }
    void SetColour(const QColor& colour);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};

// A colour policy's text, its swatch and "..." for the colour chooser. The swatch follows
// the text while it names a colour and keeps its colour while it does not.
class ColourEdit : public QWidget {
    Q_OBJECT
  public:
    ColourEdit(const UserDialogs& dialogs, QWidget* parent = nullptr);
    QString Text() const;
    // Shows a text without reporting it as the user's edit.
    void SetText(const QString& text);
    const ColourSwatch& Swatch() const { return *swatch_; }
    // The tool tip of every part.
    void SetToolTip(const QString& tip);

  signals:
    // The user typed or chose a colour.
    void Edited(const QString& text);

  private:
    void Choose();
    void Paint(const QString& text);

    const UserDialogs& dialogs_;
    QLineEdit* text_;
    ColourSwatch* swatch_;
    QPushButton* choose_;
};

// A font policy's text and "..." for the font chooser, which writes the chosen font back
// as a font text.
class FontEdit : public QWidget {
    Q_OBJECT
  public:
    FontEdit(const UserDialogs& dialogs, QWidget* parent = nullptr);
    QString Text() const;
    void SetText(const QString& text);
    void SetToolTip(const QString& tip);

  signals:
    void Edited(const QString& text);

  private:
    void Choose();

    const UserDialogs& dialogs_;
    QLineEdit* text_;
    QPushButton* choose_;
};

}  // namespace tabulyst
