// The Playbook Editor driven through its controls over the fixture league: texts stored on DONE
// and cut to their fields, Escape keeping them out, choices written at once and checked, the Save
// button's name check, the folders and the result data.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include "common/dialog_steps.h"
#include "database/database.h"
#include "engine/engine.h"
#include "fixtures/fixture_league.h"
#include "pages/pages.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

namespace {

#define PE_TEAM_ID 1132
#define PE_FOLDER_ID 1426
#define PE_FOLDER_NAME_ID 1443
#define PE_PLAY_ID 1391
#define PE_PLAY_NAME_ID 1441
#define PE_COMMENT_ID 1442
#define PE_NOTES_ID 1444
#define PE_CARRIER_ID 1402
#define PE_THIRD_ROUTE_ID 1396
#define PE_FIRST_RESULT_ID 1239
#define PE_SAVE_ID 11
#define PE_CLEAR_ID 1028
#define PE_DONE_ID 1285
#define SAVE_NAME_ID 1082
#define EDITOR_TEAM 3
#define INSIDE_RUSH 2
#define CORNER_BLITZ 3

const int kDefenderListIds[PLAY_DEFENDERS] = {1402, 1392, 1393, 1394, 1395, 1396,
                                              1397, 1398, 1399, 1400, 1401};

std::vector<uint8_t> Image_Of(int bDefence) {
    const uint8_t* pImage = Get_Team_Playbook_Image(EDITOR_TEAM, bDefence);
    return std::vector<uint8_t>(pImage, pImage + Get_Playbook_Image_Size(bDefence));
}

// The field at its offset in the image replaced by the text and its end.
void Put_Field(std::vector<uint8_t>* pImage, size_t nOffset, const std::string& stText) {
    memcpy(pImage->data() + nOffset, stText.c_str(), stText.size() + 1);
}

std::string Row_Text(HWND hDlg, int nId, int nRow) {
    char szRow[128] = "";
    SendDlgItemMessageA(hDlg, nId, CB_GETLBTEXT, nRow, (LPARAM)szRow);
    return szRow;
}

class PlaybookEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gDialogTeam = EDITOR_TEAM;
        Set_Team_Default_Playbook(EDITOR_TEAM);
        Reset_Playbook_Usage_Counters(EDITOR_TEAM, PLAYBOOK_SIDE_OFFENCE);
        Reset_Playbook_Usage_Counters(EDITOR_TEAM, PLAYBOOK_SIDE_DEFENCE);
        Show_Play(0, 1, 2);
        system("rm -rf playbooks");
    }
    void TearDown() override {
        system("rm -rf playbooks");
    }

    static void Show_Play(int bDefence, int nFolder, int nPlace) {
        gPlaybookSide = bDefence;
        gPlaybookFolder = nFolder;
        gPlaybookPlay = nPlace;
    }
    static INT_PTR Run_Editor(std::function<void(HWND)> action) {
        Test_Script_Dialog(IDD_PLAYBOOK_EDITOR, action);
        return Do_Dialog(NULL, IDD_PLAYBOOK_EDITOR, 0);
    }
};

// DONE stores the four texts, each cut to its field, and nothing else of the image changes: the
// card bytes after the play name stay. Empty names are stored as the fallbacks.
TEST_F(PlaybookEditorTest, DoneStoresTheTextsCutToTheirFields) {
    for (int bDefence = 0; bDefence <= 1; bDefence++) {
        SCOPED_TRACE(bDefence ? "defence" : "offence");
        Show_Play(bDefence, 1, 2);
        const int nPlay = 12;
        std::vector<uint8_t> abExpected = Image_Of(bDefence);
        const size_t nFolder = PLAYBOOK_CATEGORY_SIZE * 1;
        const size_t nPlayAt =
            bDefence ? offsetof(DEFENSIVE_PLAYBOOK, aPlays) + nPlay * sizeof(DEFENSIVE_PLAY)
                     : offsetof(OFFENSIVE_PLAYBOOK, aPlays) + nPlay * sizeof(OFFENSIVE_PLAY);
        const size_t nComment = nPlayAt + (bDefence ? offsetof(DEFENSIVE_PLAY, szDescription)
                                                    : offsetof(OFFENSIVE_PLAY, szDescription));
        const size_t nNotes = bDefence ? offsetof(DEFENSIVE_PLAYBOOK, szDescription)
                                       : offsetof(OFFENSIVE_PLAYBOOK, szDescription);
        Put_Field(&abExpected, nFolder, std::string(31, 'F'));
        Put_Field(&abExpected, nPlayAt, std::string(53, 'N'));
        Put_Field(&abExpected, nComment, std::string(127, 'C'));
        Put_Field(&abExpected, nNotes, std::string(511, 'x'));
        INT_PTR nResult = Run_Editor([&](HWND hDlg) {
            Replace_Box_Text(hDlg, PE_FOLDER_NAME_ID, std::string(40, 'F'));
            Replace_Box_Text(hDlg, PE_PLAY_NAME_ID, std::string(60, 'N'));
            Replace_Box_Text(hDlg, PE_COMMENT_ID, std::string(140, 'C'));
            Replace_Box_Text(hDlg, PE_NOTES_ID, std::string(600, 'x'));
            Test_Click_Control(hDlg, PE_DONE_ID);
        });
        EXPECT_EQ(nResult, 1);
        EXPECT_TRUE(Image_Of(bDefence) == abExpected);

        Run_Editor([&](HWND hDlg) {
            Replace_Box_Text(hDlg, PE_FOLDER_NAME_ID, "");
            Replace_Box_Text(hDlg, PE_PLAY_NAME_ID, "");
            Test_Click_Control(hDlg, PE_DONE_ID);
        });
        const std::vector<uint8_t> abAfter = Image_Of(bDefence);
        EXPECT_STREQ(reinterpret_cast<const char*>(abAfter.data() + nFolder), "Unnamed Folder");
        EXPECT_STREQ(reinterpret_cast<const char*>(abAfter.data() + nPlayAt), "Unnamed Play");
    }
}

// Escape drops what was typed: the image stays byte for byte, on either side.
TEST_F(PlaybookEditorTest, EscapeKeepsTheTypedTextsOut) {
    for (int bDefence = 0; bDefence <= 1; bDefence++) {
        SCOPED_TRACE(bDefence ? "defence" : "offence");
        Show_Play(bDefence, 0, 3);
        const std::vector<uint8_t> abBefore = Image_Of(bDefence);
        INT_PTR nResult = Run_Editor([&](HWND hDlg) {
            // The notes take Escape as a key of their own: the last box typed in is another.
            for (int nId : {PE_NOTES_ID, PE_FOLDER_NAME_ID, PE_PLAY_NAME_ID, PE_COMMENT_ID})
                Replace_Box_Text(hDlg, nId, "typed");
            Test_Press_Key(hDlg, VK_ESCAPE);
        });
        EXPECT_EQ(nResult, 0);
        EXPECT_TRUE(Image_Of(bDefence) == abBefore);
        EXPECT_EQ(gHighlightedSpot, -1);
    }
}

// A choice is written at once and checked: a cornerback's rush becomes a corner blitz, on a late
// defender too; the quarterback is refused as a pass's primary receiver; a focused route list
// marks its receiver's spot.
TEST_F(PlaybookEditorTest, ChoicesAreCheckedAndWrittenAtOnce) {
    int nPlay = -1, nCornerback = -1;
    for (int p = 0; p < DEFENSIVE_PLAY_COUNT && nPlay < 0; p++)
        for (int d = PLAY_DEFENDERS - 1; d >= 5 && nPlay < 0; d--)
            if (Get_Formation_Spot_Position(Get_Defensive_Play_Formation(EDITOR_TEAM, p), d,
                                            SPOT_FIELD_POSITION) == POS_CB) {
                nPlay = p;
                nCornerback = d;
            }
    ASSERT_GE(nPlay, 0);
    Show_Play(1, nPlay / 10, nPlay % 10);
    std::string stRow;
    Run_Editor([&](HWND hDlg) {
        stRow = Row_Text(hDlg, kDefenderListIds[nCornerback], INSIDE_RUSH);
        Test_Choose_Row(hDlg, kDefenderListIds[nCornerback], INSIDE_RUSH);
        EXPECT_EQ(Test_Control_Selection(hDlg, kDefenderListIds[nCornerback]), CORNER_BLITZ);
        Test_Press_Key(hDlg, VK_ESCAPE);
    });
    EXPECT_EQ(stRow, "[Not Available]");
    EXPECT_EQ(Get_Defensive_Play_Role(EDITOR_TEAM, nPlay, nCornerback), CORNER_BLITZ);

    int nPass = 0;
    while (!Is_Pass_Play(EDITOR_TEAM, nPass))
        nPass++;
    Show_Play(0, nPass / 10, nPass % 10);
    const int nPrimary = Get_Offensive_Play_Primary_Player(EDITOR_TEAM, nPass);
    int nSpot = -2;
    Test_Clear_Transcript();
    Test_Answer_Message_Box_With_Caption("Invalid Selection", IDOK);
    Run_Editor([&](HWND hDlg) {
        Test_Choose_Row(hDlg, PE_CARRIER_ID, 0);
        EXPECT_EQ(Test_Control_Selection(hDlg, PE_CARRIER_ID), nPrimary);
        SetFocus(GetDlgItem(hDlg, PE_THIRD_ROUTE_ID));
        nSpot = gHighlightedSpot;
        Test_Click_Control(hDlg, PE_DONE_ID);
    });
    EXPECT_EQ(Count_Shown_With_Text("The Quarterback cannot be the Primary Receiver."), 1);
    EXPECT_EQ(Get_Offensive_Play_Primary_Player(EDITOR_TEAM, nPass), nPrimary);
    EXPECT_EQ(nSpot, 3);
    EXPECT_EQ(gHighlightedSpot, -1);
}

// Save stores the typed texts first; the name typed there is a file name, never a path.
TEST_F(PlaybookEditorTest, SaveRefusesAPathAndKeepsTheTypedTexts) {
    Test_Answer_Message_Box_With_Caption("Invalid Playbook Name", IDOK);
    Test_Script_Dialog(IDD_SAVE_PLAYBOOK, [](HWND hDlg) {
        Replace_Box_Text(hDlg, SAVE_NAME_ID, "../Escape");
        Test_Click_Control(hDlg, IDOK);
        EXPECT_TRUE(IsWindow(hDlg));
        Test_Click_Control(hDlg, IDCANCEL);
    });
    Run_Editor([](HWND hDlg) {
        Replace_Box_Text(hDlg, PE_PLAY_NAME_ID, "Kept Name");
        Test_Click_Control(hDlg, PE_SAVE_ID);
        Test_Press_Key(hDlg, VK_ESCAPE);
    });
    EXPECT_EQ(Count_Shown_With_Caption("Invalid Playbook Name"), 1);
    FILE* pEscaped = fopen("Escape.opb", "rb");
    EXPECT_EQ(pEscaped, nullptr);
    if (pEscaped)
        fclose(pEscaped);
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(EDITOR_TEAM, 12, szName, (int)sizeof szName);
    EXPECT_STREQ(szName, "Kept Name");
}

// The last offensive folder lists four plays; a defensive folder row switches the side.
TEST_F(PlaybookEditorTest, FoldersListTheirPlays) {
    Show_Play(0, 5, 3);
    int nPlays = 0, nFolders = 0, nDefencePlays = 0;
    std::string stFirst, stLast;
    Run_Editor([&](HWND hDlg) {
        nFolders = (int)SendDlgItemMessageA(hDlg, PE_FOLDER_ID, CB_GETCOUNT, 0, 0);
        stFirst = Row_Text(hDlg, PE_FOLDER_ID, 0);
        stLast = Row_Text(hDlg, PE_FOLDER_ID, nFolders - 1);
        nPlays = (int)SendDlgItemMessageA(hDlg, PE_PLAY_ID, CB_GETCOUNT, 0, 0);
        Test_Choose_Row(hDlg, PE_FOLDER_ID, 7);
        nDefencePlays = (int)SendDlgItemMessageA(hDlg, PE_PLAY_ID, CB_GETCOUNT, 0, 0);
        Test_Click_Control(hDlg, PE_DONE_ID);
    });
    EXPECT_EQ(nFolders, 9);
    EXPECT_EQ(stFirst, "Offense: Inside Runs");
    EXPECT_EQ(stLast, "Defense: Pass Defense");
    EXPECT_EQ(nPlays, 4);
    EXPECT_EQ(nDefencePlays, 10);
    EXPECT_EQ(gPlaybookSide, 1);
    EXPECT_EQ(gPlaybookFolder, 1);
    EXPECT_EQ(gPlaybookPlay, 0);
}

// The result boxes read the play's counters; the first Clear empties the play shown, the second
// (on another play) offers the whole side.
TEST_F(PlaybookEditorTest, ResultBoxesAndClearingThem) {
    OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(EDITOR_TEAM);
    for (int nPlay : {12, 30, 40}) {
        pBook->aanPlays[nPlay][SITUATION_ALL] = 4;
        pBook->aanYards[nPlay][SITUATION_ALL] = 30;
        pBook->aabConversions[nPlay][SITUATION_ALL] = 2;
        pBook->aabTouchdowns[nPlay][SITUATION_ALL] = 1;
        pBook->aabSacks[nPlay][SITUATION_ALL] = 1;
        pBook->aanPlays[nPlay][SITUATION_LATE_DOWN] = 1;
    }
    std::string stOverall, stLateDown, stBlitz;
    bool bClearEnabled = false, bClearedEnabled = true, bAskedFirst = true, bOthersKept = false;
    Test_Answer_Message_Box_With_Caption("Clear Play Result Data", IDYES);
    Run_Editor([&](HWND hDlg) {
        stOverall = Test_Control_Text(hDlg, PE_FIRST_RESULT_ID);
        stLateDown = Test_Control_Text(hDlg, PE_FIRST_RESULT_ID + 1);
        stBlitz = Test_Control_Text(hDlg, PE_FIRST_RESULT_ID + 4);
        bClearEnabled = IsWindowEnabled(GetDlgItem(hDlg, PE_CLEAR_ID));
        Test_Click_Control(hDlg, PE_CLEAR_ID);
        bClearedEnabled = IsWindowEnabled(GetDlgItem(hDlg, PE_CLEAR_ID));
        bAskedFirst = Count_Shown_With_Caption("Clear Play Result Data") > 0;
        bOthersKept = Has_Play_Result_Data(EDITOR_TEAM, PLAYBOOK_SIDE_OFFENCE, 30) &&
                      Has_Play_Result_Data(EDITOR_TEAM, PLAYBOOK_SIDE_OFFENCE, 40);
        Test_Choose_Row(hDlg, PE_FOLDER_ID, 3);  // play 30
        Test_Click_Control(hDlg, PE_CLEAR_ID);
        Test_Press_Key(hDlg, VK_ESCAPE);
    });
    EXPECT_EQ(stOverall,
              "Overall\n(4 Plays)\n7.5 Yards/Play\nFirst Down: 50%\nTouchdown: 25%\nTurnover: 0%\n"
              "Sack: 25%");
    EXPECT_EQ(stLateDown.rfind("3rd Down\n(1 Play)\n", 0), 0u) << stLateDown;
    EXPECT_EQ(stBlitz, "vs. Blitz\n(0 Plays)");
    EXPECT_TRUE(bClearEnabled);
    EXPECT_FALSE(bClearedEnabled);
    EXPECT_FALSE(bAskedFirst);
    EXPECT_TRUE(bOthersKept);
    EXPECT_EQ(Count_Shown_With_Caption("Clear Play Result Data"), 1);
    for (int nPlay : {12, 30, 40})
        EXPECT_FALSE(Has_Play_Result_Data(EDITOR_TEAM, PLAYBOOK_SIDE_OFFENCE, nPlay)) << nPlay;
}

}  // namespace
