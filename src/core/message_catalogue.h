// The numbered interface texts: message boxes, list entries, chooser filters and a few run
// lines. Kept in English here; the desktop program translates each text when it shows it.
#pragma once

#include <string_view>

namespace tabulyst {

// Number of entries, 0 to 108.
inline constexpr int kMessageCount = 109;
// The translation context every text of the catalogue is marked with.
inline constexpr const char* kMessageCatalogueContext = "MessageCatalogue";

// Entry numbers. Numbers not named here belong to features this program leaves out.
enum class MessageId : int {
    NoFileSelected = 1,
    NoAnalysisNecessary = 2,
    DirectoryError = 3,
    FileSelectionError = 4,
    FailedToAutoDetectBrowser = 5,
    PolicyFileError = 6,
    ErrorLaunchingBrowser = 8,
    ConvertError = 9,
    OutputFileError = 10,
    SaveChanges = 11,
    InputFileError = 12,
    NoConversionDoneYet = 13,
    ResetToDefaults = 14,
    FunctionStillToBeAdded = 15,
    FileLocationError = 16,
    ReanalyseSourceFile = 17,
    ReloadPolicies = 18,
    EmailError = 19,
    SelectOutputDirectory = 22,
    SelectInputDirectory = 23,
    ProblemsUsingDde = 24,
    DdeDisabled = 25,
    MustChooseFileFirst = 26,
    NoAnalysisNeeded = 27,
    InvalidInputDirectory = 28,
    InvalidOutputDirectory = 29,
    NoFilesFound = 30,
    LocateBrowserManually = 31,
    CantFindPolicyFile = 32,
    NoUrlSupplied = 45,
    NoFilenameSupplied = 46,
    CommandFailed = 47,
    ConversionFailed = 48,
    UnableToLocateFile = 49,
    MustChooseFileName = 50,
    SaveChangesToPolicy = 51,
    MustConvertFirst = 52,
    Done = 53,
    BetaRelease = 54,
    CantFindRequestedFile = 55,
    DoneSecond = 56,
    DoneThird = 57,
    FailedToAutoDetectEmail = 58,
    NeedDelimiter = 59,
    AddNewLinkDefinition = 60,
    EnterMatchText = 61,
    EnterLinkText = 62,
    EnterLinkUrl = 63,
    AutoDetect = 64,
    Left = 65,
    Right = 66,
    Center = 67,
    Justified = 68,
    FailedToOpenLog = 69,
    OpeningInstead = 70,
    ConversionComplete = 71,
    StyleSheetFilter = 85,
    TextFileFilter = 86,
    PolicyFileFilter = 87,
    HtmlFileFilter = 88,
    ProgramFileFilter = 89,
    ImageFileFilter = 90,
    LogFileFilter = 91,
    LanguageFileFilter = 92,
    StyleFileFilter = 93,
    PlainTextFile = 95,
    TabDelimitedFile = 96,
    CommaDelimitedFile = 97,
    OtherDelimitedFile = 98,
    OutputHtmlToFiles = 100,
    OutputHtmlFrames = 101,
    OutputHtmlToClipboard = 102,
    OutputHelpSource = 103,
    OutputRtfToFile = 104,
    OutputTextToFiles = 105,
    OutputTextToClipboard = 106,
    OutputPdfToFile = 107,
    NoDelimiterSpecified = 108,
};

// The English text of an entry; empty for an unused entry or a number out of range.
std::string_view MessageText(int entry);
std::string_view MessageText(MessageId entry);

}  // namespace tabulyst
