// quintora-cli analyse IN.qsy [--euro-max 10|12]
// quintora-cli delays --archive A.dat
#include "archive/Delays.h"
#include "check/DrawCheck.h"
#include "check/SystemAnalysis.h"
#include "cli/ArchiveSupport.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CommandLine.h"
#include "core/Format.h"
#include "document/ArchiveDocument.h"
#include "settings/Language.h"
#include "settings/Settings.h"

#include <filesystem>
#include <iostream>

namespace quintora::cli {

namespace {

// The odds' words in the language of the settings file; Italian where it says nothing.
OddsWords oddsWordsOfSettings() {
    const SettingsDocument& settings = userSettings();
    Language language(std::filesystem::path(settings.path()).parent_path().string(),
                      settings.settings().language);
    OddsWords words;
    const auto take = [&](TextId id, std::string& into) {
        if (auto text = language.getLangString(id); !text.empty()) {
            into = text;
        }
    };
    take(text::OddsOneIn, words.oneIn);
    take(text::Never, words.never);
    take(text::ThousandsSeparatorWord, words.thousands);
    take(text::DecimalSeparatorWord, words.decimal);
    return words;
}

} // namespace

int runAnalyse(const AnalyseArgs& args) {
    const auto document = openSystem(args.in, SystemNeed::Columns);
    if (!document) {
        return ExitFailure;
    }
    const auto& system = document->state();
    if (const auto problem = columnNumberProblem(system.columns)) {
        return fail(args.in + ": " + said(*problem));
    }
    const auto euro = euroNumbers(system.header);
    const auto analysis =
        analyseSystem(system.columns, euro, analysisEuroMax(euro, rulesOrSettings(args.rules)));
    if (!analysis) {
        return fail("analisi interrotta");
    }
    const auto words = oddsWordsOfSettings();
    const auto& odds = analysis->odds;
    std::string out;
    for (int c = 0; c <= PrizeCategoryCount; ++c) {
        const auto count = odds.outcomes[static_cast<std::size_t>(c)];
        out +=
            std::string(c < PrizeCategoryCount ? PrizeCategories[static_cast<std::size_t>(c)].label
                                               : NoWinText) +
            "\t" + std::to_string(count) + "\t" + oddsText(count, odds.total, words) + "\n";
    }
    out += "Esiti\t" + std::to_string(odds.total) + "\n";
    for (const auto& line : analysis->guarantee) {
        out += "Garanzia\t" + std::to_string(line.drawn) + "\t" + std::to_string(line.guaranteed) +
               "\t";
        for (std::size_t i = 0; i < line.setsReaching.size(); ++i) {
            out += (i == 0 ? "" : " ") + std::to_string(line.setsReaching[i]);
        }
        out += "\n";
    }
    std::cout << out;
    return ExitSuccess;
}

int runDelays(const DelaysArgs& args) {
    ArchiveDocument archives;
    if (!openDrawsOrReport(archives, args.archive)) {
        return ExitFailure;
    }
    const auto delays = computeDelays(archives.archive());
    std::string out;
    const auto line = [&out](const std::string& name, const NumberDelay& d) {
        out += name + "\t" + std::to_string(d.current) + "\t" + std::to_string(d.longest) + "\t" +
               std::to_string(d.count) + "\n";
    };
    for (const auto& d : delays.main) {
        line(twoDigits(d.number), d);
    }
    for (const auto& d : delays.euro) {
        line("E " + twoDigits(d.number), d);
    }
    std::cout << out;
    return ExitSuccess;
}

} // namespace quintora::cli
