#include "document/SettingsDocument.h"

#include "files/FileIo.h"

#include <algorithm>

namespace quintora {

SettingChanges settingChanges(const Settings& before, const Settings& after) {
    SettingChanges changes;
    const auto mark = [&changes](bool differs, SettingChange change) {
        if (differs) {
            changes = changes | change;
        }
    };
    mark(before.language != after.language, SettingChange::Language);
    mark(before.rules != after.rules, SettingChange::Rules);
    mark(before.pricePerColumn != after.pricePerColumn, SettingChange::Price);
    mark(before.server != after.server, SettingChange::Server);
    mark(before.header != after.header, SettingChange::Header);
    mark(before.slipOutput != after.slipOutput || before.slipPdfFolder != after.slipPdfFolder,
         SettingChange::SlipOutput);
    mark(before.listingPrinter != after.listingPrinter, SettingChange::ListingPrinter);
    mark(before.listingOutput != after.listingOutput ||
             before.listingPdfFolder != after.listingPdfFolder,
         SettingChange::ListingOutput);
    mark(before.recentFiles != after.recentFiles, SettingChange::RecentFiles);
    mark(before.recalcMode != after.recalcMode || before.recalcSource != after.recalcSource,
         SettingChange::Recalculation);
    return changes;
}

SettingsDocument::SettingsDocument(const std::string& path) {
    load(path);
}

bool SettingsDocument::holdsHeader() const {
    return file_.find(SettingsSection, "INTESTAZIONE").has_value();
}

int SettingsDocument::addListener(Listener listener) {
    const int id = nextListenerId_++;
    listeners_.emplace_back(id, std::move(listener));
    return id;
}

void SettingsDocument::removeListener(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void SettingsDocument::notify(SettingChanges what) {
    if (what.empty()) {
        return;
    }
    // A listener may add or remove listeners: call a copy.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners) {
        listener(what);
    }
}

void SettingsDocument::take(IniDocument file) {
    const Settings before = settings_;
    file_ = std::move(file);
    settings_ = readConfiguration(file_);
    forgetPlaceholderHeader();
    notify(settingChanges(before, settings_));
}

void SettingsDocument::forgetPlaceholderHeader() {
    if (std::find(placeholders_.begin(), placeholders_.end(), settings_.header) !=
        placeholders_.end()) {
        settings_.header.clear();
    }
}

void SettingsDocument::setHeaderPlaceholders(std::vector<std::string> placeholders) {
    std::erase(placeholders, std::string());
    placeholders_ = std::move(placeholders);
    const Settings before = settings_;
    forgetPlaceholderHeader();
    notify(settingChanges(before, settings_));
}

void SettingsDocument::load(const std::string& path) {
    path_ = path;
    auto loaded = IniFile(path).load();
    if (!loaded) {
        readProblem_ = loaded.error();
        take(IniDocument{});
        return;
    }
    readProblem_.reset();
    take(std::move(loaded.value()));
}

Status SettingsDocument::open(const std::string& path) {
    load(path);
    if (readProblem_) {
        return *readProblem_;
    }
    return success();
}

Status SettingsDocument::adopt(Result<std::string> text) {
    if (readProblem_) {
        return *readProblem_; // never overwrite a file that could not be read
    }
    if (!text) {
        return text.error();
    }
    if (path_.empty()) {
        return Error{Message{text::ErrorTitle},
                     Message{text::NoSettingsFileToWrite}}; // "E R R O R E"
    }
    if (text.value() != file_.bytes()) {
        if (const Status written = writeFileAtomically(path_, text.value()); !written) {
            return written;
        }
    }
    take(IniDocument(std::move(text.value())));
    return success();
}

Status SettingsDocument::save(const Settings& settings) {
    return adopt(writeConfiguration(file_, settings));
}

Status SettingsDocument::setRules(GameRules rules) {
    return adopt(rememberRules(file_, rules));
}

Status SettingsDocument::setSlipOutput(const std::string& output, const std::string& pdfFolder) {
    return adopt(rememberSlipOutput(file_, output, pdfFolder));
}

Status SettingsDocument::setListingOutput(const std::string& output, const std::string& pdfFolder) {
    return adopt(rememberListingOutput(file_, output, pdfFolder));
}

Status SettingsDocument::setRecentFiles(const std::vector<std::string>& list) {
    return adopt(rememberRecentFiles(file_, list));
}

} // namespace quintora
