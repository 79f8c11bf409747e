#include "ui/ArchiveSignals.h"

namespace quintora {

ArchiveSignals::ArchiveSignals(ArchiveDocument& document, QObject* parent)
    : QObject(parent)
    , document_(document)
    , listenerId_(document.addListener([this](ArchiveChanges what) { emit changed(what); })) {}

ArchiveSignals::~ArchiveSignals() {
    document_.removeListener(listenerId_);
}

} // namespace quintora
