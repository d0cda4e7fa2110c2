// The two table pages, laid out by hand: "Table analysis" (analysis sheet) and "Table
// generation" (output sheet).
#pragma once

#include "frontend/sheet_page.h"

class QLabel;

namespace tabulyst {

class TableAnalysisPage : public SheetPage {
    Q_OBJECT
  public:
    explicit TableAnalysisPage(const SheetContext& context, QWidget* parent = nullptr);

  protected:
    void RetranslateUi() override;
    void Filled() override { UpdateEnabling(); }

  private:
    // Every control but the first is usable only while tables are attempted at all.
    void UpdateEnabling();

    QCheckBox* attempt_;
    QLabel* extendLabel_;
    QSlider* extend_;
    QLabel* extendLow_;
    QLabel* extendHigh_;
    QCheckBox* sparse_;
    QCheckBox* ignoreHeader_;
    QLabel* mergeLabel_;
    QSlider* merge_;
    QLabel* mergeNever_;
    QLabel* mergeAlways_;
    QLabel* separationLabel_;
    QSpinBox* separation_;
};

class TableGenerationPage : public SheetPage {
    Q_OBJECT
  public:
    explicit TableGenerationPage(const SheetContext& context, QWidget* parent = nullptr);

  protected:
    void RetranslateUi() override;

  private:
    QCheckBox* attempt_;
    QLabel* headerRowsLabel_;
    QSpinBox* headerRows_;
    QLabel* paddingLabel_;
    QSpinBox* padding_;
    QLabel* spacingLabel_;
    QSpinBox* spacing_;
    QLabel* borderLabel_;
    QSpinBox* border_;
    QLabel* widthLabel_;
    QLineEdit* width_;
    QLabel* backgroundLabel_;
    ColourEdit* background_;
    QLabel* borderColourLabel_;
    ColourEdit* borderColour_;
    QCheckBox* colourRows_;
    QLabel* oddLabel_;
    ColourEdit* odd_;
    QLabel* evenLabel_;
    ColourEdit* even_;
    QLabel* alignmentLabel_;
    QComboBox* alignment_;
    QLabel* cellAlignmentLabel_;
    QComboBox* cellAlignment_;
    QCheckBox* crossReferences_;
};

}  // namespace tabulyst
