// Text made safe for an HTML page: the characters with a meaning in mark-up become entities.
#include <string.h>

#include "core/core.h"

// The entity of a character that must not appear as itself; NULL for any other.
static const char* Get_Html_Entity(char ch) {
    switch (ch) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    case '\'': return "&#39;";
    default: return NULL;
    }
}

int Escape_Html(char* szOut, int nSize, const char* szText) {
    if (szOut == NULL || nSize <= 0)
        return 0;
    int nLength = 0;
    for (const char* p = szText ? szText : ""; *p; p++) {
        const char* szEntity = Get_Html_Entity(*p);
        int nPiece = szEntity ? (int)strlen(szEntity) : 1;
        if (nLength + nPiece >= nSize)
            break;
        if (szEntity)
            memcpy(szOut + nLength, szEntity, nPiece);
        else
            szOut[nLength] = *p;
        nLength += nPiece;
    }
    szOut[nLength] = '\0';
    return nLength;
}
