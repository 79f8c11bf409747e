#include "ui/MessageCatalogue.h"

#include "settings/LanguageFile.h"
#include "ui/LanguageText.h"

#include <cstdio>
#include <string>
#include <vector>

namespace quintora {

namespace {

constexpr const char* OwnLanguage = "italiano";

// The ids of the [Strings] section. Message ids are four digits, and a language file answers
// a key in either of its reading modes, so each possible id is asked for.
std::vector<std::string> messageIds(const LanguageFile& file) {
    std::vector<std::string> ids;
    for (int n = 0; n <= 9999; ++n) {
        char id[5];
        std::snprintf(id, sizeof id, "%04d", n);
        if (!file.value("Strings", id).empty()) {
            ids.emplace_back(id);
        }
    }
    return ids;
}

const QRegularExpression& placeholder() {
    static const QRegularExpression pattern(QStringLiteral("%([1-9])"));
    return pattern;
}

} // namespace

void MessageCatalogue::loadFor(const std::string& name) const {
    loadedName_ = name;
    loaded_ = true;
    exact_.clear();
    patterns_.clear();
    if (name.empty() || name == OwnLanguage) {
        return;
    }
    const LanguageFile own =
        LanguageFile::load(languageFilePath(language_.dataFolder(), OwnLanguage));
    const LanguageFile current = language_.load();
    for (const std::string& id : messageIds(own)) {
        const QString source = messageText(own.value("Strings", id), "");
        const QString target = messageText(current.value("Strings", id), "");
        if (target.isEmpty() || target == source) {
            continue;
        }
        if (!source.contains(placeholder())) {
            exact_.insert(source, target);
            continue;
        }
        Pattern pattern;
        QString expression = QStringLiteral("^");
        qsizetype at = 0;
        for (auto it = placeholder().globalMatch(source); it.hasNext();) {
            const auto m = it.next();
            expression += QRegularExpression::escape(source.mid(at, m.capturedStart() - at));
            expression += QStringLiteral("(.+?)");
            pattern.numbers << m.captured(1).toInt();
            at = m.capturedEnd();
        }
        expression += QRegularExpression::escape(source.mid(at)) + u'$';
        pattern.match =
            QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
        pattern.translation = target;
        patterns_ << pattern;
    }
}

QString MessageCatalogue::translatedLine(const QString& line) const {
    if (const auto found = exact_.constFind(line); found != exact_.constEnd()) {
        return *found;
    }
    // Trailing spaces and a CR belong to the layout of the box, not to the message.
    const QString core = line.trimmed();
    if (core.isEmpty()) {
        return line;
    }
    const qsizetype lead = line.indexOf(core);
    const QString before = line.left(lead);
    const QString after = line.mid(lead + core.size());
    if (const auto found = exact_.constFind(core); found != exact_.constEnd()) {
        return before + *found + after;
    }
    for (const Pattern& pattern : patterns_) {
        const auto m = pattern.match.match(core);
        if (!m.hasMatch()) {
            continue;
        }
        QString result = pattern.translation;
        for (int i = 0; i < pattern.numbers.size(); ++i) {
            result.replace(u'%' + QString::number(pattern.numbers.at(i)), m.captured(i + 1));
        }
        return before + result + after;
    }
    return line;
}

QString MessageCatalogue::translated(const QString& text) const {
    const std::string& name = language_.resolvedName();
    if (!loaded_ || name != loadedName_) {
        loadFor(name);
    }
    if (text.isEmpty() || (exact_.isEmpty() && patterns_.isEmpty())) {
        return text;
    }
    const QString whole = translatedLine(text);
    if (whole != text || !text.contains(u'\n')) {
        return whole;
    }
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        line = translatedLine(line);
    }
    return lines.join(u'\n');
}

} // namespace quintora
