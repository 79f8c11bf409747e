#pragma once

#include <QString>

namespace quintora {

// The program's name and version as the windows show them.
inline QString programTitle() {
    return QStringLiteral("Quintora");
}

// major.minor.revision, e.g. "1.0.0".
inline QString programVersion() {
    return QStringLiteral("%1.%2.%3")
        .arg(QUINTORA_VERSION_MAJOR)
        .arg(QUINTORA_VERSION_MINOR)
        .arg(QUINTORA_VERSION_PATCH);
}

} // namespace quintora
