// A name file from elsewhere, as both the first-name and the last-name list, then players named
// from it.
#include "core/core.h"
#include "database/database.h"
#include "fuzz/fuzz_support.h"
#include "personnel/personnel.h"

#define NAMED_PLAYERS_PER_INPUT 3

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Fuzz_Reset_League();
    Fuzz_Write_File("names/first.txt", pData, nSize);
    Fuzz_Write_File("names/last.txt", pData, nSize);
    gFirstNameFileLines = 0;
    gLastNameFileLines = 0;
    Load_First_Names();
    Load_Last_Names();
    for (int nSlot = 0; nSlot < NAMED_PLAYERS_PER_INPUT; nSlot++)
        Generate_Player_Name(0, nSlot);
    return 0;
}
