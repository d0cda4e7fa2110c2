// The main window's controls, menus, labels and the couplings between its controls.
#include "frontend/main_window.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolTip>
#include <QVBoxLayout>
#include <iostream>

#include "frontend/catalogue_text.h"
#include "frontend/file_list_text.h"
#include "frontend/property_sheet.h"
#include "frontend/status_window.h"

namespace tabulyst {

// One menu entry: its menu, its submenu (or none), its text, its command and, for the
// entries that open a property sheet, the page it opens on.
struct MainWindow::MenuEntry {
    const char* menu;
    const char* submenu;
    const char* text;
    Command command;
    PageId page = PageId::WhatToLookFor;
};

namespace {

// The extension texts, in the order of the buttons.
const char* const kExtensions[] = {".html", ".htm", ".rtf"};

constexpr MessageId kInputTypeEntries[] = {MessageId::PlainTextFile, MessageId::TabDelimitedFile,
                                           MessageId::CommaDelimitedFile,
                                           MessageId::OtherDelimitedFile};
constexpr MessageId kConversionTypeEntries[] = {
    MessageId::OutputHtmlToFiles, MessageId::OutputRtfToFile, MessageId::OutputHtmlToClipboard};

//: Menu of the main window's menu bar
const char* const kFileMenu = QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&File");
//: Menu of the main window's menu bar
const char* const kOptionsMenu = QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Conversion options");
//: Submenu of "Conversion options", opening the analysis policies sheet
const char* const kAnalysisMenu = QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Analysis policies");
//: Submenu of "Conversion options", opening the output policies sheet
const char* const kOutputMenu = QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Output Policies");
//: Menu of the main window's menu bar
const char* const kSettingsMenu = QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Settings");
//: Menu of the main window's menu bar
const char* const kLanguageMenu = QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Language");
//: Menu of the main window's menu bar
const char* const kViewMenu = QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&View");
//: Menu of the main window's menu bar
const char* const kHelpMenu = QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Help");

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
    // The language chosen last; English until then, or when the name is not known.
    if (const std::optional<UiLanguage> language = UiLanguageNamed(settings_.language))
        SwitchLanguage(*language);
    RetranslateUi();
    qApp->installEventFilter(this);
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
    using C = Command;
    using P = PageId;
    static const MenuEntry kEntries[] = {
        //: Entry of the File menu
        {kFileMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Convert..."), C::Convert},
        //: Entry of the File menu
        {kFileMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Load policy file..."),
         C::LoadPolicy},
        //: Entry of the File menu
        {kFileMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Save policy file..."),
         C::SavePolicy},
        //: Entry of the File menu
        {kFileMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "E&xit"), C::Exit},
        //: Entry of Conversion options > Analysis policies, opening the page "What to look for"
        {kOptionsMenu, kAnalysisMenu,
         QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&What to look for"), C::Page, P::WhatToLookFor},
        //: Entry of Conversion options > Analysis policies, opening the page "Bullets"
        {kOptionsMenu, kAnalysisMenu,
         QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Bullets and lists"), C::Page, P::Bullets},
        //: Entry of Conversion options > Analysis policies, opening the page "Contents List"
        {kOptionsMenu, kAnalysisMenu, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Contents lists"),
         C::Page, P::ContentsList},
        //: Entry of Conversion options > Analysis policies, opening the page "File structure"
        {kOptionsMenu, kAnalysisMenu, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&File structure"),
         C::Page, P::FileStructure},
        //: Entry of Conversion options > Analysis policies, opening the page "Headings"
        {kOptionsMenu, kAnalysisMenu, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Headings"),
         C::Page, P::Headings},
        //: Entry of Conversion options > Analysis policies, opening the page "Analysis"
        {kOptionsMenu, kAnalysisMenu, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&General layout"),
         C::Page, P::Analysis},
        //: Entry of Conversion options > Analysis policies, opening the page "Pre-formatted text"
        {kOptionsMenu, kAnalysisMenu,
         QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Pre-formatted text"), C::Page,
         P::PreformattedText},
        //: Entry of Conversion options > Analysis policies, opening the page "Table analysis"
        {kOptionsMenu, kAnalysisMenu, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Tables"), C::Page,
         P::TableAnalysis},
        //: Entry of Conversion options > Output Policies, opening the page "Document details"
        {kOptionsMenu, kOutputMenu,
         QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Title, description etc"), C::Page,
         P::DocumentDetails},
        //: Entry of Conversion options > Output Policies, opening the page "Table generation"
        {kOptionsMenu, kOutputMenu, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "T&able generation"),
         C::Page, P::TableGeneration},
        //: Entry of Conversion options > Output Policies, opening the page "Document colours"
        {kOptionsMenu, kOutputMenu, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Document colours"),
         C::Page, P::DocumentColours},
        //: Entry of Conversion options > Output Policies, opening the page "Hyperlinks"
        {kOptionsMenu, kOutputMenu, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Hyperlinks"),
         C::Page, P::Hyperlinks},
        //: Entry of Conversion options > Output Policies, opening the page "Fonts"
        {kOptionsMenu, kOutputMenu, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Fonts"), C::Page,
         P::Fonts},
        //: Entry of Conversion options > Output Policies, opening the page "Document settings"
        {kOptionsMenu, kOutputMenu, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Document &settings"),
         C::Page, P::DocumentSettings},
        //: Entry of Conversion options > Output Policies, opening the page "RTF configuration"
        {kOptionsMenu, kOutputMenu, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&RTF settings"),
         C::Page, P::RtfConfiguration},
        //: Entry of the Conversion options menu
        {kOptionsMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Re-anal&yse the file"),
         C::Reanalyse},
        //: Entry of the Conversion options menu
        {kOptionsMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Reset to defaults"),
         C::ResetPolicies},
        //: Entry of the Settings menu, opening the page "Documentation"
        {kSettingsMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Do&cumentation"),
         C::Page, P::Documentation},
        //: Entry of the Settings menu, opening the page "Drag'n'Drop"
        {kSettingsMenu, nullptr,
         QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Drag and drop properties"), C::Page,
         P::DragAndDrop},
        //: Entry of the Settings menu, opening the page "Messages"
        {kSettingsMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Dia&gnostics"), C::Page,
         P::Messages},
        //: Entry of the Settings menu, opening the page "Viewers"
        {kSettingsMenu, nullptr,
         QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Viewers for results files"), C::Page,
         P::Viewers},
        //: Entry of the Settings menu, opening the page "Policy files"
        {kSettingsMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Use of &Policy files"),
         C::Page, P::PolicyFiles},
        //: Entry of the Settings menu, a switch with a check mark
        {kSettingsMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Show &Tool Tips"),
         C::ToggleToolTips},
        //: Entry of the Settings menu, a switch with a check mark
        {kSettingsMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Show Status Dialog"),
         C::ToggleStatusDialog},
        //: Entry of the Settings menu, a switch with a check mark
        {kSettingsMenu, nullptr,
         QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Show results automatically"),
         C::ToggleAutoView},
        //: Last entry of the Language menu, for languages of language files (not supported)
        {kLanguageMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "Other..."),
         C::OtherLanguage},
        //: Entry of the View menu
        {kViewMenu, nullptr,
         QT_TRANSLATE_NOOP("tabulyst::MainWindow", "View &messages from last conversion"),
         C::ViewMessages},
        //: Entry of the View menu
        {kViewMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "View the last &Conversion"),
         C::ViewLast},
        //: Entry of the View menu, a switch with a check mark
        {kViewMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Preview pane"),
         C::TogglePreview},
        //: Entry of the Help menu
        {kHelpMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&Contents"),
         C::HelpContents},
        //: Entry of the Help menu
        {kHelpMenu, nullptr, QT_TRANSLATE_NOOP("tabulyst::MainWindow", "&About..."), C::About},
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
    auto* languageGroup = new QActionGroup(this);
    for (const MenuEntry& entry : kEntries) {
        QMenu* menu = menuFor(entry.menu, nullptr);
        if (entry.submenu) menu = menuFor(entry.submenu, menu);
        // The languages come first in their menu, in the order of their table.
        if (entry.command == Command::OtherLanguage) {
            for (const UiLanguageInfo& info : UiLanguages()) {
                QAction* action = menu->addAction(QString());
                action->setCheckable(true);
                action->setActionGroup(languageGroup);
                menuTexts_.push_back({action, info.name});
                languageActions_.push_back(action);
                const UiLanguage language = info.language;
                connect(action, &QAction::triggered, this,
                        [this, language] { SwitchLanguage(language); });
            }
        }
        QAction* action = menu->addAction(QString());
        menuTexts_.push_back({action, entry.text});
        connect(action, &QAction::triggered, this,
                [this, command = entry.command, page = entry.page] { Trigger(command, page); });
        switch (entry.command) {
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
            default:
                break;
        }
        if (entry.command == Command::Exit || entry.command == Command::Reanalyse ||
            entry.command == Command::OtherLanguage)
            menu->insertSeparator(action);
    }
    for (QAction* action : {toolTipsAction_, statusDialogAction_, autoViewAction_, previewAction_})
        action->setCheckable(true);
    ShowSettingsInMenu();
}

void MainWindow::ShowSettingsInMenu() {
    for (auto [action, on] : {std::pair{toolTipsAction_, settings_.displayToolTips},
                              {statusDialogAction_, settings_.displayStatusDialog},
                              {autoViewAction_, settings_.autoView},
                              {previewAction_, settings_.showPreview}})
        action->setChecked(on);
    languageActions_[static_cast<size_t>(languages_.Current())]->setChecked(true);
}

void MainWindow::Trigger(Command command, PageId page) {
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
        case Command::Page:
            OpenSheet(page);
            break;
        case Command::ResetPolicies:
            ResetPolicies();
            break;
        case Command::ToggleToolTips:
            settings_.displayToolTips = toolTipsAction_->isChecked();
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
        case Command::OtherLanguage:
            // Language files are not supported: the entry is there and does nothing.
            break;
    }
}

PropertySheet* MainWindow::OpenSheet(PageId page) {
    const SheetKind kind = PageOf(page).sheet;
    PropertySheet*& sheet = sheets_[static_cast<int>(kind)];
    if (!sheet) {
        sheet = new PropertySheet(kind, SheetContext{*session_, settings_, dialogs_}, this);
        connect(sheet, &PropertySheet::PoliciesApplied, this, [this] { policiesModified_ = true; });
        connect(sheet, &PropertySheet::SettingsApplied, this, &MainWindow::ShowSettingsInMenu);
    }
    sheet->Open(page);
    return sheet;
}

void MainWindow::SwitchLanguage(UiLanguage language) {
    if (languages_.Switch(language)) {
        const UiLanguageInfo& info = InfoOf(language);
        settings_.language = QLatin1String(info.name);
        settings_.selectedLanguage = true;
        settings_.languageId = info.windowsId;
    }
    ShowSettingsInMenu();
}

void MainWindow::RetranslateUi() {
    //: Label of the file list (main window); & marks the access key
    filesLabel_->setText(tr("Fil&e(s) to convert"));
    //: Button beside the file list (main window)
    browseFiles_->setText(tr("&Browse..."));
    //: Label of the input type list (main window)
    inputTypeLabel_->setText(tr("&Input file type"));
    //: Label of the one-character delimiter edit (main window)
    delimiterLabel_->setText(tr("&Delimiter"));
    //: Label of the conversion type list (main window)
    conversionTypeLabel_->setText(tr("Conversion T&ype"));
    //: Output extension button (main window); keep the extension itself
    extensionButtons_[0]->setText(tr(".ht&ml"));
    //: Output extension button (main window); keep the extension itself
    extensionButtons_[1]->setText(tr(".htm"));
    //: Output extension button (main window); keep the extension itself
    extensionButtons_[2]->setText(tr(".rtf"));
    //: Label of the output file name (main window)
    outputNameLabel_->setText(tr("Output file&name"));
    //: Label of the output directory list (main window)
    outputDirLabel_->setText(tr("Output Di&rectory"));
    //: Title of the group around the policy file controls (main window)
    policyGroup_->setTitle(tr("Policy file"));
    //: Label of the policy file list (main window)
    policyLabel_->setText(tr("Load &policy file"));
    //: Button that returns every policy to its default (main window)
    resetPolicies_->setText(tr("Rese&t"));
    //: Button that starts the conversion (main window)
    convert_->setText(tr("C&onvert File(s)..."));
    //: Button that opens the last result (main window)
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
        //: Tool tip of the file list and its "Browse..." button (main window)
        {fileList_, QT_TR_NOOP("Select the file(s) you want converted")},
        {browseFiles_, QT_TR_NOOP("Select the file(s) you want converted")},
        //: Tool tip of the "Input file type" list (main window)
        {inputType_, QT_TR_NOOP("What kind of data do the input files hold?")},
        //: Tool tip of the "Delimiter" edit (main window)
        {delimiter_, QT_TR_NOOP("Select the delimiter character to separate columns of data")},
        //: Tool tip of the "Conversion Type" list (main window)
        {conversionType_, QT_TR_NOOP("What type of conversion do you want to attempt?")},
        //: Tool tip of the .html, .htm and .rtf buttons (main window)
        {extensionButtons_[0], QT_TR_NOOP("Select the output file extension")},
        {extensionButtons_[1], QT_TR_NOOP("Select the output file extension")},
        {extensionButtons_[2], QT_TR_NOOP("Select the output file extension")},
        //: Tool tip of the "Output filename" edit (main window)
        {outputName_, QT_TR_NOOP("Select the output filename")},
        //: Tool tip of the "Output Directory" list and its "..." button (main window)
        {outputDir_, QT_TR_NOOP("Select an output directory.  Must be writable")},
        {browseOutputDir_, QT_TR_NOOP("Select an output directory.  Must be writable")},
        //: Tool tip of the "Load policy file" list and its "..." button (main window)
        {policyFile_, QT_TR_NOOP("Select a policy file to load")},
        {browsePolicy_, QT_TR_NOOP("Select a policy file to load")},
        //: Tool tip of the "Reset" button (main window)
        {resetPolicies_, QT_TR_NOOP("Reset all policies to their default values")},
        //: Tool tip of the "Convert File(s)..." button (main window)
        {convert_, QT_TR_NOOP("Start the conversion")},
        //: Tool tip of the "View Results..." button (main window)
        {viewResults_, QT_TR_NOOP("View the result of the last conversion")},
        //: Tool tip of the preview pane (main window)
        {preview_, QT_TR_NOOP("The last HTML result as it will look")},
    };
    for (const auto& [widget, tip] : kTips) widget->setToolTip(tr(tip));
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QMainWindow::eventFilter(watched, event);
    if (!settings_.displayToolTips) return true;
    // A control without a tip of its own (nor one on the control it is part of) says so.
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool control = qobject_cast<QAbstractButton*>(watched) ||
                         qobject_cast<QComboBox*>(watched) || qobject_cast<QLineEdit*>(watched) ||
                         qobject_cast<QAbstractSpinBox*>(watched) ||
                         qobject_cast<QAbstractSlider*>(watched);
    if (!widget || !control) return false;
    for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget())
        if (!w->toolTip().isEmpty()) return false;
    //: Tool tip of a control that has none of its own
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                       tr("*** No Tool Tip text for this control ***"), widget);
    return true;
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
