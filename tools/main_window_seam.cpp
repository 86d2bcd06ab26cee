// The developer tools the main window's commands start.
#include "tools/tools.h"

// STAND-IN(tools): downloads the statistics pages of the outside site into CSV files.
void Do_Special_Tool(void) {}
