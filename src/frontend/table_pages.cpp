#include "frontend/table_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "frontend/value_edits.h"

namespace tabulyst {

namespace {

// The slider of a tuning number: 0 to 10.
QSlider* TuningSlider() {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, 10);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setPageStep(1);
    return slider;
}

// A spin box for an Integer policy, named after it.
QSpinBox* PolicySpinBox(const char* key) {
    auto* spin = new QSpinBox;
    spin->setObjectName(QLatin1String(key));
    if (const std::optional<PolicyFacts> facts = FindPolicy(QLatin1String(key)))
        ShapeSpinBox(spin, *facts);
    return spin;
}

// A slider with the words at its two ends below it.
QGridLayout* SliderRow(QSlider* slider, QLabel* low, QLabel* high) {
    auto* grid = new QGridLayout;
    grid->addWidget(slider, 0, 0, 1, 2);
    grid->addWidget(low, 1, 0, Qt::AlignLeft);
    grid->addWidget(high, 1, 1, Qt::AlignRight);
    return grid;
}

}  // namespace

TableAnalysisPage::TableAnalysisPage(const SheetContext& context, QWidget* parent)
    : SheetPage(context, parent),
      attempt_(Named(new QCheckBox, "Attempt TABLE generation")),
      extendLabel_(new QLabel),
      extend_(Named(TuningSlider(), "Table extending factor")),
      extendLow_(new QLabel),
      extendHigh_(new QLabel),
      sparse_(Named(new QCheckBox, "Expect sparse tables")),
      ignoreHeader_(Named(new QCheckBox, "Ignore table header during analysis")),
      mergeLabel_(new QLabel),
      merge_(Named(TuningSlider(), "Column merging factor")),
      mergeNever_(new QLabel),
      mergeAlways_(new QLabel),
      separationLabel_(new QLabel),
      separation_(PolicySpinBox("Minimum TABLE column separation")) {
    // A separation below 1 means columns may touch; it is shown as the least real one.
    separation_->setMinimum(1);
    separation_->setSpecialValueText(QString());
    extendLabel_->setBuddy(extend_);
    mergeLabel_->setBuddy(merge_);
    separationLabel_->setBuddy(separation_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(attempt_);
    layout->addWidget(extendLabel_);
    layout->addLayout(SliderRow(extend_, extendLow_, extendHigh_));
    layout->addWidget(sparse_);
    layout->addWidget(ignoreHeader_);
    layout->addWidget(mergeLabel_);
    layout->addLayout(SliderRow(merge_, mergeNever_, mergeAlways_));
    auto* separationRow = new QHBoxLayout;
    separationRow->addWidget(separationLabel_);
    separationRow->addWidget(separation_);
    separationRow->addStretch();
    layout->addLayout(separationRow);
    layout->addStretch();

    EngineSession& session = context.session;
    BindCheck(attempt_, PolicySource(session, attempt_->objectName()));
    for (QSlider* slider : {extend_, merge_})
        BindSlider(slider, PolicySource(session, slider->objectName()));
    for (QCheckBox* box : {sparse_, ignoreHeader_})
        BindCheck(box, PolicySource(session, box->objectName()));
    BindSpin(separation_, PolicySource(session, separation_->objectName()));
    connect(attempt_, &QCheckBox::toggled, this, &TableAnalysisPage::UpdateEnabling);
    RetranslateUi();
}

void TableAnalysisPage::UpdateEnabling() {
    const bool on = attempt_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{
             extendLabel_, extend_, extendLow_, extendHigh_, sparse_, ignoreHeader_, mergeLabel_,
             merge_, mergeNever_, mergeAlways_, separationLabel_, separation_})
        w->setEnabled(on);
}

void TableAnalysisPage::RetranslateUi() {
    //: Check box on the "Table analysis" page
    attempt_->setText(tr("Attempt TABLE recognition and generation"));
    //: Tool tip of "Attempt TABLE recognition and generation" on the "Table analysis" page
    attempt_->setToolTip(tr("Look for tables in the text and write them as tables"));
    //: Label of a slider on the "Table analysis" page
    extendLabel_->setText(tr("Extend preformatted regions"));
    //: Left end of the slider "Extend preformatted regions"
    extendLow_->setText(tr("Low"));
    //: Right end of the slider "Extend preformatted regions"
    extendHigh_->setText(tr("High"));
    //: Tool tip of the slider "Extend preformatted regions" on the "Table analysis" page
    extend_->setToolTip(tr("How readily lines next to a table are taken into it"));
    //: Check box on the "Table analysis" page
    sparse_->setText(tr("Is the table expected to have sparse columns"));
    //: Tool tip of "Is the table expected to have sparse columns"
    sparse_->setToolTip(tr("Many cells of the tables are expected to be empty"));
    //: Check box on the "Table analysis" page (the spelling is the program's own)
    ignoreHeader_->setText(tr("Ignore table header when analysing column pocitions"));
    //: Tool tip of "Ignore table header when analysing column positions"
    ignoreHeader_->setToolTip(tr("The header lines do not take part in finding the columns"));
    //: Label of a slider on the "Table analysis" page
    mergeLabel_->setText(tr("Merge together \"poor\" columns"));
    //: Left end of the slider "Merge together "poor" columns"
    mergeNever_->setText(tr("Never"));
    //: Right end of the slider "Merge together "poor" columns"
    mergeAlways_->setText(tr("Always"));
    //: Tool tip of the slider "Merge together "poor" columns" on the "Table analysis" page
    merge_->setToolTip(
        tr("How readily columns that are mostly empty, or run into the next, are merged"));
    //: Label of a number edit on the "Table analysis" page
    separationLabel_->setText(tr("Minimum number of spaces between columns"));
    //: Tool tip of "Minimum number of spaces between columns"
    separation_->setToolTip(tr("The narrowest gap of blanks that separates two columns"));
}

TableGenerationPage::TableGenerationPage(const SheetContext& context, QWidget* parent)
    : SheetPage(context, parent),
      attempt_(Named(new QCheckBox, "Attempt TABLE generation")),
      headerRowsLabel_(new QLabel),
      headerRows_(PolicySpinBox("Default TABLE header rows")),
      paddingLabel_(new QLabel),
      padding_(PolicySpinBox("Default TABLE cell padding")),
      spacingLabel_(new QLabel),
      spacing_(PolicySpinBox("Default TABLE cell spacing")),
      borderLabel_(new QLabel),
      border_(PolicySpinBox("Default TABLE border size")),
      widthLabel_(new QLabel),
      width_(Named(new QLineEdit, "Default TABLE width")),
      backgroundLabel_(new QLabel),
      background_(Named(new ColourEdit(context.dialogs), "Default TABLE colour")),
      borderColourLabel_(new QLabel),
      borderColour_(Named(new ColourEdit(context.dialogs), "Default TABLE border colour")),
      colourRows_(Named(new QCheckBox, "Colour data rows")),
      oddLabel_(new QLabel),
      odd_(Named(new ColourEdit(context.dialogs), "Default TABLE odd row colour")),
      evenLabel_(new QLabel),
      even_(Named(new ColourEdit(context.dialogs), "Default TABLE even row colour")),
      alignmentLabel_(new QLabel),
      alignment_(Named(new QComboBox, "Default TABLE alignment")),
      cellAlignmentLabel_(new QLabel),
      cellAlignment_(Named(new QComboBox, "Default TABLE cell alignment")),
      crossReferences_(Named(new QCheckBox, "Convert TABLE X-refs to links")) {
    auto* grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(attempt_, row++, 0, 1, 4);
    // The four numbers in two columns of two.
    const std::pair<QLabel*, QSpinBox*> numbers[] = {
        {headerRowsLabel_, headerRows_},
        {borderLabel_, border_},
        {paddingLabel_, padding_},
        {spacingLabel_, spacing_},
    };
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(numbers[i].first, row + i / 2, (i % 2) * 2);
        grid->addWidget(numbers[i].second, row + i / 2, (i % 2) * 2 + 1);
        numbers[i].first->setBuddy(numbers[i].second);
    }
    row += 2;
    const std::pair<QLabel*, QWidget*> rows[] = {
        {widthLabel_, width_},
        {backgroundLabel_, background_},
        {borderColourLabel_, borderColour_},
        {nullptr, colourRows_},
        {oddLabel_, odd_},
        {evenLabel_, even_},
        {alignmentLabel_, alignment_},
        {cellAlignmentLabel_, cellAlignment_},
    };
    for (const auto& [label, control] : rows) {
        if (label) {
            grid->addWidget(label, row, 0);
            grid->addWidget(control, row++, 1, 1, 3);
        } else {
            grid->addWidget(control, row++, 0, 1, 4);
        }
    }
    grid->addWidget(crossReferences_, row++, 0, 1, 4);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(3, 1);
    for (auto [label, control] : {std::pair<QLabel*, QWidget*>{widthLabel_, width_},
                                  {alignmentLabel_, alignment_},
                                  {cellAlignmentLabel_, cellAlignment_}})
        label->setBuddy(control);

    EngineSession& session = context.session;
    auto source = [&session](QWidget* control) {
        return PolicySource(session, control->objectName());
    };
    for (QCheckBox* box : {attempt_, colourRows_, crossReferences_}) BindCheck(box, source(box));
    for (QSpinBox* spin : {headerRows_, padding_, spacing_, border_}) BindSpin(spin, source(spin));
    BindLine(width_, source(width_));
    for (ColourEdit* colour : {background_, borderColour_, odd_, even_})
        BindColour(colour, source(colour));
    for (QComboBox* list : {alignment_, cellAlignment_}) BindAlignment(list, source(list));
    RetranslateUi();
}

void TableGenerationPage::RetranslateUi() {
    //: Check box on the "Table generation" page
    attempt_->setText(tr("Attempt TABLE recognition and generation"));
    //: Tool tip of "Attempt TABLE recognition and generation" on the "Table generation" page
    attempt_->setToolTip(tr("Look for tables in the text and write them as tables"));
    //: Label of a number edit on the "Table generation" page
    headerRowsLabel_->setText(tr("Number of header rows"));
    //: Tool tip of "Number of header rows"
    headerRows_->setToolTip(tr("How many rows at the top of each table are header rows"));
    //: Label of a number edit on the "Table generation" page (the HTML attribute's name)
    paddingLabel_->setText(tr("CELLPADDING"));
    //: Tool tip of "CELLPADDING"
    padding_->setToolTip(tr("The space between the border of a cell and its text"));
    //: Label of a number edit on the "Table generation" page (the HTML attribute's name)
    spacingLabel_->setText(tr("CELLSPACING"));
    //: Tool tip of "CELLSPACING"
    spacing_->setToolTip(tr("The space between neighbouring cells"));
    //: Label of a number edit on the "Table generation" page
    borderLabel_->setText(tr("BORDER size"));
    //: Tool tip of "BORDER size"
    border_->setToolTip(tr("The width of the table's border (none: no border)"));
    //: Label of a text edit on the "Table generation" page
    widthLabel_->setText(tr("Table width"));
    //: Tool tip of "Table width"
    width_->setToolTip(tr("The width of each table, in pixels or as a percentage such as 100%"));
    //: Label of a colour (text, swatch and chooser) on the "Table generation" page
    backgroundLabel_->setText(tr("Background"));
    //: Tool tip of the "Background" colour
    background_->SetToolTip(
        tr("The background colour of tables: a colour name or six hexadecimal digits"));
    //: Label of a colour on the "Table generation" page
    borderColourLabel_->setText(tr("Border colour"));
    //: Tool tip of the "Border colour" colour
    borderColour_->SetToolTip(tr("The colour of the table's border"));
    //: Check box on the "Table generation" page
    colourRows_->setText(tr("Colour odd and even rows differently"));
    //: Tool tip of "Colour odd and even rows differently"
    colourRows_->setToolTip(tr("Data rows are coloured alternately with the two colours below"));
    //: Label of a colour on the "Table generation" page
    oddLabel_->setText(tr("Odd Rows"));
    //: Tool tip of the "Odd Rows" colour
    odd_->SetToolTip(tr("The colour of the first, third, fifth ... data row"));
    //: Label of a colour on the "Table generation" page
    evenLabel_->setText(tr("Even Rows"));
    //: Tool tip of the "Even Rows" colour
    even_->SetToolTip(tr("The colour of the second, fourth, sixth ... data row"));
    //: Label of a list on the "Table generation" page
    alignmentLabel_->setText(tr("Table alignment"));
    //: Tool tip of "Table alignment"
    alignment_->setToolTip(tr("Where tables stand on the page"));
    //: Label of a list on the "Table generation" page
    cellAlignmentLabel_->setText(tr("Table cell alignment"));
    //: Tool tip of "Table cell alignment"
    cellAlignment_->setToolTip(
        tr("How the text of the cells is aligned; Auto-Detect decides column by column"));
    //: Check box on the "Table generation" page
    crossReferences_->setText(
        tr("Convert any section cross references in the table into hyperlinks"));
    //: Tool tip of "Convert any section cross references in the table into hyperlinks"
    crossReferences_->setToolTip(tr("References to sections inside the cells become links"));
}

}  // namespace tabulyst
