#pragma once

#include "document/ArchiveDocument.h"

#include <QObject>

namespace quintora {

// Turns the archive document's notifications into a Qt signal, so windows connect to it as to
// any other change and stop hearing it when they are destroyed.
class ArchiveSignals : public QObject {
    Q_OBJECT
public:
    ArchiveSignals(ArchiveDocument& document, QObject* parent);
    ~ArchiveSignals() override;

signals:
    void changed(quintora::ArchiveChanges what);

private:
    ArchiveDocument& document_;
    int listenerId_;
};

} // namespace quintora
