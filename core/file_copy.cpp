// A file copied under another name, never over a file that is already there.
#include <stdio.h>

#include "core/core.h"

#define COPY_CHUNK 65536

int Copy_File_If_Absent(const char* szFrom, const char* szTo) {
    if (File_Exists(szTo))
        return 0;
    FILE* pIn = Platform_Open_File(szFrom, "rb");
    if (!pIn)
        return 0;
    FILE* pOut = Platform_Open_File(szTo, "wbx");
    if (!pOut) {
        fclose(pIn);
        return 0;
    }
    static char acChunk[COPY_CHUNK];
    int bOk = 1;
    size_t nRead;
    while (bOk && (nRead = fread(acChunk, 1, sizeof acChunk, pIn)) > 0)
        bOk = fwrite(acChunk, 1, nRead, pOut) == nRead;
    bOk = !ferror(pIn) && bOk;
    fclose(pIn);
    if (fclose(pOut) != 0)
        bOk = 0;
    if (!bOk)
        Platform_Remove_File(szTo);  // a part copy is no copy
    return bOk;
}
