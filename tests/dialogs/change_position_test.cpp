// A player moved to another position of his group: the conversion of his ratings and the dialog.
#include <gtest/gtest.h>

#include <string>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define CHANGE_POSITION_COMBO 1217
#define TEST_TEAM 3

class ChangePositionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
    }

    // The first fixture slot holding the position, with every rating set to fRating.
    static int Player_At(int nPosition, float fRating = 75.0f) {
        for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
            if (Fixture_Slot_Position(nSlot) != nPosition)
                continue;
            for (int nRating = 0; nRating < RATING_COUNT; nRating++)
                Set_Player_Rating(TEST_TEAM, nSlot, fRating, nRating);
            Set_Player_Vital_Stat(TEST_TEAM, nSlot, VITAL_POSITION, nPosition);
            return nSlot;
        }
        return -1;
    }
};

TEST_F(ChangePositionTest, ConvertsTheOldClassByTheTable) {
    struct CASE {
        int nFrom, nTo, nRating;
        float fAfter;  // from 75
        bool bInClass;
    } const kCases[] = {
        {POS_LB, POS_DE, RATING_RUN_DEFENSE, 60.0f, true},
        {POS_LB, POS_DE, RATING_TACKLING, 60.0f, true},
        {POS_RB, POS_WR, RATING_POWER, 67.5f, true},
        {POS_RB, POS_FB, RATING_VISION, 75.0f, true},
        {POS_S, POS_CB, RATING_TACKLING, 75.0f, true},
        {POS_S, POS_CB, RATING_RUN_DEFENSE, 71.25f, true},
        {POS_C, POS_T, RATING_PASS_BLOCKING, 70.5f, true},
        {POS_TE, POS_WR, RATING_RECEIVING, 67.5f, true},
        {POS_K, POS_P, RATING_FG_DISTANCE, 75.0f, true},
        {POS_K, POS_P, RATING_PUNT_DISTANCE, 75.0f, true},
        // outside the class or in no class: kept
        {POS_WR, POS_TE, RATING_SPEED, 75.0f, false},
        {POS_LB, POS_DE, RATING_HEALTH, 75.0f, false},
        {POS_LB, POS_DE, RATING_DURABILITY, 75.0f, false},
        {POS_RB, POS_WR, RATING_PASS_BLOCKING, 75.0f, false},
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.nFrom << " to " << c.nTo << " rating " << c.nRating);
        int nSlot = Player_At(c.nFrom);
        ASSERT_GE(nSlot, 0);
        if (c.bInClass) {
            EXPECT_FLOAT_EQ(Estimate_Converted_Rating(TEST_TEAM, nSlot, c.nTo, c.nRating),
                            c.fAfter);
        }
        Convert_Player_Position(TEST_TEAM, nSlot, c.nTo);
        EXPECT_FLOAT_EQ(Get_Player_Rating(TEST_TEAM, nSlot, c.nRating), c.fAfter);
        EXPECT_EQ(Get_Player_Vital_Stat(TEST_TEAM, nSlot, VITAL_POSITION), c.nTo);
    }
}

TEST_F(ChangePositionTest, RoundTripLosesAbility) {
    int nSlot = Player_At(POS_LB, 100.0f);
    Convert_Player_Position(TEST_TEAM, nSlot, POS_DE);
    Convert_Player_Position(TEST_TEAM, nSlot, POS_LB);
    EXPECT_FLOAT_EQ(Get_Player_Rating(TEST_TEAM, nSlot, RATING_RUN_DEFENSE), 72.0f);
    EXPECT_EQ(Get_Player_Vital_Stat(TEST_TEAM, nSlot, VITAL_POSITION), POS_LB);
}

TEST_F(ChangePositionTest, DialogOffersTheGroupAndConvertsOnlyWhenConfirmed) {
    int nSlot = Player_At(POS_RB);
    gScoutTeam = TEST_TEAM;
    gScoutSlot = nSlot;
    char szName[TEXT_BUFFER_SIZE];
    Get_Player_Full_Name(TEST_TEAM, nSlot, szName, (int)sizeof szName);
    for (int bYes = 0; bYes <= 1; bYes++) {
        int nRows = 0;
        std::string stCaption, stEstimate;
        Test_Answer_Message_Box_With_Caption("Confirm Position Change", bYes ? IDYES : IDNO);
        Test_Script_Dialog(IDD_CHANGE_POSITION, [&](HWND hDlg) {
            nRows = (int)SendDlgItemMessageA(hDlg, CHANGE_POSITION_COMBO, CB_GETCOUNT, 0, 0);
            char szCaption[256];
            GetWindowTextA(hDlg, szCaption, (int)sizeof szCaption);
            stCaption = szCaption;
            EXPECT_TRUE(Test_Choose_Row(hDlg, CHANGE_POSITION_COMBO, POS_WR - POS_RB));
            stEstimate = Test_Control_Text(hDlg, 1362);
            Test_Click_Control(hDlg, IDOK);
            if (!bYes)  // No keeps the dialog open
                Test_Click_Control(hDlg, IDCANCEL);
        });
        EXPECT_EQ(Do_Dialog(NULL, IDD_CHANGE_POSITION, 0), 1);
        EXPECT_EQ(nRows, 4);
        EXPECT_EQ(stCaption, szName);
        EXPECT_FALSE(stEstimate.empty());
        EXPECT_EQ(Get_Player_Vital_Stat(TEST_TEAM, nSlot, VITAL_POSITION), bYes ? POS_WR : POS_RB);
        EXPECT_FLOAT_EQ(Get_Player_Rating(TEST_TEAM, nSlot, RATING_POWER), bYes ? 67.5f : 75.0f);
    }
}

TEST_F(ChangePositionTest, QuarterbackHasOneChoiceAndStays) {
    int nSlot = Player_At(POS_QB);
    gScoutTeam = TEST_TEAM;
    gScoutSlot = nSlot;
    int nRows = 0;
    Test_Script_Dialog(IDD_CHANGE_POSITION, [&](HWND hDlg) {
        nRows = (int)SendDlgItemMessageA(hDlg, CHANGE_POSITION_COMBO, CB_GETCOUNT, 0, 0);
        Test_Click_Control(hDlg, IDOK);  // nothing to do: still open
        EXPECT_TRUE(IsWindow(hDlg));
    });
    Test_Set_Strict(true, [](const TEST_SHOWN& s) { ADD_FAILURE() << "asked: " << s.stText; });
    Do_Dialog(NULL, IDD_CHANGE_POSITION, 0);
    EXPECT_EQ(nRows, 1);
    EXPECT_EQ(Get_Player_Vital_Stat(TEST_TEAM, nSlot, VITAL_POSITION), POS_QB);
}

}  // namespace
