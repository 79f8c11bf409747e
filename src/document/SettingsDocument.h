#pragma once

#include "core/Result.h"
#include "document/DocumentChanges.h"
#include "settings/IniDocument.h"
#include "settings/Settings.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quintora {

// What differs between two readings of the settings.
SettingChanges settingChanges(const Settings& before, const Settings& after);

// The settings file of the run: read once, then asked by every window and command; every change
// goes through here, is written atomically into the file (whose other lines, keys and sections
// stay as they were) and reaches the listeners with the settings it changed. A failed write
// leaves the settings and the file as they were.
class SettingsDocument {
public:
    using Listener = std::function<void(SettingChanges)>;

    // The defaults, with no file: changes are refused until a file is opened.
    SettingsDocument() = default;
    // Reads `path`; see open().
    explicit SettingsDocument(const std::string& path);
    SettingsDocument(const SettingsDocument&) = delete;
    SettingsDocument& operator=(const SettingsDocument&) = delete;

    const Settings& settings() const { return settings_; }
    const std::string& path() const { return path_; }
    // Whether the file holds a header of the user's.
    bool holdsHeader() const;
    // Headers that are no header of the user's: the placeholders that ask for one, in every
    // language. A file that holds one of them (an earlier version stored it) reads as holding
    // none, so the slips print the placeholder of the language in use.
    void setHeaderPlaceholders(std::vector<std::string> placeholders);
    // Why the file could not be read, when it could not: the settings are the defaults then, and
    // every change is refused so that the file is never overwritten.
    const std::optional<Error>& readProblem() const { return readProblem_; }

    // Returns an id for removeListener.
    int addListener(Listener listener);
    void removeListener(int id);

    // Reads the file at `path` (a missing file gives the defaults); listeners hear what differs
    // from the settings held before.
    Status open(const std::string& path);

    // The settings dialog's "Salva": every key of the dialog; the slip printing window's keys
    // stay. Refuses a price that is not one.
    Status save(const Settings& settings);
    // The rules a question of the main window switched to.
    Status setRules(GameRules rules);
    // The slip printing window's last output (one of SlipOutputs) and PDF folder.
    Status setSlipOutput(const std::string& output, const std::string& pdfFolder);
    // The listing window's last output and PDF folder, kept the same way.
    Status setListingOutput(const std::string& output, const std::string& pdfFolder);
    // The recent systems, the latest first; entries the file cannot keep are left out.
    Status setRecentFiles(const std::vector<std::string>& list);

private:
    // Writes `text` as the file's new bytes, then holds and announces what it reads as.
    Status adopt(Result<std::string> text);
    // Reads the file; readProblem_ says why it could not.
    void load(const std::string& path);
    // Holds what file_ reads as and tells the listeners what differs.
    void take(IniDocument file);
    void notify(SettingChanges what);
    // Empties a header that is one of the placeholders.
    void forgetPlaceholderHeader();

    std::string path_;
    IniDocument file_;
    Settings settings_;
    std::vector<std::string> placeholders_;
    std::optional<Error> readProblem_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListenerId_ = 1;
};

} // namespace quintora
