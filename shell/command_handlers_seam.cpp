// Shell services the main window's commands call: the debug timer, the splash screen, help
// pages, sounds, the Play menu and the page mouse handler.
#include "shell/shell.h"

// STAND-IN(shell): starts, stops, logs or shows the debug timer by mode; the elapsed milliseconds.
int Debug_Timer(const char* szName, int nMode) {
    (void)szName;
    (void)nMode;
    return 0;
}

// The league already loaded goes on.
// STAND-IN(shell): runs the Welcome dialog until a game is started or resumed; 0 when the user quits.
int Do_Splash_Screen(void) {
    return 1;
}

// STAND-IN(shell): opens Help\<topic>.htm of the id with the shell.
void Show_Help_Topic(int nTopic) {
    (void)nTopic;
}

// STAND-IN(shell): plays sound\<name> asynchronously when sound effects are on.
int Play_Sound(const char* szName) {
    (void)szName;
    return 0;
}

// STAND-IN(shell): rebuilds the Play menu for the season phase.
void Build_Play_Menu(void) {}

// STAND-IN(shell): the page's hover cursor and click handlers in design space.
void On_Page_Mouse(HWND hWnd, UINT uMsg, int x, int y) {
    (void)hWnd;
    (void)uMsg;
    (void)x;
    (void)y;
}
