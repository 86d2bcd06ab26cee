// An Input/DraftTalent.txt from elsewhere, then a few prospects made from it.
#include "core/core.h"
#include "database/database.h"
#include "fuzz/fuzz_support.h"
#include "personnel/personnel.h"

#define PROSPECTS_PER_INPUT 3

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Fuzz_Reset_League();
    Fuzz_Write_File("Input/DraftTalent.txt", pData, nSize);
    Load_Draft_Talent();
    for (int nSlot = 0; nSlot < PROSPECTS_PER_INPUT; nSlot++) {
        int nPosition = Choose_Prospect_Position();
        if (Generate_New_Player(FIRST_DRAFT_POOL_TEAM, nSlot, nPosition, 0))
            Is_Prospect_Rejected(FIRST_DRAFT_POOL_TEAM, nSlot);
    }
    return 0;
}
