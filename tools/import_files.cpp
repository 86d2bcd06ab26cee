// What every reader of the import files shares: the line loop, the missing-file notice and the
// money fields.
#include <stdio.h>
#include <string.h>

#include "core/core.h"
#include "tools/tools.h"

int For_Each_Import_Line(const char* szPath, FILE* pFile, IMPORT_LINE_READER pfnRead,
                         void* pContext) {
    char szLine[IMPORT_LINE_LIMIT];
    int nLines = 0;
    for (;;) {
        int bEnd = Read_Line_Limit(szPath, szLine, pFile, IMPORT_LINE_LIMIT);
        if (!bEnd || szLine[0] != 0)
            pfnRead(szLine, nLines++, pContext);
        if (bEnd)
            return nLines;
    }
}

int Read_Import_File(const char* szPath, const char* szMissingText, IMPORT_LINE_READER pfnRead,
                     void* pContext) {
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (pFile == NULL) {
        Show_Message_Box("Read Error", szMissingText, szPath);
        return 0;
    }
    For_Each_Import_Line(szPath, pFile, pfnRead, pContext);
    fclose(pFile);
    return 1;
}

void Read_Stepped_Data_Line(char* szLine, int nLine, void* pContext) {
    IMPORT_PROGRESS* pProgress = (IMPORT_PROGRESS*)pContext;
    if (nLine == 0)
        return;  // the header
    pProgress->pfnImportLine(szLine);
    Step_Import_Progress(pProgress, nLine);
}

void Step_Import_Progress(IMPORT_PROGRESS* pProgress, int nLine) {
    if (nLine % pProgress->nLinesPerStep == 0 && pProgress->nDone < pProgress->nSteps) {
        Step_Progress_Window(1);
        pProgress->nDone++;
    }
}

void Finish_Import_Progress(IMPORT_PROGRESS* pProgress) {
    Step_Progress_Window(pProgress->nSteps - pProgress->nDone);
    pProgress->nDone = pProgress->nSteps;
}

int Read_Import_Int(const char* szField) {
    int nValue = 0;
    Parse_Int_Field(szField, &nValue);
    return nValue;
}

double Read_Import_Decimal(const char* szField) {
    double fValue = 0;
    Parse_Decimal_Field(szField, &fValue);
    return fValue;
}

int Read_Money_Field(const char* szField) {
    char szDigits[IMPORT_FIELD_SIZE];
    int n = 0;
    for (const char* p = szField; *p && n < (int)sizeof(szDigits) - 1; p++) {
        if (*p != '$' && *p != ',')
            szDigits[n++] = *p;
    }
    szDigits[n] = 0;
    return Read_Import_Int(szDigits);
}

int Split_Import_Fields(char* szLine, char (*aszFields)[IMPORT_FIELD_SIZE], int nCount) {
    int nFound = 0;
    for (int i = 0; i < nCount; i++) {
        int bHad = szLine[0] != 0;
        Pop_Field(aszFields[i], IMPORT_FIELD_SIZE, szLine, ',');
        nFound += bHad;
    }
    return nFound;
}

void Remove_Characters(char* szText, const char* szRemoved) {
    char* pOut = szText;
    for (const char* p = szText; *p; p++) {
        if (strchr(szRemoved, *p) == NULL)
            *pOut++ = *p;
    }
    *pOut = 0;
}
