#include "archive/Draw.h"

namespace quintora {

namespace {

constexpr std::size_t FirstCapacity = 2000;

} // namespace

std::optional<Message> drawProblem(const Draw& draw) {
    if (!isRealDay(draw.date)) {
        return Message{text::InvalidDate, {draw.dateText()}};
    }
    NumberSet seen;
    for (const int n : draw.numbers) {
        if (!isMainNumber(n)) {
            return Message{text::ArchiveNumberOutOfRange, {std::to_string(n), "50"}};
        }
        if (seen.contains(n)) {
            return Message{text::ArchiveNumberRepeated, {std::to_string(n)}};
        }
        seen.insert(n);
    }
    seen = {};
    for (const int e : draw.euro) {
        if (e < 1 || e > DrawnEuroMax) {
            return Message{text::ArchiveEuroOutOfRange,
                           {std::to_string(e), std::to_string(DrawnEuroMax)}};
        }
        if (seen.contains(e)) {
            return Message{text::ArchiveEuroRepeated, {std::to_string(e)}};
        }
        seen.insert(e);
    }
    return std::nullopt;
}

NumberSet mainNumbersOf(const Draw& draw) {
    return numbersOf(draw.numbers);
}

NumberSet eurosOf(std::span<const std::uint8_t, EuroNumbersPerSystem> euro) {
    NumberSet euros;
    for (const int e : euro) {
        if (e >= 1 && e <= DrawnEuroMax) {
            euros.insert(e);
        }
    }
    return euros;
}

void appendDraw(std::vector<Draw>& draws, Draw draw) {
    if (draws.capacity() < FirstCapacity) {
        draws.reserve(FirstCapacity);
    } else if (draws.size() == draws.capacity()) {
        draws.reserve(2 * draws.capacity());
    }
    draws.push_back(std::move(draw));
}

void finishDraws(std::vector<Draw>& draws) {
    draws.shrink_to_fit();
}

} // namespace quintora
