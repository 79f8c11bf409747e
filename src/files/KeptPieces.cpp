#include "files/KeptPieces.h"

#include <algorithm>

namespace quintora {

void KeptPieces::add(std::vector<std::uint8_t> normal, std::span<const std::uint8_t> found) {
    pieces_.push_back({std::move(normal), {found.begin(), found.end()}});
}

std::span<const std::uint8_t> KeptPieces::choose(std::size_t index,
                                                 std::span<const std::uint8_t> normal) const {
    if (index >= pieces_.size() || !std::ranges::equal(pieces_[index].normal, normal)) {
        return normal;
    }
    return pieces_[index].found;
}

} // namespace quintora
