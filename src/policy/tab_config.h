// The table policies in force for one table, and the layout columns a directive gave.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "core/text_string.h"
#include "policy/fonts.h"
#include "policy/policy.h"

namespace tabulyst {

// Alignment codes shared by cells, columns, tables, directives and the front end.
enum Align : int {
    kAlignNone = 0,
    kAlignLeft = 1,
    kAlignCentre = 2,
    kAlignRight = 3,
    kAlignJustify = 4
};
enum VAlign : int { kVAlignNone = 0, kVAlignTop = 1, kVAlignBottom = 2, kVAlignCentre = 3 };

// One column of a TABLE_LAYOUT.
struct ColumnSpec {
    bool parsed = false;
    int first = 0;  // the column's last character position, 0-based (stored twice)
    int last = 0;
    int align = kAlignLeft;
    int valign = kVAlignNone;
    bool hidden = false;
    TextString font, headFont, cellClass, headClass;
    int width = 0;  // tagged tables: column width in characters
    int gutter = 0;
    int indent = 0;
};

// The 28 table policies of one table, in configuration order, plus its layout.
class TabConfig {
  public:
    TabConfig();
    TabConfig(const TabConfig& other);
    TabConfig& operator=(const TabConfig& other);

    // The record of a table policy (its catalogue row must carry a table index).
    Policy& Record(P id);
    const Policy& Record(P id) const;
    Policy& RecordAt(int tableIndex) { return *records_[tableIndex]; }
    const Policy& RecordAt(int tableIndex) const { return *records_[tableIndex]; }

    int Value(P id) const;
    bool Flag(P id) const { return Value(id) != 0; }
    const TextString& Text(P id) const;
    bool IsSet(P id) const { return Record(id).IsSet(); }
    void SetValue(P id, int value, bool markSet = true);
    void SetText(P id, std::string_view text, bool markSet = true);
    void Reset();

    std::vector<ColumnSpec> columnSpecs;  // from "Default table layout" / TABLE_LAYOUT
    bool autoCentre = false;              // raised when the table is found indented
    FontSpec tableFont;                   // copied from the document's table font

  private:
    std::array<std::unique_ptr<Policy>, kTablePolicyCount> records_;
};

}  // namespace tabulyst
