// Any bytes as a language file, read by the INI rules as they stand and, for inputs of an
// odd size (half of them, as the padding is slow), also padded by a long comment line, as a
// large file.
#include "settings/LanguageFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void lookUp(const quintora::LanguageFile& file) {
    for (const char* section : {"frmMAIN", "Strings", "frmSpoglio"}) {
        for (const char* key : {"frmMAIN.Caption", "0001", "lblCategoria(3).Caption", "a"}) {
            static_cast<void>(file.value(section, key));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quintora::LanguageFile;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    lookUp(LanguageFile::fromBytes(bytes));
    if (size % 2 == 1) {
        lookUp(LanguageFile::fromBytes(bytes + "\r\n;" + std::string(64000, '-')));
    }
    return 0;
}
