// A finished game's report files: the box score and recap written from the game record, the
// result credited, hostile names escaped and an over-long box score cut cleanly.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "common/text_files.h"
#include "game_test_fixture.h"
#include "reports/reports.h"

namespace {

class BoxScoreTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        gGameNumber = 7;
        gTeams[GAME_TEST_HOME].aanSchedule[GAME_TEST_WEEK][SCHEDULE_OPPONENT] =
            GAME_TEST_VISITOR + 1;
        gTeams[GAME_TEST_VISITOR].aanSchedule[GAME_TEST_WEEK][SCHEDULE_OPPONENT] =
            -1 - GAME_TEST_HOME;
    }

    // The team's row of the season being played.
    static int Record(int nTeam, int nStat) {
        return Get_Team_Yearly_Char(nTeam, gSeasonNumber, nStat);
    }

    static int Count(const std::string& stText, const std::string& stPart) {
        int n = 0;
        for (size_t at = stText.find(stPart); at != std::string::npos;
             at = stText.find(stPart, at + 1))
            n++;
        return n;
    }

    std::string Box_File() {
        char szName[REPORT_FILE_NAME_SIZE];
        Get_Current_Game_Box_File_Name(szName, sizeof(szName));
        return Read_Text_File(szName);
    }

    std::string Recap_File() {
        char szName[REPORT_FILE_NAME_SIZE];
        Get_Current_Game_Recap_File_Name(szName, sizeof(szName));
        return Read_Text_File(szName);
    }
};

TEST_F(BoxScoreTest, ReportFileNames) {
    gSeasonNumber = 2019 - gUniverseStats[UNIVERSE_FIRST_YEAR];
    char szName[REPORT_FILE_NAME_SIZE];
    Get_Current_Game_Box_File_Name(szName, sizeof(szName));
    EXPECT_STREQ(szName, "Output\\Box-19-007.htm");
    Get_Current_Game_Recap_File_Name(szName, sizeof(szName));
    EXPECT_STREQ(szName, "Output\\Recap-19-007.htm");
    gSelectedGame = 12;
    gCurrentWeek = OFF_SEASON_WEEK;
    Get_Selected_Game_Box_File_Name(szName, sizeof(szName));
    EXPECT_STREQ(szName, "Output\\Box-18-012.htm");
}

TEST_F(BoxScoreTest, ComputerGameWritesBothFilesFromItsRecord) {
    Watch_Game();
    gSimulationRunning = 1;
    gCurrentWeek = GAME_TEST_WEEK;
    int anWins[2] = {Record(GAME_TEST_VISITOR, YEARLY_WINS), Record(GAME_TEST_HOME, YEARLY_WINS)};
    int anLosses[2] = {Record(GAME_TEST_VISITOR, YEARLY_LOSSES),
                       Record(GAME_TEST_HOME, YEARLY_LOSSES)};
    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    auto start = std::chrono::steady_clock::now();
    Record_Game_Result(pGame, GAME_TEST_WEEK);
    double dMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("report files of one game written in %.3f ms\n", dMs);

    std::string stBox = Box_File(), stRecap = Recap_File();
    ASSERT_FALSE(stBox.empty());
    EXPECT_EQ(stBox.rfind("</TBODY></TABLE></HTML>"), stBox.size() - 23);
    EXPECT_EQ(Count(stBox, "<TABLE"), Count(stBox, "</TABLE>"));
    EXPECT_NE(stBox.find("Team Stats"), std::string::npos);
    int nScoringPlays = 0;
    for (int n = 0; n < pGame->nPlayCount; n++)
        nScoringPlays += Is_Scoring_Play(Get_Play_Result(&pGame->aPlayLog[n]));
    EXPECT_EQ(Count(stBox, "<TD width=\"20%\" class=lmc>"), nScoringPlays);
    // Each scoring row names the team whose score rose, in its row class.
    std::regex row(
        "<TR class=(none|highlight)><TD width=\"6%\" class=lml>([^<]*)</TD>[^]*?"
        "class=lmc>(\\d+)</TD><TD width=\"6%\" class=lmc>(\\d+)</TD></TR>");
    char aszAbbreviations[2][TEAM_STRING_SIZE];
    for (int bSide = 0; bSide < 2; bSide++)
        Get_Team_String(aszAbbreviations[bSide], TEAM_STRING_SIZE, pGame->anTeams[bSide],
                        TEAM_ABBREVIATION);
    int anScores[2] = {0, 0}, anRows[2] = {0, 0};
    for (std::sregex_iterator it(stBox.begin(), stBox.end(), row), end; it != end; ++it) {
        int anNow[2] = {std::stoi((*it)[3]), std::stoi((*it)[4])};
        int bSide = (*it)[1] == "highlight" ? HOME_SIDE : VISITOR_SIDE;
        EXPECT_EQ((*it)[2], aszAbbreviations[bSide]);
        if (anNow[0] != anScores[0] || anNow[1] != anScores[1]) {
            EXPECT_GT(anNow[bSide], anScores[bSide]) << (*it)[0];
        }
        anRows[bSide]++;
        anScores[0] = anNow[0];
        anScores[1] = anNow[1];
    }
    EXPECT_EQ(anRows[VISITOR_SIDE] + anRows[HOME_SIDE], nScoringPlays);
    EXPECT_GT(anRows[HOME_SIDE], 0);
    for (int bSide = 0; bSide < 2; bSide++) {
        char szCell[128];
        Format_String(szCell, sizeof(szCell), "<TD class=lmc>%d for %d yards (",
                      pGame->aanTeamTotals[bSide][5], pGame->aanTeamTotals[bSide][6]);
        EXPECT_NE(stBox.find(szCell), std::string::npos) << szCell;
        Format_String(szCell, sizeof(szCell), "<TD width=\"60\" class=%sc><B>%d</B>",
                      bSide == 0 ? "tm" : "tb", pGame->anScores[bSide]);
        EXPECT_NE(stBox.find(szCell), std::string::npos) << szCell;
    }
    EXPECT_EQ(Count(stRecap, "<TD width=\"38%\" class=lmc>"), pGame->nPlayCount);
    EXPECT_EQ(stRecap.rfind("</TBODY></TABLE></HTML>"), stRecap.size() - 23);
    EXPECT_EQ(gBoxScoreHtml[0], '\0');
    EXPECT_EQ(gRecapHtml[0], '\0');

    int bHomeWon = pGame->anScores[HOME_SIDE] > pGame->anScores[VISITOR_SIDE];
    int bVisitorWon = pGame->anScores[VISITOR_SIDE] > pGame->anScores[HOME_SIDE];
    EXPECT_EQ(Record(GAME_TEST_HOME, YEARLY_WINS) - anWins[1], bHomeWon);
    EXPECT_EQ(Record(GAME_TEST_HOME, YEARLY_LOSSES) - anLosses[1], bVisitorWon);
    EXPECT_EQ(Record(GAME_TEST_VISITOR, YEARLY_WINS) - anWins[0], bVisitorWon);
    EXPECT_EQ(Get_Calendar_PBP_Flag(GAME_TEST_HOME, GAME_TEST_WEEK), 0);
}

// A game played without its texts is recorded without report files.
TEST_F(BoxScoreTest, AGameWithoutTextsWritesNoReportFiles) {
    gGameNumber = 9;  // files of their own: the test cases may run at the same time
    int nWins = Record(GAME_TEST_HOME, YEARLY_WINS);
    Set_Game_Texts_Kept(0);
    int bPlayed = Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame);
    Record_Game_Result(pGame, GAME_TEST_WEEK);
    Set_Game_Texts_Kept(1);
    ASSERT_EQ(bPlayed, 1);
    EXPECT_TRUE(Box_File().empty());
    EXPECT_TRUE(Recap_File().empty());
    int bHomeWon = pGame->anScores[HOME_SIDE] > pGame->anScores[VISITOR_SIDE];
    EXPECT_EQ(Record(GAME_TEST_HOME, YEARLY_WINS) - nWins, bHomeWon);
}

// The reports write the body through the sink they install; without it the engine writes its own
// head and recap and nothing else.
TEST_F(BoxScoreTest, WithoutTheReportWritersTheBoxScoreHasNoBody) {
    gGameNumber = 13;
    Install_Report_Sink(NULL);
    gBoxScoreHtml[0] = '\0';
    int bPlayed = Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame);
    Record_Game_Result(pGame, GAME_TEST_WEEK);
    Install_Report_Writers();
    ASSERT_EQ(bPlayed, 1);
    std::string stBox = Box_File();
    EXPECT_NE(stBox.find("<TABLE class=shade1"), std::string::npos);  // the engine's header
    EXPECT_EQ(stBox.find("Scoring Plays"), std::string::npos);
    EXPECT_EQ(stBox.find("Team Stats"), std::string::npos);
    EXPECT_EQ(Count(Recap_File(), "<TD width=\"38%\" class=lmc>"), pGame->nPlayCount);
}

TEST_F(BoxScoreTest, HostileTeamNameIsEscaped) {
    const char* szHostile = "<script>&\"";
    gGameNumber = 8;  // files of their own: the test cases may run at the same time
    Set_Team_Nickname(GAME_TEST_VISITOR, szHostile);
    Set_Team_String(GAME_TEST_VISITOR, TEAM_ABBREVIATION, szHostile);
    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    Record_Game_Result(pGame, GAME_TEST_WEEK);
    for (const std::string& stPage : {Box_File(), Recap_File()}) {
        ASSERT_FALSE(stPage.empty());
        EXPECT_EQ(stPage.find("<script>"), std::string::npos);
        EXPECT_NE(stPage.find("&lt;script&gt;&amp;&quot;"), std::string::npos);
    }
}

// The header's logos follow the logo file rule (by city) and are written as a browser reads them:
// the file's spelling on disk and forward slashes.
TEST_F(BoxScoreTest, HeaderLogosAreTheTeamsLogoFiles) {
    Set_Team_String(GAME_TEST_HOME, TEAM_CITY, "New York");
    Set_Team_Nickname(GAME_TEST_HOME, "Jets");
    std::filesystem::create_directories("Logos");
    std::ofstream("Logos/NY1.png") << "png";
    Write_Game_Html_Head(pGame);
    Write_Box_Score_Header(pGame);
    std::string stHead = gGameHtmlHead;
    EXPECT_NE(stHead.find("<img src=\"../Logos/NY1.png\""), std::string::npos) << stHead;
    EXPECT_NE(stHead.find("<img src=\"../Logos/LOGO_filler.png\""), std::string::npos);
    EXPECT_EQ(stHead.find("..\\"), std::string::npos);
}

// Every injury the roll inflicts gets its row; those that stand are marked in the play log.
TEST_F(BoxScoreTest, InjuriesAreWrittenIntoThePlayByPlay) {
    gGameNumber = 11;
    gUniverseStats[UNIVERSE_INJURY_FREQUENCY] = 400;
    Watch_Game();
    gSimulationRunning = 1;
    gCurrentWeek = GAME_TEST_WEEK;
    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    int nMarks = 0;
    for (int n = 0; n < pGame->nPlayCount && n < PLAY_LOG_SIZE; n++) {
        for (int nEntry = 0; nEntry < PLAY_NARRATION_ENTRIES; nEntry++)
            nMarks += pGame->aPlayLog[n].aabNarration[nEntry][0] == NARRATION_EVENT_INJURED;
    }
    std::string stText = Get_Play_By_Play_Text();
    Record_Game_Result(pGame, GAME_TEST_WEEK);
    int nRows = Count(Recap_File(), "was injured on the play</TD></TR>");
    EXPECT_GT(nMarks, 0);
    EXPECT_GE(nRows, nMarks);
    EXPECT_EQ(Count(stText, " was injured on the play >>"), nRows);
}

TEST_F(BoxScoreTest, TiedGameCreditsATieToBoth) {
    gGameNumber = 9;
    int nTies[2] = {Record(GAME_TEST_VISITOR, YEARLY_TIES), Record(GAME_TEST_HOME, YEARLY_TIES)};
    int nWins = Record(GAME_TEST_HOME, YEARLY_WINS);
    pGame->anScores[VISITOR_SIDE] = pGame->anScores[HOME_SIDE] = 17;
    Record_Game_Result(pGame, GAME_TEST_WEEK);
    EXPECT_EQ(Record(GAME_TEST_VISITOR, YEARLY_TIES), nTies[0] + 1);
    EXPECT_EQ(Record(GAME_TEST_HOME, YEARLY_TIES), nTies[1] + 1);
    EXPECT_EQ(Record(GAME_TEST_HOME, YEARLY_WINS), nWins);
}

TEST_F(BoxScoreTest, AFileThatCannotBeWrittenIsLoggedAndTheGameCounts) {
    gGameNumber = 10;
    char szName[REPORT_FILE_NAME_SIZE];
    Get_Current_Game_Box_File_Name(szName, sizeof(szName));
    Platform_Make_Directory("Output");
    Platform_Make_Directory(szName);  // a folder where the file should go
    int nWins = Record(GAME_TEST_HOME, YEARLY_WINS);
    pGame->anScores[HOME_SIDE] = 3;
    Record_Game_Result(pGame, GAME_TEST_WEEK);
    EXPECT_EQ(Record(GAME_TEST_HOME, YEARLY_WINS), nWins + 1);
    EXPECT_EQ(Count(Test_Get_Debug_Output(), "Cannot open Output"), 1);
    EXPECT_EQ(Count(Test_Get_Debug_Output(), "Cannot"), 1);  // the recap is written
}

TEST_F(BoxScoreTest, TeamStatsRoundAveragesTowardTheLoss) {
    Reset_Box_Score_Html();
    pGame->aanTeamTotals[VISITOR_SIDE][5] = 3;
    pGame->aanTeamTotals[VISITOR_SIDE][6] = -4;
    pGame->aanTeamTotals[HOME_SIDE][12] = 1;
    pGame->aanTeamTotals[HOME_SIDE][13] = 5;
    pGame->aanTeamTotals[VISITOR_SIDE][12] = 2;
    pGame->aanTeamTotals[VISITOR_SIDE][13] = 15;
    Write_Box_Score_Team_Stats(pGame);
    std::string stBody = gBoxScoreHtml;
    EXPECT_NE(stBody.find("3 for -4 yards (-1.4 avg)"), std::string::npos);
    EXPECT_NE(stBody.find("1 penalty for 5 yards"), std::string::npos);
    EXPECT_NE(stBody.find("2 penalties for 15 yards"), std::string::npos);
}

TEST_F(BoxScoreTest, OverLongBoxScoreIsCutAtAWholeRow) {
    Write_Scoring_Plays_Header(pGame);
    Set_Play_Result(&pGame->currentPlay, RESULT_FIELD_GOAL_GOOD);
    for (int n = 0; n < 200; n++)
        Append_Scoring_Play_Row(pGame);
    Close_Box_Score_Html();
    std::string stBody = gBoxScoreHtml;
    EXPECT_LT(stBody.size(), (size_t)BOX_SCORE_HTML_SIZE);
    EXPECT_EQ(Count(stBody, "<TR class="), Count(stBody, "</TR>") - 1);  // the closing cell's row
    EXPECT_NE(stBody.find("</TD></TR></TBODY></TABLE><BR></TD></TR></TBODY></TABLE></HTML>"),
              std::string::npos);
    EXPECT_EQ(Count(Test_Get_Debug_Output(), "Box score cut"), 1);
}

}  // namespace
