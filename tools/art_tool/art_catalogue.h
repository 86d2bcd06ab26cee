// The art tool's catalogue: every picture and sound the game looks for in its installation
// folder, with its size and the generator that makes it.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "art_draw.h"

// The colours of one skin. Dark skins get white text on their tabs and buttons.
struct ART_SKIN {
    const char* szName;
    ART_COLOUR deep;    // the darkest ground
    ART_COLOUR body;    // the page ground
    ART_COLOUR panel;   // the panels behind tables
    ART_COLOUR accent;  // frames, rules, highlights
    ART_COLOUR light;   // light plates that carry black text
    ART_COLOUR glow;    // the bright spot of headings and emblems
    bool bDark;
};

#define ART_SKIN_COUNT 3
extern const ART_SKIN kArtSkins[ART_SKIN_COUNT];

// What a generator is asked to make: the skin (for skinned files), the entry's parameter, the
// index or name the file stands for, and the size.
struct ART_ITEM {
    const ART_SKIN* pSkin;
    int nParam;
    int nIndex;
    std::string sName;
    int nWidth;
    int nHeight;
};

typedef void (*ART_PICTURE_FN)(const ART_ITEM& item, ART_IMAGE* pImage);
typedef void (*ART_SOUND_FN)(const ART_ITEM& item, std::vector<int16_t>* pSamples);

// How an entry's name pattern becomes files.
enum ART_SET {
    ART_ONE,             // the pattern is the name
    ART_EACH_SKIN,       // "%s": each skin
    ART_EACH_CITY,       // "%s": each logo key of the city table and the shared-city keys
    ART_EACH_FRANCHISE,  // "%d": franchise index 0..31
    ART_EACH_FACE,       // "%d": general manager face 0..44
    ART_EACH_POSITION,   // "%s": position abbreviation
    ART_EACH_WEATHER,    // "%s", "%s": each skin, each weather picture
    ART_EACH_STARS,      // "%s", "%d": each skin, 1..5 stars
    ART_EACH_STADIUM,    // "%s": each stadium of the default universe's teams
};

struct ART_ENTRY {
    const char* szPattern;
    int nWidth;  // pictures: the size of the (first) image; sounds: 0
    int nHeight;
    ART_SET eSet;
    ART_PICTURE_FN pfnPicture;
    ART_SOUND_FN pfnSound;
    int nParam;
};

// One file to write.
struct ART_FILE {
    std::string sPath;
    const ART_ENTRY* pEntry;
    ART_ITEM item;
};

#define ART_SOUND_RATE 22050
#define ART_FRANCHISE_COUNT 32
#define ART_FACE_COUNT 45
#define ART_POSITION_COUNT 15

extern const char* const kArtPositions[ART_POSITION_COUNT];
extern const char* const kArtWeatherNames[8];

// What the data folder tells of the league: its cities (a logo each) and the stadiums of the
// default universe's teams (a picture each).
enum ART_STRUCTURE { ART_OPEN, ART_DOMED, ART_CONVERTIBLE };
struct ART_STADIUM {
    std::string sName;
    ART_STRUCTURE eStructure;
};
struct ART_LEAGUE {
    std::vector<std::string> aCities;
    std::vector<ART_STADIUM> aStadiums;
};

// art_league.cpp: the city names of the city table (data/Cities.txt), in file order, false with
// a message when the file cannot be read or holds no city; the stadiums named in the team files
// (data/Input/Stats/*_teams.csv), each once, and with pHomes the teams' home names, each once;
// all together, a team's home that is no city of the table getting a logo of its own.
bool Art_Read_Cities(const std::string& sDataFolder, std::vector<std::string>* pCities);
void Art_Read_Stadiums(const std::string& sDataFolder, std::vector<ART_STADIUM>* pStadiums,
                       std::vector<std::string>* pHomes = nullptr);
bool Art_Read_League(const std::string& sDataFolder, ART_LEAGUE* pLeague);

// Every file of the catalogue, for this league.
std::vector<ART_FILE> Art_Catalogue_Files(const ART_LEAGUE& league);
// Draws and writes one file below the folder; false when it cannot be written.
bool Art_Write_File(const std::string& sFolder, const ART_FILE& file);
// Every file below the folder; the number that failed.
int Art_Write_All(const std::string& sFolder, const ART_LEAGUE& league);
