#pragma once

#include "files/BinaryIo.h"
#include "files/KeptPieces.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace quintora {

// Writes a file piece by piece: each piece the program's way, or the file's own bytes where
// the kept pieces hold them for the same meaning. A recording writer writes nothing and
// collects the program's bytes of each piece instead: what a reader keeps beside the file's.
class PieceWriter {
public:
    PieceWriter(ByteWriter& out, const KeptPieces* kept)
        : out_(&out)
        , kept_(kept) {}
    explicit PieceWriter(std::vector<std::vector<std::uint8_t>>& record)
        : record_(&record) {}

    // One piece, which `write` writes into the ByteWriter it is given.
    template <typename Write> void piece(Write&& write) {
        ByteWriter w;
        std::forward<Write>(write)(w);
        std::vector<std::uint8_t> bytes = w.take();
        if (record_ != nullptr) {
            record_->push_back(std::move(bytes));
        } else if (kept_ != nullptr) {
            out_->bytes(kept_->choose(index_, bytes));
        } else {
            out_->bytes(bytes);
        }
        ++index_;
    }
    // Bytes that always follow the state (a table of columns): written as they are, never
    // recorded.
    template <typename Write> void plain(Write&& write) {
        if (out_ != nullptr) {
            std::forward<Write>(write)(*out_);
        }
    }

private:
    ByteWriter* out_ = nullptr;
    const KeptPieces* kept_ = nullptr;
    std::vector<std::vector<std::uint8_t>>* record_ = nullptr;
    std::size_t index_ = 0;
};

} // namespace quintora
