// Advanced Tools: the commissioner's one-button league tools. The small ones live here; the
// others belong to their subsystems.
#include <dirent.h>
#include <string.h>

#include "core/host_services.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "tools/tools.h"

#define AT_CAPTION "Advanced Tools"
#define AT_OUTPUT_FOLDER "Output"
#define AT_CONTRACT_STEPS 10
#define AT_MODERN_YEAR 2021

enum ADVANCED_TOOL {
    AT_SPECIAL_TOOL = 10,
    AT_BALANCE_PAYROLLS = 11,
    AT_MODERN_DATABASE = 12,
    AT_CLEAR_INJURIES = 13,
    AT_RECALCULATE_CONTRACTS = 14,
    AT_IMPORT_PLAYBOOKS = 15,
    AT_LOAD_RATINGS = 16,
    AT_SORT_ALL_TEAMS = 17,
    AT_CLEAR_OUTPUT = 18,
    AT_CLEAR_LEADERS = 19,
    AT_HISTORICAL_DATABASE = 20,
    AT_ENCYCLOPEDIA = 21,
    AT_FILL_DRAFT_POOL = 22,
    AT_EXPORT_RATINGS = 23,
    AT_CALIBRATE_RATINGS = 24,
    AT_HELP = 9
};

void Do_Clear_Injuries(void) {
    int nHealed = Clear_All_Injuries();
    if (nHealed > 0)
        Show_Message_Box("Clear Injuries", "Injuries removed for %d players.", nHealed);
    else
        Show_Message_Box("Clear Injuries", "No injured players were found.");
}

int Clear_Output_Folder(void) {
    char szFolder[TEXT_BUFFER_SIZE];
    Platform_Resolve_Path(AT_OUTPUT_FOLDER, szFolder, sizeof szFolder);
    DIR* pFolder = opendir(szFolder);
    if (!pFolder)
        return 0;
    int nRemoved = 0;
    for (struct dirent* p = readdir(pFolder); p; p = readdir(pFolder)) {
        char szFile[TEXT_BUFFER_SIZE];
        Format_String(szFile, (int)sizeof szFile, "%s/%s", szFolder, p->d_name);
        if (p->d_type != DT_DIR && Platform_Remove_File(szFile))
            nRemoved++;  // folders stay
    }
    closedir(pFolder);
    return nRemoved;
}

static int Confirm_Tool(const char* szText, const char* szCaption) {
    return Do_Message_Box(szText, szCaption, MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

static void Recalculate_Contracts_With_Progress(void) {
    Open_Progress_Window("Calculating Player Contracts", AT_CONTRACT_STEPS);
    Recalculate_Contracts();
    Close_Progress_Window();
}

static void Create_Modern_Database(void) {
    if (Run_Database_Build(DATABASE_BUILD_MODERN, AT_MODERN_YEAR) == 0)
        return;
    Show_Message_Box("Create Modern Database",
                     "Reminder: You must start a New Game to load the new database.");
    Set_All_Depth_Charts(0);
}

static void Create_Historical_Database(HWND hDlg) {
    int nYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    char szText[TEXT_BUFFER_SIZE], szButton[64];
    Format_String(szText, (int)sizeof szText,
                  "This will create the %d database.\n\n(To create a different season, start a "
                  "New Game in that year.)",
                  nYear);
    Format_String(szButton, (int)sizeof szButton, "Create %d Database", nYear);
    int nChoice = User_Message_Dialog("Create Historical Database", szText, NULL, szButton,
                                      "Create All Historical Databases", "Cancel");
    if (nChoice != IDYES && nChoice != IDNO)
        return;
    EndDialog(hDlg, 1);
    ShowWindow(hDlg, SW_HIDE);
    Run_Database_Build(nChoice == IDYES ? DATABASE_BUILD_HISTORICAL : DATABASE_BUILD_ALL_HISTORICAL,
                       nYear);
}

static void Load_Player_Ratings(void) {
    Load_Season_Player_Ratings(1);
    Repair_Missing_Ratings();
}

// The tools that close the dialog before they run.
static int Run_Closing_Tool(HWND hDlg, int nId) {
    switch (nId) {
    case AT_IMPORT_PLAYBOOKS:
    case AT_FILL_DRAFT_POOL:
    case AT_RECALCULATE_CONTRACTS:
    case AT_BALANCE_PAYROLLS:
    case AT_MODERN_DATABASE:
    case AT_SPECIAL_TOOL: break;
    default: return 0;
    }
    EndDialog(hDlg, 1);
    ShowWindow(hDlg, SW_HIDE);
    switch (nId) {
    case AT_IMPORT_PLAYBOOKS: Import_Playbooks(1); break;
    case AT_FILL_DRAFT_POOL: Reset_Draft_Pool(); break;
    case AT_RECALCULATE_CONTRACTS: Recalculate_Contracts_With_Progress(); break;
    case AT_BALANCE_PAYROLLS: Scale_Salaries_To_Cap(); break;
    case AT_MODERN_DATABASE: Create_Modern_Database(); break;
    default: Download_Football_Data(); break;
    }
    return 1;
}

static INT_PTR On_Advanced_Tools_Command(HWND hDlg, int nId, int nCode) {
    (void)nCode;
    if (Run_Closing_Tool(hDlg, nId))
        return TRUE;
    switch (nId) {
    case AT_CLEAR_OUTPUT:
        if (Confirm_Tool("This will remove every file in the Output folder. Continue?",
                         "Clear Output Folder"))
            Clear_Output_Folder();
        return TRUE;
    case AT_CLEAR_LEADERS:
        if (Confirm_Tool("This will erase every all-time leader list. Continue?",
                         "Clear All-Time Leaders"))
            Clear_Record_Book();
        return TRUE;
    case AT_CLEAR_INJURIES: Do_Clear_Injuries(); return TRUE;
    case AT_EXPORT_RATINGS: Export_Player_Ratings(); return TRUE;
    case AT_LOAD_RATINGS: Load_Player_Ratings(); return TRUE;
    case AT_CALIBRATE_RATINGS: Normalize_Player_Ratings(); return TRUE;
    case AT_SORT_ALL_TEAMS: Set_All_Depth_Charts(0); return TRUE;
    case AT_HISTORICAL_DATABASE: Create_Historical_Database(hDlg); return TRUE;
    case AT_ENCYCLOPEDIA: Do_Dialog(hDlg, IDD_VIEW_ENCYCLOPEDIA, 0); return TRUE;
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, 1); return TRUE;
    case AT_HELP: Show_Help_Topic(IDD_ADVANCED_TOOLS); return TRUE;
    default: return FALSE;
    }
}

INT_PTR Advanced_Tools_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, Show_Special_Tool_Button,
                                   On_Advanced_Tools_Command);
}
