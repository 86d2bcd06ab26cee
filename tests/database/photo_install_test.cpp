// Team logos and player photos: the picture key of a nickname by season, and copies that an
// install never writes over.
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <string>

#include "database_test_fixture.h"
#include "fixtures/fixture_league.h"

class PhotoInstallTest : public DatabaseTest {
protected:
    static std::string Read_Text(const char* szPath) {
        std::ifstream file(szPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    static void Write_Text(const std::string& stPath, const std::string& stText) {
        std::ofstream file(stPath, std::ios::binary | std::ios::trunc);
        file << stText;
    }
};

TEST_F(PhotoInstallTest, NicknamesGiveTheirSeasonsKeys) {
    Build_Fixture_League();
    struct CASE {
        const char* szNickname;
        int nYear, nHistoricalKey, nModernKey;
    };
    const CASE aCases[] = {
        {"Texans", 1962, 15, 12},  {"Texans", 1963, 12, 12},  {"Oilers", 1962, 23, -1},
        {"Oilers", 1990, 30, -1},  {"Raiders", 2019, 24, 16}, {"Redskins", 2000, 31, -1},
        {"Football Team", 2020, 31, 31}, {"Comets", 2019, -1, -1},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(std::string(c.szNickname) + " " + std::to_string(c.nYear));
        Set_Team_String(0, TEAM_NICKNAME, c.szNickname);
        EXPECT_EQ(Get_Historical_Team_Key(0, c.nYear), c.nHistoricalKey);
        EXPECT_EQ(Get_Modern_Team_Key(0), c.nModernKey);
    }
    EXPECT_EQ(Get_Modern_Team_Key(38), -1);
}

// The logo of a 2025 season is the 2021 one; a second install keeps the first copies.
TEST_F(PhotoInstallTest, InstallCopiesOnceAndKeepsTheCopies) {
    Build_Fixture_League();
    Set_Team_String(0, TEAM_NICKNAME, "Bears");
    Set_Team_String(0, TEAM_ABBREVIATION, "CHI");
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2025);
    gSeasonNumber = 0;
    Set_Player_Ostrel_ID(0, 0, "AbcdEf00");
    mkdir("Input", 0755);
    mkdir("Input/Stats", 0755);
    mkdir("Input/Stats/Historical", 0755);
    mkdir("Input/Stats/Players", 0755);
    Write_Text("Input/Stats/Historical/52021.gz", "logo one");
    Write_Text("Input/Stats/Players/AbcdEf00.dat", "photo one");

    Install_Team_Logos();
    Install_Player_Photos();
    char szLogo[128], szPhoto[128];
    EXPECT_TRUE(Get_Team_Logo_Path(0, szLogo, sizeof szLogo));
    EXPECT_STREQ(szLogo, "Logos/Downloads/CHI-2021.png");
    EXPECT_TRUE(Get_Player_Photo_Path(0, 0, szPhoto, sizeof szPhoto));
    EXPECT_EQ(Read_Text(szLogo), "logo one");
    EXPECT_EQ(Read_Text(szPhoto), "photo one");

    Write_Text("Input/Stats/Historical/52021.gz", "logo two");
    Write_Text("Input/Stats/Players/AbcdEf00.dat", "photo two");
    Install_Team_Logos();
    Install_Player_Photos();
    EXPECT_EQ(Read_Text(szLogo), "logo one");
    EXPECT_EQ(Read_Text(szPhoto), "photo one");
    EXPECT_FALSE(Get_Player_Photo_Path(0, 1, szPhoto, sizeof szPhoto) && File_Exists(szPhoto));
}
