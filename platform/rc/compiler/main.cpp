// vanto_rc <input.rc> <output.cpp>: compiles a resource script into the tables the platform
// layer links. Errors name the file and line and end with exit code 1, so the build stops.
#include "rc_compiler.h"

#include <stdio.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: vanto_rc <input.rc> <output.cpp>\n");
        return 2;
    }
    std::vector<RC_TOKEN> aTokens;
    Rc_Tokenize_File(argv[1], &aTokens);
    RC_SCRIPT script;
    Rc_Parse(aTokens, &script);
    if (!Rc_Write_Source(script, argv[1], argv[2])) {
        fprintf(stderr, "%s: error: cannot write the output file\n", argv[2]);
        return 1;
    }
    return 0;
}
