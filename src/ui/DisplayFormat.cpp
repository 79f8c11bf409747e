#include "ui/DisplayFormat.h"

#include <cmath>

namespace quintora {

QLocale localeOfLanguage(const std::string& languageName) {
    if (languageName == "english") {
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    }
    return QLocale(QLocale::Italian, QLocale::Italy);
}

namespace {

// The default locale once a language is chosen; before that (the C locale) the program's own.
QLocale displayLocale() {
    const QLocale locale;
    return locale.language() == QLocale::C ? localeOfLanguage({}) : locale;
}

} // namespace

QString displayCount(double value) {
    return displayLocale().toString(static_cast<qlonglong>(std::llround(value)));
}

QString displayDevelopmentCount(double value) {
    return u' ' + displayCount(value);
}

namespace {

QString amountText(Cents amount, bool grouped) {
    const QLocale locale = displayLocale();
    const Cents magnitude = amount < 0 ? -amount : amount;
    const auto whole = static_cast<qlonglong>(magnitude / 100);
    return (amount < 0 ? QStringLiteral("-") : QString()) +
           (grouped ? locale.toString(whole) : QString::number(whole)) + locale.decimalPoint() +
           QStringLiteral("%1").arg(static_cast<int>(magnitude % 100), 2, 10, QLatin1Char('0'));
}

} // namespace

QString displayPrice(Cents amount) {
    return amountText(amount, false);
}

QString displayTenths(int tenths) {
    const QLocale locale = displayLocale();
    return tenths % 10 == 0 ? locale.toString(tenths / 10) : locale.toString(tenths / 10.0, 'f', 1);
}

QString displayEuro(Cents amount) {
    // Italian writes a blank between the sign and the amount, English none.
    const bool blank = displayLocale().language() == QLocale::Italian;
    return QStringLiteral("\u20AC") + (blank ? QStringLiteral(" ") : QString()) +
           amountText(amount, true);
}

} // namespace quintora
