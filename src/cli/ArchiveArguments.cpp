// What archive-import, archive-list, check, archive-check, stats and delays take.
#include "cli/CommandLine.h"

#include <memory>

namespace quintora::cli {

namespace {

// "1,2,3,4,5+6,7" as the check dialog's seven fields: each at most two digits, empty allowed.
Result<EntryFields> drawArgument(const std::string& text) {
    const Error wrong{"", "five numbers, '+' and two Euro numbers of at most two digits are "
                          "needed, e.g. --draw 1,2,3,4,5+6,7"};
    const auto plus = text.find('+');
    if (plus == std::string::npos || text.find('+', plus + 1) != std::string::npos) {
        return wrong;
    }
    EntryFields fields;
    std::size_t k = 0;
    const auto split = [&](std::string part, std::size_t count) {
        part += ',';
        std::size_t n = 0;
        for (std::size_t start = 0, comma; (comma = part.find(',', start)) != std::string::npos;
             start = comma + 1) {
            const auto piece = part.substr(start, comma - start);
            if (n == count || piece.size() > 2 ||
                piece.find_first_not_of("0123456789") != std::string::npos) {
                return false;
            }
            fields[k++] = piece;
            ++n;
        }
        return n == count;
    };
    if (!split(text.substr(0, plus), NumbersPerColumn) ||
        !split(text.substr(plus + 1), EuroNumbersPerSystem)) {
        return wrong;
    }
    return fields;
}

void addArchiveOption(CLI::App& sub, std::string& into) {
    sub.add_option("--archive", into, "the archive file")->required()->type_name("ARCHIVE.dat");
}

} // namespace

void addArchiveCommands(CommandSet& commands) {
    commands.define("archive-import", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<ArchiveImportArgs>();
        sub.add_option("TEXT", args->text, "the downloaded archive text")->required();
        addOutput(sub, args->out, "the archive file to write");
        return [args] {
            return runArchiveImport(*args);
        };
    });
    commands.define("archive-list", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<ArchiveListArgs>();
        sub.add_option("ARCHIVE.dat", args->archive, "the archive file")->required();
        return [args] {
            return runArchiveList(*args);
        };
    });
    commands.define("check", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<CheckArgs>();
        sub.add_option("IN.qsy", args->in, "the system")->required();
        addParsed(sub, "--draw", args->draw, drawArgument, "the draw", "1,2,3,4,5+6,7")->required();
        addEuroMax(sub, args->rules);
        return [args] {
            return runCheck(*args);
        };
    });
    commands.define("archive-check", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<ArchiveCheckArgs>();
        sub.add_option("IN.qsy", args->in, "the system")->required();
        addArchiveOption(sub, args->archive);
        addDate(sub, "--from", args->from, "from the first draw on or after this day");
        addDate(sub, "--to", args->to, "to the last draw on or before this day");
        return [args] {
            return runArchiveCheck(*args);
        };
    });
    commands.define("delays", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<DelaysArgs>();
        addArchiveOption(sub, args->archive);
        return [args] {
            return runDelays(*args);
        };
    });
    commands.define("stats", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<StatsArgs>();
        addArchiveOption(sub, args->archive);
        sub.add_option("--csv", args->csv, "the statistics CSV to write")
            ->required()
            ->type_name("OUT.csv");
        return [args] {
            return runStats(*args);
        };
    });
}

} // namespace quintora::cli
