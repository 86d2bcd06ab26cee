// art_tool: draws the game's art and synthesises its sounds into the installation folder.
//   art_tool <data folder> <installation folder>
// The data folder gives the city table, whose cities get a team logo each, and the team files,
// whose stadiums get a picture each.
#include <stdio.h>

#include "art_catalogue.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: art_tool <data folder> <installation folder>\n");
        return 2;
    }
    if (!Art_Text_Ready()) {
        fprintf(stderr, "art_tool: no sans-serif face found for the lettering\n");
        return 1;
    }
    ART_LEAGUE league;
    int nFailed = Art_Read_League(argv[1], &league) ? Art_Write_All(argv[2], league) : -1;
    Art_Text_Release();
    if (nFailed < 0)
        return 1;
    if (nFailed) {
        fprintf(stderr, "art_tool: %d files could not be written\n", nFailed);
        return 1;
    }
    return 0;
}
