#pragma once

#include <functional>
#include <QObject>
#include <QString>

namespace quintora {

// F1 anywhere in the program: asks for the manual at the section of the window that has the
// key, named by that window's objectName ("frmSomma"). Watches the whole application, so every
// dialog has it without code of its own.
class ManualKey : public QObject {
    Q_OBJECT
public:
    using Open = std::function<void(const QString& section)>;
    ManualKey(Open open, QObject* parent);
    ~ManualKey() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Open open_;
};

} // namespace quintora
