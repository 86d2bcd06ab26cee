// Damaged and hostile saved games: each file found harmful loads with its values mended or is
// refused with the league left as it was; either way the league can then be used and saved.
#include <dirent.h>
#include <limits.h>
#include <math.h>
#include <unistd.h>

#include <set>

#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "saved_game_fixture.h"
#include "season/season.h"

namespace {

constexpr unsigned kCaseSeconds = 120;  // a case that runs longer than this hangs

std::string Regression_Folder() {
    const char* szSource = getenv("VANTO_SOURCE_DIR");
    return std::string(szSource ? szSource : "..") + "/tests/fuzz/regressions/";
}

std::set<std::string> Regression_Files() {
    std::set<std::string> files;
    if (DIR* pDir = opendir(Regression_Folder().c_str())) {
        while (const dirent* pEntry = readdir(pDir)) {
            std::string stName = pEntry->d_name;
            if (stName.size() > 4 && stName.compare(stName.size() - 4, 4, ".vnt") == 0)
                files.insert(stName);
        }
        closedir(pDir);
    }
    return files;
}

}  // namespace

class DamagedSaveTest : public SavedGameTest {
protected:
    void SetUp() override {
        SavedGameTest::SetUp();
        Build_Fixture_League();
        gDatabaseLoaded = 1;
        gActiveTeamCount = Count_Active_Teams();
    }

    // A second pass over the league finds nothing to mend.
    static bool Is_League_In_Range() {
        auto pBlock = Copy_League();
        return Validate_Loaded_Block(pBlock.get(), "check") && Is_League(pBlock.get());
    }

    // What the game does with a loaded league: values, ages, potential, records, labels, a save.
    static void Use_League() {
        for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
            char szRecord[TEAM_RECORD_SPACED_TEXT_SIZE];
            if (nTeam < LEAGUE_TEAM_COUNT && Is_Team_Active(nTeam)) {
                Format_Team_Record(szRecord, sizeof(szRecord), nTeam);
                Format_Team_Record_Spaced(szRecord, sizeof(szRecord), nTeam);
            }
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
                if (!Is_Player_Slot_Used(nTeam, nSlot))
                    continue;
                Get_Player_Age(nTeam, nSlot);
                Get_Player_Exact_Age(nTeam, nSlot);
                Get_Potential_Grade(nTeam, nSlot);
                Get_Potential_Value(nTeam, nSlot);
                Get_Player_Worth(nTeam, nSlot);
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT);
            }
        }
        Update_Record_Book(2);
        EXPECT_EQ(Save_Game_File("after.vnt", NULL), SAVE_OK);
    }
};

// Every file of the regression folder: refused ones leave the league as it was, loaded ones hold
// only values in range; then the league is used. Files not in the table must load.
TEST_F(DamagedSaveTest, RegressionFilesLoadMendedOrAreRefused) {
    const std::set<std::string> kRefused = {
        "all_chunks_empty.vnt",  // no league shape: 36 teams in one division, year 0
        "chunk50_empty_stream.vnt",
        "names_unterminated_body_ff.vnt",  // a body of 0xFF bytes: division -1
        "team0_division_1000.vnt",        "version_bitflip_3904.vnt",
        "first_year_minus1.vnt",          "first_year_minus1_hang.vnt",
    };
    std::set<std::string> files = Regression_Files();
    ASSERT_FALSE(files.empty()) << Regression_Folder();
    for (const std::string& stName : files) {
        SCOPED_TRACE(stName);
        alarm(kCaseSeconds);
        auto pBefore = Copy_League();
        int bLoaded = Load_Universe((Regression_Folder() + stName).c_str());
        EXPECT_EQ(bLoaded, kRefused.count(stName) ? 0 : 1);
        if (!bLoaded) {
            EXPECT_TRUE(Is_League(pBefore.get()));
        }
        EXPECT_TRUE(Is_League_In_Range());
        Use_League();
        alarm(0);
        SetUp();
    }
}

namespace {

// The chunks of a saved file, each with its 4-byte length in front.
std::vector<BYTES> Split_Chunks(const BYTES& file) {
    std::vector<BYTES> chunks;
    size_t nAt = kHeaderSize;
    while (nAt + 4 <= file.size()) {
        size_t nLength = (size_t)file[nAt] | (size_t)file[nAt + 1] << 8 |
                         (size_t)file[nAt + 2] << 16 | (size_t)file[nAt + 3] << 24;
        chunks.emplace_back(file.begin() + (long)nAt, file.begin() + (long)(nAt + 4 + nLength));
        nAt += 4 + nLength;
    }
    return chunks;
}

BYTES Join_Chunks(const BYTES& good, const std::vector<BYTES>& chunks) {
    BYTES file(good.begin(), good.begin() + kHeaderSize);
    for (const BYTES& chunk : chunks)
        file.insert(file.end(), chunk.begin(), chunk.end());
    return file;
}

// A chunk whose stream holds no bytes at all.
BYTES Empty_Stream_Chunk() {
    uLongf nLength = compressBound(0);
    BYTES packed(nLength);
    compress2(packed.data(), &nLength, nullptr, 0, 6);
    BYTES chunk = {(uint8_t)nLength, 0, 0, 0};
    chunk.insert(chunk.end(), packed.begin(), packed.begin() + (long)nLength);
    return chunk;
}

}  // namespace

// A file is refused unless it is exactly 100 chunks, each inflating to its own size, with nothing
// behind the last, and its version digits name a layout that is the one its chunks hold.
TEST_F(DamagedSaveTest, FileStructureIsCheckedBeforeTheBlock) {
    ASSERT_EQ(Save_Game_File("good.vnt", NULL), SAVE_OK);
    BYTES good = Read_File("good.vnt");
    std::vector<BYTES> chunks = Split_Chunks(good);
    ASSERT_EQ(chunks.size(), (size_t)kChunkCount);

    std::vector<BYTES> emptied = chunks, doubled = chunks, swapped = chunks, shorter = chunks;
    emptied[50] = Empty_Stream_Chunk();
    doubled.insert(doubled.begin() + 10, chunks[10]);
    std::swap(swapped[0], swapped[99]);
    shorter.pop_back();
    BYTES trailing = good;
    trailing.push_back(0);
    BYTES letters = good, otherLayout = good;
    memcpy(letters.data() + 13, "19a4", 4);
    memcpy(otherLayout.data() + 13, "3904", 4);
    const struct {
        const char* szPath;
        BYTES file;
        const char* szBox;  // "" for the message of a file that could not be read
    } kCases[] = {
        {"emptied.vnt", Join_Chunks(good, emptied), ""},
        {"doubled.vnt", Join_Chunks(good, doubled), ""},
        {"swapped.vnt", Join_Chunks(good, swapped), ""},
        {"shorter.vnt", Join_Chunks(good, shorter), ""},
        {"trailing.vnt", trailing, ""},
        {"letters.vnt", letters,
         "Unsupported Version|Unable to load V2.394 vnt file.  Please start a new game."},
        {"other_layout.vnt", otherLayout,
         "Unsupported Version|Unable to load V3.904 vnt file.  Please start a new game."},
    };
    auto pBefore = Copy_League();
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.szPath);
        Write_File(test.szPath, test.file);
        Test_Clear_Transcript();
        EXPECT_EQ(Load_Universe(test.szPath), 0);
        EXPECT_TRUE(Is_League(pBefore.get()));
        std::vector<std::string> boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        if (test.szBox[0]) {
            EXPECT_EQ(boxes[0], test.szBox);
        } else {
            EXPECT_EQ(boxes[0].rfind("Read Error|Couldn't load the game", 0), 0u) << boxes[0];
        }
    }
}

// Each damaged field of an otherwise good file: a value with a safe replacement loads as that one;
// a league that cannot be played refuses the file and keeps the league in memory.
TEST_F(DamagedSaveTest, DamagedFieldsAreMendedOrRefuseTheFile) {
    const int kPlayerId = Fixture_Player_Id(2, 1);
    typedef void (*DAMAGE)(SAVED_STATE*);
    typedef int (*READ)(void);
    const struct {
        const char* szName;
        DAMAGE pfnDamage;
        READ pfnRead;  // NULL: the file is refused
        int nExpected;
    } kCases[] = {
        {"time zone", [](SAVED_STATE* p) { p->aTeams[0].anStats[TEAM_TIME_ZONE] = 99; },
         [] { return Get_Team_Stat(0, TEAM_TIME_ZONE); }, 3},
        // A team without a city takes the one its home names.
        {"city", [](SAVED_STATE* p) { p->aTeams[5].anStats[TEAM_CITY_INDEX] = 5000; },
         [] {
             char szCity[CITY_NAME_SIZE], szHome[TEAM_STRING_SIZE];
             Get_City_Name(Get_Team_Stat(5, TEAM_CITY_INDEX), szCity, sizeof(szCity));
             Get_Team_String(szHome, sizeof(szHome), 5, TEAM_HOME_LOCATION);
             return (int)(szCity[0] && strcmp(szCity, szHome) == 0);
         },
         1},
        {"control", [](SAVED_STATE* p) { p->aTeams[0].anStats[TEAM_CONTROL] = 7; },
         [] { return Get_Team_Stat(0, TEAM_CONTROL); }, CONTROL_COMPUTER},
        {"returner", [](SAVED_STATE* p) { p->aTeams[0].abReturners[KICK_RETURNER] = 200; },
         [] { return (int)gTeams[0].abReturners[KICK_RETURNER]; }, NO_SLOT_BYTE},
        {"opponent",
         [](SAVED_STATE* p) { p->aTeams[0].aanSchedule[0][SCHEDULE_OPPONENT] = INT_MIN; },
         [] { return Get_Team_Schedule_Stat(0, 0, SCHEDULE_OPPONENT); }, 0},
        {"game index",
         [](SAVED_STATE* p) { p->aTeams[0].aanSchedule[0][SCHEDULE_GAME_INDEX] = 300; },
         [] { return Get_Team_Schedule_Stat(0, 0, SCHEDULE_GAME_INDEX); }, NO_GAME_INDEX},
        {"season", [](SAVED_STATE* p) { p->anPreferenceInts[22] = 256; },
         [] { return gSeasonNumber; }, 99},
        {"calendar season", [](SAVED_STATE* p) { p->anPreferenceInts[22] = 2005; },
         [] { return Get_Season_Year(); }, 2005},
        {"week", [](SAVED_STATE* p) { p->anPreferenceInts[23] = INT_MAX; },
         [] { return gCurrentWeek; }, SCHEDULE_WEEKS - 1},
        // Between the final and the off-season of a 17-game season: week 24, postseason 18..23.
        {"week after the final",
         [](SAVED_STATE* p) {
             for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
                 p->anPostseasonWeeks[n] = 18 + n;
             p->anPreferenceInts[23] = 24;
         },
         [] { return gCurrentWeek * 100 + Get_Postseason_Week(5); }, 2423},
        {"postseason out of order",
         [](SAVED_STATE* p) {
             p->anPostseasonWeeks[0] = 18;
             p->anPostseasonWeeks[2] = 1;
             p->anPostseasonWeeks[5] = 32767;
             p->anPreferenceInts[23] = 20;
         },
         [] { return Get_Postseason_Week(2) * 100 + Get_Postseason_Week(5); }, 2023},
        // Every auto-save is written inside an advance.
        {"advance running",
         [](SAVED_STATE* p) {
             p->nAdvanceInProgress = 1;
             p->nRunTargetWeek = 5;
             p->anPreferenceInts[PREF_SIMULATION_RUNNING] = 1;
         },
         [] { return gAdvanceInProgress + gRunTargetWeek + gSimulationRunning; }, 0},
        {"draft round", [](SAVED_STATE* p) { p->anPreferenceInts[36] = -5; },
         [] { return gDraftRound; }, NO_DRAFT_ROUND},
        {"list columns", [](SAVED_STATE* p) { p->anPreferenceShorts[20] = 300; },
         [] { return Get_User_Preference(260); }, 18},
        {"wild cards", [](SAVED_STATE* p) { p->anUniverseStats[WILD_CARD_TEAMS] = 99; },
         [] { return Get_Universe_Stat(WILD_CARD_TEAMS); }, 5},
        {"goodwill", [](SAVED_STATE* p) { p->anUniverseStats[UNIVERSE_TRADE_GOODWILL] = INT_MIN; },
         [] { return Get_Universe_Stat(UNIVERSE_TRADE_GOODWILL); }, -2000},
        {"pick owner", [](SAVED_STATE* p) { p->aaabDraftPickOwners[1][2][5] = 200; },
         [] { return Get_Draft_Pick_Owner(1, 2, 5); }, 5},
        // The load computes the order anew from the standings: a team in use takes the place.
        {"draft order", [](SAVED_STATE* p) { p->abDraftOrder[3] = 99; },
         [] { return Is_Team_Active(gDraftOrder[3]); }, 1},
        {"draft talent", [](SAVED_STATE* p) { p->aanDraftTalent[1][5] = -31073; },
         [] { return (int)gDraftTalent[1][5]; }, -DRAFT_INPUT_LIMIT},
        {"draft strategy", [](SAVED_STATE* p) { p->anDraftStrategy[14] = 30000; },
         [] { return (int)gDraftStrategy[14]; }, DRAFT_INPUT_LIMIT},
        {"cash", [](SAVED_STATE* p) { p->aTeams[0].anFinancialStats[68] = INT_MAX; },
         [] { return gTeams[0].anFinancialStats[68]; }, 0},
        {"spending", [](SAVED_STATE* p) { p->aTeams[0].anFinancialStats[59] = INT_MIN; },
         [] { return gTeams[0].anFinancialStats[59]; }, 0},
        {"city income", [](SAVED_STATE* p) { p->aCities[0].anStats[CITY_INCOME] = INT_MIN; },
         [] { return gCities[0].anStats[CITY_INCOME]; }, 0},
        {"career stat",
         [](SAVED_STATE* p) {
             p->aTeams[2].aPlayers[1].aanSeasonStats[SEASON_CAREER][7] = INT_MAX;
         },
         [] { return gTeams[2].aPlayers[1].aanSeasonStats[SEASON_CAREER][7]; }, 0},
        {"capacity", [](SAVED_STATE* p) { p->aTeams[0].anStadiumStats[STADIUM_CAPACITY] = -5; },
         [] { return Get_Team_Stadium_Stat(0, STADIUM_CAPACITY); }, 0},
        {"prime start",
         [](SAVED_STATE* p) { p->aTeams[2].aPlayers[1].anVitalStats[VITAL_PRIME_START] = INT_MIN; },
         [] { return gTeams[2].aPlayers[1].anVitalStats[VITAL_PRIME_START]; }, 0},
        {"salary",
         [](SAVED_STATE* p) { p->aTeams[2].aPlayers[1].anVitalStats[VITAL_SALARY] = INT_MAX; },
         [] { return gTeams[2].aPlayers[1].anVitalStats[VITAL_SALARY]; }, 10000000},
        {"rating", [](SAVED_STATE* p) { p->aTeams[2].aPlayers[1].afRatings[20] = INFINITY; },
         [] { return (int)gTeams[2].aPlayers[1].afRatings[20]; }, 1000},
        {"rating not a number",
         [](SAVED_STATE* p) { p->aTeams[2].aPlayers[1].afRatings[RATING_HEALTH] = NAN; },
         [] { return (int)gTeams[2].aPlayers[1].afRatings[RATING_HEALTH]; },
         (int)Get_Rating_Target_Mean(RATING_HEALTH)},
        {"birth in year 0",
         [](SAVED_STATE* p) { p->aTeams[2].aPlayers[1].anVitalStats[VITAL_BIRTH_DATE] = 515; },
         [] { return gTeams[2].aPlayers[1].anVitalStats[VITAL_BIRTH_DATE]; },
         (FIXTURE_FIRST_YEAR - 22) * 10000 + 101},
        {"season line year",
         [](SAVED_STATE* p) {
             p->aSeasonLines[p->aTeams[0].aPlayers[3].anSeasonLinks[0]].nYear = INT_MAX;
         },
         [] { return Has_Season_Line_Year(0, 3, INT_MAX); }, 0},
        {"prospect experience",
         [](SAVED_STATE* p) { p->aTeams[2].aPlayers[1].anVitalStats[VITAL_EXPERIENCE] = -3; },
         [] { return gTeams[2].aPlayers[1].anVitalStats[VITAL_EXPERIENCE]; }, -3},
        {"weekly counter",
         [](SAVED_STATE* p) {
             p->aTeams[2].aPlayers[1].anVitalStats[VITAL_WEEKLY_COUNTER] = INT_MAX;
         },
         [] { return gTeams[2].aPlayers[1].anVitalStats[VITAL_WEEKLY_COUNTER]; }, 100000000},
        {"roster slot on the field", [](SAVED_STATE* p) { p->aGames[0].aabOnField[0][3] = 85; },
         [] { return (int)gGames[0].aabOnField[0][3]; }, NO_SLOT_BYTE},
        {"season link", [](SAVED_STATE* p) { p->aTeams[2].aPlayers[1].anSeasonLinks[0] = 40000; },
         [] { return gTeams[2].aPlayers[1].anSeasonLinks[0]; }, -1},
        {"last name",
         [](SAVED_STATE* p) {
             memset(p->aTeams[2].aPlayers[1].szLastName, 'A', PLAYER_LAST_NAME_SIZE);
         },
         [] { return (int)strlen(gTeams[2].aPlayers[1].szLastName); }, PLAYER_LAST_NAME_SIZE - 1},
        {"position",
         [](SAVED_STATE* p) { p->aTeams[2].aPlayers[1].anVitalStats[VITAL_POSITION] = -3; },
         [] { return Player_Id(2, 1); }, Fixture_Player_Id(2, 2)},
        {"division", [](SAVED_STATE* p) { p->aTeams[3].anStats[TEAM_DIVISION] = 8; }, NULL, 0},
        {"gap", [](SAVED_STATE* p) { p->aTeams[3].anStats[TEAM_CONTROL] = CONTROL_NOT_IN_USE; },
         NULL, 0},
        {"no teams",
         [](SAVED_STATE* p) {
             for (TEAM& team : p->aTeams)
                 team.anStats[TEAM_CONTROL] = CONTROL_NOT_IN_USE;
         },
         NULL, 0},
        {"full division",
         [](SAVED_STATE* p) {
             for (TEAM& team : p->aTeams)
                 team.anStats[TEAM_DIVISION] = 0;
         },
         NULL, 0},
        {"three playoff teams",
         [](SAVED_STATE* p) {
             p->anUniverseStats[WILD_CARD_TEAMS] = 0;
             for (TEAM& team : p->aTeams)
                 if (team.anStats[TEAM_DIVISION] == 3)
                     team.anStats[TEAM_DIVISION] = 2;
         },
         NULL, 0},
        {"more games than records",
         [](SAVED_STATE* p) {
             p->anUniverseStats[UNIVERSE_SEASON_GAMES] = 17;
             for (int nTeam = FIXTURE_TEAM_COUNT; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
                 p->aTeams[nTeam].anStats[TEAM_CONTROL] = CONTROL_COMPUTER;
                 p->aTeams[nTeam].anStats[TEAM_DIVISION] = nTeam % DIVISION_COUNT;
             }
         },
         NULL, 0},
        {"early year", [](SAVED_STATE* p) { p->anUniverseStats[UNIVERSE_FIRST_YEAR] = 1899; }, NULL,
         0},
        {"late year", [](SAVED_STATE* p) { p->anUniverseStats[UNIVERSE_FIRST_YEAR] = 2201; }, NULL,
         0},
        {"no city at all",
         [](SAVED_STATE* p) {
             p->aTeams[5].anStats[TEAM_CITY_INDEX] = 5000;
             for (CITY& city : p->aCities)
                 city.szName[0] = 0;
         },
         NULL, 0},
    };
    ASSERT_EQ(kPlayerId, Player_Id(2, 1));
    ASSERT_GE(gTeams[0].aPlayers[3].anSeasonLinks[0], 0);
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.szName);
        auto pBlock = Copy_League();
        test.pfnDamage(pBlock.get());
        Write_Block_File("damaged.vnt", "1904", reinterpret_cast<uint8_t*>(pBlock.get()),
                         sizeof(SAVED_STATE));
        auto pBefore = Copy_League();
        Test_Clear_Transcript();
        int bLoaded = Load_Universe("damaged.vnt");
        EXPECT_EQ(bLoaded, test.pfnRead != NULL);
        if (test.pfnRead) {
            EXPECT_EQ(test.pfnRead(), test.nExpected);
            EXPECT_EQ(Boxes(), std::vector<std::string>());
            // What the load mended it wrote in a form that needs no mending again.
            EXPECT_TRUE(Is_League_In_Range());
            Use_League();
        } else {
            EXPECT_TRUE(Is_League(pBefore.get()));
            ASSERT_EQ(Boxes().size(), 1u);
            EXPECT_EQ(
                Boxes()[0].rfind("Read Error|The league in \"damaged.vnt\" cannot be played: ", 0),
                0u)
                << Boxes()[0];
        }
        SetUp();
    }
}

// Potential ages a player year by year up to his prime, and worth reads potential: neither may
// run for thousands of years on a damaged calendar or prime start.
TEST_F(DamagedSaveTest, PotentialAndWorthEndForAnyAgeOrPrime) {
    const struct {
        int nFirstYear;
        int nPrimeStart;
    } kCases[] = {
        {-1, 28}, {36, 28}, {301, 28}, {FIXTURE_FIRST_YEAR, INT_MIN}, {FIXTURE_FIRST_YEAR, INT_MAX},
    };
    alarm(kCaseSeconds);
    for (const auto& test : kCases) {
        SCOPED_TRACE(testing::Message() << test.nFirstYear << " " << test.nPrimeStart);
        gUniverseStats[UNIVERSE_FIRST_YEAR] = test.nFirstYear;
        int32_t* pVitals = gTeams[2].aPlayers[1].anVitalStats;
        pVitals[VITAL_PRIME_START] = test.nPrimeStart;
        pVitals[VITAL_PRIME_END] = test.nPrimeStart;
        float fPotential = Get_Player_Potential(2, 1);
        EXPECT_TRUE(fPotential >= 0.0f && fPotential <= 1000.0f) << fPotential;
        Get_Player_Worth(2, 1);
        Get_Potential_Grade(2, 1);
    }
    alarm(0);
}
