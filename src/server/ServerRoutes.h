#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quintora {

// Which file of the content folder answers a request target (path and query, as received,
// still percent-encoded), relative to that folder: "version.txt", "archivio.txt",
// "matrici/lista.txt", "matrici/NAME", "lingue/NAME". None (404) for any other target, and for
// a target whose decoded path segment or file name holds a separator, a backslash, "..", a
// control character or bad percent-encoding.
std::optional<std::string> contentFileFor(std::string_view target);

// Percent-decoding ("+" as a blank when `plusIsBlank`); none for a broken escape.
std::optional<std::string> percentDecoded(std::string_view text, bool plusIsBlank);

} // namespace quintora
