// The template mark-up: <gdx:var Name[KEY=n]...> tags replaced by values, and
// <gdx:table tName[KEY=n]...> ... </gdx:table> bodies written once per row.
#include <stdlib.h>
#include <string.h>

#include "core/core.h"
#include "platform/windows_base.h"
#include "reports/encyclopedia_internal.h"

#define TAG_PLAIN 0
#define TAG_VARIABLE 1
#define TAG_TABLE 2
#define TAG_TABLE_END 3
#define VARIABLE_PREFIX "<gdx:var"
#define TABLE_PREFIX "<gdx:table"
#define TABLE_END_PREFIX "</gdx:table"
#define GROUP_TEXT_SIZE 2048

static const char* const kKeyNames[] = {"",       "GAME",   "TEAM",       "WEEK", "PLAYER",
                                        "STAT",   "LEAGUE", "DIVIS",      "POS",  "COUNT",
                                        "SEASON", "TYPE",   "LEADERSTAT", "PLAY"};
#define KEY_NAME_COUNT ((int)(sizeof kKeyNames / sizeof kKeyNames[0]))

int Get_Template_Key(const char* szGroup) {
    char szKey[GROUP_TEXT_SIZE];
    safe_strncpy(szKey, szGroup, sizeof szKey);
    char* pEquals = strrchr(szKey, '=');
    if (pEquals)
        *pEquals = 0;
    for (int nKey = 1; nKey < KEY_NAME_COUNT; nKey++) {
        if (strcmp(szKey, kKeyNames[nKey]) == 0)
            return nKey;
    }
    return -1;
}

int Get_Key_Value(const char* szGroup) {
    const char* pEquals = strchr(szGroup, '=');
    return pEquals ? atoi(pEquals + 1) : 0;
}

int Get_Context_Value(const TEMPLATE_CONTEXT* pContext, int nKey) {
    for (int n = 0; n < TEMPLATE_CONTEXT_SLOTS; n++) {
        if (pContext->anKeys[n] == nKey)
            return pContext->anValues[n];
    }
    return MISSING_KEY_VALUE;
}

// Up to six trailing groups come off the name; the last one lands in slot 5.
void Parse_Tag_Context(char* szName, TEMPLATE_CONTEXT* pContext) {
    memset(pContext, 0, sizeof *pContext);
    for (int nTaken = 0; nTaken < TEMPLATE_CONTEXT_SLOTS; nTaken++) {
        size_t nLength = strlen(szName);
        if (nLength == 0 || szName[nLength - 1] != ']')
            break;
        char* pOpen = strrchr(szName, '[');
        if (!pOpen)
            break;
        char szGroup[GROUP_TEXT_SIZE];
        safe_strncpy(szGroup, pOpen + 1, sizeof szGroup);
        char* pClose = strchr(szGroup, ']');
        if (pClose)
            *pClose = 0;
        pContext->anKeys[TEMPLATE_CONTEXT_SLOTS - 1 - nTaken] = Get_Template_Key(szGroup);
        pContext->anValues[TEMPLATE_CONTEXT_SLOTS - 1 - nTaken] = Get_Key_Value(szGroup);
        *pOpen = 0;
    }
}

int Append_Context_Group(char* szTag, int nSize, int nValue, int nKey) {
    if (nKey < 1 || nKey >= KEY_NAME_COUNT)
        return 0;
    int nLength = (int)strlen(szTag);
    if (nLength == 0 || szTag[nLength - 1] != '>')
        return 0;
    char szGroup[64];
    int nGroup = Format_String(szGroup, sizeof szGroup, "[%s=%d]>", kKeyNames[nKey], nValue);
    if (nLength - 1 + nGroup >= nSize)
        return 0;
    memcpy(szTag + nLength - 1, szGroup, (size_t)nGroup + 1);
    return 1;
}

static int Classify_Template_Tag(const char* szTag) {
    if (strlen(szTag) <= 9)
        return TAG_PLAIN;
    if (strncmp(szTag, TABLE_END_PREFIX, strlen(TABLE_END_PREFIX)) == 0)
        return TAG_TABLE_END;
    if (strncmp(szTag, TABLE_PREFIX, strlen(TABLE_PREFIX)) == 0)
        return TAG_TABLE;
    if (strncmp(szTag, VARIABLE_PREFIX, strlen(VARIABLE_PREFIX)) == 0)
        return TAG_VARIABLE;
    return TAG_PLAIN;
}

int Copy_Template_Text(const char* szText, int nLength, char* szTag, int nTagSize, FILE* pOut,
                       int nPos) {
    int nStart = nPos;
    while (nPos < nLength && szText[nPos] != '<')
        nPos++;
    if (nPos > nStart)
        fwrite(szText + nStart, 1, (size_t)(nPos - nStart), pOut);
    if (nPos >= nLength)
        return -1;
    int nCopied = 0;
    while (nPos < nLength && szText[nPos] != '>') {
        if (nCopied < nTagSize - 2)
            szTag[nCopied++] = szText[nPos];
        nPos++;
    }
    szTag[nCopied++] = '>';
    szTag[nCopied] = 0;
    return nPos < nLength ? nPos + 1 : nLength;
}

int Collect_Table_Body(const char* szText, int nLength, char* szBody, int* pBodyLength, int nPos) {
    int nCopied = 0;
    while (nPos < nLength) {
        if (szText[nPos] != '<') {
            szBody[nCopied++] = szText[nPos++];
            continue;
        }
        int nTagStart = nPos;
        while (nPos < nLength && szText[nPos] != '>')
            szBody[nCopied++] = szText[nPos++];
        if (nPos < nLength)
            szBody[nCopied++] = '>';
        if (strncmp(szText + nTagStart, TABLE_END_PREFIX, strlen(TABLE_END_PREFIX)) == 0 &&
            nPos - nTagStart >= (int)strlen(TABLE_END_PREFIX))
            break;
        if (nPos < nLength)
            nPos++;
    }
    szBody[nCopied] = 0;
    *pBodyLength = nCopied;
    return nPos < nLength ? nPos : nLength;
}

// A table's name and context from its tag (the tag's text is used up).
static int Parse_Table_Tag(char* szTag, TEMPLATE_CONTEXT* pContext) {
    size_t nLength = strlen(szTag);
    szTag[nLength - 1] = 0;  // the ">"
    char* szName = szTag + Min_Int((int)nLength - 1, (int)strlen(TABLE_PREFIX) + 1);
    Parse_Tag_Context(szName, pContext);
    return Get_Template_Table(szName);
}

static void Expand_Table_Rows(const char* szBody, int nBodyLength, int nTable,
                              const TEMPLATE_CONTEXT* pContext, char* szTag, int nTagSize,
                              FILE* pOut) {
    int nRows = Get_Table_Row_Count(nTable, pContext);
    for (int nRow = 0; nRow < nRows; nRow++) {
        int nPos = 0;
        for (;;) {
            nPos = Copy_Template_Text(szBody, nBodyLength, szTag, nTagSize, pOut, nPos);
            if (nPos < 0)
                break;
            if (Classify_Template_Tag(szTag) == TAG_VARIABLE)
                Append_Row_Context(szTag, nTagSize, nTable, pContext, nRow);
            nPos = Expand_Template_Tag(szBody, nBodyLength, szTag, nTagSize, pOut, nPos);
        }
    }
}

int Expand_Template_Tag(const char* szText, int nLength, char* szTag, int nTagSize, FILE* pOut,
                        int nPos) {
    switch (Classify_Template_Tag(szTag)) {
    case TAG_PLAIN: fputs(szTag, pOut); return nPos;
    case TAG_TABLE_END: return nPos;
    case TAG_VARIABLE:
        Expand_Template_Var(szTag, nTagSize);
        fputs(szTag, pOut);
        return nPos;
    default: break;
    }
    TEMPLATE_CONTEXT context;
    int nTable = Parse_Table_Tag(szTag, &context);
    char* szBody = (char*)malloc((size_t)(nLength - nPos) + 2);
    if (!szBody) {
        Report_Error("Out of memory for a table body in Expand_Template_Tag");
        return nLength;
    }
    int nBodyLength = 0;
    int nEnd = Collect_Table_Body(szText, nLength, szBody, &nBodyLength, nPos);
    Expand_Table_Rows(szBody, nBodyLength, nTable, &context, szTag, nTagSize, pOut);
    free(szBody);
    return nEnd < nLength ? nEnd + 1 : nLength;
}

void Expand_Template_Text(const char* szText, int nLength, const TEMPLATE_CONTEXT* pPage,
                          int nPageGroups, FILE* pOut) {
    int nTagSize = Max_Int(nLength + 1, TEMPLATE_BUFFER_MIN);
    char* szTag = (char*)malloc((size_t)nTagSize);
    if (!szTag) {
        Report_Error("Out of memory for a tag in Expand_Template_Text");
        return;
    }
    int nGroups = Min_Int(Max_Int(nPageGroups, 0), TEMPLATE_CONTEXT_SLOTS);
    int nPos = 0;
    for (;;) {
        nPos = Copy_Template_Text(szText, nLength, szTag, nTagSize, pOut, nPos);
        if (nPos < 0)
            break;
        int nClass = Classify_Template_Tag(szTag);
        if (pPage && (nClass == TAG_VARIABLE || nClass == TAG_TABLE)) {
            for (int n = 0; n < nGroups; n++)
                Append_Context_Group(szTag, nTagSize, pPage->anValues[n], pPage->anKeys[n]);
        }
        nPos = Expand_Template_Tag(szText, nLength, szTag, nTagSize, pOut, nPos);
    }
    free(szTag);
}

// The whole file, or NULL; *pLength gets its length.
static char* Read_Template_File(const char* szTemplate, int* pLength) {
    char szPath[ENCYCLOPEDIA_FOLDER_SIZE + 64];
    Format_String(szPath, sizeof szPath, "HTML_Templates\\%s", szTemplate);
    FILE* pFile = Platform_Open_File(szPath, "rb");
    if (!pFile)
        return NULL;
    int nLength = -1;
    if (fseek(pFile, 0, SEEK_END) == 0) {
        nLength = (int)ftell(pFile);
        rewind(pFile);
    }
    char* szText = nLength >= 0 ? (char*)malloc((size_t)nLength + 1) : NULL;
    if (szText && fread(szText, 1, (size_t)nLength, pFile) != (size_t)nLength) {
        free(szText);
        szText = NULL;
    }
    fclose(pFile);
    if (szText)
        szText[nLength] = 0;
    *pLength = nLength;
    return szText;
}

int Expand_Template_File(const char* szTemplate, const TEMPLATE_CONTEXT* pPage, int nPageGroups) {
    int nLength = 0;
    char* szText = Read_Template_File(szTemplate, &nLength);
    if (!szText)
        return 0;
    char szPage[ENCYCLOPEDIA_FOLDER_SIZE * 2];
    FILE* pOut = NULL;
    if (Get_Encyclopedia_Page_Name(szTemplate, pPage, szPage, sizeof szPage))
        pOut = Platform_Open_File(szPage, "wb");
    if (!pOut) {
        free(szText);
        return 0;
    }
    Expand_Template_Text(szText, nLength, pPage, nPageGroups, pOut);
    fclose(pOut);
    free(szText);
    return 1;
}
