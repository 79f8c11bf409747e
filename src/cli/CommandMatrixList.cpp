// quintora-cli matrix-list DIR [--v V] [--today DD/MM/YYYY]
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "matrix/MatrixCatalogue.h"
#include "matrix/OleDate.h"

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

int runMatrixList(const MatrixListArgs& args) {
    const std::string& folder = args.folder;
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return fail(folder + ": non e' una cartella");
    }

    const auto catalogue =
        loadCatalogue(folder, static_cast<std::uint8_t>(args.v), args.today.value_or(todayLocal()));
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
