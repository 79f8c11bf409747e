#pragma once

#include "print/PrintTexts.h"

#include <QLocale>

namespace quintora {

// The separators a locale writes numbers with, for the printed slip numbers and amounts.
NumberStyle numberStyleOf(const QLocale& locale);

} // namespace quintora
