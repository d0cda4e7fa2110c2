#include "input/source_blocks.h"

#include <algorithm>

namespace tabulyst {

std::string_view BlockDirectiveName(std::string_view prefix, std::string_view line) {
    std::string_view keyword;
    if (RecogniseDirective(prefix, line, &keyword) == DirectiveCode::None) return {};
    if (prefix.empty()) prefix = kDefaultDirectivePrefix;
    std::string_view rest = line.substr(prefix.size() + keyword.size());
    const size_t start = rest.find_first_not_of(" \t");
    if (start == std::string_view::npos) return {};
    rest.remove_prefix(start);
    return rest.substr(0, rest.find_first_of(" \t"));
}

BlockDirectiveFault SourceBlocks::Take(const SourceLine& line, std::string_view prefix) {
    using D = DirectiveCode;
    if (ignoring_) {
        // The reader ends an ignored section with the first END_IGNORE; nothing in it counts.
        if (line.directive == D::EndIgnore && line.kind != LineKind::Ignored) ignoring_ = false;
        return BlockDirectiveFault::None;
    }
    if (defining_) {
        // Every line up to the END_BLOCK that the reader ends the section with is content.
        if (line.kind != LineKind::Ignored) {
            defining_ = false;
            if (!open_.name.empty()) {
                Remove(open_.name);
                blocks_.push_back(std::move(open_));
            }
            open_ = Block{};
            return BlockDirectiveFault::None;
        }
        if (line.directive == D::DefineBlock || line.directive == D::ResetBlock)
            return BlockDirectiveFault::Recursive;
        if (full_) return BlockDirectiveFault::None;
        openBytes_ += line.Raw().size() + 1;
        if (openBytes_ > kMostBlockBytes) {
            full_ = true;
            return BlockDirectiveFault::TooLong;
        }
        open_.lines.emplace_back(line.Raw());
        return BlockDirectiveFault::None;
    }
    switch (line.directive) {
        case D::DefineBlock: {
            defining_ = true;
            openedAt_ = line.lineNumber;
            openBytes_ = 0;
            full_ = false;
            open_ = Block{};
            open_.name.assign(BlockDirectiveName(prefix, line.text));
            return open_.name.empty() ? BlockDirectiveFault::FailedToParse
                                      : BlockDirectiveFault::None;
        }
        case D::ResetBlock:
        case D::DefineVariable: {
            const std::string_view name = BlockDirectiveName(prefix, line.text);
            if (name.empty()) return BlockDirectiveFault::FailedToParse;
            if (line.directive == D::ResetBlock) Remove(name);
            return BlockDirectiveFault::None;
        }
        case D::EndBlock:
            return BlockDirectiveFault::EndNotExpected;
        case D::BeginIgnore:
            ignoring_ = line.kind != LineKind::Ignored;
            return BlockDirectiveFault::None;
        default:
            return BlockDirectiveFault::None;
    }
}

const std::vector<std::string>* SourceBlocks::Find(std::string_view name) const {
    for (const Block& block : blocks_)
        if (block.name == name) return &block.lines;
    return nullptr;
}

void SourceBlocks::Remove(std::string_view name) {
    blocks_.erase(std::remove_if(blocks_.begin(), blocks_.end(),
                                 [&](const Block& block) { return block.name == name; }),
                  blocks_.end());
}

}  // namespace tabulyst
