// A downloaded language file is stored only when it is whole.
#include "settings/LanguageFileCheck.h"

#include "settings/LanguageFile.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace quintora;

namespace {

std::string shipped(const char* name) {
    std::ifstream in(std::string(QUINTORA_SHIPPED_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST(LanguageFileCheck, TheShippedFilesAreWhole) {
    for (const char* name : {"italiano.lng", "english.lng"}) {
        const std::string bytes = shipped(name);
        ASSERT_GT(bytes.size(), 1000u) << name;
        EXPECT_EQ(languageFileProblem(bytes), std::nullopt) << name;
    }
    EXPECT_EQ(languageFileProblem("\xEF\xBB\xBF[frmMAIN]\n; note\n\n[strings]\r\n0001=\"a\"\r\n"),
              std::nullopt);
}

TEST(LanguageFileCheck, PiecesOfAFileAreRefused) {
    const std::string whole = shipped("italiano.lng");
    const std::string strings = "[frmMAIN]\r\nfrmMAIN.Caption=Q\r\n[Strings]\r\n";
    // Whole in every other way, but larger than a language file is ever read.
    std::string huge = strings;
    while (huge.size() <= LanguageFile::MaxFileBytes) {
        huge += "0001=\"" + std::string(500, 'x') + "\"\r\n";
    }
    const std::pair<std::string, const char*> cases[] = {
        {whole.substr(0, whole.size() / 2), "riga"},
        {whole.substr(0, whole.size() - 3), "l'ultima riga e' interrotta"},
        {whole.substr(0, whole.rfind("\r\n[Strings]") + 2), "manca la sezione [Strings]"},
        {"[Strings]\r\n0001=\"a\"\r\n", "manca la sezione [frmMAIN]"},
        {"", "manca la sezione [frmMAIN]"},
        {strings + "0001=\"open\r\n", "riga 4 (valore senza le virgolette di chiusura)"},
        {strings + "0001=\"\r\n", "riga 4 (valore senza"},
        {strings + "[Strin\r\n", "riga 4 (sezione senza \"]\")"},
        {strings + "<html>\r\n", "riga 4 (non e' chiave=valore)"},
        {strings + "=x\r\n", "riga 4 (non e' chiave=valore)"},
        {huge, "il file e' troppo grande"},
    };
    for (const auto& [bytes, saying] : cases) {
        const auto problem = languageFileProblem(bytes);
        ASSERT_TRUE(problem.has_value()) << bytes.substr(0, 60);
        EXPECT_NE(ownLanguageText(*problem).find(saying), std::string::npos) << *problem;
    }
}
