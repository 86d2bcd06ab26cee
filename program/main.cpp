// The football-vanto program: everything happens in the application's frame.

#include "shell/shell.h"

int main(int argc, char** argv) {
    return Run_Application(argc, argv);
}
