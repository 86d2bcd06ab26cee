// app_session_driver: runs the game with its driver armed and ends with the session's result. Runs in
// the installation folder, on a display (scripts/app_session.sh gives it one).
//   app_session_driver <screenshot folder> [gameday | saved-game-1 | saved-game-2]
#include "app_session.h"

#include "shell/startup.h"

#include <stdio.h>
#include <string.h>

int main(int argc, char** argv) {
    const bool bGameday = argc == 3 && strcmp(argv[2], "gameday") == 0;
    int nSavedGameRun = 0;
    if (argc == 3 && strcmp(argv[2], "saved-game-1") == 0)
        nSavedGameRun = 1;
    else if (argc == 3 && strcmp(argv[2], "saved-game-2") == 0)
        nSavedGameRun = 2;
    if (argc != 2 && !bGameday && nSavedGameRun == 0) {
        fprintf(stderr, "usage: app_session_driver <screenshot folder> [gameday | saved-game-1 | "
                        "saved-game-2]\n");
        return 2;
    }
    if (!Platform_Make_Directory(argv[1])) {
        fprintf(stderr, "app_session: the folder %s cannot be made\n", argv[1]);
        return 1;
    }
    if (bGameday)
        Arm_Gameday_Session(argv[1]);
    else if (nSavedGameRun)
        Arm_Saved_Game_Scenario(argv[1], nSavedGameRun);
    else
        Arm_Session_Driver(argv[1]);
    char szProgram[] = "football-vanto";
    char* aArgs[] = {szProgram, nullptr};
    int nExit = Run_Application(1, aArgs);
    if (Platform_Backend_Name() && strcmp(Platform_Backend_Name(), "sdl") != 0) {
        fprintf(stderr, "app_session: FAILED: no display; the game ran without windows\n");
        return 1;
    }
    int nResult = bGameday        ? Gameday_Session_Result()
                  : nSavedGameRun ? Saved_Game_Scenario_Result()
                                  : Session_Result();
    if (nResult == 0 && nExit != 0) {
        fprintf(stderr, "app_session: FAILED: the game ended with code %d\n", nExit);
        return 1;
    }
    return nResult;
}
