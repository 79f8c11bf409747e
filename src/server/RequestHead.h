#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace quintora {

// What one connection may cost the server before it is answered. A client has the whole
// deadline for its request line and headers together, however it spaces its bytes.
inline constexpr std::chrono::milliseconds RequestHeadDeadline{5000};
inline constexpr std::size_t MaxRequestHeadBytes = 16 * 1024;
inline constexpr std::size_t MaxRequestHeadLines = 64; // the request line and the fields
// Connections still sending their heads; past this a new one is answered 503 at once.
inline constexpr std::size_t MaxWaitingHeads = 2048;
// Threads that answer requests whose heads are complete. A client that stops reading holds
// one until its send stalls for SendStallLimit, so there are enough for a few such clients
// beside the others.
inline constexpr std::size_t ServerWorkers = 64;
// How long an answer may wait for the client to take more bytes before the connection ends.
inline constexpr std::chrono::milliseconds SendStallLimit{3000};

// The bytes of a request head as they arrive, held to a size and a line count. The head ends
// at the first empty line ("\r\n" or "\n").
class RequestHead {
public:
    enum class State { Incomplete, Complete, TooLarge };

    RequestHead(std::size_t maxBytes, std::size_t maxLines);

    // Takes more received bytes. Bytes after the head's end are kept too: they belong to the
    // request. Once complete or too large, more bytes change nothing.
    State add(std::string_view bytes);
    State state() const { return state_; }
    const std::string& received() const { return received_; }

private:
    std::size_t maxBytes_;
    std::size_t maxLines_;
    std::string received_;
    std::size_t scanned_ = 0;   // bytes looked at for line ends
    std::size_t lineStart_ = 0; // where the line being received starts
    std::size_t lines_ = 0;     // complete lines that are not empty
    State state_ = State::Incomplete;
};

} // namespace quintora
