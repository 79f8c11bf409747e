// What develop, info, export-txt, import-txt, filters and analyse take.
#include "cli/CommandLine.h"
#include "filters/FilterImport.h"

#include <memory>

namespace quintora::cli {

namespace {

Result<Cents> priceArgument(const std::string& text) {
    if (const auto cents = parseEuros(text)) {
        return *cents;
    }
    return Error{"", "not a price in euros, e.g. --price 2,10"};
}

// "A,B": two whole numbers. Whether the rules allow them is known only once every option is
// read, and checked when the command runs.
Result<std::array<int, 2>> euroArgument(const std::string& text) {
    const Error wrong{"", "two numbers are needed, e.g. --euro 3,8"};
    const auto comma = text.find(',');
    if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos) {
        return wrong;
    }
    std::array<int, 2> numbers{};
    const std::string_view parts[] = {std::string_view(text).substr(0, comma),
                                      std::string_view(text).substr(comma + 1)};
    for (std::size_t i = 0; i < 2; ++i) {
        const auto part = parts[i];
        if (part.empty() || part.size() > 9 ||
            part.find_first_not_of("0123456789") != std::string_view::npos) {
            return wrong;
        }
        numbers[i] = std::stoi(std::string(part));
    }
    return numbers;
}

Result<std::int32_t> hitsArgument(const std::string& text) {
    return parseAcceptedHits(text);
}

} // namespace

void addSystemCommands(CommandSet& commands) {
    commands.define("develop", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<DevelopArgs>();
        sub.add_option("IN.qsy", args->in, "the system to develop")->required();
        addOutput(sub, args->out, "the developed system");
        return [args] {
            return runDevelop(*args);
        };
    });
    commands.define("info", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<InfoArgs>();
        sub.add_option("FILE.qsy", args->file, "the system")->required();
        addParsed(sub, "--price", args->price, priceArgument,
                  "the price of a column in euros (else the settings file's)", "EUROS");
        return [args] {
            return runInfo(*args);
        };
    });
    commands.define("export-txt", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<ExportTxtArgs>();
        sub.add_option("IN.qsy", args->in, "the system")->required();
        sub.add_option("OUT.txt", args->out, "the column text file to write")->required();
        return [args] {
            return runExportTxt(*args);
        };
    });
    commands.define("import-txt", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<ImportTxtArgs>();
        sub.add_option("IN.txt", args->in, "the column text file")->required();
        addParsed(sub, "--euro", args->euro, euroArgument, "the two Euro numbers", "A,B")
            ->required();
        addEuroMax(sub, args->rules);
        addOutput(sub, args->out, "the system to write");
        return [args] {
            return runImportTxt(*args);
        };
    });
    commands.define("filters", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<FiltersArgs>();
        sub.add_option("IN.qsy", args->in, "the system")->required();
        sub.add_option("--import", args->importPath, "the text file of filter columns")
            ->required()
            ->type_name("FILE.txt");
        addParsed(sub, "--hits", args->hits, hitsArgument,
                  "the accepted counts of hits, 0..5 (may be empty)", "LIST")
            ->required();
        addOutput(sub, args->out, "the system to write");
        return [args] {
            return runFilters(*args);
        };
    });
    commands.define("analyse", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<AnalyseArgs>();
        sub.add_option("IN.qsy", args->in, "the system")->required();
        addEuroMax(sub, args->rules);
        return [args] {
            return runAnalyse(*args);
        };
    });
}

} // namespace quintora::cli
