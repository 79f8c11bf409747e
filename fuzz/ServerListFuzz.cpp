// Any bytes as a server list and as a request target. Every name a list yields, and every
// file a target maps to, is a plain name inside its folder.
#include "server/ServerRoutes.h"
#include "update/ServerList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintora;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    for (const bool upper : {false, true}) {
        const auto list = readNameList(bytes, upper);
        for (const auto& name : list.names) {
            if (!isPlainName(name)) {
                std::abort();
            }
            if (const auto stored = storedLanguageName(name); stored && !isPlainName(*stored)) {
                std::abort();
            }
        }
    }

    if (const auto file = contentFileFor(bytes)) {
        const auto slash = file->find('/');
        const std::string_view name = slash == std::string::npos
                                          ? std::string_view(*file)
                                          : std::string_view(*file).substr(slash + 1);
        const std::string_view folder = slash == std::string::npos
                                            ? std::string_view()
                                            : std::string_view(*file).substr(0, slash);
        if (!isPlainName(name) || (!folder.empty() && folder != "matrici" && folder != "lingue")) {
            std::abort();
        }
    }
    return 0;
}
