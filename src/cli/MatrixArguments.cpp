// What matrix-list, adapt and matrix-make take.
#include "cli/CommandLine.h"
#include "core/GameModel.h"

#include <memory>

namespace quintora::cli {

namespace {

// The longest a wheel may be searched for: a day.
constexpr double MaxSearchSeconds = 86400;

} // namespace

void addMatrixCommands(CommandSet& commands) {
    commands.define("matrix-list", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<MatrixListArgs>();
        sub.add_option("DIR", args->folder, "the folder of matrix files")->required();
        addNumber(sub, "--v", args->v, "only the matrices over V numbers (0: all)")
            ->check(CLI::Range(0, MainNumberCount));
        addDate(sub, "--today", args->today, "the day validity is checked on (else today)");
        return [args] {
            return runMatrixList(*args);
        };
    });
    commands.define("adapt", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<AdaptArgs>();
        sub.add_option("IN.qsy", args->system, "the system")->required();
        sub.add_option("MATRIX.mzor", args->matrix, "the matrix file")->required();
        sub.add_option("--fixed", args->fixed, "the fixed numbers, as many as the matrix has")
            ->type_name("a,b");
        addDate(sub, "--today", args->today, "the day validity is checked on (else today)");
        addOutput(sub, args->out, "the system to write");
        return [args] {
            return runAdapt(*args);
        };
    });
    commands.define("matrix-make", [](CLI::App& sub) -> Runner {
        auto args = std::make_shared<MatrixMakeArgs>();
        addNumber(sub, "V", args->v, "numbers covered")->required();
        addNumber(sub, "T", args->t, "hits guaranteed")->required();
        addNumber(sub, "M", args->m, "whenever M of the V are drawn")->required();
        addNumber(sub, "--fixed", args->f, "numbers in every column");
        sub.add_option("--author", args->author, "the author in the header");
        sub.add_option("--description", args->description, "the description in the header");
        addDate(sub, "--valid-from", args->validFrom, "first valid day (else today)");
        addDate(sub, "--valid-to", args->validTo, "last valid day (else 31/12/9999)");
        // A budget of 0 or NaN would let the search run without end.
        addNumber(sub, "--seconds", args->seconds, "time budget of the search (default 5)")
            ->check(CLI::Range(0.0, MaxSearchSeconds))
            ->check(aboveZero());
        addNumber(sub, "--steps", args->steps, "step budget; alone, the result repeats for a seed")
            ->check(aboveZero());
        addNumber(sub, "--seed", args->seed, "seed of the search");
        addOutput(sub, args->out, "the matrix file to write")->type_name("FILE.mzor");
        return [args] {
            return runMatrixMake(*args);
        };
    });
}

} // namespace quintora::cli
