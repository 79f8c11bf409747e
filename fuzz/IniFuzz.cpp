// Any bytes as an INI file. Every lookup answers; a value written into any such file reads
// back exactly as written, and every other key keeps the value it had.
#include "core/Encoding.h"
#include "settings/IniDocument.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace {

constexpr std::array<const char*, 3> Sections = {"IMPOSTAZIONI", "A", "Strings"};
constexpr std::array<const char*, 3> Keys = {"INTESTAZIONE", "k", "LINGUA"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintora;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const IniDocument document(bytes);

    // The value: the input's last bytes, without the LF and NUL no value may hold.
    std::string valueBytes;
    for (std::size_t i = size > 40 ? size - 40 : 0; i < size; ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\0') {
            valueBytes += bytes[i];
        }
    }
    const std::string value = utf8FromWindows1252(valueBytes);
    const std::size_t section = size % Sections.size();
    const std::size_t key = (size / Sections.size()) % Keys.size();
    const std::pair<std::string, std::string> written[] = {{Keys[key], value}};

    const auto text = document.withValues(Sections[section], written);
    if (!text) {
        std::abort();
    }
    const IniDocument after(text.value());
    for (std::size_t s = 0; s < Sections.size(); ++s) {
        for (std::size_t k = 0; k < Keys.size(); ++k) {
            const auto expected = s == section && k == key ? std::optional<std::string>(value)
                                                           : document.find(Sections[s], Keys[k]);
            if (after.find(Sections[s], Keys[k]) != expected) {
                std::abort();
            }
        }
    }
    return 0;
}
