// A loaded universe turned into a new game: the cap and ratings of its year, contracts, finances
// and title counts, the draft pool, then its first season started at week 0.
#include "database/database.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define START_STEPS_WITH_DOWNLOAD 100
#define START_STEPS 25
#define LAST_YEAR_WITH_RECALCULATED_CONTRACTS 2014

void Start_Game(int bShowDownload) {
    int bOpened = bShowDownload
                      ? Open_Progress_Window("Downloading Player Photos and Team Logos",
                                             START_STEPS_WITH_DOWNLOAD)
                      : Open_Progress_Window("Setting Up Database", START_STEPS);
    Set_Skin_Name("earth");
    Reset_Current_Season_Line_Cache();
    Step_Progress_Window(5);
    if (bShowDownload) {
        Install_Player_Photos();
        Install_Team_Logos();
    }
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, Get_Season_Salary_Cap(Get_Season_Year()));
    Update_Inflation_Factor();
    Step_Progress_Window(1);
    Normalize_Player_Ratings();
    Step_Progress_Window(2);
    Cap_Young_Player_Overall();
    Step_Progress_Window(2);
    if (Get_Season_Year() > LAST_YEAR_WITH_RECALCULATED_CONTRACTS)
        Step_Progress_Window(10);
    else
        Recalculate_Contracts();
    Reset_All_Team_Finances();
    Step_Progress_Window(2);
    Set_Team_Championship_Counts();
    Step_Progress_Window(1);
    Reset_All_Play_Usage_Counters();
    Step_Progress_Window(1);
    gCommissionerMode = 0;
    gPerfectScouting = 0;
    gSoundEffects = 1;
    Normalize_Free_Agent_Ratings();
    Step_Progress_Window(1);
    if (bOpened)
        Close_Progress_Window();
    Reset_Draft_Pool();
    gLastPaintedPage = -1;
    Redraw_Main_Window();
    Build_Play_Menu();
    Build_News_Ticker_Text();
    if (gNewsBar)
        Start_News_Ticker(gNewsBar);
    gSeasonNumber = 0;
    gCurrentWeek = 0;
    gSelectedGame = -1;
    Start_Season(bShowDownload);
}
