// The default universe: the two files the universe tool builds in the installation folder load,
// and each holds a sound league; a second run of the tool writes the same bytes.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>
#include <zlib.h>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "database/database.h"
#include "database/saved_game_internal.h"
#include "dialogs/dialogs.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"

namespace {

struct UNIVERSE_FILE {
    const char* szName;
    int nYear;
    int nSeasonGames;
    int nDraftPool;  // prospects in the college draft pool
};

const UNIVERSE_FILE kUniverses[] = {
    // No kept draft class of 2019 exists: the load generates the whole pool.
    {"Databases/Universe-2019.dat", 2019, 16, DRAFT_POOL_SIZE},
    {"Databases/universe-2021.dat", 2021, 17, DRAFT_POOL_SIZE},
};

const int kStarters[POSITION_COUNT] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};

std::string Game_Path(const std::string& stName) {
    return std::string(VANTO_GAME_DIR) + "/" + stName;
}

std::string Read_Bytes(const std::string& stPath) {
    std::ifstream file(stPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> Read_Lines(const std::string& stPath) {
    std::vector<std::string> aLines;
    std::ifstream file(stPath);
    std::string stLine;
    while (std::getline(file, stLine)) {
        if (!stLine.empty() && stLine.back() == '\r')
            stLine.pop_back();
        aLines.push_back(stLine);
    }
    return aLines;
}

std::vector<std::string> Split_Fields(const std::string& stLine) {
    std::vector<std::string> aFields;
    std::stringstream stream(stLine);
    std::string stField;
    while (std::getline(stream, stField, ','))
        aFields.push_back(stField);
    return aFields;
}

std::set<std::string> Read_Name_Set(const char* szFile) {
    std::vector<std::string> aLines = Read_Lines(Game_Path(szFile));
    return std::set<std::string>(aLines.begin(), aLines.end());
}

// Every used slot of the league teams in use and of the free agents.
template <typename VISIT>
void For_Each_Signed_Player(VISIT visit) {
    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        if (nTeam < LEAGUE_TEAM_COUNT && !Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                visit(nTeam, nSlot);
        }
    }
}

void PrintTo(const UNIVERSE_FILE& universe, std::ostream* pStream) {
    *pStream << universe.szName;
}

class UniverseTest : public ::testing::TestWithParam<UNIVERSE_FILE> {
protected:
    void SetUp() override {
        ASSERT_NE(Load_Universe(Game_Path(GetParam().szName).c_str()), 0) << GetParam().szName;
    }
};

TEST_P(UniverseTest, LeagueSettingsFollowTheFirstSeason) {
    const UNIVERSE_FILE& universe = GetParam();
    EXPECT_EQ(Get_Season_Year(), universe.nYear);
    EXPECT_EQ(gSeasonNumber, 0);
    EXPECT_EQ(gCurrentWeek, 0);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), universe.nSeasonGames);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SALARY_CAP), Get_Season_Salary_Cap(universe.nYear));
    EXPECT_EQ(gDraftRound, NO_DRAFT_ROUND);
    EXPECT_EQ(gCommissionerMode, 0);
    char szSkin[1024];
    Get_Skin_Name(szSkin, sizeof(szSkin));
    EXPECT_STREQ(szSkin, "earth");
    EXPECT_EQ(Get_User_Preference(92), (int)Read_Lines(Game_Path("names/first.txt")).size() + 1);
    EXPECT_EQ(Get_User_Preference(93), (int)Read_Lines(Game_Path("names/last.txt")).size() + 1);
    EXPECT_EQ(Count_Players(FIRST_DRAFT_POOL_TEAM, ALL_ROSTERS) +
                  Count_Players(FIRST_DRAFT_POOL_TEAM + 1, ALL_ROSTERS) +
                  Count_Players(LAST_DRAFT_POOL_TEAM, ALL_ROSTERS),
              universe.nDraftPool);
}

// The 32 built-in teams, each with the division, city and names its line in the teams file gives.
TEST_P(UniverseTest, TeamsAreTheTeamsFileInTheirDivisions) {
    ASSERT_EQ(Count_Active_Teams(), 32);
    std::map<std::string, std::vector<std::string>> teamLines;
    std::vector<std::string> aLines =
        Read_Lines(Game_Path("Input/Stats/" + std::to_string(GetParam().nYear) + "_teams.csv"));
    for (size_t i = 1; i < aLines.size(); i++) {
        std::vector<std::string> aFields = Split_Fields(aLines[i]);
        if (aFields.size() >= 16)
            teamLines[aFields[0]] = aFields;
    }
    std::set<std::string> builtIn;
    for (int n = 0; n < 32; n++) {
        char szAbbreviation[TEAM_STRING_SIZE];
        Get_Default_Team_Abbreviation(n, szAbbreviation, sizeof(szAbbreviation));
        builtIn.insert(szAbbreviation);
    }
    std::set<std::string> seen;
    for (int nTeam = 0; nTeam < 32; nTeam++) {
        char szText[TEAM_STRING_SIZE];
        Get_Team_String(szText, sizeof(szText), nTeam, TEAM_ABBREVIATION);
        SCOPED_TRACE(szText);
        ASSERT_TRUE(teamLines.count(szText));
        EXPECT_TRUE(builtIn.count(szText));
        seen.insert(szText);
        const std::vector<std::string>& aFields = teamLines[szText];
        EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_DIVISION), atoi(aFields[14].c_str()));
        EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_CONTROL), CONTROL_COMPUTER);
        Get_Team_String(szText, sizeof(szText), nTeam, TEAM_NICKNAME);
        EXPECT_EQ(szText, aFields[2]);
        char szCity[CITY_NAME_SIZE];
        Get_City_Name(Get_Team_Stat(nTeam, TEAM_CITY_INDEX), szCity, sizeof(szCity));
        EXPECT_EQ(szCity, aFields[15]);
    }
    EXPECT_EQ(seen.size(), 32u);
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++)
        EXPECT_EQ(Count_Division_Teams(nDivision), 4) << "division " << nDivision;
}

TEST_P(UniverseTest, CitiesAreSortedAndNamed) {
    int nCities = Count_Cities();
    ASSERT_GE(nCities, 32);
    for (int nCity = 0; nCity + 1 < nCities; nCity++)
        EXPECT_LT(strcmp(gCities[nCity].szName, gCities[nCity + 1].szName), 0)
            << gCities[nCity].szName;
    for (int nCity = 0; nCity < nCities; nCity++)
        EXPECT_GT(Get_City_Stat(nCity, CITY_POPULATION), 0) << gCities[nCity].szName;
}

// Every roster as the computer manager leaves it at the season's start: within the roster limit,
// packed, at every position's minimum; the rosters differ in size.
TEST_P(UniverseTest, RostersStandAsTheManagerLeavesThem) {
    std::set<int> sizes;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        int nPlayers = Count_Players(nTeam, ALL_ROSTERS);
        sizes.insert(nPlayers);
        EXPECT_LE(nPlayers, PLAYERS_PER_TEAM) << "team " << nTeam;
        EXPECT_EQ(Find_Free_Player_Slot(nTeam), nPlayers) << "team " << nTeam << " has a gap";
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
            EXPECT_GE(Count_Team_Position_Players(nTeam, nPosition),
                      POSITION_ROSTER_MINIMUMS[nPosition])
                << "team " << nTeam << ", position " << nPosition;
    }
    EXPECT_GT(sizes.size(), 1u);
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
        EXPECT_GT(Count_Team_Position_Players(FREE_AGENT_TEAM, nPosition), 0) << nPosition;
}

TEST_P(UniverseTest, PlayerIdsAreUnique) {
    std::set<int> ids;
    int nPlayers = 0;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            int nId = Get_Player_ID(nTeam, nSlot);
            EXPECT_GT(nId, 0);
            EXPECT_TRUE(ids.insert(nId).second) << "id " << nId << " twice";
            nPlayers++;
        }
    }
    EXPECT_GT(nPlayers, 32 * POSITION_COUNT);
}

TEST_P(UniverseTest, RatingsAndAgesAreInRange) {
    For_Each_Signed_Player([](int nTeam, int nSlot) {
        for (int nRating = 0; nRating < RATING_COUNT; nRating++) {
            float fRating = gTeams[nTeam].aPlayers[nSlot].afRatings[nRating];
            EXPECT_TRUE(fRating >= 1.0f && fRating <= 99.0f)
                << "team " << nTeam << " slot " << nSlot << " rating " << nRating << " = "
                << fRating;
        }
        int nAge = Get_Player_Age(nTeam, nSlot);
        EXPECT_TRUE(nAge >= 20 && nAge <= 50)  // kickers and punters play into their forties
            << "team " << nTeam << " slot " << nSlot << " age " << nAge;
    });
}

// The first season is scheduled: every team has the season's games before the first postseason
// week, each game in both teams' rows.
TEST_P(UniverseTest, TheFirstSeasonIsScheduled) {
    int nWeeks = Get_Postseason_Week(0);
    ASSERT_GT(nWeeks, 0);
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        int nGames = 0;
        for (int nWeek = 0; nWeek < nWeeks; nWeek++) {
            int nCode = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT);
            if (nCode > 0) {
                EXPECT_EQ(Get_Team_Schedule_Stat(nCode - 1, nWeek, SCHEDULE_OPPONENT), -1 - nTeam);
            }
            nGames += nCode != 0;
        }
        EXPECT_EQ(nGames, Get_Universe_Stat(UNIVERSE_SEASON_GAMES)) << "team " << nTeam;
    }
}

// Every team starts with the default playbooks and the offensive system of its model team.
TEST_P(UniverseTest, TeamsCarryTheDefaultPlaybooks) {
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        char szName[PLAY_NAME_SIZE];
        Get_Offensive_Play_Name(nTeam, 0, szName, sizeof(szName));
        EXPECT_STREQ(szName, "Pro 21 Dive") << "team " << nTeam;
        Get_Defensive_Play_Name(nTeam, 29, szName, sizeof(szName));
        EXPECT_STREQ(szName, "Deep Prevent") << "team " << nTeam;
        EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_OFFENSIVE_SYSTEM), Choose_Team_Offensive_System(nTeam));
    }
}

TEST_P(UniverseTest, PlayerNamesComeFromTheNameFiles) {
    std::set<std::string> firstNames = Read_Name_Set("names/first.txt");
    std::set<std::string> lastNames = Read_Name_Set("names/last.txt");
    ASSERT_FALSE(firstNames.empty());
    ASSERT_FALSE(lastNames.empty());
    For_Each_Signed_Player([&](int nTeam, int nSlot) {
        EXPECT_TRUE(firstNames.count(Get_Player_First_Name_Ptr(nTeam, nSlot)))
            << Get_Player_First_Name_Ptr(nTeam, nSlot);
        EXPECT_TRUE(lastNames.count(Get_Player_Last_Name_Ptr(nTeam, nSlot)))
            << Get_Player_Last_Name_Ptr(nTeam, nSlot);
    });
}

// In slot order the first players of a position are its starters; they are better on the whole.
TEST_P(UniverseTest, StartersAreBetterThanBackups) {
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        if (Get_New_Team_Position_Count(nPosition) <= kStarters[nPosition])
            continue;  // kickers and punters have no backups
        double fStarters = 0, fBackups = 0;
        int nStarters = 0, nBackups = 0;
        for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
            for (int n = 0; n < Count_Team_Position_Players(nTeam, nPosition); n++) {
                uint8_t nSlot = Get_Team_Position_Player(nTeam, nPosition, n);
                ASSERT_NE(nSlot, NO_SLOT_BYTE);
                double fOverall = Compute_Position_Rating(nTeam, nSlot, nPosition);
                if (n < kStarters[nPosition]) {
                    fStarters += fOverall;
                    nStarters++;
                } else {
                    fBackups += fOverall;
                    nBackups++;
                }
            }
        }
        EXPECT_GT(fStarters / nStarters, fBackups / nBackups + 3.0) << "position " << nPosition;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, UniverseTest, ::testing::ValuesIn(kUniverses),
                         [](const ::testing::TestParamInfo<UNIVERSE_FILE>& info) {
                             return "Year" + std::to_string(info.param.nYear);
                         });

// The seed holds: a second run writes the same bytes.
TEST(UniverseToolTest, SecondRunIsByteIdentical) {
    if (VANTO_UNIVERSE_COPIED)
        GTEST_SKIP() << "this build copied its universe files from another build";
    const char* szScratch = "second_run";
    char szHere[4096];
    ASSERT_NE(getcwd(szHere, sizeof(szHere)), nullptr);
    std::string stCommand = std::string("rm -rf ") + szScratch + " && mkdir " + szScratch +
                            " && cd '" VANTO_GAME_DIR "' && '" VANTO_UNIVERSE_TOOL "' '" + szHere +
                            "/" + szScratch + "' > /dev/null";
    ASSERT_EQ(system(stCommand.c_str()), 0);
    for (const UNIVERSE_FILE& universe : kUniverses) {
        std::string stFirst = Read_Bytes(Game_Path(universe.szName));
        std::string stSecond = Read_Bytes(std::string(szScratch) + "/" + universe.szName);
        ASSERT_GT(stFirst.size(), 0u) << universe.szName;
        EXPECT_TRUE(stFirst == stSecond) << universe.szName << " differs between two runs";
    }
}

// The default universe's content is pinned, so that a change to any code that builds it shows.
// The CRC-32 is taken over the block the file holds, not over the compressed bytes, which depend
// on the zlib in use. When the universe is meant to change, set kUniverse2019Crc to the value the
// failure prints.
TEST(UniverseToolTest, Universe2019IsPinned) {
    // Eight seasons played from 2011, normalised; each list kind keeps its default columns;
    // contract demands weigh the years offered.
    const uLong kUniverse2019Crc = 0x15e60f7f;
    std::unique_ptr<SAVED_STATE> pBlock(new SAVED_STATE());
    int nVersion = 0;
    ASSERT_EQ(
        Read_Game_File_Block(Game_Path(kUniverses[0].szName).c_str(), pBlock.get(), &nVersion), 1);
    uLong uCrc = crc32(0L, reinterpret_cast<const Bytef*>(pBlock.get()), sizeof(SAVED_STATE));
    char szCrc[16];
    snprintf(szCrc, sizeof(szCrc), "0x%08lx", uCrc);
    EXPECT_EQ(uCrc, kUniverse2019Crc) << kUniverses[0].szName << " now holds the CRC-32 " << szCrc;
}

}  // namespace
