// The developer tools the main window's commands start.
#include "tools/tools.h"

void Do_Special_Tool(void) {
    Download_Football_Data();
    Show_Message_Box("Do_Special_Tool()", "Download_Football_Data() completed.");
}
