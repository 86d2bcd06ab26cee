// The record book: rows entered and refreshed from the players' statistics, and the weekly step
// that measures one week against the best single games.
#include <stdio.h>

#include <fstream>
#include <sstream>

#include "personnel/personnel.h"
#include "season_test_fixture.h"

#define PASS_ATTEMPTS 2
#define PASS_YARDS 5
#define PASS_YARDS_CATEGORY 2
#define RECORD_WEEK 5

class RecordBookTest : public SeasonTest {
protected:
    void SetUp() override {
        SeasonTest::SetUp();
        memset(&gRecordBook, 0, sizeof gRecordBook);
        gCurrentWeek = RECORD_WEEK;
        remove("debug.txt");
    }

    static const RECORD_BOOK_ROW& Row(int nTable, int nRow) {
        return gRecordBook[nTable][PASS_YARDS_CATEGORY][nRow];
    }

    // One game's passing for the player in a slot, on his career and current season.
    static void Play_Passing_Game(int nTeam, int nSlot, int nYards) {
        for (int nSeason : {SEASON_CURRENT, SEASON_CAREER}) {
            Add_Player_Stat(nTeam, nSlot, nSeason, PASS_ATTEMPTS, 30);
            Add_Player_Stat(nTeam, nSlot, nSeason, PASS_YARDS, nYards);
        }
    }

    static std::string Debug_Log() {
        std::ifstream in("debug.txt");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static int Find_Game_Row(int nId) {
        for (int nRow = 0; nRow < RECORD_BOOK_ROWS; nRow++)
            if (Row(2, nRow).nPlayerId == nId)
                return nRow;
        return -1;
    }
};

// Fixture quarterbacks sit in slots 0 and 1 of every team.
TEST_F(RecordBookTest, ARecordGameEntersTheGameAndCareerTables) {
    Set_Player_Stat(3, 0, SEASON_CAREER, PASS_YARDS, 20000);
    Set_Player_Stat(4, 0, SEASON_CAREER, PASS_YARDS, 30000);
    Set_Player_Stat(5, 1, SEASON_CAREER, PASS_YARDS, 29900);
    Update_Record_Book(RECORD_BOOK_CAREER | RECORD_BOOK_RESET_ELIGIBILITY);
    ASSERT_EQ(Row(0, 0).nPlayerId, Fixture_Player_Id(4, 0));

    Take_Career_Snapshot(CAREER_SNAPSHOT_BEFORE);
    Play_Passing_Game(3, 0, 612);
    Play_Passing_Game(4, 0, 250);
    Play_Passing_Game(5, 1, 400);
    Update_Weekly_Record_Book();

    const int kGameIds[] = {Fixture_Player_Id(3, 0), Fixture_Player_Id(5, 1),
                            Fixture_Player_Id(4, 0)};
    const int kGameYards[] = {612, 400, 250};
    for (int nRow = 0; nRow < 3; nRow++) {
        EXPECT_EQ(Row(2, nRow).nPlayerId, kGameIds[nRow]) << nRow;
        EXPECT_EQ(Row(2, nRow).nValue, kGameYards[nRow]) << nRow;
    }
    EXPECT_EQ(Row(2, 3).nValue, 0) << "only the week's numbers count as a game";
    const RECORD_BOOK_ROW& game = Row(2, 0);
    EXPECT_STREQ(game.szLastName, Get_Player_Last_Name_Ptr(3, 0));
    EXPECT_STREQ(game.szFirstName, Get_Player_First_Name_Ptr(3, 0));
    EXPECT_EQ(game.nWeek, RECORD_WEEK);
    EXPECT_EQ(game.nYear, Get_Season_Year());
    EXPECT_EQ(game.nTeam, 3);
    EXPECT_EQ(game.nSlot, 0);
    EXPECT_EQ(game.nAge, Get_Player_Exact_Age(3, 0));
    EXPECT_EQ(game.nExperience, Get_Player_Vital_Stat(3, 0, VITAL_EXPERIENCE));

    // The careers are whole again and the Career table is in their new order.
    EXPECT_EQ(Get_Player_Stat(3, 0, SEASON_CAREER, PASS_YARDS), 20612);
    const int kCareerIds[] = {Fixture_Player_Id(5, 1), Fixture_Player_Id(4, 0),
                              Fixture_Player_Id(3, 0)};
    const int kCareerYards[] = {30300, 30250, 20612};
    for (int nRow = 0; nRow < 3; nRow++) {
        EXPECT_EQ(Row(0, nRow).nPlayerId, kCareerIds[nRow]) << nRow;
        EXPECT_EQ(Row(0, nRow).nValue, kCareerYards[nRow]) << nRow;
    }
    EXPECT_EQ(Debug_Log().find("Unable to find"), std::string::npos);
}

// A player deleted during the week is logged and left out; one moved to another slot is found by
// his id and keeps both his game row and his whole career.
TEST_F(RecordBookTest, TheWeeklyStepFollowsMovedPlayersAndSkipsMissingOnes) {
    int nGoneId = Get_Player_ID(6, 0);
    int nMovedId = Get_Player_ID(7, 0);
    int nMovedCareer = Get_Player_Stat(7, 0, SEASON_CAREER, PASS_YARDS);
    Take_Career_Snapshot(CAREER_SNAPSHOT_BEFORE);
    Play_Passing_Game(6, 0, 700);
    Play_Passing_Game(7, 0, 480);
    Delete_Player(6, 0);  // the later players of team 6 move up a slot
    ASSERT_TRUE(Swap_Players(7, 0, 8, 60));
    int nAfterSlot1 = Get_Player_Stat(6, 0, SEASON_CAREER, PASS_YARDS);
    Update_Weekly_Record_Book();

    EXPECT_EQ(Find_Game_Row(nGoneId), -1);
    int nRow = Find_Game_Row(nMovedId);
    ASSERT_GE(nRow, 0);
    EXPECT_EQ(Row(2, nRow).nValue, 480);
    EXPECT_EQ(Row(2, nRow).nTeam, 8);
    EXPECT_EQ(Get_Player_Stat(8, 60, SEASON_CAREER, PASS_YARDS), nMovedCareer + 480);
    EXPECT_EQ(Get_Player_Stat(6, 0, SEASON_CAREER, PASS_YARDS), nAfterSlot1)
        << "the player moved up into the deleted slot keeps his own career";
    char szLine[80];
    snprintf(szLine, sizeof szLine, "Unable to find player id %d (ATL_RESTORE_CAREER)", nGoneId);
    EXPECT_NE(Debug_Log().find(szLine), std::string::npos);
}

// The Season table: a row of this year rises but never falls, a row of an earlier year is left as
// it is, and a player who left the league keeps his row with the id -1.
TEST_F(RecordBookTest, SeasonRowsOnlyRiseAndGonePlayersKeepTheirRows) {
    for (int nSlot = 0; nSlot < 2; nSlot++)
        Play_Passing_Game(9, nSlot, 3000 + nSlot);
    Update_Record_Book(RECORD_BOOK_SEASON | RECORD_BOOK_RESET_ELIGIBILITY);
    ASSERT_EQ(Row(1, 0).nValue, 3001);

    Set_Player_Stat(9, 1, SEASON_CURRENT, PASS_YARDS, 2500);
    Update_Record_Book(RECORD_BOOK_SEASON);
    EXPECT_EQ(Row(1, 0).nValue, 3001) << "a row of this year never falls";

    gRecordBook[1][PASS_YARDS_CATEGORY][0].nYear--;
    Set_Player_Stat(9, 1, SEASON_CURRENT, PASS_YARDS, 3100);
    Update_Record_Book(RECORD_BOOK_SEASON);
    EXPECT_EQ(Row(1, 0).nValue, 3100) << "this year's season is a row of its own";
    EXPECT_EQ(Row(1, 1).nValue, 3001);
    EXPECT_EQ(Row(1, 1).nYear, Get_Season_Year() - 1);

    Delete_Player(9, 1);
    Update_Record_Book(RECORD_BOOK_SEASON);
    EXPECT_EQ(Row(1, 0).nPlayerId, -1);
    EXPECT_EQ(Row(1, 1).nPlayerId, -1);
    EXPECT_EQ(Row(1, 0).nValue, 3100);
}

TEST_F(RecordBookTest, AnUnknownKindChangesNothing) {
    Play_Passing_Game(9, 0, 3000);
    Update_Record_Book(7);
    EXPECT_EQ(Last_Error(), "WTF?");
    EXPECT_EQ(Row(0, 0).nValue, 0);
}
