#pragma once

#include "settings/Language.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QString>

namespace quintora {

// The program's messages in the current language. The core writes its messages in the
// program's own language, as italiano.lng has them under [Strings]: a message is looked up
// there (%1..%9 standing for any text) and shown as the same entry of the current language;
// the values an entry's %N stand for are translated in turn when they are entries themselves,
// and counts take the current language's grouping.
// A message of several lines (broken by CR LF, LF or CR) that is no single entry is translated
// line by line, its breaks kept; a text that is no entry at all is shown as it is.
class MessageCatalogue {
public:
    explicit MessageCatalogue(Language& language)
        : language_(language) {}

    QString translated(const QString& text) const;

private:
    struct Pattern {
        QRegularExpression match; // the Italian entry, its values captured in order
        QList<int> numbers;       // the %N of each capture
        QString translation;
        qsizetype literalLength = 0; // the entry's characters outside its %N
    };
    void loadFor(const std::string& name) const;
    QString translatedLine(const QString& line) const;
    QString translatedValue(const QString& value, qsizetype wholeLength) const;
    QString filledIn(const Pattern& pattern, const QRegularExpressionMatch& found,
                     qsizetype wholeLength) const;

    Language& language_;
    // Built again when the current language changes.
    mutable std::string loadedName_;
    mutable bool loaded_ = false;
    mutable QHash<QString, QString> exact_;
    mutable QList<Pattern> patterns_;
};

} // namespace quintora
