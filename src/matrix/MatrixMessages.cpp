#include "matrix/MatrixMessages.h"

#include "settings/Language.h"

namespace quintora {

MatrixMessages MatrixMessages::fromLanguage(Language& language) {
    MatrixMessages m;
    const std::pair<const char*, std::string*> ids[] = {
        {"0008", &m.invalidIdentifier}, {"0009", &m.badChecksum},       {"0010", &m.expired},
        {"0011", &m.notActive},         {"0012", &m.tooManyColumns},    {"0013", &m.columnLimit},
        {"0014", &m.fixedChosen},       {"0015", &m.fixedQuestion},     {"0016", &m.fixedAmong},
        {"0017", &m.matrixType},        {"0018", &m.reducedMatrixType},
    };
    for (const auto& [id, text] : ids) {
        if (auto found = language.getLangString(id); !found.empty()) {
            *text = std::move(found);
        }
    }
    return m;
}

} // namespace quintora
