// The one seeding of the random generator at start-up.

#include "shell/shell.h"

void Seed_Startup_Random(void) {
    if (gCommandLineFlags & IS_NOT_RANDOM) {
        Seed_Random(FIXED_RANDOM_SEED);
    } else {
        Seed_Random((uint32_t)Platform_Time() ^ GetTickCount());
    }
}
