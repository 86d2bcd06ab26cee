// Edit boxes of the editors: text cut to its field, numbers read strictly.
#include <ctype.h>
#include <errno.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>

#include "dialogs/dialogs.h"

void Limit_Edit_Box(HWND hDlg, int nId, int nChars) {
    SendDlgItemMessageA(hDlg, nId, EM_LIMITTEXT, (WPARAM)nChars, 0);
}

void Get_Edit_Box_Text(HWND hDlg, int nId, char* szOut, int nFieldChars) {
    char szText[TEXT_BUFFER_SIZE];
    GetDlgItemTextA(hDlg, nId, szText, (int)sizeof szText);
    safe_strncpy(szOut, szText, nFieldChars + 1);
}

void Set_Number_Box(HWND hDlg, int nId, int nValue) {
    char szText[32];
    Format_String(szText, (int)sizeof szText, "%d", nValue);
    SetDlgItemTextA(hDlg, nId, szText);
}

int Parse_Whole_Number(const char* szText, int bMoney, int* pValue) {
    char szDigits[64];
    int n = 0;
    for (const char* p = szText; *p; p++) {
        if (bMoney && (*p == '$' || *p == ','))
            continue;
        if (isspace((unsigned char)*p))
            continue;
        if (n + 1 >= (int)sizeof szDigits)
            return 0;
        szDigits[n++] = *p;
    }
    szDigits[n] = '\0';
    if (n == 0)
        return 0;
    char* pEnd = NULL;
    errno = 0;
    long nValue = strtol(szDigits, &pEnd, 10);
    if (*pEnd != '\0' || errno == ERANGE || nValue > INT32_MAX || nValue < INT32_MIN)
        return 0;
    *pValue = (int)nValue;
    return 1;
}

int Read_Number_Box(HWND hDlg, int nId, const char* szLabel, int bMoney, int* pValue) {
    char szText[TEXT_BUFFER_SIZE];
    GetDlgItemTextA(hDlg, nId, szText, (int)sizeof szText);
    if (Parse_Whole_Number(szText, bMoney, pValue))
        return 1;
    Show_Message_Box("Invalid Entry", "%s must be a whole number.", szLabel);
    SetFocus(GetDlgItem(hDlg, nId));
    return 0;
}

int Parse_Decimal_Number(const char* szText, float* pValue) {
    char* pEnd = NULL;
    float fValue = strtof(szText, &pEnd);
    while (pEnd && isspace((unsigned char)*pEnd))
        pEnd++;
    if (pEnd == szText || !pEnd || *pEnd != '\0' || !isfinite(fValue))
        return 0;
    *pValue = fValue;
    return 1;
}
