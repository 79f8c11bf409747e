// quintora-cli adapt IN.qsy MATRIX.mzor [--fixed a,b] [--today DD/MM/YYYY] -o OUT.qsy
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "core/Development.h"
#include "core/Format.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"
#include "matrix/MatrixAdaptation.h"
#include "matrix/MatrixCatalogue.h"
#include "matrix/OleDate.h"

#include <algorithm>
#include <iostream>

namespace quintora::cli {

namespace {

std::vector<std::string> commaSeparated(const std::string& text) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == ',') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

// Why the window's adapt command would stay disabled for this entry, or empty.
std::string refusal(const CatalogueEntry& entry) {
    const MatrixMessages messages;
    const auto texts = statusTexts(entry, messages);
    std::string reason;
    for (const auto* text :
         {&texts.identifier, &texts.checksum, &texts.expired, &texts.notActive}) {
        if (!text->empty()) {
            reason += (reason.empty() ? "" : "; ") + *text;
        }
    }
    return reason;
}

} // namespace

int runAdapt(const AdaptArgs& args) {
    const auto& self = commandNamed("adapt");
    const std::string& systemPath = args.system;
    const std::string& matrixPath = args.matrix;
    const std::string& out = args.out;
    if (auto usable = checkSaveTarget(out); !usable) {
        return fail(said(usable.error())); // refused before any work is done
    }

    const auto opened = openSystem(systemPath, SystemNeed::Unlocked);
    if (!opened) {
        return ExitFailure;
    }
    SystemDocument& document = *opened;
    const SystemState& state = document.state();
    if (const auto error = developmentInputError(state.header)) {
        return fail(systemPath + ": " + said(*error));
    }
    const auto summary = inspectMatrixFile(matrixPath);
    if (!summary) {
        return fail(matrixPath + ": " + said(summary.error()));
    }
    const auto entry = catalogueEntry(fileNamePart(matrixPath), summary.value(),
                                      args.today.value_or(todayLocal()));
    if (!entry.canAdapt()) {
        return fail(matrixPath + ": " + refusal(entry));
    }
    const MatrixMessages messages;
    const auto& header = entry.header;
    if (header.v != state.header.numberCount()) {
        return fail(matrixPath + ": la matrice e' costruita per " + std::to_string(header.v) +
                    " numeri, i numeri in gioco sono " +
                    std::to_string(state.header.numberCount()));
    }
    if (auto limit = checkMatrixColumnLimit(header, messages); !limit) {
        auto text = said(limit.error());
        std::replace(text.begin(), text.end(), '\n', ' ');
        return fail(matrixPath + ": " + text);
    }
    const auto inPlay = numbersInPlay(state.header);
    std::vector<std::uint8_t> fixed;
    if (header.f == 0 && args.fixed) {
        return usageError(self, "the matrix has no fixed numbers: --fixed is not asked for");
    }
    if (header.f > 0) {
        if (!args.fixed) {
            return usageError(self, "the matrix has " + std::to_string(header.f) +
                                        " fixed numbers: --fixed is needed");
        }
        const auto answers = commaSeparated(*args.fixed);
        if (answers.size() != header.f) {
            return usageError(self, "--fixed needs " + std::to_string(header.f) + " numbers");
        }
        for (const auto& answer : answers) {
            const auto n = parseFixedNumberAnswer(answer, inPlay, fixed);
            if (!n) {
                return usageError(self, "--fixed: " + said(n.error()));
            }
            fixed.push_back(n.value());
        }
    }
    const auto matrix = readMatrixFile(matrixPath);
    if (!matrix) {
        return fail(matrixPath + ": " + said(matrix.error()));
    }
    auto adapted = adaptMatrix(matrix.value(), inPlay, fixed, messages);
    if (!adapted) {
        return fail(matrixPath + ": " + said(adapted.error()));
    }
    if (auto adopted = document.adoptAdaptation(std::move(adapted.value())); !adopted) {
        return fail(systemPath + ": " + said(adopted.error()));
    }
    if (!saveOrReport(document, out)) {
        return ExitFailure;
    }
    std::cout << formatCount(state.columnCount()) << " colonne | " << state.header.systemType;
    if (!fixed.empty()) {
        std::cout << " | " << fixedNumbersChosenText(fixed, messages);
    }
    std::cout << "\n";
    return ExitSuccess;
}

} // namespace quintora::cli
