// Files of older versions: how the header digits are read, the route each version takes, the two
// old layouts brought to the current one, and the upgrade steps of old files.
#include <functional>

#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "saved_game_fixture.h"

namespace {

// A block of an old layout, written int by int at its old offsets.
class OLD_BLOCK {
public:
    explicit OLD_BLOCK(size_t nSize) : m_bytes(nSize, 0) {}
    void Put(size_t nOffset, int32_t nValue) {
        memcpy(&m_bytes[nOffset], &nValue, 4);
    }
    void Put_Text(size_t nOffset, const char* szText) {
        memcpy(&m_bytes[nOffset], szText, strlen(szText) + 1);
    }
    const uint8_t* Data() const {
        return m_bytes.data();
    }
    size_t Size() const {
        return m_bytes.size();
    }
    uint8_t& operator[](size_t nOffset) {
        return m_bytes[nOffset];
    }

private:
    BYTES m_bytes;
};

constexpr size_t kUniverseSize = 6796916;
constexpr size_t kUniverseTeam = 68452;
constexpr size_t kOldBlockSize = 22355352;
constexpr size_t kOldBlockTeam = 99848;
constexpr size_t kHead = 2480;
constexpr size_t kPlayerSize = 756;

size_t Team_At(size_t nTeamSize, int nTeam) {
    return kHead + (size_t)nTeam * nTeamSize;
}

size_t Vital_At(size_t nTeam, int nSlot, int nStat) {
    return nTeam + 256 + (size_t)nSlot * kPlayerSize + 48 + 4 * (size_t)nStat;
}

// Two league teams in use in an old block of either layout: the others are marked not in use.
// Teams 0 and 1 in use, both in city 0, the one city of the block's city table at nCities.
void Put_Two_Teams(OLD_BLOCK* pBlock, size_t nTeamSize, size_t nCities) {
    for (int nTeam = 2; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        pBlock->Put(Team_At(nTeamSize, nTeam) + 62660 + 4 * TEAM_CONTROL, CONTROL_NOT_IN_USE);
    pBlock->Put_Text(nCities, "Riverton");
}

}  // namespace

TEST(SavedGameVersions, HeaderDigitsAndRoutes) {
    const struct {
        const char* szDigits;
        int nVersion;
        int nRoute;
    } kCases[] = {
        {"1904", 1904, ROUTE_CURRENT_LAYOUT},
        {"1903", 1900, ROUTE_CURRENT_LAYOUT},
        {"1169", 1160, ROUTE_CURRENT_LAYOUT},
        {"2180", 2180, ROUTE_OLD_UNIVERSE},
        {"4100", 4100, ROUTE_OLD_UNIVERSE},
        {"4101", 4101, ROUTE_UNSUPPORTED},
        {"4102", 4102, ROUTE_OLD_BLOCK},
        {"7799", 7799, ROUTE_OLD_BLOCK},
        {"7800", 7800, ROUTE_CHECKSUM_TESTED},
        {"8510", 8510, ROUTE_CHECKSUM_TESTED},
        {"\xB0"
         "000",
         128000, ROUTE_CHECKSUM_TESTED},  // a byte above 127 counts as its value
    };
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.szDigits);
        EXPECT_EQ(Read_Header_Version(test.szDigits), test.nVersion);
        EXPECT_EQ(Get_Version_Route(test.nVersion), test.nRoute);
    }
}

// An old universe (2180..4100) is mapped field by field: the team record's own 80-slot layout,
// four-int schedule rows that gain a zero play-by-play flag, the head, cities and preferences
// 0..99; then it gets the new-game defaults, no draft under way and the player fields of today.
TEST_F(SavedGameTest, OldUniverseFileIsConvertedAndUpgraded) {
    OLD_BLOCK old(kUniverseSize);
    Put_Two_Teams(&old, kUniverseTeam, 2809012);
    old.Put(2112 + 4 * UNIVERSE_FIRST_YEAR, 2000);
    size_t nTeam1 = Team_At(kUniverseTeam, 1);
    old.Put_Text(nTeam1 + 2 * TEAM_STRING_SIZE, "Foxes");
    old.Put(Vital_At(nTeam1, 79, VITAL_PLAYER_ID), 7901);
    old.Put(Vital_At(nTeam1, 79, VITAL_POSITION), POS_WR);
    old.Put(Vital_At(nTeam1, 79, 9), 88);  // the old uniform number
    old.Put(Vital_At(nTeam1, 79, VITAL_DRAFT_PICK), 2000 * 10000 + 15);
    old[nTeam1 + 60736] = 79;  // kick returner
    old.Put(nTeam1 + 62660 + 4 * TEAM_DIVISION, 4);
    old.Put(nTeam1 + 62900 + 4 * STADIUM_CAPACITY, 65000);
    old.Put(nTeam1 + 62980 + 4 * 79, 5000000);  // the last financial int
    size_t nWeek3 = Team_At(kUniverseTeam, 0) + 68100 + 3 * 16;
    const int kRow[4] = {2, 1300, 7, 6};  // opponent, kick-off, game index, weekday
    for (int n = 0; n < 4; n++)
        old.Put(nWeek3 + 4 * (size_t)n, kRow[n]);
    old.Put_Text(2809012, "Oldtown");
    old.Put(3159004 + 4 * 36, 2);  // a draft under way
    for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
        old.Put(3159668 + 4 * (size_t)n, 17 + n);
    Write_Block_File("old_universe.vnt", "2180", old.Data(), old.Size());

    ASSERT_EQ(Load_Game_File("old_universe.vnt"), 1);
    EXPECT_NE(Test_Get_Debug_Output().find("Loading Game (v2.180)"), std::string::npos);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_FIRST_YEAR), 2000);
    char szText[TEAM_STRING_SIZE];
    Get_Team_String(szText, sizeof(szText), 1, TEAM_NICKNAME);
    EXPECT_STREQ(szText, "Foxes");
    EXPECT_EQ(Get_Team_Stat(1, TEAM_DIVISION), 4);
    EXPECT_EQ(gTeams[1].anStadiumStats[STADIUM_CAPACITY], 65000);
    EXPECT_EQ(gTeams[1].anFinancialStats[79], 5000000);
    // The depth chart set after the load packs the roster and chooses a returner anew.
    int nTeam = NO_TEAM;
    int nSlot = NO_PLAYER;
    ASSERT_TRUE(Find_Player_ID_Split(&nTeam, &nSlot, 7901));
    EXPECT_EQ(nTeam, 1);
    EXPECT_TRUE(Is_Returner_Position(1, gTeams[1].abReturners[KICK_RETURNER]));
    EXPECT_EQ(Get_Player_Byte_Stat(1, nSlot, BYTE_UNIFORM_NUMBER), 88);
    EXPECT_EQ(Get_Player_Vital_Stat(1, nSlot, VITAL_DRAFT_PICK), 2000 * 100000 + 15);
    EXPECT_EQ(Get_Player_Vital_Stat(1, nSlot, VITAL_WEEKLY_COUNTER), 22);
    const int kNewRow[SCHEDULE_FIELDS] = {2, 0, 1300, 7, 6};
    for (int n = 0; n < SCHEDULE_FIELDS; n++)
        EXPECT_EQ(Get_Team_Schedule_Stat(0, 3, n), kNewRow[n]) << "field " << n;
    char szCity[CITY_NAME_SIZE];
    Get_City_Name(0, szCity, sizeof(szCity));
    EXPECT_STREQ(szCity, "Oldtown");
    EXPECT_EQ(gPostseasonWeeks[5], 22);
    EXPECT_EQ(gDraftRound, NO_DRAFT_ROUND);
    EXPECT_EQ(Get_User_Preference(100), 2);  // the new-game standings columns
    EXPECT_EQ(Get_User_Preference(104), 8);
}

// An old saved block (4102..7799) keeps its game records, season lines and record book, and its
// teams keep their first 80 players; slots 80..99 come out empty.
TEST_F(SavedGameTest, OldSavedBlockKeepsGamesLinesAndRecordBook) {
    OLD_BLOCK old(kOldBlockSize);
    Put_Two_Teams(&old, kOldBlockTeam, 4096248);
    old.Put(2112 + 4 * UNIVERSE_FIRST_YEAR, 2004);
    size_t nTeam0 = Team_At(kOldBlockTeam, 0);
    old.Put(Vital_At(nTeam0, 0, VITAL_PLAYER_ID), 9000);
    old.Put(nTeam0 + 256 + 488, 5);  // slot 0 links season line 5
    old.Put(Vital_At(nTeam0, 79, VITAL_PLAYER_ID), 9079);
    old.Put(Vital_At(nTeam0, 79, VITAL_POSITION), POS_K);
    const int kRow[SCHEDULE_FIELDS] = {-2, 1, 1330, 12, 6};
    for (int n = 0; n < SCHEDULE_FIELDS; n++)
        old.Put(nTeam0 + 68100 + 2 * 20 + 4 * (size_t)n, kRow[n]);
    // The playbook names: the playbook reset of such old files leaves them alone.
    old.Put_Text(nTeam0 + 68540 + 17536, "OFFENCE");
    old.Put(nTeam0 + 88220, 5);  // the first formation line-up spot
    old.Put_Text(nTeam0 + 90332 + 9248, "DEFENCE");
    size_t nGame12 = 4104240 + 12 * sizeof(GAME);
    old.Put(nGame12 + 4, 17);                         // visitor's score
    old.Put(nGame12 + 52, 15);                        // the old wind speed
    old.Put(18716640 + 960 + 2 * (301 - 240), 1234);  // a 16-bit preference
    old.Put(18718128 + 5 * 92, 2004);                 // season line 5's year
    old[22257072 + sizeof(RECORD_BOOK) - 1] = 0x5A;
    Write_Block_File("old_block.vnt", "4500", old.Data(), old.Size());

    ASSERT_EQ(Load_Game_File("old_block.vnt"), 1);
    EXPECT_EQ(Get_Player_ID(0, 0), 9000);
    int nTeam = NO_TEAM;
    int nSlot = NO_PLAYER;
    EXPECT_TRUE(Find_Player_ID_Split(&nTeam, &nSlot, 9079));  // packed by the depth chart
    EXPECT_EQ(nTeam, 0);
    for (int nSlot = 80; nSlot < PLAYERS_PER_TEAM; nSlot++)
        EXPECT_FALSE(Is_Player_Slot_Used(0, nSlot)) << nSlot;
    EXPECT_EQ(Get_Season_Line_Year(Get_Player_Season_Line(0, 0, 0)), 2004);
    for (int n = 0; n < SCHEDULE_FIELDS; n++)
        EXPECT_EQ(Get_Team_Schedule_Stat(0, 2, n), kRow[n]) << "field " << n;
    EXPECT_EQ(Get_Team_Schedule_Stat(0, 5, SCHEDULE_GAME_INDEX), NO_GAME_INDEX);
    EXPECT_STREQ(reinterpret_cast<const char*>(gTeams[0].abOffensivePlaybook + 17536), "OFFENCE");
    // ... while its plays are the default ones again.
    EXPECT_STREQ(reinterpret_cast<const char*>(gTeams[0].abOffensivePlaybook + 192), "Pro 21 Dive");
    EXPECT_EQ(gTeams[0].aanFormationLineups[0][0], 5);
    EXPECT_STREQ(reinterpret_cast<const char*>(gTeams[0].abDefensivePlaybook + 9248), "DEFENCE");
    EXPECT_EQ(gGames[12].anScores[VISITOR_SIDE], 17);
    EXPECT_EQ(gGames[12].anInfo[GAME_INFO_WIND_SPEED], 15);
    EXPECT_EQ(Get_User_Preference(301), 1234);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&gRecordBook)[sizeof(RECORD_BOOK) - 1], 0x5A);
}

// From 7800 the saved team checksum is compared; a difference is only a warning. The chain's
// "always" row runs, while this edition's own files take no conversion at all.
TEST_F(SavedGameTest, CheckedVersionsWarnOfChangedTeams) {
    Build_Fixture_League();
    gTeams[0].aPlayers[0].anVitalStats[9] = 77;  // an old uniform number
    int nChecksum = Compute_Team_Table_Checksum();
    const struct {
        const char* szDigits;
        int nStoredChecksum;
        bool bWarning;
        int nUniform;
    } kCases[] = {
        {"8510", nChecksum, false, 77},
        {"8510", nChecksum + 1, true, 77},
        {"1904", nChecksum + 1, false, Get_Player_Byte_Stat(0, 0, BYTE_UNIFORM_NUMBER)},
    };
    for (const auto& test : kCases) {
        SCOPED_TRACE(std::string(test.szDigits) + (test.bWarning ? " changed" : ""));
        gTeamChecksum = test.nStoredChecksum;
        Write_Block_File("checked.vnt", test.szDigits, reinterpret_cast<uint8_t*>(&gSavedState),
                         sizeof(SAVED_STATE));
        auto pSaved = Copy_League();
        Test_Clear_Transcript();
        ASSERT_EQ(Load_Game_File("checked.vnt"), 1);
        std::vector<std::string> boxes = Boxes();
        EXPECT_EQ(!boxes.empty() && boxes[0] ==
                                        "Load Game Warning|Game data has changed since last "
                                        "written to disk.\n\nThe file may have been edited, or "
                                        "corrupted.",
                  test.bWarning);
        EXPECT_EQ(Get_Player_Byte_Stat(0, 0, BYTE_UNIFORM_NUMBER), test.nUniform);
        memcpy(&gSavedState, pSaved.get(), sizeof(SAVED_STATE));
    }
}

// Files read as 1900 take the rows "1900 or below" and "below 1904"; this edition's "1904" none.
TEST_F(SavedGameTest, OnlyOlderFilesResetImplausibleBirthDates) {
    Build_Fixture_League();
    Set_Player_Vital_Stat(2, 1, VITAL_BIRTH_DATE, 18900315);
    const struct {
        const char* szDigits;
        int nBirthDate;
    } kCases[] = {{"1900", 19990315}, {"1904", 18900315}};
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.szDigits);
        Write_Block_File("birth.vnt", test.szDigits, reinterpret_cast<uint8_t*>(&gSavedState),
                         sizeof(SAVED_STATE));
        auto pSaved = Copy_League();
        ASSERT_EQ(Load_Game_File("birth.vnt"), 1);
        EXPECT_EQ(Get_Player_Vital_Stat(2, 1, VITAL_BIRTH_DATE), test.nBirthDate);
        memcpy(&gSavedState, pSaved.get(), sizeof(SAVED_STATE));
    }
}

// The player fields of old records: rings only when they fit a byte, and depth-chart roles that
// no longer match the player's position; a code beyond the roles is said to be one.
TEST_F(SavedGameTest, OldPlayerFieldsAndRolesAreConverted) {
    Add_Team(0, "Ashford", "Comets");
    const struct {
        int nPosition, nRole, nOldRings, nRings, nNewRole;
    } kCases[] = {
        {POS_WR, ROLE_WR1, 3, 3, ROLE_WR1},  // a receiver's role is kept
        {POS_WR, ROLE_LT, 300, 0, POS_WR},   // a tackle's role is not; 300 rings do not fit
        {POS_T, 60, 0, 0, POS_T},            // not a role at all
    };
    int nSlot = 0;
    for (const auto& test : kCases) {
        PLAYER* pPlayer = Add_Player(0, nSlot, 100 + nSlot, test.nPosition);
        nSlot++;
        pPlayer->anByteStats[BYTE_EXPANDED_POSITION] = (int8_t)test.nRole;
        pPlayer->anVitalStats[18] = test.nOldRings;
    }
    Test_Clear_Transcript();
    Reset_Expanded_Position_Bytes();
    Convert_Old_Player_Fields();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Unhandled Parameter|Unhandled nExpandedPosition "
                                                "in Translate_Expanded_Position([60])"});
    nSlot = 0;
    for (const auto& test : kCases) {
        SCOPED_TRACE(nSlot);
        EXPECT_EQ(Get_Player_Byte_Stat(0, nSlot, BYTE_RINGS), test.nRings);
        EXPECT_EQ(Get_Player_Vital_Stat(0, nSlot, VITAL_OLD_RINGS), 0);
        EXPECT_EQ(Get_Player_Byte_Stat(0, nSlot, BYTE_EXPANDED_POSITION), test.nNewRole);
        nSlot++;
    }
}

// Old files' defensive schemes: a 32-team league after 2007 takes the slot table with its
// earlier seasons' exceptions, any other league the nicknames and their seasons. The run/pass
// balance of teams 0..31 becomes even.
TEST_F(SavedGameTest, OldFilesGetDefaultSchemesAndEvenBalance) {
    for (int nTeam = 0; nTeam < 32; nTeam++) {
        Add_Team(nTeam, "City", "Team");
        Set_Team_Stat(nTeam, TEAM_RUN_PASS_BALANCE, 3);
    }
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2009);
    Set_Default_Defensive_Schemes();
    Reset_Run_Pass_Balance();
    const int kSchemes2009[][2] = {{0, 0}, {2, 1}, {3, 0}, {12, 1}, {21, 1}, {30, 0}};
    for (const auto& slot : kSchemes2009)
        EXPECT_EQ(Get_Team_Stat(slot[0], TEAM_DEFENSIVE_SCHEME), slot[1]) << "slot " << slot[0];
    EXPECT_EQ(Get_Team_Stat(31, TEAM_RUN_PASS_BALANCE), 10);

    Clear_League_Database();
    const char* const kNicknames[] = {"Giants", "STEELERS", "Bills", "Patriots"};
    for (int nTeam = 0; nTeam < 4; nTeam++)
        Add_Team(nTeam, "City", kNicknames[nTeam]);
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 1985);
    Set_Default_Defensive_Schemes();
    const int kSchemes1985[] = {1, 1, 0, 0};
    for (int nTeam = 0; nTeam < 4; nTeam++)
        EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME), kSchemes1985[nTeam]) << nTeam;
}

// Each guarded step runs up to its version and no further: per step, the last version that takes
// it and the next one, with what the step leaves behind.
TEST_F(SavedGameTest, UpgradeStepsStopAtTheirVersions) {
    Build_Fixture_League();
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2019);
    auto League_Name = [] {
        char szName[LEAGUE_NAME_SIZE];
        Get_League_Name(0, szName, sizeof(szName));
        return std::string(szName);
    };
    auto Skin = [] {
        char szSkin[1024];
        Get_Skin_Name(szSkin, sizeof(szSkin));
        return std::string(szSkin);
    };
    uint8_t* pRecordBook = reinterpret_cast<uint8_t*>(&gRecordBook);
    const struct {
        const char* szStep;
        int nLastVersion;
        std::function<void()> prepare;
        std::function<bool()> ran;
    } kSteps[] = {
        {"overtime rule", 1100, [] { gOvertimeRule = 0; }, [] { return gOvertimeRule == 1; }},
        {"league revenue", 1286, [] { Set_Universe_Stat(UNIVERSE_LEAGUE_REVENUE, 0); },
         [] { return Get_Universe_Stat(UNIVERSE_LEAGUE_REVENUE) != 0; }},
        {"league names", 1690, [] { Set_League_Abbreviation(0, "Xyz"); },
         [&] { return League_Name() == "XFC"; }},
        {"record book", 2501, [&] { pRecordBook[100] = 0x5A; },
         [&] { return pRecordBook[100] == 0; }},
        {"roster auto-fill", 8029, [] { gAutoFillRosters = 0; },
         [] { return gAutoFillRosters == 1; }},
        {"skin", 8509, [] { Set_Skin_Name("night"); }, [&] { return Skin() == "earth"; }},
    };
    auto pLeague = Copy_League();
    for (const auto& step : kSteps) {
        for (int nVersion : {step.nLastVersion, step.nLastVersion + 1}) {
            SCOPED_TRACE(std::string(step.szStep) + " " + std::to_string(nVersion));
            memcpy(&gSavedState, pLeague.get(), sizeof(SAVED_STATE));
            step.prepare();
            Run_Version_Upgrade_Chain(nVersion);
            EXPECT_EQ(step.ran(), nVersion == step.nLastVersion);
        }
    }
}
