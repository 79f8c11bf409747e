#include "render/PdfProbe.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace quintora::probe {

namespace {

std::string scratchName(const std::string& tag) {
    static int counter = 0;
    return (std::filesystem::temp_directory_path() /
            ("quintora-probe-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) +
             tag))
        .string();
}

std::string quote(const std::string& s) {
    return "'" + s + "'";
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

int run(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

GreyPage renderPdfPage(const std::string& pdf, int page) {
    const std::string base = scratchName("");
    const std::string n = std::to_string(page);
    GreyPage out;
    if (run("pdftoppm -r 254 -gray -aa no -aaVector no -singlefile -f " + n + " -l " + n + " " +
            quote(pdf) + " " + quote(base) + " 2>/dev/null") != 0) {
        return out;
    }
    const std::string bytes = readAll(base + ".pgm");
    std::filesystem::remove(base + ".pgm");
    std::istringstream in(bytes);
    std::string magic;
    int maxValue = 0;
    in >> magic >> out.width >> out.height >> maxValue;
    in.get();
    if (magic != "P5" || out.width <= 0 || out.height <= 0 || maxValue != 255) {
        return {};
    }
    const std::size_t size = static_cast<std::size_t>(out.width) * out.height;
    const std::size_t at = static_cast<std::size_t>(in.tellg());
    if (bytes.size() < at + size) {
        return {};
    }
    out.pixels.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      bytes.begin() + static_cast<std::ptrdiff_t>(at + size));
    return out;
}

std::vector<Square> findSquares(const GreyPage& page, double sideMm) {
    std::vector<Square> found;
    std::vector<bool> seen(page.pixels.size(), false);
    const auto index = [&](int x, int y) {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(page.width) +
               static_cast<std::size_t>(x);
    };
    const int side = static_cast<int>(sideMm * 10 + 0.5);
    for (int y = 0; y < page.height; ++y) {
        for (int x = 0; x < page.width; ++x) {
            if (seen[index(x, y)] || page.at(x, y) >= 128) {
                continue;
            }
            // Flood the dark blob and keep its box and size.
            int left = x, right = x, top = y, bottom = y, count = 0;
            std::vector<std::pair<int, int>> stack{{x, y}};
            seen[index(x, y)] = true;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                ++count;
                left = std::min(left, px);
                right = std::max(right, px);
                top = std::min(top, py);
                bottom = std::max(bottom, py);
                const int dx[] = {1, -1, 0, 0};
                const int dy[] = {0, 0, 1, -1};
                for (int k = 0; k < 4; ++k) {
                    const int nx = px + dx[k];
                    const int ny = py + dy[k];
                    if (nx >= 0 && ny >= 0 && nx < page.width && ny < page.height &&
                        !seen[index(nx, ny)] && page.at(nx, ny) < 128) {
                        seen[index(nx, ny)] = true;
                        stack.emplace_back(nx, ny);
                    }
                }
            }
            const int w = right - left + 1;
            const int h = bottom - top + 1;
            if (std::abs(w - side) <= 2 && std::abs(h - side) <= 2 && count * 10 >= w * h * 9) {
                found.push_back({left / 10.0, top / 10.0});
            }
        }
    }
    return found;
}

int pdfPageCount(const std::string& pdf) {
    const std::string info = scratchName(".txt");
    if (run("pdfinfo " + quote(pdf) + " >" + quote(info) + " 2>/dev/null") != 0) {
        std::filesystem::remove(info);
        return 0;
    }
    const std::string text = readAll(info);
    std::filesystem::remove(info);
    std::smatch m;
    if (std::regex_search(text, m, std::regex("Pages:\\s+(\\d+)"))) {
        return std::stoi(m[1]);
    }
    return 0;
}

std::vector<Word> pdfWords(const std::string& pdf, int page) {
    const std::string html = scratchName(".html");
    const std::string n = std::to_string(page);
    std::vector<Word> words;
    if (run("pdftotext -bbox -f " + n + " -l " + n + " " + quote(pdf) + " " + quote(html) +
            " 2>/dev/null") != 0) {
        std::filesystem::remove(html);
        return words;
    }
    const std::string text = readAll(html);
    std::filesystem::remove(html);
    const std::regex word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                          "yMax=\"[0-9.]+\">([^<]*)</word>");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
         it != std::sregex_iterator(); ++it) {
        // Points to millimetres.
        words.push_back({(*it)[4], std::stod((*it)[1]) * 25.4 / 72, std::stod((*it)[2]) * 25.4 / 72,
                         std::stod((*it)[3]) * 25.4 / 72});
    }
    return words;
}

} // namespace quintora::probe
