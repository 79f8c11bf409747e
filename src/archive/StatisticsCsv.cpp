#include "archive/StatisticsCsv.h"

#include "archive/Statistics.h"
#include "core/Encoding.h"
#include "files/FileIo.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace quintora {

namespace {

void appendNumber(std::string& out, int value) {
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    out.append(buf, end);
}

void appendCsvLine(std::string& out, const Draw& d, const DrawFigures& f) {
    out += d.dateText();
    out += ';';
    appendNumber(out, d.contest);
    for (const int n : d.numbers) {
        out += ';';
        if (n < 10) {
            out += '0';
        }
        appendNumber(out, n);
    }
    for (const int e : d.euro) {
        out += ';';
        appendNumber(out, e);
    }
    out += ';';
    if (f.repeats) {
        appendNumber(out, *f.repeats);
    }
    for (const int v : {f.even, f.odd, f.longestRun, f.sum}) {
        out += ';';
        appendNumber(out, v);
    }
    out += "\r\n";
}

} // namespace

std::string statisticsCsvFileName(const CalendarTime& t) {
    char name[64];
    std::snprintf(name, sizeof name, "quintora_%04d%02d%02d_%02d%02d%02d.csv", t.year, t.month,
                  t.day, t.hour, t.minute, t.second);
    return name;
}

std::string statisticsCsvText(const DrawArchive& archive) {
    std::string text = std::string(StatisticsCsvHeader) + "\r\n";
    text.reserve(archive.draws.size() * 64 + text.size());
    // Walk from the latest draw down; each draw's previous draw is the next real one below.
    const auto& draws = archive.draws;
    for (std::size_t i = draws.size(); i-- > 0;) {
        if (draws[i].isEmpty()) {
            continue;
        }
        const Draw* previous = nullptr;
        for (std::size_t j = i; j-- > 0;) {
            if (!draws[j].isEmpty()) {
                previous = &draws[j];
                break;
            }
        }
        appendCsvLine(text, draws[i], drawFigures(draws[i], previous));
    }
    return windows1252FromUtf8(text);
}

Status saveStatisticsCsv(const std::string& path, const DrawArchive& archive) {
    const auto saved = writeFileAtomically(path, statisticsCsvText(archive));
    if (saved) {
        return success();
    }
    // The file is there and may not be written: as on the program's first platform, where
    // another program holding it open denies the write, the user is asked to close it.
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), W_OK) != 0 &&
        (errno == EACCES || errno == EPERM)) {
        return Error{Message{text::ErrorCapitals}, Message{text::CloseStatisticsFile}};
    }
    return Error{Message{text::ErrorCapitals}, saved.error().what};
}

Status writeStatisticsCsv(const std::string& path, const DrawArchive& archive) {
    if (!saveStatisticsCsv(path, archive)) {
        return Error{Message{text::ErrorCapitals}, Message{text::CloseStatisticsFile}};
    }
    return success();
}

int removeStaleStatisticsCsv(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    int removed = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const auto name = it->path().filename().string();
        if (name.starts_with("quintora_") && name.ends_with(".csv") && it->is_regular_file(ec) &&
            fs::remove(it->path(), ec)) {
            ++removed;
        }
    }
    return removed;
}

} // namespace quintora
