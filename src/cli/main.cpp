// quintora-cli: the program's batch work without a window. It loads no Qt: the commands that
// print or talk to the server run in its companion programs (Companions).
#include "cli/Companions.h"

int main(int argc, char** argv) {
    quintora::cli::Companions companions(argv);
    return quintora::cli::runCommandLine(argc, argv, companions, companions);
}
