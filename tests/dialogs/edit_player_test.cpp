// Edit Player and Edit Ratings, driven through their controls.
#include <gtest/gtest.h>

#include <string>

#include "common/dialog_steps.h"
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define EDIT_TEAM 4
#define EP_FIRST_NAME 1270
#define EP_LAST_NAME 1271
#define EP_SALARY 1255
#define EP_SEASONS 1262
#define EP_CONTRACT_YEARS 1260
#define EP_YEARS_LEFT 1385
#define EP_POSITION 1217
#define EP_DONE 1285
#define EP_DELETE 3
#define EP_COPY 1258
#define EP_CALCULATE 1261
#define ER_DONE 1285
#define ER_FIRST_BOX 1133  // rating 1; rating 0 is 1457

class EditPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gScoutTeam = EDIT_TEAM;
        gScoutSlot = Slot_Of(POS_WR);
    }

    static int Slot_Of(int nPosition) {
        for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
            if (Fixture_Slot_Position(nSlot) == nPosition)
                return nSlot;
        }
        return -1;
    }

    static std::string Last_Name() {
        char szName[64];
        Get_Player_Last_Name(gScoutTeam, gScoutSlot, szName, (int)sizeof szName);
        return szName;
    }
};

TEST_F(EditPlayerTest, DoneWritesTheBoxesWithTheirLimits) {
    Test_Script_Dialog(IDD_EDIT_PLAYER, [&](HWND hDlg) {
        Replace_Box_Text(hDlg, EP_LAST_NAME, "Abcdefghijklmnopqrstuvwxyz");  // 26 typed, 19 kept
        Replace_Box_Text(hDlg, EP_FIRST_NAME, "Jo");
        Replace_Box_Text(hDlg, EP_SALARY, "$1,000");  // below every minimum
        Replace_Box_Text(hDlg, EP_SEASONS, "45");
        Replace_Box_Text(hDlg, EP_CONTRACT_YEARS, "0");
        Replace_Box_Text(hDlg, EP_YEARS_LEFT, "0");
        Test_Click_Control(hDlg, EP_DONE);
    });
    EXPECT_EQ(Do_Dialog(NULL, IDD_EDIT_PLAYER, 0), 1);
    EXPECT_EQ(Last_Name(), "Abcdefghijklmnopqrs");
    int nSeasons = Get_Player_Vital_Stat(gScoutTeam, gScoutSlot, VITAL_EXPERIENCE);
    EXPECT_EQ(nSeasons, 30);
    EXPECT_EQ(Get_Player_Vital_Stat(gScoutTeam, gScoutSlot, VITAL_SALARY),
              Get_League_Minimum_Salary(nSeasons));
    EXPECT_EQ(Get_Player_Vital_Stat(gScoutTeam, gScoutSlot, VITAL_CONTRACT_LENGTH), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(gScoutTeam, gScoutSlot, VITAL_CONTRACT_YEARS_LEFT), 1);
}

TEST_F(EditPlayerTest, TextInANumberBoxIsRefusedAndCancelChangesNothing) {
    std::string stBefore = Last_Name();
    int nWeight = Get_Player_Vital_Stat(gScoutTeam, gScoutSlot, VITAL_WEIGHT);
    bool bOpenAfterDone = false;
    Test_Script_Dialog(IDD_EDIT_PLAYER, [&](HWND hDlg) {
        Replace_Box_Text(hDlg, EP_LAST_NAME, "Changed");
        Replace_Box_Text(hDlg, 1265, "heavy");
        Test_Click_Control(hDlg, EP_DONE);
        bOpenAfterDone = IsWindow(hDlg);
        Test_Click_Control(hDlg, IDCANCEL);
    });
    Do_Dialog(NULL, IDD_EDIT_PLAYER, 0);
    EXPECT_TRUE(bOpenAfterDone);
    EXPECT_EQ(Count_Shown_With_Text("Weight must be a whole number."), 1);
    EXPECT_EQ(Last_Name(), stBefore);
    EXPECT_EQ(Get_Player_Vital_Stat(gScoutTeam, gScoutSlot, VITAL_WEIGHT), nWeight);
}

TEST_F(EditPlayerTest, PositionOutsideTheGroupAsksAndClearsStatistics) {
    Set_Player_Stat(gScoutTeam, gScoutSlot, SEASON_CURRENT, 10, 44);
    struct CASE {
        int nPosition, nAnswer, nKept, nReceptions;
    } const kCases[] = {
        {POS_TE, 0, POS_TE, 44},         // same group: no question, statistics kept
        {POS_CB, IDCANCEL, POS_TE, 44},  // refused
        {POS_CB, IDOK, POS_CB, 0},
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(c.nPosition);
        Test_Clear_Transcript();
        if (c.nAnswer)
            Test_Answer_Message_Box_With_Caption("Position Change", c.nAnswer);
        Test_Script_Dialog(IDD_EDIT_PLAYER, [&](HWND hDlg) {
            Replace_Box_Text(hDlg, EP_LAST_NAME, "Typed");  // written before the change
            Test_Choose_Row(hDlg, EP_POSITION, c.nPosition);
            Test_Click_Control(hDlg, IDCANCEL);
        });
        Do_Dialog(NULL, IDD_EDIT_PLAYER, 0);
        EXPECT_EQ(Last_Name(), "Typed");
        EXPECT_EQ(Get_Player_Vital_Stat(gScoutTeam, gScoutSlot, VITAL_POSITION), c.nKept);
        EXPECT_EQ(Get_Player_Stat(gScoutTeam, gScoutSlot, SEASON_CURRENT, 10), c.nReceptions);
        EXPECT_EQ(Count_Shown_With_Caption("Position Change"), c.nAnswer != 0 ? 1 : 0);
    }
}

TEST_F(EditPlayerTest, DeleteWarnsBelowTheRosterMinimum) {
    while (Count_Players(EDIT_TEAM, ALL_ROSTERS) > 51) {
        for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= 0; nSlot--) {
            if (Is_Player_Slot_Used(EDIT_TEAM, nSlot) && nSlot != gScoutSlot) {
                Delete_Player(EDIT_TEAM, nSlot);
                break;
            }
        }
    }
    Test_Answer_Message_Box_With_Text("below those required", IDOK);
    Test_Script_Dialog(IDD_EDIT_PLAYER, [&](HWND hDlg) { Test_Click_Control(hDlg, EP_DELETE); });
    EXPECT_EQ(Do_Dialog(NULL, IDD_EDIT_PLAYER, 0), 0);
    EXPECT_EQ(Count_Players(EDIT_TEAM, ALL_ROSTERS), 50);
}

TEST_F(EditPlayerTest, CopyIsRefusedForAFullTeam) {
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(EDIT_TEAM, nSlot)) {
            Copy_Player(EDIT_TEAM, nSlot, EDIT_TEAM, gScoutSlot);
            Assign_New_Player_Id(EDIT_TEAM, nSlot);
        }
    }
    Test_Script_Dialog(IDD_EDIT_PLAYER, [&](HWND hDlg) {
        Test_Click_Control(hDlg, EP_COPY);
        Test_Click_Control(hDlg, IDCANCEL);
    });
    Do_Dialog(NULL, IDD_EDIT_PLAYER, 0);
    EXPECT_EQ(Count_Shown_With_Caption("Cannot Copy Player"), 1);
}

TEST_F(EditPlayerTest, RatingsAreStoredClampedAndRefusedWhenNotNumbers) {
    struct CASE {
        const char* szTyped;
        float fStored;  // -1: refused, the old value kept
    } const kCases[] = {{"66", 66.0f}, {"72.5", 72.5f}, {"5000", 1000.0f}, {"fast", -1.0f}};
    for (const CASE& c : kCases) {
        SCOPED_TRACE(c.szTyped);
        float fBefore = Get_Player_Rating(gScoutTeam, gScoutSlot, RATING_SPEED);
        std::string stCaption;
        Test_Script_Dialog(IDD_EDIT_RATINGS, [&](HWND hDlg) {
            char szCaption[128];
            GetWindowTextA(hDlg, szCaption, (int)sizeof szCaption);
            stCaption = szCaption;
            Replace_Box_Text(hDlg, ER_FIRST_BOX + RATING_SPEED - 1, c.szTyped);
            Test_Click_Control(hDlg, ER_DONE);
        });
        Do_Dialog(NULL, IDD_EDIT_RATINGS, 0);
        EXPECT_EQ(stCaption.rfind("Edit Ratings: ", 0), 0u);
        EXPECT_FLOAT_EQ(Get_Player_Rating(gScoutTeam, gScoutSlot, RATING_SPEED),
                        c.fStored < 0 ? fBefore : c.fStored);
    }
}

// Calculate Ratings works his ratings out from his predicted line, but not while a week is played.
TEST_F(EditPlayerTest, CalculateRatingsWorksThemOutFromHisStatistics) {
    for (bool bSimulating : {true, false}) {
        SCOPED_TRACE(bSimulating);
        Test_Clear_Transcript();
        Set_Player_Rating(gScoutTeam, gScoutSlot, 41.0f, RATING_RECEIVING);
        gSimulationRunning = bSimulating;
        Test_Script_Dialog(IDD_EDIT_PLAYER, [&](HWND hDlg) {
            Test_Click_Control(hDlg, EP_CALCULATE);
            Test_Click_Control(hDlg, IDCANCEL);
        });
        Do_Dialog(NULL, IDD_EDIT_PLAYER, 0);
        gSimulationRunning = 0;
        EXPECT_EQ(Count_Shown_With_Caption("Simulation in progress"), bSimulating ? 1 : 0);
        float fExpected =
            bSimulating ? 41.0f : Get_Player_Base_Rating(gScoutTeam, gScoutSlot, RATING_RECEIVING);
        EXPECT_FLOAT_EQ(Get_Player_Rating(gScoutTeam, gScoutSlot, RATING_RECEIVING), fExpected);
        EXPECT_TRUE(bSimulating || fExpected != 41.0f);
    }
}

}  // namespace
