// The installation values: where and which version was installed first and last. They live in
// "InstallValues.txt" in the installation folder, one "Name=Value" line each.

#include "shell/shell.h"

#include <string.h>
#include <unistd.h>

#define INSTALL_VALUES_TEMP_FILE INSTALL_VALUES_FILE ".new"
#define INSTALL_VALUE_MAX 16
#define INSTALL_NAME_SIZE 64
#define INSTALL_TEXT_SIZE TEXT_BUFFER_SIZE

typedef struct INSTALL_VALUE {
    char szName[INSTALL_NAME_SIZE];
    char szText[INSTALL_TEXT_SIZE];
} INSTALL_VALUE;

typedef struct INSTALL_VALUES {
    int nCount;
    INSTALL_VALUE aValues[INSTALL_VALUE_MAX];
} INSTALL_VALUES;

static INSTALL_VALUE* Find_Install_Value(INSTALL_VALUES* pStore, const char* szName) {
    for (int n = 0; n < pStore->nCount; n++) {
        if (strcmp(pStore->aValues[n].szName, szName) == 0)
            return &pStore->aValues[n];
    }
    return NULL;
}

static void Set_Install_Value(INSTALL_VALUES* pStore, const char* szName, const char* szText) {
    INSTALL_VALUE* pValue = Find_Install_Value(pStore, szName);
    if (!pValue) {
        if (pStore->nCount >= INSTALL_VALUE_MAX)
            return;
        pValue = &pStore->aValues[pStore->nCount++];
        safe_strncpy(pValue->szName, szName, sizeof pValue->szName);
    }
    safe_strncpy(pValue->szText, szText, sizeof pValue->szText);
}

// 0 when there is no store yet. Lines without a name are dropped.
static int Read_Install_Values(INSTALL_VALUES* pStore) {
    pStore->nCount = 0;
    FILE* pFile = Platform_Open_File(INSTALL_VALUES_FILE, "r");
    if (!pFile)
        return 0;
    char szLine[INSTALL_NAME_SIZE + INSTALL_TEXT_SIZE];
    int bAtEnd = 0;
    while (!bAtEnd) {
        bAtEnd = Read_Line(szLine, sizeof szLine, pFile);
        char* pEquals = strchr(szLine, '=');
        if (!pEquals || pEquals == szLine || pEquals - szLine >= INSTALL_NAME_SIZE)
            continue;
        *pEquals = 0;
        Set_Install_Value(pStore, szLine, pEquals + 1);
    }
    fclose(pFile);
    return 1;
}

// Written whole to a new file that then replaces the store, so a failed write keeps the old one.
static void Write_Install_Values(const INSTALL_VALUES* pStore) {
    FILE* pFile = Platform_Open_File(INSTALL_VALUES_TEMP_FILE, "w");
    if (!pFile)
        return;
    int bWritten = 1;
    for (int n = 0; n < pStore->nCount; n++) {
        const INSTALL_VALUE* pValue = &pStore->aValues[n];
        if (fprintf(pFile, "%s=%s\n", pValue->szName, pValue->szText) < 0)
            bWritten = 0;
    }
    if (fclose(pFile) != 0)
        bWritten = 0;
    if (bWritten)
        Platform_Rename_File(INSTALL_VALUES_TEMP_FILE, INSTALL_VALUES_FILE);
    else
        Platform_Remove_File(INSTALL_VALUES_TEMP_FILE);
}

// The store silently stays as it was when it cannot be written.
int gFirstStart = 0;

void Update_Install_Registry(void) {
    static INSTALL_VALUES store;
    int bExisted = Read_Install_Values(&store);
    gFirstStart = !bExisted;
    char szDirectory[TEXT_BUFFER_SIZE];
    if (!getcwd(szDirectory, sizeof szDirectory))
        szDirectory[0] = 0;
    char szVersion[16];
    Format_String(szVersion, sizeof szVersion, "%d", PROGRAM_VERSION);
    if (!bExisted) {
        Set_Install_Value(&store, "SelfInstallDir", szDirectory);
        Set_Install_Value(&store, "InitVer", szVersion);
        Set_Install_Value(&store, "InitType", INSTALL_TYPE);
    }
    Set_Install_Value(&store, "LastVer", szVersion);
    Set_Install_Value(&store, "LastDir", szDirectory);
    Write_Install_Values(&store);
}

int Read_Install_Value(const char* szName, char* szOut, int nSize) {
    static INSTALL_VALUES store;
    safe_strncpy(szOut, "", nSize);
    if (!Read_Install_Values(&store))
        return 0;
    const INSTALL_VALUE* pValue = Find_Install_Value(&store, szName);
    if (!pValue)
        return 0;
    safe_strncpy(szOut, pValue->szText, nSize);
    return 1;
}
