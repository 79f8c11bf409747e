#pragma once

#include "core/GameModel.h"
#include "core/Message.h"
#include "core/Result.h"
#include "matrix/CoveringSearch.h"
#include "matrix/MatrixFile.h"
#include "matrix/OleDate.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quintora {

// What a wheel guarantees: columns of 5 of the positions 1..V such that whenever M of the V
// numbers are drawn (the F fixed numbers among them) some column holds T of them. With F fixed
// numbers every column holds positions 1..F.
struct WheelShape {
    int v = 0;
    int t = 0;
    int m = 0;
    int f = 0;
};

// Why a shape cannot be made (V 5..50, 1 <= T <= M <= 5, M <= V, F 0..4 and below T), or
// nullopt.
std::optional<Message> wheelShapeError(const WheelShape& shape);

// Lower bounds on the columns of any wheel for `shape`: the Schönheim bound (for M = T, the
// covering number's) and the counting bound (draws / draws one column reaches). Both count on
// the positions that are not fixed.
std::uint64_t schonheimBound(int v, int k, int t);
std::uint64_t countingBound(const WheelShape& shape);
std::uint64_t wheelLowerBound(const WheelShape& shape);

// The size of the smallest wheel for `shape` that the published covering tables know, for the
// shapes where the program carries the figure (M = T, no fixed numbers); nullopt otherwise.
std::optional<std::uint64_t> bestKnownWheelSize(const WheelShape& shape);

struct WheelOptions {
    double seconds = 5;      // time budget of the local search; 0: none
    std::uint64_t steps = 0; // step budget; with seconds = 0 the result repeats for a seed
    std::uint64_t seed = 1;
    const std::atomic<bool>* stop = nullptr;
    std::function<void(const SearchProgress&)> progress;
};

using WheelColumn = std::array<std::uint8_t, NumbersPerColumn>; // positions, ascending

struct Wheel {
    std::vector<WheelColumn> columns; // in lexicographic order
    std::string construction;         // what the search started from; empty: greedy
    std::uint64_t steps = 0;
    bool stopped = false;
};

// Makes a wheel; refused when the wheel asked for is impossible or even its lower bound
// exceeds MaxColumns.
Result<Wheel> makeWheel(const WheelShape& shape, const WheelOptions& options);

// The header texts of a made matrix.
struct WheelLabels {
    std::string author = "Quintora";
    std::string description; // empty: "V numeri, garanzia T se M" (+ ", F fissi")
    CalendarDate validFrom;
    CalendarDate validTo{9999, 12, 31};
};
// The description a made matrix gets when none is given, from its numbers (2356-2358); the file
// keeps it in the program's own language.
Message wheelDescription(const WheelShape& shape);
std::string defaultWheelDescription(const WheelShape& shape);
// What a matrix' description reads in the language in use: one that is the default for its
// own numbers is said again from those numbers, any other is shown as written.
Message matrixDescription(const MatrixHeader& header);

// The matrix file record of a wheel (K = 5, identifier, coverage "100%").
Matrix wheelMatrix(const WheelShape& shape, const Wheel& wheel, const WheelLabels& labels);

} // namespace quintora
