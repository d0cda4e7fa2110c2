// The main window's commands: choosing files, converting, viewing, policy files, drag
// and drop, closing, and the start-up with files.
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QUrl>
#include <iostream>

#include "frontend/catalogue_text.h"
#include "frontend/file_list_text.h"
#include "frontend/main_window.h"
#include "frontend/status_window.h"
#include "frontend/version.h"

namespace tabulyst {

namespace {

// Larger results are not shown in the preview: laying them out would stall the window.
constexpr qint64 kPreviewLimit = 2 * 1024 * 1024;

bool UsableInputDirectory(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

bool WritableDirectory(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.isDir() && info.isWritable();
}

// The README shipped beside the program, else the one of the source tree it was built from.
QString ReadmePath() {
    const QString installed =
        QCoreApplication::applicationDirPath() + QLatin1String("/../share/doc/tabulyst/README.md");
    if (QFileInfo::exists(installed)) return QFileInfo(installed).absoluteFilePath();
    return QStringLiteral(TABULYST_SOURCE_README);
}

// Browsers read a colour of six hexadecimal digits without its "#"; the preview's
// renderer does not, and would paint such rows black.
QString ForPreview(QString html) {
    static const QRegularExpression bareColour(QStringLiteral("(COLOR=\"?)([0-9A-Fa-f]{6}\\b)"),
                                               QRegularExpression::CaseInsensitiveOption);
    return html.replace(bareColour, QStringLiteral("\\1#\\2"));
}

}  // namespace

void MainWindow::SetFiles(const QStringList& chosen) {
    QStringList paths;
    QStringList refused;
    // The multi-file form quotes its names, so a name holding a quote cannot join it.
    for (const QString& path : chosen)
        (chosen.size() > 1 && path.contains(QLatin1Char('"')) ? refused : paths) << path;
    for (const QString& path : refused)
        Warn(MessageId::FileSelectionError,
             //: Message box text; %1 is a file name
             tr("\"%1\" holds a double quote and cannot be converted together with other files.")
                 .arg(path));
    if (paths.isEmpty()) return;
    const QString text = FileListText(paths);
    fileList_->setEditText(text);
    settings_.currentDir = InputDirectoryOf(text, settings_.currentDir);
    Remember(settings_.List(MruList::InDir), settings_.currentDir);
    if (outputDir_->currentText().trimmed().isEmpty())
        outputDir_->setEditText(settings_.currentDir);
    outputNameEdited_ = false;
    UpdateOutputName();
    setWindowTitle(WindowTitleFor(text));
}

void MainWindow::BrowseFiles() {
    const QStringList chosen =
        dialogs_.openFiles(this, tr("Select the file(s) you want converted"), settings_.currentDir,
                           ChooserFilter(CatalogueText(MessageId::TextFileFilter)));
    if (!chosen.isEmpty()) SetFiles(chosen);
}

void MainWindow::BrowseOutputDirectory() {
    const QString directory = dialogs_.chooseDirectory(
        this, CatalogueText(MessageId::SelectOutputDirectory), outputDir_->currentText().trimmed());
    if (!directory.isEmpty()) outputDir_->setEditText(directory);
}

bool MainWindow::Convert() { return ConvertWorkflow(false); }

bool MainWindow::ConvertWorkflow(bool dropped) {
    if (fileList_->currentText().trimmed().isEmpty()) {
        BrowseFiles();
        if (fileList_->currentText().trimmed().isEmpty()) return false;
    }
    const QString files =
        AbsoluteListText(fileList_->currentText().trimmed(), settings_.currentDir);
    const QString inputDirectory = InputDirectoryOf(files, settings_.currentDir);
    if (!UsableInputDirectory(inputDirectory)) {
        Warn(MessageId::DirectoryError, CatalogueText(MessageId::InvalidInputDirectory));
        return false;
    }
    const bool toClipboard = CurrentConversionType() == ConversionType::HtmlToClipboard;
    QString outputDirectory = outputDir_->currentText().trimmed();
    if (outputDirectory.isEmpty()) outputDirectory = inputDirectory;
    outputDirectory = QDir(inputDirectory).absoluteFilePath(outputDirectory);
    if (!toClipboard && !WritableDirectory(outputDirectory)) {
        Warn(MessageId::DirectoryError, CatalogueText(MessageId::InvalidOutputDirectory));
        return false;
    }

    RunRequest request;
    request.delimiter = QString();
    if (CurrentInputType() == InputType::OtherDelimited) {
        if (delimiter_->text().isEmpty()) {
            Warn(MessageId::NoDelimiterSpecified, CatalogueText(MessageId::NeedDelimiter));
            delimiter_->setFocus();
            return false;
        }
        // The delimiter shown is the one used, edited or not, so that a tab or comma run
        // in between (which clears it) cannot leave the next run splitting at tabs.
        request.delimiter = delimiter_->text();
    }

    if (!toClipboard) RememberIn(outputDir_, MruList::OutDir, outputDirectory);
    outputDir_->setEditText(outputDirectory);
    RememberIn(fileList_, MruList::Files, fileList_->currentText().trimmed());
    fileList_->setEditText(files);

    request.fileListText = files;
    request.inputType = CurrentInputType();
    request.conversionType = CurrentConversionType();
    request.outputDirectory = outputDirectory;
    request.outputName = outputName_->text().trimmed();
    request.extension = ExtensionText();
    return RunConversion(request, dropped);
}

bool MainWindow::RunConversion(RunRequest request, bool dropped) {
    status_->Clear();
    // Dropped files (on the window or the program) follow their own setting.
    if (dropped ? settings_.dropViewStatusWindow : settings_.displayStatusDialog)
        ShowStatusWindow();
    const QString policy = policyFile_->currentText().trimmed();
    if (settings_.defaultPolicyAlwaysReload && !policy.isEmpty()) session_->LoadPolicies(policy);
    if (settings_.defaultPolicyUsed) request.defaultPolicyFile = settings_.defaultPolicyFile;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RunResult outcome = session_->Run(request);
    QApplication::restoreOverrideCursor();

    const bool toClipboard = request.conversionType == ConversionType::HtmlToClipboard;
    if (outcome.noFiles) {
        const QString listText = request.specifications.isEmpty()
                                     ? request.fileListText
                                     : request.specifications.join(QLatin1Char(' '));
        Warn(MessageId::FileSelectionError,
             FillPlaceholders(CatalogueText(MessageId::NoFilesFound),
                              {{QStringLiteral("xxxxxx"), listText}}));
    } else if (outcome.failed) {
        Warn(MessageId::ConvertError, CatalogueText(MessageId::ConversionFailed));
    }
    if (toClipboard && outcome.converted > 0) PlaceOnClipboard(outcome.clipboardText);
    if (!outcome.lastResult.isEmpty()) lastResult_ = outcome.lastResult;
    RefreshPreview(toClipboard ? outcome.clipboardText : QString());

    const bool succeeded = !outcome.failed && !outcome.noFiles;
    if (succeeded && settings_.autoDismissStatusDialog) status_->hide();
    if (succeeded && !toClipboard && !outcome.lastResult.isEmpty() &&
        (settings_.autoView || (dropped && settings_.dropViewResults)))
        viewer_->View(lastResult_);
    return succeeded;
}

void MainWindow::PlaceOnClipboard(const QString& html) {
    auto* data = new QMimeData;
    data->setText(html);
    data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

void MainWindow::RefreshPreview(const QString& clipboardHtml) {
    if (!preview_->isVisible() && !settings_.showPreview) return;
    if (!clipboardHtml.isEmpty()) return preview_->setHtml(ForPreview(clipboardHtml));
    if (lastResult_.isEmpty()) return preview_->clear();
    if (lastResult_.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive))
        return preview_->setPlainText(
            //: Shown in the preview pane; %1 is the result's path
            tr("The last result is an RTF document:\n%1").arg(lastResult_));
    QFile file(lastResult_);
    if (file.size() > kPreviewLimit || !file.open(QIODevice::ReadOnly))
        return preview_->setPlainText(
            //: Shown in the preview pane; %1 is the result's path
            tr("The last result cannot be previewed:\n%1").arg(lastResult_));
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    preview_->setHtml(
        ForPreview(decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes)));
}

void MainWindow::ViewResults() {
    if (lastResult_.isEmpty()) {
        if (!fileList_->currentText().trimmed().isEmpty())
            Warn(MessageId::NoConversionDoneYet, CatalogueText(MessageId::MustConvertFirst));
        else
            Warn(MessageId::InputFileError, CatalogueText(MessageId::MustChooseFileFirst));
        Convert();
        if (lastResult_.isEmpty()) return;
    }
    viewer_->View(lastResult_);
}

void MainWindow::DropFiles(const QStringList& paths) {
    if (paths.isEmpty()) return;
    SetFiles(paths);
    if (fileList_->currentText().trimmed().isEmpty()) return;
    ConvertWorkflow(true);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    event->acceptProposedAction();
    DropFiles(paths);
}

void MainWindow::ShowStatusWindow() {
    status_->show();
    status_->raise();
}

void MainWindow::ToggleStatusWindow() {
    if (status_->isVisible())
        status_->hide();
    else
        ShowStatusWindow();
}

void MainWindow::ChoosePolicyFile() {
    const QString path = dialogs_.openFile(
        //: Caption of the file chooser of File > Load policy file...
        this, tr("Load policy file"), QFileInfo(policyFile_->currentText()).path(),
        ChooserFilter(CatalogueText(MessageId::PolicyFileFilter)));
    if (path.isEmpty()) return;
    policyFile_->setEditText(path);
    LoadPolicyFile(path);
}

void MainWindow::LoadPolicyFile(const QString& path) {
    if (path.isEmpty()) return;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        Warn(MessageId::PolicyFileError,
             FillPlaceholders(CatalogueText(MessageId::CantFindPolicyFile),
                              {{QStringLiteral("xxxxxx"), path}}));
        return;
    }
    status_->Clear();
    const bool clean = session_->LoadPolicies(info.absoluteFilePath());
    policiesModified_ = false;
    RememberIn(policyFile_, MruList::Policy, info.absoluteFilePath());
    policyFile_->setEditText(info.absoluteFilePath());
    // The messages say which lines were ignored.
    if (!clean) ShowStatusWindow();
}

void MainWindow::ResetPolicies() {
    if (session_->PoliciesStated()) policiesModified_ = true;
    session_->ResetPolicies();
}

bool MainWindow::SavePolicyFile() {
    //: Caption of the file chooser of File > Save policy file...
    QString path = dialogs_.saveFile(this, tr("Save policy file"),
                                     QFileInfo(policyFile_->currentText()).path(),
                                     ChooserFilter(CatalogueText(MessageId::PolicyFileFilter)));
    if (path.isEmpty()) return false;
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
        path += QLatin1String(".pol");
        // The chooser asked about the name typed, not about this one.
        if (QFileInfo::exists(path) &&
            dialogs_.ask(this, CatalogueText(MessageId::SaveChanges),
                         //: Question before a policy file is replaced; %1 is its name
                         tr("\"%1\" exists. Replace it?").arg(path)) != Answer::Yes)
            return false;
    }
    const int choice = dialogs_.choose(
        //: Question of File > Save policy file..., answered with one of the two buttons below
        this, CatalogueText(MessageId::SaveChanges), tr("Which policies shall the file hold?"),
        //: Answer button of "Which policies shall the file hold?"
        {tr("Save changed policies only (recommended)"),
         //: Answer button of "Which policies shall the file hold?"
         tr("Save all policies to file (only ever use this to get a sample file)")});
    if (choice < 0) return false;
    if (!session_->SavePolicies(path, choice == 1)) {
        //: Message box text; %1 is the policy file's name
        Warn(MessageId::OutputFileError, tr("Cannot write the policy file \"%1\".").arg(path));
        return false;
    }
    policiesModified_ = false;
    RememberIn(policyFile_, MruList::Policy, path);
    return true;
}

void MainWindow::ShowHelpContents() {
    if (!settings_.htmlDoco.isEmpty())
        viewer_->View(settings_.htmlDoco);
    else
        viewer_->ViewText(ReadmePath());
}

void MainWindow::ShowAbout() {
    //: Title of the About box (Help > About...)
    dialogs_.inform(this, tr("About Tabulyst"),
                    //: Text of the About box; %1 is the version
                    tr("Tabulyst %1\n\nTurns tables laid out in plain text and delimited data into "
                       "HTML and RTF "
                       "documents.")
                        .arg(QStringLiteral(TABULYST_VERSION)));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (policiesModified_) {
        const Answer answer = dialogs_.ask(this, CatalogueText(MessageId::SaveChanges),
                                           CatalogueText(MessageId::SaveChangesToPolicy));
        if (answer == Answer::Cancel || (answer == Answer::Yes && !SavePolicyFile())) {
            event->ignore();
            return;
        }
    }
    SaveSettingsNow();
    status_->close();
    event->accept();
}

StartupDecision MainWindow::StartWith(const QStringList& parameters) {
    const bool interactive = InteractiveDisplay();
    echoToConsole_ = !interactive;
    const StartParameters start = session_->ReadStartParameters(parameters);
    if (start.version) {
        std::cout << "Tabulyst " << TABULYST_VERSION << std::endl;
        return {false, 0};
    }
    for (const QString& path : start.unmatched)
        Warn(MessageId::FileLocationError,
             FillPlaceholders(CatalogueText(MessageId::UnableToLocateFile),
                              {{QStringLiteral("ffffff"), path}}));
    if (start.steeringFiles > 0)
        //: Message box text: a parameter beginning with "@" names a steering file
        Warn(MessageId::FileSelectionError, tr("Steering files not yet supported"));

    if (start.files.isEmpty() && start.unmatched.isEmpty()) {
        if (settings_.useDdeToViewHtml && !settings_.ddeWorking) {
            settings_.useDdeToViewHtml = false;
            Warn(MessageId::ProblemsUsingDde, CatalogueText(MessageId::DdeDisabled));
        }
        return {interactive, 0};
    }

    bool failed = true;
    if (!start.files.isEmpty()) {
        QStringList absolute;
        for (const QString& file : start.files) absolute << QFileInfo(file).absoluteFilePath();
        inputType_->setCurrentIndex(static_cast<int>(start.inputType));
        conversionType_->setCurrentIndex(static_cast<int>(start.conversionType));
        SetFiles(absolute);
        outputDir_->setEditText(start.outputDirectory.isEmpty()
                                    ? settings_.currentDir
                                    : QFileInfo(start.outputDirectory).absoluteFilePath());
        RunRequest request;
        request.specifications = start.files;
        request.inputType = start.inputType;
        request.conversionType = start.conversionType;
        // As on the command line, a file that was not found fails the run too.
        failed = !RunConversion(request, true) || !start.unmatched.isEmpty();
        session_->ForgetStartOptions();
    } else {
        Warn(MessageId::ConvertError, CatalogueText(MessageId::ConversionFailed));
    }
    return {interactive && (failed || settings_.dropStartProgram), failed ? 1 : 0};
}

}  // namespace tabulyst
