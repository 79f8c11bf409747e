#include "render/PrintLocale.h"

namespace quintora {

NumberStyle numberStyleOf(const QLocale& locale) {
    return NumberStyle{locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

} // namespace quintora
