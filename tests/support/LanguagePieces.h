#pragma once

// Reading the shipped language files the way a user reads the windows: which texts of a window
// or a box come from the file, and which were written into the code.

#include "settings/LanguageFile.h"

#include <algorithm>
#include <map>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace quintora::test {

// The keys of each section, in file order (section names as written).
inline std::map<QString, QStringList> keysOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    std::map<QString, QStringList> keys;
    QString section;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            keys[section];
        } else if (!section.isEmpty() && line.contains(u'=') && !line.startsWith(u';')) {
            keys[section] << line.left(line.indexOf(u'='));
        }
    }
    return keys;
}

// The texts of the file, longest first, split where a message takes a value (%1), without
// the mnemonic marks and the space around them.
inline QStringList piecesOf(const QString& path) {
    const LanguageFile file = LanguageFile::load(path.toStdString());
    QStringList pieces;
    for (const auto& [section, keys] : keysOf(path)) {
        for (const QString& key : keys) {
            QString value =
                QString::fromStdString(file.value(section.toStdString(), key.toStdString()));
            value.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
            value.remove(QStringLiteral("..."));
            value.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
            for (const QString& part :
                 value.split(QRegularExpression(QStringLiteral("%\\d|\\[\\d*\\]|\\n")))) {
                if (const QString piece = part.trimmed(); piece.size() >= 2) {
                    pieces << piece;
                }
            }
        }
    }
    std::sort(pieces.begin(), pieces.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return pieces;
}

// What is left of a text once every piece that the language file gives is taken out, with
// mnemonics, digits, punctuation and the program's own names: letters left over were written
// into the code instead of the file.
inline QString leftOverWords(QString text, const QStringList& pieces) {
    text.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
    text.remove(QStringLiteral("...")); // a menu entry's tooltip drops them
    // Links, paths and file names are no words of a language.
    text.remove(QRegularExpression(
        QStringLiteral("<[^>]*>|https?://\\S+|\\S*/\\S*|[\\w-]+\\.[a-z]{3,4}\\b")));
    // A piece counts only as whole words: "to" is no part of "Quintora".
    static QHash<QString, QRegularExpression> wholeWords;
    for (const QString& piece : pieces) {
        if (!text.contains(piece)) {
            continue;
        }
        auto found = wholeWords.constFind(piece);
        if (found == wholeWords.constEnd()) {
            found =
                wholeWords.insert(piece, QRegularExpression(QStringLiteral("(?<!\\p{L})") +
                                                            QRegularExpression::escape(piece) +
                                                            QStringLiteral("(?!\\p{L})")));
        }
        text.replace(*found, QStringLiteral(" "));
    }
    for (const char* name : {"Quintora", "Eurojackpot", "Euro", "Laser"}) {
        text.replace(QString::fromUtf8(name), QStringLiteral(" "));
    }
    text.remove(QRegularExpression(QStringLiteral("[^\\p{L}]+")));
    return text.size() >= 2 ? text : QString();
}

} // namespace quintora::test
