// The steps of a season build on the fixture league: season lines and field-goal bands, payrolls
// fitted to the cap room, team strength targets, combine speeds, lineman figures, the ratings CSV
// round trip, the rookies file, and a build refused without its league files.
#include <gtest/gtest.h>
#include <math.h>
#include <stdio.h>
#include <sys/stat.h>

#include <string>

#include "common/text_files.h"
#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "tools/tools.h"

namespace {

class SeasonBuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        mkdir("Input", 0755);
        mkdir("Input/Stats", 0755);
    }

    // The first player of the team at the position.
    static int Find_Position_Slot(int nTeam, int nPosition) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot) &&
                Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION) == nPosition)
                return nSlot;
        }
        return -1;
    }

    static int Sum_Bands(int nLine, int nFirst) {
        int nSum = 0;
        for (int nStat = nFirst; nStat < nFirst + 8; nStat += 2)
            nSum += Get_Season_Line_Stat(nLine, nStat);
        return nSum;
    }
};

TEST_F(SeasonBuildTest, FieldGoalBandsAddUpToTheTotals) {
    int nSlot = Find_Position_Slot(0, POS_K);
    ASSERT_GE(nSlot, 0);
    int nLine = Add_Player_Season_Line(0, nSlot, 2019, 0);
    ASSERT_GE(nLine, 0);
    Fill_Field_Goal_Bands(0, nSlot, nLine, 30, 36);
    EXPECT_EQ(Sum_Bands(nLine, 11), 30);
    EXPECT_EQ(Sum_Bands(nLine, 10), 36);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 18), 52);  // root 5 + 47
    for (int nStat = 10; nStat < 18; nStat += 2)
        EXPECT_GE(Get_Season_Line_Stat(nLine, nStat), Get_Season_Line_Stat(nLine, nStat + 1));
}

TEST_F(SeasonBuildTest, ASeasonLineReadTwiceCountsOnce) {
    int nSlot = Find_Position_Slot(0, POS_QB);
    int nId = Get_Player_Vital_Stat_Raw(0, nSlot, VITAL_PLAYER_ID);
    char szTeam[TEAM_STRING_SIZE];
    Get_Team_String(szTeam, sizeof(szTeam), 0, TEAM_ABBREVIATION);
    // id, flag, year, team, uniform, name, position, active, G, GS, PaAtt, PaCom, PaYds
    std::string stLine =
        "," + std::to_string(nId) + ",,2015," + szTeam + ",7,Any Name,QB,,16,16,500,300,4000";
    ASSERT_EQ(Find_Player_Season_Line(0, nSlot, 0, 2015), NO_SEASON_LINE);
    int nCareer = Get_Player_Stat(0, nSlot, SEASON_CAREER, 5);
    int nPredicted = Get_Player_Stat(0, nSlot, SEASON_PREDICTED, 5);
    for (int n = 0; n < 2; n++) {
        std::string stCopy = stLine;
        ASSERT_EQ(Import_Season_Line(stCopy.data()), 1);
    }
    int nLine = Find_Player_Season_Line(0, nSlot, 0, 2015);
    ASSERT_GE(nLine, 0);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 5), 4000);
    EXPECT_EQ(Get_Player_Stat(0, nSlot, SEASON_CAREER, 5), nCareer + 4000);
    EXPECT_EQ(Get_Player_Stat(0, nSlot, SEASON_PREDICTED, 5),
              nPredicted + 4000);  // an older season counts once
    const char* const aszIgnored[] = {",1,POST,2020,X,,,QB", ",1,,1990,X,,,QB"};
    for (const char* szIgnored : aszIgnored) {
        std::string stCopy = szIgnored;
        EXPECT_EQ(Import_Season_Line(stCopy.data()), 0) << szIgnored;
    }
}

// A player with more seasons than links keeps 30 lines; the rest are reported once, and their
// figures still count in his career.
TEST_F(SeasonBuildTest, SeasonsPastThePlayersLinksAreReportedAndStillCount) {
    int nSlot = Find_Position_Slot(2, POS_WR);
    ASSERT_GE(nSlot, 0);
    Clear_Player_Season_Links(2, nSlot);
    Clear_Player_Season_Stats(2, nSlot, SEASON_CAREER);
    int nId = Get_Player_Vital_Stat_Raw(2, nSlot, VITAL_PLAYER_ID);
    std::string stLines = std::string(SEASONS_CSV_HEADER) + "\n";
    for (int nYear = 2000; nYear < 2016; nYear++) {
        for (int nTeam = 0; nTeam < 2; nTeam++) {
            char szTeam[TEAM_STRING_SIZE];
            Get_Team_String(szTeam, sizeof(szTeam), nTeam, TEAM_ABBREVIATION);
            // id, flag, year, team, uniform, name, position, active, G
            stLines += "," + std::to_string(nId) + ",," + std::to_string(nYear) + "," + szTeam +
                       ",80,Any Name,WR,,1\n";
        }
    }
    Write_Text_File(SEASONS_FILE_PATH, stLines);
    Import_Seasons_File();
    int nLinked = 0;
    for (int n = 0; n < SEASON_LINK_COUNT; n++)
        nLinked += Is_Season_Line_Index(Get_Player_Season_Line(2, nSlot, n));
    EXPECT_EQ(nLinked, SEASON_LINK_COUNT);
    EXPECT_EQ(Get_Player_Stat(2, nSlot, SEASON_CAREER, 0), 32);
    int nNotices = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        nNotices += shown.stText.find("2 lines of Input/Stats/Seasons.csv found no room") !=
                    std::string::npos;
    EXPECT_EQ(nNotices, 1);
}

TEST_F(SeasonBuildTest, CapHitsFitAPayrollToItsTarget) {
    const int nTeam = 1;
    int nSlot = Find_Position_Slot(nTeam, POS_QB);
    int64_t nPayroll = (int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000;
    int nImpact = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT);
    // A cap hit 3 million above his cap impact, and a target well above the payroll: his salary
    // rises until his cap impact is his cap hit.
    Set_Player_Vital_Stat(nTeam, nSlot, 7, (nImpact + 3000) * 1000);
    Fit_Team_Cap_Hits(nTeam, (int)(nPayroll + 10000000));
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT), nImpact + 3000);
    // Within the slack below the target nothing moves.
    int nSalary = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_SALARY);
    Set_Player_Vital_Stat(nTeam, nSlot, 7, (nImpact + 9000) * 1000);
    nPayroll = (int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000;
    Fit_Team_Cap_Hits(nTeam, (int)(nPayroll + 1000000));
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_SALARY), nSalary);
}

TEST_F(SeasonBuildTest, SigningBonusesGoUntilThePayrollMeetsTheCap) {
    const int nTeam = 2;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Is_Player_Slot_Used(nTeam, nSlot)) {
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, 4000);
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, 1);
        }
    }
    Set_Universe_Stat(UNIVERSE_SALARY_CAP,
                      Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000 - 5000000);
    Remove_Team_Signing_Bonuses(nTeam, 0);
    int64_t nPayroll = (int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000;
    EXPECT_LE(nPayroll, Get_Universe_Stat(UNIVERSE_SALARY_CAP));
    EXPECT_GT(
        Get_Player_Vital_Stat_Raw(nTeam, Find_Free_Player_Slot(nTeam) - 1, VITAL_SIGNING_BONUS),
        0);  // the last players keep theirs: the payroll met the cap before them
}

TEST_F(SeasonBuildTest, SalaryLinesSetContractsOrGoToTheMissingFile) {
    int nId = Get_Player_Vital_Stat_Raw(6, 4, VITAL_PLAYER_ID);
    // Found by his player id; dollars become thousands.
    std::string stMatched =
        "," + std::to_string(nId) + ",XX,1,First,Last,QB,,2,Knee,3,$1000000,$250000,4,$1500000";
    ASSERT_EQ(Import_Salary_Line(stMatched.data()), 1);
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(6, 4, VITAL_SALARY), 1000);
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(6, 4, VITAL_SIGNING_BONUS), 250);
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(6, 4, VITAL_CONTRACT_LENGTH), 4);
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(6, 4, VITAL_INJURY_WEEKS), 2);
    remove(SALARIES_MISSING_PATH);
    std::string stUnmatched = "Nobody9,0,XX,1,No,Body,QB,,,,,,,,";
    EXPECT_EQ(Import_Salary_Line(stUnmatched.data()), 0);
    EXPECT_EQ(Read_Text_File(SALARIES_MISSING_PATH), "No,Body,XX,QB\n");
}

TEST_F(SeasonBuildTest, TeamRecordLinesSetStrengthTargets) {
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2020);
    gSeasonNumber = 0;
    char szNickname[TEAM_STRING_SIZE];
    Get_Team_String(szNickname, sizeof(szNickname), 7, TEAM_NICKNAME);
    std::string stName = std::string(szNickname) + "*";
    std::string stLine = "2020,NFL," + stName + ",10,6,0,3rd of 4,Lost WC,400,350,50";
    ASSERT_EQ(Import_Team_Record_Line(stLine.data()), 1);
    // 990 + 3 x 4 + 20 - 17 + (10 x 4 - 30)
    EXPECT_EQ(Get_Team_Stat(7, TEAM_IMPORT_STRENGTH), 1015);
    std::string stOtherYear = "2019,NFL," + stName + ",10,6,0,3rd of 4,Lost WC,400,350,50";
    EXPECT_EQ(Import_Team_Record_Line(stOtherYear.data()), 0);
}

TEST(TeamStrengthTargets, RecordsAndTargets) {
    // 13-3, 450 for and 300 against, lost in the division round after a first-place finish.
    EXPECT_EQ(Get_Team_Record_Strength(13, 3, 450, 300, 5), 1047);
    EXPECT_EQ(Get_Team_Record_Strength(8, 8, 300, 300, 3), 990);  // no playoff bonus below 4
    // The target lies a fifth of the way from the team's strength into its record's band.
    struct {
        int nAverage, nStrength, nRecord, nTarget;
    } kCases[] = {
        {1000, 1000, 1000, 1000},  // on target
        {1000, 900, 1100, 1060},   // band 1100..1150: e 900 -> (900 + 4 x 1100) / 5
        {2000, 2400, 1000, 2080},  // above: e 1200 -> 1000, t 1040
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Get_Team_Strength_Target(c.nAverage, c.nStrength, c.nRecord), c.nTarget)
            << c.nStrength << " " << c.nRecord;
}

TEST(CombineSpeeds, DashesBecomeSpeed) {
    EXPECT_NEAR(Get_Combine_Speed(4.40, 23), 87.96f, 0.001f);
    EXPECT_NEAR(Get_Combine_Speed(5.60, 30), 19.755f, 0.001f);
}

TEST_F(SeasonBuildTest, LinemenFiguresFollowTheirBlocking) {
    const int anPositions[] = {POS_G, POS_T, POS_C};
    const int anPenalties[] = {36, 28, 44};
    for (int i = 0; i < 3; i++) {
        int nSlot = Find_Position_Slot(3, anPositions[i]);
        ASSERT_GE(nSlot, 0);
        Set_Player_Stat(3, nSlot, SEASON_PREDICTED, 6, 40);
        Set_Player_Stat(3, nSlot, SEASON_PREDICTED, 5, 80);
        Derive_Lineman_Stats(3, nSlot);
        EXPECT_EQ(Get_Player_Stat(3, nSlot, SEASON_PREDICTED, 4), anPenalties[i]);
        EXPECT_EQ(Get_Player_Stat(3, nSlot, SEASON_PREDICTED, 7), 225);
        if (anPositions[i] == POS_G) {
            EXPECT_EQ(Get_Player_Stat(3, nSlot, SEASON_PREDICTED, 8), 870);
        }
    }
}

// ---- the ratings CSV ---------------------------------------------------------------------------

TEST_F(SeasonBuildTest, RatingsRoundTripThroughTheCsv) {
    gSeasonNumber = 1;  // past a new universe's first week: every player is written
    for (int nSlot = 0; nSlot < 3; nSlot++) {
        char szId[16];
        snprintf(szId, sizeof(szId), "Id%d", nSlot);
        Set_Player_Ostrel_ID(4, nSlot, szId);
    }
    Set_Player_Rating(4, 1, 1500.0f, RATING_SPEED);  // clamped when read back
    int nRows = Export_Player_Ratings_CSV(POS_ANY, 2022);
    EXPECT_EQ(nRows, Count_Players(ALL_ROSTERS, ALL_ROSTERS) +
                         Count_Players(FREE_AGENT_TEAM, ALL_ROSTERS));
    char szPath[IMPORT_PATH_SIZE];
    Get_Player_Ratings_CSV_Path(2022, szPath, sizeof(szPath));
    std::string stFirst = Read_Text_File(szPath);
    ASSERT_EQ(stFirst.substr(0, 25), "PlayerID,2022_Team,Number");

    float afBefore[RATING_COUNT];
    for (int nRating = 0; nRating < RATING_COUNT; nRating++) {
        afBefore[nRating] = Get_Stored_Player_Rating(4, 0, nRating);
        Set_Player_Rating(4, 0, 20.0f, nRating);
    }
    ASSERT_EQ(Load_Player_Ratings_CSV(0, szPath), 1);
    for (int nRating = RATING_DURABILITY; nRating < RATING_COUNT; nRating++)
        EXPECT_EQ(Get_Stored_Player_Rating(4, 0, nRating), floorf(afBefore[nRating])) << nRating;
    EXPECT_EQ(Get_Stored_Player_Rating(4, 0, RATING_HEALTH), 20.0f);  // not in the file
    EXPECT_EQ(Get_Stored_Player_Rating(4, 1, RATING_SPEED), RATING_BOUND);
    EXPECT_EQ(Load_Player_Ratings_CSV(0, "Output/Ratings/none.csv"), 0);

    // A new season reads its year's file from the Simulation folder.
    mkdir("Input/Ratings", 0755);
    mkdir("Input/Ratings/Simulation", 0755);
    Write_Text_File(
        "Input/Ratings/Simulation/" + std::to_string(Get_Season_Year()) + "_Player_Ratings.csv",
        "header\nId2,,,,,,66\n");
    ASSERT_EQ(Load_Season_Player_Ratings(0), 1);
    EXPECT_EQ(Get_Stored_Player_Rating(4, 2, RATING_ACCURACY), 66.0f);

    // In replay mode a season up to 2020 reads the Replay folder's file, a later one still the
    // Simulation folder's.
    mkdir("Input/Ratings/Replay", 0755);
    gReplayMode = 1;
    for (int nYear : {2020, 2021}) {
        SCOPED_TRACE(nYear);
        gSeasonNumber = nYear - Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
        for (const char* szFolder : {"Replay", "Simulation"})
            Write_Text_File(
                std::string("Input/Ratings/") + szFolder + "/" + std::to_string(nYear) +
                    "_Player_Ratings.csv",
                std::string("header\nId2,,,,,,") + (szFolder[0] == 'R' ? "44" : "55") + "\n");
        ASSERT_EQ(Load_Season_Player_Ratings(0), 1);
        EXPECT_EQ(Get_Stored_Player_Rating(4, 2, RATING_ACCURACY), nYear <= 2020 ? 44.0f : 55.0f);
    }
}

TEST_F(SeasonBuildTest, ADuplicateRatingsLineAsksUntilIgnored) {
    Set_Player_Ostrel_ID(5, 0, "Dup1");
    Set_Player_Ostrel_ID(5, 1, "Dup2");
    Write_Text_File("ratings.csv",
                    "header\nDup1,,,,,,30\nDup1,,,,,,40\nDup2,,,,,,50\nDup2,,,,,,60\n"
                    "Dup1,,,,,,70\n");
    Test_Answer_Message_Box_With_Caption("Player Rating File",
                                         IDNO);  // "Ignore Duplicate IDs" at the first repeat
    ASSERT_EQ(Load_Player_Ratings_CSV(0, "ratings.csv"), 1);
    EXPECT_EQ(Get_Stored_Player_Rating(5, 0, RATING_ACCURACY), 70.0f);  // the later line wins
    EXPECT_EQ(Get_Stored_Player_Rating(5, 1, RATING_ACCURACY), 60.0f);
    int nAsked = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        nAsked += shown.stText.find("Duplicate Player ID") != std::string::npos;
    EXPECT_EQ(nAsked, 1);
}

// ---- the rookies file --------------------------------------------------------------------------

TEST_F(SeasonBuildTest, TheDraftClassFileHoldsTheRookiesAndLoadsIntoThePool) {
    mkdir("databases", 0755);
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2019);
    int nRookies = 0;
    for (int nTeam = 0; nTeam < 4; nTeam++) {
        for (int nSlot = 50; nSlot < 53; nSlot++, nRookies++) {
            Clear_Player_Season_Stats(nTeam, nSlot, SEASON_CAREER);
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD, (nTeam + 1) * 10000 + 2019);
        }
    }
    ASSERT_EQ(Write_Draft_Class_Database(), DRAFT_CLASS_WRITTEN);
    FILE* pFile = Platform_Open_File("databases/rookies-2019.dat", "rb");
    ASSERT_NE(pFile, nullptr);
    fseek(pFile, 0, SEEK_END);
    EXPECT_EQ(ftell(pFile), 756000);
    fclose(pFile);

    gSeasonNumber = -1;  // the season before the class's: 2018
    ASSERT_EQ(Get_Season_Year(), 2018);
    Load_Draft_Class_Database();
    EXPECT_GE(Count_Players(FIRST_DRAFT_POOL_TEAM, ALL_ROSTERS), nRookies);
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(FIRST_DRAFT_POOL_TEAM, 0, VITAL_EXPERIENCE), -1);

    // A rookie's downloaded portrait becomes his photo; an id that would leave the folder is
    // kept to safe characters in both names.
    mkdir("Input/Stats/Players", 0755);
    Write_Text_File("Input/Stats/Players/Rook1.dat", "portrait");
    Write_Text_File("Input/Stats/Players/___up.dat", "portrait of the odd id");
    Set_Player_Ostrel_ID(0, 50, "Rook1");
    Set_Player_Ostrel_ID(1, 50, "../up");
    ASSERT_EQ(Write_Draft_Class_Database(), DRAFT_CLASS_WRITTEN);
    Load_Draft_Class_Database();
    EXPECT_EQ(Read_Text_File("Photos/Downloads/Rook1.jpg"), "portrait");
    EXPECT_EQ(Read_Text_File("Photos/Downloads/___up.jpg"), "portrait of the odd id");
    EXPECT_FALSE(File_Exists("Photos/up.jpg"));

    // A short file: what it lacks reads as empty records, not as the last class's players.
    std::string stFile = Read_Text_File("databases/rookies-2019.dat");
    Write_Text_File("databases/rookies-2019.dat", stFile.substr(0, 756 * 2));
    Load_Draft_Class_Database();
    EXPECT_EQ(Count_Players(FIRST_DRAFT_POOL_TEAM, ALL_ROSTERS), 2);
    EXPECT_EQ(Count_Players(FIRST_DRAFT_POOL_TEAM + 1, ALL_ROSTERS), 0);
}

// ---- a build refused ---------------------------------------------------------------------------

TEST_F(SeasonBuildTest, AMissingTeamsFileBuildsNothingAndKeepsTheUniverse) {
    mkdir("databases", 0755);
    mkdir("input", 0755);
    mkdir("input/stats", 0755);
    mkdir("input/stats/leagues", 0755);
    Write_Text_File("input/stats/leagues/2020_league.csv", "h\nA,B,C,D,E\nF,G,H,I,J\n");
    remove("input/stats/2020_teams.csv");
    Write_Text_File("databases/universe-2020.dat", "kept");
    int nTeams = Count_Active_Teams();
    EXPECT_EQ(Create_Universe_For_Year(2020), BUILD_NO_LEAGUE_FILES);
    EXPECT_EQ(Read_Text_File("databases/universe-2020.dat"), "kept");
    EXPECT_EQ(Count_Active_Teams(), nTeams);  // the league in memory is untouched too
    int nNotices = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        nNotices += shown.stText.find("no 2020 database was built") != std::string::npos;
    EXPECT_EQ(nNotices, 1);
}

// A teams file that makes no team: nothing is saved, and the game in memory is the one before the
// build, byte for byte.
TEST_F(SeasonBuildTest, ABuildThatMakesNoTeamLeavesTheGameAsItWas) {
    mkdir("Databases", 0755);
    ASSERT_EQ(Save_Game_File(DEFAULT_UNIVERSE_FILE_NAME, NULL), SAVE_OK);
    mkdir("Input/Stats/leagues", 0755);
    Write_Text_File("Input/Stats/leagues/2020_league.csv", "h\nA,B,C,D,E\nF,G,H,I,J\n");
    Write_Text_File("Input/Stats/2020_teams.csv", "header\n12345678901,no letter first\n");
    gCurrentWeek = 5;  // a game under way
    std::string stBefore((const char*)&gSavedState, sizeof(SAVED_STATE));
    EXPECT_EQ(Create_Universe_For_Year(2020), BUILD_NO_TEAMS);
    EXPECT_FALSE(File_Exists("databases/universe-2020.dat"));
    EXPECT_TRUE(stBefore == std::string((const char*)&gSavedState, sizeof(SAVED_STATE)));
    int nNotices = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        nNotices += shown.stText.find("made no team") != std::string::npos;
    EXPECT_EQ(nNotices, 1);
}

}  // namespace

namespace {

TEST(BuildYears, YearsOutsideTheBuildsAreClamped) {
    EXPECT_EQ(Clamp_Build_Year(1940), 1951);
    EXPECT_EQ(Clamp_Build_Year(2030), 2021);
    EXPECT_EQ(Clamp_Build_Year(1999), 1999);
}

}  // namespace
