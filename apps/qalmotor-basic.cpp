// The basic edition: no payments, no campaign reports, no old premiums.
#include "shell/startup.h"

int main(int argc, char **argv)
{
    return shell::runProgram(argc, argv, edition::Edition::Basic);
}
