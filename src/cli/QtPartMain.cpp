// quintora-cli-qt: quintora-cli's companion, started by it for the commands that print or talk
// to the server; it links Qt. It takes the same command line as quintora-cli.
#include "cli/QtCommandsHere.h"

int main(int argc, char** argv) {
    quintora::cli::QtCommandsHere here;
    return quintora::cli::runCommandLine(argc, argv, here);
}
