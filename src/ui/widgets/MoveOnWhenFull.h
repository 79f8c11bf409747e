#pragma once

class QLineEdit;

namespace quintora {

// Once the user has typed the last place of `field`'s input mask, the focus moves on to the
// next control of the window, as Tab would: a row of two-digit fields takes "0311172440"
// typed in one go.
void moveOnWhenFull(QLineEdit* field);

} // namespace quintora
