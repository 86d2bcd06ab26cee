// The small line and HTML routines of the downloaded pages: finding a line, removing tags, taking
// one table cell after another, putting each table row on a line of its own, and cleaning a
// position text.
#include <ctype.h>
#include <string.h>

#include <string>

#include "tools/tools.h"

#define FIND_LINE_MAX_LINES 1000000
#define STRIPPED_TEXT_LIMIT 2037
#define CELL_MIN_LINE_LENGTH 5

int Find_Line_Containing(const char* szFileName, char* szLine, FILE* pFile, const char* szText) {
    for (int n = 0; n < FIND_LINE_MAX_LINES; n++) {
        int bAtEnd = Read_Line_Limit(szFileName, szLine, pFile, DOWNLOAD_LINE_LIMIT);
        if (strstr(szLine, szText))
            return 1;
        if (bAtEnd)
            return 0;
    }
    return 0;
}

int Strip_HTML_Tags(char* szText) {
    char* pOut = szText;
    for (const char* p = szText; *p; p++) {
        if (*p == '<') {
            const char* pClose = strchr(p, '>');
            if (!pClose)
                break;
            p = pClose;
            continue;
        }
        *pOut++ = *p;
    }
    *pOut = 0;
    if (pOut - szText > STRIPPED_TEXT_LIMIT)
        szText[STRIPPED_TEXT_LIMIT] = 0;
    return (int)strlen(szText);
}

// Whichever of the two texts comes first in szText; NULL when neither is there.
static const char* Find_First_Of(const char* szText, const char* szOne, const char* szOther) {
    const char* pOne = strstr(szText, szOne);
    const char* pOther = strstr(szText, szOther);
    if (!pOne)
        return pOther;
    return pOther && pOther < pOne ? pOther : pOne;
}

int Take_HTML_Cell(char* szCell, int nSize, const char* szLine) {
    szCell[0] = 0;
    if ((int)strlen(szLine) <= CELL_MIN_LINE_LENGTH)
        return 0;
    const char* pStart = Find_First_Of(szLine, "<th", "<td");
    if (!pStart)
        return 0;
    const char* pEnd = Find_First_Of(pStart, "</th>", "</td>");
    if (!pEnd) {
        Report_Error("Couldn't find end of HTML table cell in the following line: %s", szLine);
        return 0;
    }
    pEnd += strlen("</td>");
    int nLength = (int)(pEnd - pStart);
    safe_strncpy(szCell, pStart, Min_Int(nLength + 1, nSize));
    return (int)(pEnd - szLine);
}

static int Ends_With(const std::string& st, const char* szEnd) {
    size_t nLength = strlen(szEnd);
    return st.size() >= nLength && st.compare(st.size() - nLength, nLength, szEnd) == 0;
}

// "Page.txt" becomes "Page-parsed.txt": the last four characters give way to the suffix.
static std::string Get_Parsed_File_Name(const char* szFileName) {
    std::string stName = szFileName;
    stName.resize(stName.size() > 4 ? stName.size() - 4 : 0);
    return stName + "-parsed.txt";
}

int Split_Table_Rows(const char* szFileName, char* szParsedName, int nSize) {
    std::string stParsed = Get_Parsed_File_Name(szFileName);
    safe_strncpy(szParsedName, stParsed.c_str(), nSize);
    Platform_Remove_File(stParsed.c_str());
    FILE* pIn = Platform_Open_File(szFileName, "rb");
    if (!pIn)
        return 0;
    FILE* pOut = Platform_Open_File(stParsed.c_str(), "wb");
    if (!pOut) {
        fclose(pIn);
        return 0;
    }
    // A blank right after "tbody>" or "</tr>" ends the row's line.
    std::string stRecent;
    int bWritten = 1;
    for (int ch; (ch = fgetc(pIn)) != EOF;) {
        int bEndsRow = ch == ' ' && (Ends_With(stRecent, "tbody>") || Ends_With(stRecent, "</tr>"));
        if (fputc(bEndsRow ? '\n' : ch, pOut) == EOF)
            bWritten = 0;
        stRecent.push_back((char)ch);
        if (stRecent.size() > 6)
            stRecent.erase(0, 1);
    }
    fclose(pIn);
    if (fclose(pOut) != 0)
        bWritten = 0;
    return bWritten;
}

int Clean_Position_Text(char* szText) {
    szText[strcspn(szText, "/,-")] = 0;
    char* pOut = szText;
    for (const char* p = szText; *p; p++) {
        if (isalpha((unsigned char)*p))
            *pOut++ = *p;
    }
    *pOut = 0;
    return (int)(pOut - szText);
}
