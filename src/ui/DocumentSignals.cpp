#include "ui/DocumentSignals.h"

namespace quintora {

DocumentSignals::DocumentSignals(SystemDocument& document, QObject* parent)
    : QObject(parent)
    , document_(document)
    , listenerId_(document.addListener([this](Changes what) { emit changed(what); })) {}

DocumentSignals::~DocumentSignals() {
    document_.removeListener(listenerId_);
}

} // namespace quintora
