// The art tool writes every file the game looks for, at its size, in a format the game's loaders
// read: PNG and colour JPEG pictures, cursor and icon directories, 16-bit PCM sounds.
#include <gtest/gtest.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "art_catalogue.h"
#include "art_files.h"
#include "art_generators.h"
#include "platform/windows.h"

namespace {

std::vector<uint8_t> Art_Test_Read(const std::string& sPath) {
    std::ifstream file(sPath, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>());
}

unsigned Art_Test_Big16(const uint8_t* p) {
    return (p[0] << 8) | p[1];
}
unsigned Art_Test_Big32(const uint8_t* p) {
    return (Art_Test_Big16(p) << 16) | Art_Test_Big16(p + 2);
}
unsigned Art_Test_Little16(const uint8_t* p) {
    return p[0] | (p[1] << 8);
}
unsigned Art_Test_Little32(const uint8_t* p) {
    return Art_Test_Little16(p) | (Art_Test_Little16(p + 2) << 16);
}

// What a file's header says of its picture.
struct ART_TEST_PICTURE {
    bool bRead = false;
    int nWidth = 0, nHeight = 0;
    int nChannels = 0;  // PNG: 3 or 4; JPEG: its components
    int nImages = 0;    // cursor and icon files
    int nHotX = 0, nHotY = 0;
    int nType = 0;  // cursor and icon files: 1 icon, 2 cursor
};

ART_TEST_PICTURE Art_Test_Png(const std::vector<uint8_t>& aData) {
    static const uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ART_TEST_PICTURE picture;
    if (aData.size() < 33 || memcmp(aData.data(), kSignature, 8) != 0 ||
        memcmp(&aData[12], "IHDR", 4) != 0)
        return picture;
    picture.nWidth = static_cast<int>(Art_Test_Big32(&aData[16]));
    picture.nHeight = static_cast<int>(Art_Test_Big32(&aData[20]));
    int nColourType = aData[25];
    picture.nChannels = aData[24] != 8 ? 0 : nColourType == 2 ? 3 : nColourType == 6 ? 4 : 0;
    picture.bRead = true;
    return picture;
}

ART_TEST_PICTURE Art_Test_Jpeg(const std::vector<uint8_t>& aData) {
    ART_TEST_PICTURE picture;
    if (aData.size() < 4 || aData[0] != 0xFF || aData[1] != 0xD8)
        return picture;
    size_t i = 2;
    while (i + 9 < aData.size() && aData[i] == 0xFF) {
        uint8_t nMarker = aData[i + 1];
        if (nMarker == 0xC0 || nMarker == 0xC2) {
            picture.nHeight = static_cast<int>(Art_Test_Big16(&aData[i + 5]));
            picture.nWidth = static_cast<int>(Art_Test_Big16(&aData[i + 7]));
            picture.nChannels = aData[i + 9];
            picture.bRead = true;
            return picture;
        }
        i += 2 + Art_Test_Big16(&aData[i + 2]);
    }
    return picture;
}

ART_TEST_PICTURE Art_Test_Icon_File(const std::vector<uint8_t>& aData) {
    ART_TEST_PICTURE picture;
    if (aData.size() < 22 || Art_Test_Little16(&aData[0]) != 0)
        return picture;
    picture.nType = static_cast<int>(Art_Test_Little16(&aData[2]));
    picture.nImages = static_cast<int>(Art_Test_Little16(&aData[4]));
    picture.nWidth = aData[6] ? aData[6] : 256;
    picture.nHeight = aData[7] ? aData[7] : 256;
    picture.nHotX = static_cast<int>(Art_Test_Little16(&aData[10]));
    picture.nHotY = static_cast<int>(Art_Test_Little16(&aData[12]));
    uint32_t nBytes = Art_Test_Little32(&aData[14]), nOffset = Art_Test_Little32(&aData[18]);
    // The image is a 40-byte info header of the same width and twice the height, and it fits.
    picture.bRead = nOffset + nBytes <= aData.size() && nOffset + 40 <= aData.size() &&
                    Art_Test_Little32(&aData[nOffset]) == 40 &&
                    static_cast<int>(Art_Test_Little32(&aData[nOffset + 4])) == picture.nWidth &&
                    static_cast<int>(Art_Test_Little32(&aData[nOffset + 8])) == picture.nHeight * 2;
    return picture;
}

ART_TEST_PICTURE Art_Test_Picture(const std::string& sPath) {
    std::vector<uint8_t> aData = Art_Test_Read(sPath);
    std::string sEnd = sPath.substr(sPath.size() - 4);
    if (sEnd == ".png")
        return Art_Test_Png(aData);
    if (sEnd == ".jpg")
        return Art_Test_Jpeg(aData);
    return Art_Test_Icon_File(aData);
}

// A sound the game can play: RIFF WAVE, PCM, mono, 16 bits, some samples.
bool Art_Test_Is_Pcm16(const std::string& sPath, int* pSamples) {
    std::vector<uint8_t> aData = Art_Test_Read(sPath);
    if (aData.size() < 44 || memcmp(&aData[0], "RIFF", 4) != 0 ||
        memcmp(&aData[8], "WAVEfmt ", 8) != 0 || memcmp(&aData[36], "data", 4) != 0)
        return false;
    uint32_t nData = Art_Test_Little32(&aData[40]);
    *pSamples = static_cast<int>(nData / 2);
    return Art_Test_Little32(&aData[4]) == aData.size() - 8 && Art_Test_Little16(&aData[20]) == 1 &&
           Art_Test_Little16(&aData[22]) == 1 && Art_Test_Little32(&aData[24]) == ART_SOUND_RATE &&
           Art_Test_Little16(&aData[34]) == 16 && nData + 44 == aData.size() && nData > 0;
}

std::string Art_Test_Data_Folder(void) {
    const char* szSource = getenv("VANTO_SOURCE_DIR");
    return std::string(szSource ? szSource : ".") + "/data";
}

// The tool runs once for the suite, into a folder of this process's own (ctest runs the cases as
// processes side by side).
class ART_TOOL_TEST : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gFolder =
            (std::filesystem::current_path() / ("art_out_" + std::to_string(getpid()))).string();
        std::filesystem::remove_all(gFolder);
        gLeague = ART_LEAGUE();
        gReadLeague = Art_Read_League(Art_Test_Data_Folder(), &gLeague);
        gFailed = gReadLeague ? Art_Write_All(gFolder, gLeague) : -1;
    }
    static void TearDownTestSuite() {
        std::error_code error;
        std::filesystem::remove_all(gFolder, error);
    }
    static std::string gFolder;
    static ART_LEAGUE gLeague;
    static bool gReadLeague;
    static int gFailed;
};
std::string ART_TOOL_TEST::gFolder;
ART_LEAGUE ART_TOOL_TEST::gLeague;
bool ART_TOOL_TEST::gReadLeague = false;
int ART_TOOL_TEST::gFailed = 0;

TEST_F(ART_TOOL_TEST, WritesEveryCataloguedFileAtItsSize) {
    ASSERT_TRUE(gReadLeague);
    ASSERT_EQ(gFailed, 0);
    std::vector<ART_FILE> aFiles = Art_Catalogue_Files(gLeague);
    for (const ART_FILE& file : aFiles) {
        std::string sPath = gFolder + "/" + file.sPath;
        SCOPED_TRACE(file.sPath);
        if (file.pEntry->pfnSound) {
            int nSamples = 0;
            EXPECT_TRUE(Art_Test_Is_Pcm16(sPath, &nSamples));
            continue;
        }
        ART_TEST_PICTURE picture = Art_Test_Picture(sPath);
        ASSERT_TRUE(picture.bRead);
        EXPECT_EQ(picture.nWidth, file.pEntry->nWidth);
        EXPECT_EQ(picture.nHeight, file.pEntry->nHeight);
    }
}

// The names the game asks for, with the sizes its painters count on, checked against the files
// rather than against the catalogue.
TEST_F(ART_TOOL_TEST, WritesTheFilesTheGameLooksFor) {
    ASSERT_EQ(gFailed, 0);
    struct ART_TEST_NAME {
        const char* szPath;
        int nWidth, nHeight;
    };
    const ART_TEST_NAME aSkinned[] = {
        {"news/standing.jpg", 1024, 676},
        {"news/leaders.jpg", 1024, 676},
        {"news/leaders1.jpg", 1024, 676},
        {"news/finance.jpg", 1024, 676},
        {"News/Calendar.jpg", 1024, 676},
        {"News/Vnthof.jpg", 1024, 676},
        {"news/playoffs.jpg", 1024, 676},
        {"News/Draft.jpg", 1024, 676},
        {"news/divchamp.jpg", 1024, 676},
        {"news/conferen.jpg", 1024, 676},
        {"news/champs.jpg", 1024, 676},
        {"News/Startup.jpg", 1024, 676},
        {"News/Startup_Widescreen.jpg", 1202, 676},
        {"news/games.jpg", 1024, 676},
        {"news/pbp.jpg", 1024, 676},
        {"news/bottombarleft.png", 380, 36},
        {"news/bottombarright.png", 64, 36},
        {"news/newsbar.png", 1920, 24},
        {"News/Weather/Clouds.png", 30, 30},
        {"News/Weather/Storms.png", 30, 30},
        {"News/Weather/Sunny.png", 30, 30},
        {"dialogs/scouting/scouting-qb.jpg", 784, 559},
        {"dialogs/scouting/scouting-skill.jpg", 784, 559},
        {"dialogs/scouting/scouting-defense.jpg", 784, 559},
        {"dialogs/scouting/scouting-ol.jpg", 784, 559},
        {"dialogs/splash/vanto.jpg", 600, 390},
        {"Dialogs/Splash/NewVersion.jpg", 600, 300},
        {"Dialogs/Misc/Negotiate.jpg", 240, 180},
        {"dialogs/misc/beverage.jpg", 200, 150},
        {"dialogs/misc/food.jpg", 200, 150},
        {"dialogs/misc/souvenir.jpg", 200, 150},
        {"Dialogs/Matchup/stars_1.png", 160, 32},
        {"Dialogs/Matchup/stars_5.png", 160, 32},
    };
    const ART_TEST_NAME aShared[] = {
        {"News/Box.png", 180, 44},
        {"News/Seed.png", 26, 44},
        {"Gridiron/Helmets/Helmet-0.png", 128, 128},
        {"Gridiron/Helmets/Helmet-31a.png", 128, 128},
        {"logos/NY1.png", 96, 96},
        {"logos/NY2.png", 96, 96},
        {"logos/LA1.png", 96, 96},
        {"logos/LA2.png", 96, 96},
        {"logos/STL2.png", 96, 96},
        {"logos/BAL2.png", 96, 96},
        {"logos/HOU2.png", 96, 96},
        {"logos/LOGO_filler.png", 96, 96},
        {"logos/Green Bay.png", 96, 96},
        {"photos/QB.jpg", 212, 320},
        {"photos/P.jpg", 212, 320},
        {"dialogs/faces/gm0.jpg", 120, 150},
        {"dialogs/faces/gm44.jpg", 120, 150},
        {"Vanto.ico", 48, 48},
        {"cursors/hand.cur", 32, 32},
        {"cursors/pick.cur", 32, 32},
        {"cursors/advance.cur", 32, 32},
        {"stadiums/Desert Sun Stadium.jpg", 200, 200},
        {"stadiums/Potomac Stadium.jpg", 200, 200},
        {"Gridiron/Jerseys/Jersey-0.png", 128, 128},
        {"Gridiron/Jerseys/Jersey-31.png", 128, 128},
    };
    // The game's names are matched without regard to letter case: find each the same way.
    auto find = [&](const std::string& sName) {
        std::filesystem::path path = gFolder;
        size_t nStart = 0;
        while (nStart <= sName.size()) {
            size_t nSlash = sName.find('/', nStart);
            std::string sPart = sName.substr(
                nStart, nSlash == std::string::npos ? std::string::npos : nSlash - nStart);
            std::filesystem::path found;
            std::error_code error;
            for (const auto& entry : std::filesystem::directory_iterator(path, error))
                if (strcasecmp(entry.path().filename().string().c_str(), sPart.c_str()) == 0)
                    found = entry.path();
            if (found.empty())
                return std::string();
            path = found;
            if (nSlash == std::string::npos)
                break;
            nStart = nSlash + 1;
        }
        return path.string();
    };
    std::vector<ART_TEST_NAME> aNames(std::begin(aShared), std::end(aShared));
    std::vector<std::string> aPaths;
    for (const ART_TEST_NAME& name : aShared)
        aPaths.push_back(name.szPath);
    for (const char* szSkin : {"earth", "fire", "ice"})
        for (const ART_TEST_NAME& name : aSkinned) {
            aNames.push_back(name);
            aPaths.push_back(std::string("skins/") + szSkin + "/" + name.szPath);
        }
    for (size_t i = 0; i < aNames.size(); i++) {
        SCOPED_TRACE(aPaths[i]);
        std::string sFound = find(aPaths[i]);
        ASSERT_FALSE(sFound.empty());
        ART_TEST_PICTURE picture = Art_Test_Picture(sFound);
        ASSERT_TRUE(picture.bRead);
        EXPECT_EQ(picture.nWidth, aNames[i].nWidth);
        EXPECT_EQ(picture.nHeight, aNames[i].nHeight);
    }
    for (const char* szSound : {"button", "switch", "celeb1", "celeb2", "celeb3", "pour", "cash"}) {
        int nSamples = 0;
        EXPECT_TRUE(Art_Test_Is_Pcm16(find(std::string("sound/") + szSound + ".wav"), &nSamples))
            << szSound;
        EXPECT_GT(nSamples, ART_SOUND_RATE / 50) << szSound;
    }
}

// The bitmap cache refuses grey-scale JPEGs; the PNGs are 8-bit RGB or RGBA; the cursors carry
// their hot spot inside the picture and the icon its three sizes.
TEST_F(ART_TOOL_TEST, FilesAreInFormsTheGameReads) {
    ASSERT_EQ(gFailed, 0);
    for (const ART_FILE& file : Art_Catalogue_Files(gLeague)) {
        SCOPED_TRACE(file.sPath);
        std::string sPath = gFolder + "/" + file.sPath;
        if (file.pEntry->pfnSound)
            continue;
        ART_TEST_PICTURE picture = Art_Test_Picture(sPath);
        if (file.sPath.ends_with(".jpg")) {
            EXPECT_EQ(picture.nChannels, 3);
        }
        if (file.sPath.ends_with(".png")) {
            EXPECT_TRUE(picture.nChannels == 3 || picture.nChannels == 4);
        }
        if (file.sPath.ends_with(".cur")) {
            EXPECT_EQ(picture.nType, 2);
            EXPECT_LT(picture.nHotX, picture.nWidth);
            EXPECT_LT(picture.nHotY, picture.nHeight);
        }
        if (file.sPath.ends_with(".ico")) {
            EXPECT_EQ(picture.nType, 1);
            EXPECT_EQ(picture.nImages, 3);
        }
    }
    // The overlays carry transparency: the news bar's lets the ticker's text through.
    EXPECT_EQ(Art_Test_Picture(gFolder + "/skins/ice/news/newsbar.png").nChannels, 4);
    EXPECT_EQ(Art_Test_Picture(gFolder + "/Gridiron/Helmets/Helmet-7.png").nChannels, 4);
}

// The platform layer loads the cursors and the icon as the game will.
TEST_F(ART_TOOL_TEST, PlatformLoadsTheCursorsAndIcon) {
    ASSERT_EQ(gFailed, 0);
    for (const char* szName :
         {"cursors/hand.cur", "cursors/pick.cur", "cursors/advance.cur", "Vanto.ico"}) {
        HCURSOR hCursor = LoadCursorFromFileA((gFolder + "/" + szName).c_str());
        EXPECT_NE(hCursor, nullptr) << szName;
        if (hCursor)
            DestroyCursor(hCursor);
    }
}

TEST_F(ART_TOOL_TEST, DrawingIsRepeatable) {
    std::vector<ART_FILE> aFiles = Art_Catalogue_Files(gLeague);
    for (const char* szPath :
         {"Logos/Green Bay.png", "skins/fire/news/newsbar.png", "sound/celeb3.wav"}) {
        SCOPED_TRACE(szPath);
        auto it = std::find_if(aFiles.begin(), aFiles.end(),
                               [&](const ART_FILE& f) { return f.sPath == szPath; });
        ASSERT_NE(it, aFiles.end());
        ASSERT_TRUE(Art_Write_File("again", *it));
        EXPECT_EQ(Art_Test_Read(std::string("again/") + szPath),
                  Art_Test_Read(gFolder + "/" + szPath));
    }
}

// The mean brightness (0..255) of a design-space rectangle of a news page.
double Art_Test_Brightness(const ART_IMAGE& image, double x1, double y1, double x2, double y2) {
    double sx = image.nWidth / ART_DESIGN_WIDTH, sy = image.nHeight / ART_DESIGN_HEIGHT;
    double dSum = 0;
    int nCount = 0;
    for (int y = static_cast<int>(y1 * sy); y < static_cast<int>(y2 * sy); y++)
        for (int x = static_cast<int>(x1 * sx); x < static_cast<int>(x2 * sx); x++) {
            const uint8_t* p = &image.aPixels[(static_cast<size_t>(y) * image.nWidth + x) * 4];
            dSum += (p[0] + p[1] + p[2]) / 3.0;
            nCount++;
        }
    return nCount ? dSum / nCount : 0;
}

ART_IMAGE Art_Test_News_Page(const char* szSkin, int nPage) {
    const ART_SKIN* pSkin =
        std::find_if(std::begin(kArtSkins), std::end(kArtSkins),
                     [&](const ART_SKIN& s) { return !strcmp(s.szName, szSkin); });
    ART_ITEM item{pSkin, nPage, 0, "", 1024, 676};
    ART_IMAGE image;
    Art_Image_Init(&image, item.nWidth, item.nHeight, Art_Rgb(0, 0, 0));
    Art_Draw_News_Page(item, &image);
    return image;
}

// The earth skin's pages write dark text, so its ground is light where the text goes (the
// heading, the season phase at the top right, the table); the dark skins write light text.
TEST(ART_TOOL_PAGES, GroundSuitsTheSkinsText) {
    struct {
        double x1, y1, x2, y2;
        const char* szWhere;
    } const aAreas[] = {
        {100, 20, 580, 60, "heading"},
        {690, 15, 760, 45, "season phase"},
        {20, 120, 740, 440, "table"},
    };
    ART_IMAGE earth = Art_Test_News_Page("earth", ART_PAGE_STANDINGS);
    ART_IMAGE ice = Art_Test_News_Page("ice", ART_PAGE_STANDINGS);
    for (const auto& area : aAreas) {
        SCOPED_TRACE(area.szWhere);
        EXPECT_GT(Art_Test_Brightness(earth, area.x1, area.y1, area.x2, area.y2), 170);
        EXPECT_LT(Art_Test_Brightness(ice, area.x1, area.y1, area.x2, area.y2), 90);
    }
}

TEST(ART_TOOL_ERRORS, CityTableProblemsAreReported) {
    std::vector<std::string> aCities;
    EXPECT_FALSE(Art_Read_Cities("no-such-folder", &aCities));
    EXPECT_TRUE(aCities.empty());
    // Names that would leave the logo folder are skipped; a table of only such names is empty.
    std::filesystem::create_directories("table");
    FILE* pFile = fopen("table/Cities.txt", "w");
    ASSERT_NE(pFile, nullptr);
    fputs("../Outside,1,2\nA/B,1,2\nBoise,205000,700000\n\n", pFile);
    fclose(pFile);
    EXPECT_TRUE(Art_Read_Cities("table", &aCities));
    EXPECT_EQ(aCities, std::vector<std::string>({"Boise"}));
    pFile = fopen("table/Cities.txt", "w");
    ASSERT_NE(pFile, nullptr);
    fputs("../Outside,1,2\n", pFile);
    fclose(pFile);
    aCities.clear();
    EXPECT_FALSE(Art_Read_Cities("table", &aCities));
}

// The stadiums and the teams' homes come from the team files' headed columns, each once; a folder
// without team files gives none.
TEST(ART_TOOL_ERRORS, StadiumsAreReadByTheirColumns) {
    std::vector<ART_STADIUM> aStadiums;
    Art_Read_Stadiums("no-such-folder", &aStadiums);
    EXPECT_TRUE(aStadiums.empty());
    std::filesystem::create_directories("league/Input/Stats");
    FILE* pFile = fopen("league/Input/Stats/1999_teams.csv", "w");
    ASSERT_NE(pFile, nullptr);
    fputs(
        "Abbreviation,Home,Structure,Stadium\r\nAAA,Boise,DOMED,Big Dome\r\n"
        "BBB,../Up,OPEN,../Out\r\nCCC,Snake River,CONVERTIBLE,Sliding Roof\r\n"
        "DDD,Boise,OPEN,Big Dome\r\nEEE,Boise,OPEN\r\n",
        pFile);
    fclose(pFile);
    std::vector<std::string> aHomes;
    Art_Read_Stadiums("league", &aStadiums, &aHomes);
    EXPECT_EQ(aHomes, std::vector<std::string>({"Boise", "Snake River"}));
    ASSERT_EQ(aStadiums.size(), 2u);
    EXPECT_EQ(aStadiums[0].sName, "Big Dome");
    EXPECT_EQ(aStadiums[0].eStructure, ART_DOMED);
    EXPECT_EQ(aStadiums[1].sName, "Sliding Roof");
    EXPECT_EQ(aStadiums[1].eStructure, ART_CONVERTIBLE);
    // A home that is no city of the table gets its logo too.
    FILE* pTable = fopen("league/Cities.txt", "w");
    ASSERT_NE(pTable, nullptr);
    fputs("Boise,205000,700000\n", pTable);
    fclose(pTable);
    ART_LEAGUE league;
    ASSERT_TRUE(Art_Read_League("league", &league));
    EXPECT_EQ(league.aCities, std::vector<std::string>({"Boise", "Snake River"}));
}

TEST(ART_TOOL_ERRORS, UnwritableFilesFailCleanly) {
    ART_IMAGE image;
    Art_Image_Init(&image, 4, 4, Art_Rgb(10, 20, 30));
    EXPECT_FALSE(Art_Write_Picture("picture.gif", {image}));
    EXPECT_FALSE(Art_Write_Picture("empty.png", {}));
    // A folder that cannot be made: a file stands where it would be.
    FILE* pFile = fopen("blocker", "w");
    ASSERT_NE(pFile, nullptr);
    fclose(pFile);
    EXPECT_FALSE(Art_Write_Picture("blocker/picture.png", {image}));
    EXPECT_FALSE(Art_Write_Wav("blocker/sound.wav", {0, 1}, ART_SOUND_RATE));
    EXPECT_TRUE(Art_Write_Picture("fine/picture.png", {image}));
}

}  // namespace
