// The downloader and the builder together: the 2021 league's rosters served as pages from a
// loopback server are downloaded into the import files, and the builder makes the league from
// them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "common/download_pages.h"
#include "common/local_http_server.h"
#include "common/text_files.h"
#include "database/database.h"
#include "platform/test_api.h"
#include "shell/shell.h"
#include "tools/tools.h"

namespace {

namespace fs = std::filesystem;

#define BUILD_YEAR 2021

void Copy_Game_Folder(const char* szItem) {
    fs::path from = fs::path(VANTO_GAME_DIR) / szItem;
    if (fs::exists(from))
        fs::copy(from, szItem, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

// The league team's players as its roster page lists them, with the ids the import set gives.
std::vector<DOWNLOAD_PLAYER> Get_Team_Players(int nTeam) {
    std::vector<DOWNLOAD_PLAYER> players;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            continue;
        DOWNLOAD_PLAYER player;
        char sz[64];
        const char* szOstrel = Get_Player_Ostrel_ID(nTeam, nSlot);
        snprintf(sz, sizeof(sz), "V%08d", Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_PLAYER_ID));
        player.stId = szOstrel[0] ? szOstrel : sz;
        player.stFirst = Get_Player_First_Name_Ptr(nTeam, nSlot);
        player.stLast = Get_Player_Last_Name_Ptr(nTeam, nSlot);
        Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION), sz,
                                  sizeof(sz));
        player.stPosition = sz;
        int nBirth = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_BIRTH_DATE);
        player.nBirthYear = nBirth / 10000;
        player.nBirthMonth = nBirth / 100 % 100;
        player.nBirthDay = nBirth % 100;
        player.nWeight = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_WEIGHT);
        player.nHeight = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_HEIGHT);
        players.push_back(player);
    }
    return players;
}

TEST(DownloadThenBuild, TheDownloadedRostersBuildTheLeague) {
    Test_Reset_Platform();
    for (const char* szItem : {"Databases", "databases", "Cities.txt", "names", "Input",
                               "playbooks", "Playbooks"})
        Copy_Game_Folder(szItem);
    ASSERT_NE(Load_Universe("databases/universe-2021.dat"), 0);
    ASSERT_EQ(Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber, BUILD_YEAR);
    // The statistics and the outside files come from the league; the downloader writes the
    // players, rosters and salaries files from the pages.
    ASSERT_TRUE(Write_Import_Set(BUILD_YEAR));
    std::map<std::string, std::string> kept;
    for (const char* szFile : {SEASONS_FILE_PATH, COMBINE_FILE_PATH, PERSONNEL_FILE_PATH})
        kept[szFile] = Read_Text_File(szFile);

    std::map<std::string, std::string> pages;
    std::map<int, std::vector<DOWNLOAD_PLAYER>> teams;
    for (int nKey = 0; nKey < 32; nKey++) {
        teams[nKey] = Get_Team_Players(nKey);
        pages["/teams/" + std::string(Get_Site_Team_Code(nKey)) + "/2021_roster.htm"] =
            Roster_Page(teams[nKey], "");
    }
    LocalHttpServer server(pages, "<html></html>\n");
    ASSERT_TRUE(server.Is_Listening());
    Write_Text_File("Input/Download_Sites.txt",
                    "statistics=" + server.Address() + "\ncontracts=" + server.Address() + "\n");
    ASSERT_TRUE(Start_Football_Download());
    Download_Season_Data(BUILD_YEAR);
    for (const auto& file : kept)
        Write_Text_File(file.first, file.second);

    ASSERT_EQ(Create_Universe_For_Year(BUILD_YEAR), BUILD_OK);
    char szPath[IMPORT_PATH_SIZE];
    Get_Built_Universe_Path(BUILD_YEAR, szPath, sizeof(szPath));
    ASSERT_NE(Load_Universe(szPath), 0);
    EXPECT_EQ(Count_Active_Teams(), 32);
    for (int nKey = 0; nKey < 32; nKey++) {
        SCOPED_TRACE(nKey);
        int nPlayers = 0, nFound = 0;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nKey, nSlot))
                continue;
            nPlayers++;
            for (const DOWNLOAD_PLAYER& player : teams[nKey])
                nFound += player.stLast == Get_Player_Last_Name_Ptr(nKey, nSlot) &&
                          player.stFirst == Get_Player_First_Name_Ptr(nKey, nSlot);
        }
        // Each page's players make the team; the builder may add a player a position lacks.
        EXPECT_GE(nPlayers, (int)teams[nKey].size());
        EXPECT_GE(nFound, (int)teams[nKey].size());
    }
}

}  // namespace
