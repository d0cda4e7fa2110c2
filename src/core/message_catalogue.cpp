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
    {1, QT_TRANSLATE_NOOP("MessageCatalogue", "No file selected")},
    {2, QT_TRANSLATE_NOOP("MessageCatalogue", "No analysis necessary")},
    {3, QT_TRANSLATE_NOOP("MessageCatalogue", "Directory Error")},
    {4, QT_TRANSLATE_NOOP("MessageCatalogue", "File selection error")},
    {5, QT_TRANSLATE_NOOP("MessageCatalogue", "Failed to auto-detect default browser")},
    {6, QT_TRANSLATE_NOOP("MessageCatalogue", "Policy File Error")},
    {8, QT_TRANSLATE_NOOP("MessageCatalogue", "Error launching browser")},
    {9, QT_TRANSLATE_NOOP("MessageCatalogue", "Convert Error")},
    {10, QT_TRANSLATE_NOOP("MessageCatalogue", "Output File Error")},
    {11, QT_TRANSLATE_NOOP("MessageCatalogue", "Save Changes")},
    {12, QT_TRANSLATE_NOOP("MessageCatalogue", "Input File Error")},
    {13, QT_TRANSLATE_NOOP("MessageCatalogue", "No conversion done yet")},
    {14, QT_TRANSLATE_NOOP("MessageCatalogue", "Reset to defaults")},
    {15, QT_TRANSLATE_NOOP("MessageCatalogue", "Function still to be added")},
    {16, QT_TRANSLATE_NOOP("MessageCatalogue", "File location error")},
    {17, QT_TRANSLATE_NOOP("MessageCatalogue", "Reanalyse source file")},
    {18, QT_TRANSLATE_NOOP("MessageCatalogue", "Reload policies")},
    {19, QT_TRANSLATE_NOOP("MessageCatalogue", "Email error")},
    {22, QT_TRANSLATE_NOOP("MessageCatalogue", "Select an output directory.  Must be writable")},
    {23, QT_TRANSLATE_NOOP("MessageCatalogue", "Select an input directory")},
    {24, QT_TRANSLATE_NOOP("MessageCatalogue", "Problems using DDE detected")},
    {25, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "Problems detected using DDE last time.\n\rDisabling DDE.  Use "
                           "Settings/Viewers to re-enable")},
    {26, QT_TRANSLATE_NOOP("MessageCatalogue", "Must choose a file first")},
    {27, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "No analysis needed until policies or files are changed")},
    {28, QT_TRANSLATE_NOOP("MessageCatalogue", "Invalid Input Directory")},
    {29, QT_TRANSLATE_NOOP("MessageCatalogue", "Invalid Output Directory.\n\rMust be writable")},
    {30, QT_TRANSLATE_NOOP("MessageCatalogue", "No files found \"xxxxxx\"")},
    {31, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "Please use the Settings Menu to locate your browser manually")},
    {32, QT_TRANSLATE_NOOP("MessageCatalogue", "Can't find policy file \"xxxxxx\"")},
    {45, QT_TRANSLATE_NOOP("MessageCatalogue", "No URL supplied.  Cannot launch browser")},
    {46, QT_TRANSLATE_NOOP("MessageCatalogue", "No Filename supplied.  Cannot launch viewer")},
    {47, QT_TRANSLATE_NOOP("MessageCatalogue", "Command \"ccc url\" failed.\n\r  Error code=nnn")},
    {48, QT_TRANSLATE_NOOP("MessageCatalogue", "Conversion failed")},
    {49, QT_TRANSLATE_NOOP("MessageCatalogue", "Unable to locate file \"ffffff\"")},
    {50, QT_TRANSLATE_NOOP("MessageCatalogue", "Must choose a file name")},
    {51, QT_TRANSLATE_NOOP("MessageCatalogue", "Save changes made to your policy?")},
    {52, QT_TRANSLATE_NOOP("MessageCatalogue", "Must convert a file first")},
    {53, QT_TRANSLATE_NOOP("MessageCatalogue", "Done")},
    {54, QT_TRANSLATE_NOOP("MessageCatalogue", "This is a beta release of this software")},
    {55, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "Can't find requested file \"hhhhhh\"  Change via the Settings Menu")},
    {56, QT_TRANSLATE_NOOP("MessageCatalogue", "Done")},
    {57, QT_TRANSLATE_NOOP("MessageCatalogue", "Done")},
    {58, QT_TRANSLATE_NOOP("MessageCatalogue", "Failed to auto-detect email client")},
    {59, QT_TRANSLATE_NOOP("MessageCatalogue", "Need to specify a delimiter character")},
    {60, QT_TRANSLATE_NOOP("MessageCatalogue", "-- Add new link definition --")},
    {61,
     QT_TRANSLATE_NOOP("MessageCatalogue", "** enter text to be matched in source document **")},
    {62,
     QT_TRANSLATE_NOOP("MessageCatalogue", "** enter text to be displayed in the hyperlink **")},
    {63, QT_TRANSLATE_NOOP("MessageCatalogue", "** enter the hyperlink's URL **")},
    {64, QT_TRANSLATE_NOOP("MessageCatalogue", "Auto-Detect")},
    {65, QT_TRANSLATE_NOOP("MessageCatalogue", "Left")},
    {66, QT_TRANSLATE_NOOP("MessageCatalogue", "Right")},
    {67, QT_TRANSLATE_NOOP("MessageCatalogue", "Center")},
    {68, QT_TRANSLATE_NOOP("MessageCatalogue", "Justified")},
    {69, QT_TRANSLATE_NOOP("MessageCatalogue", "*** Failed to open log file : ffffff ***")},
    {70, QT_TRANSLATE_NOOP("MessageCatalogue", "    Opening ffffff instead")},
    {71, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "%%%%%%%%%%%%%%%%%%% Conversion complete %%%%%%%%%%%%%%%%%%")},
    {85, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "Cascading style sheets (*.css)|*.css|All files (*.*)|*.*||")},
    {86, QT_TRANSLATE_NOOP(
             "MessageCatalogue",
             "Text files (*.txt,*.asc)|*.txt;*.asc|Comma separated files (*.csv)|*.csv|All "
             "files (*.*)|*.*||")},
    {87, QT_TRANSLATE_NOOP("MessageCatalogue", "Policy files (*.pol)|*.pol|All files (*.*)|*.*|")},
    {88, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "HTML files (*.htm,*.html)|*.htm;*.html|All files (*.*)|*.*|")},
    {89, QT_TRANSLATE_NOOP("MessageCatalogue", "Program files (*.exe)|*.exe|All files (*.*)|*.*|")},
    {90, QT_TRANSLATE_NOOP("MessageCatalogue",
                           "Image files (*.jpg,*.gif)|*.jpg;*.gif|All files (*.*)|*.*|")},
    {91, QT_TRANSLATE_NOOP("MessageCatalogue", "Log files (*.log)|*.log|All files (*.*)|*.*|")},
    {92,
     QT_TRANSLATE_NOOP("MessageCatalogue", "Language files (*.lng)|*.lng|All files (*.*)|*.*|")},
    {93, QT_TRANSLATE_NOOP("MessageCatalogue", "Style files (*.sty)|*.sty|All files (*.*)|*.*|")},
    {95, QT_TRANSLATE_NOOP("MessageCatalogue", "Plain text file")},
    {96, QT_TRANSLATE_NOOP("MessageCatalogue", "Tab delimited data file")},
    {97, QT_TRANSLATE_NOOP("MessageCatalogue", "Comma delimited data file")},
    {98, QT_TRANSLATE_NOOP("MessageCatalogue", "Other delimited data file")},
    {100, QT_TRANSLATE_NOOP("MessageCatalogue", "Output HTML to file(s)")},
    {101, QT_TRANSLATE_NOOP("MessageCatalogue", "Output HTML as a set of FRAMES")},
    {102, QT_TRANSLATE_NOOP("MessageCatalogue", "Output HTML to the clipboard")},
    {103, QT_TRANSLATE_NOOP("MessageCatalogue", "Output Windows Help source file")},
    {104, QT_TRANSLATE_NOOP("MessageCatalogue", "Output RTF to file")},
    {105, QT_TRANSLATE_NOOP("MessageCatalogue", "Output text to file(s)")},
    {106, QT_TRANSLATE_NOOP("MessageCatalogue", "Output text to the clipboard")},
    {107, QT_TRANSLATE_NOOP("MessageCatalogue", "Output PDF to file")},
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
