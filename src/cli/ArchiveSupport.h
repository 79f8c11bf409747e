#pragma once

#include "archive/Draw.h"

#include <optional>
#include <string>

namespace quintora::cli {

// Reads an archive file named on the command line (a missing one is a failure here, not an
// empty archive). nullopt after reporting the failure.
std::optional<DrawArchive> readArchiveOrReport(const std::string& path);

} // namespace quintora::cli
