// The developer tools' two batch exports of the ratings CSV, run over the built universe
// databases: every season's players as built, and the replay ratings of each season made from the
// statistics of the season before.
#include <vector>

#include "database/database.h"
#include "personnel/personnel.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "tools/tools.h"

#define FIRST_EXPORT_YEAR 1951
#define LAST_EXPORT_YEAR 2021
#define EXPORT_CAPTION "Do_Special_Tool()"

// The built universe of the year loaded as a New Game would load it; 0 when there is none.
static int Load_Built_Universe(int nYear) {
    char szPath[IMPORT_PATH_SIZE];
    Get_Built_Universe_Path(nYear, szPath, sizeof(szPath));
    return File_Exists(szPath) && Load_Universe(szPath);
}

int Export_Every_Season_Player_Ratings(void) {
    int nExported = 0;
    for (int nYear = FIRST_EXPORT_YEAR; nYear <= LAST_EXPORT_YEAR; nYear++) {
        if (!Load_Built_Universe(nYear))
            continue;
        Export_Player_Ratings_CSV(POS_ANY, Get_Season_Year());
        nExported++;
    }
    Show_Message_Box(EXPORT_CAPTION, "Export_Every_Season_Player_Ratings() completed.");
    return nExported;
}

// By player id: normalising sets the depth charts, which moves players between slots.
struct KEPT_RATINGS {
    int nPlayerId;
    float afRatings[RATING_COUNT];
};
static std::vector<KEPT_RATINGS> gKeptLinemen;

// An offensive lineman's ratings are kept as loaded; anybody else is rated from last season's
// statistics made his predicted ones.
static void Keep_Or_Rate_From_Last_Season(int nTeam, int nSlot) {
    if (Get_Position_Group(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION)) == GROUP_LINE) {
        KEPT_RATINGS kept = {Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_PLAYER_ID), {}};
        for (int nRating = 0; nRating < RATING_COUNT; nRating++)
            kept.afRatings[nRating] = Get_Stored_Player_Rating(nTeam, nSlot, nRating);
        gKeptLinemen.push_back(kept);
        return;
    }
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++)
        Set_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat,
                        Get_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, nStat));
    Calculate_Player_Ratings(nTeam, nSlot);
}

// The league's ratings from last season, repaired and normalised, the linemen's put back after.
static void Rate_From_Last_Season(void) {
    gKeptLinemen.clear();
    For_Each_Roster_Player(Keep_Or_Rate_From_Last_Season);
    Repair_Missing_Ratings();
    Normalize_Player_Ratings();
    for (const KEPT_RATINGS& kept : gKeptLinemen) {
        int nTeam, nSlot;
        if (!Get_Player_By_ID(&nTeam, &nSlot, kept.nPlayerId))
            continue;
        for (int nRating = 0; nRating < RATING_COUNT; nRating++)
            Set_Player_Rating(nTeam, nSlot, kept.afRatings[nRating], nRating);
    }
    gKeptLinemen.clear();
}

int Export_Replay_Mode_Player_Ratings(void) {
    int nExported = 0;
    for (int nYear = FIRST_EXPORT_YEAR + 1; nYear <= LAST_EXPORT_YEAR; nYear++) {
        if (!Load_Built_Universe(nYear))
            continue;
        Rate_From_Last_Season();
        Export_Player_Ratings_CSV(POS_ANY, nYear - 1);
        nExported++;
    }
    Show_Message_Box(EXPORT_CAPTION, "Export_Replay_Mode_Player_Ratings(1951-2019) completed.");
    return nExported;
}
