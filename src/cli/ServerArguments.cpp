// What update-archive, version-check, update-languages and update-matrices take.
#include "cli/CommandLine.h"

#include <memory>

namespace quintora::cli {

namespace {

void addServer(CLI::App& sub, std::optional<std::string>& into) {
    sub.add_option("--server", into, "the server (else the SERVER setting)")->type_name("URL");
}

void addFolder(CLI::App& sub, FolderUpdateArgs& args) {
    sub.add_option("--dir", args.dir, "the folder to store the files in")
        ->required()
        ->type_name("DIR");
    addNumber(sub, "--deadline", args.deadlineSeconds,
              "seconds the whole command may take, 1..3600 (default 120)")
        ->check(CLI::Range(1, 3600))
        ->type_name("SECONDS");
}

} // namespace

void addServerCommands(CommandSet& commands, ServerCommands& server) {
    commands.define("update-archive", [&server](CLI::App& sub) -> Runner {
        auto args = std::make_shared<UpdateArchiveArgs>();
        addServer(sub, args->server);
        addOutput(sub, args->out, "the archive file to write")->type_name("ARCHIVE.dat");
        sub.add_flag("--accept-changes", args->acceptChanges,
                     "apply a download that changes or drops draws the archive holds");
        return [args, &server] {
            return server.updateArchive(*args);
        };
    });
    commands.define("version-check", [&server](CLI::App& sub) -> Runner {
        auto args = std::make_shared<VersionCheckArgs>();
        addServer(sub, args->server);
        sub.add_option("--local", args->local, "the local version (else this program's)")
            ->type_name("X.Y.Z");
        return [args, &server] {
            return server.versionCheck(*args);
        };
    });
    commands.define("update-languages", [&server](CLI::App& sub) -> Runner {
        auto args = std::make_shared<FolderUpdateArgs>();
        addServer(sub, args->server);
        addFolder(sub, *args);
        return [args, &server] {
            return server.updateLanguages(*args);
        };
    });
    commands.define("update-matrices", [&server](CLI::App& sub) -> Runner {
        auto args = std::make_shared<FolderUpdateArgs>();
        addServer(sub, args->server);
        addFolder(sub, *args);
        return [args, &server] {
            return server.updateMatrices(*args);
        };
    });
}

} // namespace quintora::cli
