// Downloaded player photos and team logos copied into the installation folder.
#include "database/database.h"

// STAND-IN(database): copies the downloaded player photos into Photos/Downloads.
void Install_Player_Photos(void) {}

// STAND-IN(database): copies the season's team logos into Logos/Downloads.
void Install_Team_Logos(void) {}
