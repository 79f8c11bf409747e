#include "matrix/MatrixCatalogue.h"

#include <algorithm>
#include <filesystem>

namespace quintora {

CatalogueStatusTexts statusTexts(const CatalogueEntry& entry, const MatrixMessages& messages) {
    CatalogueStatusTexts texts;
    if (!entry.identifierValid) {
        texts.identifier = messages.invalidIdentifier;
    }
    if (!entry.checksumValid) {
        texts.checksum = messages.badChecksum;
    }
    if (entry.expired) {
        texts.expired = messages.expired;
    }
    if (!entry.active) {
        texts.notActive = messages.notActive;
    }
    return texts;
}

CatalogueEntry catalogueEntry(std::string fileName, const MatrixFileSummary& summary,
                              const CalendarDate& today) {
    CatalogueEntry entry;
    entry.fileName = std::move(fileName);
    entry.header = summary.header;
    entry.identifierValid = summary.headerComplete && summary.header.identifierValid();
    entry.checksumValid = summary.checksumValid;
    const auto validTo = dateFromOle(summary.header.validTo);
    const auto validFrom = dateFromOle(summary.header.validFrom);
    entry.expired = !validTo || *validTo < today;
    entry.active = validFrom && *validFrom <= today;
    return entry;
}

Catalogue loadCatalogue(const std::string& folder, std::uint8_t filterV,
                        const CalendarDate& today) {
    namespace fs = std::filesystem;
    // The folder's own order is the platform's; names in order keep the listing stable.
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        const fs::path& path = it->path();
        if (path.extension() == matrixfile::Extension && !path.stem().empty()) {
            names.push_back(path.filename().string());
        }
    }
    std::sort(names.begin(), names.end());

    Catalogue catalogue;
    for (const auto& name : names) {
        const auto summary = inspectMatrixFile((fs::path(folder) / name).string());
        if (!summary) {
            catalogue.skipped.push_back(name + ": " + summary.error().message);
            continue;
        }
        if (filterV != 0 && summary.value().header.v != filterV) {
            continue;
        }
        catalogue.entries.push_back(catalogueEntry(name, summary.value(), today));
    }
    std::stable_sort(
        catalogue.entries.begin(), catalogue.entries.end(),
        [](const CatalogueEntry& a, const CatalogueEntry& b) { return a.header.v < b.header.v; });
    return catalogue;
}

} // namespace quintora
