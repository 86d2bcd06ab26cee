// Lines put together piece by piece, cut at their size as Format_String cuts them and written
// as it would write them: the texts of every snap are formatted without printf.
#include <string.h>

#include "engine/engine.h"

void Start_Line_Text(LINE_TEXT* p, char* st, int nSize) {
    p->st = st;
    p->nSize = nSize;
    p->nLength = 0;
    if (nSize > 0)
        st[0] = '\0';
}

static void Put_Chars(LINE_TEXT* p, char c, int nCount) {
    for (; nCount > 0 && p->nLength < p->nSize - 1; nCount--)
        p->st[p->nLength++] = c;
    if (p->nSize > 0)
        p->st[p->nLength] = '\0';
}

void Put_Text(LINE_TEXT* p, const char* sz) {
    if (p->nSize <= 0)
        return;
    int nCopied = Min_Int((int)strlen(sz), p->nSize - 1 - p->nLength);
    memcpy(p->st + p->nLength, sz, (size_t)nCopied);
    p->nLength += nCopied;
    p->st[p->nLength] = '\0';
}

void Put_Padded(LINE_TEXT* p, const char* sz, int nWidth) {
    int nPad = (nWidth < 0 ? -nWidth : nWidth) - (int)strlen(sz);
    if (nWidth > 0)
        Put_Chars(p, ' ', nPad);
    Put_Text(p, sz);
    if (nWidth < 0)
        Put_Chars(p, ' ', nPad);
}

void Put_Number(LINE_TEXT* p, int n, int nWidth, int bZeros) {
    char szDigits[16];
    int nDigits = 0;
    int64_t nValue = n < 0 ? -(int64_t)n : n;
    do {
        szDigits[nDigits++] = (char)('0' + nValue % 10);
        nValue /= 10;
    } while (nValue > 0);
    int nPad = nWidth - nDigits - (n < 0);
    if (!bZeros)
        Put_Chars(p, ' ', nPad);
    if (n < 0)
        Put_Chars(p, '-', 1);
    if (bZeros)
        Put_Chars(p, '0', nPad);
    char szText[16];
    for (int i = 0; i < nDigits; i++)
        szText[i] = szDigits[nDigits - 1 - i];
    szText[nDigits] = '\0';
    Put_Text(p, szText);
}
