#pragma once

#include <string>
#include <string_view>

namespace quintora {

// The running program's version: major, minor and revision in plain decimal joined by ".".
std::string localVersionText();

// The first line of a downloaded version file, without its line break (shown as received).
std::string firstLine(std::string_view text);

// Part-wise numeric comparison, position by position over the local parts: the value of a
// part is its leading number (0 when it has none); the first differing part decides. A
// remote text with fewer parts than the local one cannot be compared past its last part.
enum class VersionVerdict {
    Current,      // all local parts equal, or the local version is newer
    RemoteNewer,  // the server has a newer version
    NotComparable // the remote text ran out of parts first
};
VersionVerdict compareVersions(std::string_view local, std::string_view remote);

// The message of the not-comparable case, in the program's standard error form.
std::string versionCheckErrorText();

} // namespace quintora
