#include "cli/CliSupport.h"

#include "core/Development.h"
#include "files/SystemFile.h"

#include <algorithm>
#include <iostream>

namespace quintora::cli {

const SettingsDocument& userSettings() {
    // An unreadable file gives the defaults, as a missing one does: the commands never write it.
    static const SettingsDocument settings(standardSettingsPath());
    return settings;
}

bool openOrReport(SystemDocument& document, const std::string& path) {
    const auto opened = document.open(path);
    if (!opened) {
        fail(path + ": " + said(opened.error()));
        return false;
    }
    for (const auto& w : opened.value()) {
        std::cerr << "quintora-cli: " << path << ": " << said(w) << "\n";
    }
    return true;
}

bool saveOrReport(SystemDocument& document, const std::string& out) {
    if (const auto saved = document.saveAs(out); !saved) {
        fail((out.empty() ? std::string("-o") : out) + ": " + said(saved.error()));
        return false;
    }
    return true;
}

void warnLimit(double limit) {
    auto text = said(limitWarningText(limit));
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::cerr << "quintora-cli: " << said(LimitWarningTitle) << ": " << text << "\n";
}

} // namespace quintora::cli
