// Every checked accessor on a bad index: the exact message, and the block left as it was.
#include <functional>

#include "database_test_fixture.h"
#include "personnel/personnel.h"

static SAVED_STATE gBlockBefore;

struct BAD_CALL {
    const char* szExpected;  // the message, "" when the call must stay silent
    std::function<void()> call;
};

class AccessorBoundsTest : public DatabaseTest {
protected:
    void Expect_Unchanged_With_Message(const BAD_CALL& badCall) {
        memcpy(&gBlockBefore, &gSavedState, sizeof(SAVED_STATE));
        Clear_Errors();
        badCall.call();
        EXPECT_EQ(Last_Error(), badCall.szExpected);
        EXPECT_EQ(memcmp(&gBlockBefore, &gSavedState, sizeof(SAVED_STATE)), 0)
            << "block changed by the call expecting: " << badCall.szExpected;
    }
};

TEST_F(AccessorBoundsTest, BadIndexesReportTheirTextAndWriteNothing) {
    Add_Team(0, "Boston", "Bulldogs");
    static TEAM teamBuffer;
    char sz[TEXT_BUFFER_SIZE];
    const BAD_CALL kCalls[] = {
        {"Negative nTeam in Get_Team_String(st, [-1], 2)",
         [&] { Get_Team_String(sz, sizeof(sz), -1, 2); }},
        {"nTeam >= TOTAL_NUMBER_OF_TEAMS in Get_Team_String(st, [41], 1)",
         [&] { Get_Team_String(sz, sizeof(sz), 41, 1); }},
        {"nTeam out of bounds in Set_Team_String()", [] { Set_Team_String(41, 1, "X"); }},
        {"nTeam out of bounds in Set_Team_Stat(<41>,2,5)", [] { Set_Team_Stat(41, 2, 5); }},
        {"nTeam out of bounds in Set_Team_Stat(<-1>,2,5)", [] { Set_Team_Stat(-1, 2, 5); }},
        {"nStat out of bounds in Set_Team_Stat(<0>,60,5)", [] { Set_Team_Stat(0, 60, 5); }},
        {"nTeam out of bounds in Get_Team_Stadium_Stat(41,0)",
         [] { Get_Team_Stadium_Stat(41, 0); }},
        {"nTeam out of bounds in Set_Team_Stadium_Stat(37,0,9)",
         [] { Set_Team_Stadium_Stat(37, 0, 9); }},
        {"nTeam out of bounds in Set_Team_Returner(41,0,3)", [] { Set_Team_Returner(41, 0, 3); }},
        {"nTeam out of bounds in Get_Team_Returner(-2,1)", [] { Get_Team_Returner(-2, 1); }},
        {"Negative team in Backup_Team_Structure()",
         [] { Backup_Team_Structure(&teamBuffer, -1); }},
        {"nTeam too large in Backup_Team_Structure()",
         [] { Backup_Team_Structure(&teamBuffer, 37); }},
        {"Negative team in Restore_Team_Structure()",
         [] { Restore_Team_Structure(-1, &teamBuffer); }},
        {"nTeam too large in Restore_Team_Structure()",
         [] { Restore_Team_Structure(37, &teamBuffer); }},
        {"Invalid nTeam passed to Erase_Team().", [] { Erase_Team(36, 1); }},
        {"Invalid nTeam passed to Erase_Team().", [] { Erase_Team(5, 1); }},
        {"nPreference out of bounds in Get_User_Preference([360])",
         [] { Get_User_Preference(360); }},
        {"", [] { Set_User_Preference(360, 7); }},
        {"", [] { Set_User_Preference(-1, 7); }},
        {"Invalid nStat in Modify_For_Universe_Stat()", [] { Modify_For_Universe_Stat(100, 3); }},
        {"Invalid Get_League_Name(2) call.", [&] { Get_League_Name(2, sz, sizeof(sz)); }},
        {"Invalid Set_League_Abbreviation(2) call.", [] { Set_League_Abbreviation(2, "X"); }},
        {"Invalid Get_Division_Name(8) call.", [&] { Get_Division_Name(8, sz, sizeof(sz)); }},
        {"Invalid Set_Division_Name(-1) call.", [] { Set_Division_Name(-1, "X"); }},
        {"Invalid playoff slot in Get_Playoff_Team(-1)", [] { Get_Playoff_Team(-1); }},
        {"Invalid playoff slot in Get_Playoff_Team(31)", [] { Get_Playoff_Team(31); }},
        {"Team not found in Get_Team_Division_Standing()", [] { Get_Team_Division_Standing(5); }},
        {"Invalid nCity in Set_City_Name()", [] { Set_City_Name(100, "X"); }},
        {"Invalid nCity in Set_City_Photo()", [] { Set_City_Photo(100, "X"); }},
        {"Invalid nCity in Set_City_Stat()", [] { Set_City_Stat(100, 0, 1); }},
        {"Invalid nStat in Set_City_Stat()", [] { Set_City_Stat(0, 10, 1); }},
        {"Invalid nCity in Set_City_Stat()", [] { Set_Default_City_Stats(100); }},
        // A setter given NO_TEAM does nothing and says nothing.
        {"", [] { Set_Team_Stat(NO_TEAM, 2, 5); }},
        {"", [] { Set_Team_String(NO_TEAM, 1, "X"); }},
        {"", [] { Set_Team_Stadium_Stat(NO_TEAM, 0, 1); }},
        {"", [] { Set_Team_Returner(NO_TEAM, 0, 1); }},
        {"", [] { Set_Team_Defensive_Formation(NO_TEAM, "3-4"); }},
        {"nTeam out of bounds in Set_Team_Stat(<41>,4,1)",
         [] { Set_Team_Defensive_Formation(41, "3-4"); }},
    };
    for (const BAD_CALL& badCall : kCalls)
        Expect_Unchanged_With_Message(badCall);
}

TEST_F(AccessorBoundsTest, BadTeamReadsGiveSafeValues) {
    char sz[TEXT_BUFFER_SIZE] = "unchanged";
    Get_Team_String(sz, sizeof(sz), 41, 0);
    EXPECT_STREQ(sz, "OUTOFRANGE");
    Clear_Errors();
    EXPECT_EQ(Get_Team_Stat(41, 2), 0);
    EXPECT_EQ(Get_Team_Stat(0, 60), 0);
    EXPECT_EQ(Get_Team_City_Stat(41, 0), 0);
    EXPECT_EQ(Get_Team_City_Stat(0, 10), 0);
    EXPECT_EQ(Last_Error(), "");  // these readers stay silent
    EXPECT_EQ(Get_Team_Division(33), NO_TEAM);
    EXPECT_EQ(Get_Team_League(-5), -1);
    EXPECT_EQ(Get_Playoff_Team(40), NO_TEAM);
}

TEST_F(AccessorBoundsTest, WildCardsAboveFourAreReportedButStored) {
    Set_Universe_Stat(WILD_CARD_TEAMS, 5);
    EXPECT_EQ(Last_Error(), "nValue too high in Set_Universe_Stat(WILD_CARD_TEAMS, 5)");
    EXPECT_EQ(gUniverseStats[WILD_CARD_TEAMS], 5);
    Clear_Errors();
    Set_Universe_Stat(WILD_CARD_TEAMS, 4);
    EXPECT_EQ(Last_Error(), "");
}
