// Least versions of what the bars, the pages and the message box call of the menus and sounds,
// the page mouse handling, the timeline bar and the dialog support, until those modules land.
#include "shell/shell.h"

// STAND-IN(shell): draws the season timeline's week text and its five boxes.
void Draw_Timeline_Bar(HDC hdc) {
    (void)hdc;
}

// STAND-IN(shell): 1 over an active part of the timeline.
int Is_Timeline_Hot_Spot(int x, int y) {
    (void)x;
    (void)y;
    return 0;
}

// STAND-IN(shell): switches the page or plays to the week of the timeline part clicked.
void Click_Timeline(int x, int y) {
    (void)x;
    (void)y;
}


// STAND-IN(shell): draws the bar's two background pictures and places the timeline's boxes.
void Layout_Timeline_Bar(HDC hdc, HWND hBar) {
    (void)hdc;
    (void)hBar;
}

// STAND-IN(shell): draws the user's team record at the bar's left end.
void Draw_Team_Record_On_Bar(HDC hdc) {
    (void)hdc;
}
