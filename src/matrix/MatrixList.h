#pragma once

#include "core/Message.h"

#include <string>
#include <string_view>
#include <vector>

namespace quintora {

// The matrix list of the server: one file name a line ("V10T3M3.DAT"), used upper-cased. Blank
// lines and names that could reach outside the matrix folder (a path separator, "..", a
// control character) are left out.
std::vector<std::string> parseMatrixList(std::string_view text);

// The name a listed file is stored under in the matrix folder: ".DAT" replaced by ".mzor".
std::string storedMatrixName(const std::string& listedName);

inline constexpr const char* MatrixListFileName = "lista.txt";

struct InstalledMatrices {
    std::vector<std::string> installed; // stored names, in list order
    std::vector<Message> problems;      // "name: reason" of listed files not installed
};

// Copies the matrices that come with the program into the matrix folder: the files named by
// the list file of the first of `sourceFolders` that has one, each checked as a whole matrix
// file and stored under its stored name. Files the folder already holds are kept (they may be
// newer downloads).
InstalledMatrices installShippedMatrices(const std::vector<std::string>& sourceFolders,
                                         const std::string& matrixFolder);

} // namespace quintora
