// The main window: what to convert, how and where to, the policy file, the Convert and
// View commands, the menus, drag and drop, and the start-up with files.
#pragma once

#include <QMainWindow>
#include <memory>
#include <vector>

#include "core/message_catalogue.h"
#include "frontend/engine_bridge.h"
#include "frontend/languages.h"
#include "frontend/result_viewer.h"
#include "frontend/settings.h"
#include "frontend/sheet_pages.h"
#include "frontend/user_dialogs.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTextBrowser;

namespace tabulyst {

class PropertySheet;
class StatusWindow;

// The output extension buttons, in their order.
enum class OutputExtension { Html = 0, Htm = 1, Rtf = 2 };

// What the program does after its start-up.
struct StartupDecision {
    bool showWindow = true;
    int exitStatus = 0;  // when the program ends without showing the window
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Loads the settings and lays the window out; every box and chooser goes through the
    // given dialogs.
    explicit MainWindow(UserDialogs dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Acts on the program parameters: files given are converted at once. Says whether the
    // window is to be shown, and the exit status when it is not.
    StartupDecision StartWith(const QStringList& parameters);

    // The commands, callable from the menus, the buttons and the start-up.
    // The Convert workflow; true when every file was converted.
    bool Convert();
    // Views the last result (converting first when there is none).
    void ViewResults();
    // Takes dropped files as the file list and converts them at once.
    void DropFiles(const QStringList& paths);
    // Makes the files the file list: output name, title and input directory follow.
    void SetFiles(const QStringList& paths);
    // Writes every setting to the per-user store.
    void SaveSettingsNow();

    // The settings in force (tests and the start-up read them).
    Settings& CurrentSettings() { return settings_; }
    // The engine session holding the user's policies (tests look into it).
    EngineSession& Session() { return *session_; }
    // The status window.
    StatusWindow& Status() { return *status_; }
    // The full path of the last result file; empty until a conversion produced one.
    const QString& LastResult() const { return lastResult_; }
    // True when the user's policies changed since they were loaded or saved.
    bool PoliciesModified() const { return policiesModified_; }
    // Opens the property sheet that holds the page, on that page.
    PropertySheet* OpenSheet(PageId page);
    // Puts an interface language in force and remembers it in the settings.
    void SwitchLanguage(UiLanguage language);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Tool tips of every window of the program follow the "Show Tool Tips" setting.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Every menu command.
    enum class Command {
        Convert,
        LoadPolicy,
        SavePolicy,
        Exit,
        Page,
        Reanalyse,
        ResetPolicies,
        ToggleToolTips,
        ToggleStatusDialog,
        ToggleAutoView,
        OtherLanguage,
        ViewMessages,
        ViewLast,
        TogglePreview,
        HelpContents,
        About,
    };
    struct MenuEntry;
    struct TranslatedText {
        QObject* object;
        const char* source;
    };

    void BuildControls();
    void BuildMenus();
    void RetranslateUi();
    void ApplyToolTips();
    void Trigger(Command command, PageId page);
    // The check marks of the menu follow the settings.
    void ShowSettingsInMenu();

    // Control couplings.
    void InputTypeChanged();
    void ConversionTypeChanged();
    void ExtensionChosen(int id);
    void UpdateEnabling();
    void UpdateOutputName();
    InputType CurrentInputType() const;
    ConversionType CurrentConversionType() const;
    OutputExtension CurrentExtension() const;
    void SetExtension(OutputExtension extension);
    QString ExtensionText() const;

    // Workflow steps.
    void BrowseFiles();
    void BrowseOutputDirectory();
    // The Convert workflow; a drop may show the status window and view the result by its
    // own settings.
    bool ConvertWorkflow(bool dropped);
    bool RunConversion(RunRequest request, bool dropped);
    void PlaceOnClipboard(const QString& html);
    void RefreshPreview(const QString& clipboardHtml);
    void ShowStatusWindow();
    void ToggleStatusWindow();

    // Policies.
    void ChoosePolicyFile();
    void LoadPolicyFile(const QString& path);
    void ResetPolicies();
    bool SavePolicyFile();

    void ShowHelpContents();
    void ShowAbout();
    // Refills a remembered list's drop-down from the settings, keeping the shown text.
    void FillFromList(QComboBox* combo, MruList list);
    void RememberIn(QComboBox* combo, MruList list, const QString& text);
    void Warn(MessageId title, const QString& text);
    void EngineLine(const QString& line);

    UserDialogs dialogs_;
    Settings settings_;
    LanguageSwitcher languages_;
    StatusWindow* status_ = nullptr;  // a child window, owned by this one
    std::unique_ptr<EngineSession> session_;
    std::unique_ptr<ResultViewer> viewer_;

    QLabel* filesLabel_ = nullptr;
    QComboBox* fileList_ = nullptr;
    QPushButton* browseFiles_ = nullptr;
    QLabel* inputTypeLabel_ = nullptr;
    QComboBox* inputType_ = nullptr;
    QLabel* delimiterLabel_ = nullptr;
    QLineEdit* delimiter_ = nullptr;
    QLabel* conversionTypeLabel_ = nullptr;
    QComboBox* conversionType_ = nullptr;
    QButtonGroup* extensions_ = nullptr;
    QRadioButton* extensionButtons_[3] = {};
    QLabel* outputNameLabel_ = nullptr;
    QLineEdit* outputName_ = nullptr;
    QLabel* outputDirLabel_ = nullptr;
    QComboBox* outputDir_ = nullptr;
    QPushButton* browseOutputDir_ = nullptr;
    QGroupBox* policyGroup_ = nullptr;
    QLabel* policyLabel_ = nullptr;
    QComboBox* policyFile_ = nullptr;
    QPushButton* browsePolicy_ = nullptr;
    QPushButton* resetPolicies_ = nullptr;
    QPushButton* convert_ = nullptr;
    QPushButton* viewResults_ = nullptr;
    QTextBrowser* preview_ = nullptr;
    std::vector<TranslatedText> menuTexts_;
    QAction* toolTipsAction_ = nullptr;
    QAction* statusDialogAction_ = nullptr;
    QAction* autoViewAction_ = nullptr;
    QAction* previewAction_ = nullptr;
    std::vector<QAction*> languageActions_;  // in the order of UiLanguages()
    PropertySheet* sheets_[3] = {};          // by SheetKind, made when first opened

    bool outputNameEdited_ = false;
    bool policiesModified_ = false;
    bool echoToConsole_ = false;  // a run without a window writes its lines on standard error
    QString lastResult_;
};

}  // namespace tabulyst
