#include "matrix/WheelMaker.h"

#include "core/GameModel.h"
#include "matrix/CoveringConstructions.h"

#include <algorithm>
#include <chrono>

namespace quintora {

namespace {

constexpr double ConstructionShare = 0.3; // of the time budget

// The search runs on the positions that are not fixed: F + 1..V become 0..V-F-1.
CoveringProblem freePart(const WheelShape& s) {
    return {s.v - s.f, NumbersPerColumn - s.f, s.t - s.f, s.m - s.f};
}

} // namespace

std::optional<Message> wheelShapeError(const WheelShape& s) {
    if (s.v < NumbersPerColumn || s.v > MainNumberCount) {
        return Message{text::WheelVOutOfRange};
    }
    if (s.m < 1 || s.m > NumbersPerColumn) {
        return Message{text::WheelMOutOfRange};
    }
    if (s.t < 1 || s.t > s.m) {
        return Message{text::WheelTOutOfRange};
    }
    if (s.f < 0 || s.f > MaxFixedNumbers) {
        return Message{text::WheelFOutOfRange};
    }
    if (s.f >= s.t) {
        return Message{text::WheelFNotBelowT};
    }
    return std::nullopt;
}

std::uint64_t schonheimBound(int v, int k, int t) {
    std::uint64_t bound = 1;
    for (int i = t - 1; i >= 0; --i) {
        const auto n = static_cast<std::uint64_t>(v - i);
        const auto d = static_cast<std::uint64_t>(k - i);
        bound = (n * bound + d - 1) / d;
    }
    return bound;
}

std::uint64_t countingBound(const WheelShape& shape) {
    const auto p = freePart(shape);
    std::uint64_t reached = 0;
    for (int i = p.t; i <= std::min(p.k, p.m); ++i) {
        reached += binomial(p.k, i) * binomial(p.v - p.k, p.m - i);
    }
    const auto draws = binomial(p.v, p.m);
    return reached == 0 ? 0 : (draws + reached - 1) / reached;
}

std::uint64_t wheelLowerBound(const WheelShape& shape) {
    const auto p = freePart(shape);
    const auto counting = countingBound(shape);
    return p.m == p.t ? std::max(counting, schonheimBound(p.v, p.k, p.t)) : counting;
}

Result<Wheel> makeWheel(const WheelShape& shape, const WheelOptions& options) {
    if (auto error = wheelShapeError(shape)) {
        return Error{"", *error};
    }
    if (wheelLowerBound(shape) > MaxColumns) {
        return Error{"", Message{text::WheelTooLarge}};
    }
    const auto problem = freePart(shape);
    const auto started = std::chrono::steady_clock::now();
    // Constructions first (a share of the time), then the search starts from the best of them.
    const Construction built = bestConstruction(
        problem, options.seed, {options.seconds * ConstructionShare, 0, options.stop, 0});
    double seconds = 0;
    if (options.seconds > 0) {
        const double used =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        seconds = std::max(options.seconds - used, 1e-3);
    }
    SearchOptions search;
    search.start = built.blocks;
    search.progress = options.progress;
    const auto found =
        searchCovering(problem, options.seed,
                       {seconds, options.steps, options.stop, wheelLowerBound(shape)}, search);
    // The search keeps its counts step by step; a recount from the columns alone guards them.
    if (found.blocks.empty() || uncoveredDraws(problem, found.blocks) != 0) {
        return Error{"", Message{text::WheelSearchFailed}};
    }
    if (found.blocks.size() > MaxColumns) {
        return Error{"", Message{text::WheelFoundTooLarge}};
    }
    Wheel wheel;
    wheel.construction = built.name;
    wheel.steps = found.steps;
    wheel.stopped = found.stopped;
    for (const auto block : found.blocks) {
        WheelColumn column{};
        std::size_t at = 0;
        for (int p = 1; p <= shape.f; ++p) {
            column[at++] = static_cast<std::uint8_t>(p);
        }
        for (int p = 0; p < shape.v - shape.f; ++p) {
            if (block & (std::uint64_t{1} << p)) {
                column[at++] = static_cast<std::uint8_t>(p + 1 + shape.f);
            }
        }
        wheel.columns.push_back(column);
    }
    std::sort(wheel.columns.begin(), wheel.columns.end());
    return wheel;
}

Message wheelDescription(const WheelShape& s) {
    // Plain digits, never grouped: the numbers are below 100.
    std::vector<Message> values{std::to_string(s.v), std::to_string(s.t), std::to_string(s.m)};
    if (s.f > 0) {
        values.emplace_back(std::to_string(s.f));
    }
    const TextId words = s.f == 0   ? text::WheelDescription
                         : s.f == 1 ? text::WheelDescriptionOneFixed
                                    : text::WheelDescriptionFixed;
    return Message{words, std::move(values)};
}

std::string defaultWheelDescription(const WheelShape& s) {
    return ownLanguageText(wheelDescription(s));
}

Message matrixDescription(const MatrixHeader& h) {
    const WheelShape shape{h.v, h.t, h.m, h.f};
    if (h.description == defaultWheelDescription(shape)) {
        return wheelDescription(shape);
    }
    return Message{h.description};
}

Matrix wheelMatrix(const WheelShape& shape, const Wheel& wheel, const WheelLabels& labels) {
    Matrix matrix;
    MatrixHeader& h = matrix.header;
    h.v = static_cast<std::uint8_t>(shape.v);
    h.k = NumbersPerColumn;
    h.t = static_cast<std::uint8_t>(shape.t);
    h.m = static_cast<std::uint8_t>(shape.m);
    h.f = static_cast<std::uint8_t>(shape.f);
    h.columnCount = static_cast<std::int32_t>(wheel.columns.size());
    h.percentage = "100%";
    h.author = labels.author;
    h.description =
        labels.description.empty() ? defaultWheelDescription(shape) : labels.description;
    h.validFrom = oleFromDate(labels.validFrom);
    h.validTo = oleFromDate(labels.validTo);
    h.formatId = matrixfile::Identifier;
    // Row k holds position k of every column.
    matrix.body.reserve(wheel.columns.size() * NumbersPerColumn);
    for (std::size_t k = 0; k < NumbersPerColumn; ++k) {
        for (const auto& column : wheel.columns) {
            matrix.body.push_back(column[k]);
        }
    }
    return matrix;
}

} // namespace quintora
