#include "CliApplication.h"
#include "services/filesystem/OpenFileLimit.h"

#include <csignal>

int main(int argc, char **argv)
{
    // A run keeps handles on many destination folders at once.
    OpenFileLimit::raiseToHardLimit();
    // The watch asks whether anyone writes a file by taking a read lease for an instant;
    // a writer opening the file then breaks it with SIGIO, which would end the program.
    static_cast<void>(std::signal(SIGIO, SIG_IGN));
    return CliApplication::run(argc, argv);
}
