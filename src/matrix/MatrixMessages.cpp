#include "matrix/MatrixMessages.h"

#include "settings/Language.h"
#include "settings/TextTable.h"

#include <utility>

namespace quintora {

namespace {

template <typename Lookup> void fill(MatrixMessages& m, Lookup text) {
    const std::pair<TextId, std::string*> ids[] = {
        {text::InvalidFileFormat, &m.invalidIdentifier},
        {text::CrcErrorFileDamaged, &m.badChecksum},
        {text::MatrixExpired, &m.expired},
        {text::MatrixNotActiveYet, &m.notActive},
        {text::MatrixTooManyColumns, &m.tooManyColumns},
        {text::SystemHoldsAtMost200000, &m.columnLimit},
        {text::FixedNumbersChosen, &m.fixedChosen},
        {text::FixedNumberNo, &m.fixedQuestion},
        {text::ChooseAmongNumbersInPlay, &m.fixedAmong},
        {text::MatrixWord, &m.matrixType},
        {text::ReducedMatrix, &m.reducedMatrixType},
    };
    for (const auto& [id, field] : ids) {
        *field = text(id);
    }
}

} // namespace

MatrixMessages::MatrixMessages() {
    fill(*this, [](TextId id) { return TextTable::own().entry(id); });
}

MatrixMessages MatrixMessages::fromLanguage(Language& language) {
    MatrixMessages m;
    fill(m, [&language](TextId id) { return language.text(Message{id}); });
    return m;
}

} // namespace quintora
