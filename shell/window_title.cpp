// The main window's caption and the two lines of the season-phase box, both from the phase the
// league is in.
#include "database/database.h"
#include "shell/shell.h"
#include "tools/tools.h"

#define TITLE_PRODUCT "Football Vanto"
#define TITLE_VERSION "22"
#define FINAL_POSTSEASON_ENTRY 3  // the week of the final

enum TITLE_PHASE {
    TITLE_PHASE_SIMULATOR,
    TITLE_PHASE_FANTASY_DRAFT,
    TITLE_PHASE_COLLEGE_DRAFT,
    TITLE_PHASE_OFF_SEASON_WEEK,  // week 100, between the seasons' years
    TITLE_PHASE_SEASON,
    TITLE_PHASE_AFTER_SEASON,  // past the final, the next off-season to come
};

// The labels of the season-phase box leave the simulator out.
static int Get_Title_Phase(int bWithSimulator) {
    int nSeason, nTarget;
    if (bWithSimulator && Get_Season_Simulator_Progress(&nSeason, &nTarget))
        return TITLE_PHASE_SIMULATOR;
    if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) != FANTASY_DRAFT_OFF)
        return TITLE_PHASE_FANTASY_DRAFT;
    if (Is_College_Draft_On())
        return TITLE_PHASE_COLLEGE_DRAFT;
    if (gCurrentWeek == OFF_SEASON_WEEK)
        return TITLE_PHASE_OFF_SEASON_WEEK;
    if (gCurrentWeek <= Get_Postseason_Week(FINAL_POSTSEASON_ENTRY))
        return TITLE_PHASE_SEASON;
    return TITLE_PHASE_AFTER_SEASON;
}

void Build_Main_Window_Title(char* szOut, int nSize) {
    int nYear = Get_Season_Year();
    char szWeek[64];
    int nSeason = 0, nTarget = 0;
    switch (Get_Title_Phase(1)) {
    case TITLE_PHASE_SIMULATOR:
        Get_Season_Simulator_Progress(&nSeason, &nTarget);
        Format_String(szOut, nSize, "%s %s (Simulating Seasons: %d/%d)", TITLE_PRODUCT,
                      TITLE_VERSION, nSeason, nTarget);
        break;
    case TITLE_PHASE_FANTASY_DRAFT:
        Format_String(szOut, nSize, "%s %s (Fantasy Draft: Round %d, Pick %d)", TITLE_PRODUCT,
                      TITLE_VERSION, Get_Fantasy_Draft_Round() + 1, Get_Fantasy_Draft_Place() + 1);
        break;
    case TITLE_PHASE_COLLEGE_DRAFT:
        Format_String(szOut, nSize, "%s %s (%d Draft)", TITLE_PRODUCT, TITLE_VERSION, nYear);
        break;
    case TITLE_PHASE_OFF_SEASON_WEEK:
        Format_String(szOut, nSize, "%s %s (%d-%d Offseason)", TITLE_PRODUCT, TITLE_VERSION,
                      nYear - 1, nYear);
        break;
    case TITLE_PHASE_SEASON:
        Get_Week_Name(gCurrentWeek, szWeek, sizeof(szWeek));
        Format_String(szOut, nSize, "%s %s (%d%s %s)", TITLE_PRODUCT, TITLE_VERSION, nYear,
                      gCurrentWeek < Get_Postseason_Week(0) ? "," : "", szWeek);
        break;
    default:
        Format_String(szOut, nSize, "%s %s (%d-%d Offseason)", TITLE_PRODUCT, TITLE_VERSION, nYear,
                      nYear + 1);
        break;
    }
}

void Get_Season_Phase_Labels(char* szFirst, char* szSecond) {
    int nYear = Get_Season_Year();
    switch (Get_Title_Phase(0)) {
    case TITLE_PHASE_FANTASY_DRAFT:
        Format_String(szFirst, SEASON_PHASE_LABEL_SIZE, "Round %d", Get_Fantasy_Draft_Round() + 1);
        Format_String(szSecond, SEASON_PHASE_LABEL_SIZE, "Pick %d", Get_Fantasy_Draft_Place() + 1);
        break;
    case TITLE_PHASE_COLLEGE_DRAFT:
        Format_String(szFirst, SEASON_PHASE_LABEL_SIZE, "%d", nYear);
        safe_strncpy(szSecond, "Amateur Draft", SEASON_PHASE_LABEL_SIZE);
        break;
    case TITLE_PHASE_SEASON:
        Format_String(szFirst, SEASON_PHASE_LABEL_SIZE, "%d", nYear);
        Get_Week_Short_Name(gCurrentWeek, szSecond, SEASON_PHASE_LABEL_SIZE);
        break;
    default: {
        int nFirstYear = gCurrentWeek == OFF_SEASON_WEEK ? nYear - 1 : nYear;
        Format_String(szFirst, SEASON_PHASE_LABEL_SIZE, "%d-%d", nFirstYear, nFirstYear + 1);
        safe_strncpy(szSecond, "Offseason", SEASON_PHASE_LABEL_SIZE);
        break;
    }
    }
}
