// An Input/DraftStrategy.txt from elsewhere.
#include "core/core.h"
#include "database/database.h"
#include "fuzz/fuzz_support.h"
#include "personnel/personnel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Fuzz_Reset_League();
    Fuzz_Write_File("Input/DraftStrategy.txt", pData, nSize);
    Load_Draft_Strategy();
    return 0;
}
