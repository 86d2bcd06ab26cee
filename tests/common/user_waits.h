// Every test fails when the game waits for the person at the screen, unless it allows it.
#pragma once

// The running test expects the game to wait for the user (the headless layer still refuses).
void Allow_User_Waits();
