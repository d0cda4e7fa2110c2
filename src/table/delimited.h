// Delimited data: splitting a line into its fields and the block's delimiter.
#pragma once

#include <string_view>
#include <vector>

#include "core/text_string.h"
#include "table/table_model.h"

namespace tabulyst {

// Walks the fields of one delimited line from left to right, each character visited once.
// A comma delimiter is quote-aware (a double quote opens a quoted run in which delimiters
// do not separate and a doubled quote stays quoted); every other delimiter splits at each
// occurrence, and a blank also splits at tabs with runs of blanks counting as one.
// An empty line has no field, and a delimiter at the very end adds none.
class FieldSplitter {
  public:
    FieldSplitter(std::string_view line, char delimiter);
    // The next field as it stands in the line (quotes kept); false when none is left.
    bool Next(std::string_view& field);

  private:
    bool IsSeparator(char c) const;

    std::string_view line_;
    size_t next_ = 0;
    char delimiter_;
    bool quoteAware_;
    bool blankMode_;
    bool done_;
};

// The most columns a delimited table has.
constexpr size_t kMostColumns = size_t{1} << 20;
// The number of fields FieldSplitter finds in a line, counted a word of bytes at a time.
size_t CountFields(std::string_view line, char delimiter);
// The text of a field: a quote-aware field enclosed in double quotes loses them and its
// doubled quotes become single ones; every other field is taken as it stands.
void FieldText(std::string_view field, char delimiter, std::string& text);
// Splits one line of a delimited block (as read) into one cell per field, texts as read.
void SplitDelimitedLine(const TableBlock& block, std::string_view raw,
                        std::vector<TableCell>& cells);
// The delimiter of delimited data of this format: the first character of the delimiter
// policy's text when it is not empty, else a comma for comma-delimited data and a tab for
// the others.
char DelimiterFor(TableFormat format, const TextString& chosen);
// The delimiter of a delimited block, by its format and its delimiter policy.
char BlockDelimiter(const TableBlock& block);

}  // namespace tabulyst
