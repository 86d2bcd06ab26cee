// The game clock, the end of a game under each overtime rule, the hurry-up, and whole games
// played through the loop.
#include <algorithm>
#include <vector>

#include "common/user_waits.h"
#include "engine/game_test_fixture.h"

namespace {

class PlayLoopTest : public GameTest {
protected:
    // The plays counted in a team's offensive playbook, over every call.
    static int Count_Offensive_Calls(int nTeam) {
        const OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
        int nCount = 0;
        for (int nCall = 0; nCall < OFFENSIVE_PLAY_COUNT; nCall++)
            nCount += pBook->aanPlays[nCall][SITUATION_ALL];
        return nCount;
    }

    // The side's logged plays from scrimmage whose calls the playbooks count.
    int Count_Logged_Calls(int bSide) const {
        int nCount = 0;
        for (int n = 0; n < pGame->nPlayCount; n++) {
            const PLAY* pPlay = &pGame->aPlayLog[n];
            nCount +=
                ((pPlay->nResult & PLAY_WORD_HOME_BALL) != 0) == (bSide == HOME_SIDE) &&
                Get_Play_Result(pPlay) <= LAST_SCRIMMAGE_RESULT && pPlay->nOffensiveCall >= 0 &&
                pPlay->nOffensiveCall < TEAM_OFFENSIVE_PLAY_COUNT && pPlay->nDefensiveCall >= 0;
        }
        return nCount;
    }
};

struct CLOCK_CASE {
    int nClock, nDown, bPostseason, nOvertimeRule;
    int nQuarter, nPeriodLeft, nHalfLeft, nGameLeft;
};

TEST_F(PlayLoopTest, ClockQueriesAtPeriodEnds) {
    const CLOCK_CASE kCases[] = {
        {0, KICKOFF, 0, 0, 1, 900, 1800, 3600},
        {1799, FIRST_DOWN, 0, 0, 2, 1, 1, 1801},
        {1800, FIRST_DOWN, 0, 0, 3, 900, 1800, 1800},
        {1800, CONVERSION_ATTEMPT, 0, 0, 2, 0, 1800, 1800},
        {3600, CONVERSION_ATTEMPT, 0, 0, 4, 0, 0, 0},
        {3600, KICKOFF, 0, 0, 5, 600, 600, 600},
        {3700, FIRST_DOWN, 0, 0, 5, 500, 500, 500},
        {3700, FIRST_DOWN, 0, 2, 5, 500, 9000, 9000},
        {4600, FIRST_DOWN, 1, 0, 6, 800, 9000, 9000},
    };
    for (const CLOCK_CASE& c : kCases) {
        SCOPED_TRACE(c.nClock);
        Reset_Game();
        gOvertimeRule = c.nOvertimeRule;
        pGame->anInfo[GAME_INFO_WEEK] =
            (int16_t)(c.bPostseason ? GAME_TEST_FIRST_POSTSEASON_WEEK : GAME_TEST_WEEK);
        pGame->nClock = (int16_t)c.nClock;
        Set_Down(c.nDown);
        EXPECT_EQ(Get_Game_Quarter(pGame), c.nQuarter);
        EXPECT_EQ(Get_Period_Seconds_Left(pGame), c.nPeriodLeft);
        EXPECT_EQ(Get_Half_Seconds_Left(pGame), c.nHalfLeft);
        EXPECT_EQ(Get_Game_Seconds_Left(pGame), c.nGameLeft);
    }
}

TEST_F(PlayLoopTest, AnOvertimeLengthOfNoMinutesCountsAsAQuarter) {
    gOvertimePeriodLength = 0;
    pGame->nClock = 3700;
    EXPECT_EQ(Get_Overtime_Period_Length(pGame), 900);
    EXPECT_EQ(Get_Period_Seconds_Left(pGame), 800);
}

struct OVER_CASE {
    const char* szName;
    int nClock, nVisitor, nHome, nDown, bPostseason, nRule, nBits, nOvertimeGames;
    int bOver;
};

TEST_F(PlayLoopTest, GameOverUnderEachOvertimeRule) {
    const int V = OVERTIME_VISITOR_HAD_BALL;
    const int H = OVERTIME_HOME_HAD_BALL;
    const OVER_CASE kCases[] = {
        {"regulation still running", 3599, 7, 0, FIRST_DOWN, 0, 0, 0, 1, 0},
        {"a lead at the end of regulation", 3600, 7, 0, KICKOFF, 0, 0, 0, 1, 1},
        {"a try after the last play is still run", 3600, 0, 6, CONVERSION_ATTEMPT, 0, 0, 0, 1, 0},
        {"a regular-season tie without overtime", 3600, 7, 7, KICKOFF, 0, 0, 0, 0, 1},
        {"a level game goes to overtime", 3600, 7, 7, KICKOFF, 0, 0, 0, 1, 0},
        {"sudden death: first score wins", 3700, 10, 7, KICKOFF, 0, 0, 0, 1, 1},
        {"sudden death: tie after the period", 4200, 7, 7, FIRST_DOWN, 0, 0, 0, 1, 1},
        {"answer rule: a field goal needs an answer", 3700, 7, 10, KICKOFF, 0, 1, H, 1, 0},
        {"answer rule: answered field goal wins", 3900, 7, 10, KICKOFF, 0, 1, H | V, 1, 1},
        {"answer rule: a touchdown wins at once", 3700, 7, 13, KICKOFF, 0, 1, H, 1, 1},
        {"an overtime touchdown ends the game before its try", 3700, 7, 13, CONVERSION_ATTEMPT, 0,
         0, H, 1, 1},
        {"a tying overtime touchdown leaves its try to run", 3900, 13, 13, CONVERSION_ATTEMPT, 0, 1,
         H | V, 1, 0},
        {"answer rule: time runs out level", 4200, 7, 7, FIRST_DOWN, 0, 1, H | V, 1, 1},
        {"untimed sudden death plays on level", 4200, 7, 7, FIRST_DOWN, 0, 2, H | V, 1, 0},
        {"untimed sudden death: first score wins", 4300, 10, 7, KICKOFF, 0, 2, H | V, 1, 1},
        {"untimed answer rule waits for the answer", 5000, 10, 7, KICKOFF, 0, 3, V, 1, 0},
        {"postseason ties play on after a period", 4500, 7, 7, FIRST_DOWN, 1, 0, H | V, 0, 0},
        {"postseason sudden death: first score wins", 4600, 10, 7, KICKOFF, 1, 0, H | V, 0, 1},
        {"postseason answer rule plays past the limit", 4600, 7, 10, KICKOFF, 1, 1, H, 0, 0},
        {"an unknown rule plays sudden death", 3700, 10, 7, KICKOFF, 0, 7, 0, 1, 1},
        {"an unknown rule never ends level", 9000, 7, 7, FIRST_DOWN, 0, 7, H | V, 1, 0},
    };
    for (const OVER_CASE& c : kCases) {
        SCOPED_TRACE(c.szName);
        Reset_Game();
        pGame->nClock = (int16_t)c.nClock;
        pGame->anScores[VISITOR_SIDE] = c.nVisitor;
        pGame->anScores[HOME_SIDE] = c.nHome;
        Set_Down(c.nDown);
        pGame->anInfo[GAME_INFO_WEEK] =
            (int16_t)(c.bPostseason ? GAME_TEST_FIRST_POSTSEASON_WEEK : GAME_TEST_WEEK);
        pGame->anInfo[GAME_INFO_OVERTIME_BITS] = (int16_t)c.nBits;
        gOvertimeRule = c.nRule;
        gPlayoffOvertimeRule = c.nRule;
        gOvertimeGames = c.nOvertimeGames;
        EXPECT_EQ(Is_Game_Over(pGame), c.bOver);
    }
}

// Bit 0 marks the visitor's overtime possession and bit 1 the home team's.
TEST_F(PlayLoopTest, PossessionPassingInOvertimeMarksTheTeamThatHadTheBall) {
    pGame->nClock = 3600;
    pGame->nYardLine = 30;
    Change_Possession(pGame);  // the opening kickoff of overtime is not a possession
    EXPECT_EQ(pGame->anInfo[GAME_INFO_OVERTIME_BITS], 0);
    pGame->nClock = 3650;
    Change_Possession(pGame);  // the visitor had it
    EXPECT_EQ(pGame->anInfo[GAME_INFO_OVERTIME_BITS], OVERTIME_VISITOR_HAD_BALL);
    EXPECT_EQ(pGame->nPossession, GAME_TEST_HOME);
    EXPECT_EQ(pGame->nYardLine, 30);
}

TEST_F(PlayLoopTest, OvertimeKickoffTimeoutsAndKicker) {
    gOvertimePossession = 1;
    pGame->nClock = REGULATION_SECONDS;
    pGame->nPossession = GAME_TEST_VISITOR;
    Set_Up_Kickoff(pGame);
    EXPECT_EQ(pGame->nPossession, GAME_TEST_HOME);
    EXPECT_EQ(pGame->anTimeouts[VISITOR_SIDE], 2);
    EXPECT_EQ(Down(), KICKOFF);
    EXPECT_EQ(pGame->nYardLine, 65);
    EXPECT_NE(pGame->nFlags & GAME_FLAG_TIMEOUT_STOP, 0);

    pGame->anInfo[GAME_INFO_WEEK] = GAME_TEST_FIRST_POSTSEASON_WEEK;
    Set_Up_Kickoff(pGame);
    EXPECT_EQ(pGame->anTimeouts[HOME_SIDE], 3);
}

struct HURRY_CASE {
    int nClock, nOffence, nDefence, bHurry;
};

// The two-minute points: the end of the first half, and late in the game by the margin.
TEST_F(PlayLoopTest, HurryUpPoints) {
    const HURRY_CASE kCases[] = {
        {1681, 0, 0, 1}, {1680, 0, 0, 0}, {1681, 21, 0, 1}, {3001, 0, 9, 1}, {3001, 0, 8, 0},
        {3000, 0, 9, 0}, {3361, 7, 7, 1}, {3361, 10, 7, 0}, {3360, 0, 3, 0},
    };
    for (const HURRY_CASE& c : kCases) {
        SCOPED_TRACE(c.nClock);
        pGame->nClock = (int16_t)c.nClock;
        pGame->anScores[HOME_SIDE] = c.nOffence;
        pGame->anScores[VISITOR_SIDE] = c.nDefence;
        EXPECT_EQ(Is_Offense_Hurrying(pGame), c.bHurry);
    }
}

struct RUNOFF_CASE {
    int nClock, nFlags, nSeconds;
};

// Before the snap: none after a stop, 37 or 14 at normal pace, 12 or 2 in the hurry-up.
TEST_F(PlayLoopTest, SecondsRunOffBeforeTheSnap) {
    const RUNOFF_CASE kCases[] = {
        {600, 0, 37},    {600, 0x400, 14}, {600, 0x800, 14}, {600, 0x100, 0},
        {600, 0x200, 0}, {1700, 0, 12},    {1700, 0x400, 2}, {1700, 0x100, 0},
    };
    for (const RUNOFF_CASE& c : kCases) {
        SCOPED_TRACE(c.nClock * 10000 + c.nFlags);
        pGame->nClock = (int16_t)c.nClock;
        pGame->nFlags = c.nFlags;
        Set_Play_Runoff(pGame);
        EXPECT_EQ(pGame->nPlaySeconds, c.nSeconds);
    }
}

// A game already over is not resumed, and its record stays as it was.
TEST_F(PlayLoopTest, ResumingAFinishedGameDoesNothing) {
    pGame->nClock = REGULATION_SECONDS;
    pGame->anScores[HOME_SIDE] = 10;
    gResumeAdvance = 1;
    EXPECT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 0);
    EXPECT_EQ(pGame->anScores[HOME_SIDE], 10);
    EXPECT_EQ(pGame->nPlayCount, 0);
    gResumeAdvance = 0;
}

// Everything that scored is in the log, and the teams' totals are their players' counters.
TEST_F(PlayLoopTest, AWholeGameAddsUp) {
    const int kTotalsStats[3][2] = {{0, 7}, {0, 8}, {3, 2}};  // rushes, rush yards, pass attempts
    const int kCounters[3] = {0, 1, 0};
    const int kPasserCategory = 3;
    const int kRushes = 7;
    int anBefore[2][3];
    int anPasserRushesBefore[2];
    int anCallsBefore[2];
    for (int bSide = 0; bSide < 2; bSide++) {
        anCallsBefore[bSide] = Count_Offensive_Calls(pGame->anTeams[bSide]);
        for (int i = 0; i < 3; i++)
            anBefore[bSide][i] = Get_Team_Totals_Stat(pGame->anTeams[bSide], kTotalsStats[i][0],
                                                      SEASON_CURRENT, kTotalsStats[i][1]);
        anPasserRushesBefore[bSide] =
            Get_Team_Totals_Stat(pGame->anTeams[bSide], kPasserCategory, SEASON_CURRENT, kRushes);
    }

    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);

    EXPECT_TRUE(Is_Game_Over(pGame));
    EXPECT_EQ(gLiveGame, nullptr);
    ASSERT_GT(pGame->nPlayCount, 100);
    ASSERT_LT(pGame->nPlayCount, PLAY_LOG_SIZE);
    int anPoints[2] = {0, 0};
    for (int i = 0; i < pGame->nPlayCount; i++)
        Add_Play_Points((pGame->aPlayLog[i].nResult & PLAY_WORD_HOME_BALL) != 0,
                        Get_Play_Result(&pGame->aPlayLog[i]), anPoints);
    EXPECT_EQ(anPoints[VISITOR_SIDE], pGame->anScores[VISITOR_SIDE]);
    EXPECT_EQ(anPoints[HOME_SIDE], pGame->anScores[HOME_SIDE]);
    EXPECT_GT(anPoints[VISITOR_SIDE] + anPoints[HOME_SIDE], 0);
    int nByPeriods = 0;
    for (int nPeriod = 0; nPeriod <= 4; nPeriod++)
        nByPeriods += Get_Game_Period_Points(pGame, nPeriod, HOME_SIDE);
    EXPECT_EQ(nByPeriods, pGame->anScores[HOME_SIDE]);

    for (int bSide = 0; bSide < 2; bSide++) {
        int nTeam = pGame->anTeams[bSide];
        // each side's calls are counted in its own playbook, as the side with the ball at the snap
        EXPECT_EQ(Count_Offensive_Calls(nTeam) - anCallsBefore[bSide], Count_Logged_Calls(bSide))
            << "side " << bSide;
        EXPECT_GT(Count_Logged_Calls(bSide), 0);
        for (int i = 0; i < 3; i++) {
            int nSum = 0;
            for (int nSlot = 0; nSlot < GAME_ROSTER_SLOTS; nSlot++) {
                int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
                int bCategory = kTotalsStats[i][0] == 3
                                    ? nPosition == POS_QB
                                    : nPosition >= POS_RB && nPosition <= POS_WR;
                if (Is_Player_Slot_Used(nTeam, nSlot) && bCategory)
                    nSum += pGame->aaanPlayerCounters[bSide][nSlot][kCounters[i]];
            }
            int nAfter =
                Get_Team_Totals_Stat(nTeam, kTotalsStats[i][0], SEASON_CURRENT, kTotalsStats[i][1]);
            EXPECT_EQ(nAfter - anBefore[bSide][i], nSum) << "side " << bSide << " stat " << i;
            if (i == 0) {  // quarterbacks' scrambles and kneels count in the passer totals
                int nPasserRushes =
                    Get_Team_Totals_Stat(nTeam, kPasserCategory, SEASON_CURRENT, kRushes) -
                    anPasserRushesBefore[bSide];
                EXPECT_EQ(pGame->aanTeamTotals[bSide][5], nSum + nPasserRushes) << "side " << bSide;
            }
        }
    }
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

// The box score's team rushing line is the sum of its players' rows, which count the runs the
// play log shows: a carry that ends in a lost fumble, under a penalty flag or in a safety is the
// carrier's but not the team's game total. Seeds are played until the first two have come up.
TEST_F(PlayLoopTest, TeamRushingIsTheSumOfTheLoggedRuns) {
    int nLostFumbles = 0, nFlaggedRuns = 0;
    for (uint32_t uSeed = 1; uSeed <= 40 && (nLostFumbles == 0 || nFlaggedRuns == 0); uSeed++) {
        SCOPED_TRACE(uSeed);
        SetUp();
        Seed_Random(uSeed);
        ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
        ASSERT_LT(pGame->nPlayCount, PLAY_LOG_SIZE);
        int anRuns[2] = {0, 0}, anYards[2] = {0, 0};
        for (int n = 0; n < pGame->nPlayCount; n++) {
            const PLAY* pPlay = &pGame->aPlayLog[n];
            int bSide = (pPlay->nResult & PLAY_WORD_HOME_BALL) ? HOME_SIDE : VISITOR_SIDE;
            int nResult = Get_Play_Result(pPlay);
            if (nResult >= RESULT_RUN && nResult <= RESULT_TOUCHDOWN_RUN &&
                (pPlay->nResult & GAME_FLAG_DOWN_MASK) != CONVERSION_ATTEMPT) {
                anRuns[bSide]++;
                anYards[bSide] += pPlay->nYard1;
            }
            nLostFumbles += nResult == RESULT_FUMBLE_RECOVERED;
            nFlaggedRuns += nResult == RESULT_PENALTY &&
                            Is_Run_Play(pGame->anTeams[bSide], pPlay->nOffensiveCall);
        }
        for (int bSide = 0; bSide < 2; bSide++) {
            EXPECT_EQ(pGame->aanTeamTotals[bSide][5], anRuns[bSide]) << "side " << bSide;
            EXPECT_EQ(pGame->aanTeamTotals[bSide][6], anYards[bSide]) << "side " << bSide;
        }
    }
    EXPECT_GT(nLostFumbles, 0);
    EXPECT_GT(nFlaggedRuns, 0);
}

// The same seed plays the same game from the same league (the play callers read the season's
// statistics, so the league is built afresh).
TEST_F(PlayLoopTest, TheSameSeedPlaysTheSameGame) {
    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    int anFirst[2] = {pGame->anScores[0], pGame->anScores[1]};
    int nPlays = pGame->nPlayCount;
    SetUp();  // a fresh league: the first game's injuries are undone
    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    EXPECT_EQ(pGame->anScores[0], anFirst[0]);
    EXPECT_EQ(pGame->anScores[1], anFirst[1]);
    EXPECT_EQ(pGame->nPlayCount, nPlays);
}

// Without its texts a game makes the same draws and the same record, and leaves its texts empty.
TEST_F(PlayLoopTest, AGameWithoutItsTextsIsPlayedTheSameWay) {
    for (uint32_t uSeed : {1u, 2u, 3u}) {
        SCOPED_TRACE(uSeed);
        SetUp();
        Seed_Random(uSeed);
        ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
        ASSERT_NE(Get_Play_By_Play_Text()[0], '\0');
        static GAME kept;
        kept = *pGame;
        uint32_t uNext = Random_Number();

        SetUp();
        Seed_Random(uSeed);
        Set_Game_Texts_Kept(0);
        int bPlayed = Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame);
        Set_Game_Texts_Kept(1);
        ASSERT_EQ(bPlayed, 1);
        EXPECT_EQ(memcmp(&kept, pGame, sizeof(GAME)), 0);
        EXPECT_EQ(Random_Number(), uNext);
        EXPECT_STREQ(Get_Play_By_Play_Text(), "");
        EXPECT_STREQ(gRecapHtml, "");
    }
}

// The play callers read a playbook anew in each game: plays unnamed between two games are no
// longer called.
TEST_F(PlayLoopTest, APlaybookEditedBetweenGamesIsReadAnew) {
    auto Count_Scrimmage_Calls = [this](const std::vector<int>& anPlays) {
        int n = 0;
        for (int i = 0; i < pGame->nPlayCount && i < PLAY_LOG_SIZE; i++) {
            const PLAY& play = pGame->aPlayLog[i];
            if ((play.nResult & GAME_FLAG_DOWN_MASK) <= FOURTH_DOWN &&
                std::find(anPlays.begin(), anPlays.end(), play.nOffensiveCall) != anPlays.end())
                n++;
        }
        return n;
    };
    std::vector<int> anOddRuns;
    for (int nPlay = 1; nPlay < TEAM_OFFENSIVE_PLAY_COUNT; nPlay += 2) {
        if (Is_Run_Play(GAME_TEST_HOME, nPlay) && Is_Offensive_Play_Defined(GAME_TEST_HOME, nPlay))
            anOddRuns.push_back(nPlay);
    }
    ASSERT_FALSE(anOddRuns.empty());
    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    ASSERT_GT(Count_Scrimmage_Calls(anOddRuns), 0);

    for (int nTeam : {GAME_TEST_HOME, GAME_TEST_VISITOR}) {
        for (int nPlay : anOddRuns)
            Get_Team_Offensive_Playbook(nTeam)->aPlays[nPlay].szName[0] = '\0';
    }
    Reset_Game();
    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    EXPECT_EQ(Count_Scrimmage_Calls(anOddRuns), 0);
}

// A watched game with a person's team asks the platform before waiting; headless refuses, and the
// game still runs to its end.
TEST_F(PlayLoopTest, AWatchedGameAsksThePlatformBeforeWaiting) {
    Watch_Game();
    Test_Set_Strict(false);
    Allow_User_Waits();
    Set_Team_Stat(GAME_TEST_HOME, TEAM_CONTROL, CONTROL_HUMAN);
    gSkipPregameDialog = 1;
    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    int nWaits = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        nWaits += shown.nKind == TEST_SHOWN_USER_WAIT;
    EXPECT_GT(nWaits, 0);
}

// Watching two computer teams never waits for the person: any test fails if it did. The two-minute warnings are the only boxes shown.
TEST_F(PlayLoopTest, AWatchedGameOfComputerTeamsNeverWaits) {
    Watch_Game();
    ASSERT_TRUE(Is_Game_Watched(pGame));
    EXPECT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    EXPECT_GE(nTwoMinuteWarnings, 2);
}

// An advance that stops leaves the game unfinished in its record.
TEST_F(PlayLoopTest, AStoppedAdvanceLeavesTheGameUnfinished) {
    gRunTargetWeek = GAME_TEST_WEEK;
    EXPECT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 0);
    EXPECT_FALSE(Is_Game_Over(pGame));
    EXPECT_EQ(pGame->nPlayCount, 0);
}

TEST_F(PlayLoopTest, ABadTeamIsReported) {
    EXPECT_EQ(Play_Game(50, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 0);
    EXPECT_NE(std::string(gRecentErrors).find("Invalid TNUM parameter to Play_Game(50,1,3,)"),
              std::string::npos);
}

}  // namespace
