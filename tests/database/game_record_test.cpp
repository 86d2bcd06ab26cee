// The game record's fields and accessors, and the league queries over the stored games.
#include <stdint.h>
#include <string.h>

#include "records_fixture.h"

namespace {

int16_t Short_At(const GAME* pGame, int nOffset) {
    int16_t nValue;
    memcpy(&nValue, reinterpret_cast<const char*>(pGame) + nOffset, sizeof nValue);
    return nValue;
}

int32_t Int_At(const GAME* pGame, int nOffset) {
    int32_t nValue;
    memcpy(&nValue, reinterpret_cast<const char*>(pGame) + nOffset, sizeof nValue);
    return nValue;
}

}  // namespace

TEST_F(DatabaseTest, GameInfoIndexesReachTheirSavedOffsets) {
    GAME* pGame = &gGames[7];
    const struct {
        int nInfo, nOffset;
    } kShorts[] = {
        {GAME_INFO_YEAR, 28},        {GAME_INFO_POINT_SPREAD, 30}, {GAME_INFO_WEEK, 32},
        {GAME_INFO_OVER_UNDER, 34},  {GAME_INFO_KICKOFF, 36},      {GAME_INFO_OVERTIME_BITS, 38},
        {GAME_INFO_TEMPERATURE, 40}, {GAME_INFO_WIND_SPEED, 42},   {GAME_INFO_PRECIPITATION, 44},
        {GAME_INFO_WIND_ANGLE, 46},
    };
    for (const auto& field : kShorts) {
        Set_Game_Info(pGame, field.nInfo, 1000 + field.nOffset);
        EXPECT_EQ(Short_At(pGame, field.nOffset), 1000 + field.nOffset) << field.nInfo;
        EXPECT_EQ(Get_Game_Info(pGame, field.nInfo), 1000 + field.nOffset);
    }
    Set_Game_Info_Int(pGame, GAME_INFO_ATTENDANCE, 71234);
    EXPECT_EQ(Int_At(pGame, 48), 71234);

    // An index beyond either table reads 0 and writes nothing.
    GAME before;
    memcpy(&before, pGame, sizeof before);
    Set_Game_Info(pGame, GAME_INFO_SHORTS, 5);
    Set_Game_Info_Int(pGame, GAME_INFO_INTS, 5);
    EXPECT_EQ(memcmp(&before, pGame, sizeof before), 0);
    EXPECT_EQ(Get_Game_Info(pGame, -1), 0);
    EXPECT_EQ(Get_Game_Info_Int(pGame, GAME_INFO_INTS), 0);
    EXPECT_EQ(Clear_Game(NULL), 0);
    EXPECT_EQ(Clear_Game(pGame), 1);
    EXPECT_EQ(Get_Game_Info(pGame, GAME_INFO_YEAR), 0);
}

TEST_F(DatabaseTest, QuarterAtThePeriodEdges) {
    gPostseasonWeeks[0] = 17;
    gOvertimePeriodLength = 10;
    const struct {
        int nClock, nDown, nWeek, nQuarter;
    } kCases[] = {
        {0, KICKOFF, 0, 1},
        {899, FIRST_DOWN, 0, 1},
        {900, FIRST_DOWN, 0, 2},
        {1800, KICKOFF, 0, 3},
        {1800, CONVERSION_ATTEMPT, 0, 2},
        {3600, FIRST_DOWN, 0, 5},
        {3600, CONVERSION_ATTEMPT, 0, 4},
        {4199, FIRST_DOWN, 0, 5},
        {4200, FIRST_DOWN, 0, 6},
        {4200, FIRST_DOWN, 17, 5},  // playoff overtime periods last 15 minutes
    };
    GAME* pGame = &gGames[0];
    for (const auto& c : kCases) {
        pGame->nClock = (int16_t)c.nClock;
        pGame->nFlags = c.nDown;
        Set_Game_Info(pGame, GAME_INFO_WEEK, c.nWeek);
        EXPECT_EQ(Get_Game_Quarter(pGame), c.nQuarter) << c.nClock << " " << c.nDown;
    }
}

TEST_F(DatabaseTest, LevelGameHasTheHomeTeamAheadUntilItEnds) {
    gPostseasonWeeks[0] = 17;  // a regular-season game, which may end level
    GAME* pGame = &gGames[0];
    pGame->anTeams[VISITOR_SIDE] = 4;
    pGame->anTeams[HOME_SIDE] = 9;
    pGame->anScores[VISITOR_SIDE] = pGame->anScores[HOME_SIDE] = 17;
    pGame->nClock = 2000;
    EXPECT_EQ(Get_Game_Winner(pGame), 9);
    EXPECT_EQ(Get_Game_Loser(pGame), 4);
    pGame->nClock = REGULATION_SECONDS;
    EXPECT_EQ(Get_Game_Winner(pGame), NO_TEAM);
    EXPECT_EQ(Get_Game_Loser(pGame), NO_TEAM);
    pGame->anScores[VISITOR_SIDE] = 20;
    EXPECT_EQ(Get_Game_Winner_Or_Loser(pGame, 1), 4);
    EXPECT_EQ(Get_Game_Winner_Or_Loser(pGame, 0), 9);

    pGame->nPossession = 4;
    EXPECT_EQ(Get_Offensive_Side(pGame), VISITOR_SIDE);
    EXPECT_EQ(Get_Defensive_Team(pGame), 9);
    EXPECT_EQ(Get_Game_Side(pGame, 9), HOME_SIDE);
    EXPECT_EQ(Get_Game_Side(pGame, 5), NO_TEAM);
}

TEST_F(DatabaseTest, GameStatLeaderKeepsTheLowerSlotAndSkipsLinemen) {
    Add_Team(0, "Avon", "Archers");
    Add_Team(1, "Brill", "Bears");
    const int kPositions[] = {POS_QB, POS_RB, POS_WR, POS_T, POS_P, POS_WR};
    GAME* pGame = &gGames[0];
    pGame->anTeams[VISITOR_SIDE] = 1;
    pGame->anTeams[HOME_SIDE] = 0;
    for (int nSlot = 0; nSlot < 6; nSlot++) {
        Add_Player(0, nSlot, 500 + nSlot, kPositions[nSlot]);
        pGame->aanRosterIds[HOME_SIDE][nSlot] = 500 + nSlot;
        pGame->aaanPlayerCounters[HOME_SIDE][nSlot][2] = 40;  // every player level
    }
    pGame->aaanPlayerCounters[HOME_SIDE][3][2] = 90;  // the tackle leads the counter

    EXPECT_EQ(Get_Game_Stat_Leader(pGame, 2, POS_RB, HOME_SIDE), 501);  // RB before the WRs
    EXPECT_EQ(Get_Game_Stat_Leader(pGame, 2, POS_QB, HOME_SIDE), 500);
    EXPECT_EQ(Get_Game_Stat_Leader(pGame, 2, POS_ANY, HOME_SIDE), 503);
    EXPECT_EQ(Get_Game_Stat_Leader(pGame, 2, POS_T, HOME_SIDE), -1);
    EXPECT_EQ(Get_Game_Stat_Leader(pGame, 2, POS_P, HOME_SIDE), -1);
    EXPECT_EQ(Get_Game_Stat_Leader(pGame, 2, POS_K, HOME_SIDE), -1);       // nobody qualifies
    EXPECT_EQ(Get_Game_Stat_Leader(pGame, 1, POS_ANY, HOME_SIDE), -1);     // all counters 0
    EXPECT_EQ(Get_Game_Stat_Leader(pGame, 2, POS_ANY, VISITOR_SIDE), -1);  // empty roster

    pGame->anTeams[VISITOR_SIDE] = 0;  // both sides the same team: no counters
    EXPECT_EQ(Get_Game_Player_Counter(pGame, HOME_SIDE, 3, 2), 0);
}

TEST_F(DatabaseTest, PlayResultsFromScrimmageEndAt14) {
    EXPECT_EQ(Is_Play_From_Scrimmage(RESULT_INCOMPLETE), 1);
    EXPECT_EQ(Is_Play_From_Scrimmage(RESULT_FUMBLE_TOUCHDOWN), 1);
    EXPECT_EQ(Is_Play_From_Scrimmage(RESULT_FIELD_GOAL_GOOD), 0);
    EXPECT_EQ(Is_Play_From_Scrimmage(RESULT_PENALTY), 0);
    EXPECT_EQ(Last_Error(), "");
    EXPECT_EQ(Is_Play_From_Scrimmage(RESULT_NONE), 0);
    EXPECT_EQ(Last_Error(), "Unhandled PLAY_RESULT in Is_Play_From_Scrimmage()");
}

// ---- queries over the stored games -----------------------------------------------------------

TEST_F(ShortSeasonTest, WeeksAreFoundByTheirStoredWeek) {
    EXPECT_EQ(Get_Week_First_Game_Index(1), NO_WEEK_GAME);  // nothing started yet
    EXPECT_EQ(Count_Week_Games(1), 0);
    Play_Short_Season();
    EXPECT_EQ(Count_Stored_Games(), 7);
    const struct {
        int nWeek, nFirst, nCount;
    } kWeeks[] = {{0, 0, 2}, {1, 2, 2}, {2, 4, 2}, {3, 6, 1}, {4, NO_WEEK_GAME, 0}};
    for (const auto& week : kWeeks) {
        EXPECT_EQ(Get_Week_First_Game_Index(week.nWeek), week.nFirst) << week.nWeek;
        EXPECT_EQ(Count_Week_Games(week.nWeek), week.nCount) << week.nWeek;
    }
    EXPECT_EQ(Find_Team_Game_In_Week(2, 2), &gGames[5]);
    EXPECT_EQ(Find_Team_Game_Index_In_Week(2, 2), 1);
    EXPECT_EQ(Find_Team_Game_Record_In_Week(2, 2), 5);
    EXPECT_EQ(Find_Team_Game_In_Week(2, 1), nullptr);  // the Bears' bye
    EXPECT_EQ(Find_Team_Game_Index_In_Week(2, 1), -1);
}

TEST_F(ShortSeasonTest, HeadToHeadCountsOnlyTheRegularSeason) {
    Play_Short_Season();
    const struct {
        int nTeam, nKind, nFilter, nCount;
    } kCases[] = {
        {0, RESULT_KIND_WINS, RESULTS_ALL_GAMES, 2},  // the playoff win is not counted
        {0, RESULT_KIND_LOSSES, RESULTS_ALL_GAMES, 1},
        {0, RESULT_KIND_LOSSES, 3, 1},  // against the Dukes
        {0, RESULT_KIND_WINS, 3, 0},
        {0, RESULT_KIND_WINS, RESULTS_SAME_DIVISION, 1},
        {1, RESULT_KIND_WINS, RESULTS_SAME_DIVISION, 0},
        {1, RESULT_KIND_WINS, RESULTS_SAME_LEAGUE, 1},  // over the Comets of the next division
        {0, RESULT_KIND_WINS, RESULTS_ALL_GAMES | RESULTS_SKIP_ROAD_GAMES, 1},
        {2, RESULT_KIND_TIES, RESULTS_ALL_GAMES, 1},
        {3, RESULT_KIND_TIES, RESULTS_ALL_GAMES | RESULTS_SKIP_ROAD_GAMES, 0},
        {3, RESULT_KIND_WINS, RESULTS_SAME_LEAGUE, 0},  // the Dukes' win was in the other league
        {4, RESULT_KIND_WINS, RESULTS_ALL_GAMES, 1},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Count_Team_Game_Results(c.nTeam, c.nKind, c.nFilter), c.nCount)
            << c.nTeam << " " << c.nKind << " " << c.nFilter;

    // A game still running counts for nobody.
    gGames[5].nClock = 1200;
    EXPECT_EQ(Count_Team_Game_Results(4, RESULT_KIND_WINS, RESULTS_ALL_GAMES), 0);
}

TEST_F(ShortSeasonTest, RecentResultsAndStreaksReadBackFromTheLatestGame) {
    Add_Team(5, "Fife", "Falcons", 1);  // no games at all
    Play_Short_Season();
    EXPECT_EQ(Get_Team_Winning_Streak(0), 1);  // the playoff win after the loss to the Dukes
    EXPECT_EQ(Get_Team_Losing_Streak(2), 2);
    EXPECT_EQ(Get_Team_Winning_Streak(3), 0);
    EXPECT_EQ(Count_Team_Recent_Results(0, 3, RECENT_WINS), 2);
    EXPECT_EQ(Count_Team_Recent_Results(0, 3, RECENT_LOSSES), 1);
    char sz[TEAM_RECORD_TEXT_SIZE];
    Format_Team_Recent_Record(sz, sizeof(sz), 2, 5);
    EXPECT_STREQ(sz, "0-2-1");
    Format_Team_Recent_Record(sz, sizeof(sz), 5, 5);
    EXPECT_STREQ(sz, "0-0");
    EXPECT_EQ(Get_Team_Winning_Streak(5), 0);
    EXPECT_EQ(Get_Team_Losing_Streak(5), 0);

    EXPECT_EQ(Find_Team_Latest_Game(4), 5);
    EXPECT_EQ(Find_Team_Latest_Game(5), 6);  // none of its own: the latest of any team
    gGames[6].nClock = 100;                  // the playoff game is still running
    EXPECT_EQ(Find_Team_Latest_Game(3), 6);
    EXPECT_EQ(Find_Team_Latest_Played_Game(3), 4);
    Clear_All_Games();
    EXPECT_EQ(Find_Team_Latest_Game(0), NO_GAME_INDEX);
}

TEST_F(ShortSeasonTest, PointSumsAndRanks) {
    Play_Short_Season();
    gGames[1].aanTeamTotals[HOME_SIDE][6] = 120;    // Comets' rushing yards at home
    gGames[5].aanTeamTotals[HOME_SIDE][6] = 80;     // and against the Eagles
    gGames[5].aanTeamTotals[VISITOR_SIDE][6] = 95;  // the Eagles'
    EXPECT_EQ(Sum_Team_Game_Team_Total(2, 6), 200);
    EXPECT_EQ(Sum_League_Game_Team_Total(6), 295);
    EXPECT_EQ(Sum_Total_Points_Scored(), 35 + 20 + 35 + 20 + 44 + 19 + 40);
    EXPECT_EQ(Sum_Team_Points(0, 1), 21 + 28 + 20 + 31);
    EXPECT_EQ(Sum_Team_Points(0, 0), 14 + 7 + 24 + 9);
    EXPECT_EQ(Get_Team_Points_Rank(0, 1), 0);  // most points scored
    EXPECT_EQ(Get_Team_Points_Rank(2, 1), 4);  // 19, the fewest
    EXPECT_EQ(Get_Team_Points_Rank(1, 0), 0);  // 24 allowed, the fewest
}

TEST_F(DatabaseTest, PlayoffScoreOutsideTheBracketIsReported) {
    gPlayoffScores[30] = 27;
    EXPECT_EQ(Get_Playoff_Score(30), 27);
    EXPECT_EQ(Last_Error(), "");
    EXPECT_EQ(Get_Playoff_Score(31), -128);
    EXPECT_EQ(Last_Error(), "Invalid playoff slot in Get_Playoff_Score(31)");
}
