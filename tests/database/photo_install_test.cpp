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

    // Team 0 the Bears of the year with the abbreviation, its first player with the id, and the
    // installation's picture folders.
    static void Set_Up_Pictures(const char* szAbbreviation, int nYear, const char* szId) {
        Build_Fixture_League();
        Set_Team_String(0, TEAM_NICKNAME, "Bears");
        Set_Team_String(0, TEAM_ABBREVIATION, szAbbreviation);
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, nYear);
        gSeasonNumber = 0;
        Set_Player_Ostrel_ID(0, 0, szId);
        for (const char* szFolder :
             {"Input", "Input/Stats", "Input/Stats/Historical", "Input/Stats/Players"})
            mkdir(szFolder, 0755);
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
    Set_Up_Pictures("CHI", 2025, "AbcdEf00");
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

// An id that could reach another folder is kept to its safe characters, so its picture stays in
// the photo folder; such an abbreviation names no logo. Nothing is copied from outside.
TEST_F(PhotoInstallTest, NamesWithPathPartsGetNoPicture) {
    Set_Up_Pictures("../CHI", 2021, "../Escaped");
    Write_Text("Input/Stats/Historical/52021.gz", "logo");
    Write_Text("Input/Stats/Escaped.dat", "photo");  // where Players/../Escaped.dat leads
    Install_Team_Logos();
    Install_Player_Photos();
    char szPath[128];
    ASSERT_TRUE(Get_Player_Photo_Path(0, 0, szPath, sizeof szPath));
    EXPECT_EQ(std::string(szPath).find(".."), std::string::npos) << szPath;
    EXPECT_FALSE(File_Exists(szPath));
    EXPECT_FALSE(Get_Team_Logo_Path(0, szPath, sizeof szPath));
    EXPECT_FALSE(File_Exists("Photos/Escaped.jpg"));
    EXPECT_FALSE(File_Exists("Logos/CHI-2021.png"));
}
