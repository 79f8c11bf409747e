#pragma once

#include "settings/Language.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QString>

namespace quintora {

// The program's messages in the current language. The core writes its messages in the
// program's own language, as italiano.lng has them under [Strings]: a message is looked up
// there (%1..%9 standing for any text) and shown as the same entry of the current language.
// A message of several lines that is no single entry is translated line by line; a text
// that is no entry at all is shown as it is.
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
    };
    void loadFor(const std::string& name) const;
    QString translatedLine(const QString& line) const;

    Language& language_;
    // Built again when the current language changes.
    mutable std::string loadedName_;
    mutable bool loaded_ = false;
    mutable QHash<QString, QString> exact_;
    mutable QList<Pattern> patterns_;
};

} // namespace quintora
