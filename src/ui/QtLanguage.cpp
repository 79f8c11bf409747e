#include "ui/QtLanguage.h"

#include "ui/DisplayFormat.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace quintora {

QtLanguage::QtLanguage(QObject* parent)
    : QObject(parent) {}

void QtLanguage::apply(const std::string& languageName) {
    const QLocale locale = localeOfLanguage(languageName);
    QLocale::setDefault(locale);
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
    // English needs no translation of Qt's texts; any other language takes Qt's own file.
    if (locale.language() != QLocale::English &&
        translator_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installed_ = QCoreApplication::installTranslator(&translator_);
    }
}

} // namespace quintora
