// The player card: the news tokens filled into sentences, the scout's evaluation by career stage,
// the stat panel's rows and cells, the card's small texts, its buttons and its steps.
#include <string>

#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "fixtures/fixture_league.h"
#include "pages_test_fixture.h"
#include "personnel/personnel.h"

namespace {

class PagesCardTest : public PagesTest {
protected:
    static constexpr int kTeam = 0;
    static constexpr int kStarter = 0;  // a quarterback with his last two seasons
    static constexpr int kBackup = 1;   // a quarterback without past seasons

    void SetUp() override {
        PagesTest::SetUp();
        Build_Fixture_League();
        gDatabaseLoaded = 1;
        gPerfectScouting = 1;  // ratings and levels as they are
        Set_Player_First_Name(kTeam, kStarter, "Sam");
        Set_Player_Last_Name(kTeam, kStarter, "Dyer");
        Set_Team_Nickname(kTeam, "Hawks");
    }

    static std::string Substituted(int nTeam, int nSlot, const char* szText) {
        char szOut[NEWS_TEXT_SIZE];
        safe_strncpy(szOut, szText, sizeof szOut);
        Substitute_News_Strings(nTeam, nSlot, szOut, sizeof szOut);
        return szOut;
    }

    static void Set_Age(int nTeam, int nSlot, int nAge) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE,
                              (Get_Season_Year() - nAge) * 10000 + 101);
    }

    static std::string Cell(int nTeam, int nSlot, int nSeason, int nColumn) {
        char szCell[STAT_PANEL_CELL_SIZE];
        Get_Stat_Panel_Cell_Text(nTeam, nSlot, Get_Stat_Panel_Layout(nTeam, nSlot), nSeason,
                                 nColumn, szCell, sizeof szCell);
        return szCell;
    }
};

TEST_F(PagesCardTest, NewsTokensAreFilledWithThePlayersAndHisTeamsTexts) {
    Set_Player_Vital_Stat(kTeam, kStarter, VITAL_SALARY, 1250);
    Set_Player_Vital_Stat(kTeam, kStarter, VITAL_CONTRACT_YEARS_LEFT, 3);
    Set_Player_Vital_Stat(kTeam, kStarter, VITAL_EXPERIENCE, 3);
    struct CASE {
        const char* szText;
        const char* szExpected;
    } const aCases[] = {
        {"{PLAYER LAST NAME}, {PLAYER FIRST NAME}", "Dyer, Sam"},
        {"{PLAYER NAME} of the {team name} ({Team Name})", "Sam Dyer of the Hawks (Hawks)"},
        {"{SALARY} a year, {CONTRACT MILLIONS} million in all",
         "$1,250,000 a year, 3.7 million in all"},
        {"{CONTRACT} over {CONTRACT LENGTH} years", "$3,750,000 over three years"},
        {"{EXPERIENCE} seasons as a {POSITION}", "three seasons as a quarterback"},
        {"{YEAR CONTRACT ENDS}", "2024"},
        {"{YEAR} and {PERMANENT DAMAGE}", "[YEAR] and [PERMANENT DAMAGE]"},
        {"{} games, {TEAM WINNING PERCENTAGE}", "0 games, .000"},
        {"{TEAM LEAGUE} {TEAM DIVISION}", "Eastern League Atlantic"},
        {"open {PLAYER LAST NAME", "open {PLAYER LAST NAME"},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(c.szText);
        EXPECT_EQ(Substituted(kTeam, kStarter, c.szText), c.szExpected);
    }
    // A safety's plural, and a name that holds braces shows as typed.
    int nSafety = FIXTURE_ROSTER_SIZE - 1;
    while (Get_Roster_Position(kTeam, nSafety) != POS_S)
        nSafety--;
    EXPECT_EQ(Substituted(kTeam, nSafety, "{POSITIONS}"), "safeties");
    Set_Player_Last_Name(kTeam, kStarter, "{TEAM CITY}");
    EXPECT_EQ(Substituted(kTeam, kStarter, "{PLAYER LAST NAME} plays"), "{TEAM CITY} plays");
    Set_Team_Nickname(kTeam, "Odd {Birds}");
    EXPECT_EQ(Substituted(kTeam, kStarter, "The {TEAM NAME}!"), "The Odd {Birds}!");
}

TEST_F(PagesCardTest, NumberPhrasesAndWinningPercentages) {
    struct {
        int nHundredths;
        const char* szPhrase;
    } const aPhrases[] = {{280, "almost three"},
                          {300, "three"},
                          {345, "three and a half"},
                          {360, "nearly three and two thirds"}};
    char szOut[64];
    for (const auto& c : aPhrases) {
        Format_Number_Phrase(c.nHundredths, szOut, sizeof szOut);
        EXPECT_STREQ(szOut, c.szPhrase);
    }
    struct {
        int nWins, nLosses;
        const char* szPercentage;
    } const aRecords[] = {{0, 0, ".000"}, {10, 6, ".625"}, {16, 0, "1.000"}, {1, 2, ".333"}};
    for (const auto& c : aRecords) {
        Set_Team_Yearly_Char(kTeam, gSeasonNumber, YEARLY_WINS, c.nWins);
        Set_Team_Yearly_Char(kTeam, gSeasonNumber, YEARLY_LOSSES, c.nLosses);
        Format_Team_Winning_Percentage(kTeam, szOut, sizeof szOut);
        EXPECT_STREQ(szOut, c.szPercentage);
    }
}

// Every sentence names only real tokens, and a developing player's cells speak of slumps only in
// the two places meant for it.
TEST_F(PagesCardTest, EvaluationSentencesUseOnlyTokensAndPlaceTheirSlumps) {
    for (int n = 0; n < EVALUATION_SENTENCE_COUNT; n++) {
        SCOPED_TRACE(n);
        const char* szSentence = EVALUATION_SENTENCES[n];
        ASSERT_NE(szSentence, nullptr);
        EXPECT_LE(strlen(szSentence), 169u);
        for (const char* p = strchr(szSentence, '{'); p; p = strchr(p + 1, '{')) {
            const char* pClose = strchr(p, '}');
            ASSERT_NE(pClose, nullptr);
            std::string stName(p + 1, pClose);
            EXPECT_NE(Find_News_Token(stName.c_str()), NEWS_TOKEN_COUNT) << stName;
        }
        bool bSlump = strstr(szSentence, "slump") != nullptr;
        EXPECT_EQ(bSlump, n == 64 || n == 74);
    }
}

TEST_F(PagesCardTest, EvaluationLevelsFromPotentialErrorAndPosition) {
    struct {
        int nPotential, nLevel;
    } const aLevels[] = {{58, 0}, {59, 1}, {68, 3}, {69, 4}, {92, 8}, {93, 9}, {99, 9}};
    for (const auto& c : aLevels)
        EXPECT_EQ(Get_Evaluation_Level(c.nPotential), c.nLevel) << c.nPotential;
    struct CASE {
        const char* szWhat;
        int nLevel, nError, nPosition, nShown;
    } const aCases[] = {
        {"no error", 5, 0, POS_QB, 5},
        {"an error of -9 takes one level", 5, -9, POS_QB, 4},
        {"an error of 12 takes two", 5, 12, POS_QB, 7},
        {"past the top folds back", 9, 10, POS_QB, 7},
        {"a top level shown as 9 stays there", 9, 0, POS_QB, 9},
        {"a 9 from below becomes 7", 7, 10, POS_QB, 7},
        {"below the bottom folds back, kept near the truth", 1, -10, POS_QB, 1},
        {"a kicker of level 9", 9, 0, POS_K, 6},
        {"a punter of level 0", 0, 0, POS_P, 4},
        {"a fullback of level 0", 0, 0, POS_FB, 3},
        {"a fullback of level 8", 8, 0, POS_FB, 6},
    };
    for (const CASE& c : aCases)
        EXPECT_EQ(Get_Shown_Evaluation_Level(c.nLevel, c.nError, c.nPosition), c.nShown)
            << c.szWhat;
}

TEST_F(PagesCardTest, EvaluationComesFromTheCareerStagesCell) {
    struct CASE {
        const char* szWhat;
        int nAge, nPrimeStart, nPrimeEnd, nGamesLastSeason;
        int nStage;
    } const aCases[] = {
        {"young, before his prime", 22, 25, 30, 0, 0},
        {"in his prime", 28, 25, 30, 0, 1},
        {"34 and past his prime", 34, 25, 30, 0, 2},
        {"31 without a game this season or last", 31, 25, 33, 0, 2},
        {"31 who played last season", 31, 25, 33, 10, 1},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(c.szWhat);
        Set_Age(kTeam, kStarter, c.nAge);
        Set_Player_Vital_Stat(kTeam, kStarter, VITAL_PRIME_START, c.nPrimeStart);
        Set_Player_Vital_Stat(kTeam, kStarter, VITAL_PRIME_END, c.nPrimeEnd);
        Set_Player_Stat(kTeam, kStarter, SEASON_PREVIOUS, STAT_GAMES, c.nGamesLastSeason);
        ASSERT_EQ(Get_Player_Career_Stage(kTeam, kStarter), c.nStage);

        char szText[NEWS_TEXT_SIZE];
        Get_Player_Evaluation_Text(kTeam, kStarter, szText, sizeof szText);
        bool bFound = false;
        for (int n = c.nStage * 100; n < c.nStage * 100 + 100 && !bFound; n++)
            bFound = Substituted(kTeam, kStarter, EVALUATION_SENTENCES[n]) == szText;
        EXPECT_TRUE(bFound) << szText;
        // The same month gives the same sentence.
        char szAgain[NEWS_TEXT_SIZE];
        Get_Player_Evaluation_Text(kTeam, kStarter, szAgain, sizeof szAgain);
        EXPECT_STREQ(szAgain, szText);
    }
}

// The stat panel lists the season lines newest first, then the career; a player without lines
// shows the career alone; past twelve lines a click pages to the oldest.
TEST_F(PagesCardTest, StatPanelRowsWithAndWithoutPastSeasons) {
    int anRows[STAT_PANEL_PAGE_ROWS + 1];
    ASSERT_EQ(List_Stat_Panel_Rows(kTeam, kStarter, anRows, STAT_PANEL_PAGE_ROWS + 1), 3);
    EXPECT_EQ(anRows[0], SEASON_FIRST_LINE + 1);
    EXPECT_EQ(anRows[2], SEASON_CAREER);
    char szAbbreviation[TEAM_LABEL_SIZE];
    Get_Team_String(szAbbreviation, sizeof szAbbreviation, kTeam, TEAM_ABBREVIATION);
    EXPECT_EQ(Cell(kTeam, kStarter, anRows[0], 0), "2020");
    EXPECT_EQ(Cell(kTeam, kStarter, anRows[0], 1), szAbbreviation);
    EXPECT_EQ(Cell(kTeam, kStarter, anRows[0], 2), "15");   // games
    EXPECT_EQ(Cell(kTeam, kStarter, anRows[0], 4), "300");  // attempts: 15 x 20
    EXPECT_EQ(Cell(kTeam, kStarter, anRows[1], 0), "2019");
    EXPECT_EQ(Cell(kTeam, kStarter, SEASON_CAREER, 0), "Career");

    ASSERT_EQ(List_Stat_Panel_Rows(kTeam, kBackup, anRows, STAT_PANEL_PAGE_ROWS + 1), 1);
    EXPECT_EQ(anRows[0], SEASON_CAREER);
    EXPECT_EQ(Cell(kTeam, kBackup, SEASON_CAREER, 2), "0");
    EXPECT_EQ(Cell(kTeam, kBackup, SEASON_CAREER, 4), "-");  // no attempts, no games

    for (int nYear = 2008; nYear <= 2020; nYear++)
        Set_Season_Line_Stat(Add_Player_Season_Line(kTeam, kBackup, nYear, kTeam), 0, 1);
    ASSERT_EQ(Count_Player_Stat_Views(kTeam, kBackup), 13);
    gScoutTeam = kTeam;
    gScoutSlot = kBackup;
    EXPECT_EQ(Get_Scouting_Report_Hot_Spot(300, 300), 3);  // a click there pages
    gStatPanelPage = 0;
    ASSERT_EQ(List_Stat_Panel_Rows(kTeam, kBackup, anRows, STAT_PANEL_PAGE_ROWS + 1), 13);
    EXPECT_EQ(Cell(kTeam, kBackup, anRows[0], 0), "2020");
    gStatPanelPage = STAT_PANEL_PAGE_ROWS;
    ASSERT_EQ(List_Stat_Panel_Rows(kTeam, kBackup, anRows, STAT_PANEL_PAGE_ROWS + 1), 2);
    EXPECT_EQ(Cell(kTeam, kBackup, anRows[0], 0), "2008");
    EXPECT_EQ(anRows[1], SEASON_CAREER);
}

TEST_F(PagesCardTest, CardTextsForSalaryFortyTimeNameAndNote) {
    char szText[TEXT_BUFFER_SIZE];
    struct {
        int nSalary;
        const char* szText;
    } const aSalaries[] = {{1250, "$1,250,000"}, {800, "$800,000"}};
    for (const auto& c : aSalaries) {
        Set_Player_Vital_Stat(kTeam, kStarter, VITAL_SALARY, c.nSalary);
        Get_Player_Salary_Text(kTeam, kStarter, szText, sizeof szText);
        EXPECT_STREQ(szText, c.szText);
    }

    Set_Player_Vital_Stat(kTeam, kStarter, VITAL_FORTY_TIME, 750);
    Set_Player_Rating(kTeam, kStarter, 70.0f, RATING_SPEED);
    EXPECT_NEAR(Get_Forty_Time(kTeam, kStarter), 4.718f, 0.0005f);
    EXPECT_EQ(Get_Player_Vital_Stat(kTeam, kStarter, VITAL_FORTY_TIME), 471);

    Set_Player_First_Name(kTeam, kStarter, "Maximilian");
    Set_Player_Last_Name(kTeam, kStarter, "Oppenheimers");  // 23 characters in all
    Get_Player_Card_Name(kTeam, kStarter, szText, sizeof szText);
    EXPECT_STREQ(szText, "M. Oppenheimers");

    gPerfectScouting = 0;
    gCommissionerMode = 1;
    Get_Rating_Accuracy_Note(szText, sizeof szText);
    EXPECT_STREQ(szText, "Ratings are \xB1 1\n(Commissioner Mode)");
    Get_Player_Info_Line(0, 7, kTeam, kStarter, szText, sizeof szText);
    EXPECT_EQ(std::string(szText), std::string("ID: ") + Get_Player_Ostrel_ID(kTeam, kStarter) +
                                       " (" + std::to_string(Fixture_Player_Id(kTeam, kStarter)) +
                                       ")");
    gCommissionerMode = 0;
}

TEST_F(PagesCardTest, ButtonsFollowWhoseThePlayerIs) {
    REPORT_BUTTON_STATES states;
    Set_Player_Vital_Stat(kTeam, kStarter, VITAL_INJURY, INJURY_HOLDOUT);
    Set_Player_Vital_Stat(kTeam, kStarter, VITAL_INJURY_WEEKS, 2);
    Get_Scouting_Report_Button_States(kTeam, kStarter, &states);
    EXPECT_STREQ(states.szAction, "&Negotiate");
    EXPECT_TRUE(states.bActionEnabled);
    EXPECT_TRUE(states.bReleaseEnabled);
    char szText[TEXT_BUFFER_SIZE];
    Set_Team_Stat(kTeam, TEAM_CONTROL, CONTROL_HUMAN);
    Get_Player_Info_Line(1, 5, kTeam, kStarter, szText, sizeof szText);
    EXPECT_STREQ(szText, " (Click 'Negotiate' to end holdout)");

    Get_Scouting_Report_Button_States(1, 0, &states);
    EXPECT_STREQ(states.szAction, "&Go Get");
    EXPECT_TRUE(states.bActionEnabled);
    EXPECT_FALSE(states.bReleaseEnabled);

    gCommissionerMode = 1;
    Get_Scouting_Report_Button_States(1, 0, &states);
    EXPECT_STREQ(states.szAction, "&Edit Player");
    EXPECT_TRUE(states.bReleaseEnabled);
    gCommissionerMode = 0;
}

// Without a list, Next runs through the roster and wraps; the draft pool's rosters are one.
TEST_F(PagesCardTest, StepsWithoutAListWrapThroughTheRosterAndTheDraftPool) {
    struct CASE {
        int nTeam, nSlot, nStep;
        int nNextTeam, nNextSlot;
    } const aCases[] = {
        {kTeam, 4, 1, kTeam, 5},
        {kTeam, FIXTURE_ROSTER_SIZE - 1, 1, kTeam, 0},
        {kTeam, 0, -1, kTeam, FIXTURE_ROSTER_SIZE - 1},
        {LAST_DRAFT_POOL_TEAM, 1, 1, FIRST_DRAFT_POOL_TEAM, 0},
        {FIRST_DRAFT_POOL_TEAM, 0, -1, LAST_DRAFT_POOL_TEAM, 1},
    };
    // Two prospects in the last pool roster and one in the first.
    for (int nSlot = 0; nSlot < 2; nSlot++)
        Copy_Player(LAST_DRAFT_POOL_TEAM, nSlot, FREE_AGENT_TEAM, nSlot);
    Copy_Player(FIRST_DRAFT_POOL_TEAM, 0, FREE_AGENT_TEAM, 2);
    gScoutList = nullptr;
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << c.nTeam << "/" << c.nSlot << " by " << c.nStep);
        int nTeam = c.nTeam, nSlot = c.nSlot;
        Step_Scouting_Report_Player(c.nStep, &nTeam, &nSlot);
        EXPECT_EQ(nTeam, c.nNextTeam);
        EXPECT_EQ(nSlot, c.nNextSlot);
    }
}

// An empty slot is told and the card opens all the same; Next moves the card on to the next
// player and back to the first stat page.
TEST_F(PagesCardTest, TheCardOpensAfterTheNoticeAndNextStepsOn) {
    Test_Answer_Message_Box(IDOK);
    int nSlotsSeen[2] = {-1, -1};
    Test_Script_Dialog(IDD_SCOUTING_REPORT, [&](HWND hDlg) {
        nSlotsSeen[0] = gScoutSlot;
        gScoutSlot = kStarter;
        gStatPanelPage = STAT_PANEL_PAGE_ROWS;
        Test_Click_Control(hDlg, IDC_NEXT_PLAYER);
        nSlotsSeen[1] = gScoutSlot;
        EXPECT_EQ(gStatPanelPage, 0);
        Test_Click_Control(hDlg, IDOK);
    });
    EXPECT_EQ(Open_Scouting_Report_At(kTeam, 99, gMainWindow), 1);
    const auto& transcript = Test_Get_Transcript();
    ASSERT_GE(transcript.size(), 2u);
    EXPECT_EQ(transcript[0].stCaption, "Scouting Error");
    EXPECT_EQ(transcript[0].stText, "Couldn't find: TEAM:0  PLAYER:99");
    EXPECT_EQ(transcript[1].nTemplateId, IDD_SCOUTING_REPORT);
    EXPECT_EQ(nSlotsSeen[0], 99);
    EXPECT_EQ(nSlotsSeen[1], kStarter + 1);
}

// The card's repairs (a forty time out of range, the scouting radius) are made as it opens; a
// paint only reads the league.
TEST_F(PagesCardTest, PaintingTheCardWritesNothing) {
    int nKicker = FIXTURE_ROSTER_SIZE - 2;
    ASSERT_EQ(Get_Roster_Position(kTeam, nKicker), POS_K);  // the card shows its accuracy note
    Set_Player_Vital_Stat(kTeam, nKicker, VITAL_FORTY_TIME, 750);
    gPerfectScouting = 0;
    gScoutingRadius = 0;
    bool bSame = false;
    Test_Script_Dialog(IDD_SCOUTING_REPORT, [&](HWND hDlg) {
        SAVED_STATE* pBefore = new SAVED_STATE(gSavedState);
        InvalidateRect(hDlg, NULL, FALSE);
        UpdateWindow(hDlg);
        bSame = memcmp(pBefore, &gSavedState, sizeof(SAVED_STATE)) == 0;
        delete pBefore;
    });
    Open_Scouting_Report_At(kTeam, nKicker, gMainWindow);
    EXPECT_TRUE(bSame);
    EXPECT_NE(gScoutingRadius, 0);
    EXPECT_NE(Get_Player_Vital_Stat(kTeam, nKicker, VITAL_FORTY_TIME), 750);
}

// A card opened from a list shows its selected row; Next on the last row shows the first and
// Previous goes back; a list without a selection opens nothing.
TEST_F(PagesCardTest, TheCardWalksTheListThatOpenedIt) {
    HWND hListView = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                                     400, 300, gMainWindow, NULL, Get_App_Instance(), NULL);
    ASSERT_NE(hListView, nullptr);
    SORTABLE_LISTVIEW* pList = new SORTABLE_LISTVIEW;
    Init_Listview(pList, gMainWindow, hListView);
    Load_Listview_Columns(pList);
    for (int nSlot = 0; nSlot < 3; nSlot++)
        Add_Listview_Player(pList, kTeam, nSlot);
    Fill_Listview(pList, NULL);
    EXPECT_EQ(Open_Scouting_Report_For_List(pList, gMainWindow), -1);  // no row selected

    Select_Listview_Player(pList, kTeam, 2);
    int anSlots[3] = {-1, -1, -1};
    Test_Script_Dialog(IDD_SCOUTING_REPORT, [&](HWND hDlg) {
        anSlots[0] = gScoutSlot;
        Test_Click_Control(hDlg, IDC_NEXT_PLAYER);
        anSlots[1] = gScoutSlot;
        Test_Click_Control(hDlg, IDC_PREVIOUS_PLAYER);
        anSlots[2] = gScoutSlot;
        Test_Click_Control(hDlg, IDOK);
    });
    EXPECT_EQ(Open_Scouting_Report_For_List(pList, gMainWindow), 1);
    EXPECT_EQ(anSlots[0], 2);
    EXPECT_EQ(anSlots[1], 0);
    EXPECT_EQ(anSlots[2], 2);
    DestroyWindow(hListView);
    delete pList;
}

}  // namespace
