#include "update/ServerPaths.h"

namespace quintora {

std::string percentEncoded(std::string_view text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0F];
        }
    }
    return out;
}

std::string serverUrl(std::string_view server, std::string_view path) {
    while (!server.empty() && (server.back() == ' ' || server.back() == '/')) {
        server.remove_suffix(1);
    }
    while (!server.empty() && server.front() == ' ') {
        server.remove_prefix(1);
    }
    while (!path.empty() && path.front() == '/') {
        path.remove_prefix(1);
    }
    std::string url(server);
    url += '/';
    url += path;
    return url;
}

std::string matrixFileUrl(std::string_view server, std::string_view name) {
    return serverUrl(server, serverpath::MatrixFilePrefix + percentEncoded(name));
}

std::string languageFileUrl(std::string_view server, std::string_view name) {
    return serverUrl(server, serverpath::LanguageFolder + percentEncoded(name));
}

} // namespace quintora
