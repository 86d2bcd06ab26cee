// Bounded string operations: copy and append with a size, printf into a sized buffer, and small
// in-place edits. Texts are Windows-1252 bytes; case changes touch the ASCII letters only.
#include "core/core.h"

#include <ctype.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>

static void Log_Null_Pointer(const char* dst, const char* src, int nSize) {
    Log_Debug_Line("Null pointer in safe_strncpy(0x%08X,0x%08X,%d)", (unsigned)(uintptr_t)dst,
                   (unsigned)(uintptr_t)src, nSize);
}

// Copies src to dst[nStart..] so that dst keeps within nSize bytes with its terminator.
// Returns the characters copied, or -1 when src did not fit.
static int Copy_Bounded(char* dst, int nStart, const char* src, int nSize) {
    int nCopied = 0;
    while (src[nCopied] != 0 && nStart + nCopied < nSize - 1) {
        dst[nStart + nCopied] = src[nCopied];
        nCopied++;
    }
    if (nSize > 0)
        dst[nStart + nCopied] = 0;
    return src[nCopied] != 0 ? -1 : nCopied;
}

int safe_strncpy(char* dst, const char* src, int nSize) {
    if (dst == NULL || src == NULL) {
        Log_Null_Pointer(dst, src, nSize);
        return 0;
    }
    return Copy_Bounded(dst, 0, src, nSize);
}

int safe_strncat(char* dst, const char* src, int nSize) {
    if (dst == NULL || src == NULL) {
        Log_Null_Pointer(dst, src, nSize);
        return 0;
    }
    if (nSize < 1)
        return 0;
    int nEnd = 0;
    while (nEnd < nSize - 1 && dst[nEnd] != 0)
        nEnd++;
    Copy_Bounded(dst, nEnd, src, nSize);
    int nLength = (int)strlen(dst);
    if (nLength >= nSize - 2)
        Report_Error("Buffer filled in safe_strncat.  Str len %d", nSize - 1);
    return nLength;
}

// vsnprintf into nSize bytes, always terminated at the buffer's last byte.
static int Format_Bounded(char* szBuffer, int nSize, const char* szFormat, va_list args) {
    if (nSize < 1)
        return 0;
    int nResult = vsnprintf(szBuffer, (size_t)nSize, szFormat, args);
    szBuffer[nSize - 1] = 0;
    return nResult;
}

int Format_String(char* szBuffer, int nSize, const char* szFormat, ...) {
    va_list args;
    va_start(args, szFormat);
    int nResult = Format_Bounded(szBuffer, nSize, szFormat, args);
    va_end(args);
    return nResult;
}

int Append_Format_String(char* szBuffer, int nSize, const char* szFormat, ...) {
    if (nSize < 1)
        return 0;
    const char* pEnd = (const char*)memchr(szBuffer, 0, (size_t)nSize);
    if (pEnd == NULL)
        return 0;
    int nUsed = (int)(pEnd - szBuffer);
    va_list args;
    va_start(args, szFormat);
    int nResult = Format_Bounded(szBuffer + nUsed, nSize - nUsed, szFormat, args);
    va_end(args);
    return nResult;
}

char* Find_Text_No_Case(const char* szText, const char* szPattern) {
    for (const char* pStart = szText;; pStart++) {
        int k = 0;
        while (szPattern[k] != 0 &&
               tolower((unsigned char)pStart[k]) == tolower((unsigned char)szPattern[k])) {
            k++;
        }
        if (szPattern[k] == 0)
            return (char*)pStart;
        if (*pStart == 0)
            return NULL;
    }
}

int Remove_Char(char* szText, char ch) {
    int nOut = 0;
    for (int nIn = 0; szText[nIn] != 0; nIn++) {
        if (szText[nIn] != ch)
            szText[nOut++] = szText[nIn];
    }
    szText[nOut] = 0;
    return nOut;
}

// Moves the text right by nBlanks and fills the front with blanks; what would pass the end of
// the nSize-byte buffer is cut.
static void Insert_Blanks(char* szText, int nSize, int nBlanks) {
    if (nSize < 1)
        return;
    nBlanks = Min_Int(nBlanks, nSize - 1);
    int nKept = Min_Int((int)strlen(szText), nSize - 1 - nBlanks);
    memmove(szText + nBlanks, szText, (size_t)nKept);
    szText[nBlanks + nKept] = 0;
    memset(szText, ' ', (size_t)nBlanks);
}

// Returns the number of blanks put in front, negative when the text is longer than nWidth.
int Pad_Left(char* szText, int nSize, int nWidth) {
    int nMissing = nWidth - (int)strlen(szText);
    if (nMissing > 0)
        Insert_Blanks(szText, nSize, nMissing);
    return nMissing;
}

void Pad_Left_Double(char* szText, int nSize, int nWidth) {
    int nMissing = nWidth - (int)strlen(szText);
    if (nMissing > 0)
        Insert_Blanks(szText, nSize, 2 * nMissing);
}

void Make_Upper_Case(char* szText) {
    for (; *szText != 0; szText++) {
        if (*szText >= 'a' && *szText <= 'z')
            *szText = (char)(*szText - 'a' + 'A');
    }
}

void Make_Lower_Case(char* szText) {
    for (; *szText != 0; szText++) {
        if (*szText >= 'A' && *szText <= 'Z')
            *szText = (char)(*szText - 'A' + 'a');
    }
}

void Keep_Safe_File_Characters(char* szText) {
    for (char* p = szText; *p; p++) {
        char ch = *p;
        int bSafe = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
                    (ch >= '0' && ch <= '9') || ch == '_' || ch == '-';
        if (!bSafe)
            *p = '_';
    }
}

HINSTANCE Get_App_Instance(void) {
    return GetModuleHandleA(NULL);
}

int Load_String(UINT nId, char* szOut, int nSize) {
    if (nSize < 1)
        return 0;
    szOut[0] = 0;
    int nLength = LoadStringA(Get_App_Instance(), nId, szOut, nSize);
    if (nLength <= 0)
        szOut[0] = 0;
    return nLength > 0 ? nLength : 0;
}
