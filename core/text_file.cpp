// Text-file helpers: line readers, CSV fields, whole-line appends and small file queries.
//
// Lines are read byte by byte. The files are text files, so a carriage return in front of a
// newline is not part of the line: the readers drop it, as a text-mode read does.

#include "core/core.h"

#include <errno.h>
#include <stdarg.h>
#include <string.h>

// The runtime's error number for a cut string.
#define STRUNCATE 80

int gLineTooLongShown = 0;

// One character of a text file: a carriage return before a newline reads as the newline alone.
static int Read_Text_Char(FILE* pFile) {
    int ch = fgetc(pFile);
    if (ch != '\r')
        return ch;
    int chNext = fgetc(pFile);
    if (chNext == '\n')
        return '\n';
    if (chNext != EOF)
        ungetc(chNext, pFile);
    return ch;
}

// Reads one line into szOut, keeping at most nLimit - 1 characters; the rest of a longer line
// is read and dropped, and *pCut tells so. Returns 1 at end of file (or without a file).
static int Read_Line_Into(char* szOut, FILE* pFile, int nLimit, int* pCut) {
    int p = 0;
    *pCut = 0;
    szOut[0] = 0;
    if (!pFile)
        return 1;
    for (;;) {
        int ch = Read_Text_Char(pFile);
        if (ch == EOF || ch == '\n') {
            szOut[p] = 0;
            return ch == EOF;
        }
        szOut[p] = (char)ch;
        if (p + 1 < nLimit)
            p++;
        else
            *pCut = 1;
    }
}

int Read_Line_Limit(const char* szFileName, char* szOut, FILE* pFile, int nLimit) {
    int bCut;
    int nAtEnd = Read_Line_Into(szOut, pFile, nLimit, &bCut);
    if (bCut && !gLineTooLongShown) {
        Show_Message_Box("Read_Line_Limit",
                         "Line too long in %s.\n\nLimit = %d characters.\n\nExtra character(s) "
                         "ignored.",
                         szFileName, nLimit);
        gLineTooLongShown = 1;
    }
    return nAtEnd;
}

// A line longer than the buffer is cut to fit it.
int Read_Line(char* szOut, int nSize, FILE* pFile) {
    if (nSize < 1)
        return Skip_Line(pFile);
    int bCut;
    return Read_Line_Into(szOut, pFile, nSize, &bCut);
}

int Skip_Line(FILE* pFile) {
    if (!pFile)
        return 1;
    for (;;) {
        int ch = Read_Text_Char(pFile);
        if (ch == EOF)
            return 1;
        if (ch == '\n')
            return 0;
    }
}

// A field longer than its nSize-byte buffer is cut to fit; the text still loses all of it.
int Pop_Field(char* szField, int nSize, char* szText, char chDelimiter) {
    char* pEnd = szText;
    while (*pEnd && *pEnd != chDelimiter)
        pEnd++;
    if (nSize > 0) {
        size_t nLength = (size_t)Min_Int((int)(pEnd - szText), nSize - 1);
        memcpy(szField, szText, nLength);
        szField[nLength] = 0;
    }
    if (!*pEnd) {
        szText[0] = 0;
        return 1;
    }
    memmove(szText, pEnd + 1, strlen(pEnd + 1) + 1);
    return 0;
}

int Append_Line_To_File(const char* szFileName, const char* szText) {
    if (!szFileName || !szFileName[0] || !szText)
        return 0;
    FILE* pFile = Platform_Open_File(szFileName, "at");
    if (!pFile)
        return 0;
    int bWritten = fputs(szText, pFile) >= 0 && fputc('\n', pFile) != EOF;
    if (fclose(pFile) != 0)
        bWritten = 0;
    return bWritten;
}

static int Append_Formatted_Line(const char* szFileName, const char* szFormat, va_list args) {
    char szText[TEXT_BUFFER_SIZE];
    vsnprintf(szText, sizeof szText, szFormat, args);
    return Append_Line_To_File(szFileName, szText);
}

int Append_Format_To_File(const char* szFileName, const char* szFormat, ...) {
    va_list args;
    va_start(args, szFormat);
    int nWritten = Append_Formatted_Line(szFileName, szFormat, args);
    va_end(args);
    return nWritten;
}

int Append_Format_Line(const char* szFileName, const char* szFormat, ...) {
    va_list args;
    va_start(args, szFormat);
    int nWritten = Append_Formatted_Line(szFileName, szFormat, args);
    va_end(args);
    return nWritten;
}

int Count_File_Lines(const char* szPath) {
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (!pFile) {
        Show_System_Error(errno, "File Error", "Couldn't open file: \"%s\"", szPath);
        return 0;
    }
    int nLines = 1;
    int ch;
    while ((ch = fgetc(pFile)) != EOF)
        if (ch == '\n')
            nLines++;
    fclose(pFile);
    return nLines;
}

int Get_File_Length(FILE* pFile) {
    if (!pFile)
        return 0;
    rewind(pFile);
    int nLength = 0;
    while (Read_Text_Char(pFile) != EOF)
        nLength++;
    rewind(pFile);
    return nLength;
}

const char* Get_Errno_Text(void) {
    if (errno == STRUNCATE)
        return "String was truncated";
    return strerror(errno);
}

int File_Exists(const char* szPath) {
    FILE* pFile = Platform_Open_File(szPath, "r");
    if (!pFile)
        return 0;
    fclose(pFile);
    return 1;
}

int Has_Path_Parts(const char* szName) {
    return strchr(szName, '/') || strchr(szName, '\\') || strstr(szName, "..");
}
