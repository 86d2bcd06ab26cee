// The catalogue of the game's art and sounds, and the writing of every file in it. Skinned files
// live in skins/<skin>/; folder names have one spelling each, since the game's path resolver
// matches names without regard to letter case.
#include "art_catalogue.h"

#include <stdio.h>

#include "art_files.h"
#include "art_generators.h"

// earth: warm sand and brown; fire: dark red; ice: dark blue-grey.
const ART_SKIN kArtSkins[ART_SKIN_COUNT] = {
    {"earth",
     {40, 26, 14, 255},
     {92, 62, 36, 255},
     {58, 38, 22, 255},
     {214, 178, 112, 255},
     {236, 218, 178, 255},
     {255, 226, 150, 255},
     false},
    {"fire",
     {30, 4, 4, 255},
     {104, 18, 14, 255},
     {52, 8, 8, 255},
     {236, 120, 56, 255},
     {240, 212, 198, 255},
     {255, 176, 80, 255},
     true},
    {"ice",
     {14, 20, 30, 255},
     {52, 66, 86, 255},
     {26, 36, 50, 255},
     {142, 186, 224, 255},
     {214, 228, 242, 255},
     {196, 232, 255, 255},
     true},
};

const char* const kArtPositions[ART_POSITION_COUNT] = {"QB", "RB", "FB", "TE", "WR", "T", "G", "C",
                                                       "DE", "DT", "LB", "CB", "S",  "K", "P"};

const char* const kArtWeatherNames[8] = {"Clouds", "Flurries", "Mixed",  "Rain",
                                         "Sleet",  "Snow",     "Storms", "Sunny"};

namespace {

// The logo keys of teams that share a city with another team (or took over a name).
struct ART_CITY_KEY {
    const char* szKey;
    const char* szCity;
    int nVariant;
};
const ART_CITY_KEY kArtSharedCityKeys[] = {
    {"NY1", "New York", 1},    {"NY2", "New York", 2},   {"LA1", "Los Angeles", 1},
    {"LA2", "Los Angeles", 2}, {"STL2", "St. Louis", 2}, {"BAL2", "Baltimore", 2},
    {"HOU2", "Houston", 2},
};

const ART_ENTRY kArtCatalogue[] = {
    // The news pages and the game-day screen (stretched over the page area).
    {"skins/%s/news/standing.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_News_Page, nullptr,
     ART_PAGE_STANDINGS},
    {"skins/%s/news/leaders.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_News_Page, nullptr,
     ART_PAGE_LEADERS},
    {"skins/%s/news/leaders1.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_News_Page, nullptr,
     ART_PAGE_LEADERS_EXPANDED},
    {"skins/%s/news/finance.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_News_Page, nullptr,
     ART_PAGE_FINANCES},
    {"skins/%s/news/Calendar.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_News_Page, nullptr,
     ART_PAGE_CALENDAR},
    {"skins/%s/news/Vnthof.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_News_Page, nullptr,
     ART_PAGE_HALL_OF_FAME},
    {"skins/%s/news/playoffs.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_News_Page, nullptr,
     ART_PAGE_PLAYOFFS},
    {"skins/%s/news/Draft.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_News_Page, nullptr,
     ART_PAGE_DRAFT},
    {"skins/%s/news/games.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_News_Page, nullptr,
     ART_PAGE_GAMES},
    {"skins/%s/news/pbp.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_News_Page, nullptr,
     ART_PAGE_PLAY_BY_PLAY},
    {"skins/%s/news/divchamp.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_Champions, nullptr,
     ART_DIVISION_TITLE},
    {"skins/%s/news/conferen.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_Champions, nullptr,
     ART_CONFERENCE_TITLE},
    {"skins/%s/news/champs.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_Champions, nullptr,
     ART_CHAMPIONSHIP},
    {"skins/%s/news/Startup.jpg", 1024, 676, ART_EACH_SKIN, Art_Draw_Startup, nullptr, 0},
    {"skins/%s/news/Startup_Widescreen.jpg", 1202, 676, ART_EACH_SKIN, Art_Draw_Startup, nullptr,
     0},
    // The bars: the button bar's left part at its own size, its right part stretched, and the
    // overlay drawn over the news ticker.
    {"skins/%s/news/bottombarleft.png", 380, 36, ART_EACH_SKIN, Art_Draw_Bar_Left, nullptr, 0},
    {"skins/%s/news/bottombarright.png", 64, 36, ART_EACH_SKIN, Art_Draw_Bar_Right, nullptr, 0},
    {"skins/%s/news/newsbar.png", 1920, 24, ART_EACH_SKIN, Art_Draw_News_Bar, nullptr, 0},
    {"skins/%s/news/Weather/%s.png", 30, 30, ART_EACH_WEATHER, Art_Draw_Weather, nullptr, 0},
    // Dialog pictures of the skin.
    {"skins/%s/dialogs/scouting/scouting-qb.jpg", 784, 559, ART_EACH_SKIN, Art_Draw_Scouting,
     nullptr, 0},
    {"skins/%s/dialogs/scouting/scouting-skill.jpg", 784, 559, ART_EACH_SKIN, Art_Draw_Scouting,
     nullptr, 1},
    {"skins/%s/dialogs/scouting/scouting-defense.jpg", 784, 559, ART_EACH_SKIN, Art_Draw_Scouting,
     nullptr, 2},
    {"skins/%s/dialogs/scouting/scouting-ol.jpg", 784, 559, ART_EACH_SKIN, Art_Draw_Scouting,
     nullptr, 3},
    {"skins/%s/dialogs/splash/vanto.jpg", 600, 390, ART_EACH_SKIN, Art_Draw_Splash, nullptr, 0},
    {"skins/%s/dialogs/splash/NewVersion.jpg", 600, 300, ART_EACH_SKIN, Art_Draw_Splash, nullptr,
     1},
    {"skins/%s/dialogs/misc/Negotiate.jpg", 240, 180, ART_EACH_SKIN, Art_Draw_Dialog_Picture,
     nullptr, ART_NEGOTIATE},
    {"skins/%s/dialogs/misc/beverage.jpg", 200, 150, ART_EACH_SKIN, Art_Draw_Dialog_Picture,
     nullptr, ART_BEVERAGE},
    {"skins/%s/dialogs/misc/food.jpg", 200, 150, ART_EACH_SKIN, Art_Draw_Dialog_Picture, nullptr,
     ART_FOOD},
    {"skins/%s/dialogs/misc/souvenir.jpg", 200, 150, ART_EACH_SKIN, Art_Draw_Dialog_Picture,
     nullptr, ART_SOUVENIR},
    {"skins/%s/dialogs/Matchup/stars_%d.png", 160, 32, ART_EACH_STARS, Art_Draw_Stars, nullptr, 0},
    // The playoff bracket's slot box and seed tab (drawn over dark ground, light text on them).
    {"news/Box.png", 180, 44, ART_ONE, Art_Draw_Bracket_Box, nullptr, 0},
    {"news/Seed.png", 26, 44, ART_ONE, Art_Draw_Bracket_Seed, nullptr, 0},
    // Teams, people and positions.
    {"Gridiron/Helmets/Helmet-%d.png", 128, 128, ART_EACH_FRANCHISE, Art_Draw_Helmet, nullptr, 0},
    {"Gridiron/Helmets/Helmet-%da.png", 128, 128, ART_EACH_FRANCHISE, Art_Draw_Helmet, nullptr, 1},
    {"Logos/%s.png", 96, 96, ART_EACH_CITY, Art_Draw_City_Logo, nullptr, 0},
    {"Logos/LOGO_filler.png", 96, 96, ART_ONE, Art_Draw_Logo_Filler, nullptr, 0},
    {"stadiums/%s.jpg", 200, 200, ART_EACH_STADIUM, Art_Draw_Stadium, nullptr, 0},
    {"Gridiron/Jerseys/Jersey-%d.png", 128, 128, ART_EACH_FRANCHISE, Art_Draw_Jersey, nullptr, 0},
    {"Photos/%s.jpg", 212, 320, ART_EACH_POSITION, Art_Draw_Silhouette, nullptr, 0},
    {"dialogs/faces/gm%d.jpg", 120, 150, ART_EACH_FACE, Art_Draw_Face, nullptr, 0},
    // The program's icon (48, 32 and 16 pixels) and its three cursors.
    {"Vanto.ico", 48, 48, ART_ONE, Art_Draw_Program_Icon, nullptr, 0},
    {"cursors/hand.cur", 32, 32, ART_ONE, Art_Draw_Cursor, nullptr, 0},
    {"cursors/pick.cur", 32, 32, ART_ONE, Art_Draw_Cursor, nullptr, 1},
    {"cursors/advance.cur", 32, 32, ART_ONE, Art_Draw_Cursor, nullptr, 2},
    // Sound effects.
    {"sound/button.wav", 0, 0, ART_ONE, nullptr, Art_Make_Sound, ART_SOUND_BUTTON},
    {"sound/switch.wav", 0, 0, ART_ONE, nullptr, Art_Make_Sound, ART_SOUND_SWITCH},
    {"sound/celeb1.wav", 0, 0, ART_ONE, nullptr, Art_Make_Sound, ART_SOUND_CELEBRATE_DIVISION},
    {"sound/celeb2.wav", 0, 0, ART_ONE, nullptr, Art_Make_Sound, ART_SOUND_CELEBRATE_CONFERENCE},
    {"sound/celeb3.wav", 0, 0, ART_ONE, nullptr, Art_Make_Sound, ART_SOUND_CELEBRATE_CHAMPION},
    {"sound/pour.wav", 0, 0, ART_ONE, nullptr, Art_Make_Sound, ART_SOUND_POUR},
    {"sound/cash.wav", 0, 0, ART_ONE, nullptr, Art_Make_Sound, ART_SOUND_CASH},
};

std::string Art_Format(const char* szPattern, const char* szFirst, const char* szSecond) {
    char szPath[512];
    snprintf(szPath, sizeof szPath, szPattern, szFirst, szSecond);
    return szPath;
}

std::string Art_Format_Number(const char* szPattern, const char* szFirst, int nNumber) {
    char szPath[512];
    if (szFirst)
        snprintf(szPath, sizeof szPath, szPattern, szFirst, nNumber);
    else
        snprintf(szPath, sizeof szPath, szPattern, nNumber);
    return szPath;
}

void Art_Add_File(std::vector<ART_FILE>* pFiles, const ART_ENTRY& entry, std::string sPath,
                  const ART_SKIN* pSkin, int nIndex, std::string sName) {
    ART_ITEM item = {pSkin, entry.nParam, nIndex, std::move(sName), entry.nWidth, entry.nHeight};
    pFiles->push_back(ART_FILE{std::move(sPath), &entry, std::move(item)});
}

void Art_Expand_Entry(const ART_ENTRY& entry, const ART_LEAGUE& league,
                      std::vector<ART_FILE>* pFiles) {
    switch (entry.eSet) {
    case ART_ONE: Art_Add_File(pFiles, entry, entry.szPattern, &kArtSkins[0], 0, ""); break;
    case ART_EACH_SKIN:
        for (const ART_SKIN& skin : kArtSkins)
            Art_Add_File(pFiles, entry, Art_Format(entry.szPattern, skin.szName, ""), &skin, 0, "");
        break;
    case ART_EACH_WEATHER:
        for (const ART_SKIN& skin : kArtSkins)
            for (int i = 0; i < 8; i++)
                Art_Add_File(pFiles, entry,
                             Art_Format(entry.szPattern, skin.szName, kArtWeatherNames[i]), &skin,
                             i, kArtWeatherNames[i]);
        break;
    case ART_EACH_STARS:
        for (const ART_SKIN& skin : kArtSkins)
            for (int n = 1; n <= 5; n++)
                Art_Add_File(pFiles, entry, Art_Format_Number(entry.szPattern, skin.szName, n),
                             &skin, n, "");
        break;
    case ART_EACH_CITY:
        for (const std::string& sCity : league.aCities)
            Art_Add_File(pFiles, entry, Art_Format(entry.szPattern, sCity.c_str(), ""),
                         &kArtSkins[0], 0, sCity);
        for (const ART_CITY_KEY& key : kArtSharedCityKeys)
            Art_Add_File(pFiles, entry, Art_Format(entry.szPattern, key.szKey, ""), &kArtSkins[0],
                         key.nVariant, key.szCity);
        break;
    case ART_EACH_STADIUM:
        for (const ART_STADIUM& stadium : league.aStadiums)
            Art_Add_File(pFiles, entry, Art_Format(entry.szPattern, stadium.sName.c_str(), ""),
                         &kArtSkins[0], stadium.eStructure, stadium.sName);
        break;
    case ART_EACH_FRANCHISE:
        for (int n = 0; n < ART_FRANCHISE_COUNT; n++)
            Art_Add_File(pFiles, entry, Art_Format_Number(entry.szPattern, nullptr, n),
                         &kArtSkins[0], n, "");
        break;
    case ART_EACH_FACE:
        for (int n = 0; n < ART_FACE_COUNT; n++)
            Art_Add_File(pFiles, entry, Art_Format_Number(entry.szPattern, nullptr, n),
                         &kArtSkins[0], n, "");
        break;
    case ART_EACH_POSITION:
        for (int n = 0; n < ART_POSITION_COUNT; n++)
            Art_Add_File(pFiles, entry, Art_Format(entry.szPattern, kArtPositions[n], ""),
                         &kArtSkins[0], n, kArtPositions[n]);
        break;
    }
}

}  // namespace

std::vector<ART_FILE> Art_Catalogue_Files(const ART_LEAGUE& league) {
    std::vector<ART_FILE> aFiles;
    for (const ART_ENTRY& entry : kArtCatalogue)
        Art_Expand_Entry(entry, league, &aFiles);
    return aFiles;
}

bool Art_Write_File(const std::string& sFolder, const ART_FILE& file) {
    std::string sPath = sFolder + "/" + file.sPath;
    const ART_ENTRY& entry = *file.pEntry;
    if (entry.pfnSound) {
        std::vector<int16_t> aSamples;
        entry.pfnSound(file.item, &aSamples);
        return Art_Write_Wav(sPath, aSamples, ART_SOUND_RATE);
    }
    // An icon file carries the picture at 48, 32 and 16 pixels; every other file one picture.
    std::vector<int> aSizes = {entry.nWidth};
    if (entry.pfnPicture == Art_Draw_Program_Icon)
        aSizes = {48, 32, 16};
    std::vector<ART_IMAGE> aImages;
    for (int nSize : aSizes) {
        ART_ITEM item = file.item;
        item.nWidth = nSize;
        item.nHeight = nSize == entry.nWidth ? entry.nHeight : nSize;
        ART_IMAGE image;
        Art_Image_Init(&image, item.nWidth, item.nHeight, Art_Rgb(0, 0, 0, 0));
        entry.pfnPicture(item, &image);
        aImages.push_back(std::move(image));
    }
    return Art_Write_Picture(sPath, aImages);
}

int Art_Write_All(const std::string& sFolder, const ART_LEAGUE& league) {
    int nFailed = 0;
    for (const ART_FILE& file : Art_Catalogue_Files(league))
        if (!Art_Write_File(sFolder, file))
            nFailed++;
    return nFailed;
}
