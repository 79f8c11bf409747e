#pragma once

#include "core/Money.h"

#include <QLocale>
#include <QString>
#include <string>

namespace quintora {

// Counts and amounts as the chosen language writes them ("2.118.760" and "€ 2,00" in Italian,
// "2,118,760" and "€2.00" in English). Files keep their own fixed formats.

// The locale of a language file's name; the program's own language, Italian, for any other.
QLocale localeOfLanguage(const std::string& languageName);

QString displayCount(double value);
// The development counts: a leading blank, as the progress dialog aligns them.
QString displayDevelopmentCount(double value);
QString displayEuro(Cents amount);
// A price in a text field, without the currency sign or grouping: "1234,50" / "1234.50".
QString displayPrice(Cents amount);
// A measure held in tenths of a millimetre, in millimetres: 45 -> "4,5", 50 -> "5".
QString displayTenths(int tenths);

} // namespace quintora
