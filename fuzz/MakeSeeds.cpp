// Writes the seeds that the program's own writers make: system files of several shapes,
// the same systems exported as column text, and a settings file.
// Usage: fuzz_make_seeds CORPUS_FOLDER (the folder holding one folder per fuzz target)
#include "files/ColumnText.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"
#include "settings/Settings.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quintora;

// Every column of `numbers`, ascending, at most `limit` of them.
std::vector<Column> combinations(const std::vector<std::uint8_t>& numbers, std::size_t limit) {
    std::vector<Column> columns;
    const std::size_t n = numbers.size();
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = a + 1; b < n; ++b)
            for (std::size_t c = b + 1; c < n; ++c)
                for (std::size_t d = c + 1; d < n; ++d)
                    for (std::size_t e = d + 1; e < n && columns.size() < limit; ++e)
                        columns.push_back(
                            {numbers[a], numbers[b], numbers[c], numbers[d], numbers[e]});
    return columns;
}

std::unique_ptr<SystemState> systemOf(const std::vector<std::uint8_t>& numbers, std::size_t columns,
                                      const char* type) {
    auto state = std::make_unique<SystemState>();
    std::array<bool, MainNumberCount> marks{};
    for (const auto n : numbers) {
        marks[n - 1] = true;
    }
    setNumbersInPlay(state->header, marks);
    state->header.setEuros({2, 9});
    state->header.systemType = type;
    state->columns = combinations(numbers, columns);
    return state;
}

// A system with every condition and every optional block switched on.
std::unique_ptr<SystemState> systemWithConditions() {
    auto state = systemOf({1, 4, 9, 12, 17, 23, 28, 35, 44, 50}, 40, "Condizionato");
    auto& c = state->conditions;
    c.setSumOn(true);
    c.sumFrom = 80;
    c.sumTo = 160;
    c.setEvenOddOn(true);
    c.setEvenCounts({2, 3});
    c.setFixedOn(true);
    c.setFixed({9});
    c.setReducedOn(true);
    c.reducedN = 3;
    state->excluded.setOn(true);
    const std::array<Column, 2> excluded{Column{1, 4, 9, 12, 17}, Column{23, 28, 35, 44, 50}};
    state->excluded.setColumns(excluded);
    state->consecutive.setOn(true);
    state->consecutive.setRuns({1, 2});
    state->minimumDistance.setOn(true);
    state->minimumDistance.minDistance = 2;
    for (int i = 0; i < 3; ++i) {
        FilterColumn& f = state->filters[static_cast<std::size_t>(i)];
        f.setMembers({i + 1, i + 11, i + 21});
        f.setHits({0, 1});
        f.setOn(true);
    }
    state->filterCount = 3;
    return state;
}

// Blocks the writer never writes, read over or reported by the reader: an unknown block and
// a second-list filter record, put before the end markers.
std::vector<std::uint8_t> withForeignBlocks(std::vector<std::uint8_t> bytes) {
    const auto le32 = [](std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        return std::vector<std::uint8_t>{
            static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
    };
    std::vector<std::uint8_t> foreign = le32(77);
    const auto second = le32(systemfile::BlockSecondFilterList);
    foreign.insert(foreign.end(), second.begin(), second.end());
    foreign.resize(foreign.size() + MainNumberCount + 4 + 2, 1);
    bytes.insert(bytes.end() - 8, foreign.begin(), foreign.end());
    return bytes;
}

bool save(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    const auto saved = writeFileAtomically(path.string(), bytes);
    if (!saved) {
        std::cerr << saved.error().message << "\n";
    }
    return saved.ok();
}

bool save(const std::filesystem::path& path, const std::string& text) {
    return save(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_make_seeds CORPUS_FOLDER\n";
        return 2;
    }
    const std::filesystem::path corpus = argv[1];
    for (const char* target : {"system_file", "column_text", "ini"}) {
        std::filesystem::create_directories(corpus / target);
    }

    auto empty = std::make_unique<SystemState>();
    auto integral = systemOf({3, 8, 15, 22, 30, 41}, 6, "Integrale");
    auto conditions = systemWithConditions();
    auto imported = std::make_unique<SystemState>();
    applyImportedColumns(*imported, combinations({5, 6, 7, 11, 13, 19, 27}, 21), {1, 10});

    const auto conditionBytes = encodeSystemFile(*conditions);
    bool ok = save(corpus / "system_file" / "vuoto.qsy", encodeSystemFile(*empty)) &&
              save(corpus / "system_file" / "integrale.qsy", encodeSystemFile(*integral)) &&
              save(corpus / "system_file" / "condizioni.qsy", conditionBytes) &&
              save(corpus / "system_file" / "blocchi.qsy", withForeignBlocks(conditionBytes)) &&
              save(corpus / "system_file" / "importato.qsy", encodeSystemFile(*imported));

    ok = ok && save(corpus / "column_text" / "integrale.txt", columnTextLines(integral->columns)) &&
         save(corpus / "column_text" / "condizioni.txt", columnTextLines(conditions->columns));

    const std::string ini = (corpus / "ini" / SettingsFileName).string();
    Settings settings;
    settings.language = "english";
    IniFile file(ini);
    const auto written = writeConfiguration(file, settings);
    ok = ok && written.ok();
    return ok ? 0 : 1;
}
