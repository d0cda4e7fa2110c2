// The pages of the three property sheets, and the policies of the generated pages.
#include "frontend/sheet_pages.h"

#include <QtGlobal>

namespace tabulyst {

namespace {

// clang-format off
constexpr PageEntry kPages[] = {
    //: Tab title of a page of the analysis policies sheet
    {PageId::WhatToLookFor, SheetKind::Analysis, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "What to look for")},
    //: Tab title of a page of the analysis policies sheet
    {PageId::Bullets, SheetKind::Analysis, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Bullets")},
    //: Tab title of a page of the analysis policies sheet
    {PageId::ContentsList, SheetKind::Analysis, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Contents List")},
    //: Tab title of a page of the analysis policies sheet
    {PageId::FileStructure, SheetKind::Analysis, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "File structure")},
    //: Tab title of a page of the analysis policies sheet
    {PageId::Headings, SheetKind::Analysis, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Headings")},
    //: Tab title of a page of the analysis policies sheet
    {PageId::Analysis, SheetKind::Analysis, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Analysis")},
    //: Tab title of a page of the analysis policies sheet
    {PageId::PreformattedText, SheetKind::Analysis, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Pre-formatted text")},
    //: Tab title of a page of the analysis policies sheet
    {PageId::TableAnalysis, SheetKind::Analysis, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Table analysis")},
    //: Tab title of a page of the analysis policies sheet
    {PageId::TableLayout, SheetKind::Analysis, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Table layout")},
    //: Tab title of a page of the output policies sheet
    {PageId::DocumentDetails, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Document details")},
    //: Tab title of a page of the output policies sheet
    {PageId::TableGeneration, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Table generation")},
    //: Tab title of a page of the output policies sheet
    {PageId::TableDetails, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Table details")},
    //: Tab title of a page of the output policies sheet
    {PageId::DocumentColours, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Document colours")},
    //: Tab title of a page of the output policies sheet
    {PageId::Hyperlinks, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Hyperlinks")},
    //: Tab title of a page of the output policies sheet
    {PageId::Fonts, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Fonts")},
    //: Tab title of a page of the output policies sheet
    {PageId::DocumentSettings, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Document settings")},
    //: Tab title of a page of the output policies sheet
    {PageId::RtfConfiguration, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "RTF configuration")},
    //: Tab title of a page of the output policies sheet
    {PageId::HtmlMarkup, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "HTML markup")},
    //: Tab title of a page of the output policies sheet
    {PageId::Frames, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Frames")},
    //: Tab title of a page of the output policies sheet
    {PageId::DirectoryPage, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Directory page")},
    //: Tab title of a page of the output policies sheet
    {PageId::Tagging, SheetKind::Output, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Tags and directives")},
    //: Tab title of a page of the program settings sheet
    {PageId::Documentation, SheetKind::Settings, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Documentation")},
    //: Tab title of a page of the program settings sheet
    {PageId::DragAndDrop, SheetKind::Settings, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Drag'n'Drop")},
    //: Tab title of a page of the program settings sheet
    {PageId::Messages, SheetKind::Settings, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Messages")},
    //: Tab title of a page of the program settings sheet
    {PageId::Viewers, SheetKind::Settings, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Viewers")},
    //: Tab title of a page of the program settings sheet
    {PageId::PolicyFiles, SheetKind::Settings, QT_TRANSLATE_NOOP("tabulyst::PropertySheet", "Policy files")},
};

// The policies of the generated pages. Each is labelled with its key; its description is
// the control's tool tip.
constexpr PolicyRow kRows[] = {
    //: Tool tip of the policy "Look for indentation" on the page "What to look for"
    {PageId::WhatToLookFor, "Look for indentation", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Indented lines mark the structure of the document")},
    //: Tool tip of the policy "Look for short lines" on the page "What to look for"
    {PageId::WhatToLookFor, "Look for short lines", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Short lines end paragraphs")},
    //: Tool tip of the policy "Look for bullets" on the page "What to look for"
    {PageId::WhatToLookFor, "Look for bullets", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Look for bulleted and numbered lists")},
    //: Tool tip of the policy "Look for white space" on the page "What to look for"
    {PageId::WhatToLookFor, "Look for white space", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Blank space marks the structure of the document")},
    //: Tool tip of the policy "Look for MAIL and USENET headers" on the page "What to look for"
    {PageId::WhatToLookFor, "Look for MAIL and USENET headers", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Look for the headers of mail and news messages")},
    //: Tool tip of the policy "Look for quoted text" on the page "What to look for"
    {PageId::WhatToLookFor, "Look for quoted text", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Look for quoted passages, such as lines beginning with \">\"")},
    //: Tool tip of the policy "Look for preformatted text" on the page "What to look for"
    {PageId::WhatToLookFor, "Look for preformatted text", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Look for text laid out by hand that must keep its layout")},
    //: Tool tip of the policy "Look for diagrams" on the page "What to look for"
    {PageId::WhatToLookFor, "Look for diagrams", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Look for diagrams drawn with characters")},
    //: Tool tip of the policy "Look for character encodings" on the page "What to look for"
    {PageId::WhatToLookFor, "Look for character encodings", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Look for the character set named in the document")},
    //: Tool tip of the policy "Look for horizontal rulers" on the page "What to look for"
    {PageId::WhatToLookFor, "Look for horizontal rulers", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Lines of dashes or similar characters become horizontal rules")},
    //: Tool tip of the policy "Look for hanging paragraphs" on the page "What to look for"
    {PageId::WhatToLookFor, "Look for hanging paragraphs", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Look for paragraphs whose first line sticks out to the left")},
    //: Tool tip of the policy "Search for definitions" on the page "What to look for"
    {PageId::WhatToLookFor, "Search for definitions", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Look for definition paragraphs (a term followed by its meaning)")},
    //: Tool tip of the policy "Search for emphasis" on the page "What to look for"
    {PageId::WhatToLookFor, "Search for emphasis", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Look for words marked for emphasis, such as *bold* or _underlined_")},
    //: Tool tip of the policy "Expect Numbered bullets" on the page "Bullets"
    {PageId::Bullets, "Expect Numbered bullets", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Lines beginning with a number (1, 2, 3) are list items")},
    //: Tool tip of the policy "Expect alphabetic bullets" on the page "Bullets"
    {PageId::Bullets, "Expect alphabetic bullets", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Lines beginning with a letter (a, b, c) are list items")},
    //: Tool tip of the policy "Expect Roman Numeral bullets" on the page "Bullets"
    {PageId::Bullets, "Expect Roman Numeral bullets", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Lines beginning with a Roman numeral (i, ii, iii) are list items")},
    //: Tool tip of the policy "Recognise '-' as a bullet" on the page "Bullets"
    {PageId::Bullets, "Recognise '-' as a bullet", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A line beginning with \"-\" is a list item")},
    //: Tool tip of the policy "Recognise 'o' as a bullet" on the page "Bullets"
    {PageId::Bullets, "Recognise 'o' as a bullet", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A line beginning with \"o\" is a list item")},
    //: Tool tip of the policy "Expect Contents List" on the page "Contents List"
    {PageId::ContentsList, "Expect Contents List", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The document may hold its own contents list")},
    //: Tool tip of the policy "Use any existing contents list" on the page "Contents List"
    {PageId::ContentsList, "Use any existing contents list", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Turn a contents list found in the document into links")},
    //: Tool tip of the policy "Add contents list" on the page "Contents List"
    {PageId::ContentsList, "Add contents list", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Add a contents list made from the headings")},
    //: Tool tip of the policy "Maximum level to show in contents" on the page "Contents List"
    {PageId::ContentsList, "Maximum level to show in contents", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The deepest heading level listed in the contents (none: all)")},
    //: Tool tip of the policy "Contents style code" on the page "Contents List"
    {PageId::ContentsList, "Contents style code", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How the contents list is laid out (a number)")},
    //: Tool tip of the policy "Add anchors to contents list" on the page "Contents List"
    {PageId::ContentsList, "Add anchors to contents list", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Headings get anchors that the contents list links to")},
    //: Tool tip of the policy "Contents anchors level" on the page "Contents List"
    {PageId::ContentsList, "Contents anchors level", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The deepest heading level that gets an anchor")},
    //: Tool tip of the policy "Hyperlinks on numbers" on the page "Contents List"
    {PageId::ContentsList, "Hyperlinks on numbers", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The links of the contents list sit on the section numbers")},
    //: Tool tip of the policy "Add mail headers to contents list" on the page "Contents List"
    {PageId::ContentsList, "Add mail headers to contents list", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Mail headers found in the document appear in the contents list")},
    //: Tool tip of the policy "Generate external contents file" on the page "Contents List"
    {PageId::ContentsList, "Generate external contents file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Write the contents list to a file of its own")},
    //: Tool tip of the policy "External contents list filename" on the page "Contents List"
    {PageId::ContentsList, "External contents list filename", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The name of that contents file")},
    //: Tool tip of the policy "TAB size" on the page "File structure"
    {PageId::FileStructure, "TAB size", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Tab size (usually 4 or 8).  Can affect table analysis")},
    //: Tool tip of the policy "Lines to ignore at start of file" on the page "File structure"
    {PageId::FileStructure, "Lines to ignore at start of file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Number of lines at the start of the file that are not converted")},
    //: Tool tip of the policy "Lines to ignore at end of file" on the page "File structure"
    {PageId::FileStructure, "Lines to ignore at end of file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Number of lines at the end of the file that are not converted")},
    //: Tool tip of the policy "Input file contains DOS characters" on the page "File structure"
    {PageId::FileStructure, "Input file contains DOS characters", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The file uses the DOS character set")},
    //: Tool tip of the policy "Input file contains Japanese characters" on the page "File structure"
    {PageId::FileStructure, "Input file contains Japanese characters", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The file holds Japanese text")},
    //: Tool tip of the policy "Input file contains PCL codes" on the page "File structure"
    {PageId::FileStructure, "Input file contains PCL codes", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The file holds printer control codes (PCL), which are removed")},
    //: Tool tip of the policy "Input file contains UNICODE characters" on the page "File structure"
    {PageId::FileStructure, "Input file contains UNICODE characters", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The file holds Unicode characters")},
    //: Tool tip of the policy "Input file contains MIME encoding" on the page "File structure"
    {PageId::FileStructure, "Input file contains MIME encoding", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The file is MIME-encoded, as a mail message may be")},
    //: Tool tip of the policy "Quoted fields may span lines" on the page "File structure"
    {PageId::FileStructure, "Quoted fields may span lines", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A quoted comma field may hold line ends, which stay line breaks in its cell")},
    //: Tool tip of the policy "Input file is double spaced" on the page "File structure"
    {PageId::FileStructure, "Input file is double spaced", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Every line of the file is followed by a blank line")},
    //: Tool tip of the policy "Input file has change bars" on the page "File structure"
    {PageId::FileStructure, "Input file has change bars", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Lines carry change bars in the margin")},
    //: Tool tip of the policy "Input file has page markers" on the page "File structure"
    {PageId::FileStructure, "Input file has page markers", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The file holds page headers, footers or form feeds")},
    //: Tool tip of the policy "Page marker size (in lines)" on the page "File structure"
    {PageId::FileStructure, "Page marker size (in lines)", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Number of lines each page marker takes")},
    //: Tool tip of the policy "Input file is a composition unit" on the page "File structure"
    {PageId::FileStructure, "Input file is a composition unit", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The file is one unit of a larger composed document")},
    //: Tool tip of the policy "Expect Numbered Headings" on the page "Headings"
    {PageId::Headings, "Expect Numbered Headings", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Lines beginning with a section number (1.2, 3.4.1) are headings")},
    //: Tool tip of the policy "Expect Underlined Headings" on the page "Headings"
    {PageId::Headings, "Expect Underlined Headings", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Lines underlined with dashes or similar characters are headings")},
    //: Tool tip of the policy "Expect Capitalised Headings" on the page "Headings"
    {PageId::Headings, "Expect Capitalised Headings", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Lines written in capitals are headings")},
    //: Tool tip of the policy "Expect Embedded Headings" on the page "Headings"
    {PageId::Headings, "Expect Embedded Headings", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Headings may begin a paragraph, followed by its text on the same line")},
    //: Tool tip of the policy "Expect Second Word Headings" on the page "Headings"
    {PageId::Headings, "Expect Second Word Headings", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The heading may be the second word of the line")},
    //: Tool tip of the policy "Heading key phrases" on the page "Headings"
    {PageId::Headings, "Heading key phrases", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Words that mark a line as a heading")},
    //: Tool tip of the policy "First Section Number" on the page "Headings"
    {PageId::Headings, "First Section Number", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The number of the first section")},
    //: Tool tip of the policy "Check indentation for consistency" on the page "Headings"
    {PageId::Headings, "Check indentation for consistency", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Headings of one level must have the same indentation")},
    //: Tool tip of the policy "Preserve underlining of headings" on the page "Headings"
    {PageId::Headings, "Preserve underlining of headings", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Keep the underlining under headings")},
    //: Tool tip of the policy "Smallest allowed <Hn> tag" on the page "Headings"
    {PageId::Headings, "Smallest allowed <Hn> tag", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The smallest heading markup used (1 to 6)")},
    //: Tool tip of the policy "Largest allowed <Hn> tag" on the page "Headings"
    {PageId::Headings, "Largest allowed <Hn> tag", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The largest heading markup used (1 to 6)")},
    //: Tool tip of the policy "Suppress <Hn> markup for headings" on the page "Headings"
    {PageId::Headings, "Suppress <Hn> markup for headings", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Headings get no heading markup")},
    //: Tool tip of the policy "Min chapter size" on the page "Headings"
    {PageId::Headings, "Min chapter size", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The fewest lines a chapter must have (none: any)")},
    //: Tool tip of the policy "Number of words to include in filename" on the page "Headings"
    {PageId::Headings, "Number of words to include in filename", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How many words of a heading make the name of a split file")},
    //: Tool tip of the policy "Page Width" on the page "Analysis"
    {PageId::Analysis, "Page Width", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Width of the source text in characters")},
    //: Tool tip of the policy "Text justification" on the page "Analysis"
    {PageId::Analysis, "Text justification", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How ordinary text is aligned")},
    //: Tool tip of the policy "Expect blank lines between paras" on the page "Analysis"
    {PageId::Analysis, "Expect blank lines between paras", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Paragraphs are separated by blank lines")},
    //: Tool tip of the policy "New Paragraph Offset" on the page "Analysis"
    {PageId::Analysis, "New Paragraph Offset", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Indentation that starts a new paragraph (none: not used)")},
    //: Tool tip of the policy "Preserve new paragraph offset" on the page "Analysis"
    {PageId::Analysis, "Preserve new paragraph offset", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Keep that indentation in the output")},
    //: Tool tip of the policy "Keep it simple" on the page "Analysis"
    {PageId::Analysis, "Keep it simple", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Treat the file as simple text without structure; also turns table generation off")},
    //: Tool tip of the policy "Short line length" on the page "Analysis"
    {PageId::Analysis, "Short line length", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Lines shorter than this end a paragraph (none: worked out)")},
    //: Tool tip of the policy "Minimum ruler length" on the page "Analysis"
    {PageId::Analysis, "Minimum ruler length", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The fewest characters that make a horizontal rule (none: any)")},
    //: Tool tip of the policy "Treat each line as a paragraph" on the page "Analysis"
    {PageId::Analysis, "Treat each line as a paragraph", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Every line of the source becomes a paragraph of its own")},
    //: Tool tip of the policy "Preserve line structure" on the page "Analysis"
    {PageId::Analysis, "Preserve line structure", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Keep the line breaks of the source")},
    //: Tool tip of the policy "Ignore multiple blank lines" on the page "Analysis"
    {PageId::Analysis, "Ignore multiple blank lines", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Several blank lines count as one")},
    //: Tool tip of the policy "Allow automatic centring" on the page "Analysis"
    {PageId::Analysis, "Allow automatic centring", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Lines that look centred are centred")},
    //: Tool tip of the policy "Automatic centring tolerance" on the page "Analysis"
    {PageId::Analysis, "Automatic centring tolerance", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How far off centre a centred line may be (none: 2)")},
    //: Tool tip of the policy "Highlight Definition Text" on the page "Analysis"
    {PageId::Analysis, "Highlight Definition Text", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Terms of definition paragraphs are highlighted")},
    //: Tool tip of the policy "Minimum automatic <PRE> size" on the page "Pre-formatted text"
    {PageId::PreformattedText, "Minimum automatic <PRE> size", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The fewest lines a pre-formatted region must have (none: any)")},
    //: Tool tip of the policy "Expect code samples" on the page "Pre-formatted text"
    {PageId::PreformattedText, "Expect code samples", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The document may hold program code, which keeps its layout")},
    //: Tool tip of the policy "Preserve file structure using <PRE>" on the page "Pre-formatted text"
    {PageId::PreformattedText, "Preserve file structure using <PRE>", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Write the whole file as pre-formatted text")},
    //: Tool tip of the policy "Allow definitions inside PRE" on the page "Pre-formatted text"
    {PageId::PreformattedText, "Allow definitions inside PRE", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Definition paragraphs are looked for inside pre-formatted text")},
    //: Tool tip of the policy "Could be blank line separated" on the page "Table layout"
    {PageId::TableLayout, "Could be blank line separated", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Rows of a plain-text table may be separated by blank lines")},
    //: Tool tip of the policy "Column boundaries have zero width" on the page "Table layout"
    {PageId::TableLayout, "Column boundaries have zero width", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Columns may touch, with no blank space between them")},
    //: Tool tip of the policy "Default table layout" on the page "Table layout"
    {PageId::TableLayout, "Default table layout", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The column layout of tables, as in a TABLE_LAYOUT directive: the column count, then the last position of each column")},
    //: Tool tip of the policy "Document Title" on the page "Document details"
    {PageId::DocumentDetails, "Document Title", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The title of the document; [[FILENAME]] stands for the input file's name")},
    //: Tool tip of the policy "Document Description" on the page "Document details"
    {PageId::DocumentDetails, "Document Description", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The description written into the document's meta data")},
    //: Tool tip of the policy "Document Keywords" on the page "Document details"
    {PageId::DocumentDetails, "Document Keywords", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The keywords written into the document's meta data")},
    //: Tool tip of the policy "Use first heading as Title" on the page "Document details"
    {PageId::DocumentDetails, "Use first heading as Title", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The first heading becomes the document's title")},
    //: Tool tip of the policy "Use first line as Title" on the page "Document details"
    {PageId::DocumentDetails, "Use first line as Title", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The first line becomes the document's title")},
    //: Tool tip of the policy "Document Base URL" on the page "Document details"
    {PageId::DocumentDetails, "Document Base URL", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The base address against which the document's links are resolved")},
    //: Tool tip of the policy "Character encoding" on the page "Document details"
    {PageId::DocumentDetails, "Character encoding", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The character set named in the document")},
    //: Tool tip of the policy "Default TABLE header cols" on the page "Table details"
    {PageId::TableDetails, "Default TABLE header cols", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Number of header columns (none: no header columns)")},
    //: Tool tip of the policy "Default TABLE caption" on the page "Table details"
    {PageId::TableDetails, "Default TABLE caption", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The caption of generated tables")},
    //: Tool tip of the policy "Add TABLE WIDTH markup" on the page "Table details"
    {PageId::TableDetails, "Add TABLE WIDTH markup", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Tables and columns get width markup")},
    //: Tool tip of the policy "Use percentage widths in tables" on the page "Table details"
    {PageId::TableDetails, "Use percentage widths in tables", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Widths are written as percentages of the page")},
    //: Tool tip of the policy "Use <CODE>..</CODE> markup" on the page "Table details"
    {PageId::TableDetails, "Use <CODE>..</CODE> markup", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Table text is marked as code")},
    //: Tool tip of the policy "Colour tables with DOT_LEADERS" on the page "Table details"
    {PageId::TableDetails, "Colour tables with DOT_LEADERS", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The table colours also apply to DOT_LEADERS tables")},
    //: Tool tip of the policy "Apply FONT to empty table cells" on the page "Table details"
    {PageId::TableDetails, "Apply FONT to empty table cells", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Empty table cells get font markup too")},
    //: Tool tip of the policy "Text Colour" on the page "Document colours"
    {PageId::DocumentColours, "Text Colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The colour of the text")},
    //: Tool tip of the policy "Background Colour" on the page "Document colours"
    {PageId::DocumentColours, "Background Colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The background colour of the document")},
    //: Tool tip of the policy "Background Image" on the page "Document colours"
    {PageId::DocumentColours, "Background Image", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "An image file shown behind the document")},
    //: Tool tip of the policy "Unvisited Link Colour" on the page "Document colours"
    {PageId::DocumentColours, "Unvisited Link Colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The colour of links not yet followed")},
    //: Tool tip of the policy "Visited Link Colour" on the page "Document colours"
    {PageId::DocumentColours, "Visited Link Colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The colour of links already followed")},
    //: Tool tip of the policy "Active Link Colour" on the page "Document colours"
    {PageId::DocumentColours, "Active Link Colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The colour of a link while it is being clicked")},
    //: Tool tip of the policy "Headings Colour" on the page "Document colours"
    {PageId::DocumentColours, "Headings Colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The colour of headings")},
    //: Tool tip of the policy "Suppress all colour markup" on the page "Document colours"
    {PageId::DocumentColours, "Suppress all colour markup", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Write no colour markup at all")},
    //: Tool tip of the policy "Scope COLOUR tags globally" on the page "Document colours"
    {PageId::DocumentColours, "Scope COLOUR tags globally", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A colour set by a tag holds until it is changed again")},
    //: Tool tip of the policy "Create hyperlinks" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Create hyperlinks", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Addresses found in the text become links")},
    //: Tool tip of the policy "Create mailto links" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Create mailto links", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Mail addresses become links")},
    //: Tool tip of the policy "Create FTP links" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Create FTP links", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "FTP addresses become links")},
    //: Tool tip of the policy "Create NEWS links" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Create NEWS links", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "News group names become links")},
    //: Tool tip of the policy "Create Gopher links" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Create Gopher links", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Gopher addresses become links")},
    //: Tool tip of the policy "Create Telnet links" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Create Telnet links", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Telnet addresses become links")},
    //: Tool tip of the policy "Check domain name syntax" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Check domain name syntax", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Only well-formed domain names become links")},
    //: Tool tip of the policy "Only use known groups" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Only use known groups", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Only the news groups known to the program become links")},
    //: Tool tip of the policy "Only allow explicit FTP links" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Only allow explicit FTP links", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Only addresses beginning with ftp:// become FTP links")},
    //: Tool tip of the policy "Allow email beginning with numbers" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Allow email beginning with numbers", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Mail addresses may begin with a digit")},
    //: Tool tip of the policy "Open links in new browser window" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Open links in new browser window", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Links open in another browser window")},
    //: Tool tip of the policy "New browser window name" on the page "Hyperlinks"
    {PageId::Hyperlinks, "New browser window name", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The name of that browser window")},
    //: Tool tip of the policy "Add <BR> to lines with URLs" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Add <BR> to lines with URLs", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A line holding an address ends with a line break")},
    //: Tool tip of the policy "Cross-refs at level" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Cross-refs at level", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The deepest heading level that section references link to (none: no links)")},
    //: Tool tip of the policy "Link Dictionary file" on the page "Hyperlinks"
    {PageId::Hyperlinks, "Link Dictionary file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A file of link definitions: texts that become links")},
    //: Tool tip of the policy "Default font" on the page "Fonts"
    {PageId::Fonts, "Default font", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The font of ordinary text")},
    //: Tool tip of the policy "Table font" on the page "Fonts"
    {PageId::Fonts, "Table font", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The font of table text")},
    //: Tool tip of the policy "Fixed font" on the page "Fonts"
    {PageId::Fonts, "Fixed font", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The fixed-pitch font, for pre-formatted text")},
    //: Tool tip of the policy "Heading font" on the page "Fonts"
    {PageId::Fonts, "Heading font", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The font of headings")},
    //: Tool tip of the policy "Table of Contents font" on the page "Fonts"
    {PageId::Fonts, "Table of Contents font", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The font of the contents list")},
    //: Tool tip of the policy "Base FONT Size in pts" on the page "Fonts"
    {PageId::Fonts, "Base FONT Size in pts", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The base font size in points")},
    //: Tool tip of the policy "Delta FONT size in pts" on the page "Fonts"
    {PageId::Fonts, "Delta FONT size in pts", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A change of every font size, in points")},
    //: Tool tip of the policy "Font stretch factor (in percent)" on the page "Fonts"
    {PageId::Fonts, "Font stretch factor (in percent)", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How much wider or narrower the text is laid out, in percent")},
    //: Tool tip of the policy "Use CSS to implement fonts" on the page "Fonts"
    {PageId::Fonts, "Use CSS to implement fonts", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Fonts are expressed in style sheets rather than font markup")},
    //: Tool tip of the policy "Add FONT markup" on the page "Fonts"
    {PageId::Fonts, "Add FONT markup", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Write font markup")},
    //: Tool tip of the policy "Add FONT size markup" on the page "Fonts"
    {PageId::Fonts, "Add FONT size markup", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Font markup states the size")},
    //: Tool tip of the policy "Add FONT style markup" on the page "Fonts"
    {PageId::Fonts, "Add FONT style markup", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Font markup states the style")},
    //: Tool tip of the policy "Add FONT face markup" on the page "Fonts"
    {PageId::Fonts, "Add FONT face markup", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Font markup states the face")},
    //: Tool tip of the policy "Scope for font tags" on the page "Fonts"
    {PageId::Fonts, "Scope for font tags", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How far font markup reaches (a number)")},
    //: Tool tip of the policy "Suppress all font markup" on the page "Fonts"
    {PageId::Fonts, "Suppress all font markup", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Write no font markup at all")},
    //: Tool tip of the policy "Style file" on the page "Fonts"
    {PageId::Fonts, "Style file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A styles file that defines named fonts")},
    //: Tool tip of the policy "HTML version to be targeted" on the page "Document settings"
    {PageId::DocumentSettings, "HTML version to be targeted", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The HTML version the documents are written in")},
    //: Tool tip of the policy "Output file extension" on the page "Document settings"
    {PageId::DocumentSettings, "Output file extension", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The extension of output files, unless one of the choices below decides it")},
    //: Tool tip of the policy "Use .HTM extension" on the page "Document settings"
    {PageId::DocumentSettings, "Use .HTM extension", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Output files end in \".htm\"")},
    //: Tool tip of the policy "Use DOS filenames" on the page "Document settings"
    {PageId::DocumentSettings, "Use DOS filenames", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Output file names follow DOS rules (8.3) and end in \".HTM\"")},
    //: Tool tip of the policy "DOS filename root" on the page "Document settings"
    {PageId::DocumentSettings, "DOS filename root", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The start of DOS output file names")},
    //: Tool tip of the policy "Omit <HEAD> and <BODY> from output" on the page "Document settings"
    {PageId::DocumentSettings, "Omit <HEAD> and <BODY> from output", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Write only the contents of the body, to be pasted into another document")},
    //: Tool tip of the policy "Minimise HTML file size" on the page "Document settings"
    {PageId::DocumentSettings, "Minimise HTML file size", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Write the smallest output")},
    //: Tool tip of the policy "Break up long HTML lines" on the page "Document settings"
    {PageId::DocumentSettings, "Break up long HTML lines", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Long output lines are broken")},
    //: Tool tip of the policy "HTML header file" on the page "Document settings"
    {PageId::DocumentSettings, "HTML header file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A file whose text is put at the start of the document")},
    //: Tool tip of the policy "HTML footer file" on the page "Document settings"
    {PageId::DocumentSettings, "HTML footer file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A file whose text is put at the end of the document")},
    //: Tool tip of the policy "HTML Script file" on the page "Document settings"
    {PageId::DocumentSettings, "HTML Script file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A file of script for the document's head")},
    //: Tool tip of the policy "HTML fragments file" on the page "Document settings"
    {PageId::DocumentSettings, "HTML fragments file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A file of HTML fragments for the text-document features")},
    //: Tool tip of the policy "Document Style Sheet" on the page "Document settings"
    {PageId::DocumentSettings, "Document Style Sheet", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The style sheet the document refers to")},
    //: Tool tip of the policy "Create embedded style sheet" on the page "Document settings"
    {PageId::DocumentSettings, "Create embedded style sheet", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A style sheet is written into the document itself")},
    //: Tool tip of the policy "Split level" on the page "Document settings"
    {PageId::DocumentSettings, "Split level", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The heading level at which the output is split into several files (none: not split)")},
    //: Tool tip of the policy "Min HTML file size" on the page "Document settings"
    {PageId::DocumentSettings, "Min HTML file size", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The fewest lines a split file must have (none: any)")},
    //: Tool tip of the policy "Add navigation bar" on the page "Document settings"
    {PageId::DocumentSettings, "Add navigation bar", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Split files get links to the previous and next file")},
    //: Tool tip of the policy "Paper size" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Paper size", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The paper size of RTF documents")},
    //: Tool tip of the policy "Use Landscape mode" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Use Landscape mode", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Pages are laid out across")},
    //: Tool tip of the policy "Top margin (in cm)" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Top margin (in cm)", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The top margin in centimetres")},
    //: Tool tip of the policy "Bottom margin (in cm)" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Bottom margin (in cm)", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The bottom margin in centimetres")},
    //: Tool tip of the policy "Left margin (in cm)" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Left margin (in cm)", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The left margin in centimetres")},
    //: Tool tip of the policy "Right margin (in cm)" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Right margin (in cm)", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The right margin in centimetres")},
    //: Tool tip of the policy "Mirror margins" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Mirror margins", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Left and right margins swap on facing pages")},
    //: Tool tip of the policy "Language (for proofing)" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Language (for proofing)", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The language the word processor checks the spelling in")},
    //: Tool tip of the policy "Use of RTF Styles" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Use of RTF Styles", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How RTF styles are used (a number)")},
    //: Tool tip of the policy "First line indentation (in blocks)" on the page "RTF configuration"
    {PageId::RtfConfiguration, "First line indentation (in blocks)", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How far the first line of a paragraph is indented")},
    //: Tool tip of the policy "Make Windows Help source file" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Make Windows Help source file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Write the RTF as the source of a help file")},
    //: Tool tip of the policy "Document Subject" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Document Subject", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The subject stored in the document's information")},
    //: Tool tip of the policy "Document Author" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Document Author", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The author stored in the document's information")},
    //: Tool tip of the policy "Document Manager" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Document Manager", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The manager stored in the document's information")},
    //: Tool tip of the policy "Document Category" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Document Category", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The category stored in the document's information")},
    //: Tool tip of the policy "Document Comments" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Document Comments", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The comments stored in the document's information")},
    //: Tool tip of the policy "Document Company name" on the page "RTF configuration"
    {PageId::RtfConfiguration, "Document Company name", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The company stored in the document's information")},
    //: Tool tip of the policy "Use <P> markup for paragraphs" on the page "HTML markup"
    {PageId::HtmlMarkup, "Use <P> markup for paragraphs", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Paragraphs get paragraph markup")},
    //: Tool tip of the policy "Use <DL> markup for defn. paras" on the page "HTML markup"
    {PageId::HtmlMarkup, "Use <DL> markup for defn. paras", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Definition paragraphs get definition list markup")},
    //: Tool tip of the policy "Use <EM> and <STRONG> markup" on the page "HTML markup"
    {PageId::HtmlMarkup, "Use <EM> and <STRONG> markup", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Emphasis is written as EM and STRONG rather than I and B")},
    //: Tool tip of the policy "Add emphasis and bold markup" on the page "HTML markup"
    {PageId::HtmlMarkup, "Add emphasis and bold markup", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Emphasised words get markup")},
    //: Tool tip of the policy "Label style classes" on the page "HTML markup"
    {PageId::HtmlMarkup, "Label style classes", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Paragraphs are labelled with style classes")},
    //: Tool tip of the policy "Use of Microsoft entities code" on the page "HTML markup"
    {PageId::HtmlMarkup, "Use of Microsoft entities code", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How Windows characters are written (a number)")},
    //: Tool tip of the policy "Use of HTML 4.0 entities code" on the page "HTML markup"
    {PageId::HtmlMarkup, "Use of HTML 4.0 entities code", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How characters outside ASCII are written as HTML 4.0 entities (a number)")},
    //: Tool tip of the policy "Indentation markup code" on the page "HTML markup"
    {PageId::HtmlMarkup, "Indentation markup code", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How indented text is marked up (a number)")},
    //: Tool tip of the policy "Use incremental indentation markup" on the page "HTML markup"
    {PageId::HtmlMarkup, "Use incremental indentation markup", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Each level of indentation adds to the one before")},
    //: Tool tip of the policy "List markup code" on the page "HTML markup"
    {PageId::HtmlMarkup, "List markup code", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How lists are marked up (0 to 2)")},
    //: Tool tip of the policy "CENTER whole document" on the page "HTML markup"
    {PageId::HtmlMarkup, "CENTER whole document", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The whole document is centred")},
    //: Tool tip of the policy "Indent whole document" on the page "HTML markup"
    {PageId::HtmlMarkup, "Indent whole document", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The whole document is indented")},
    //: Tool tip of the policy "Place document in frames" on the page "Frames"
    {PageId::Frames, "Place document in frames", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The document is shown in a set of frames")},
    //: Tool tip of the policy "Output frame name" on the page "Frames"
    {PageId::Frames, "Output frame name", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The name of the frame set file; * stands for the input's name")},
    //: Tool tip of the policy "Header frame depth" on the page "Frames"
    {PageId::Frames, "Header frame depth", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The height of the header frame")},
    //: Tool tip of the policy "Footer frame depth" on the page "Frames"
    {PageId::Frames, "Footer frame depth", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The height of the footer frame")},
    //: Tool tip of the policy "Contents frame width" on the page "Frames"
    {PageId::Frames, "Contents frame width", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The width of the contents frame")},
    //: Tool tip of the policy "Use main header in header frame" on the page "Frames"
    {PageId::Frames, "Use main header in header frame", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The document's header goes into the header frame")},
    //: Tool tip of the policy "Use main footer in footer frame" on the page "Frames"
    {PageId::Frames, "Use main footer in footer frame", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The document's footer goes into the footer frame")},
    //: Tool tip of the policy "Add contents frame if possible" on the page "Frames"
    {PageId::Frames, "Add contents frame if possible", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A frame with the contents list is added")},
    //: Tool tip of the policy "Add frame border" on the page "Frames"
    {PageId::Frames, "Add frame border", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Frames are drawn with borders")},
    //: Tool tip of the policy "Open frame links in new window" on the page "Frames"
    {PageId::Frames, "Open frame links in new window", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Links in the frames open in another window")},
    //: Tool tip of the policy "New frame link window name" on the page "Frames"
    {PageId::Frames, "New frame link window name", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The name of that window")},
    //: Tool tip of the policy "Add NOFRAMES links" on the page "Frames"
    {PageId::Frames, "Add NOFRAMES links", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Browsers without frames get a link to the plain document")},
    //: Tool tip of the policy "NOFRAMES link URL" on the page "Frames"
    {PageId::Frames, "NOFRAMES link URL", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The address of that link")},
    //: Tool tip of the policy "Only allow pages to be viewed in frames" on the page "Frames"
    {PageId::Frames, "Only allow pages to be viewed in frames", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A page opened on its own reloads its frame set")},
    //: Tool tip of the policy "First frame page number" on the page "Frames"
    {PageId::Frames, "First frame page number", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The number of the first frame page")},
    //: Tool tip of the policy "Number of levels in contents frame" on the page "Frames"
    {PageId::Frames, "Number of levels in contents frame", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "How many heading levels the contents frame lists")},
    //: Tool tip of the policy "Header frame background colour" on the page "Frames"
    {PageId::Frames, "Header frame background colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The background colour of the header frame")},
    //: Tool tip of the policy "Header frame text colour" on the page "Frames"
    {PageId::Frames, "Header frame text colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The text colour of the header frame")},
    //: Tool tip of the policy "Contents frame background colour" on the page "Frames"
    {PageId::Frames, "Contents frame background colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The background colour of the contents frame")},
    //: Tool tip of the policy "Contents frame text colour" on the page "Frames"
    {PageId::Frames, "Contents frame text colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The text colour of the contents frame")},
    //: Tool tip of the policy "Footer frame background colour" on the page "Frames"
    {PageId::Frames, "Footer frame background colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The background colour of the footer frame")},
    //: Tool tip of the policy "Footer frame text colour" on the page "Frames"
    {PageId::Frames, "Footer frame text colour", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The text colour of the footer frame")},
    //: Tool tip of the policy "Make Directory" on the page "Directory page"
    {PageId::DirectoryPage, "Make Directory", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Write a directory page that links to every file converted")},
    //: Tool tip of the policy "Directory filename" on the page "Directory page"
    {PageId::DirectoryPage, "Directory filename", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The name of the directory page")},
    //: Tool tip of the policy "Directory Title" on the page "Directory page"
    {PageId::DirectoryPage, "Directory Title", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The title of the directory page")},
    //: Tool tip of the policy "Directory Keywords" on the page "Directory page"
    {PageId::DirectoryPage, "Directory Keywords", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The keywords of the directory page")},
    //: Tool tip of the policy "Directory Description" on the page "Directory page"
    {PageId::DirectoryPage, "Directory Description", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The description of the directory page")},
    //: Tool tip of the policy "Show file Titles in Directory" on the page "Directory page"
    {PageId::DirectoryPage, "Show file Titles in Directory", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The directory lists the titles of the files")},
    //: Tool tip of the policy "Indent headings in Directory" on the page "Directory page"
    {PageId::DirectoryPage, "Indent headings in Directory", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Headings are indented in the directory")},
    //: Tool tip of the policy "Directory return hyperlink text" on the page "Directory page"
    {PageId::DirectoryPage, "Directory return hyperlink text", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The text of the link back to the directory")},
    //: Tool tip of the policy "Directory Script file" on the page "Directory page"
    {PageId::DirectoryPage, "Directory Script file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A file of script for the directory page")},
    //: Tool tip of the policy "Directory header file" on the page "Directory page"
    {PageId::DirectoryPage, "Directory header file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A file whose text starts the directory page")},
    //: Tool tip of the policy "Directory footer file" on the page "Directory page"
    {PageId::DirectoryPage, "Directory footer file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A file whose text ends the directory page")},
    //: Tool tip of the policy "Use Preprocessor" on the page "Tags and directives"
    {PageId::Tagging, "Use Preprocessor", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Directives in the source steer the conversion")},
    //: Tool tip of the policy "Directive delimiter" on the page "Tags and directives"
    {PageId::Tagging, "Directive delimiter", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The characters that begin a directive line")},
    //: Tool tip of the policy "Start tag delimiter" on the page "Tags and directives"
    {PageId::Tagging, "Start tag delimiter", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The characters that open an in-line tag")},
    //: Tool tip of the policy "End tag delimiter" on the page "Tags and directives"
    {PageId::Tagging, "End tag delimiter", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "The characters that close an in-line tag")},
    //: Tool tip of the policy "Show Tags in output" on the page "Tags and directives"
    {PageId::Tagging, "Show Tags in output", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "In-line tags are shown in the output")},
    //: Tool tip of the policy "Avoid Tag breaks" on the page "Tags and directives"
    {PageId::Tagging, "Avoid Tag breaks", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Long lines are not broken inside markup")},
    //: Tool tip of the policy "Remove redundant tags" on the page "Tags and directives"
    {PageId::Tagging, "Remove redundant tags", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Markup that has no effect is removed")},
    //: Tool tip of the policy "Monitor tag generation" on the page "Tags and directives"
    {PageId::Tagging, "Monitor tag generation", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Check that opened markup is closed")},
    //: Tool tip of the policy "Comment generation code" on the page "Tags and directives"
    {PageId::Tagging, "Comment generation code", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "Which comments are written into the output (a number)")},
    //: Tool tip of the policy "Text substitution file" on the page "Tags and directives"
    {PageId::Tagging, "Text substitution file", QT_TRANSLATE_NOOP("tabulyst::GeneratedPage", "A file of text commands that replace texts")},
};
// clang-format on

}  // namespace

std::span<const PageEntry> SheetPages() { return kPages; }

const PageEntry& PageOf(PageId id) {
    for (const PageEntry& page : kPages)
        if (page.id == id) return page;
    return kPages[0];
}

std::span<const PolicyRow> GeneratedRows() { return kRows; }

bool IsGenerated(PageId id) {
    for (const PolicyRow& row : kRows)
        if (row.page == id) return true;
    return false;
}

}  // namespace tabulyst
