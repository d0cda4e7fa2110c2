// Blocks of text the source defines, from "DEFINE_BLOCK name" (or DEFINE_HTML_FRAGMENT) to
// END_BLOCK: markup that the document writes where it names them (HTML_HEADER after the
// BODY line, HTML_FOOTER before its end, HEAD_SCRIPT in the HEAD).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input/source_line.h"

namespace tabulyst {

// What is wrong with a line as a block directive.
enum class BlockDirectiveFault : uint8_t {
    None,
    FailedToParse,   // no name where one is needed
    Recursive,       // a definition or reset inside a definition
    EndNotExpected,  // END_BLOCK with no definition open
    TooLong,         // the definition outgrows kMostBlockBytes: the rest is left out
};

// The most text a block keeps: a definition never ended must not take the whole file
// into memory.
inline constexpr size_t kMostBlockBytes = 1 << 20;

class SourceBlocks {
  public:
    // Follows one line as the source reader delivered it (`prefix`: the directive prefix
    // in force), keeping the lines of each definition; says what is wrong with the line.
    BlockDirectiveFault Take(const SourceLine& line, std::string_view prefix);
    // The lines of the block of that name (the last definition counts); null when the
    // source defines none.
    const std::vector<std::string>* Find(std::string_view name) const;
    // The number of the line that opened a definition still open (the end of the source
    // came first), else 0.
    int UnendedDefinition() const { return defining_ ? openedAt_ : 0; }
    // The name of the block being defined (empty outside a definition).
    const std::string& DefiningName() const { return open_.name; }

  private:
    struct Block {
        std::string name;
        std::vector<std::string> lines;
    };
    void Remove(std::string_view name);

    std::vector<Block> blocks_;
    Block open_;
    bool defining_ = false;
    int openedAt_ = 0;
    size_t openBytes_ = 0;   // the text the open definition keeps
    bool full_ = false;      // the open definition keeps no more
    bool ignoring_ = false;  // inside BEGIN_IGNORE ... END_IGNORE
};

// The name a block directive line gives: the first word after its keyword; empty when none.
std::string_view BlockDirectiveName(std::string_view prefix, std::string_view line);

}  // namespace tabulyst
