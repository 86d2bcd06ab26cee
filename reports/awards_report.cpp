// The awards report: the season's three single awards and each league's Pro Bowl starters.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "reports/reports.h"
#include "reports/season_reports_internal.h"

#define AWARDS_FILE_FORMAT "Output\\Awards%02d.txt"
#define PREF_AWARDS_REPORT 80
#define AWARDS_PROGRESS_STEPS 100
#define PROGRESS_STEP 2
#define NO_SCORE (-2147483647)
#define PRO_BOWL_SPOTS 24
#define RETURN_BONUS_FULL_FROM 100  // above it the bonus is the value less 50

// The positions of the Pro Bowl starters, offence, defence and kickers.
static const int kProBowlSpots[PRO_BOWL_SPOTS] = {
    POS_QB, POS_RB, POS_FB, POS_TE, POS_WR, POS_WR, POS_T,  POS_G,  POS_C, POS_G, POS_T, POS_DE,
    POS_DT, POS_DT, POS_DE, POS_LB, POS_LB, POS_LB, POS_CB, POS_CB, POS_S, POS_S, POS_K, POS_P};
static const int kFirstSpotsOfUnits[] = {0, 11, 22};

// Who may win: a position group, the rookies, or one stored position within one league.
enum CANDIDATE_KIND { CANDIDATES_OF_GROUP, CANDIDATES_ROOKIES, CANDIDATES_OF_POSITION };

typedef struct AWARD_SEARCH {
    int nKind;
    int nValue;              // the group or the position
    int nLeague;             // -1: every league
    const int* anChosenIds;  // players already chosen score 0
    int nChosen;
} AWARD_SEARCH;

static int Get_Return_Bonus(int nTeam, int nSlot) {
    switch (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)) {
    case POS_RB:
    case POS_FB:
    case POS_TE:
    case POS_WR:
    case POS_CB:
    case POS_S: {
        int nReturns = Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_KICK_RETURN_GRADE) +
                       Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_PUNT_RETURN_GRADE);
        return nReturns <= RETURN_BONUS_FULL_FROM ? nReturns / 2 : nReturns - 50;
    }
    default: return 0;
    }
}

static int Is_Candidate(const AWARD_SEARCH* pSearch, int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    if (pSearch->nLeague >= 0 && Get_Team_Stat(nTeam, TEAM_DIVISION) / 4 != pSearch->nLeague)
        return 0;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    switch (pSearch->nKind) {
    case CANDIDATES_OF_GROUP: return Get_Position_Group(nPosition) == pSearch->nValue;
    case CANDIDATES_ROOKIES: return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE) == 0;
    default: return nPosition == pSearch->nValue;
    }
}

static int Get_Candidate_Score(const AWARD_SEARCH* pSearch, int nTeam, int nSlot) {
    int nId = Get_Player_ID(nTeam, nSlot);
    for (int n = 0; n < pSearch->nChosen; n++)
        if (pSearch->anChosenIds[n] == nId)
            return 0;
    return Get_Player_Stat_Value(nTeam, nSlot, SEASON_CURRENT) + Get_Return_Bonus(nTeam, nSlot);
}

// The first candidate with the highest score, teams and slots in ascending order; 0 when there
// is no candidate at all.
static int Find_Award_Winner(const AWARD_SEARCH* pSearch, int* pTeam, int* pSlot) {
    int nBest = NO_SCORE;
    int bFound = 0;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Candidate(pSearch, nTeam, nSlot))
                continue;
            int nScore = Get_Candidate_Score(pSearch, nTeam, nSlot);
            if (nScore > nBest) {
                nBest = nScore;
                *pTeam = nTeam;
                *pSlot = nSlot;
                bFound = 1;
            }
        }
    }
    return bFound;
}

// The winner's label, or an empty text when the award has no candidate this season.
static int Format_Award_Winner(const AWARD_SEARCH* pSearch, char* szOut, int nSize, int* pId) {
    int nTeam, nSlot;
    szOut[0] = 0;
    if (!Find_Award_Winner(pSearch, &nTeam, &nSlot))
        return 0;
    Format_Player_With_Team(nTeam, nSlot, szOut, nSize);
    if (pId)
        *pId = Get_Player_ID(nTeam, nSlot);
    return 1;
}

static void Write_Single_Awards(const char* szFile) {
    static const struct {
        const char* szTitle;
        int nKind, nValue;
    } kAwards[] = {
        {"MOST VALUABLE PLAYER", CANDIDATES_OF_GROUP, GROUP_SKILL},
        {"DEFENSIVE PLAYER OF THE YEAR", CANDIDATES_OF_GROUP, GROUP_DEFENCE},
        {"ROOKIE OF THE YEAR", CANDIDATES_ROOKIES, 0},
    };
    for (const auto& award : kAwards) {
        AWARD_SEARCH search = {award.nKind, award.nValue, -1, NULL, 0};
        char szWinner[SEASON_REPORT_LINE_SIZE];
        Format_Award_Winner(&search, szWinner, sizeof szWinner, NULL);
        Append_Format_To_File(szFile, "%32s: %s", award.szTitle, szWinner);
    }
    Append_Line_To_File(szFile, "");
}

static int Is_First_Spot_Of_Unit(int nSpot) {
    for (int nFirst : kFirstSpotsOfUnits)
        if (nSpot == nFirst)
            return 1;
    return 0;
}

static void Write_Pro_Bowl(const char* szFile, int nLeague) {
    char szLeague[64];
    Get_League_Name(nLeague, szLeague, sizeof szLeague);
    Upper_Case_First_Letter(szLeague);
    Append_Format_To_File(szFile, "%s PRO BOWL STARTERS (%d)", szLeague, Get_Season_Report_Year());
    Step_Progress_Window(PROGRESS_STEP);
    int anChosenIds[PRO_BOWL_SPOTS];
    int nChosen = 0;
    for (int nSpot = 0; nSpot < PRO_BOWL_SPOTS; nSpot++) {
        if (Is_First_Spot_Of_Unit(nSpot))
            Append_Line_To_File(szFile, "");
        int nPosition = kProBowlSpots[nSpot];
        AWARD_SEARCH search = {CANDIDATES_OF_POSITION, nPosition, nLeague, anChosenIds, nChosen};
        char szWinner[SEASON_REPORT_LINE_SIZE];
        int nId;
        if (Format_Award_Winner(&search, szWinner, sizeof szWinner, &nId))
            anChosenIds[nChosen++] = nId;
        char szPosition[16];
        Get_Position_Abbreviation(nPosition, szPosition, sizeof szPosition);
        Append_Format_To_File(szFile, "  %2s: %s", szPosition, szWinner);
        Step_Progress_Window(PROGRESS_STEP);
    }
    Append_Line_To_File(szFile, "");
}

void Write_Awards_Report(void) {
    if (!Get_User_Preference(PREF_AWARDS_REPORT))
        return;
    char szFile[64];
    if (!Start_Season_Report(AWARDS_FILE_FORMAT, szFile, sizeof szFile))
        return;
    Open_Progress_Window("Creating Output/Awards.txt...", AWARDS_PROGRESS_STEPS);
    Write_Single_Awards(szFile);
    for (int nLeague = 0; nLeague < Count_Active_Leagues(); nLeague++)
        Write_Pro_Bowl(szFile, nLeague);
    Close_Progress_Window();
}
