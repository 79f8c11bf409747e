// quintora-cli-net: the companion that runs quintora-cli's server commands (Qt Network). It
// takes the same command line as quintora-cli.
#include "cli/Companions.h"
#include "cli/ServerCommandsHere.h"

int main(int argc, char** argv) {
    quintora::cli::ServerCommandsHere server;
    quintora::cli::Companions others(argv);
    return quintora::cli::runCommandLine(argc, argv, others, server);
}
