// The Edit Ratings dialog: the scouted player's 27 ratings typed in.
#include <math.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define ER_DONE 1285
#define ER_REFRESH 1261
#define ER_HELP 9

static const int kRatingLabelIds[RATING_COUNT] = {
    1225, 1214, 1226, 1227, 1228, 1231, 1232, 1233, 1234, 1235, 1236, 1237, 1238, 1339,
    1340, 1341, 1346, 1347, 1342, 1343, 1344, 1229, 1348, 1349, 1345, 1350, 1351};

// Rating 0's box stands apart; the others follow from 1133.
static int Get_Rating_Box_Id(int nRating) {
    return nRating == 0 ? 1457 : 1133 + nRating - 1;
}

int Refuse_Rating_Update_While_Simulating(void) {
    if (!gSimulationRunning)
        return 0;
    Show_Message_Box("Simulation in progress",
                     "Player ratings will not be updated until this week's games are completed.");
    return 1;
}

static void Show_Edited_Ratings(HWND hDlg) {
    for (int nRating = 0; nRating < RATING_COUNT; nRating++)
        Set_Number_Box(hDlg, Get_Rating_Box_Id(nRating),
                       (int)Get_Player_Rating(gScoutTeam, gScoutSlot, nRating));
}

// A rating typed: a decimal number, its magnitude held to what a rating may store.
static int Read_Rating_Box(HWND hDlg, int nRating, float* pValue) {
    char szText[TEXT_BUFFER_SIZE];
    GetDlgItemTextA(hDlg, Get_Rating_Box_Id(nRating), szText, (int)sizeof szText);
    float fValue = 0.0f;
    if (!Parse_Decimal_Number(szText, &fValue)) {
        char szName[TEXT_BUFFER_SIZE];
        Get_Rating_Name(nRating, szName, (int)sizeof szName);
        Show_Message_Box("Invalid Entry", "%s must be a number.", szName);
        SetFocus(GetDlgItem(hDlg, Get_Rating_Box_Id(nRating)));
        return 0;
    }
    *pValue = fminf(fmaxf(fValue, -RATING_BOUND), RATING_BOUND);
    return 1;
}

// 1 when every box held a number and all were stored; otherwise nothing is stored.
static int Store_Edited_Ratings(HWND hDlg) {
    float afValues[RATING_COUNT];
    for (int nRating = 0; nRating < RATING_COUNT; nRating++) {
        if (!Read_Rating_Box(hDlg, nRating, &afValues[nRating]))
            return 0;
    }
    for (int nRating = 0; nRating < RATING_COUNT; nRating++)
        Set_Player_Rating(gScoutTeam, gScoutSlot, afValues[nRating], nRating);
    return 1;
}

static void Init_Edit_Ratings(HWND hDlg) {
    char szName[TEXT_BUFFER_SIZE], szCaption[TEXT_BUFFER_SIZE];
    Get_Player_Full_Name(gScoutTeam, gScoutSlot, szName, (int)sizeof szName);
    Format_String(szCaption, (int)sizeof szCaption, "Edit Ratings: %s", szName);
    SetWindowTextA(hDlg, szCaption);
    for (int nRating = 0; nRating < RATING_COUNT; nRating++) {
        Get_Rating_Name(nRating, szName, (int)sizeof szName);
        SetDlgItemTextA(hDlg, kRatingLabelIds[nRating], szName);
    }
    Show_Edited_Ratings(hDlg);
}

static INT_PTR On_Edit_Ratings_Command(HWND hDlg, int nId, int nCode) {
    (void)nCode;
    switch (nId) {
    case ER_DONE:
        if (Store_Edited_Ratings(hDlg))
            EndDialog(hDlg, 1);
        return TRUE;
    case ER_REFRESH:
        if (!Refuse_Rating_Update_While_Simulating() && Store_Edited_Ratings(hDlg))
            Show_Edited_Ratings(hDlg);
        return TRUE;
    case IDCANCEL: EndDialog(hDlg, 0); return TRUE;
    case ER_HELP: Show_Help_Topic(IDD_EDIT_RATINGS); return TRUE;
    default: return FALSE;
    }
}

INT_PTR Edit_Ratings_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, Init_Edit_Ratings,
                                   On_Edit_Ratings_Command);
}
