#pragma once

#include "core/Result.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// Reads a whole file. Refuses, before opening it, what is not a regular file (a folder, a
// FIFO that would wait for a writer forever, a device), and a file larger than maxBytes.
Result<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::size_t maxBytes);

// Writes bytes to a temporary file in the target's folder and renames it over the target,
// so a failure never leaves a half-written file nor destroys the previous one.
Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
Status writeFileAtomically(const std::string& path, const std::string& text);

// The file name part of a path ("a/b/Nome.qsy" -> "Nome.qsy").
std::string fileNamePart(const std::string& path);
// ASCII lower case, as the status bar shows file names.
std::string lowerCase(std::string text);

} // namespace quintora
