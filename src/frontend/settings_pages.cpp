#include "frontend/settings_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "frontend/settings.h"

namespace tabulyst {

namespace {

// The five message classes: the box's setting name and the policy it shows the inverse of.
constexpr const char* kSuppressPolicies[] = {
    "Suppress INFO messages",          "Suppress WARNING messages", "Suppress TAG ERROR messages",
    "Suppress program ERROR messages", "Suppress URL messages",
};

// The DDE services the browser detection knows.
const char* const kDdeServices[] = {"IExplore", "NETSCAPE", "Mozilla", "Opera"};

QPushButton* BrowseButton(const char* name) { return Named(new QPushButton, name); }

// A file name edit with its "Browse..." button to the right.
QHBoxLayout* FileRow(QLineEdit* edit, QPushButton* browse) {
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(browse);
    return row;
}

}  // namespace

void BrowseInto(QLineEdit* edit, const UserDialogs& dialogs, const QString& caption,
                MessageId filter) {
    const QString chosen = dialogs.openFile(edit, caption, QFileInfo(edit->text()).path(),
                                            ChooserFilter(CatalogueText(filter)));
    if (chosen.isEmpty()) return;
    edit->setText(chosen);
    emit edit->textEdited(chosen);
}

MessagesPage::MessagesPage(const SheetContext& context, QWidget* parent)
    : SheetPage(context, parent),
      levelLabel_(new QLabel),
      level_(Named(new QSlider(Qt::Horizontal), "Error reporting level")),
      low_(new QLabel),
      high_(new QLabel) {
    level_->setRange(0, 10);
    level_->setPageStep(1);
    level_->setTickPosition(QSlider::TicksBelow);
    levelLabel_->setBuddy(level_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(levelLabel_);
    auto* ends = new QGridLayout;
    ends->addWidget(level_, 0, 0, 1, 2);
    ends->addWidget(low_, 1, 0, Qt::AlignLeft);
    ends->addWidget(high_, 1, 1, Qt::AlignRight);
    layout->addLayout(ends);
    BindSlider(level_, PolicySource(context.session, level_->objectName()));
    for (int i = 0; i < 5; ++i) {
        show_[i] = Named(new QCheckBox, kSuppressPolicies[i]);
        layout->addWidget(show_[i]);
        BindCheck(show_[i], Inverted(PolicySource(context.session, show_[i]->objectName())));
    }
    layout->addStretch();
    RetranslateUi();
}

void MessagesPage::RetranslateUi() {
    //: Label of a slider on the "Messages" page
    levelLabel_->setText(tr("Error reporting level"));
    //: Left end of the slider "Error reporting level"
    low_->setText(tr("Low"));
    //: Right end of the slider "Error reporting level"
    high_->setText(tr("High"));
    //: Tool tip of the slider "Error reporting level"
    level_->setToolTip(tr("How many messages are shown: low shows only the most important"));
    const char* const texts[] = {
        //: Check box on the "Messages" page
        QT_TR_NOOP("Show INFO messages"),
        //: Check box on the "Messages" page
        QT_TR_NOOP("Show WARNING messages"),
        //: Check box on the "Messages" page
        QT_TR_NOOP("Show TAG ERROR messages"),
        //: Check box on the "Messages" page
        QT_TR_NOOP("Show PROGRAM ERROR messages"),
        //: Check box on the "Messages" page
        QT_TR_NOOP("Show URL messages"),
    };
    const char* const tips[] = {
        //: Tool tip of "Show INFO messages"
        QT_TR_NOOP("Show the messages that begin with \"INFO:\""),
        //: Tool tip of "Show WARNING messages"
        QT_TR_NOOP("Show the messages that begin with \"WARNING:\""),
        //: Tool tip of "Show TAG ERROR messages"
        QT_TR_NOOP("Show the messages that begin with \"TAG ERROR:\""),
        //: Tool tip of "Show PROGRAM ERROR messages"
        QT_TR_NOOP("Show the messages that begin with \"PROGRAM ERROR:\""),
        //: Tool tip of "Show URL messages"
        QT_TR_NOOP("Show the messages that begin with \"URL:\""),
    };
    for (int i = 0; i < 5; ++i) {
        show_[i]->setText(tr(texts[i]));
        show_[i]->setToolTip(tr(tips[i]));
    }
}

ViewersPage::ViewersPage(const SheetContext& context, QWidget* parent)
    : SheetPage(context, parent),
      autoView_(Named(new QCheckBox, "AutoDDEUpdates")),
      htmlLabel_(new QLabel),
      htmlCommand_(Named(new QLineEdit, "BrowserCommand")),
      htmlBrowse_(BrowseButton("browseBrowserCommand")),
      useDde_(Named(new QCheckBox, "UseDDEToViewHTML")),
      ddeLabel_(new QLabel),
      ddeService_(Named(new QComboBox, "DDEServerName")),
      urlPrefix_(Named(new QCheckBox, "AddURLPrefix")),
      rtfLabel_(new QLabel),
      rtfCommand_(Named(new QLineEdit, "ViewRTFCommand")),
      rtfBrowse_(BrowseButton("browseViewRTFCommand")) {
    ddeService_->setEditable(true);
    ddeService_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* service : kDdeServices) ddeService_->addItem(QLatin1String(service));
    htmlLabel_->setBuddy(htmlCommand_);
    ddeLabel_->setBuddy(ddeService_);
    rtfLabel_->setBuddy(rtfCommand_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(autoView_);
    layout->addWidget(htmlLabel_);
    layout->addLayout(FileRow(htmlCommand_, htmlBrowse_));
    layout->addWidget(useDde_);
    auto* ddeRow = new QHBoxLayout;
    ddeRow->addWidget(ddeLabel_);
    ddeRow->addWidget(ddeService_, 1);
    layout->addLayout(ddeRow);
    layout->addWidget(urlPrefix_);
    layout->addWidget(rtfLabel_);
    layout->addLayout(FileRow(rtfCommand_, rtfBrowse_));
    layout->addStretch();

    Settings& s = context.settings;
    BindCheck(autoView_, SettingSource(s.autoView));
    BindLine(htmlCommand_, SettingSource(s.browserCommand));
    BindCheck(useDde_, SettingSource(s.useDdeToViewHtml));
    BindEditableList(ddeService_, SettingSource(s.ddeServerName));
    BindCheck(urlPrefix_, SettingSource(s.addUrlPrefix));
    BindLine(rtfCommand_, SettingSource(s.viewRtfCommand));
    for (auto [button, edit] : {std::pair{htmlBrowse_, htmlCommand_}, {rtfBrowse_, rtfCommand_}})
        connect(button, &QPushButton::clicked, this, [this, edit = edit] {
            //: Caption of the file chooser for a viewer program ("Viewers" page)
            BrowseInto(edit, Context().dialogs, tr("Select the viewer program"),
                       MessageId::ProgramFileFilter);
        });
    RetranslateUi();
}

void ViewersPage::RetranslateUi() {
    //: Check box on the "Viewers" page
    autoView_->setText(tr("Automatically view results after each conversion"));
    //: Tool tip of "Automatically view results after each conversion"
    autoView_->setToolTip(tr("Open each result in its viewer as soon as it is written"));
    //: Label of a text edit on the "Viewers" page
    htmlLabel_->setText(tr("Command used to view .HTML results"));
    //: Tool tip of "Command used to view .HTML results"
    htmlCommand_->setToolTip(
        tr("The browser program, with any arguments; empty: the desktop's browser"));
    //: Check box on the "Viewers" page
    useDde_->setText(tr("Use DDE to view results"));
    //: Tool tip of "Use DDE to view results"
    useDde_->setToolTip(tr("Ask a running browser to show the result rather than starting one"));
    //: Label of a list on the "Viewers" page
    ddeLabel_->setText(tr("DDE service name"));
    //: Tool tip of "DDE service name"
    ddeService_->setToolTip(tr("The name under which the browser answers DDE requests"));
    //: Check box on the "Viewers" page
    urlPrefix_->setText(tr("Add \"file://localhost/\" prefix to URLs"));
    //: Tool tip of "Add "file://localhost/" prefix to URLs"
    urlPrefix_->setToolTip(
        tr("Hand the viewer the result as a file://localhost/ address instead of a path"));
    //: Label of a text edit on the "Viewers" page
    rtfLabel_->setText(tr("Command used to view .RTF results"));
    //: Tool tip of "Command used to view .RTF results"
    rtfCommand_->setToolTip(
        tr("The word processor or viewer program for RTF results; empty: the desktop's"));
    for (QPushButton* button : {htmlBrowse_, rtfBrowse_}) {
        //: Button beside a file name on the property pages
        button->setText(tr("Browse..."));
        //: Tool tip of "Browse..." beside a viewer command
        button->setToolTip(tr("Choose the viewer program"));
    }
}

DragAndDropPage::DragAndDropPage(const SheetContext& context, QWidget* parent)
    : SheetPage(context, parent),
      showStatus_(Named(new QCheckBox, "DragAndDrop/ViewStatusWindow")),
      viewResults_(Named(new QCheckBox, "DragAndDrop/ViewResults")),
      startProgram_(Named(new QCheckBox, "DragAndDrop/StartProgram")) {
    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {showStatus_, viewResults_, startProgram_}) layout->addWidget(box);
    layout->addStretch();
    Settings& s = context.settings;
    BindCheck(showStatus_, SettingSource(s.dropViewStatusWindow));
    BindCheck(viewResults_, SettingSource(s.dropViewResults));
    BindCheck(startProgram_, SettingSource(s.dropStartProgram));
    RetranslateUi();
}

void DragAndDropPage::RetranslateUi() {
    //: Check box on the "Drag'n'Drop" page
    showStatus_->setText(tr("Show the status screen during the conversion(s)"));
    //: Tool tip of "Show the status screen during the conversion(s)"
    showStatus_->setToolTip(
        tr("Show the messages while files dropped on the program are converted"));
    //: Check box on the "Drag'n'Drop" page
    viewResults_->setText(tr("View results in browser once conversion is complete"));
    //: Tool tip of "View results in browser once conversion is complete"
    viewResults_->setToolTip(tr("Open the result of dropped files in its viewer"));
    //: Check box on the "Drag'n'Drop" page
    startProgram_->setText(tr("Start program after conversion complete"));
    //: Tool tip of "Start program after conversion complete"
    startProgram_->setToolTip(
        tr("After converting files given at start, show the main window for more work"));
}

PolicyFilesPage::PolicyFilesPage(const SheetContext& context, QWidget* parent)
    : SheetPage(context, parent),
      used_(Named(new QCheckBox, "DefaultPolicy/Used")),
      file_(Named(new QLineEdit, "DefaultPolicy/File")),
      browse_(BrowseButton("browseDefaultPolicy")),
      alwaysReload_(Named(new QCheckBox, "DefaultPolicy/AlwaysReload")) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(used_);
    layout->addLayout(FileRow(file_, browse_));
    layout->addWidget(alwaysReload_);
    layout->addStretch();
    Settings& s = context.settings;
    BindCheck(used_, SettingSource(s.defaultPolicyUsed));
    BindLine(file_, SettingSource(s.defaultPolicyFile));
    BindCheck(alwaysReload_, SettingSource(s.defaultPolicyAlwaysReload));
    connect(used_, &QCheckBox::toggled, this, &PolicyFilesPage::UpdateEnabling);
    connect(browse_, &QPushButton::clicked, this, [this] {
        //: Caption of the file chooser for the default policy file ("Policy files" page)
        BrowseInto(file_, Context().dialogs, tr("Select the default policy file"),
                   MessageId::PolicyFileFilter);
    });
    RetranslateUi();
}

void PolicyFilesPage::UpdateEnabling() {
    file_->setEnabled(used_->isChecked());
    browse_->setEnabled(used_->isChecked());
}

void PolicyFilesPage::RetranslateUi() {
    //: Check box on the "Policy files" page
    used_->setText(tr("Use a default policy file"));
    //: Tool tip of "Use a default policy file"
    used_->setToolTip(tr("Load this policy file for every conversion"));
    //: Tool tip of the default policy file's name
    file_->setToolTip(tr("The default policy file"));
    //: Button beside a file name on the property pages
    browse_->setText(tr("Browse..."));
    //: Tool tip of "Browse..." beside the default policy file
    browse_->setToolTip(tr("Choose the default policy file"));
    //: Check box on the "Policy files" page
    alwaysReload_->setText(
        tr("Always reload policy file during conversion (slower, but picks up any changes)"));
    //: Tool tip of "Always reload policy file during conversion ..."
    alwaysReload_->setToolTip(tr("Read the policy file again before every conversion"));
}

DocumentationPage::DocumentationPage(const SheetContext& context, QWidget* parent)
    : SheetPage(context, parent),
      label_(new QLabel),
      location_(Named(new QLineEdit, "HTMLDoco")),
      browse_(BrowseButton("browseHTMLDoco")) {
    label_->setBuddy(location_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addLayout(FileRow(location_, browse_));
    layout->addStretch();
    BindLine(location_, SettingSource(context.settings.htmlDoco));
    connect(browse_, &QPushButton::clicked, this, [this] {
        //: Caption of the file chooser for the documentation ("Documentation" page)
        BrowseInto(location_, Context().dialogs, tr("Select the HTML documentation"),
                   MessageId::HtmlFileFilter);
    });
    RetranslateUi();
}

void DocumentationPage::RetranslateUi() {
    //: Label of a text edit on the "Documentation" page
    label_->setText(tr("Location of HTML documentation on this machine"));
    //: Tool tip of "Location of HTML documentation on this machine"
    location_->setToolTip(tr("The page Help > Contents opens; empty: the README"));
    //: Button beside a file name on the property pages
    browse_->setText(tr("Browse..."));
    //: Tool tip of "Browse..." beside the documentation
    browse_->setToolTip(tr("Choose the documentation's first page"));
}

}  // namespace tabulyst
