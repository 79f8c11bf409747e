#pragma once

#include <string>
#include <string_view>

namespace quintora {

// What becomes of a complete request head before a worker answers it.
struct ScreenedRequest {
    // The status to refuse with ("413 Payload Too Large", "416 Range Not Satisfiable",
    // "400 Bad Request"); empty when the request goes on.
    std::string refusal;
    // The head the HTTP library reads: the request line and the checked Range field alone.
    // The server reads no other field, and the library takes lines of 8 KiB at most and
    // parses ranges without bounds, so the rest of what a client sent never reaches it.
    std::string head;
};

// Screens `received` (a head as RequestHead completed it, maybe followed by more bytes): a
// request that announces a body, asks for more than one range, or has a malformed field line
// is refused.
ScreenedRequest screenRequest(std::string_view received);

} // namespace quintora
