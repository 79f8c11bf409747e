#include "support/TemporaryXdg.h"

#include <QDir>

namespace quintora::test {

TemporaryXdg::TemporaryXdg()
    : oldData_(qgetenv("XDG_DATA_HOME"))
    , oldConfig_(qgetenv("XDG_CONFIG_HOME")) {
    QDir().mkpath(dataHome());
    QDir().mkpath(configHome());
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
    qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
}

TemporaryXdg::~TemporaryXdg() {
    qputenv("XDG_DATA_HOME", oldData_);
    qputenv("XDG_CONFIG_HOME", oldConfig_);
}

} // namespace quintora::test
