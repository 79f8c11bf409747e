#pragma once

#include "cli/CliCommands.h"

namespace quintora::cli {

// The print and server commands run in this process: the companion program, which links Qt.
// The print commands are in CommandPrint.cpp, the server commands in CommandNet.cpp.
class QtCommandsHere final : public QtCommands {
public:
    int printSlips(const PrintSlipsArgs& args) override;
    int calibrationTest(const CalibrationTestArgs& args) override;
    int listing(const ListingArgs& args) override;
    int updateArchive(const UpdateArchiveArgs& args) override;
    int versionCheck(const VersionCheckArgs& args) override;
    int updateLanguages(const FolderUpdateArgs& args) override;
    int updateMatrices(const FolderUpdateArgs& args) override;
};

} // namespace quintora::cli
