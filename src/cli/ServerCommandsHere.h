#pragma once

#include "cli/CliCommands.h"

namespace quintora::cli {

// The server commands, run in this process (quintora-cli-net, which links Qt Network).
class ServerCommandsHere final : public ServerCommands {
public:
    int updateArchive(const UpdateArchiveArgs& args) override;
    int versionCheck(const VersionCheckArgs& args) override;
    int updateLanguages(const FolderUpdateArgs& args) override;
    int updateMatrices(const FolderUpdateArgs& args) override;
};

} // namespace quintora::cli
