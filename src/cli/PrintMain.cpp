// quintora-cli-print: the companion that runs quintora-cli's print commands (Qt Gui and Print
// Support). It takes the same command line as quintora-cli.
#include "cli/Companions.h"
#include "cli/PrintCommandsHere.h"

int main(int argc, char** argv) {
    quintora::cli::PrintCommandsHere print;
    quintora::cli::Companions others(argv);
    return quintora::cli::runCommandLine(argc, argv, print, others);
}
