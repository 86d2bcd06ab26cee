// Downloaded player photos and team logos copied into the installation folder.
#include "tools/tools.h"

// Stand-ins until the downloads are built: there is nothing to copy.
void Install_Player_Photos(void) {}

void Install_Team_Logos(void) {}
