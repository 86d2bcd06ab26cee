// Appends to a large text buffer whose length the caller keeps, so a long text is not measured
// again for every piece.
#include <string.h>

#include "core/core.h"

int Get_Tracked_Length(const char* szBuffer, int nSize, int* pLength) {
    int nLength = *pLength;
    if (nLength < 0 || nLength >= nSize || szBuffer[nLength] != '\0' ||
        (nLength > 0 && szBuffer[nLength - 1] == '\0'))
        *pLength = (int)strnlen(szBuffer, nSize - 1);
    return *pLength;
}

int Append_Tracked_Text(char* szBuffer, int nSize, int* pLength, const char* szPiece, int nLimit) {
    int nLength = Get_Tracked_Length(szBuffer, nSize, pLength);
    int nPiece = (int)strlen(szPiece);
    if (nLimit > nSize - 1)
        nLimit = nSize - 1;
    if (nLength + nPiece > nLimit)
        return 0;
    memcpy(szBuffer + nLength, szPiece, nPiece + 1);
    *pLength = nLength + nPiece;
    return 1;
}
