#pragma once

#include <optional>
#include <string>

namespace quintora {
class ArchiveDocument;
}

namespace quintora::cli {

// Opens an archive file named on the command line in the document (a missing one is a failure
// here, not an empty archive). False after reporting the failure.
bool openArchiveOrReport(ArchiveDocument& archives, const std::string& path);

// The same for a command that has nothing to say of an archive without a valid draw (an empty
// file, bytes of another kind): refused with a message.
bool openDrawsOrReport(ArchiveDocument& archives, const std::string& path);

} // namespace quintora::cli
