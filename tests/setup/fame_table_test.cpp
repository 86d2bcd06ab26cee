// The users' Hall of Fame file: made with its default rows when missing, the user entered at
// retirement in rating order, a damaged file left as it is; and the update reminder's countdown
// kept in it.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "setup/setup.h"

namespace {

typedef std::vector<char> FILE_BYTES;

FILE_BYTES Read_Bytes(const char* szPath) {
    std::ifstream file(szPath, std::ios::binary);
    return FILE_BYTES(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void Write_Bytes(const char* szPath, const FILE_BYTES& bytes) {
    std::ofstream file(szPath, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), (std::streamsize)bytes.size());
}

class FameTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gAllTeamsComputer = 0;
        gUserTeam = FIXTURE_HUMAN_TEAM;
        gDifficulty = 1;
        remove("VntFame.dat");
    }

    // Two seasons behind the user's team, so that it has a rating; the rating.
    static int Give_User_Team_A_Career() {
        gSeasonNumber = 2;
        for (int nSeason = 0; nSeason < 2; nSeason++) {
            Set_Team_Yearly_Char(FIXTURE_HUMAN_TEAM, nSeason, YEARLY_WINS, 12);
            Set_Team_Yearly_Char(FIXTURE_HUMAN_TEAM, nSeason, YEARLY_LOSSES, 5);
            Set_Team_Yearly_Char(FIXTURE_HUMAN_TEAM, nSeason, YEARLY_PLAYOFF_WINS, 1);
        }
        Set_Team_String(FIXTURE_HUMAN_TEAM, TEAM_MANAGER_NAME, "Pat Doe");
        return Get_Team_Fame_Rating(FIXTURE_HUMAN_TEAM);
    }

    // The default file with the ratings of one table's rows set.
    static void Write_Table_Ratings(int nLevel, const int (&anRatings)[FAME_ROWS]) {
        Rebuild_Fame_File();
        static FAME_RECORD record;
        ASSERT_EQ(Read_Checked_Fame_File(&record), FAME_READ_OK);
        for (int nRow = 0; nRow < FAME_ROWS; nRow++)
            record.aaTables[nLevel][nRow].nRating = anRatings[nRow];
        ASSERT_TRUE(Write_Fame_File(&record));
    }
};

TEST_F(FameTableTest, MissingFileIsMadeWithDefaultRowsOnce) {
    EXPECT_EQ(Ensure_Fame_File(), 1);
    static FAME_RECORD record;
    ASSERT_EQ(Read_Checked_Fame_File(&record), FAME_READ_OK);
    EXPECT_EQ(Read_Bytes("VntFame.dat").size(), sizeof(FAME_RECORD));
    EXPECT_STREQ(record.szUserName, "My Name");
    for (const auto& aTable : record.aaTables) {
        EXPECT_NE(aTable[0].szCoach[0], 0);
        EXPECT_GT(aTable[FAME_ROWS - 1].nRating, 0);
        EXPECT_EQ(aTable[0].nDisplayClass, FAME_CLASS_DEFAULT);
    }
    record.anValues[FAME_REMINDER_COUNTDOWN] = 3;
    ASSERT_TRUE(Write_Fame_File(&record));
    EXPECT_EQ(Ensure_Fame_File(), 0);  // an existing file is kept
    EXPECT_EQ(Get_Fame_File_Value(FAME_REMINDER_COUNTDOWN), 3);
}

// The user goes below the rows of an equal rating and above the lower ones; the old tenth row
// drops out.
TEST_F(FameTableTest, RetirementEntersTheUserInRatingOrder) {
    int r = Give_User_Team_A_Career();
    ASSERT_GT(r, 20);
    Write_Table_Ratings(gDifficulty, {r + 30, r + 20, r + 10, r, r - 1, r - 2, r - 3, r - 4, r - 5,
                                      r - 6});
    Test_Answer_Message_Box_With_Caption("Retirement", IDYES);
    EXPECT_EQ(Confirm_Retirement(), 1);
    static FAME_RECORD record;
    ASSERT_EQ(Read_Checked_Fame_File(&record), FAME_READ_OK);
    const FAME_ENTRY* aTable = record.aaTables[gDifficulty];
    EXPECT_EQ(aTable[3].nRating, r);
    EXPECT_STRNE(aTable[3].szCoach, "Pat Doe");
    EXPECT_STREQ(aTable[4].szCoach, "Pat Doe");
    EXPECT_EQ(aTable[4].nRating, r);
    EXPECT_EQ(aTable[4].nWins, 24);
    EXPECT_EQ(aTable[4].nLosses, 10);
    EXPECT_EQ(aTable[4].nPlayoffWins, 2);
    EXPECT_EQ(aTable[4].nDisplayClass, FAME_CLASS_GREY);
    EXPECT_EQ(aTable[5].nRating, r - 1);
    EXPECT_EQ(aTable[9].nRating, r - 5);  // r - 6 dropped out
    EXPECT_EQ(record.aaTables[0][4].nRating, 752);  // the other levels keep their rows
}

TEST_F(FameTableTest, RatingEqualToTheTenthRowDoesNotQualify) {
    int r = Give_User_Team_A_Career();
    Write_Table_Ratings(gDifficulty, {r + 9, r + 8, r + 7, r + 6, r + 5, r + 4, r + 3, r + 2,
                                      r + 1, r});
    FILE_BYTES before = Read_Bytes("VntFame.dat");
    Test_Answer_Message_Box_With_Text("does not qualify", IDNO);
    EXPECT_EQ(Confirm_Retirement(), 0);
    Test_Answer_Message_Box_With_Text("does not qualify", IDYES);
    EXPECT_EQ(Confirm_Retirement(), 1);
    EXPECT_EQ(Read_Bytes("VntFame.dat"), before);
}

// A file cut short or with rows out of order is refused and never written over.
TEST_F(FameTableTest, DamagedFileIsLeftAsItIs) {
    Give_User_Team_A_Career();
    Rebuild_Fame_File();
    FILE_BYTES whole = Read_Bytes("VntFame.dat");
    FILE_BYTES cut(whole.begin(), whole.begin() + 1000);
    FILE_BYTES disordered = whole;
    disordered[offsetof(FAME_RECORD, aaTables[0][5].nRating)] = 0x7f;
    for (const FILE_BYTES& damaged : {cut, disordered}) {
        Write_Bytes("VntFame.dat", damaged);
        Test_Answer_Message_Box_With_Text("damaged", IDYES);
        EXPECT_EQ(Confirm_Retirement(), 1);
        EXPECT_EQ(Read_Bytes("VntFame.dat"), damaged);
        Show_Update_Reminder();
        EXPECT_EQ(Read_Bytes("VntFame.dat"), damaged);
    }
}

// A write that fails half-way (the file size limit reached) reports it and leaves the file that
// was there whole; a file marked read-only is not replaced.
TEST_F(FameTableTest, FailedWriteLeavesThePreviousFile) {
    Give_User_Team_A_Career();
    Rebuild_Fame_File();
    FILE_BYTES before = Read_Bytes("VntFame.dat");
    static FAME_RECORD record;
    ASSERT_EQ(Read_Checked_Fame_File(&record), FAME_READ_OK);
    safe_strncpy(record.szUserName, "Changed", sizeof record.szUserName);
    Test_Set_Strict(false);

    struct rlimit limit, cut;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    cut = limit;
    cut.rlim_cur = 4096;
    sighandler_t onLimit = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &cut), 0);
    int bWritten = Write_Fame_File(&record);
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, onLimit);
    EXPECT_FALSE(bWritten);
    EXPECT_EQ(Read_Bytes("VntFame.dat"), before);

    ASSERT_EQ(chmod("VntFame.dat", 0444), 0);
    memset(gRecentErrors, 0, sizeof gRecentErrors);
    EXPECT_FALSE(Write_Fame_File(&record));
    EXPECT_EQ(Read_Bytes("VntFame.dat"), before);
    EXPECT_NE(strstr(gRecentErrors, "READ-ONLY"), nullptr) << gRecentErrors;
    chmod("VntFame.dat", 0644);
}

// 2024-03-01: past the reminder's first date.
#define REMINDER_TEST_TIME 1709294400

TEST_F(FameTableTest, ReminderOpensOnTheFirstStartThenEveryFifth) {
    mkdir("Help", 0755);
    Write_Bytes("Help/update.htm", FILE_BYTES{'<', 'p', '>'});
    Test_Use_Virtual_Clock(REMINDER_TEST_TIME, 0);
    std::vector<int> anOpened;
    for (int nStart = 0; nStart < 7; nStart++) {
        Test_Clear_Shell_Opens();
        Show_Update_Reminder();
        anOpened.push_back((int)Test_Get_Shell_Opens().size());
    }
    EXPECT_EQ(anOpened, (std::vector<int>{1, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(Test_Get_Shell_Opens().size(), 0u);

    Set_Fame_File_Value(FAME_NEVER_REMIND, FAME_NEVER_REMIND_WORD);
    Set_Fame_File_Value(FAME_REMINDER_COUNTDOWN, 0);
    Show_Update_Reminder();
    EXPECT_TRUE(Test_Get_Shell_Opens().empty());
}

// One saved game of an earlier edition: the singular question; a game of the same name here is
// kept.
TEST_F(FameTableTest, OldSavedGamesAreCopiedWithoutOverwriting) {
    char szHome[512];
    ASSERT_NE(getcwd(szHome, sizeof szHome), nullptr);
    const char* szOldHome = getenv("HOME");
    std::string stOldHome = szOldHome ? szOldHome : "";
    setenv("HOME", szHome, 1);
    EXPECT_EQ(Import_Old_Saved_Games(), 0);  // nothing to offer: no question
    mkdir("Football Vanto 2019", 0755);
    Write_Bytes("Football Vanto 2019/Old League.vnt", FILE_BYTES{'o', 'l', 'd'});
    Write_Bytes("Old League.vnt", FILE_BYTES{'n', 'e', 'w'});
    Test_Answer_Message_Box_With_Text("this file", IDYES);
    EXPECT_EQ(Import_Old_Saved_Games(), 1);
    ASSERT_FALSE(Test_Get_Transcript().empty());
    EXPECT_NE(Test_Get_Transcript().back().stText.find("found 1 Saved Game File from"),
              std::string::npos);
    EXPECT_EQ(Read_Bytes("Old League.vnt"), (FILE_BYTES{'n', 'e', 'w'}));
    remove("Old League.vnt");
    Test_Answer_Message_Box_With_Text("this file", IDYES);
    EXPECT_EQ(Import_Old_Saved_Games(), 1);
    EXPECT_EQ(Read_Bytes("Old League.vnt"), (FILE_BYTES{'o', 'l', 'd'}));
    setenv("HOME", stOldHome.c_str(), 1);
}

}  // namespace
