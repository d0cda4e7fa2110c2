// The character entity references of HTML 4.0: Latin-1, special and symbol sets.
#pragma once

#include <span>
#include <string_view>

namespace tabulyst {

// One entity: its character code and its name (without "&" and ";").
struct Entity {
    int code;
    const char* name;
};

// Every entity, in ascending order of code (252 of them).
std::span<const Entity> Entities();
// The entity name of a character code, or empty when the code has none.
std::string_view EntityName(int code);

}  // namespace tabulyst
