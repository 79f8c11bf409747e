// Any bytes as a downloaded file, checked as the updates check what arrives before storing it:
// the first byte picks the kind (archive text, language file, matrix file), the rest is the
// file. A text that passes must still fail once cut; an archive never shrinks against itself.
#include "archive/ArchiveText.h"
#include "archive/ArchiveUpdate.h"
#include "matrix/MatrixFile.h"
#include "settings/LanguageFile.h"
#include "settings/LanguageFileCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

namespace {

void checkArchiveText(std::string_view text) {
    using namespace quintora;
    const auto archive = parseArchiveText(text);
    if (!archive) {
        return;
    }
    const DrawArchive& a = archive.value();
    if (shrinkProblem(a, a)) {
        std::abort();
    }
    if (a.count() > 1) {
        DrawArchive fewer = a;
        fewer.draws.pop_back();
        if (!shrinkProblem(a, fewer)) {
            std::abort();
        }
    }
}

void checkLanguageFile(std::string_view text) {
    using namespace quintora;
    if (languageFileProblem(text)) {
        return;
    }
    // Whole: the same text with a last line cut short is not.
    if (!languageFileProblem(std::string(text) + "x")) {
        std::abort();
    }
    static_cast<void>(LanguageFile::fromBytes(std::string(text)).value("Strings", "0001"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> file(data + 1, size - 1);
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    switch (data[0] % 3) {
    case 0:
        checkArchiveText(text);
        break;
    case 1:
        checkLanguageFile(text);
        break;
    default:
        static_cast<void>(quintora::decodeMatrixFile(file));
        break;
    }
    return 0;
}
