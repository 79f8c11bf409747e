#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quintora {

// The bytes a file held for each piece its writer writes (a field, a group of fields, a
// section), beside the bytes the writer gives that piece for the state as read. A writer that
// gives a piece the same bytes again writes the file's own instead: a file opened and saved
// without a change keeps what the program does not use (spare bits, values read as "on",
// entries behind a count, blocks it reads over), while a piece whose meaning changed is
// written the program's way. The state itself stays typed.
class KeptPieces {
public:
    // Pieces are numbered in the order they are added, which is the writer's order.
    void add(std::vector<std::uint8_t> normal, std::span<const std::uint8_t> found);
    std::size_t size() const { return pieces_.size(); }
    bool empty() const { return pieces_.empty(); }

    // What to write for piece `index`, whose bytes for the state now are `normal`.
    std::span<const std::uint8_t> choose(std::size_t index,
                                         std::span<const std::uint8_t> normal) const;

private:
    struct Piece {
        std::vector<std::uint8_t> normal;
        std::vector<std::uint8_t> found;
    };
    std::vector<Piece> pieces_;
};

} // namespace quintora
