#include "matrix/MatrixMessages.h"

#include "settings/Language.h"
#include "settings/TextTable.h"

#include <utility>

namespace quintora {

namespace {

template <typename Lookup> void fill(MatrixMessages& m, Lookup text) {
    const std::pair<int, std::string*> ids[] = {
        {8, &m.invalidIdentifier}, {9, &m.badChecksum},        {10, &m.expired},
        {11, &m.notActive},        {12, &m.tooManyColumns},    {13, &m.columnLimit},
        {14, &m.fixedChosen},      {15, &m.fixedQuestion},     {16, &m.fixedAmong},
        {17, &m.matrixType},       {18, &m.reducedMatrixType},
    };
    for (const auto& [id, field] : ids) {
        *field = text(id);
    }
}

} // namespace

MatrixMessages::MatrixMessages() {
    fill(*this, [](int id) { return TextTable::own().entry(id); });
}

MatrixMessages MatrixMessages::fromLanguage(Language& language) {
    MatrixMessages m;
    fill(m, [&language](int id) { return language.text(Message{id}); });
    return m;
}

} // namespace quintora
