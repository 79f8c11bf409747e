#pragma once

#include "document/SystemDocument.h"

#include <QObject>

namespace quintora {

// Turns the document's notifications into a Qt signal, so windows connect to it as to any
// other change and stop hearing it when they are destroyed.
class DocumentSignals : public QObject {
    Q_OBJECT
public:
    DocumentSignals(SystemDocument& document, QObject* parent);
    ~DocumentSignals() override;

    SystemDocument& document() const { return document_; }

signals:
    void changed(quintora::Changes what);

private:
    SystemDocument& document_;
    int listenerId_;
};

} // namespace quintora
