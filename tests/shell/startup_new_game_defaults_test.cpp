// A new game's preferences, and the user's own choices kept when a saved game is loaded; the
// header texts of the pages' chosen columns.
#include "fixtures/fixture_league.h"
#include "setup/setup.h"
#include "startup_test_fixture.h"

namespace {

class StartupDefaultsTest : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        Build_Fixture_League();
        Ensure_Fame_File();
    }

    static std::string Column(void (*pfnName)(char*, int, int), int nIndex) {
        char szName[128] = "unchanged";
        pfnName(szName, sizeof szName, nIndex);
        return szName;
    }

    static std::string Skin() {
        char szSkin[64];
        Get_Skin_Name(szSkin, sizeof szSkin);
        return szSkin;
    }

    // The user's own choices, none of them a new game's.
    static void Choose_User_Settings() {
        for (int nPreference = PREF_STANDINGS_COLUMNS; nPreference <= PREF_CALENDAR_COLUMNS + 4;
             nPreference++)
            Set_User_Preference(nPreference, 3);
        gShowNewsTicker = 0;
        gStatPeriod = 2;
        Set_Skin_Name("ice");
    }

    static void Expect_User_Settings() {
        for (int nPreference = PREF_STANDINGS_COLUMNS; nPreference <= PREF_CALENDAR_COLUMNS + 4;
             nPreference++)
            EXPECT_EQ(Get_User_Preference(nPreference), 3) << nPreference;
        EXPECT_EQ(gShowNewsTicker, 0);
        EXPECT_EQ(gStatPeriod, 2);
        EXPECT_EQ(Skin(), "ice");
    }
};

TEST_F(StartupDefaultsTest, NewGameWritesItsPreferences) {
    Choose_User_Settings();
    Set_Team_String(FIXTURE_HUMAN_TEAM, TEAM_MANAGER_NAME, "Dana Reyes");
    gSelectedGame = 4;
    Set_New_Game_Defaults();

    struct {
        int nFirst;
        std::vector<int> anValues;
    } kRuns[] = {
        {PREF_STANDINGS_COLUMNS, {2, 0, 5, 7, 8}},
        {PREF_FINANCES_COLUMNS, {46, 8, 17, 47, 48, 49, 2, 1}},
        {PREF_LEADER_CATEGORIES, {2, 11, 15, 24}},
        {PREF_LEADER_VIEW, {0}},
        {PREF_CALENDAR_COLUMNS, {18, 2, 3, 4, 5}},
    };
    for (const auto& run : kRuns) {
        for (size_t n = 0; n < run.anValues.size(); n++)
            EXPECT_EQ(Get_User_Preference(run.nFirst + (int)n), run.anValues[n])
                << run.nFirst + (int)n;
    }
    EXPECT_EQ(gShowNewsTicker, 1);
    EXPECT_EQ(gStatPeriod, 1);
    EXPECT_EQ(gSelectedGame, -1);
    EXPECT_EQ(gTextDisplaySpeed, 300);
    EXPECT_EQ(gDialogTeam, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(gUserTeam, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Get_User_Preference(PREF_LEAGUE_SHOWN), Get_Team_League(FIXTURE_HUMAN_TEAM));
    EXPECT_EQ(Skin(), "earth");
    char szManager[64];
    Get_Manager_Name(szManager, sizeof szManager);
    EXPECT_STREQ(szManager, "Dana Reyes");
}

// Before 1966 the eighth Finances column is the average age, from then on the title wins.
TEST_F(StartupDefaultsTest, EighthFinancesColumnFollowsTheYear) {
    for (auto [nYear, nColumn] : {std::pair{1960, 9}, {1965, 9}, {1966, 1}}) {
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, nYear - gSeasonNumber);
        Set_New_Game_Defaults();
        EXPECT_EQ(Get_User_Preference(PREF_FINANCES_LAST_COLUMN), nColumn) << nYear;
    }
}

// Loading a saved game keeps the user's columns, period, ticker and skin; only a file old
// enough to lack them gets a new game's.
TEST_F(StartupDefaultsTest, UserChoicesSurviveLoadingASavedGame) {
    Choose_User_Settings();
    ASSERT_EQ(Save_Game_File("mine.vnt", NULL), SAVE_OK);
    Set_New_Game_Defaults();
    ASSERT_TRUE(Load_Universe("mine.vnt"));
    Expect_User_Settings();

    Run_New_Game_Defaults_Upgrade(GAME_FILE_VERSION);
    Expect_User_Settings();
    Run_New_Game_Defaults_Upgrade(SAVE_VERSION_NEW_GAME_DEFAULTS);
    EXPECT_EQ(Skin(), "earth");
    EXPECT_EQ(gStatPeriod, 1);
}

TEST_F(StartupDefaultsTest, ColumnNamesAndTheirEdges) {
    using NAME_FN = void (*)(char*, int, int);
    struct {
        NAME_FN pfnName;
        int nIndex;
        const char* szName;
    } kCases[] = {
        {Get_Team_Stat_Column_Name, 0, "Total\nYards"},
        {Get_Team_Stat_Column_Name, 19, "Over/Under"},
        {Get_Team_Stat_Column_Name, 20, ""},
        {Get_Team_Stat_Column_Name, -1, ""},
        {Get_Player_Leader_Column_Name, 21, "Tackles (Solo + Asst)"},
        {Get_Player_Leader_Column_Name, 29, "Cap Impact"},
        {Get_Player_Leader_Column_Name, 30, ""},
        {Get_Team_Info_Column_Name, 42, "Attendance"},
        {Get_Team_Info_Column_Name, 45, "Road Attendance"},
        {Get_Team_Info_Column_Name, 49, "Overall"},
        {Get_Team_Info_Column_Name, 50, ""},
        {Get_Team_Info_Column_Name, -2, ""},
        {Get_Standings_Column_Name, 39, "Record (vs. Spread)"},
        {Get_Standings_Column_Name, 47, "Pass Blocking"},
        {Get_Standings_Column_Name, 48, ""},
    };
    for (const auto& test : kCases)
        EXPECT_EQ(Column(test.pfnName, test.nIndex), test.szName) << test.nIndex;
}

TEST_F(StartupDefaultsTest, FinancesTitlesAndCapColumnsFollowTheLeague) {
    char szLeague[64];
    Get_League_Name(1, szLeague, sizeof szLeague);
    Set_User_Preference(PREF_LEAGUE_SHOWN, 1);
    EXPECT_EQ(Column(Get_Team_Info_Column_Name, 2), std::string(szLeague) + " Titles");
    EXPECT_EQ(Column(Get_Team_Info_Column_Name, 17), "Cap Room");

    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 0);
    EXPECT_EQ(Column(Get_Team_Info_Column_Name, 17), "Payroll Budget");

    Set_User_Preference(PREF_LEAGUE_SHOWN, -1);
    EXPECT_EQ(Column(Get_Team_Info_Column_Name, 2), " Titles");
    EXPECT_TRUE(Contains(gRecentErrors, "Invalid Get_League_Name(-1) call."));
}

}  // namespace
