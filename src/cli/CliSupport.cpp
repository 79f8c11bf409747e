#include "cli/CliSupport.h"

#include "core/Development.h"
#include "files/SystemFile.h"

#include <algorithm>
#include <iostream>

namespace quintora::cli {

bool openOrReport(SystemDocument& document, const std::string& path) {
    const auto opened = document.open(path);
    if (!opened) {
        fail(path + ": " + opened.error().message);
        return false;
    }
    for (const auto& w : opened.value()) {
        std::cerr << "quintora-cli: " << path << ": " << w << "\n";
    }
    return true;
}

bool saveOrReport(SystemDocument& document, const std::string& out) {
    if (const auto saved = document.saveAs(out); !saved) {
        fail((out.empty() ? std::string("-o") : out) + ": " + saved.error().message);
        return false;
    }
    return true;
}

void warnLimit(double limit) {
    auto text = limitWarningText(limit);
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::cerr << "quintora-cli: " << LimitWarningTitle << ": " << text << "\n";
}

} // namespace quintora::cli
