// The pages of the program settings sheet: "Documentation", "Drag'n'Drop", "Messages",
// "Viewers" and "Policy files". All but "Messages" edit the program's own settings.
#pragma once

#include "frontend/catalogue_text.h"
#include "frontend/sheet_page.h"

class QLabel;
class QPushButton;

namespace tabulyst {

class MessagesPage : public SheetPage {
    Q_OBJECT
  public:
    explicit MessagesPage(const SheetContext& context, QWidget* parent = nullptr);

  protected:
    void RetranslateUi() override;

  private:
    QLabel* levelLabel_;
    QSlider* level_;
    QLabel* low_;
    QLabel* high_;
    QCheckBox* show_[5];
};

class ViewersPage : public SheetPage {
    Q_OBJECT
  public:
    explicit ViewersPage(const SheetContext& context, QWidget* parent = nullptr);

  protected:
    void RetranslateUi() override;

  private:
    QCheckBox* autoView_;
    QLabel* htmlLabel_;
    QLineEdit* htmlCommand_;
    QPushButton* htmlBrowse_;
    QCheckBox* useDde_;
    QLabel* ddeLabel_;
    QComboBox* ddeService_;
    QCheckBox* urlPrefix_;
    QLabel* rtfLabel_;
    QLineEdit* rtfCommand_;
    QPushButton* rtfBrowse_;
};

class DragAndDropPage : public SheetPage {
    Q_OBJECT
  public:
    explicit DragAndDropPage(const SheetContext& context, QWidget* parent = nullptr);

  protected:
    void RetranslateUi() override;

  private:
    QCheckBox* showStatus_;
    QCheckBox* viewResults_;
    QCheckBox* startProgram_;
};

class PolicyFilesPage : public SheetPage {
    Q_OBJECT
  public:
    explicit PolicyFilesPage(const SheetContext& context, QWidget* parent = nullptr);

  protected:
    void RetranslateUi() override;
    void Filled() override { UpdateEnabling(); }

  private:
    // The file name matters only while a default policy file is used.
    void UpdateEnabling();

    QCheckBox* used_;
    QLineEdit* file_;
    QPushButton* browse_;
    QCheckBox* alwaysReload_;
};

class DocumentationPage : public SheetPage {
    Q_OBJECT
  public:
    explicit DocumentationPage(const SheetContext& context, QWidget* parent = nullptr);

  protected:
    void RetranslateUi() override;

  private:
    QLabel* label_;
    QLineEdit* location_;
    QPushButton* browse_;
};

// "Browse..." beside a file name edit: the file chosen replaces the name as the user's edit.
void BrowseInto(QLineEdit* edit, const UserDialogs& dialogs, const QString& caption,
                MessageId filter);

}  // namespace tabulyst
