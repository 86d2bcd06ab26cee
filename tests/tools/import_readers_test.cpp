// The readers of the import files: position texts, money fields, the roster table and the
// players it lets the players file make.
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>

#include <string>

#include "common/text_files.h"
#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "tools/tools.h"

namespace {

struct POSITION_CASE {
    const char* szText;
    int nCode;
};

// Every text of the position table, in its letter case and another.
const POSITION_CASE kTablePositions[] = {
    {"QB", 0},    {"RB", 1},    {"HB", 1},     {"HBK", 1},   {"LH", 1},     {"RH", 1},
    {"OHB", 1},   {"FB", 2},    {"TB", 2},     {"BB", 2},    {"B", 2},      {"TE", 3},
    {"WR", 4},    {"SE", 4},    {"T", 5},      {"OT", 5},    {"OY", 5},     {"G", 6},
    {"OG", 6},    {"OL", 6},    {"C", 7},      {"DE", 8},    {"DL", 8},     {"DLE", 8},
    {"LEO", 8},   {"OB", 8},    {"DE/OB", 8},  {"EDGE", 8},  {"DT", 9},     {"UT", 9},
    {"DG", 9},    {"MG", 9},    {"LB", 10},    {"CB", 11},   {"DHB", 11},   {"S", 12},
    {"SAF", 12},  {"DB", 12},   {"K", 13},     {"P", 14},    {"LWR", 15},   {"WR1", 15},
    {"RWR", 16},  {"WR2", 16},  {"FL", 17},    {"WB", 17},   {"SB", 17},    {"SWR", 17},
    {"RS", 18},   {"KR", 18},   {"PR", 18},    {"ST", 19},   {"OE", 20},    {"E", 20},
    {"LT", 21},   {"LG", 22},   {"RG", 23},    {"RT", 24},   {"LS", 25},    {"LE", 26},
    {"LDE", 26},  {"LDT", 27},  {"LNT", 27},   {"NT", 28},   {"RDT", 29},   {"RNT", 29},
    {"RE", 30},   {"RDE", 30},  {"MLB", 31},   {"MIKE", 31}, {"ILB", 32},   {"OLB", 33},
    {"LILB", 34}, {"SILB", 34}, {"ILB/M", 34}, {"RILB", 35}, {"WILB", 35},  {"ILB/W", 35},
    {"SOLB", 36}, {"SLB", 36},  {"SAM", 36},   {"LOLB", 36}, {"OLB/L", 36}, {"LLB", 36},
    {"WOLB", 37}, {"WLB", 37},  {"WILL", 37},  {"ROLB", 37}, {"OLB/R", 37}, {"RLB", 37},
    {"RUSH", 37}, {"JACK", 37}, {"LCB", 38},   {"RCB", 39},  {"N", 40},     {"NB", 40},
    {"SS", 41},   {"FS", 42}};

TEST(PositionTexts, EveryTableTextGivesItsCodeInAnyLetterCase) {
    ASSERT_EQ(sizeof(kTablePositions) / sizeof(kTablePositions[0]), 98u);
    for (const POSITION_CASE& c : kTablePositions) {
        EXPECT_EQ(Parse_Position_Abbreviation(c.szText), c.nCode) << c.szText;
        std::string stLower = c.szText;
        for (char& ch : stLower)
            ch = (char)tolower((unsigned char)ch);
        EXPECT_EQ(Parse_Position_Abbreviation(stLower.c_str()), c.nCode) << stLower;
    }
}

TEST(PositionTexts, CombinedTextsPreferTheirPreferredPart) {
    const POSITION_CASE kCombined[] = {
        {"LB/DE", 10},                             // both preferred: the first
        {"KR/PR", 18},                             // neither preferred: the first known
        {"NB-S", 12},                              // the preferred S wins over the earlier NB
        {"DT,NT", 9},                              // commas split as well
        {"XX/YY", -1},                             // nothing known
        {"", -1},      {"ZZ/ZZ/ZZ/ZZ/ZZ/QB", -1},  // only five parts are looked at
    };
    for (const POSITION_CASE& c : kCombined)
        EXPECT_EQ(Parse_Position_Abbreviation(c.szText), c.nCode) << c.szText;
}

TEST(ImportFields, MoneyAndCommaSplitting) {
    EXPECT_EQ(Read_Money_Field("$1,250,000"), 1250000);
    EXPECT_EQ(Read_Money_Field(""), 0);
    char szLine[] = "a,b,c";
    char aszFields[4][IMPORT_FIELD_SIZE];
    EXPECT_EQ(Split_Import_Fields(szLine, aszFields, 4), 3);
    EXPECT_STREQ(aszFields[2], "c");
    EXPECT_STREQ(aszFields[3], "");
}

// ---- rosters and players -----------------------------------------------------------------------

const char* const kRostersHeader =
    "OstrelID,PlayerID,FirstName,LastName,2021_Team,Position,Height,Weight,BirthMonth,BirthDate,"
    "BirthYear,WeeksOut,Reason,Starter\n";
const char* const kPlayersHeader =
    "Vanto ID,Ostrel ID,Player ID,Team,Uniform,First Name,Last Name,Nickname,Position,,Height,"
    "Weight,College,NFL Seasons,Full Name [Not Used],Given Name [Not Used],,Draft Team,Draft "
    "Year,Draft Round,Overall Pick,Undrafted,Feet,Inches,Birth Month,Birth Date,Birth Year\n";

// A players-file line: ids, uniform, names, position, birth year.
std::string Player_Line(const std::string& stOstrel, int nId, int nUniform,
                        const std::string& stFirst, const std::string& stLast,
                        const std::string& stPosition, int nBirthYear = 1995) {
    return "," + stOstrel + "," + std::to_string(nId) + ",X," + std::to_string(nUniform) + "," +
           stFirst + "," + stLast + ",," + stPosition +
           ",,6'2\",230,<b>State</b> U,4,,,,,2017,"
           "2,40,,6,2,5,17," +
           std::to_string(nBirthYear) + "\n";
}

class PlayerImportTest : public ::testing::Test {
protected:
    int nTeam = 0;
    std::string stAbbreviation;

    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2021);
        char szAbbreviation[TEAM_STRING_SIZE];
        Get_Team_String(szAbbreviation, sizeof(szAbbreviation), nTeam, TEAM_ABBREVIATION);
        stAbbreviation = szAbbreviation;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            Clear_Player(nTeam, nSlot);
        mkdir("Input", 0755);
        mkdir("Input/Stats", 0755);
    }

    std::string Roster_Line(const std::string& stOstrel, int nId, const char* szPosition) {
        return stOstrel + "," + std::to_string(nId) + ",F,L," + stAbbreviation + "," + szPosition +
               ",,,,,,0,,\n";
    }

    int Find_Slot(const char* szLast) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot) &&
                strcmp(Get_Player_Last_Name_Ptr(nTeam, nSlot), szLast) == 0)
                return nSlot;
        }
        return -1;
    }
};

TEST_F(PlayerImportTest, RosteredPlayersAreMadeOnceWithTheirFileFigures) {
    Write_Text_File("Input/Stats/2021_rosters.csv",
                    std::string(kRostersHeader) + Roster_Line("Ab/cd..De00", 0, "QB") +
                        Roster_Line("", 70001, "") + Roster_Line("", 70002, "") +
                        Roster_Line("", 70003, "") + Roster_Line("Old", 0, "K") +
                        Roster_Line("", 70004, "") + "x,1,F,L,ZZZ,QB,,,,,,0,,\n");
    Load_Rosters_File(2021);            // positions left empty: the players file's texts decide
    EXPECT_EQ(gRosterTable.nCount, 6);  // the unknown team's line is dropped
    Write_Text_File(PLAYERS_FILE_PATH, std::string(kPlayersHeader) +
                                           Player_Line("Ab/cd..De00", 0, 9, "AJ", "Passer", "QB") +
                                           Player_Line("Ab/cd..De00", 0, 9, "AJ", "Again", "QB") +
                                           Player_Line("", 70001, 24, "Cor", "Corner", "DB") +
                                           Player_Line("", 70003, 31, "Saf", "Safety", "DB") +
                                           Player_Line("", 70002, 44, "Full", "Back", "RB") +
                                           Player_Line("", 70004, 22, "Half", "Back", "RB") +
                                           Player_Line("Old", 0, 3, "Too", "Old", "K", 1960) +
                                           Player_Line("", 99999, 1, "Not", "Rostered", "QB"));
    Import_Players_File();
    Remove_Unfit_Imported_Players();
    Fix_Imported_Names();

    int nPasser = Find_Slot("Passer");
    ASSERT_GE(nPasser, 0);
    EXPECT_EQ(Find_Slot("Again"), -1);  // the same roster entry makes nobody twice
    EXPECT_EQ(Find_Slot("Rostered"), -1);
    EXPECT_EQ(Find_Slot("Old"), -1);  // born 1960: too old for a league team
    EXPECT_STREQ(Get_Player_First_Name_Ptr(nTeam, nPasser), "A.J.");
    EXPECT_STREQ(Get_Player_Ostrel_ID(nTeam, nPasser), "Ab_cd__De00");  // it names his photo
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(nTeam, nPasser, VITAL_HEIGHT), 74);
    EXPECT_GT(Get_Player_Vital_Stat_Raw(nTeam, nPasser, VITAL_PLAYER_ID), 0);
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(nTeam, nPasser, VITAL_BIRTH_DATE), 19950517);
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(nTeam, nPasser, VITAL_DRAFT_PICK), 200040);
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(nTeam, Find_Slot("Corner"), VITAL_POSITION), POS_CB);
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(nTeam, Find_Slot("Safety"), VITAL_POSITION), POS_S);
    int nBacks[2] = {-1, -1};
    for (int nSlot = 0, n = 0; nSlot < PLAYERS_PER_TEAM && n < 2; nSlot++) {
        if (Is_Player_Slot_Used(nTeam, nSlot) &&
            strcmp(Get_Player_Last_Name_Ptr(nTeam, nSlot), "Back") == 0)
            nBacks[n++] = nSlot;
    }
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(nTeam, nBacks[0], VITAL_POSITION), POS_FB);  // 44
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(nTeam, nBacks[1], VITAL_POSITION), POS_RB);  // 22
    char szCollege[PLAYER_COLLEGE_SIZE];
    Get_Player_College_Name(nTeam, Find_Slot("Passer"), szCollege, sizeof(szCollege));
    EXPECT_STREQ(szCollege, "State U");
}

// Files of seasons up to 2008 write names in capitals: they are put in mixed case, and run-together
// names are parted.
TEST_F(PlayerImportTest, NamesOfOldFilesArePutRight) {
    struct NAME_CASE {
        const char* szFirst;
        const char* szLast;
        const char* szFixedFirst;
        const char* szFixedLast;
    };
    const NAME_CASE kNames[] = {
        {"JAMES", "MCDONALD", "James", "McDonald"},
        {"Paul", "StJohn", "Paul", "St. John"},
        {"TJ", "O'NEIL", "T.J.", "O'Neil"},
        {"BILLY JOE", "SMITH-JONES", "Billy Joe", "Smith-Jones"},
    };
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2005);
    for (int n = 0; n < (int)(sizeof(kNames) / sizeof(kNames[0])); n++) {
        Set_Player_Vital_Stat(nTeam, n, VITAL_PLAYER_ID, 80000 + n);
        Set_Player_First_Name(nTeam, n, kNames[n].szFirst);
        Set_Player_Last_Name(nTeam, n, kNames[n].szLast);
    }
    Fix_Imported_Names();
    for (int n = 0; n < (int)(sizeof(kNames) / sizeof(kNames[0])); n++) {
        EXPECT_STREQ(Get_Player_First_Name_Ptr(nTeam, n), kNames[n].szFixedFirst);
        EXPECT_STREQ(Get_Player_Last_Name_Ptr(nTeam, n), kNames[n].szFixedLast);
    }
}

TEST_F(PlayerImportTest, AnOverflowingRosterFileIsReportedAndCut) {
    std::string stText = kRostersHeader;
    for (int i = 0; i < ROSTER_TABLE_SIZE + 3; i++)
        stText += Roster_Line("", 100000 + i, "QB");
    Write_Text_File("Input/Stats/2021_rosters.csv", stText);
    Load_Rosters_File(2021);
    EXPECT_EQ(gRosterTable.nCount, ROSTER_TABLE_SIZE);
    EXPECT_EQ(gRosterTable.nSkipped, 3);
    int nNotices = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        nNotices += shown.stText.find("the last 3 were skipped") != std::string::npos;
    EXPECT_EQ(nNotices, 1);
}

}  // namespace
