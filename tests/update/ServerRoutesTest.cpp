#include "server/ServerRoutes.h"

#include <gtest/gtest.h>

namespace quintora {
namespace {

TEST(ServerRoutes, EveryServerPathMapsToItsContentFile) {
    const std::pair<const char*, const char*> routes[] = {
        {"/public/quintora/ver.asp", "version.txt"},
        {"/quintora/archivio.asp", "archivio.txt"},
        {"/public/risorse/lista.asp?K=05", "matrici/lista.txt"},
        {"/public/risorse/matrici/download.aspx?file=V7T3M3.DAT", "matrici/V7T3M3.DAT"},
        {"/public/risorse/matrici/download.aspx?file=V7%20T3.DAT", "matrici/V7 T3.DAT"},
        {"/public/risorse/lingue/lista.txt", "lingue/lista.txt"},
        {"/public/risorse/lingue/english.txt", "lingue/english.txt"},
        {"/public/risorse/lingue/thankstolingue.txt", "lingue/thankstolingue.txt"},
    };
    for (const auto& [target, file] : routes) {
        EXPECT_EQ(contentFileFor(target), std::optional<std::string>(file)) << target;
    }
}

TEST(ServerRoutes, HostileOrUnknownTargetsAreNotFound) {
    for (const char* target : {"/",
                               "/version.txt",
                               "/archivio.txt",
                               "/public/risorse/lista.asp",
                               "/public/risorse/lista.asp?K=06",
                               "/public/risorse/lista.asp?K=05&K=05",
                               "/public/risorse/lingue/../../version.txt",
                               "/public/risorse/lingue/..%2Fversion.txt",
                               "/public/risorse/lingue/..%2fversion.txt",
                               "/public/risorse/lingue/a%5Cb.txt",
                               "/public/risorse/lingue/a%00b.txt",
                               "/public/risorse/lingue/a%0Ab.txt",
                               "/public/risorse/lingue/%2E%2E",
                               "/public/risorse/lingue/a%2",
                               "/public/risorse/lingue/",
                               "/public/risorse/lingue/sub/x.txt",
                               "/public//quintora/ver.asp",
                               "/public/risorse/matrici/download.aspx",
                               "/public/risorse/matrici/download.aspx?file=",
                               "/public/risorse/matrici/download.aspx?file=../version.txt",
                               "/public/risorse/matrici/download.aspx?file=..%2F..%2Fetc%2Fpasswd",
                               "/public/risorse/matrici/download.aspx?file=%2Fetc%2Fpasswd",
                               "/public/risorse/matrici/download.aspx?file=a%5Cb",
                               "/public/risorse/matrici/download.aspx?file=a%01",
                               "/public/risorse/matrici/download.aspx?file=C:x",
                               "//etc/passwd",
                               "*"}) {
        EXPECT_EQ(contentFileFor(target), std::nullopt) << target;
    }
}

} // namespace
} // namespace quintora
