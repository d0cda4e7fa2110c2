// The English catalogue. Every text is marked for the translation tools, which read the
// marker macro; without the toolkit the macro is the text itself.
#include "core/message_catalogue.h"

#include <array>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tabulyst {

namespace {

struct Entry {
    int number;
    const char* text;
};

// Only the entries that hold a text; the others stay empty.
constexpr Entry kEntries[] = {
    //: Title of a message box: no input file was chosen
    {1, QT_TRANSLATE_NOOP("MessageCatalogue", "No file selected")},
    //: Message box text: the file needs no new analysis
    {2, QT_TRANSLATE_NOOP("MessageCatalogue", "No analysis necessary")},
    //: Title of the message box about an unusable input or output directory
    {3, QT_TRANSLATE_NOOP("MessageCatalogue", "Directory Error")},
    //: Title of the message box about files that could not be chosen or found
    {4, QT_TRANSLATE_NOOP("MessageCatalogue", "File selection error")},
    //: Title of the message box when no viewer for the results can be found
    {5, QT_TRANSLATE_NOOP("MessageCatalogue", "Failed to auto-detect default browser")},
    //: Title of the message box about a policy file that cannot be read
    {6, QT_TRANSLATE_NOOP("MessageCatalogue", "Policy File Error")},
    //: Title of the message box when a viewer program cannot be started
    {8, QT_TRANSLATE_NOOP("MessageCatalogue", "Error launching browser")},
    //: Title of the message box when a conversion failed
    {9, QT_TRANSLATE_NOOP("MessageCatalogue", "Convert Error")},
    //: Title of the message box when a file cannot be written
    {10, QT_TRANSLATE_NOOP("MessageCatalogue", "Output File Error")},
    //: Title of the question whether to save the changed policies
    {11, QT_TRANSLATE_NOOP("MessageCatalogue", "Save Changes")},
    //: Title of the message box when no input file has been chosen yet
    {12, QT_TRANSLATE_NOOP("MessageCatalogue", "Input File Error")},
    //: Title of the message box when there is no result to view yet
    {13, QT_TRANSLATE_NOOP("MessageCatalogue", "No conversion done yet")},
    //: Caption of the command that returns every policy to its default
    {14, QT_TRANSLATE_NOOP("MessageCatalogue", "Reset to defaults")},
    //: Message box text for a command not yet available
    {15, QT_TRANSLATE_NOOP("MessageCatalogue", "Function still to be added")},
    //: Title of the message box about a file given at start that is not there
    {16, QT_TRANSLATE_NOOP("MessageCatalogue", "File location error")},
    //: Caption of the command that analyses the source file again
    {17, QT_TRANSLATE_NOOP("MessageCatalogue", "Reanalyse source file")},
    //: Caption of the command that reads the policies again
    {18, QT_TRANSLATE_NOOP("MessageCatalogue", "Reload policies")},
    //: Title of the message box about the mail program
    {19, QT_TRANSLATE_NOOP("MessageCatalogue", "Email error")},
    //: Caption of the folder chooser for the output directory (also a tool tip)
    {22, QT_TRANSLATE_NOOP("MessageCatalogue", "Select an output directory.  Must be writable")},
    //: Caption of the folder chooser for the input directory
    {23, QT_TRANSLATE_NOOP("MessageCatalogue", "Select an input directory")},
    //: Title of the message box about a browser that did not answer over DDE
    {24, QT_TRANSLATE_NOOP("MessageCatalogue", "Problems using DDE detected")},
    //: Message box text: DDE viewing is switched off at start; \n starts a new line
    {25, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "Problems detected using DDE last time.\n\rDisabling DDE.  Use "
                           "Settings/Viewers to re-enable")},
    //: Message box text: View Results was asked for before any file was chosen
    {26, QT_TRANSLATE_NOOP("MessageCatalogue", "Must choose a file first")},
    //: Message box text: nothing changed since the last analysis
    {27, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "No analysis needed until policies or files are changed")},
    //: Message box text: the directory of the input files cannot be used
    {28, QT_TRANSLATE_NOOP("MessageCatalogue", "Invalid Input Directory")},
    //: Message box text: the output directory cannot be written; \n starts a new line
    {29, QT_TRANSLATE_NOOP("MessageCatalogue", "Invalid Output Directory.\n\rMust be writable")},
    //: Message box text and status line: nothing matched the file list; xxxxxx is replaced by the
    //: list
    {30, QT_TRANSLATE_NOOP("MessageCatalogue", "No files found \"xxxxxx\"")},
    //: Message box text: no viewer for the results was found
    {31, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "Please use the Settings Menu to locate your browser manually")},
    //: Message box text: the policy file cannot be read; xxxxxx is replaced by its name
    {32, QT_TRANSLATE_NOOP("MessageCatalogue", "Can't find policy file \"xxxxxx\"")},
    //: Message box text: a browser was asked to show nothing
    {45, QT_TRANSLATE_NOOP("MessageCatalogue", "No URL supplied.  Cannot launch browser")},
    //: Message box text: a viewer was asked to show no file
    {46, QT_TRANSLATE_NOOP("MessageCatalogue", "No Filename supplied.  Cannot launch viewer")},
    //: Message box text: a viewer program could not be started; ccc, url and nnn are replaced by
    //: the command, the file and the error number
    {47, QT_TRANSLATE_NOOP("MessageCatalogue", "Command \"ccc url\" failed.\n\r  Error code=nnn")},
    //: Message box text: a conversion failed
    {48, QT_TRANSLATE_NOOP("MessageCatalogue", "Conversion failed")},
    //: Message box text: a file named at start is not there; ffffff is replaced by its name
    {49, QT_TRANSLATE_NOOP("MessageCatalogue", "Unable to locate file \"ffffff\"")},
    //: Message box text: no file name was given
    {50, QT_TRANSLATE_NOOP("MessageCatalogue", "Must choose a file name")},
    //: Text of the question asked on closing when the policies were changed
    {51, QT_TRANSLATE_NOOP("MessageCatalogue", "Save changes made to your policy?")},
    //: Message box text: View Results was asked for before any conversion
    {52, QT_TRANSLATE_NOOP("MessageCatalogue", "Must convert a file first")},
    //: Status text when a step is finished
    {53, QT_TRANSLATE_NOOP("MessageCatalogue", "Done")},
    //: Message box text shown by test releases
    {54, QT_TRANSLATE_NOOP("MessageCatalogue", "This is a beta release of this software")},
    //: Message box text: a program or file named in the settings is not there; hhhhhh is replaced
    //: by its name
    {55, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "Can't find requested file \"hhhhhh\"  Change via the Settings Menu")},
    //: Status text when a step is finished
    {56, QT_TRANSLATE_NOOP("MessageCatalogue", "Done")},
    //: Status text when a step is finished
    {57, QT_TRANSLATE_NOOP("MessageCatalogue", "Done")},
    //: Message box text: no mail program was found
    {58, QT_TRANSLATE_NOOP("MessageCatalogue", "Failed to auto-detect email client")},
    //: Message box text: "Other delimited data file" was chosen without a delimiter
    {59, QT_TRANSLATE_NOOP("MessageCatalogue", "Need to specify a delimiter character")},
    //: First entry of the list of link definitions
    {60, QT_TRANSLATE_NOOP("MessageCatalogue", "-- Add new link definition --")},
    //: Prompt in the text to match of a new link definition
    {61,
     QT_TRANSLATE_NOOP("MessageCatalogue", "** enter text to be matched in source document **")},
    //: Prompt in the text shown by a new link definition
    {62,
     QT_TRANSLATE_NOOP("MessageCatalogue", "** enter text to be displayed in the hyperlink **")},
    //: Prompt in the address of a new link definition
    {63, QT_TRANSLATE_NOOP("MessageCatalogue", "** enter the hyperlink's URL **")},
    //: Entry of the alignment lists: the program decides the alignment
    {64, QT_TRANSLATE_NOOP("MessageCatalogue", "Auto-Detect")},
    //: Entry of the alignment lists
    {65, QT_TRANSLATE_NOOP("MessageCatalogue", "Left")},
    //: Entry of the alignment lists
    {66, QT_TRANSLATE_NOOP("MessageCatalogue", "Right")},
    //: Entry of the alignment lists (centred)
    {67, QT_TRANSLATE_NOOP("MessageCatalogue", "Center")},
    //: Entry of the alignment lists (justified on both sides)
    {68, QT_TRANSLATE_NOOP("MessageCatalogue", "Justified")},
    //: Status and log line: the log file cannot be opened; ffffff is replaced by its name
    {69, QT_TRANSLATE_NOOP("MessageCatalogue", "*** Failed to open log file : ffffff ***")},
    //: Status and log line after the one above; ffffff is replaced by the other log file's name
    {70, QT_TRANSLATE_NOOP("MessageCatalogue", "    Opening ffffff instead")},
    //: Status and log line that ends every run
    {71, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "%%%%%%%%%%%%%%%%%%% Conversion complete %%%%%%%%%%%%%%%%%%")},
    //: Filter of a file chooser: name (patterns)|patterns|..., translate only the names
    {85, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "Cascading style sheets (*.css)|*.css|All files (*.*)|*.*||")},
    //: Filter of the file chooser for the files to convert: name (patterns)|patterns|..., translate
    //: only the names
    {86, QT_TRANSLATE_NOOP(
             "MessageCatalogue",
             "Text files (*.txt,*.asc)|*.txt;*.asc|Comma separated files (*.csv)|*.csv|All "
             "files (*.*)|*.*||")},
    //: Filter of the file choosers for policy files: name (patterns)|patterns|..., translate only
    //: the names
    {87, QT_TRANSLATE_NOOP("MessageCatalogue", "Policy files (*.pol)|*.pol|All files (*.*)|*.*|")},
    //: Filter of the file chooser for the HTML documentation: name (patterns)|patterns|...,
    //: translate only the names
    {88, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "HTML files (*.htm,*.html)|*.htm;*.html|All files (*.*)|*.*|")},
    //: Filter of the file chooser for a viewer program: name (patterns)|patterns|..., translate
    //: only the names
    {89, QT_TRANSLATE_NOOP("MessageCatalogue", "Program files (*.exe)|*.exe|All files (*.*)|*.*|")},
    //: Filter of a file chooser for images: name (patterns)|patterns|..., translate only the names
    {90, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "Image files (*.jpg,*.gif)|*.jpg;*.gif|All files (*.*)|*.*|")},
    //: Filter of a file chooser for log files: name (patterns)|patterns|..., translate only the
    //: names
    {91, QT_TRANSLATE_NOOP("MessageCatalogue", "Log files (*.log)|*.log|All files (*.*)|*.*|")},
    //: Filter of a file chooser for language files: name (patterns)|patterns|..., translate only
    //: the names
    {92,
     QT_TRANSLATE_NOOP("MessageCatalogue", "Language files (*.lng)|*.lng|All files (*.*)|*.*|")},
    //: Filter of a file chooser for styles files: name (patterns)|patterns|..., translate only the
    //: names
    {93, QT_TRANSLATE_NOOP("MessageCatalogue", "Style files (*.sty)|*.sty|All files (*.*)|*.*|")},
    //: Entry of the "Input file type" list of the main window
    {95, QT_TRANSLATE_NOOP("MessageCatalogue", "Plain text file")},
    //: Entry of the "Input file type" list of the main window
    {96, QT_TRANSLATE_NOOP("MessageCatalogue", "Tab delimited data file")},
    //: Entry of the "Input file type" list of the main window
    {97, QT_TRANSLATE_NOOP("MessageCatalogue", "Comma delimited data file")},
    //: Entry of the "Input file type" list of the main window
    {98, QT_TRANSLATE_NOOP("MessageCatalogue", "Other delimited data file")},
    //: Entry of the "Conversion Type" list of the main window
    {100, QT_TRANSLATE_NOOP("MessageCatalogue", "Output HTML to file(s)")},
    //: Entry of a conversion type list (not offered by this program)
    {101, QT_TRANSLATE_NOOP("MessageCatalogue", "Output HTML as a set of FRAMES")},
    //: Entry of the "Conversion Type" list of the main window
    {102, QT_TRANSLATE_NOOP("MessageCatalogue", "Output HTML to the clipboard")},
    //: Entry of a conversion type list (not offered by this program)
    {103, QT_TRANSLATE_NOOP("MessageCatalogue", "Output Windows Help source file")},
    //: Entry of the "Conversion Type" list of the main window
    {104, QT_TRANSLATE_NOOP("MessageCatalogue", "Output RTF to file")},
    //: Entry of a conversion type list (not offered by this program)
    {105, QT_TRANSLATE_NOOP("MessageCatalogue", "Output text to file(s)")},
    //: Entry of a conversion type list (not offered by this program)
    {106, QT_TRANSLATE_NOOP("MessageCatalogue", "Output text to the clipboard")},
    //: Entry of a conversion type list (not offered by this program)
    {107, QT_TRANSLATE_NOOP("MessageCatalogue", "Output PDF to file")},
    //: Title of the message box: "Other delimited data file" was chosen without a delimiter
    {108, QT_TRANSLATE_NOOP("MessageCatalogue", "No delimiter character specified")},
};

// The entries laid out by number, so that a look-up is one index.
constexpr std::array<const char*, kMessageCount> BuildTable() {
    std::array<const char*, kMessageCount> table{};
    for (const char*& text : table) text = "";
    for (const Entry& entry : kEntries) table[static_cast<size_t>(entry.number)] = entry.text;
    return table;
}

constexpr std::array<const char*, kMessageCount> kTable = BuildTable();

}  // namespace

std::string_view MessageText(int entry) {
    if (entry < 0 || entry >= kMessageCount) return {};
    return kTable[static_cast<size_t>(entry)];
}

std::string_view MessageText(MessageId entry) { return MessageText(static_cast<int>(entry)); }

}  // namespace tabulyst
