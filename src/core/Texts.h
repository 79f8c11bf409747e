#pragma once

#include "core/TextId.h"

#include <span>
#include <string_view>

// The named entries of the language files: text::DrawsAdded and the like.
namespace quintora::text {

#define QUINTORA_TEXT(name, number) inline constexpr TextId name{number};
#include "core/TextList.inc"
#undef QUINTORA_TEXT

struct NamedText {
    std::string_view name;
    TextId id;
};

// Every named entry, in the list's order.
std::span<const NamedText> allNamedTexts();

} // namespace quintora::text
