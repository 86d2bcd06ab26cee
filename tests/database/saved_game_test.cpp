// The saved-game file: its bytes, the round trip of a whole league, the two compression levels,
// saves that fail and files that cannot be loaded.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "fixtures/fixture_league.h"
#include "saved_game_fixture.h"
#include "setup/setup.h"

namespace {

constexpr int kChunkSize = 229752;
constexpr int kLastChunkSize = 229824;

int Read_Int32(const BYTES& data, size_t nAt) {
    return (int)((uint32_t)data[nAt] | (uint32_t)data[nAt + 1] << 8 |
                 (uint32_t)data[nAt + 2] << 16 | (uint32_t)data[nAt + 3] << 24);
}

void Write_Int32(BYTES* pData, size_t nAt, int nValue) {
    if (nAt + 4 > pData->size())
        return;
    for (int k = 0; k < 4; k++)
        (*pData)[nAt + k] = (uint8_t)((uint32_t)nValue >> (8 * k));
}

}  // namespace

// The header is the word, "1904", four blanks, "Cc" and a NUL; each chunk is one zlib stream of
// its own 229,752 bytes of the block (the last of 229,824), and nothing follows the last.
TEST_F(SavedGameTest, FileIsTheHeaderAndOneStreamPerChunkOfTheBlock) {
    Build_Fixture_League();
    ASSERT_EQ(Save_Game_File("round_trip.vnt", NULL), SAVE_OK);
    EXPECT_EQ(gTeamChecksum, Compute_Team_Table_Checksum());

    BYTES file = Read_File("round_trip.vnt");
    ASSERT_GT(file.size(), (size_t)kHeaderSize);
    EXPECT_EQ(0, memcmp(file.data(), "RUROZEVIZODIR1904    Cc\0", 24));
    const uint8_t* pBlock = reinterpret_cast<const uint8_t*>(&gSavedState);
    size_t nAt = kHeaderSize;
    BYTES raw(kLastChunkSize + 1);
    for (int nChunk = 0; nChunk < kChunkCount; nChunk++) {
        SCOPED_TRACE(nChunk);
        ASSERT_LE(nAt + 4, file.size());
        int nLength = Read_Int32(file, nAt);
        ASSERT_LE(nAt + 4 + nLength, file.size());
        uLongf nRaw = (uLongf)raw.size();
        ASSERT_EQ(uncompress(raw.data(), &nRaw, file.data() + nAt + 4, (uLong)nLength), Z_OK);
        ASSERT_EQ(nRaw, (uLongf)(nChunk == kChunkCount - 1 ? kLastChunkSize : kChunkSize));
        EXPECT_EQ(0, memcmp(raw.data(), pBlock + (size_t)nChunk * kChunkSize, nRaw));
        nAt += 4 + (size_t)nLength;
    }
    EXPECT_EQ(nAt, file.size());

    // Read back, the block is the league byte for byte, before any load step runs.
    auto pRead = New_Block();
    int nVersion = 0;
    ASSERT_EQ(Read_Game_File_Block("round_trip.vnt", pRead.get(), &nVersion), 1);
    EXPECT_EQ(nVersion, GAME_FILE_VERSION);
    EXPECT_TRUE(Is_League(pRead.get()));
    EXPECT_NE(Test_Get_Debug_Output().find("Loading Game (v19.04)"), std::string::npos);
}

// Only the exact auto-save name compresses at level 1 (zlib header 78 01); any other name at 6.
// Names differing in case name one file, so each is removed before the next.
TEST_F(SavedGameTest, OnlyTheAutoSaveNameCompressesFast) {
    const struct {
        const char* szPath;
        uint8_t bLevelByte;
    } kCases[] = {{"[Auto Save].vnt", 0x01}, {"[auto save].vnt", 0x9C}, {"Other.vnt", 0x9C}};
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.szPath);
        ASSERT_EQ(Save_Game_File(test.szPath, NULL), SAVE_OK);
        BYTES file = Read_File(test.szPath);
        ASSERT_GT(file.size(), (size_t)kHeaderSize + 6);
        EXPECT_EQ(file[kHeaderSize + 4], 0x78);
        EXPECT_EQ(file[kHeaderSize + 5], test.bLevelByte);
        remove(test.szPath);
    }
}

// A universe saved with a calendar year as its season number comes back as season 7 of 1998; the
// loaded league is counted, its players can be found and its teams are in name order.
TEST_F(SavedGameTest, LoadUniverseGivesTheSavedLeagueBack) {
    Build_Fixture_League();
    Swap_Teams(0, 1);
    gSeasonNumber = 2005;
    gAllTeamsComputer = 1;
    ASSERT_EQ(Save_Game_File("universe.vnt", NULL), SAVE_OK);
    Clear_League_Database();
    gActiveTeamCount = -1;

    ASSERT_EQ(Load_Universe("universe.vnt"), 1);
    EXPECT_EQ(Is_Database_Loaded(), 1);
    EXPECT_EQ(gActiveTeamCount, FIXTURE_TEAM_COUNT);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_FIRST_YEAR), 1998);
    EXPECT_EQ(gSeasonNumber, 7);
    EXPECT_EQ(gAllTeamsComputer, 0);
    EXPECT_EQ(gSavedState.nShufflingPlayers, 1);
    char szCity[TEAM_STRING_SIZE];
    Get_Team_String(szCity, sizeof(szCity), 0, TEAM_CITY);
    EXPECT_STREQ(szCity, "Alder Creek");
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, Fixture_Player_Id(5, 7)));
    EXPECT_EQ(nTeam, 5);
    EXPECT_EQ(nSlot, 7);
}

// Every kind of file that cannot be loaded leaves the league as it was (the page shown as well),
// still loaded, and says why in one box.
TEST_F(SavedGameTest, BadFilesLeaveTheLeagueAndSayWhy) {
    Build_Fixture_League();
    ASSERT_EQ(Save_Game_File("good.vnt", NULL), SAVE_OK);
    BYTES good = Read_File("good.vnt");
    Set_Team_String(0, TEAM_NICKNAME, "Changed");  // a load that went through would undo this
    gDatabaseLoaded = 1;
    gActiveTeamCount = FIXTURE_TEAM_COUNT;
    gCurrentPage = 40036;  // the Calendar page, which a failed load leaves on show

    BYTES lower = good;
    memcpy(lower.data(), "rurozevizodir", 13);
    BYTES truncated(good.begin(), good.begin() + (long)good.size() / 2);
    BYTES shortHeader(good.begin(), good.begin() + 15);  // the word and two version digits
    BYTES tooLong = good;
    Write_Int32(&tooLong, kHeaderSize, 459506);
    BYTES cutStream = good;
    Write_Int32(&cutStream, kHeaderSize, Read_Int32(good, kHeaderSize) - 1);
    BYTES unsupported = good;
    memcpy(unsupported.data() + 13, "4101", 4);
    Write_File("empty.vnt", BYTES());
    Write_File("lower.vnt", lower);
    Write_File("truncated.vnt", truncated);
    Write_File("short_header.vnt", shortHeader);
    Write_File("too_long.vnt", tooLong);
    Write_File("cut_stream.vnt", cutStream);
    Write_File("unsupported.vnt", unsupported);

    const std::string stReadError = "Read Error|Couldn't load the game \"";
    const std::string stReadErrorEnd = "\".\n\nThere was an error in reading the file.";
    const struct {
        const char* szPath;
        const char* szBox;  // "" for the message of a file that could not be read
    } kCases[] = {
        {"missing.vnt",
         "File Load Error|Couldn't open \"missing.vnt\".\n\nPlease re-install Football Vanto."},
        {"empty.vnt", "Read Error|The file \"empty.vnt\" is not a valid Football Vanto file."},
        {"lower.vnt", "Read Error|The file \"lower.vnt\" is not a valid Football Vanto file."},
        {"truncated.vnt", ""},
        {"short_header.vnt", ""},
        {"too_long.vnt", ""},
        {"cut_stream.vnt", ""},
        {"unsupported.vnt",
         "Unsupported Version|Unable to load V4.101 vnt file.  Please start a new game."},
    };
    auto pBefore = Copy_League();
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.szPath);
        Test_Clear_Transcript();
        EXPECT_EQ(Load_Universe(test.szPath), 0);
        EXPECT_TRUE(Is_League(pBefore.get()));
        EXPECT_EQ(Is_Database_Loaded(), 1);
        EXPECT_EQ(gActiveTeamCount, FIXTURE_TEAM_COUNT);
        std::string stBox = test.szBox[0] ? test.szBox : stReadError + test.szPath + stReadErrorEnd;
        EXPECT_EQ(Boxes(), std::vector<std::string>{stBox});
    }

    // The default universe has its own words.
    std::filesystem::create_directories("Databases");
    Write_File("Databases/Universe-2019.dat", truncated);
    Test_Clear_Transcript();
    EXPECT_EQ(Load_Universe("databases/UNIVERSE-2019.DAT"), 0);
    EXPECT_EQ(Boxes(),
              std::vector<std::string>{
                  "Read Error|Couldn't load game data. Please re-install Football Vanto."});
}

// The reader takes a chunk length of up to 459,505 bytes, and a body larger than the block fails
// without a byte written past the block's end.
TEST_F(SavedGameTest, ChunkReaderKeepsToItsBuffersAndTheBlock) {
    Build_Fixture_League();
    ASSERT_EQ(Save_Game_File("limits.vnt", NULL), SAVE_OK);
    BYTES good = Read_File("limits.vnt");

    // Chunk 0's stream followed by padding up to the largest accepted length.
    size_t nFirst = (size_t)Read_Int32(good, kHeaderSize);
    BYTES padded(good.begin(), good.begin() + kHeaderSize + 4 + (long)nFirst);
    padded.resize(kHeaderSize + 4 + 459505, 0);
    Write_Int32(&padded, kHeaderSize, 459505);
    padded.insert(padded.end(), good.begin() + kHeaderSize + 4 + (long)nFirst, good.end());
    Write_File("padded.vnt", padded);
    auto pRead = New_Block();
    int nVersion = 0;
    ASSERT_EQ(Read_Game_File_Block("padded.vnt", pRead.get(), &nVersion), 1);
    EXPECT_TRUE(Is_League(pRead.get()));

    // A body 1000 bytes longer than the block, read into a block with a guard behind it.
    BYTES body(sizeof(SAVED_STATE) + 1000, 0x11);
    Write_Block_File("too_big.vnt", "1904", body.data(), body.size());
    const size_t nGuard = 4096;
    std::unique_ptr<uint8_t[]> pTarget(new uint8_t[sizeof(SAVED_STATE) + nGuard]);
    memset(pTarget.get(), 0xEE, sizeof(SAVED_STATE) + nGuard);
    FILE* pFile = fopen("too_big.vnt", "rb");
    ASSERT_NE(pFile, nullptr);
    ASSERT_EQ(fseek(pFile, kHeaderSize, SEEK_SET), 0);
    EXPECT_EQ(Read_Compressed_Chunks(pFile, pTarget.get(), ""), 0);
    fclose(pFile);
    const uint8_t* pGuard = pTarget.get() + sizeof(SAVED_STATE);
    EXPECT_EQ(std::count(pGuard, pGuard + nGuard, 0xEE), (long)nGuard);
}

// A save that cannot be written keeps the old file and the league's unsaved state.
TEST_F(SavedGameTest, FailedSaveKeepsTheOldFileAndTheUnsavedState) {
    Build_Fixture_League();
    ASSERT_EQ(Save_Game_File("keep.vnt", NULL), SAVE_OK);
    BYTES before = Read_File("keep.vnt");
    int nChecksum = gTeamChecksum;
    Set_Team_String(3, TEAM_NICKNAME, "Unsaved");

    EXPECT_EQ(Save_Game_File("no_such_folder/keep.vnt", NULL), SAVE_NOT_CREATED);
    EXPECT_EQ(gTeamChecksum, nChecksum);

    // Bytes that do not compress: a chunk would grow, so the save fails.
    uint32_t uSeed = 12345;
    uint8_t* pLines = reinterpret_cast<uint8_t*>(gSeasonLines);
    for (size_t n = 0; n < sizeof(gSeasonLines); n++) {
        uSeed = uSeed * 1103515245u + 12345u;
        pLines[n] = (uint8_t)(uSeed >> 24);
    }
    EXPECT_EQ(Save_Game_File("keep.vnt", NULL), SAVE_WRITE_FAILED);
    EXPECT_EQ(gTeamChecksum, nChecksum);
    EXPECT_EQ(Read_File("keep.vnt"), before);
    EXPECT_EQ(std::string(Get_Save_Failure_Reason()),
              "\"keep.vnt\" could not be written: the compression failed.");
    for (const auto& entry : std::filesystem::directory_iterator("."))
        EXPECT_EQ(entry.path().filename().string().rfind("keep.vnt.", 0), std::string::npos)
            << entry.path();  // no temporary file left behind
}

// A save writes only a file of its own making: a link planted at its name is replaced, not
// followed, and a saved game marked read-only is refused with the reason, as is a missing folder.
TEST_F(SavedGameTest, SaveWritesOnlyItsOwnFileAndSaysWhyItFails) {
    Build_Fixture_League();
    const BYTES kVictim = {7, 7, 7};
    Write_File("victim.txt", kVictim);
    ASSERT_EQ(symlink("victim.txt", "linked.vnt"), 0);
    ASSERT_EQ(symlink("victim.txt", "game.vnt.tmp"), 0);  // where a save once wrote first
    EXPECT_EQ(Save_Game_File("linked.vnt", NULL), SAVE_OK);
    EXPECT_EQ(Save_Game_File("game.vnt", NULL), SAVE_OK);
    EXPECT_EQ(Read_File("victim.txt"), kVictim);
    EXPECT_FALSE(std::filesystem::is_symlink("linked.vnt"));
    EXPECT_EQ(Read_File("linked.vnt"), Read_File("game.vnt"));
    EXPECT_STREQ(Get_Save_Failure_Reason(), "");

    const BYTES kLocked = {1, 2, 3};
    Write_File("locked.vnt", kLocked);
    ASSERT_EQ(chmod("locked.vnt", 0444), 0);
    const struct {
        const char* szPath;
        int nResult;
        const char* szReason;
    } kCases[] = {
        {"locked.vnt", SAVE_NOT_CREATED,
         "\"locked.vnt\" was not replaced: the file is read-only; save under another name or make "
         "it writable."},
        {"no_such_folder/game.vnt", SAVE_NOT_CREATED,
         "\"no_such_folder/game.vnt\" could not be created: No such file or directory."},
    };
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.szPath);
        EXPECT_EQ(Save_Game_File(test.szPath, NULL), test.nResult);
        EXPECT_EQ(std::string(Get_Save_Failure_Reason()), test.szReason);
    }
    EXPECT_EQ(Read_File("locked.vnt"), kLocked);
}

// The question is asked only when the teams changed since the last save.
TEST_F(SavedGameTest, ConfirmSaveChangesAsksOnlyAfterAChange) {
    Build_Fixture_League();
    ASSERT_EQ(Save_Game_File("confirm.vnt", NULL), SAVE_OK);
    EXPECT_EQ(Confirm_Save_Changes(NULL), 1);
    EXPECT_TRUE(Boxes().empty());

    Set_Player_Vital_Stat(2, 4, VITAL_SALARY, 999);
    Test_Answer_Message_Box(IDNO);
    EXPECT_EQ(Confirm_Save_Changes(NULL), 1);
    Test_Answer_Message_Box(IDCANCEL);
    EXPECT_EQ(Confirm_Save_Changes(NULL), 0);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0], "Game Not Saved|Save changes to current game since last save?");
}

// Both teams of a scheduled game are written into its record, and the current season's record
// bytes are counted from the finished games.
TEST_F(SavedGameTest, RecordsAreRebuiltFromTheSchedule) {
    Add_Team(0, "Ashford", "Comets");
    Add_Team(1, "Bellmont", "Foxes");
    Add_Team(2, "Carver City", "Miners");
    gPostseasonWeeks[0] = 17;
    gCurrentWeek = 2;
    // Week 0: team 1 at team 0, 14-21. Week 1: team 0 at team 2, 10-10 and not over.
    Schedule_Game(0, 1, 0, 4, 14, 21);
    Schedule_Game(1, 0, 2, 9, 10, 10, 1800);

    Rebuild_Records_From_Schedule();
    EXPECT_EQ(gGames[4].anTeams[VISITOR_SIDE], 1);
    EXPECT_EQ(gGames[4].anTeams[HOME_SIDE], 0);
    EXPECT_EQ(gGames[9].anTeams[VISITOR_SIDE], 0);
    EXPECT_EQ(gGames[9].anTeams[HOME_SIDE], 2);
    EXPECT_EQ(Get_Team_Yearly_Char(0, 0, YEARLY_WINS), 1);
    EXPECT_EQ(Get_Team_Yearly_Char(0, 0, YEARLY_HOME_WINS), 1);
    EXPECT_EQ(Get_Team_Yearly_Char(0, 0, YEARLY_TIES), 0);
    EXPECT_EQ(Get_Team_Yearly_Char(1, 0, YEARLY_LOSSES), 1);
    EXPECT_EQ(Get_Team_Yearly_Char(1, 0, YEARLY_HOME_LOSSES), 0);
}

// A game saved in the off-season still holds the finished season's schedule: its home win and
// playoff win stay in last season's row, and the new season's row comes back empty from the load.
TEST_F(SavedGameTest, OffSeasonLoadLeavesTheNewSeasonEmpty) {
    Build_Fixture_League();
    for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
        gPostseasonWeeks[n] = 17 + n;
    Schedule_Game(0, 1, 0, 4, 14, 21);
    Schedule_Game(17, 1, 0, 5, 3, 24);
    gSeasonNumber = 0;
    Add_Team_Win(0, 1);
    gCurrentWeek = 17;
    Add_Team_Win(0, 1);
    gCurrentWeek = OFF_SEASON_WEEK;
    gSeasonNumber = 1;
    gDraftRound = NO_DRAFT_ROUND;
    ASSERT_EQ(Save_Game_File("off_season.vnt", NULL), SAVE_OK);
    Clear_League_Database();

    ASSERT_EQ(Load_Universe("off_season.vnt"), 1);
    ASSERT_EQ(gSeasonNumber, 1);
    for (int nStat : {YEARLY_WINS, YEARLY_HOME_WINS, YEARLY_PLAYOFF_WINS}) {
        EXPECT_EQ(Get_Team_Yearly_Char(0, 0, nStat), 1) << nStat;
        EXPECT_EQ(Get_Team_Yearly_Char(0, 1, nStat), 0) << nStat;
    }
    EXPECT_EQ(Get_Team_Yearly_Char(1, 1, YEARLY_LOSSES), 0);
    EXPECT_EQ(Get_Team_Wins(0), 0);
}
