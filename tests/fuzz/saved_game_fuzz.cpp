// A saved game from elsewhere, loaded over the fixture league, then used and saved again.
#include "core/core.h"
#include "database/database.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/saved_game_mutator.h"
#include "shell/shell.h"

#define FUZZ_GAME_FILE "fuzz.vnt"
#define FUZZ_SAVE_FILE "fuzz_saved.vnt"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Fuzz_Reset_League();
    Fuzz_Write_File(FUZZ_GAME_FILE, pData, nSize);
    if (Load_Game_File(FUZZ_GAME_FILE)) {
        Fuzz_Use_League();
        Save_Game_File(FUZZ_SAVE_FILE, NULL);
    }
    return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* pData, size_t nSize, size_t nMaxSize,
                                          unsigned int uSeed) {
    return Mutate_Saved_Game(pData, nSize, nMaxSize, uSeed);
}
