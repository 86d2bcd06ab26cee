// A whole season of the default universe, every team run by the computer and nothing watched:
// the regular season, then the playoffs to one champion, with standings that add up.
#include <gtest/gtest.h>

#include <string.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <iterator>
#include <string>
#include <vector>

#include "core/core.h"
#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "season/season.h"
#include "shell/shell.h"
#include "tools/tools.h"

namespace {

std::string Read_Text(const std::string& stPath) {
    std::ifstream file(stPath);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class UniverseSeason : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        // The computer manager makes new players, whose names come from the name lists.
        std::filesystem::copy(std::string(VANTO_GAME_DIR) + "/names", "names",
                              std::filesystem::copy_options::overwrite_existing |
                                  std::filesystem::copy_options::recursive);
        // A computer team that changes its defensive scheme loads the scheme's playbook.
        std::filesystem::copy(std::string(VANTO_GAME_DIR) + "/playbooks", "playbooks",
                              std::filesystem::copy_options::overwrite_existing |
                                  std::filesystem::copy_options::recursive);
        // The college draft reads the computer's draft strategy and talent tables.
        std::filesystem::create_directories("Input");
        for (const char* szFile : {"DraftStrategy.txt", "DraftTalent.txt"})
            std::filesystem::copy_file(std::string(VANTO_GAME_DIR) + "/Input/" + szFile,
                                       std::string("Input/") + szFile,
                                       std::filesystem::copy_options::overwrite_existing);
        ASSERT_NE(
            Load_Universe((std::string(VANTO_GAME_DIR) + "/Databases/Universe-2019.dat").c_str()),
            0);
        Seed_Random(FIXED_RANDOM_SEED);
        gAllTeamsComputer = 1;
        // Any box or dialog fails the run: a headless season answers nothing.
        Test_Set_Strict(true, [](const TEST_SHOWN& shown) {
            ADD_FAILURE() << "unexpected " << shown.stCaption << ": " << shown.stText;
        });
    }

    // Every scheduled game's two rows agree, and the home team's row names a finished record
    // that holds both teams.
    static void Expect_Rows_Agree(int nWeeks) {
        for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
            for (int nWeek = 0; nWeek < nWeeks; nWeek++) {
                int nCode = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT);
                if (nCode <= 0)
                    continue;
                int nVisitor = nCode - 1;
                SCOPED_TRACE(nTeam * 100 + nWeek);
                EXPECT_EQ(Get_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_OPPONENT), -1 - nTeam);
                int nIndex = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_GAME_INDEX);
                ASSERT_GE(nIndex, 0);
                EXPECT_EQ(Get_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_GAME_INDEX), nIndex);
                EXPECT_TRUE(Is_Stored_Game_Over(nIndex));
                GAME* pGame = Get_Game_Record(nIndex);
                EXPECT_EQ(pGame->anTeams[HOME_SIDE], nTeam);
                EXPECT_EQ(pGame->anTeams[VISITOR_SIDE], nVisitor);
            }
        }
    }

    // Every roster within 100 players packed from slot 0; at every position's minimum unless the
    // team is out of the race (it may release anyone, and fills its minimums before its next
    // game); under the salary cap unless it is down to its floor or has nobody to spare (a cap of
    // 0 leaves payrolls unchecked).
    static void Expect_Rosters_Legal(int nCap) {
        for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
            if (!Is_Team_Active(nTeam))
                continue;
            SCOPED_TRACE("team " + std::to_string(nTeam));
            int nPlayers = Find_Free_Player_Slot(nTeam);
            EXPECT_LE(nPlayers, PLAYERS_PER_TEAM);
            EXPECT_EQ(Count_Players(nTeam, ALL_ROSTERS), nPlayers);  // packed from slot 0
            if (Get_Team_Magic_Number(nTeam) != INT32_MIN) {         // not eliminated
                for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
                    EXPECT_GE(Count_Team_Position_Players(nTeam, nPosition),
                              POSITION_ROSTER_MINIMUMS[nPosition])
                        << "position " << nPosition;
            }
            if (nCap > 0 && nPlayers >= 52 &&
                Find_Least_Valuable_Surplus_Player(nTeam) != NO_SLOT_BYTE) {
                EXPECT_LT((int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000, nCap);
            }
        }
    }
};

TEST_F(UniverseSeason, ASeasonEndsWithOneChampion) {
    Start_Season(0);
    int nFirstPlayoffWeek = Get_First_Playoff_Week();
    ASSERT_GT(nFirstPlayoffWeek, 2);

    Advance_Weeks(22);  // stops when the regular season is over
    EXPECT_EQ(gCurrentWeek, nFirstPlayoffWeek);
    EXPECT_FALSE(Is_Season_Complete());
    Expect_Rows_Agree(nFirstPlayoffWeek);
    int nGames = Get_Universe_Stat(UNIVERSE_SEASON_GAMES);
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        SCOPED_TRACE(nTeam);
        EXPECT_EQ(Get_Team_Wins(nTeam) + Get_Team_Losses(nTeam) + Get_Team_Ties(nTeam), nGames);
    }
    // The bracket follows the standings: each league's first seed leads its division.
    for (int nLeague = 0; nLeague < 2; nLeague++) {
        int nTeams = Count_League_Divisions(nLeague) + Get_Universe_Stat(WILD_CARD_TEAMS);
        int nSeed = Get_Playoff_Team(Get_Playoff_Seat(nTeams, nLeague, 0));
        ASSERT_NE(nSeed, NO_TEAM);
        EXPECT_EQ(Get_Division_Standings_Team(Get_Team_Division(nSeed), 0), nSeed);
        EXPECT_EQ(Get_Team_Stat(nSeed, TEAM_PLAYOFF_SEED), 1);
    }

    Advance_Weeks(22);  // the playoffs
    EXPECT_TRUE(Is_Season_Complete());
    int nChampion = Get_Playoff_Team(30);
    ASSERT_NE(nChampion, NO_TEAM);
    EXPECT_TRUE(nChampion == Get_Playoff_Team(28) || nChampion == Get_Playoff_Team(29));
    Expect_Rows_Agree(SCHEDULE_WEEKS);
    EXPECT_EQ(gAdvanceInProgress, 0);
    EXPECT_EQ(gSimulationRunning, 0);

    // The next season starts clean: no game records, no results, an empty bracket, a schedule.
    gSeasonNumber++;
    Begin_Next_Season();
    EXPECT_EQ(gCurrentWeek, 0);
    for (int nIndex = 0; nIndex < GAME_COUNT; nIndex++)
        ASSERT_FALSE(Is_Game_Record_Used(Get_Game_Record(nIndex))) << nIndex;
    for (int nSlot = 28; nSlot < PLAYOFF_SLOT_COUNT; nSlot++)  // finalists and champion
        EXPECT_EQ(Get_Playoff_Team(nSlot), NO_TEAM) << nSlot;
    EXPECT_EQ(Get_First_Playoff_Week(), nFirstPlayoffWeek);
    Advance_Weeks(1);
    EXPECT_EQ(gCurrentWeek, 1);
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        SCOPED_TRACE(nTeam);
        int bPlayed = Get_Team_Schedule_Stat(nTeam, 0, SCHEDULE_OPPONENT) != 0;
        EXPECT_EQ(Get_Team_Wins(nTeam) + Get_Team_Losses(nTeam) + Get_Team_Ties(nTeam), bPlayed);
    }
    Expect_Rows_Agree(1);
}

// A league that imports ratings (replay mode) reads the new season's file before the season
// starts, the Replay folder's for a historical season; without the setting the files are left
// alone.
TEST_F(UniverseSeason, ANewSeasonReadsItsRatingsFileWhenTheLeagueImportsThem) {
    int nSlot = 0;
    int nId = Get_Player_Vital_Stat_Raw(0, nSlot, VITAL_PLAYER_ID);
    ASSERT_LE(Get_Season_Year() + 1, 2020);
    for (const char* szFolder : {"Replay", "Simulation"}) {
        std::filesystem::create_directories(std::string("Input/Ratings/") + szFolder);
        std::ofstream(std::string("Input/Ratings/") + szFolder + "/" +
                      std::to_string(Get_Season_Year() + 1) + "_Player_Ratings.csv")
            << "header\n"
            << nId << ",,,,,," << (szFolder[0] == 'R' ? 77 : 66) << "\n";
    }
    float fBefore = Get_Stored_Player_Rating(0, nSlot, RATING_ACCURACY);
    ASSERT_NE(fBefore, 77.0f);
    gSeasonNumber++;
    Begin_Next_Season();
    EXPECT_EQ(Get_Stored_Player_Rating(0, nSlot, RATING_ACCURACY), fBefore);

    Set_Ratings_Import_Setting(1);
    Begin_Next_Season();  // the same season begun again, now importing
    int nTeam, nFound;
    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nFound, nId));
    EXPECT_EQ(Get_Stored_Player_Rating(nTeam, nFound, RATING_ACCURACY), 77.0f);
}

// The computer manager keeps every roster legal at each week's end.
TEST_F(UniverseSeason, EveryRosterStaysLegalWeekByWeek) {
    Start_Season(0);
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    ASSERT_GT(nCap, 0);
    int nWeeksPlayed = 0;
    while (!Is_Season_Complete()) {
        nWeeksPlayed++;
        int nWeek = gCurrentWeek;
        Advance_Weeks(1);
        ASSERT_GT(gCurrentWeek, nWeek);
        SCOPED_TRACE("week " + std::to_string(nWeek));
        Expect_Rosters_Legal(nCap);
    }
    EXPECT_GT(nWeeksPlayed, Get_Universe_Stat(UNIVERSE_SEASON_GAMES));
}

// A stopped advance leaves the week it was playing, to be played in full by the next one.
TEST_F(UniverseSeason, AStoppedAdvanceEndsAfterItsWeek) {
    Start_Season(0);
    gRunTargetWeek = 0;
    Advance_Weeks(1);
    EXPECT_EQ(gCurrentWeek, 1);
    EXPECT_EQ(gRunTargetWeek, 0);
    Advance_Weeks(0);  // nothing played, the after-steps still run
    EXPECT_EQ(gCurrentWeek, 1);
}

// Every auto-save is written inside an advance; a league resumed from one plays on.
TEST_F(UniverseSeason, ALeagueResumedFromItsAutoSavePlaysOn) {
    Start_Season(0);
    gAutoSave = 1;
    Advance_Weeks(1);  // saved before week 0 is played
    ASSERT_EQ(gCurrentWeek, 1);
    ASSERT_NE(Load_Universe(AUTO_SAVE_FILE_NAME), 0);
    EXPECT_EQ(gCurrentWeek, 0);
    EXPECT_EQ(gAdvanceInProgress, 0);
    EXPECT_EQ(gSimulationRunning, 0);
    EXPECT_EQ(gRunTargetWeek, 0);
    gAllTeamsComputer = 1;  // the load hands the teams back to their managers
    Advance_Weeks(2);
    EXPECT_EQ(gCurrentWeek, 2);
    Expect_Rows_Agree(2);
}

// An auto-save that cannot be written says why in one box, and the advance goes on.
TEST_F(UniverseSeason, AFailedAutoSaveSaysWhyAndPlaysOn) {
    Start_Season(0);
    gAutoSave = 1;
    std::ofstream(AUTO_SAVE_FILE_NAME) << "kept";
    ASSERT_EQ(chmod(AUTO_SAVE_FILE_NAME, 0444), 0);
    Test_Set_Strict(false);
    Test_Clear_Transcript();
    Advance_Weeks(1);
    EXPECT_EQ(gCurrentWeek, 1);
    const auto& transcript = Test_Get_Transcript();
    ASSERT_EQ(transcript.size(), 1u);
    EXPECT_EQ(transcript[0].stCaption, "Auto Save");
    EXPECT_EQ(transcript[0].stText,
              "Football Vanto could not auto-save the game file!\n\n\"[Auto Save].vnt\" was not "
              "replaced: the file is read-only; save under another name or make it writable.");
    EXPECT_EQ(Read_Text(AUTO_SAVE_FILE_NAME), "kept");
}

// The advance is stopped after a number of message pumps: the engine pumps once a play.
static int sPumpsLeft;
static LRESULT CALLBACK Stopper_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg != WM_USER)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    if (--sPumpsLeft > 0)
        PostMessageA(hWnd, WM_USER, 0, 0);
    else
        gSimulationRunning = 0;
    return 0;
}

static int Most_Games_Started(int nTeam) {
    const int kGamesStarted = 1;
    int nMost = 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        if (Is_Player_Slot_Used(nTeam, nSlot))
            nMost = Max_Int(nMost, Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, kGamesStarted));
    return nMost;
}

// A game the advance stops inside gives back what it credited, and the next advance plays it
// from its kickoff: its starters have one game started, not two.
TEST_F(UniverseSeason, AGameStoppedPartWayIsCreditedOnce) {
    Start_Season(0);
    int nHome = 0;
    while (Get_Team_Schedule_Stat(nHome, 0, SCHEDULE_OPPONENT) <= 0)
        nHome++;
    int nVisitor = Get_Team_Schedule_Stat(nHome, 0, SCHEDULE_OPPONENT) - 1;
    std::vector<TEAM> before = {gTeams[nHome], gTeams[nVisitor]};
    std::vector<SEASON_LINE> linesBefore(std::begin(gSeasonLines), std::end(gSeasonLines));

    WNDCLASSA wc = {};
    wc.lpfnWndProc = Stopper_Proc;
    wc.lpszClassName = "Stopper";
    RegisterClassA(&wc);
    HWND hStopper =
        CreateWindowExA(0, "Stopper", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    sPumpsLeft = 60;
    PostMessageA(hStopper, WM_USER, 0, 0);
    Advance_Weeks(1);
    ASSERT_EQ(sPumpsLeft, 0);
    EXPECT_EQ(gCurrentWeek, 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(nHome, 0, SCHEDULE_GAME_INDEX), NO_GAME_INDEX);
    EXPECT_EQ(Count_Stored_Games(), 0);
    const int anTeams[2] = {nHome, nVisitor};
    for (int n = 0; n < 2; n++) {
        SCOPED_TRACE(anTeams[n]);
        const TEAM& now = gTeams[anTeams[n]];
        EXPECT_EQ(memcmp(now.aaanTotals, before[n].aaanTotals, sizeof(now.aaanTotals)), 0);
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            const PLAYER& player = now.aPlayers[nSlot];
            EXPECT_EQ(memcmp(player.aanSeasonStats, before[n].aPlayers[nSlot].aanSeasonStats,
                             sizeof(player.aanSeasonStats)),
                      0)
                << "slot " << nSlot;
            EXPECT_EQ(player.anVitalStats[VITAL_INJURY_WEEKS],
                      before[n].aPlayers[nSlot].anVitalStats[VITAL_INJURY_WEEKS]);
        }
    }
    for (size_t n = 0; n < linesBefore.size(); n++)
        ASSERT_EQ(
            memcmp(gSeasonLines[n].anStats, linesBefore[n].anStats, sizeof(linesBefore[n].anStats)),
            0)
            << "line " << n;

    Advance_Weeks(1);
    EXPECT_EQ(gCurrentWeek, 1);
    EXPECT_TRUE(Is_Stored_Game_Over(Get_Team_Schedule_Stat(nHome, 0, SCHEDULE_GAME_INDEX)));
    EXPECT_EQ(Most_Games_Started(nHome), 1);
    EXPECT_EQ(Most_Games_Started(nVisitor), 1);
    DestroyWindow(hStopper);
}

// Three whole years unattended: each season ends with a champion, the hand-over moves the league
// to the next season and year, and the college draft runs its seven rounds to the next kickoff
// with every roster within its size and position minimums.
TEST_F(UniverseSeason, ThreeSeasonsHandOverThroughTheDraft) {
    Start_Season(0);
    for (int nYear = 0; nYear < 3; nYear++) {
        SCOPED_TRACE("season " + std::to_string(nYear));
        int nSeason = gSeasonNumber;
        int nSeasonYear = Get_Season_Year();
        for (int nAdvance = 0; nAdvance < 2 && !Is_Season_Complete(); nAdvance++)
            Advance_Weeks(22);
        ASSERT_TRUE(Is_Season_Complete());
        EXPECT_NE(Get_Playoff_Team(30), NO_TEAM);

        Simulate_Seasons(1);  // the hand-over, the draft and the next season's start
        EXPECT_EQ(gSeasonNumber, nSeason + 1);
        EXPECT_EQ(Get_Season_Year(), nSeasonYear + 1);
        EXPECT_EQ(gCurrentWeek, 0);
        EXPECT_FALSE(Is_College_Draft_On());
        std::string stDraft =
            Read_Text("Output/College-Draft-" + std::to_string(nSeasonYear + 1) + ".txt");
        EXPECT_NE(stDraft.find("Seventh ROUND"), std::string::npos);
        // Renewed contracts can leave a payroll above the new cap; the sizes and positions hold.
        Expect_Rosters_Legal(0);
    }
}

// A league holds seasons 0..99: after season 99 the advance says so and changes nothing.
TEST_F(UniverseSeason, NoSeasonOpensAfterTheNinetyNinth) {
    Start_Season(0);
    gCurrentWeek = Get_Postseason_Week(POSTSEASON_WEEK_COUNT - 1) + 1;
    Set_Playoff_Team(28, 0);  // a league champion
    Set_Playoff_Team(30, 0);  // the champion
    gSeasonNumber = 99;
    ASSERT_TRUE(Is_Season_Complete());
    int nWeek = gCurrentWeek;
    std::vector<TEAM> before(gTeams, gTeams + LEAGUE_TEAM_COUNT);

    Test_Answer_Message_Box_With_Caption("Season Limit", IDOK);
    Advance_Weeks(22);
    Test_Answer_Message_Box_With_Caption("Season Limit", IDOK);
    Simulate_Seasons(1);  // ends at once rather than asking again and again
    EXPECT_EQ(gSeasonNumber, 99);
    EXPECT_EQ(gCurrentWeek, nWeek);
    EXPECT_EQ(gAdvanceInProgress, 0);
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        EXPECT_EQ(memcmp(&gTeams[nTeam], &before[nTeam], sizeof(TEAM)), 0) << nTeam;
    int nShown = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        nShown += shown.stCaption == "Season Limit";
    EXPECT_EQ(nShown, 2);
}

// Two human-run teams: each is told in slot order that it renews contracts, and that it has none
// expiring (the season was not played); the draft waits when the user answers No. The season's
// statistics become last season's and the calendar stands in the next season's off-season.
TEST_F(UniverseSeason, TheHandOverTellsEachHumanTeamAndWaitsForTheDraft) {
    gAllTeamsComputer = 0;
    Set_Team_Stat(0, TEAM_CONTROL, CONTROL_HUMAN);
    Set_Team_Stat(1, TEAM_CONTROL, CONTROL_HUMAN);
    Set_Player_Stat(0, 0, SEASON_CURRENT, 0, 7);
    Set_Player_Stat(0, 0, SEASON_PREVIOUS, 0, 3);
    int nId = Get_Player_Vital_Stat(0, 0, VITAL_PLAYER_ID);
    int nSeason = gSeasonNumber;
    Test_Set_Strict(false);
    Test_Clear_Transcript();
    Test_Answer_Message_Box_With_Caption("Begin College Draft?", IDNO);

    Process_Off_Season();

    std::vector<std::string> boxes;
    for (const TEST_SHOWN& shown : Test_Get_Transcript()) {
        if (shown.stCaption == "Contract Renewals" || shown.stCaption == "Renew Contracts" ||
            shown.stCaption == "Begin College Draft?" || shown.stCaption == "College Draft")
            boxes.push_back(shown.stCaption + ": " + shown.stText.substr(0, 8));
    }
    char szLabel0[TEAM_LABEL_SIZE], szLabel1[TEAM_LABEL_SIZE];
    Get_Team_Label(0, szLabel0, sizeof(szLabel0));
    Get_Team_Label(1, szLabel1, sizeof(szLabel1));
    std::vector<std::string> expected = {
        "Contract Renewals: The " + std::string(szLabel0).substr(0, 4),
        "Renew Contracts: The " + std::string(szLabel0).substr(0, 4),
        "Contract Renewals: The " + std::string(szLabel1).substr(0, 4),
        "Renew Contracts: The " + std::string(szLabel1).substr(0, 4),
        "Begin College Draft?: The Coll",
        "College Draft: To start",
    };
    EXPECT_EQ(boxes, expected);
    EXPECT_EQ(gSeasonNumber, nSeason + 1);
    EXPECT_EQ(gCurrentWeek, OFF_SEASON_WEEK);
    int nTeam = NO_TEAM, nSlot = 0;
    ASSERT_TRUE(Find_Player_ID_Split(&nTeam, &nSlot, nId));  // the roster may have moved him
    EXPECT_EQ(Get_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, 0), 7);
    EXPECT_EQ(Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, 0), 0);
}

// The player's season lines of the years before nYear.
static int Count_Past_Lines(int nTeam, int nSlot, int nYear) {
    int nLines = 0;
    for (int n = 0; n < Count_Player_Season_Links(nTeam, nSlot); n++) {
        nLines += Get_Season_Line_Year(Get_Player_Season_Line(nTeam, nSlot, n)) < nYear;
    }
    return nLines;
}

// Two played seasons made a new league: season 0 of the year reached, its calendar at the kickoff,
// no current statistics and no team rows of the seasons played, while every player keeps his
// season lines, last season's and career lines, and has a predicted line.
TEST_F(UniverseSeason, APlayedLeagueRebasesToItsCurrentSeason) {
    Set_Game_Texts_Kept(0);
    Start_Season(0);
    Simulate_Seasons(2);
    Set_Game_Texts_Kept(1);
    ASSERT_EQ(gSeasonNumber, 2);
    int nYear = Get_Season_Year();
    struct KEPT {
        int nId, nLinks, nCareerGames, nPreviousGames;
    };
    std::vector<KEPT> kept;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot) &&
                Get_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, STAT_GAMES) > 0)
                kept.push_back({Get_Player_ID(nTeam, nSlot), Count_Past_Lines(nTeam, nSlot, nYear),
                                Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, STAT_GAMES),
                                Get_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, STAT_GAMES)});
        }
    }
    ASSERT_GT(kept.size(), 32u * 30);
    Set_Player_Stat(0, 0, SEASON_CURRENT, STAT_GAMES, 3);  // as a game of the new year would leave

    EXPECT_EQ(Rebase_League_To_Current_Season(), 2);

    EXPECT_EQ(gSeasonNumber, 0);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_FIRST_YEAR), nYear);
    EXPECT_EQ(Get_Season_Year(), nYear);
    EXPECT_EQ(gCurrentWeek, 0);
    EXPECT_EQ(gDraftRound, NO_DRAFT_ROUND);
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        SCOPED_TRACE(nTeam);
        for (int nSeason = 0; nSeason <= 2; nSeason++) {
            EXPECT_EQ(Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS) +
                          Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES) +
                          Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_PLAYOFF_WINS),
                      0)
                << "season " << nSeason;
        }
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            EXPECT_FALSE(Has_Any_Season_Stat(nTeam, nSlot, SEASON_CURRENT)) << "slot " << nSlot;
            EXPECT_FALSE(Has_Season_Line_Year(nTeam, nSlot, nYear)) << "slot " << nSlot;
            EXPECT_TRUE(Has_Any_Season_Stat(nTeam, nSlot, SEASON_PREDICTED)) << "slot " << nSlot;
        }
    }
    for (const KEPT& player : kept) {
        int nTeam = NO_TEAM, nSlot = 0;
        ASSERT_TRUE(Find_Player_ID_Split(&nTeam, &nSlot, player.nId));
        EXPECT_EQ(Count_Past_Lines(nTeam, nSlot, nYear), player.nLinks) << player.nId;
        EXPECT_EQ(Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, STAT_GAMES), player.nCareerGames);
        EXPECT_EQ(Get_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, STAT_GAMES),
                  player.nPreviousGames);
    }
}

}  // namespace
