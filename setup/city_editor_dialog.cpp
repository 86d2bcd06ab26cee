// The city editor and Rename City: the league's cities, their figures and photos, shown and, in
// Commissioner Mode, edited. The editor writes the cities at once; Escape leaves them as they are.
#include <dirent.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define CE_CITY_LIST 1288
#define CE_PHOTO_LIST 1296
#define CE_EDIT_NAME 4
#define CE_ERASE_CITY 1319
#define CE_ADD_CITY 3
#define CE_HELP 9
#define RC_NAME 1286
#define RC_HELP 9
#define CE_PHOTO_FOLDER "Cities"
#define CE_PHOTO_EXTENSION ".jpg"
#define CE_NAME_CHARS (CITY_NAME_SIZE - 1)
#define CE_PHOTO_CHARS (CITY_PHOTO_SIZE - 1)
#define CE_DEGREE_THOUSANDTHS 1000

struct CITY_FIELD {
    int nId;
    const char* szLabel;
    int nStat;
};
static const CITY_FIELD kCityFields[] = {
    {1289, "City Population", CITY_POPULATION},
    {1290, "Region Population", CITY_REGION_POPULATION},
    {1291, "New Population / Year", CITY_GROWTH},
    {1292, "Per Capita Income", CITY_INCOME},
    {1293, "Altitude", CITY_ALTITUDE},
    {1294, "Longitude", CITY_LONGITUDE},
    {1295, "Latitude", CITY_LATITUDE},
    {1252, "Time Zone", CITY_TIME_ZONE},
};
#define CE_FIELD_COUNT ((int)(sizeof kCityFields / sizeof kCityFields[0]))

static int Is_Degree_Stat(int nStat) {
    return nStat == CITY_LONGITUDE || nStat == CITY_LATITUDE;
}

// Thousandths of a degree as a decimal number with the sign once in front: -74006 is -74.006.
void Format_City_Degrees(int nThousandths, char* szOut, int nSize) {
    Format_String(szOut, nSize, "%s%d.%03d", nThousandths < 0 ? "-" : "",
                  abs(nThousandths) / CE_DEGREE_THOUSANDTHS,
                  abs(nThousandths) % CE_DEGREE_THOUSANDTHS);
}

// A decimal number of degrees into thousandths, truncated toward zero; 0 when not a number.
int Parse_City_Degrees(const char* szText, int* pThousandths) {
    float fDegrees = 0.0f;
    if (!Parse_Decimal_Number(szText, &fDegrees) || fabsf(fDegrees) > 360.0f)
        return 0;
    *pThousandths = (int)(fDegrees * CE_DEGREE_THOUSANDTHS);
    return 1;
}

// ---- the photo list -------------------------------------------------------------------------------

// The pictures "Cities\*.jpg" by name; a name longer than the city's photo field cannot be kept,
// so it is not offered. 0 when there is none.
static int Fill_City_Photo_List(HWND hDlg) {
    HWND hList = GetDlgItem(hDlg, CE_PHOTO_LIST);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    char szFolder[TEXT_BUFFER_SIZE];
    Platform_Resolve_Path(CE_PHOTO_FOLDER, szFolder, sizeof szFolder);
    DIR* pFolder = opendir(szFolder);
    int nCount = 0;
    size_t nExtension = strlen(CE_PHOTO_EXTENSION);
    for (struct dirent* p = pFolder ? readdir(pFolder) : NULL; p; p = readdir(pFolder)) {
        size_t nLength = strlen(p->d_name);
        if (nLength <= nExtension ||
            strcasecmp(p->d_name + nLength - nExtension, CE_PHOTO_EXTENSION) != 0 ||
            nLength - nExtension > CE_PHOTO_CHARS)
            continue;
        char szName[CITY_PHOTO_SIZE];
        safe_strncpy(szName, p->d_name, (int)(nLength - nExtension + 1));
        SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)szName);
        nCount++;
    }
    if (pFolder)
        closedir(pFolder);
    EnableWindow(hList, nCount > 0);
    return nCount;
}

static void Select_City_Photo(HWND hDlg) {
    char szPhoto[CITY_PHOTO_SIZE];
    Get_City_Photo(gCurrentCity, szPhoto, (int)sizeof szPhoto);
    HWND hList = GetDlgItem(hDlg, CE_PHOTO_LIST);
    int nCount = (int)SendMessageA(hList, LB_GETCOUNT, 0, 0);
    for (int n = 0; n < nCount; n++) {
        char szItem[TEXT_BUFFER_SIZE];
        SendMessageA(hList, LB_GETTEXT, n, (LPARAM)szItem);
        if (strcasecmp(szItem, szPhoto) == 0) {
            SendMessageA(hList, LB_SETCURSEL, n, 0);
            return;
        }
    }
}

static void Store_City_Photo(HWND hDlg) {
    char szPhoto[TEXT_BUFFER_SIZE] = "";
    HWND hList = GetDlgItem(hDlg, CE_PHOTO_LIST);
    int nItem = (int)SendMessageA(hList, LB_GETCURSEL, 0, 0);
    if (nItem >= 0)
        SendMessageA(hList, LB_GETTEXT, nItem, (LPARAM)szPhoto);
    Set_City_Photo(gCurrentCity, szPhoto);
}

// ---- the values ------------------------------------------------------------------------------------

static void Show_City_Values(HWND hDlg) {
    for (const CITY_FIELD& f : kCityFields) {
        int nValue = Get_City_Stat(gCurrentCity, f.nStat);
        char szText[32];
        if (Is_Degree_Stat(f.nStat))
            Format_City_Degrees(nValue, szText, (int)sizeof szText);
        else
            Format_String(szText, (int)sizeof szText, "%d", nValue);
        SetDlgItemTextA(hDlg, f.nId, szText);
        EnableWindow(GetDlgItem(hDlg, f.nId), gCommissionerMode != 0);
    }
    Select_City_Photo(hDlg);
}

// Every box read first; 0 after telling the user which box holds no number (nothing stored).
static int Store_City_Values(HWND hDlg) {
    if (Count_Cities() == 0)
        return 1;
    int anValues[CE_FIELD_COUNT];
    for (int n = 0; n < CE_FIELD_COUNT; n++) {
        const CITY_FIELD& f = kCityFields[n];
        if (!Is_Degree_Stat(f.nStat)) {
            if (!Read_Number_Box(hDlg, f.nId, f.szLabel, 0, &anValues[n]))
                return 0;
            continue;
        }
        char szText[TEXT_BUFFER_SIZE];
        GetDlgItemTextA(hDlg, f.nId, szText, (int)sizeof szText);
        if (!Parse_City_Degrees(szText, &anValues[n])) {
            Show_Message_Box("Invalid Entry", "%s must be a number of degrees.", f.szLabel);
            SetFocus(GetDlgItem(hDlg, f.nId));
            return 0;
        }
    }
    for (int n = 0; n < CE_FIELD_COUNT; n++)
        Set_City_Stat(gCurrentCity, kCityFields[n].nStat, anValues[n]);
    Store_City_Photo(hDlg);
    return 1;
}

static void Fill_City_List(HWND hDlg) {
    HWND hList = GetDlgItem(hDlg, CE_CITY_LIST);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    int nCities = Count_Cities();
    for (int nCity = 0; nCity < nCities; nCity++) {
        char szName[CITY_NAME_SIZE];
        Get_City_Name(nCity, szName, (int)sizeof szName);
        SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)szName);
    }
    gCurrentCity = Clamp(gCurrentCity, 0, Max_Int(nCities - 1, 0));
    SendMessageA(hList, LB_SETCURSEL, gCurrentCity, 0);
    EnableWindow(hList, nCities > 0);
    EnableWindow(GetDlgItem(hDlg, CE_EDIT_NAME), nCities > 0 && gCommissionerMode);
    EnableWindow(GetDlgItem(hDlg, CE_ERASE_CITY), nCities > 0 && gCommissionerMode);
    EnableWindow(GetDlgItem(hDlg, CE_ADD_CITY), gCommissionerMode != 0);
}

// ---- commands -----------------------------------------------------------------------------------

static void On_City_Chosen(HWND hDlg) {
    int nItem = (int)SendDlgItemMessageA(hDlg, CE_CITY_LIST, LB_GETCURSEL, 0, 0);
    if (nItem < 0 || nItem == gCurrentCity)
        return;
    if (gCommissionerMode && !Store_City_Values(hDlg)) {
        SendDlgItemMessageA(hDlg, CE_CITY_LIST, LB_SETCURSEL, gCurrentCity, 0);
        return;
    }
    gCurrentCity = nItem;
    Show_City_Values(hDlg);
}

static void Rename_Current_City(HWND hDlg) {
    if (!Store_City_Values(hDlg))
        return;
    Do_Dialog(hDlg, IDD_RENAME_CITY, 0);
    char szName[CITY_NAME_SIZE];
    Get_City_Name(gCurrentCity, szName, (int)sizeof szName);
    Sort_Cities();
    int nFound = Find_City_By_Name(szName);
    if (nFound >= 0)
        gCurrentCity = nFound;  // the list follows the renamed city
    Fill_City_List(hDlg);
    Show_City_Values(hDlg);
}

static void Add_New_City(HWND hDlg) {
    if (!Store_City_Values(hDlg))
        return;
    if (Add_City() < 0) {
        Show_Message_Box("Add City Failed", "Cannot exceed %d cities in database", CITY_COUNT);
        return;
    }
    Fill_City_List(hDlg);
    Show_City_Values(hDlg);
}

static void Init_City_Editor(HWND hDlg) {
    if (Fill_City_Photo_List(hDlg) == 0)
        Show_Message_Box("No art files",
                         "There are no art files in the 'Cities' directory. City "
                         "pictures will not be displayed.");
    Fill_City_List(hDlg);
    Show_City_Values(hDlg);
}

static INT_PTR On_City_Editor_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK:
        if (Store_City_Values(hDlg)) {
            Sort_Cities();
            EndDialog(hDlg, 1);
        }
        return TRUE;
    case IDCANCEL: EndDialog(hDlg, 0); return TRUE;  // Escape: nothing typed is stored
    case CE_EDIT_NAME: Rename_Current_City(hDlg); return TRUE;
    case CE_ERASE_CITY:
        Erase_City();
        Fill_City_List(hDlg);
        Show_City_Values(hDlg);
        return TRUE;
    case CE_ADD_CITY: Add_New_City(hDlg); return TRUE;
    case CE_HELP: Show_Help_Topic(IDD_CITY_EDITOR); return TRUE;
    case CE_CITY_LIST:
        if (nCode == LBN_SELCHANGE)
            On_City_Chosen(hDlg);
        return TRUE;
    case CE_PHOTO_LIST:
        if (nCode == LBN_SELCHANGE && Count_Cities() > 0)
            Store_City_Photo(hDlg);
        return TRUE;
    default: return FALSE;
    }
}

INT_PTR City_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, Init_City_Editor,
                                   On_City_Editor_Command);
}

// ---- Rename City --------------------------------------------------------------------------------

static int Store_City_Name(HWND hDlg) {
    char szName[CITY_NAME_SIZE];
    Get_Edit_Box_Text(hDlg, RC_NAME, szName, CE_NAME_CHARS);
    if (szName[0] == '\0') {
        Show_Message_Box("Can't Erase Name",
                         "All cities must have a name. If you wish to erase a city, return to the "
                         "City Editor and hit the 'Erase City' button.");
        return 0;
    }
    Set_City_Name(gCurrentCity, szName);
    return 1;
}

static void Init_Rename_City(HWND hDlg) {
    Limit_Edit_Box(hDlg, RC_NAME, CE_NAME_CHARS);
    char szName[CITY_NAME_SIZE];
    Get_City_Name(gCurrentCity, szName, (int)sizeof szName);
    SetDlgItemTextA(hDlg, RC_NAME, szName);
}

static INT_PTR On_Rename_City_Command(HWND hDlg, int nId, int nCode) {
    (void)nCode;
    switch (nId) {
    case IDOK:
        if (Store_City_Name(hDlg))
            EndDialog(hDlg, 1);
        return TRUE;
    case IDCANCEL: EndDialog(hDlg, 0); return TRUE;
    case RC_HELP: Open_Help_Page("playing"); return TRUE;
    default: return FALSE;
    }
}

INT_PTR Rename_City_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, Init_Rename_City,
                                   On_Rename_City_Command);
}
