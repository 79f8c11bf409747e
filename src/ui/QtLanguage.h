#pragma once

#include <QObject>
#include <QTranslator>
#include <string>

namespace quintora {

// Qt's own texts (the standard buttons, the file dialogs) and the number formats follow the
// program's language: Qt's translation of it is installed and its locale made the default.
class QtLanguage : public QObject {
    Q_OBJECT
public:
    explicit QtLanguage(QObject* parent = nullptr);

    void apply(const std::string& languageName);

private:
    QTranslator translator_;
    bool installed_ = false;
};

} // namespace quintora
