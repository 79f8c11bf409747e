#include "server/RequestHead.h"

namespace quintora {

RequestHead::RequestHead(std::size_t maxBytes, std::size_t maxLines)
    : maxBytes_(maxBytes)
    , maxLines_(maxLines) {}

RequestHead::State RequestHead::add(std::string_view bytes) {
    if (state_ != State::Incomplete) {
        return state_;
    }
    received_.append(bytes);
    // Only the new bytes are looked at, so a client sending one byte at a time costs no more
    // than one sending all at once.
    while (scanned_ < received_.size() && scanned_ < maxBytes_) {
        if (received_[scanned_++] != '\n') {
            continue;
        }
        const std::size_t length = scanned_ - 1 - lineStart_;
        const bool empty = length == 0 || (length == 1 && received_[lineStart_] == '\r');
        lineStart_ = scanned_;
        if (empty) {
            state_ = State::Complete;
            return state_;
        }
        if (++lines_ > maxLines_) {
            state_ = State::TooLarge;
            return state_;
        }
    }
    if (scanned_ >= maxBytes_) {
        state_ = State::TooLarge;
    }
    return state_;
}

} // namespace quintora
