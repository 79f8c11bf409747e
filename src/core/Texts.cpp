#include "core/Texts.h"

namespace quintora::text {

namespace {

constexpr NamedText Named[] = {
#define QUINTORA_TEXT(name, number) {#name, name},
#include "core/TextList.inc"
#undef QUINTORA_TEXT
};

} // namespace

std::span<const NamedText> allNamedTexts() {
    return Named;
}

} // namespace quintora::text
