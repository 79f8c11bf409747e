#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads printed output back: a PDF page turned into pixels by the poppler tools, and the
// filled squares found on it.
namespace quintora::probe {

// Runs a shell command; its exit status (-1 when it did not run).
int run(const std::string& command);

// A grey page; 0 is black.
struct GreyPage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    std::uint8_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// Page `page` (from 1) of a PDF at 254 dpi, so a pixel is a tenth of a millimetre. An empty
// page when the tools fail.
GreyPage renderPdfPage(const std::string& pdf, int page);

// The top-left corners, in millimetres, of the solid dark squares of about `sideMm`.
struct Square {
    double x;
    double y;
};
std::vector<Square> findSquares(const GreyPage& page, double sideMm);

// The number of pages of a PDF; 0 when it cannot be read.
int pdfPageCount(const std::string& pdf);

// The words of a page with the top-left corner of their box in millimetres.
struct Word {
    std::string text;
    double x;
    double y;
    double right = 0; // where the word ends
};
std::vector<Word> pdfWords(const std::string& pdf, int page);

} // namespace quintora::probe
