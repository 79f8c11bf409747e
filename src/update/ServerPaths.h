#pragma once

#include <string>
#include <string_view>

namespace quintora {

// The paths the program asks its server for, relative to the server's address.
namespace serverpath {
inline constexpr const char* Version = "public/quintora/ver.asp";
inline constexpr const char* Archive = "quintora/archivio.asp";
inline constexpr const char* MatrixList = "public/risorse/lista.asp?K=05";
inline constexpr const char* MatrixFilePrefix = "public/risorse/matrici/download.aspx?file=";
inline constexpr const char* LanguageFolder = "public/risorse/lingue/";
inline constexpr const char* LanguageList = "public/risorse/lingue/lista.txt";
inline constexpr const char* LanguageCredits = "public/risorse/lingue/thankstolingue.txt";
} // namespace serverpath

// Every byte but letters, digits and "-._~" as %XX, so a name stays one path segment or one
// query value.
std::string percentEncoded(std::string_view text);

// The server's address (the SERVER setting) with `path` appended, with exactly one "/" between.
std::string serverUrl(std::string_view server, std::string_view path);
std::string matrixFileUrl(std::string_view server, std::string_view name);
std::string languageFileUrl(std::string_view server, std::string_view name);

} // namespace quintora
