#pragma once

// The arguments of each command, as the command line gives them once parsed and checked.
#include "check/DrawEntry.h"
#include "core/Money.h"
#include "matrix/OleDate.h"
#include "print/SlipType.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quintora::cli {

struct DevelopArgs {
    std::string in;
    std::string out;
};

struct InfoArgs {
    std::string file;
    std::optional<Cents> price;
};

struct ExportTxtArgs {
    std::string in;
    std::string out;
};

// Each command that reads a typed Euro number takes the rules for it: --euro-max, else the
// settings file's.
struct ImportTxtArgs {
    std::string in;
    std::string out;
    // Two whole numbers: whether the rules allow them is checked when the command runs, with
    // the rules' range, so that every Euro number out of range gets the same answer.
    std::array<int, 2> euro{};
    std::optional<GameRules> rules;
};

struct FiltersArgs {
    std::string in;
    std::string importPath;
    std::string out;
    std::int32_t hits = 0; // one bit per accepted count of hits
};

struct AnalyseArgs {
    std::string in;
    std::optional<GameRules> rules;
};

struct ArchiveImportArgs {
    std::string text;
    std::string out;
};

struct ArchiveListArgs {
    std::string archive;
};

struct CheckArgs {
    std::string in;
    EntryFields draw;
    std::optional<GameRules> rules;
};

struct ArchiveCheckArgs {
    std::string in;
    std::string archive;
    std::optional<CalendarDate> from;
    std::optional<CalendarDate> to;
};

struct StatsArgs {
    std::string archive;
    std::string csv;
};

struct DelaysArgs {
    std::string archive;
};

struct MatrixListArgs {
    std::string folder;
    int v = 0; // 0: every V
    std::optional<CalendarDate> today;
};

struct AdaptArgs {
    std::string system;
    std::string matrix;
    std::string out;
    std::optional<std::string> fixed; // "a,b": checked against the matrix once it is read
    std::optional<CalendarDate> today;
};

struct MatrixMakeArgs {
    int v = 0;
    int t = 0;
    int m = 0;
    int f = 0;
    std::optional<std::string> author;
    std::optional<std::string> description;
    std::optional<CalendarDate> validFrom;
    std::optional<CalendarDate> validTo;
    std::optional<double> seconds; // a budget: finite and above 0
    std::optional<std::uint64_t> steps;
    std::optional<std::uint64_t> seed;
    std::string out;
};

// --pdf FILE or --printer NAME: exactly one of them is given.
struct PrintTargetArgs {
    std::optional<std::string> pdf;
    std::optional<std::string> printer;
};

struct PrintSlipsArgs {
    std::vector<std::string> systems; // printed one after the other, in this order
    SlipType type = SlipType::OneColumn;
    std::optional<std::string> calibration;
    std::optional<std::string> from; // slip numbers as the dialog's fields take them
    std::optional<std::string> to;
    PrintTargetArgs target;
};

struct CalibrationTestArgs {
    SlipType type = SlipType::OneColumn;
    std::optional<GameRules> rules; // the Euro cells marked
    std::optional<std::string> calibration;
    PrintTargetArgs target;
};

struct ListingArgs {
    std::string system;
    bool noForecast = false;
    bool noColumns = false;
    int copies = 1;
    PrintTargetArgs target;
};

struct UpdateArchiveArgs {
    std::optional<std::string> server; // else the settings file's
    std::string out;
    bool acceptChanges = false; // apply a download that changes or drops held draws
};

struct VersionCheckArgs {
    std::optional<std::string> server;
    std::optional<std::string> local;
};

// update-languages and update-matrices.
struct FolderUpdateArgs {
    std::optional<std::string> server;
    std::string dir;
    int deadlineSeconds = 120; // the whole command's
};

} // namespace quintora::cli
