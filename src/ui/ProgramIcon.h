#pragma once

#include <QIcon>

namespace quintora {

// The program's icon, drawn in code in the same design as data/icons/quintora.svg (the
// desktop entry's icon), so the windows need no image plugin.
QIcon programIcon();

} // namespace quintora
