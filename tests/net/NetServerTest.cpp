#include "net/NetFixture.h"

namespace quintora {
namespace {

TEST_F(NetFixture, ServerAnswersItsPathsAndNothingOutsideTheRoot) {
    content.write("version.txt", "1.0.0\r\n");
    content.write("lingue/english.txt", "[x]\r\n");
    const std::string outside = content.path() + "-secret";
    { std::ofstream(outside) << "secret"; }
    std::filesystem::create_symlink(outside, content.file("lingue/link.txt"));

    EXPECT_EQ(rawStatusLine(server->port(), "/public/quintora/ver.asp"), "HTTP/1.1 200 OK");
    EXPECT_EQ(rawStatusLine(server->port(), "/public/risorse/lingue/english.txt"),
              "HTTP/1.1 200 OK");
    for (const char* target :
         {"/version.txt", "/public/risorse/lingue/../../version.txt",
          "/public/risorse/lingue/..%2F..%2Fversion.txt", "/public/risorse/lingue/%2e%2e%5cx",
          "/public/risorse/lingue/a%00b.txt", "/public/risorse/lingue/link.txt",
          "/public/risorse/matrici/download.aspx?file=..%2F..%2Fversion.txt",
          "/public/risorse/lingue/missing.txt"}) {
        EXPECT_EQ(rawStatusLine(server->port(), target), "HTTP/1.1 404 Not Found") << target;
    }
    std::filesystem::remove(outside);
}

} // namespace
} // namespace quintora
