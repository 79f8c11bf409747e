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

std::unique_ptr<SystemDocument> openSystem(const std::string& path, SystemNeed need,
                                           std::optional<Cents> price) {
    auto document = std::make_unique<SystemDocument>();
    if (price) {
        document->setPricePerColumn(*price);
    }
    const auto opened = document->open(path);
    if (!opened) {
        fail(path + ": " + said(opened.error()));
        return nullptr;
    }
    for (const auto& w : opened.value()) {
        std::cerr << "quintora-cli: " << path << ": " << said(w) << "\n";
    }
    // These refusals keep the program's own words in every language: scripts read them.
    if (need == SystemNeed::Columns && !document->hasColumns()) {
        fail(path + ": " + ownLanguageText(Message{text::SystemHasNoColumns}));
        return nullptr;
    }
    // A developed system is locked: the window's commands that change it are off until
    // "Modifiche".
    if (need == SystemNeed::Unlocked && document->locked()) {
        fail(path + ": " + ownLanguageText(Message{text::SystemLockedRefusal}));
        return nullptr;
    }
    return document;
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
