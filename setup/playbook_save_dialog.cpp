// The Save Playbook dialog and the writer: the dialog team's playbook of one side as a file in
// the "playbooks" folder, under a name the user types.
#include <string.h>

#include "database/database.h"
#include "engine/engine.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define SAVE_PLAYBOOK_NAME 1082
#define SAVE_PLAYBOOK_GROUP 1438
#define SAVE_PLAYBOOK_HELP 9
#define PLAYBOOK_NAME_LIMIT 37
#define TYPED_NAME_SIZE 2048
#define PLAYBOOK_PATH_SIZE (TYPED_NAME_SIZE + 16)
#define PLAYBOOK_FILE_NAME_LIMIT 255

// The name field of the dialog team's image of the side; NULL without a playbook.
static char* Get_Dialog_Playbook_Name(void) {
    int nTeam = Get_Dialog_Team();
    if (gPlaybookSide != 0) {
        DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(nTeam);
        return pBook != NULL ? pBook->szName : NULL;
    }
    OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
    return pBook != NULL ? pBook->szName : NULL;
}

void Set_Playbook_Name(const char* szName) {
    char* szField = Get_Dialog_Playbook_Name();
    if (szField != NULL)
        safe_strncpy(szField, szName, PLAYBOOK_NAME_LIMIT + 1);
}

// A bare file name: not empty, no folder separator, no "..", no control character.
int Is_Bare_Playbook_Name(const char* szName) {
    size_t nLength = strlen(szName);
    if (nLength == 0 || nLength > PLAYBOOK_FILE_NAME_LIMIT || strstr(szName, "..") != NULL)
        return 0;
    for (const char* p = szName; *p; p++) {
        if (*p == '/' || *p == '\\' || *p == ':' || (unsigned char)*p < ' ')
            return 0;
    }
    return 1;
}

int Write_Playbook_File(const char* szPath, HWND hDlg) {
    int bDefence = gPlaybookSide != 0;
    const uint8_t* pImage = Get_Team_Playbook_Image(Get_Dialog_Team(), bDefence);
    if (pImage == NULL)
        return PLAYBOOK_WRITE_NOT_CREATED;
    FILE* pProbe = Platform_Open_File(szPath, "ab");
    if (pProbe == NULL)
        return PLAYBOOK_WRITE_NOT_CREATED;
    fclose(pProbe);
    if (hDlg)
        EndDialog(hDlg, 1);
    return Write_Playbook_Image_File(szPath, pImage, Get_Playbook_Image_Size(bDefence));
}

static void Init_Save_Playbook_Dialog(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    int bDefence = gPlaybookSide != 0;
    SetWindowTextA(hDlg, bDefence ? "Save Defensive Playbook" : "Save Offensive Playbook");
    SetDlgItemTextA(hDlg, SAVE_PLAYBOOK_GROUP,
                    bDefence ? "Save Current Defensive Playbook As:"
                             : "Save Current Offensive Playbook As:");
    char szName[TYPED_NAME_SIZE] = "";
    const char* szStored = Get_Dialog_Playbook_Name();
    if (szStored != NULL)
        safe_strncpy(szName, szStored, PLAYBOOK_NAME_LIMIT + 1);
    if (szName[0] == 0) {
        int nTeam = Get_Dialog_Team();
        char szNickname[TEXT_BUFFER_SIZE] = "";
        if (nTeam <= HALL_OF_FAME_TEAM)
            Get_Team_String(szNickname, sizeof szNickname, nTeam, TEAM_NICKNAME);
        Format_String(szName, sizeof szName, "%s-%d", szNickname, Get_Season_Year());
    }
    SetDlgItemTextA(hDlg, SAVE_PLAYBOOK_NAME, szName);
    Center_Window(hDlg, GetParent(hDlg));
}

// The name is kept in the playbook before any question, so it stays even when the user cancels.
static void Save_Named_Playbook(HWND hDlg) {
    char szName[TYPED_NAME_SIZE];
    GetDlgItemTextA(hDlg, SAVE_PLAYBOOK_NAME, szName, sizeof szName);
    Set_Playbook_Name(szName);
    if (!Is_Bare_Playbook_Name(szName)) {
        Show_Message_Box("Invalid Playbook Name",
                         "A playbook name is a file name: it cannot be empty or contain '/', '\\', "
                         "':' or '..'.");
        return;
    }
    char szPath[PLAYBOOK_PATH_SIZE];
    Format_String(szPath, sizeof szPath, "playbooks/%s%s", szName,
                  gPlaybookSide != 0 ? ".dpb" : ".opb");
    FILE* pExisting = Platform_Open_File(szPath, "rb");
    if (pExisting != NULL) {
        fclose(pExisting);
        if (Do_Message_Box("A playbook with that name already exists. Overwrite?", "Filename in use",
                           MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
            return;
    }
    Platform_Make_Directory("playbooks");
    int nResult = Write_Playbook_File(szPath, hDlg);
    if (nResult == PLAYBOOK_WRITE_NOT_CREATED)
        Show_Message_Box("File Open Error",
                         "Football Vanto was unable to save a playbook with that file name. It may "
                         "contain some invalid characters.");
    else if (nResult == PLAYBOOK_WRITE_SHORT)
        Show_Message_Box("File Write Error",
                         "Football Vanto was unable to write the playbook file, probably because of "
                         "low hard drive space. You can use the 'Load Playbook' dialog to erase old "
                         "playbook files.");
}

static INT_PTR On_Save_Playbook_Command(HWND hDlg, int nId) {
    switch (nId) {
    case IDOK: Save_Named_Playbook(hDlg); return TRUE;
    case IDCANCEL: EndDialog(hDlg, 0); return TRUE;
    case SAVE_PLAYBOOK_HELP: Show_Help_Topic(IDD_SAVE_PLAYBOOK); return TRUE;
    default: return FALSE;
    }
}

INT_PTR Save_Playbook_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Save_Playbook_Dialog(hDlg); return TRUE;
    case WM_COMMAND: return On_Save_Playbook_Command(hDlg, LOWORD(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
