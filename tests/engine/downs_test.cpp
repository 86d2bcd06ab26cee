// Downs, distance and scoring after a play, the red-zone count and the play log.
#include <string>

#include "common/text_files.h"
#include "engine/game_test_fixture.h"
#include "reports/reports.h"

namespace {

struct DOWN_CASE {
    const char* szName;
    int nDown, nToGo, nYardLine, nYards, nResult, bChanged;
    // expected
    int nNewDown, nNewToGo, nNewYardLine, nNewResult, nVisitorScore, nHomeScore, bHomeBall;
    int nFirstDowns, nThirdTries, nThirdMade, nFourthTries, nFourthMade;
};

const DOWN_CASE kCases[] = {
    {"third and five gains five", 2, 5, 50, 5, RESULT_RUN, 0, 0, 10, 45, RESULT_RUN, 0, 0, 1, 1, 1,
     1, 0, 0},
    {"first down inside the ten is goal to go", 1, 4, 12, 5, RESULT_COMPLETE, 0, 0, 7, 7,
     RESULT_COMPLETE, 0, 0, 1, 1, 0, 0, 0, 0},
    {"second down short", 1, 10, 60, 3, RESULT_RUN, 0, 2, 7, 57, RESULT_RUN, 0, 0, 1, 0, 0, 0, 0,
     0},
    {"fourth down short turns the ball over", 3, 3, 40, 1, RESULT_RUN, 0, 0, 10, 61, RESULT_RUN, 0,
     0, 0, 0, 0, 0, 1, 0},
    {"fourth down made", 3, 1, 40, 2, RESULT_RUN, 0, 0, 10, 38, RESULT_RUN, 0, 0, 1, 1, 0, 0, 1, 1},
    {"penalty keeps the down", 1, 10, 50, 5, RESULT_PENALTY, 0, 1, 5, 45, RESULT_PENALTY, 0, 0, 1,
     0, 0, 0, 0, 0},
    {"penalty for a first down", 1, 10, 50, 12, RESULT_PENALTY, 0, 0, 10, 38, RESULT_PENALTY, 0, 0,
     1, 1, 0, 0, 0, 0},
    {"touchdown run starts a try", 0, 10, 5, 5, RESULT_TOUCHDOWN_RUN, 0, CONVERSION_ATTEMPT, 10, 2,
     RESULT_TOUCHDOWN_RUN, 0, 6, 1, 0, 0, 0, 0, 0},
    {"two-point try good", CONVERSION_ATTEMPT, 2, 2, 2, RESULT_RUN, 0, KICKOFF, 2, 65,
     RESULT_TWO_POINT_GOOD, 0, 2, 1, 0, 0, 0, 0, 0},
    {"two-point try short", CONVERSION_ATTEMPT, 2, 2, 1, RESULT_COMPLETE, 0, KICKOFF, 2, 65,
     RESULT_TWO_POINT_FAILED, 0, 0, 1, 0, 0, 0, 0, 0},
    {"kicked try keeps its result", CONVERSION_ATTEMPT, 2, 2, 0, RESULT_EXTRA_POINT_GOOD, 0,
     KICKOFF, 2, 65, RESULT_EXTRA_POINT_GOOD, 0, 0, 1, 0, 0, 0, 0, 0},
    {"safety gives a free kick from the twenty", 0, 10, 98, -3, RESULT_SAFETY, 0, FREE_KICK, 10, 80,
     RESULT_SAFETY, 2, 0, 1, 0, 0, 0, 0, 0},
    {"field goal leads to a kickoff", 3, 8, 20, 0, RESULT_FIELD_GOAL_GOOD, 0, KICKOFF, 8, 65,
     RESULT_FIELD_GOAL_GOOD, 0, 0, 1, 0, 0, 0, 0, 0},
    {"kickoff return is a first down", KICKOFF, 10, 75, 20, RESULT_KICKOFF_RETURNED, 1, 0, 10, 55,
     RESULT_KICKOFF_RETURNED, 0, 0, 1, 0, 0, 0, 0, 0},
    {"interception returned all the way", 1, 10, 30, 30, RESULT_INTERCEPTION_TOUCHDOWN, 1,
     CONVERSION_ATTEMPT, 10, 2, RESULT_INTERCEPTION_TOUCHDOWN, 0, 6, 1, 0, 0, 0, 0, 0},
};

class DownsTest : public GameTest {};

TEST_F(DownsTest, TransitionsAfterAPlay) {
    for (const DOWN_CASE& c : kCases) {
        SCOPED_TRACE(c.szName);
        Reset_Game();
        Reset_Current_Play(pGame);
        Set_Down(c.nDown);
        pGame->nYardsToGo = (int8_t)c.nToGo;
        pGame->nYardLine = (int8_t)c.nYardLine;
        pGame->nPlayYards = (int8_t)c.nYards;
        pGame->nPlaySeconds = 5;
        if (c.bChanged)
            pGame->nFlags |= GAME_FLAG_POSSESSION_CHANGED;
        Set_Play_Result(&pGame->currentPlay, c.nResult);

        Advance_Down_And_Distance(pGame);

        EXPECT_EQ(Down(), c.nNewDown);
        EXPECT_EQ(pGame->nYardsToGo, c.nNewToGo);
        EXPECT_EQ(pGame->nYardLine, c.nNewYardLine);
        EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), c.nNewResult);
        EXPECT_EQ(pGame->anScores[VISITOR_SIDE], c.nVisitorScore);
        EXPECT_EQ(pGame->anScores[HOME_SIDE], c.nHomeScore);
        EXPECT_EQ(Get_Offensive_Side(pGame), c.bHomeBall);
        const int16_t* pTotals = pGame->aanTeamTotals[HOME_SIDE];
        EXPECT_EQ(pTotals[4], c.nFirstDowns);
        EXPECT_EQ(pTotals[14], c.nThirdTries);
        EXPECT_EQ(pTotals[15], c.nThirdMade);
        EXPECT_EQ(pTotals[16], c.nFourthTries);
        EXPECT_EQ(pTotals[17], c.nFourthMade);
        EXPECT_EQ(pGame->nPlayCount, 1);
    }
}

// No play runs past the end of a period, and a try takes no time at all.
TEST_F(DownsTest, PlaySecondsAreCutAtThePeriodEndAndTriesTakeNone) {
    Set_Down(FIRST_DOWN);
    pGame->nYardLine = 50;
    pGame->nYardsToGo = 10;
    pGame->nClock = 890;
    pGame->nPlaySeconds = 30;
    Set_Play_Result(&pGame->currentPlay, RESULT_RUN);
    Advance_Down_And_Distance(pGame);
    EXPECT_EQ(pGame->nClock, 900);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][18], 10);

    Set_Down(CONVERSION_ATTEMPT);
    pGame->nYardLine = 2;
    pGame->nPlaySeconds = 30;
    pGame->nPlayYards = 2;
    Advance_Down_And_Distance(pGame);
    EXPECT_EQ(pGame->nClock, 900);
}

TEST_F(DownsTest, RedZoneTripsCountOncePerPossession) {
    Set_Down(FIRST_DOWN);
    pGame->nYardLine = 18;
    Update_Red_Zone_Entry(pGame);
    pGame->nYardLine = 12;
    Set_Down(SECOND_DOWN);
    Update_Red_Zone_Entry(pGame);
    EXPECT_EQ(pGame->aabTeamStats[HOME_SIDE][1], 1);
    EXPECT_EQ(pGame->aabTeamStats[HOME_SIDE][9], 18);

    Change_Possession(pGame);  // the visitor takes over at its 88: no trip
    Update_Red_Zone_Entry(pGame);
    EXPECT_EQ(pGame->aabTeamStats[VISITOR_SIDE][1], 0);
    EXPECT_EQ(Get_Team_Stat(GAME_TEST_HOME, IN_RED_ZONE), 0);
}

// A drive's end inside the 20 is counted for its side and, by the yard line of the first down
// that began it, for the developer's red-zone report.
TEST_F(DownsTest, RedZoneDrivesCountTheirTouchdownsAndFieldGoals) {
    Clear_Red_Zone_Counts();
    struct {
        int nDown, nEntryLine, nScoreLine, nResult;
    } kDrives[] = {
        {FIRST_DOWN, 15, 3, RESULT_TOUCHDOWN_RUN},     // in at the 15, a 3-yard score
        {SECOND_DOWN, 8, 8, RESULT_FIELD_GOAL_GOOD},   // in on second down: no yard line kept
        {FIRST_DOWN, 15, 15, RESULT_FIELD_GOAL_GOOD},  // in at the 15 again
        {FIRST_DOWN, 40, 40, RESULT_TOUCHDOWN_PASS},   // never inside the 20
    };
    for (const auto& drive : kDrives) {
        Set_Down(drive.nDown);
        pGame->nYardLine = (int8_t)drive.nEntryLine;
        Update_Red_Zone_Entry(pGame);
        Reset_Current_Play(pGame);
        pGame->nYardLine = (int8_t)drive.nScoreLine;
        pGame->nPlayYards =
            (int8_t)(drive.nResult == RESULT_FIELD_GOAL_GOOD ? 0 : drive.nScoreLine);
        Set_Play_Result(&pGame->currentPlay, drive.nResult);
        Advance_Down_And_Distance(pGame);
        pGame->nPossession = GAME_TEST_HOME;
    }
    const uint8_t* pStats = pGame->aabTeamStats[HOME_SIDE];
    EXPECT_EQ(pStats[1], 3);  // trips
    EXPECT_EQ(pStats[2], 1);  // touchdowns
    EXPECT_EQ(pStats[3], 2);  // field goals
    EXPECT_EQ(Get_Red_Zone_Count(RED_ZONE_POSSESSIONS, 15), 2);
    EXPECT_EQ(Get_Red_Zone_Count(RED_ZONE_TOUCHDOWNS, 15), 1);
    EXPECT_EQ(Get_Red_Zone_Count(RED_ZONE_FIELD_GOALS, 15), 1);
    EXPECT_EQ(Get_Red_Zone_Count(RED_ZONE_FIELD_GOALS, 8), 0);

    Write_Red_Zone_Report();
    std::string stReport = Read_Text_File("RedZone.csv");
    EXPECT_EQ(stReport.find("Yardline,Possessions,Field Goals,Touchdowns\n1,0,0,0\n"), 0u);
    EXPECT_NE(stReport.find("\n15,2,1,1\n"), std::string::npos);
    EXPECT_NE(stReport.find("\n20,0,0,0\n"), std::string::npos);
}

TEST_F(DownsTest, TheLogKeepsTheFirst256Plays) {
    pGame->nPlayCount = PLAY_LOG_SIZE - 1;
    pGame->nClock = 1234;
    Mark_Play_Log_Entry(pGame);
    pGame->nClock = 1300;
    Set_Play_Result(&pGame->currentPlay, RESULT_RUN);
    Append_Play_To_Log(pGame);
    EXPECT_EQ(pGame->nPlayCount, PLAY_LOG_SIZE);
    const PLAY* pLast = &pGame->aPlayLog[PLAY_LOG_SIZE - 1];
    EXPECT_EQ(pLast->nClock, 1234);
    EXPECT_NE(pLast->nResult & PLAY_WORD_HOME_BALL, 0);
    EXPECT_EQ(Get_Play_Result(pLast), RESULT_RUN);

    Mark_Play_Log_Entry(pGame);
    Append_Play_To_Log(pGame);
    EXPECT_EQ(pGame->nPlayCount, PLAY_LOG_SIZE);
}

}  // namespace
