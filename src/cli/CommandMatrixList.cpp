// quintora-cli matrix-list DIR [--v V] [--today DD/MM/YYYY]
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/MatrixOptions.h"
#include "matrix/MatrixCatalogue.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>

namespace quintora::cli {

namespace {

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

// Tabs and line breaks inside a text would break the line's fields.
std::string field(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

std::string dateField(double ole) {
    const auto date = dateFromOle(ole);
    return date ? formatDate(*date) : "-";
}

} // namespace

int runMatrixList(const Args& args) {
    const auto& self = commandNamed("matrix-list");
    const auto parsed = parseArgs(args, {"--v", "--today"});
    if (!parsed) {
        return usageError(self, parsed.error().message);
    }
    const auto& p = parsed.value();
    if (p.files.size() != 1) {
        return usageError(self, "one matrix folder is needed");
    }
    int filterV = 0;
    if (p.has("--v")) {
        const auto& text = p.option("--v");
        if (text.empty() || text.size() > 2 ||
            !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            return usageError(self, "--v needs a number 0..50");
        }
        filterV = std::stoi(text);
        if (filterV > MainNumberCount) {
            return usageError(self, "--v needs a number 0..50");
        }
    }
    const auto today = todayOption(p);
    if (!today) {
        return usageError(self, "--today needs a date DD/MM/YYYY");
    }
    const std::string& folder = p.files[0];
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return fail(folder + ": non e' una cartella");
    }

    const auto catalogue = loadCatalogue(folder, static_cast<std::uint8_t>(filterV), *today);
    for (const auto& skipped : catalogue.skipped) {
        std::cerr << "quintora-cli: " << skipped << "\n";
    }
    std::ostringstream out;
    for (const auto& e : catalogue.entries) {
        const auto& h = e.header;
        out << field(e.fileName) << '\t' << int{h.v} << '\t' << int{h.k} << '\t' << int{h.t} << '\t'
            << int{h.m} << '\t' << int{h.f} << '\t' << h.columnCount << '\t' << field(h.percentage)
            << '\t' << field(h.author) << '\t' << field(h.description) << '\t'
            << dateField(h.validFrom) << '\t' << dateField(h.validTo) << '\t'
            << yesNo(e.identifierValid) << '\t' << yesNo(e.checksumValid) << '\t'
            << yesNo(e.expired) << '\t' << yesNo(e.active) << '\t' << yesNo(e.canAdapt()) << '\n';
    }
    std::cout << out.str();
    return ExitSuccess;
}

} // namespace quintora::cli
