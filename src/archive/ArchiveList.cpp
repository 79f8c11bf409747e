#include "archive/ArchiveList.h"

#include "core/Format.h"

#include <cstdio>

namespace quintora {

namespace {

// "000": at least three digits, a minus sign before them.
std::string threeDigits(int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, value < 0 ? "-%03d" : "%03d", value < 0 ? -value : value);
    return buf;
}

const Draw* latest(const DrawArchive& archive) {
    return drawAtListLine(archive, 0);
}

} // namespace

std::string drawMainNumbersText(const Draw& d) {
    std::string out;
    for (const int n : d.numbers) {
        out += (out.empty() ? "" : " ") + twoDigits(n);
    }
    return out;
}

std::string drawListLine(const Draw& d) {
    return " " + d.dateText() + " | " + threeDigits(d.contest) + " |  " + drawMainNumbersText(d) +
           "  | " + twoDigits(d.euro[0]) + " | " + twoDigits(d.euro[1]);
}

std::vector<std::string> archiveListLines(const DrawArchive& archive) {
    std::vector<std::string> lines;
    lines.reserve(archive.draws.size());
    for (auto it = archive.draws.rbegin(); it != archive.draws.rend(); ++it) {
        if (!it->isEmpty()) {
            lines.push_back(drawListLine(*it));
        }
    }
    return lines;
}

const Draw* drawAtListLine(const DrawArchive& archive, int line) {
    if (line < 0) {
        return nullptr;
    }
    for (auto it = archive.draws.rbegin(); it != archive.draws.rend(); ++it) {
        if (!it->isEmpty() && line-- == 0) {
            return &*it;
        }
    }
    return nullptr;
}

std::string lastDrawText(const DrawArchive& archive) {
    const Draw* d = latest(archive);
    return d ? drawListLine(*d) : LastDrawInitialText;
}

std::string drawTotalText(const DrawArchive& archive) {
    int total = 0;
    for (const auto& d : archive.draws) {
        total += d.isEmpty() ? 0 : 1;
    }
    return total == 0 ? DrawTotalInitialText : std::to_string(total);
}

std::string chosenDrawMessage(const Draw& d) {
    return "La Colonna \r\n" + drawMainNumbersText(d) + "\r\ndel " + d.dateText() +
           " \xC3\xA8 stata imposta come nuova colonna di Spoglio";
}

} // namespace quintora
