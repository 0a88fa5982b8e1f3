#include "CliApplication.h"
#include "services/filesystem/OpenFileLimit.h"

int main(int argc, char **argv)
{
    // A run keeps handles on many destination folders at once.
    OpenFileLimit::raiseToHardLimit();
    return CliApplication::run(argc, argv);
}
