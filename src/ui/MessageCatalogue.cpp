#include "ui/MessageCatalogue.h"

#include "settings/LanguageFile.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace quintora {

namespace {

constexpr const char* OwnLanguage = "italiano";

// The message ids of the [Strings] section: its four-digit keys.
std::vector<std::string> messageIds(const LanguageFile& file) {
    std::vector<std::string> ids = file.keys("Strings");
    std::erase_if(ids, [](const std::string& key) {
        return key.size() != 4 ||
               !std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
    });
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
        if (source.isEmpty() || target.isEmpty()) {
            continue;
        }
        if (!source.contains(placeholder())) {
            if (target != source) {
                exact_.insert(source, target);
            }
            continue;
        }
        // Kept even when the words are the same: its values may be messages of their own.
        Pattern pattern;
        QString expression = QStringLiteral("^");
        qsizetype at = 0;
        for (auto it = placeholder().globalMatch(source); it.hasNext();) {
            const auto m = it.next();
            const QString literal = source.mid(at, m.capturedStart() - at);
            expression += QRegularExpression::escape(literal) + QStringLiteral("(.+?)");
            pattern.literalLength += literal.size();
            pattern.numbers << m.captured(1).toInt();
            at = m.capturedEnd();
        }
        pattern.literalLength += source.size() - at;
        expression += QRegularExpression::escape(source.mid(at)) + u'$';
        pattern.match =
            QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
        pattern.translation = target;
        patterns_ << pattern;
    }
    // When several entries fit a text, the one with the most fixed words says most about it:
    // "Il numero Euro %1 ..." before "Il numero %1 ...", which would take "Euro 5" as a value.
    std::stable_sort(patterns_.begin(), patterns_.end(), [](const Pattern& a, const Pattern& b) {
        return a.literalLength > b.literalLength;
    });
}

QString MessageCatalogue::translatedValue(const QString& value, qsizetype wholeLength) const {
    // The core groups thousands the Italian way ("200.000"): a value that is such a count is
    // written as the current language groups it.
    static const QRegularExpression count(QStringLiteral("^\\d{1,3}(\\.\\d{3})+$"));
    if (count.match(value).hasMatch()) {
        return localeOfLanguage(loadedName_).toString(QString(value).remove(u'.').toLongLong());
    }
    // A value may be a message of its own (the reason after "Riga 3: "); a file name or a
    // plain number is no entry and stays as it is.
    return value.size() < wholeLength ? translated(value) : value;
}

QString MessageCatalogue::filledIn(const Pattern& pattern, const QRegularExpressionMatch& found,
                                   qsizetype wholeLength) const {
    // One pass over the translation, so a value that itself holds "%2" stays as it is.
    QString result;
    qsizetype at = 0;
    for (auto it = placeholder().globalMatch(pattern.translation); it.hasNext();) {
        const auto m = it.next();
        result += pattern.translation.mid(at, m.capturedStart() - at);
        at = m.capturedEnd();
        const auto index = pattern.numbers.indexOf(m.captured(1).toInt());
        if (index < 0) {
            result += m.captured();
            continue;
        }
        result += translatedValue(found.captured(static_cast<int>(index) + 1), wholeLength);
    }
    return result + pattern.translation.mid(at);
}

QString MessageCatalogue::translatedLine(const QString& line) const {
    if (const auto found = exact_.constFind(line); found != exact_.constEnd()) {
        return *found;
    }
    // Spaces around the text belong to the layout of the box, not to the message.
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
        if (const auto m = pattern.match.match(core); m.hasMatch()) {
            return before + filledIn(pattern, m, core.size()) + after;
        }
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
    // The core breaks its lines with CR LF, LF or a lone CR; the entries with LF.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList breaks;
    for (auto it = lineBreak.globalMatch(text); it.hasNext();) {
        breaks << it.next().captured();
    }
    if (breaks.isEmpty()) {
        return translatedLine(text);
    }
    const QStringList lines = text.split(lineBreak);
    const QString joined = lines.join(u'\n');
    if (QString whole = translatedLine(joined); whole != joined) {
        if (breaks.count(breaks.first()) == breaks.size()) {
            whole.replace(u'\n', breaks.first());
        }
        return whole;
    }
    QString result = translatedLine(lines.first());
    for (qsizetype i = 1; i < lines.size(); ++i) {
        result += breaks.at(i - 1) + translatedLine(lines.at(i));
    }
    return result;
}

} // namespace quintora
