// The full edition.
#include "shell/startup.h"

int main(int argc, char **argv)
{
    return shell::runProgram(argc, argv, edition::Edition::Full);
}
