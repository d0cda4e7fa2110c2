// The main window's controls, menus, labels and the couplings between its controls.
#include "frontend/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <iostream>

#include "frontend/catalogue_text.h"
#include "frontend/file_list_text.h"
#include "frontend/status_window.h"

#define MENU_TEXT(text) QT_TRANSLATE_NOOP("tabulyst::MainWindow", text)

namespace tabulyst {

// One menu entry: its menu, its submenu (or none), its text and its command.
struct MainWindow::MenuEntry {
    const char* menu;
    const char* submenu;
    const char* text;
    Command command;
};

namespace {

// The extension texts, in the order of the buttons.
const char* const kExtensions[] = {".html", ".htm", ".rtf"};

constexpr MessageId kInputTypeEntries[] = {MessageId::PlainTextFile, MessageId::TabDelimitedFile,
                                           MessageId::CommaDelimitedFile,
                                           MessageId::OtherDelimitedFile};
constexpr MessageId kConversionTypeEntries[] = {
    MessageId::OutputHtmlToFiles, MessageId::OutputRtfToFile, MessageId::OutputHtmlToClipboard};

const char* const kFileMenu = MENU_TEXT("&File");
const char* const kOptionsMenu = MENU_TEXT("&Conversion options");
const char* const kAnalysisMenu = MENU_TEXT("&Analysis policies");
const char* const kOutputMenu = MENU_TEXT("&Output Policies");
const char* const kSettingsMenu = MENU_TEXT("&Settings");
const char* const kLanguageMenu = MENU_TEXT("&Language");
const char* const kViewMenu = MENU_TEXT("&View");
const char* const kHelpMenu = MENU_TEXT("&Help");

// The text of a file name without its extension, followed by another extension.
QString WithExtension(const QString& name, const QString& extension) {
    const qsizetype point = name.lastIndexOf(QLatin1Char('.'));
    return (point > 0 ? name.left(point) : name) + extension;
}

}  // namespace

MainWindow::MainWindow(UserDialogs dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(std::move(dialogs)) {
    setObjectName(QStringLiteral("mainWindow"));
    {
        QSettings store(QStringLiteral("Quillon"), QStringLiteral("Tabulyst"));
        settings_ = LoadSettings(store);
    }
    status_ = new StatusWindow(this);
    status_->SetAutoDismiss(settings_.autoDismissStatusDialog);
    status_->move(settings_.statusWindow.left, settings_.statusWindow.top);
    connect(status_, &StatusWindow::AutoDismissChanged, this,
            [this](bool on) { settings_.autoDismissStatusDialog = on; });
    session_ = std::make_unique<EngineSession>([this](const QString& line) { EngineLine(line); });
    viewer_ = std::make_unique<ResultViewer>(settings_, dialogs_, this);

    BuildControls();
    BuildMenus();
    RetranslateUi();
    FillFromList(fileList_, MruList::Files);
    FillFromList(outputDir_, MruList::OutDir);
    FillFromList(policyFile_, MruList::Policy);
    fileList_->setEditText(QString());
    outputDir_->setEditText(settings_.List(MruList::OutDir).value(0));
    policyFile_->setEditText(QString());
    UpdateEnabling();
    setAcceptDrops(true);
    move(settings_.mainWindow.left, settings_.mainWindow.top);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
    auto* form = new QWidget;
    auto* grid = new QGridLayout(form);

    filesLabel_ = new QLabel;
    fileList_ = new QComboBox;
    fileList_->setObjectName(QStringLiteral("fileList"));
    fileList_->setEditable(true);
    fileList_->setInsertPolicy(QComboBox::NoInsert);
    fileList_->setMinimumContentsLength(40);
    browseFiles_ = new QPushButton;
    browseFiles_->setObjectName(QStringLiteral("browseFiles"));
    grid->addWidget(filesLabel_, 0, 0);
    grid->addWidget(fileList_, 0, 1);
    grid->addWidget(browseFiles_, 0, 2);

    inputTypeLabel_ = new QLabel;
    inputType_ = new QComboBox;
    inputType_->setObjectName(QStringLiteral("inputType"));
    inputType_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    delimiterLabel_ = new QLabel;
    delimiter_ = new QLineEdit;
    delimiter_->setObjectName(QStringLiteral("delimiter"));
    delimiter_->setMaxLength(1);
    delimiter_->setMaximumWidth(40);
    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(inputType_);
    inputRow->addStretch();
    inputRow->addWidget(delimiterLabel_);
    inputRow->addWidget(delimiter_);
    grid->addWidget(inputTypeLabel_, 1, 0);
    grid->addLayout(inputRow, 1, 1);

    conversionTypeLabel_ = new QLabel;
    conversionType_ = new QComboBox;
    conversionType_->setObjectName(QStringLiteral("conversionType"));
    conversionType_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    extensions_ = new QButtonGroup(this);
    auto* conversionRow = new QHBoxLayout;
    conversionRow->addWidget(conversionType_);
    conversionRow->addStretch();
    for (int i = 0; i < 3; ++i) {
        extensionButtons_[i] = new QRadioButton;
        extensionButtons_[i]->setObjectName(QStringLiteral("extension%1").arg(i));
        extensions_->addButton(extensionButtons_[i], i);
        conversionRow->addWidget(extensionButtons_[i]);
    }
    extensionButtons_[0]->setChecked(true);
    grid->addWidget(conversionTypeLabel_, 2, 0);
    grid->addLayout(conversionRow, 2, 1);

    outputNameLabel_ = new QLabel;
    outputName_ = new QLineEdit;
    outputName_->setObjectName(QStringLiteral("outputName"));
    grid->addWidget(outputNameLabel_, 3, 0);
    grid->addWidget(outputName_, 3, 1);

    outputDirLabel_ = new QLabel;
    outputDir_ = new QComboBox;
    outputDir_->setObjectName(QStringLiteral("outputDirectory"));
    outputDir_->setEditable(true);
    outputDir_->setInsertPolicy(QComboBox::NoInsert);
    browseOutputDir_ = new QPushButton(QStringLiteral("..."));
    browseOutputDir_->setObjectName(QStringLiteral("browseOutputDirectory"));
    grid->addWidget(outputDirLabel_, 4, 0);
    grid->addWidget(outputDir_, 4, 1);
    grid->addWidget(browseOutputDir_, 4, 2);

    policyGroup_ = new QGroupBox;
    auto* policyRow = new QHBoxLayout(policyGroup_);
    policyLabel_ = new QLabel;
    policyFile_ = new QComboBox;
    policyFile_->setObjectName(QStringLiteral("policyFile"));
    policyFile_->setEditable(true);
    policyFile_->setInsertPolicy(QComboBox::NoInsert);
    policyFile_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    browsePolicy_ = new QPushButton(QStringLiteral("..."));
    browsePolicy_->setObjectName(QStringLiteral("browsePolicy"));
    resetPolicies_ = new QPushButton;
    resetPolicies_->setObjectName(QStringLiteral("resetPolicies"));
    policyRow->addWidget(policyLabel_);
    policyRow->addWidget(policyFile_);
    policyRow->addWidget(browsePolicy_);
    policyRow->addWidget(resetPolicies_);
    grid->addWidget(policyGroup_, 5, 0, 1, 3);

    convert_ = new QPushButton;
    convert_->setObjectName(QStringLiteral("convert"));
    convert_->setDefault(true);
    viewResults_ = new QPushButton;
    viewResults_->setObjectName(QStringLiteral("viewResults"));
    auto* commandRow = new QHBoxLayout;
    commandRow->addStretch();
    commandRow->addWidget(convert_);
    commandRow->addWidget(viewResults_);
    grid->addLayout(commandRow, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(1, 1);

    for (auto [label, buddy] : {std::pair<QLabel*, QWidget*>{filesLabel_, fileList_},
                                {inputTypeLabel_, inputType_},
                                {delimiterLabel_, delimiter_},
                                {conversionTypeLabel_, conversionType_},
                                {outputNameLabel_, outputName_},
                                {outputDirLabel_, outputDir_},
                                {policyLabel_, policyFile_}})
        label->setBuddy(buddy);

    preview_ = new QTextBrowser;
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setOpenLinks(false);
    preview_->setVisible(settings_.showPreview);
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(form);
    splitter->addWidget(preview_);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);

    connect(browseFiles_, &QPushButton::clicked, this, &MainWindow::BrowseFiles);
    connect(fileList_, &QComboBox::editTextChanged, this, [this] {
        UpdateOutputName();
        setWindowTitle(WindowTitleFor(fileList_->currentText().trimmed()));
    });
    connect(inputType_, &QComboBox::currentIndexChanged, this, &MainWindow::InputTypeChanged);
    connect(conversionType_, &QComboBox::currentIndexChanged, this,
            &MainWindow::ConversionTypeChanged);
    connect(extensions_, &QButtonGroup::idClicked, this, &MainWindow::ExtensionChosen);
    connect(outputName_, &QLineEdit::textEdited, this, [this] { outputNameEdited_ = true; });
    connect(browseOutputDir_, &QPushButton::clicked, this, &MainWindow::BrowseOutputDirectory);
    // A remembered entry is taken when chosen; a typed name when Enter is pressed.
    connect(policyFile_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (policyFile_->findText(policyFile_->currentText()) < 0)
            LoadPolicyFile(policyFile_->currentText().trimmed());
    });
    connect(policyFile_, &QComboBox::activated, this,
            [this] { LoadPolicyFile(policyFile_->currentText().trimmed()); });
    connect(browsePolicy_, &QPushButton::clicked, this, &MainWindow::ChoosePolicyFile);
    connect(resetPolicies_, &QPushButton::clicked, this, &MainWindow::ResetPolicies);
    connect(convert_, &QPushButton::clicked, this, &MainWindow::Convert);
    connect(viewResults_, &QPushButton::clicked, this, &MainWindow::ViewResults);
}

void MainWindow::BuildMenus() {
    static const MenuEntry kEntries[] = {
        {kFileMenu, nullptr, MENU_TEXT("Convert..."), Command::Convert},
        {kFileMenu, nullptr, MENU_TEXT("&Load policy file..."), Command::LoadPolicy},
        {kFileMenu, nullptr, MENU_TEXT("&Save policy file..."), Command::SavePolicy},
        {kFileMenu, nullptr, MENU_TEXT("E&xit"), Command::Exit},
        {kOptionsMenu, kAnalysisMenu, MENU_TEXT("&What to look for"), Command::PolicyPage},
        {kOptionsMenu, kAnalysisMenu, MENU_TEXT("&Bullets and lists"), Command::PolicyPage},
        {kOptionsMenu, kAnalysisMenu, MENU_TEXT("&Contents lists"), Command::PolicyPage},
        {kOptionsMenu, kAnalysisMenu, MENU_TEXT("&File structure"), Command::PolicyPage},
        {kOptionsMenu, kAnalysisMenu, MENU_TEXT("&Headings"), Command::PolicyPage},
        {kOptionsMenu, kAnalysisMenu, MENU_TEXT("&General layout"), Command::PolicyPage},
        {kOptionsMenu, kAnalysisMenu, MENU_TEXT("&Pre-formatted text"), Command::PolicyPage},
        {kOptionsMenu, kAnalysisMenu, MENU_TEXT("&Tables"), Command::PolicyPage},
        {kOptionsMenu, kOutputMenu, MENU_TEXT("&Title, description etc"), Command::PolicyPage},
        {kOptionsMenu, kOutputMenu, MENU_TEXT("T&able generation"), Command::PolicyPage},
        {kOptionsMenu, kOutputMenu, MENU_TEXT("&Document colours"), Command::PolicyPage},
        {kOptionsMenu, kOutputMenu, MENU_TEXT("&Hyperlinks"), Command::PolicyPage},
        {kOptionsMenu, kOutputMenu, MENU_TEXT("&Fonts"), Command::PolicyPage},
        {kOptionsMenu, kOutputMenu, MENU_TEXT("Document &settings"), Command::PolicyPage},
        {kOptionsMenu, kOutputMenu, MENU_TEXT("&RTF settings"), Command::PolicyPage},
        {kOptionsMenu, nullptr, MENU_TEXT("Re-anal&yse the file"), Command::Reanalyse},
        {kOptionsMenu, nullptr, MENU_TEXT("&Reset to defaults"), Command::ResetPolicies},
        {kSettingsMenu, nullptr, MENU_TEXT("Do&cumentation"), Command::SettingsPage},
        {kSettingsMenu, nullptr, MENU_TEXT("&Drag and drop properties"), Command::SettingsPage},
        {kSettingsMenu, nullptr, MENU_TEXT("Dia&gnostics"), Command::SettingsPage},
        {kSettingsMenu, nullptr, MENU_TEXT("&Viewers for results files"), Command::SettingsPage},
        {kSettingsMenu, nullptr, MENU_TEXT("Use of &Policy files"), Command::SettingsPage},
        {kSettingsMenu, nullptr, MENU_TEXT("Show &Tool Tips"), Command::ToggleToolTips},
        {kSettingsMenu, nullptr, MENU_TEXT("Show Status Dialog"), Command::ToggleStatusDialog},
        {kSettingsMenu, nullptr, MENU_TEXT("Show results automatically"), Command::ToggleAutoView},
        {kLanguageMenu, nullptr, MENU_TEXT("English"), Command::Language},
        {kLanguageMenu, nullptr, MENU_TEXT("Spanish"), Command::Language},
        {kLanguageMenu, nullptr, MENU_TEXT("Portuguese"), Command::Language},
        {kLanguageMenu, nullptr, MENU_TEXT("German"), Command::Language},
        {kLanguageMenu, nullptr, MENU_TEXT("Italian"), Command::Language},
        {kLanguageMenu, nullptr, MENU_TEXT("French"), Command::Language},
        {kLanguageMenu, nullptr, MENU_TEXT("Swedish"), Command::Language},
        {kLanguageMenu, nullptr, MENU_TEXT("Other..."), Command::Language},
        {kViewMenu, nullptr, MENU_TEXT("View &messages from last conversion"),
         Command::ViewMessages},
        {kViewMenu, nullptr, MENU_TEXT("View the last &Conversion"), Command::ViewLast},
        {kViewMenu, nullptr, MENU_TEXT("&Preview pane"), Command::TogglePreview},
        {kHelpMenu, nullptr, MENU_TEXT("&Contents"), Command::HelpContents},
        {kHelpMenu, nullptr, MENU_TEXT("&About..."), Command::About},
    };
    // Property sheets and languages come with their own pages and catalogues.
    auto available = [](Command c) {
        return c != Command::PolicyPage && c != Command::SettingsPage && c != Command::Language;
    };

    std::vector<std::pair<const char*, QMenu*>> menus;
    auto menuFor = [&](const char* title, QMenu* parent) {
        for (auto& [text, menu] : menus)
            if (text == title) return menu;
        QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
        menus.emplace_back(title, menu);
        menuTexts_.push_back({menu->menuAction(), title});
        return menu;
    };
    for (const MenuEntry& entry : kEntries) {
        QMenu* menu = menuFor(entry.menu, nullptr);
        if (entry.submenu) menu = menuFor(entry.submenu, menu);
        QAction* action = menu->addAction(QString());
        action->setEnabled(available(entry.command));
        menuTexts_.push_back({action, entry.text});
        const Command command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { Trigger(command); });
        switch (command) {
            case Command::ToggleToolTips:
                toolTipsAction_ = action;
                break;
            case Command::ToggleStatusDialog:
                statusDialogAction_ = action;
                break;
            case Command::ToggleAutoView:
                autoViewAction_ = action;
                break;
            case Command::TogglePreview:
                previewAction_ = action;
                break;
            case Command::Language:
                action->setCheckable(true);
                action->setChecked(std::string_view(entry.text) == "English");
                break;
            default:
                break;
        }
        if (command == Command::Exit || command == Command::Reanalyse)
            menu->insertSeparator(action);
    }
    for (auto [action, on] : {std::pair{toolTipsAction_, settings_.displayToolTips},
                              {statusDialogAction_, settings_.displayStatusDialog},
                              {autoViewAction_, settings_.autoView},
                              {previewAction_, settings_.showPreview}}) {
        action->setCheckable(true);
        action->setChecked(on);
    }
}

void MainWindow::Trigger(Command command) {
    switch (command) {
        case Command::Convert:
        case Command::Reanalyse:
            Convert();
            break;
        case Command::LoadPolicy:
            ChoosePolicyFile();
            break;
        case Command::SavePolicy:
            SavePolicyFile();
            break;
        case Command::Exit:
            close();
            break;
        case Command::ResetPolicies:
            ResetPolicies();
            break;
        case Command::ToggleToolTips:
            settings_.displayToolTips = toolTipsAction_->isChecked();
            ApplyToolTips();
            break;
        case Command::ToggleStatusDialog:
            settings_.displayStatusDialog = statusDialogAction_->isChecked();
            break;
        case Command::ToggleAutoView:
            settings_.autoView = autoViewAction_->isChecked();
            break;
        case Command::ViewMessages:
            ToggleStatusWindow();
            break;
        case Command::ViewLast:
            ViewResults();
            break;
        case Command::TogglePreview:
            settings_.showPreview = previewAction_->isChecked();
            preview_->setVisible(settings_.showPreview);
            RefreshPreview(QString());
            break;
        case Command::HelpContents:
            ShowHelpContents();
            break;
        case Command::About:
            ShowAbout();
            break;
        case Command::PolicyPage:
        case Command::SettingsPage:
        case Command::Language:
            break;
    }
}

void MainWindow::RetranslateUi() {
    filesLabel_->setText(tr("Fil&e(s) to convert"));
    browseFiles_->setText(tr("&Browse..."));
    inputTypeLabel_->setText(tr("&Input file type"));
    delimiterLabel_->setText(tr("&Delimiter"));
    conversionTypeLabel_->setText(tr("Conversion T&ype"));
    extensionButtons_[0]->setText(tr(".ht&ml"));
    extensionButtons_[1]->setText(tr(".htm"));
    extensionButtons_[2]->setText(tr(".rtf"));
    outputNameLabel_->setText(tr("Output file&name"));
    outputDirLabel_->setText(tr("Output Di&rectory"));
    policyGroup_->setTitle(tr("Policy file"));
    policyLabel_->setText(tr("Load &policy file"));
    resetPolicies_->setText(tr("Rese&t"));
    convert_->setText(tr("C&onvert File(s)..."));
    viewResults_->setText(tr("View Res&ults..."));
    for (const TranslatedText& text : menuTexts_) {
        if (auto* action = qobject_cast<QAction*>(text.object)) action->setText(tr(text.source));
    }

    // The lists are refilled in the same order, so the choices stay where they were.
    for (auto [combo, entries] :
         {std::pair{inputType_, std::vector<MessageId>(std::begin(kInputTypeEntries),
                                                       std::end(kInputTypeEntries))},
          {conversionType_, std::vector<MessageId>(std::begin(kConversionTypeEntries),
                                                   std::end(kConversionTypeEntries))}}) {
        const QSignalBlocker blocker(combo);
        const int index = std::max(0, combo->currentIndex());
        combo->clear();
        for (MessageId entry : entries) combo->addItem(CatalogueText(entry));
        combo->setCurrentIndex(index);
    }
    ApplyToolTips();
    setWindowTitle(WindowTitleFor(fileList_->currentText().trimmed()));
}

void MainWindow::ApplyToolTips() {
    const std::pair<QWidget*, const char*> kTips[] = {
        {fileList_, QT_TR_NOOP("Select the file(s) you want converted")},
        {browseFiles_, QT_TR_NOOP("Select the file(s) you want converted")},
        {inputType_, QT_TR_NOOP("What kind of data do the input files hold?")},
        {delimiter_, QT_TR_NOOP("Select the delimiter character to separate columns of data")},
        {conversionType_, QT_TR_NOOP("What type of conversion do you want to attempt?")},
        {extensionButtons_[0], QT_TR_NOOP("Select the output file extension")},
        {extensionButtons_[1], QT_TR_NOOP("Select the output file extension")},
        {extensionButtons_[2], QT_TR_NOOP("Select the output file extension")},
        {outputName_, QT_TR_NOOP("Select the output filename")},
        {outputDir_, QT_TR_NOOP("Select an output directory.  Must be writable")},
        {browseOutputDir_, QT_TR_NOOP("Select an output directory.  Must be writable")},
        {policyFile_, QT_TR_NOOP("Select a policy file to load")},
        {browsePolicy_, QT_TR_NOOP("Select a policy file to load")},
        {resetPolicies_, QT_TR_NOOP("Reset all policies to their default values")},
        {convert_, QT_TR_NOOP("Start the conversion")},
        {viewResults_, QT_TR_NOOP("View the result of the last conversion")},
    };
    for (const auto& [widget, tip] : kTips)
        widget->setToolTip(settings_.displayToolTips ? tr(tip) : QString());
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QMainWindow::changeEvent(event);
}

InputType MainWindow::CurrentInputType() const {
    return static_cast<InputType>(inputType_->currentIndex());
}

ConversionType MainWindow::CurrentConversionType() const {
    return static_cast<ConversionType>(conversionType_->currentIndex());
}

OutputExtension MainWindow::CurrentExtension() const {
    return static_cast<OutputExtension>(extensions_->checkedId());
}

QString MainWindow::ExtensionText() const {
    return QLatin1String(kExtensions[extensions_->checkedId()]);
}

void MainWindow::SetExtension(OutputExtension extension) {
    extensionButtons_[static_cast<int>(extension)]->setChecked(true);
}

void MainWindow::InputTypeChanged() {
    ConversionTypeChanged();
    if (CurrentInputType() == InputType::OtherDelimited) delimiter_->setFocus();
}

void MainWindow::ConversionTypeChanged() {
    if (CurrentConversionType() == ConversionType::RtfToFile)
        SetExtension(OutputExtension::Rtf);
    else if (CurrentExtension() == OutputExtension::Rtf)
        SetExtension(OutputExtension::Html);
    UpdateOutputName();
    UpdateEnabling();
}

void MainWindow::ExtensionChosen(int id) {
    const bool rtf = static_cast<OutputExtension>(id) == OutputExtension::Rtf;
    {
        const QSignalBlocker blocker(conversionType_);
        if (rtf && CurrentConversionType() != ConversionType::RtfToFile)
            conversionType_->setCurrentIndex(static_cast<int>(ConversionType::RtfToFile));
        if (!rtf && CurrentConversionType() == ConversionType::RtfToFile)
            conversionType_->setCurrentIndex(static_cast<int>(ConversionType::HtmlToFiles));
    }
    UpdateOutputName();
    UpdateEnabling();
}

void MainWindow::UpdateOutputName() {
    const QString files = fileList_->currentText().trimmed();
    // A name the user typed keeps its own stem; otherwise the first input's name is used.
    if (outputNameEdited_ && !outputName_->text().isEmpty())
        outputName_->setText(WithExtension(outputName_->text(), ExtensionText()));
    else
        outputName_->setText(OutputNameFor(files, ExtensionText()));
}

void MainWindow::UpdateEnabling() {
    const bool toFiles = CurrentConversionType() != ConversionType::HtmlToClipboard;
    for (QWidget* w : std::initializer_list<QWidget*>{
             outputNameLabel_, outputName_, outputDirLabel_, outputDir_, browseOutputDir_,
             extensionButtons_[0], extensionButtons_[1], extensionButtons_[2]})
        w->setEnabled(toFiles);
    const bool other = CurrentInputType() == InputType::OtherDelimited;
    delimiterLabel_->setEnabled(other);
    delimiter_->setEnabled(other);
}

void MainWindow::FillFromList(QComboBox* combo, MruList list) {
    const QString shown = combo->currentText();
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const QString& entry : settings_.List(list))
        if (!entry.isEmpty()) combo->addItem(entry);
    combo->setEditText(shown);
}

void MainWindow::RememberIn(QComboBox* combo, MruList list, const QString& text) {
    Remember(settings_.List(list), text);
    FillFromList(combo, list);
}

void MainWindow::Warn(MessageId title, const QString& text) {
    dialogs_.warn(this, CatalogueText(title), text);
}

void MainWindow::EngineLine(const QString& line) {
    status_->AddText(line);
    if (echoToConsole_) std::cerr << line.toStdString() << '\n';
}

void MainWindow::SaveSettingsNow() {
    settings_.mainWindow = {pos().x(), pos().y()};
    settings_.statusWindow = {status_->pos().x(), status_->pos().y()};
    QSettings store(QStringLiteral("Quillon"), QStringLiteral("Tabulyst"));
    SaveSettings(store, settings_);
}

}  // namespace tabulyst
