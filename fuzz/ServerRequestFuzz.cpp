// Any bytes as what a client sends the server, in pieces as they might arrive, and as the
// value of a Range field. A head is decided the same way however it is cut; a request that
// goes on reaches the library as a whole head with at most one range, and that range, like
// any range the server accepts, covers bytes of the file alone.
#include "server/ByteRange.h"
#include "server/RequestHead.h"
#include "server/RequestScreen.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

using namespace quintora;

void checkRange(std::string_view value) {
    const auto range = ByteRange::parse(value);
    if (!range) {
        return;
    }
    const auto again = ByteRange::parse(range->text());
    if (!again || again->text() != range->text()) {
        std::abort();
    }
    for (const std::uint64_t size : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{33405},
                                     std::numeric_limits<std::uint64_t>::max()}) {
        const auto slice = range->within(size);
        if (slice &&
            (slice->length == 0 || slice->offset >= size || slice->length > size - slice->offset)) {
            std::abort();
        }
    }
}

void checkForwarded(const std::string& head) {
    constexpr std::string_view End = "\r\n\r\n";
    if (head.size() < End.size() || head.compare(head.size() - End.size(), End.size(), End) != 0 ||
        head.find(End) != head.size() - End.size()) {
        std::abort();
    }
    const auto range = head.find("\r\nRange: ");
    if (range != std::string::npos) {
        const auto from = range + 9;
        const auto value = std::string_view(head).substr(from, head.find("\r\n", from) - from);
        if (head.find("\r\nRange: ", from) != std::string::npos || !ByteRange::parse(value) ||
            ByteRange::parse(value)->text() != value) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkRange(bytes);
    if (bytes.empty()) {
        return 0;
    }
    // The first byte tells how the rest arrives: in pieces of that many bytes (0: whole).
    const std::size_t piece = static_cast<unsigned char>(bytes.front());
    const auto sent = bytes.substr(1);

    RequestHead whole(MaxRequestHeadBytes, MaxRequestHeadLines);
    whole.add(sent);
    RequestHead pieces(MaxRequestHeadBytes, MaxRequestHeadLines);
    for (std::size_t at = 0; at < sent.size(); at += piece == 0 ? sent.size() : piece) {
        pieces.add(sent.substr(at, piece == 0 ? sent.npos : piece));
    }
    if (pieces.state() != whole.state() ||
        (whole.state() == RequestHead::State::Complete &&
         whole.received().compare(0, pieces.received().size(), pieces.received()) != 0)) {
        std::abort();
    }
    if (whole.state() == RequestHead::State::Complete) {
        const auto screened = screenRequest(whole.received());
        if (screened.refusal.empty() == screened.head.empty()) {
            std::abort();
        }
        if (screened.refusal.empty()) {
            checkForwarded(screened.head);
        }
    }
    return 0;
}
