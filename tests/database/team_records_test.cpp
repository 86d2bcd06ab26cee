// Team season records: recording results, the derived records, the history, the totals block
// and the rebuild from the stored games.
#include <string.h>

#include "records_fixture.h"

class TeamRecordsTest : public TwoTeamTest {
protected:
    static const int8_t* Current_Row(int nTeam) {
        return gTeams[nTeam].aanYearlyChars[gSeasonNumber];
    }

    static void Set_Record(int nTeam, int nWins, int nLosses, int nTies) {
        Set_Team_Record_Char(nTeam, YEARLY_WINS, nWins);
        Set_Team_Record_Char(nTeam, YEARLY_LOSSES, nLosses);
        Set_Team_Record_Char(nTeam, YEARLY_TIES, nTies);
    }
};

TEST_F(TeamRecordsTest, EachResultChangesOnlyItsOwnBytes) {
    const struct {
        int nWeek;
        void (*pAdd)(int, int);
        int bHome;
        int anChanged[2];
    } kCases[] = {
        {17, Add_Team_Win, 1, {YEARLY_PLAYOFF_WINS, -1}},  // a playoff win: playoff count only
        {18, Add_Team_Loss, 1, {YEARLY_PLAYOFF_LOSSES, -1}},
        {17, Add_Team_Tie, 1, {YEARLY_TIES, YEARLY_HOME_TIES}},  // a tie is a tie in any week
        {5, Add_Team_Win, 1, {YEARLY_WINS, YEARLY_HOME_WINS}},
        {5, Add_Team_Loss, 0, {YEARLY_LOSSES, -1}},
        {16, Add_Team_Tie, 0, {YEARLY_TIES, -1}},
    };
    for (const auto& c : kCases) {
        memset(gTeams[0].aanYearlyChars[gSeasonNumber], 0, YEARLY_CHAR_BYTES);
        gCurrentWeek = c.nWeek;
        c.pAdd(0, c.bHome);
        for (int nByte = 0; nByte < YEARLY_CHAR_BYTES; nByte++) {
            int bChanged = nByte == c.anChanged[0] || nByte == c.anChanged[1];
            EXPECT_EQ(Current_Row(0)[nByte], bChanged ? 1 : 0) << c.nWeek << " byte " << nByte;
        }
    }
    EXPECT_EQ(Last_Error(), "");
}

TEST_F(TeamRecordsTest, The128thWinIsRefused) {
    gCurrentWeek = 3;
    Set_Team_Record_Char(0, YEARLY_WINS, 127);
    Add_Team_Win(0, 0);
    EXPECT_EQ(Last_Error(), "cValue out of bounds in Set_Team_Yearly_Char()");
    EXPECT_EQ(Get_Team_Wins(0), 127);
}

TEST_F(TeamRecordsTest, ResultAddersShareOneTeamBound) {
    const struct {
        void (*pAdd)(int, int);
        int nWeek, nTeam;
        const char* szError;
    } kCases[] = {
        {Add_Team_Win, 3, 36, "nTeam out of bounds in Set_Team_Yearly_Char()"},
        {Add_Team_Loss, 3, 36, "nTeam out of bounds in Set_Team_Yearly_Char()"},
        {Add_Team_Tie, 3, 36, "nTeam out of bounds in Set_Team_Yearly_Char()"},
        {Add_Team_Win, 3, 37, "nTeam out of bounds in Add_Team_Win()"},
        {Add_Team_Loss, 3, 37, "nTeam out of bounds in Add_Team_Loss()"},
        {Add_Team_Tie, 3, 37, "nTeam out of bounds in Add_Team_Tie()"},
        {Add_Team_Loss, 17, 36, "nTeam out of bounds in Add_Team_Playoff_Loss()"},
    };
    for (const auto& c : kCases) {
        Clear_Errors();
        gCurrentWeek = c.nWeek;
        c.pAdd(c.nTeam, 1);
        EXPECT_EQ(Last_Error(), c.szError) << c.nTeam;
    }
    Clear_Errors();
    Add_Team_Win(NO_TEAM, 1);
    EXPECT_EQ(Last_Error(), "");
}

TEST_F(TeamRecordsTest, PercentageAndRecordTexts) {
    const struct {
        int nWins, nLosses, nTies, nPercent;
        const char* szRecord;
        const char* szSpaced;
        int bHasDecision;
    } kCases[] = {
        {0, 0, 0, 0, "0-0", "0 - 0", 0},         {1, 0, 0, 1000, "1-0", "1 - 0", 1},
        {2, 1, 1, 625, "2-1-1", "2 - 1 - 1", 1}, {1, 2, 0, 333, "1-2", "1 - 2", 1},
        {0, 0, 2, 500, "0-0-2", "0 - 0 - 2", 0},
    };
    for (const auto& c : kCases) {
        Set_Record(0, c.nWins, c.nLosses, c.nTies);
        EXPECT_EQ(Get_Team_Winning_Percentage(0), c.nPercent) << c.szRecord;
        EXPECT_EQ(Get_Team_Games_Played(0), c.nWins + c.nLosses + c.nTies);
        char sz[TEAM_RECORD_SPACED_TEXT_SIZE];
        EXPECT_EQ(Format_Team_Record(sz, sizeof(sz), 0), c.bHasDecision);
        EXPECT_STREQ(sz, c.szRecord);
        Format_Team_Record_Spaced(sz, sizeof(sz), 0);
        EXPECT_STREQ(sz, c.szSpaced);
    }
}

TEST_F(TeamRecordsTest, CurrentRecordIsLastSeasonsDuringTheDraft) {
    Set_Record(0, 11, 6, 0);
    Set_Team_Record_Char(0, YEARLY_PLAYOFF_WINS, 2);
    Set_Team_Record_Char(0, YEARLY_PLAYOFF_LOSSES, 1);
    gSeasonNumber = 3;
    EXPECT_EQ(Get_Team_Wins(0), 0);
    Add_Player(FIRST_DRAFT_POOL_TEAM, 0, 9001, POS_QB);  // a prospect keeps the draft running
    gDraftRound = 2;
    EXPECT_EQ(Get_Team_Wins(0), 11);
    EXPECT_EQ(Get_Team_Losses(0), 6);
    EXPECT_EQ(Get_Team_Playoff_Wins(0), 2);  // the same row as the playoff losses
    EXPECT_EQ(Get_Team_Playoff_Losses(0), 1);
    char sz[TEAM_RECORD_TEXT_SIZE];
    Format_Team_Yearly_Record(sz, sizeof(sz), 0, 1);
    EXPECT_STREQ(sz, "11-6");
}

TEST_F(TeamRecordsTest, SeasonRowsOutsideTheTableAreRefused) {
    Test_Clear_Debug_Output();
    EXPECT_EQ(Get_Team_Yearly_Char(0, 100, YEARLY_WINS), 0);
    EXPECT_NE(Test_Get_Debug_Output().find("Invalid nYear in Get_Team_Yearly_Char(0,100,0)"),
              std::string::npos);
    EXPECT_EQ(Get_Team_Yearly_Int(0, -1, YEARLY_FINISH), 0);
    EXPECT_NE(Test_Get_Debug_Output().find("Invalid nYear in Get_Team_Yearly_Int(0,-1,3)"),
              std::string::npos);
    EXPECT_EQ(Last_Error(), "");

    Set_Team_Yearly_Int(0, 100, YEARLY_FINISH, 8);
    EXPECT_EQ(Last_Error(), "nYear out of bounds in Set_Team_Yearly_Int()");
    Set_Team_Yearly_Int(0, 4, 4, 8);
    EXPECT_EQ(Last_Error(), "nStat out of bounds in Set_Team_Yearly_Int()");
    Set_Team_Yearly_Char(0, 4, 32, 1);
    EXPECT_EQ(Last_Error(), "nStat out of bounds in Set_Team_Yearly_Char()");
    Set_Team_Yearly_Char(0, 4, YEARLY_WINS, -1);
    EXPECT_EQ(Last_Error(), "cValue out of bounds in Set_Team_Yearly_Char()");
    Set_Team_Record_Int(40, YEARLY_FINISH, 8);
    EXPECT_EQ(Last_Error(), "nTeam out of bounds in Set_Team_Record_Int()");
}

TEST_F(TeamRecordsTest, HistorySumsThePastSeasons) {
    const int kWins[] = {10, 8, 12};
    const int kFinish[] = {4, 8, 2};
    for (int nSeason = 0; nSeason < 3; nSeason++) {
        Set_Team_Yearly_Char(0, nSeason, YEARLY_WINS, kWins[nSeason]);
        Set_Team_Yearly_Int(0, nSeason, YEARLY_FINISH, kFinish[nSeason]);
    }
    gSeasonNumber = 3;
    Set_Team_Record_Char(0, YEARLY_WINS, 5);  // the current season is not history
    EXPECT_EQ(Get_Team_History_Stat(0, HISTORY_WINS), 30);
    EXPECT_EQ(Get_Team_History_Stat(0, HISTORY_PLAYOFF_SEASONS), 2);
    EXPECT_EQ(Get_Team_History_Stat(0, HISTORY_FINALS), 1);
    EXPECT_EQ(Get_Team_History_Stat(0, HISTORY_TITLES), 1);
    EXPECT_EQ(Get_Team_History_Stat(ALL_TEAMS_AVERAGE, HISTORY_WINS), 15);
    EXPECT_EQ(Get_Team_History_Stat(1, HISTORY_SUCCESS), 0);
}

TEST_F(TeamRecordsTest, PlayoffRoundFollowsTheHighestBracketSlot) {
    const struct {
        int nSlot, nRound;
    } kCases[] = {{-1, 0}, {0, 1}, {15, 1}, {16, 2}, {23, 2}, {24, 3}, {27, 3}, {28, 4}, {30, 4}};
    for (const auto& c : kCases) {
        for (int nSlot = 0; nSlot < PLAYOFF_SLOT_COUNT; nSlot++)
            gPlayoffSlots[nSlot] = NO_TEAM;
        gPlayoffSlots[3] = 1;
        if (c.nSlot >= 0) {
            gPlayoffSlots[0] = 0;
            gPlayoffSlots[c.nSlot] = 0;
        }
        EXPECT_EQ(Find_Playoff_Slot(0), c.nSlot);
        EXPECT_EQ(Get_Team_Playoff_Round(0), c.nRound) << c.nSlot;
    }
    EXPECT_EQ(Find_Playoff_Slot(NO_TEAM), -1);
}

// ---- the totals block --------------------------------------------------------------------------

TEST_F(TeamRecordsTest, DerivedTotalsPairCategoriesForATeamButNotForTheLeague) {
    const struct {
        int nTeam, nCategory, nStat, nValue;
    } kStored[] = {
        {0, 0, 2, 40},  {0, 0, 3, 25}, {0, 0, 7, 80}, {0, 3, 7, 20},  {0, 0, 8, 300},
        {0, 3, 8, 100}, {0, 0, 4, 3},  {0, 0, 10, 9}, {0, 0, 11, 40}, {1, 0, 8, 100},
    };
    for (const auto& s : kStored)
        Set_Team_Totals_Stat(s.nTeam, s.nCategory, TOTALS_CURRENT, s.nStat, s.nValue);
    Set_Record(0, 2, 2, 0);

    const struct {
        int nTeam, nStat, nValue;
    } kDerived[] = {
        {0, 8, 300},     // stored as stored
        {0, 101, 625},   // 25 of 40, per mille
        {0, 112, 400},   // (300 + 100) / (80 + 20), in hundredths
        {0, 148, 1000},  // 9 / 3 is capped at 1000 per mille
        {0, 133, 1100},  // (400 + 40) over 4 games, in tenths
        {0, 199, 0},     // not a derived id
        {1, 133, 0},     // no games played
        {1, 101, 0},     // no attempts
    };
    for (const auto& d : kDerived)
        EXPECT_EQ(Get_Team_Totals_Stat(d.nTeam, 0, TOTALS_CURRENT, d.nStat), d.nValue) << d.nStat;

    EXPECT_EQ(Get_League_Totals_Stat(0, TOTALS_CURRENT, 8), 400);
    EXPECT_EQ(Get_League_Totals_Stat(0, TOTALS_CURRENT, 112), 500);  // 400 / 80: no pairing
    EXPECT_EQ(Get_Team_Totals_Rank(0, 0, 8), 0);
    EXPECT_EQ(Get_Team_Totals_Rank(1, 0, 8), 1);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 8, TOTALS_CURRENT, 8), 0);
    EXPECT_EQ(Last_Error(), "");

    Copy_Team_Totals_To_Previous(0);
    Clear_Team_Current_Totals(0);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 3, TOTALS_PREVIOUS, 8), 100);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 3, TOTALS_CURRENT, 8), 0);
}

// Totals as large as a loaded league may hold add up without wrapping round.
TEST_F(TeamRecordsTest, LeagueTotalsHoldAtTheIntsLimit) {
    for (int nTeam : {0, 1})
        Set_Team_Totals_Stat(nTeam, 0, TOTALS_CURRENT, 8, 2000000000);
    EXPECT_EQ(Get_League_Totals_Stat(0, TOTALS_CURRENT, 8), INT32_MAX);
}

TEST_F(TeamRecordsTest, TotalsWritesCheckEveryIndex) {
    const struct {
        int nTeam, nCategory, nSeason, nStat;
        const char* szError;
    } kCases[] = {
        {41, 0, 0, 0, "nTeam out of bounds in Set_Team_Totals_Stat([41],0,0,0,7)"},
        {0, 8, 0, 0, "nCategory out of bounds in Set_Team_Totals_Stat(0,[8],0,0,7)"},
        {0, 0, 3, 0, "nSeason out of bounds in Set_Team_Totals_Stat(0,0,[3],0,7)"},
        {0, 0, 0, 20, "nStat out of bounds in Set_Team_Totals_Stat(0,0,0,[20],7)"},
    };
    for (const auto& c : kCases) {
        Set_Team_Totals_Stat(c.nTeam, c.nCategory, c.nSeason, c.nStat, 7);
        EXPECT_EQ(Last_Error(), c.szError);
    }
    Clear_Team_Totals(NO_TEAM);
    EXPECT_EQ(Last_Error(), "'NO_TEAM' passed to Clear_Team_Totals()");
    Clear_Team_Totals(41);
    EXPECT_EQ(Last_Error(), "nTeam out of bounds in Clear_Team_Totals(41)");
}

// ---- the rebuild after a load ------------------------------------------------------------------

class RebuildRecordsTest : public ShortSeasonTest {};

TEST_F(RebuildRecordsTest, RegularSeasonRecordsAreRecountedFromTheStoredGames) {
    Play_Short_Season();
    for (int nTeam = 0; nTeam < 5; nTeam++) {
        memset(gTeams[nTeam].aanYearlyChars[kSeason], 9, YEARLY_CHAR_BYTES);
    }
    gCurrentWeek = 4;
    Rebuild_Team_Records();

    const struct {
        int nTeam, nWins, nLosses, nTies, nHomeWins, nHomeLosses, nHomeTies;
    } kRecords[] = {
        {0, 2, 1, 0, 1, 1, 0},  // the playoff win is not a regular-season win
        {1, 1, 1, 0, 1, 0, 0}, {2, 0, 2, 1, 0, 1, 1}, {3, 1, 0, 1, 0, 0, 0}, {4, 1, 1, 0, 0, 1, 0},
    };
    for (const auto& r : kRecords) {
        const int8_t* pRow = gTeams[r.nTeam].aanYearlyChars[kSeason];
        EXPECT_EQ(pRow[YEARLY_WINS], r.nWins) << r.nTeam;
        EXPECT_EQ(pRow[YEARLY_LOSSES], r.nLosses) << r.nTeam;
        EXPECT_EQ(pRow[YEARLY_TIES], r.nTies) << r.nTeam;
        EXPECT_EQ(pRow[YEARLY_HOME_WINS], r.nHomeWins) << r.nTeam;
        EXPECT_EQ(pRow[YEARLY_HOME_LOSSES], r.nHomeLosses) << r.nTeam;
        EXPECT_EQ(pRow[YEARLY_HOME_TIES], r.nHomeTies) << r.nTeam;
        EXPECT_EQ(pRow[YEARLY_PLAYOFF_WINS], 9) << r.nTeam;  // left as stored
    }
    EXPECT_EQ(Count_League_Games_Played(), 3 + 2 + 3 + 2 + 2);
}

TEST_F(RebuildRecordsTest, OffSeasonKeepsTheSavedRows) {
    Play_Short_Season();
    gSeasonNumber = kSeason + 1;  // the hand-over has begun the next season's row
    gCurrentWeek = OFF_SEASON_WEEK;
    Rebuild_Team_Records();
    for (int nTeam = 0; nTeam < 5; nTeam++)
        EXPECT_EQ(gTeams[nTeam].aanYearlyChars[kSeason + 1][YEARLY_WINS], 0) << nTeam;
}
