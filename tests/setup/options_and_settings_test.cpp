// The Options dialog and the small setting dialogs driven headless through their controls.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define OPT_TEXT_SPEED 1434
#define OPT_OFFENSIVE_PLAYS 1435
#define OPT_DIFFICULTY 1008
#define OPT_FINANCES 1010
#define OPT_REVERSION 1011
#define OPT_SKIN 1009
#define OPT_FINANCIAL_TEXT 1463
#define OPT_REPLAY_TEXT 1464
#define OPT_REPLAY_MODE 1322
#define SET_NOTES 1331
#define SET_PLAY_THROUGH 1078
#define SET_ARROWS 1138
#define SET_INJURY_CHECK 1022
#define SET_INJURY_WEEKS 1021

class OptionsAndSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
    }
};

// Every check box stores its preference, and each combo its value, only when Done is pressed.
TEST_F(OptionsAndSettingsTest, OptionsStoreEveryPreference) {
    const struct {
        int nId, nPreference;
    } kBoxes[] = {{1023, PREF_COMMISSIONER_MODE}, {1024, PREF_PERFECT_SCOUTING},
                  {1031, PREF_SOUND_EFFECTS},     {1032, PREF_DARK_TEXT},
                  {1028, PREF_AUTO_SAVE},         {1036, PREF_AUTO_FILL_ROSTERS},
                  {1030, PREF_SHOW_NEWS_TICKER},  {1033, PREF_STANDINGS_OUTPUT},
                  {1034, PREF_AWARDS_OUTPUT},     {1035, PREF_FINANCES_OUTPUT}};
    for (const auto& box : kBoxes)
        Set_User_Preference(box.nPreference, 0);
    // "Computer Offers Trades" is hidden: its state is loaded and stored as it stands.
    Set_User_Preference(PREF_RETIRED_SETTING, 1);
    gTextDisplaySpeed = 700;
    int nSpeedShown = -1;
    Test_Script_Dialog(IDD_OPTIONS, [&](HWND hDlg) {
        nSpeedShown = Test_Control_Selection(hDlg, OPT_TEXT_SPEED);
        for (const auto& box : kBoxes)
            Test_Click_Control(hDlg, box.nId);
        Test_Choose_Row(hDlg, OPT_TEXT_SPEED, 5);       // "Instant"
        Test_Choose_Row(hDlg, OPT_OFFENSIVE_PLAYS, 1);  // "Automatic"
        Test_Choose_Row(hDlg, OPT_DIFFICULTY, 2);       // "Head Coach"
        Test_Choose_Row(hDlg, OPT_FINANCES, 1);         // "Owner Mode"
        Test_Choose_Row(hDlg, OPT_REVERSION, 0);        // -100 %
        EXPECT_EQ(gTextDisplaySpeed, 700);              // nothing stored before Done
        Test_Click_Control(hDlg, IDOK);
    });
    Open_Dialog(NULL, IDD_OPTIONS);
    EXPECT_EQ(nSpeedShown, 0);  // above 500 shows "Very Slow"
    for (const auto& box : kBoxes)
        EXPECT_EQ(Get_User_Preference(box.nPreference), 1) << box.nId;
    EXPECT_EQ(Get_User_Preference(PREF_RETIRED_SETTING), 1);
    EXPECT_EQ(gTextDisplaySpeed, 0);
    EXPECT_EQ(Get_User_Preference(PREF_AUTOMATIC_OFFENSIVE_PLAYS), 1);
    EXPECT_EQ(Get_User_Preference(PREF_FAME_TABLE), 2);
    EXPECT_EQ(Get_User_Preference(PREF_DIFFICULTY), 2);
    EXPECT_EQ(gOwnerMode, 1);
    EXPECT_EQ(gAgingModifier, -100);

    Test_Script_Dialog(IDD_OPTIONS, [&](HWND hDlg) {
        Test_Choose_Row(hDlg, OPT_TEXT_SPEED, 0);
        Test_Choose_Row(hDlg, OPT_REVERSION, 10);  // +0 %
        Test_Click_Control(hDlg, IDOK);
    });
    Open_Dialog(NULL, IDD_OPTIONS);
    EXPECT_EQ(gTextDisplaySpeed, 500);
    EXPECT_EQ(gAgingModifier, 0);
}

// After 2020 Replay Mode is off and greyed, its text names the historical range; before, it is
// stored as checked.
TEST_F(OptionsAndSettingsTest, ReplayModeOnlyForHistoricalSeasons) {
    for (int nYear : {2021, 1990}) {
        SCOPED_TRACE(nYear);
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, nYear);
        gSeasonNumber = 0;
        gReplayMode = 1;
        bool bEnabled = false;
        std::string stText;
        Test_Script_Dialog(IDD_OPTIONS, [&](HWND hDlg) {
            bEnabled = IsWindowEnabled(GetDlgItem(hDlg, OPT_REPLAY_MODE));
            stText = Test_Control_Text(hDlg, OPT_REPLAY_TEXT);
            Test_Click_Control(hDlg, IDOK);
        });
        Open_Dialog(NULL, IDD_OPTIONS);
        EXPECT_EQ(bEnabled, nYear <= 2020);
        EXPECT_EQ(gReplayMode, nYear <= 2020 ? 1 : 0);
        EXPECT_EQ(stText.find("(1951 - 2020)") != std::string::npos, nYear > 2020) << stText;
    }
}

// A skin chosen applies at once; a skin that names no folder leaves the list without a choice.
TEST_F(OptionsAndSettingsTest, SkinChangeAppliesAtOnce) {
    system("rm -rf Skins && mkdir -p Skins/earth Skins/fire Skins/ice");
    safe_strncpy(gSkinName, "missing", sizeof gSkinName);
    int nShown = 0;
    std::string stSkinDuring;
    Test_Script_Dialog(IDD_OPTIONS, [&](HWND hDlg) {
        nShown = Test_Control_Selection(hDlg, OPT_SKIN);
        Test_Choose_Row(hDlg, OPT_SKIN, 1);
        stSkinDuring = gSkinName;
        Test_Click_Control(hDlg, IDOK);
    });
    Open_Dialog(NULL, IDD_OPTIONS);
    EXPECT_EQ(nShown, -1);
    EXPECT_EQ(stSkinDuring, "fire");
    system("rm -rf Skins");
}

// Notes: the edit stops at 500 characters and at most 499 are stored; Escape keeps the old notes.
TEST_F(OptionsAndSettingsTest, DatabaseNotesAreLimited) {
    Set_Database_Notes("old");
    Test_Script_Dialog(IDD_DATABASE_NOTES, [&](HWND hDlg) {
        EXPECT_EQ(Test_Control_Text(hDlg, SET_NOTES), "old");
        SetDlgItemTextA(hDlg, SET_NOTES, "");
        Test_Type_Into(hDlg, SET_NOTES, std::string(600, 'n'));
        EXPECT_EQ(Test_Control_Text(hDlg, SET_NOTES).size(), 500u);
        Test_Click_Control(hDlg, IDOK);
    });
    Open_Dialog(NULL, IDD_DATABASE_NOTES);
    char szNotes[600];
    Get_Database_Notes(szNotes, sizeof szNotes);
    EXPECT_EQ(strlen(szNotes), 499u);
    Test_Script_Dialog(IDD_DATABASE_NOTES, [&](HWND hDlg) {
        SetDlgItemTextA(hDlg, SET_NOTES, "changed");
        Test_Press_Key(hDlg, VK_ESCAPE);
    });
    Open_Dialog(NULL, IDD_DATABASE_NOTES);
    Get_Database_Notes(szNotes, sizeof szNotes);
    EXPECT_EQ(strlen(szNotes), 499u);
}

// Opens at 5 seasons; the arrows stop at 100 and at 1; typing is undone; OK asks first.
TEST_F(OptionsAndSettingsTest, PlayMultipleSeasonsStaysWithinItsRange) {
    int nYear = Get_Season_Year();
    std::string stOpening, stTop, stBottom, stTyped;
    auto Press_Arrow = [](HWND hDlg, int nTimes, int nUp) {
        for (int n = 0; n < nTimes; n++)
            SendMessageA(hDlg, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, nUp),
                         (LPARAM)GetDlgItem(hDlg, SET_ARROWS));
    };
    Test_Answer_Message_Box_With_Caption("Play Multiple Seasons", IDOK);
    Test_Script_Dialog(IDD_PLAY_MULTIPLE_SEASONS, [&](HWND hDlg) {
        stOpening = Test_Control_Text(hDlg, SET_PLAY_THROUGH);
        Press_Arrow(hDlg, 100, 1);
        stTop = Test_Control_Text(hDlg, SET_PLAY_THROUGH);
        Press_Arrow(hDlg, 200, 0);
        stBottom = Test_Control_Text(hDlg, SET_PLAY_THROUGH);
        Test_Type_Into(hDlg, SET_PLAY_THROUGH, "7");
        stTyped = Test_Control_Text(hDlg, SET_PLAY_THROUGH);
        Press_Arrow(hDlg, 2, 1);
        Test_Click_Control(hDlg, IDOK);
    });
    EXPECT_EQ(Open_Dialog(NULL, IDD_PLAY_MULTIPLE_SEASONS), 3);
    EXPECT_EQ(stOpening, std::to_string(nYear + 4));
    EXPECT_EQ(stTop, std::to_string(nYear + 99));
    EXPECT_EQ(stBottom, std::to_string(nYear));
    EXPECT_EQ(stTyped, std::to_string(nYear));
    Test_Script_Dialog(IDD_PLAY_MULTIPLE_SEASONS,
                       [&](HWND hDlg) { Test_Click_Control(hDlg, IDCANCEL); });
    EXPECT_EQ(Open_Dialog(NULL, IDD_PLAY_MULTIPLE_SEASONS), -1);
}

// Never set: 4 weeks, unchecked, and confirming stores -4; checked stores the weeks typed.
TEST_F(OptionsAndSettingsTest, InjuryContingencyRemembersTheWeeks) {
    Set_User_Preference(PREF_INJURY_CONTINGENCY, 0);
    std::string stWeeks;
    bool bEnabled = true;
    Test_Script_Dialog(IDD_INJURY_CONTINGENCY, [&](HWND hDlg) {
        stWeeks = Test_Control_Text(hDlg, SET_INJURY_WEEKS);
        bEnabled = IsWindowEnabled(GetDlgItem(hDlg, SET_INJURY_WEEKS));
        Test_Click_Control(hDlg, IDOK);
    });
    EXPECT_EQ(Open_Dialog(NULL, IDD_INJURY_CONTINGENCY), 1);
    EXPECT_EQ(stWeeks, "4");
    EXPECT_FALSE(bEnabled);
    EXPECT_EQ(Get_User_Preference(PREF_INJURY_CONTINGENCY), -4);

    Test_Script_Dialog(IDD_INJURY_CONTINGENCY, [&](HWND hDlg) {
        Test_Click_Control(hDlg, SET_INJURY_CHECK);
        SetDlgItemTextA(hDlg, SET_INJURY_WEEKS, "6");
        Test_Click_Control(hDlg, IDOK);
    });
    Open_Dialog(NULL, IDD_INJURY_CONTINGENCY);
    EXPECT_EQ(Get_User_Preference(PREF_INJURY_CONTINGENCY), 6);
}

}  // namespace
