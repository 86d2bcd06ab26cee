// The season database builds of Advanced Tools over the fixture league: the open game offered for
// saving first, a build that makes no league puts the game back, a built season starts as a game.
#include <gtest/gtest.h>

#include <string>

#include "common/dialog_steps.h"
#include "common/text_files.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "tools/tools.h"

namespace {

#define AT_MODERN_DATABASE 12
#define BUILT_YEAR 2021
#define BUILT_FILE "databases/universe-2021.dat"

class DatabaseBuildRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gDatabaseLoaded = 1;
    }

    void TearDown() override {
        gDatabaseLoaded = 0;
    }

    // The base universe (the fixture itself), the league file and the fixture's teams; with
    // bPlayers also the import set written from the fixture's players.
    static void Write_Build_Inputs(bool bTeams, bool bPlayers) {
        Platform_Make_Directory("Databases");
        ASSERT_EQ(Save_Game_File(DEFAULT_UNIVERSE_FILE_NAME, NULL), SAVE_OK);
        for (const char* szFolder : {"input", "input/stats", "input/stats/leagues"})
            Platform_Make_Directory(szFolder);
        Write_Text_File("input/stats/leagues/2021_league.csv",
                        "League,D1,D2,D3,D4\nHeritage,North,South,East,West\n"
                        "Frontier,North,South,East,West\n");
        std::string stTeams =
            "Abbreviation,Home,Nickname,Stadium,Capacity,Structure,Surface,Year Built,Value,"
            "Convenience,Comfort,Sight Lines,Fan Support,Ticket Price,Division,City,Strength\n";
        for (int nTeam = 0; bTeams && nTeam < FIXTURE_TEAM_COUNT; nTeam++)
            stTeams += Team_Line(nTeam);
        Write_Text_File("input/stats/2021_teams.csv", stTeams);
        if (bPlayers) {
            ASSERT_EQ(Write_Import_Set(BUILT_YEAR), 1);
        }
    }

    static std::string Team_Line(int nTeam) {
        char szAbbreviation[TEAM_STRING_SIZE], szHome[TEAM_STRING_SIZE];
        char szNickname[TEAM_STRING_SIZE], szCity[CITY_NAME_SIZE];
        Get_Team_String(szAbbreviation, (int)sizeof szAbbreviation, nTeam, TEAM_ABBREVIATION);
        Get_Team_String(szHome, (int)sizeof szHome, nTeam, TEAM_CITY);
        Get_Team_String(szNickname, (int)sizeof szNickname, nTeam, TEAM_NICKNAME);
        Get_City_Name(Get_Team_Stat(nTeam, TEAM_CITY_INDEX), szCity, (int)sizeof szCity);
        return std::string(szAbbreviation) + "," + szHome + "," + szNickname + "," + szHome +
               " Field,65000,OPEN,GRASS,2000,900000000,1000,1000,1000,1000,7000," +
               std::to_string(Get_Team_Stat(nTeam, TEAM_DIVISION)) + "," + szCity + ",0\n";
    }

    // The build is let replace the open game.
    static void Press_Create_Modern_Database() {
        Test_Answer_Message_Box_With_Caption("Create Database", IDYES);
        Test_Script_Dialog(IDD_ADVANCED_TOOLS,
                           [](HWND hDlg) { Test_Click_Control(hDlg, AT_MODERN_DATABASE); });
        Do_Dialog(NULL, IDD_ADVANCED_TOOLS, 0);
    }

    static std::string Nickname(int nTeam) {
        char szName[TEAM_STRING_SIZE];
        Get_Team_String(szName, (int)sizeof szName, nTeam, TEAM_NICKNAME);
        return szName;
    }

    static bool Built_File_Exists() {
        return File_Exists(BUILT_FILE) != 0;
    }
};

// Cancel on the question whether to save the changed game: nothing is built or replaced.
TEST_F(DatabaseBuildRunTest, CancellingTheSaveQuestionBuildsNothing) {
    Write_Build_Inputs(true, true);
    Set_Team_String(3, TEAM_NICKNAME, "Edited");
    Forget_League_Mark();
    Test_Answer_Message_Box_With_Caption("Game Not Saved", IDCANCEL);
    Press_Create_Modern_Database();
    EXPECT_EQ(Count_Shown_With_Caption("Game Not Saved"), 1);
    EXPECT_FALSE(Built_File_Exists());
    EXPECT_EQ(Nickname(3), "Edited");
}

// The teams file makes no team: the build cleared the league, and the open game comes back.
TEST_F(DatabaseBuildRunTest, ABuildThatMakesNoLeaguePutsTheGameBack) {
    Write_Build_Inputs(false, false);
    Set_Team_String(3, TEAM_NICKNAME, "Kept");
    int nPlayerId = Get_Player_ID(5, 10);
    Test_Answer_Message_Box_With_Caption("Game Not Saved", IDNO);
    Press_Create_Modern_Database();
    EXPECT_EQ(Count_Shown_With_Caption("Database Not Built"), 1);
    EXPECT_EQ(Count_Shown_With_Caption("Create Modern Database"), 0);
    EXPECT_EQ(Count_Active_Teams(), FIXTURE_TEAM_COUNT);
    EXPECT_EQ(Nickname(3), "Kept");
    EXPECT_EQ(Get_Player_ID(5, 10), nPlayerId);
}

// A season built from the fixture's import set is saved and runs as a new game at its kickoff,
// its teams re-sorted; the reminder follows.
TEST_F(DatabaseBuildRunTest, ABuiltSeasonStartsAsANewGame) {
    Write_Build_Inputs(true, true);
    Test_Answer_Message_Box_With_Caption("Game Not Saved", IDNO);
    Press_Create_Modern_Database();
    EXPECT_TRUE(Built_File_Exists());
    EXPECT_EQ(Count_Shown_With_Text("Reminder: You must start a New Game to load the new "
                                    "database."),
              1);
    char szStadium[TEAM_STRING_SIZE];
    Get_Team_String(szStadium, (int)sizeof szStadium, 0, TEAM_HOME_LOCATION);
    EXPECT_NE(std::string(szStadium).find(" Field"), std::string::npos);  // the teams file's
    EXPECT_EQ(Get_Season_Year(), BUILT_YEAR);
    EXPECT_EQ(gCurrentWeek, 0);
    EXPECT_EQ(Count_Active_Teams(), FIXTURE_TEAM_COUNT);
    EXPECT_GE(Count_Players(0, ALL_ROSTERS), 45);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_CONTROL), CONTROL_HUMAN);
    EXPECT_EQ(gDatabaseLoaded, 1);
}

}  // namespace
