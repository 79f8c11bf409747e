// The matrix checks beside the straightforward way: the CRC-32 of a matrix file of 200,000
// columns (zlib against a byte-at-a-time table), and the check of a wheel's guarantee (a bit per
// draw marked from the columns against every draw compared with every column).
#include "matrix/CoveringSearch.h"
#include "matrix/Crc32.h"
#include "matrix/WheelMaker.h"
#include "RatioReporter.h"

#include <array>
#include <bit>
#include <random>

using namespace quintora;

namespace {

std::vector<std::uint8_t> largestMatrixFile() {
    std::vector<std::uint8_t> bytes(142 + 5 * 200000);
    std::mt19937 rng(1);
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(rng() % 20 + 1);
    }
    return bytes;
}

void crcEngine(benchmark::State& st) {
    const auto bytes = largestMatrixFile();
    for (auto _ : st) {
        benchmark::DoNotOptimize(crc32Of(bytes));
    }
}

// The table-driven CRC-32 of the file format's description, one byte at a time.
void crcBaseline(benchmark::State& st) {
    const auto bytes = largestMatrixFile();
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    for (auto _ : st) {
        std::uint32_t crc = 0xFFFFFFFFu;
        for (const auto b : bytes) {
            crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
        }
        benchmark::DoNotOptimize(crc ^ 0xFFFFFFFFu);
    }
}

// A wheel for 20 numbers, 3 hits whenever 5 are drawn, as position masks.
std::vector<std::uint64_t> wheel20() {
    WheelOptions o;
    o.seconds = 0;
    o.steps = 20000;
    const auto wheel = makeWheel({20, 3, 5, 0}, o);
    std::vector<std::uint64_t> blocks;
    for (const auto& column : wheel.value().columns) {
        std::uint64_t mask = 0;
        for (const auto p : column) {
            mask |= std::uint64_t{1} << (p - 1);
        }
        blocks.push_back(mask);
    }
    return blocks;
}

void guaranteeEngine(benchmark::State& st) {
    const auto blocks = wheel20();
    for (auto _ : st) {
        benchmark::DoNotOptimize(uncoveredDraws({20, 5, 3, 5}, blocks));
    }
}

void guaranteeBaseline(benchmark::State& st) {
    const auto blocks = wheel20();
    for (auto _ : st) {
        std::uint64_t missing = 0;
        for (int a = 0; a < 20; ++a) {
            for (int b = a + 1; b < 20; ++b) {
                for (int c = b + 1; c < 20; ++c) {
                    for (int d = c + 1; d < 20; ++d) {
                        for (int e = d + 1; e < 20; ++e) {
                            const std::uint64_t draw =
                                (1ull << a) | (1ull << b) | (1ull << c) | (1ull << d) | (1ull << e);
                            bool hit = false;
                            for (const auto block : blocks) {
                                hit = hit || std::popcount(block & draw) >= 3;
                            }
                            missing += hit ? 0 : 1;
                        }
                    }
                }
            }
        }
        benchmark::DoNotOptimize(missing);
    }
}

} // namespace

BENCHMARK(crcEngine)->Name("Crc32/engine")->Unit(benchmark::kMicrosecond);
BENCHMARK(crcBaseline)->Name("Crc32/baseline")->Unit(benchmark::kMicrosecond);
BENCHMARK(guaranteeEngine)->Name("Guarantee/engine")->Unit(benchmark::kMicrosecond);
BENCHMARK(guaranteeBaseline)->Name("Guarantee/baseline")->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    return quintora::bench::runBenchmarks(argc, argv);
}
