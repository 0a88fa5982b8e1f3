#include "CliApplication.h"

int main(int argc, char **argv)
{
    return CliApplication::run(argc, argv);
}
