// The shell's own dialogs: About, Welcome and the column chooser.

#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#include <dirent.h>
#include <string.h>
#include <strings.h>

#define WELCOME_PICTURE "dialogs/splash/vanto.jpg"
#define SAVED_GAME_EXTENSION ".vnt"
#define HOME_PAGE_ADDRESS "https://footballvanto.example/"
#define SOCIAL_PAGE_ADDRESS "https://footballvanto.example/social"
#define STORE_PAGE_ADDRESS "https://footballvanto.example/store/search?q=Football+Vanto"
#define UPDATE_PAGE_ADDRESS "https://footballvanto.example/updates"

// The web page a button opens, or NULL.
static const char* Get_Dialog_Button_Address(int nId) {
    switch (nId) {
    case IDC_HOME_PAGE: return HOME_PAGE_ADDRESS;
    case IDC_SOCIAL_PAGE: return SOCIAL_PAGE_ADDRESS;
    case IDC_STORE_PAGE: return STORE_PAGE_ADDRESS;
    case IDC_UPDATE_PAGE: return UPDATE_PAGE_ADDRESS;
    default: return NULL;
    }
}

// A web page button's click opens its page. The id of any other clicked button, else 0.
static int Take_Button_Click(HWND hDlg, WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED)
        return 0;
    int nId = LOWORD(wParam);
    const char* szAddress = Get_Dialog_Button_Address(nId);
    if (!szAddress)
        return nId;
    Open_Web_Page(hDlg, szAddress);
    return 0;
}

// The controls get application font 17; the use is given back, the font stays loaded.
static void Set_Dialog_Buttons_Font(HWND hDlg, const int* pnIds, int nCount) {
    HFONT hFont = Take_App_Font(APP_DIALOG_FONT);
    for (int n = 0; n < nCount; n++)
        SendDlgItemMessageA(hDlg, pnIds[n], WM_SETFONT, (WPARAM)hFont, TRUE);
    Release_App_Font(hFont);
}

static int Is_Colour_Message(UINT uMsg) {
    return uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC;
}

static INT_PTR Answer_Colour_Message(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
}

// Whether the working folder holds a file "*.vnt".
static int Has_Saved_Games(void) {
    DIR* pFolder = opendir(".");
    if (!pFolder)
        return 0;
    int bFound = 0;
    size_t nExtension = strlen(SAVED_GAME_EXTENSION);
    for (struct dirent* pEntry = readdir(pFolder); pEntry && !bFound; pEntry = readdir(pFolder)) {
        size_t nLength = strlen(pEntry->d_name);
        bFound = nLength > nExtension &&
                 strcasecmp(pEntry->d_name + nLength - nExtension, SAVED_GAME_EXTENSION) == 0;
    }
    closedir(pFolder);
    return bFound;
}

static void Init_Welcome_Dialog(HWND hDlg) {
    static const int kButtons[] = {IDC_NEW_GAME,    IDC_RESUME_GAME, IDC_HOME_PAGE,
                                   IDC_SOCIAL_PAGE, IDC_UPDATE_PAGE, IDC_STORE_PAGE};
    Load_App_Fonts();
    Set_Dialog_Buttons_Font(hDlg, kButtons, (int)(sizeof kButtons / sizeof kButtons[0]));
    Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
    if (Has_Saved_Games())
        return;
    int bImported = Import_Old_Saved_Games();
    EnableWindow(GetDlgItem(hDlg, IDC_RESUME_GAME), bImported != 0);
    if (!bImported && gFirstStart)
        Show_Help_Topic(IDD_WELCOME);  // the "playing" page, at the first start only
}

static void Paint_Welcome_Dialog(HWND hDlg) {
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(hDlg, &paint);
    if (hdc) {
        char szPicture[TEXT_BUFFER_SIZE];
        Copy_Skin_File_Name(szPicture, sizeof szPicture, WELCOME_PICTURE);
        Draw_Image_In_Dialog_Item(hDlg, hdc, IDC_WELCOME_PICTURE, szPicture);
    }
    EndPaint(hDlg, &paint);
    char szCaption[TEXT_BUFFER_SIZE];
    char szShown[TEXT_BUFFER_SIZE];
    Format_String(szCaption, sizeof szCaption, PROGRAM_TITLE " %s (Version v%d.%02d)",
                  EDITION_LABEL, PROGRAM_VERSION_MAJOR, PROGRAM_VERSION_MINOR);
    GetWindowTextA(hDlg, szShown, sizeof szShown);
    if (strcmp(szShown, szCaption) != 0)
        SetWindowTextA(hDlg, szCaption);
}

// A web page button opens its page; any other button ends the dialog with its id.
INT_PTR Welcome_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (Is_Colour_Message(uMsg))
        return Answer_Colour_Message(hDlg, uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_INITDIALOG: Init_Welcome_Dialog(hDlg); return TRUE;
    case WM_PAINT: Paint_Welcome_Dialog(hDlg); return TRUE;
    case WM_COMMAND: {
        int nId = Take_Button_Click(hDlg, wParam);
        if (nId)
            EndDialog(hDlg, nId);
        return TRUE;
    }
    default: return FALSE;
    }
}

static void Init_About_Dialog(HWND hDlg) {
    static const int kButtons[] = {IDOK, IDC_HOME_PAGE, IDC_SOCIAL_PAGE, IDC_UPDATE_PAGE,
                                   IDC_STORE_PAGE};
    Set_Dialog_Font(hDlg);
    Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
    Set_Dialog_Buttons_Font(hDlg, kButtons, (int)(sizeof kButtons / sizeof kButtons[0]));
    char szVersion[TEXT_BUFFER_SIZE];
    Format_String(szVersion, sizeof szVersion, "%s %d (Version %d.%d.%d)", PROGRAM_TITLE,
                  EDITION_NUMBER, PROGRAM_VERSION_MAJOR, 0, PROGRAM_VERSION_MINOR);
    SetDlgItemTextA(hDlg, IDC_ABOUT_VERSION, szVersion);
    Show_Build_Date(hDlg);
}

// OK and Cancel end it with 1; the web page buttons open their pages.
INT_PTR About_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (Is_Colour_Message(uMsg))
        return Answer_Colour_Message(hDlg, uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_INITDIALOG: Init_About_Dialog(hDlg); return TRUE;
    case WM_COMMAND: {
        int nId = Take_Button_Click(hDlg, wParam);
        if (nId == IDOK || nId == IDCANCEL)
            EndDialog(hDlg, IDOK);
        return TRUE;
    }
    default: return FALSE;
    }
}
