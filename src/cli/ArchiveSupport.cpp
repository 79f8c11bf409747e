#include "cli/ArchiveSupport.h"

#include "cli/CliCommands.h"
#include "document/ArchiveDocument.h"

#include <filesystem>
#include <system_error>

namespace quintora::cli {

bool openArchiveOrReport(ArchiveDocument& archives, const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        fail(path + ": il file dell'archivio estrazioni non esiste");
        return false;
    }
    if (auto opened = archives.open(path); !opened) {
        fail(opened.error().message);
        return false;
    }
    return true;
}

std::optional<int> dayNumber(const std::string& date) {
    if (date.size() != 10 || date[2] != '/' || date[5] != '/') {
        return std::nullopt;
    }
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 3, 6};
    const std::size_t widths[3] = {2, 2, 4};
    for (int p = 0; p < 3; ++p) {
        for (std::size_t i = 0; i < widths[p]; ++i) {
            const char c = date[starts[p] + i];
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            parts[p] = parts[p] * 10 + (c - '0');
        }
    }
    const auto [day, month, year] = parts;
    if (day < 1 || day > 31 || month < 1 || month > 12) {
        return std::nullopt;
    }
    return year * 10000 + month * 100 + day;
}

} // namespace quintora::cli
