#include "settings/IniDocument.h"

#include "core/Encoding.h"
#include "core/TextPieces.h"
#include "settings/IniSyntax.h"

#include <algorithm>
#include <limits>
#include <map>

namespace quintora {

namespace {

const Message ErrorTitle{text::ErrorTitle};

bool hasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool validSection(std::string_view name) {
    return !name.empty() && ini::trim(name) == name && !hasLineBreakOrNul(name) &&
           name.find(']') == std::string_view::npos;
}

bool validKey(std::string_view name) {
    return !name.empty() && ini::trim(name) == name && !hasLineBreakOrNul(name) &&
           name.find('=') == std::string_view::npos && name.front() != '[' && name.front() != ';';
}

// A lone CR is part of a line, so a value read with one can be written back; only LF
// (which would end the line) and NUL (which would end the value) cannot be stored.
bool validValue(std::string_view value) {
    return value.find_first_of(std::string_view("\n\0", 2)) == std::string_view::npos;
}

// Quotes a value that a reader would otherwise change (outer blanks, outer quotes).
std::string storedForm(std::string value) {
    if (value.empty()) {
        return value;
    }
    const bool outerBlank = ini::trim(value).size() != value.size();
    const bool outerQuotes = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                             value.back() == value.front();
    return outerBlank || outerQuotes ? '"' + value + '"' : value;
}

} // namespace

IniDocument::IniDocument(std::string bytes) {
    if (bytes.size() >= std::numeric_limits<std::uint32_t>::max()) {
        return;
    }
    bytes_ = std::move(bytes);
    const std::string_view all = bytes_;
    const auto offset = [&all](std::string_view piece) {
        return static_cast<std::uint32_t>(piece.data() - all.data());
    };
    const auto spanOf = [&offset](std::string_view piece) {
        return Span{offset(piece), static_cast<std::uint32_t>(piece.size())};
    };
    text::LineSplitter lines(all, ini::IniLineEnds);
    std::uint32_t index = 0;
    while (const auto line = lines.next()) {
        const ini::Line parsed = ini::classify(*line);
        const bool blank = text::trim(*line).empty();
        if (parsed.kind == ini::LineKind::Section) {
            const auto next = static_cast<std::uint32_t>(entries_.size());
            sections_.push_back({spanOf(parsed.name), index, next, next});
        } else if (!sections_.empty()) {
            Section& section = sections_.back();
            if (!blank) {
                section.lastLine = index;
            }
            if (parsed.kind == ini::LineKind::Entry) {
                // A new value replaces what follows the '=' and the blanks after it.
                auto kept = line->find('=') + 1;
                while (kept < line->size() && text::isBlank((*line)[kept])) {
                    ++kept;
                }
                entries_.push_back({spanOf(parsed.name), spanOf(parsed.value), index,
                                    static_cast<std::uint32_t>(kept)});
                section.endEntry = static_cast<std::uint32_t>(entries_.size());
            }
        }
        lastLineBlank_ = blank;
        ++index;
    }
    lineCount_ = index;
}

std::string_view IniDocument::view(Span span) const {
    return std::string_view(bytes_).substr(span.begin, span.size);
}

const IniDocument::Section* IniDocument::firstSection(std::string_view name) const {
    const auto it = std::find_if(sections_.begin(), sections_.end(), [&](const Section& s) {
        return ini::sameName(view(s.name), name);
    });
    return it == sections_.end() ? nullptr : &*it;
}

const IniDocument::Entry* IniDocument::firstEntry(const Section& section,
                                                  std::string_view key) const {
    const auto first = entries_.begin() + section.firstEntry;
    const auto end = entries_.begin() + section.endEntry;
    const auto it =
        std::find_if(first, end, [&](const Entry& e) { return ini::sameName(view(e.key), key); });
    return it == end ? nullptr : &*it;
}

std::optional<std::string> IniDocument::find(std::string_view section, std::string_view key,
                                             std::size_t maxChars) const {
    const Section* s = firstSection(windows1252FromUtf8(section));
    const Entry* e = s ? firstEntry(*s, windows1252FromUtf8(key)) : nullptr;
    if (!e) {
        return std::nullopt;
    }
    return utf8FromWindows1252(ini::cleanValue(view(e->value), maxChars));
}

Result<std::string>
IniDocument::withValues(std::string_view section,
                        std::span<const std::pair<std::string, std::string>> values) const {
    if (!validSection(section)) {
        return Error{ErrorTitle, Message{text::InvalidSectionName, {std::string(section)}}};
    }
    // The keys in the order first given, each with the value given last, in file bytes:
    // the key, the value as stored (quoted where needed) and as it reads back.
    struct Pending {
        std::string key;
        std::string stored;
        std::string value;
    };
    std::vector<Pending> pending;
    for (const auto& [key, value] : values) {
        if (!validKey(key)) {
            return Error{ErrorTitle, Message{text::InvalidKeyName, {key}}};
        }
        if (!validValue(value)) {
            return Error{ErrorTitle, Message{text::InvalidValueForKey, {key}}};
        }
        std::string keyBytes = windows1252FromUtf8(key);
        std::string valueBytes = windows1252FromUtf8(value);
        std::string stored = storedForm(valueBytes);
        const auto same = std::find_if(pending.begin(), pending.end(), [&](const Pending& p) {
            return ini::sameName(p.key, keyBytes);
        });
        if (same == pending.end()) {
            pending.push_back({std::move(keyBytes), std::move(stored), std::move(valueBytes)});
        } else {
            same->stored = std::move(stored);
            same->value = std::move(valueBytes);
        }
    }

    const std::string sectionBytes = windows1252FromUtf8(section);
    const Section* target = firstSection(sectionBytes);
    std::map<std::uint32_t, std::pair<std::uint32_t, const std::string*>> replaced; // by line
    std::string added; // new lines after the section's last line
    for (const auto& [key, stored, value] : pending) {
        if (const Entry* e = target ? firstEntry(*target, key) : nullptr) {
            // A line that already reads as the value keeps its quotes, blanks and the rest.
            if (ini::cleanValue(view(e->value), std::max(ValueLimit, value.size())) != value) {
                replaced[e->line] = {e->kept, &stored};
            }
        } else {
            added += key + '=' + stored + "\r\n";
        }
    }
    if (target && replaced.empty() && added.empty()) {
        return bytes_; // nothing to write: the file stays as it is, line ends and all
    }

    std::string out;
    out.reserve(bytes_.size() + lineCount_ + added.size() + sectionBytes.size() + 6);
    text::LineSplitter lines(bytes_, ini::IniLineEnds);
    std::uint32_t index = 0;
    while (const auto line = lines.next()) {
        const auto r = replaced.find(index);
        if (r == replaced.end()) {
            out += *line;
        } else {
            out += line->substr(0, r->second.first);
            out += *r->second.second;
        }
        out += "\r\n";
        if (target && index == target->lastLine) {
            out += added;
        }
        ++index;
    }
    if (!target) {
        if (lineCount_ > 0 && !lastLineBlank_) {
            out += "\r\n";
        }
        out += '[' + sectionBytes + "]\r\n" + added;
    }
    return out;
}

} // namespace quintora
