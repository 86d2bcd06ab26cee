// The real draft class of a season, kept by the database builder as raw player records and
// loaded into the draft pool when a league reaches that season's draft.
#include <stdio.h>
#include <string.h>

#include <algorithm>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define DRAFT_CLASS_FILE_FORMAT "databases/rookies-%d.dat"
#define DRAFT_CLASS_PATH_SIZE 64
#define LOADED_CLASS_PLAYERS 300
#define LAST_NOTED_CLASS_YEAR 2021
#define LAST_UNDATED_CLASS_YEAR 2017
#define MOST_DRAFT_VALUE 125
#define QUARTERBACK_VALUE_BONUS 20
#define DRAFT_VALUE_OFFSET 30
#define CAREER_VALUE_STAT 299
#define VITAL_DRAFT_STANDING 17  // above 3: a rookie some classes list

static PLAYER gDraftClass[DRAFT_CLASS_SIZE];

static void Get_Draft_Class_Path(int nYear, char* szPath, int nSize) {
    Format_String(szPath, nSize, DRAFT_CLASS_FILE_FORMAT, nYear);
}

// A player who has not played yet and entered the league in the base year (or whose draft year
// is unknown). Three classes list only players with some draft standing.
static int Is_Draft_Class_Player(int nTeam, int nSlot, int nYear) {
    if (Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, 0) != 0 ||
        Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_RANDOM_PROSPECT) != 0)
        return 0;
    if ((nYear == 1987 || nYear == 2013 || nYear == 2014) &&
        Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_DRAFT_STANDING) <= 3)
        return 0;
    int r = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_DRAFT_RECORD) % 10000;
    return r == nYear || r < 0 || (r == 0 && nYear <= LAST_UNDATED_CLASS_YEAR);
}

static int Set_Draft_Class_Value(int nTeam, int nSlot) {
    int nValue = (int)Get_Player_Potential(nTeam, nSlot) - DRAFT_VALUE_OFFSET;
    if (Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION) == POS_QB)
        nValue = (int)Get_Player_Potential(nTeam, nSlot) + QUARTERBACK_VALUE_BONUS;
    nValue = Clamp(nValue, 0, MOST_DRAFT_VALUE);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SCOUTING_SCORE, nValue);
    return nValue;
}

// Takes the class into gDraftClass in team then slot order; the count taken.
static int Collect_Draft_Class(int nYear) {
    memset(gDraftClass, 0, sizeof(gDraftClass));
    int nCount = 0;
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot) || !Is_Draft_Class_Player(nTeam, nSlot, nYear))
                continue;
            if (nCount == DRAFT_CLASS_SIZE) {
                char szCaption[64];
                Format_String(szCaption, sizeof(szCaption), "Overflow in %d DRAFT_CLASS database",
                              nYear);
                Show_Message_Box(szCaption,
                                 "Too many players in %d draft class. Aborted during team #%d "
                                 "(out of %d).",
                                 nYear, nTeam + 1, nTeams);
                return nCount;
            }
            Set_Draft_Class_Value(nTeam, nSlot);
            Copy_Player_To_Memory(nTeam, nSlot, &gDraftClass[nCount++]);
        }
    }
    return nCount;
}

static bool Has_Higher_Draft_Value(const PLAYER& a, const PLAYER& b) {
    return a.anVitalStats[VITAL_SCOUTING_SCORE] > b.anVitalStats[VITAL_SCOUTING_SCORE];
}

int Write_Draft_Class_Database(void) {
    int nYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    int nCount = Collect_Draft_Class(nYear);
    char szPath[DRAFT_CLASS_PATH_SIZE];
    Get_Draft_Class_Path(nYear, szPath, sizeof(szPath));
    FILE* pFile = Platform_Open_File(szPath, "wb");
    if (pFile == NULL)
        return DRAFT_CLASS_NOT_CREATED;
    // Equal values keep their scan order.
    std::stable_sort(gDraftClass, gDraftClass + nCount, Has_Higher_Draft_Value);
    int bWritten = fwrite(gDraftClass, sizeof(gDraftClass), 1, pFile) == 1;
    if (fclose(pFile) != 0)
        bWritten = 0;
    if (!bWritten) {
        Platform_Remove_File(szPath);
        return DRAFT_CLASS_WRITE_FAILED;
    }
    return DRAFT_CLASS_WRITTEN;
}

// A record of another league becomes a prospect of this one, with his downloaded portrait as his
// photo: its season lines are not ours.
static void Take_Draft_Class_Player(int nTeam, int nSlot, const PLAYER* pRecord) {
    Copy_Player_From_Memory(nTeam, nSlot, pRecord);
    if (pRecord->anVitalStats[VITAL_PLAYER_ID] == 0) {
        Clear_Player(nTeam, nSlot);
        return;
    }
    Install_Player_Photo(nTeam, nSlot);
    Clear_Player_Season_Links(nTeam, nSlot);
    Set_Player_Season_Line_Cache(nTeam, nSlot, NO_SEASON_LINE);
    Init_New_Player_Record(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, -1);
    Generate_Player_Career_History(nTeam, nSlot, 1);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SCOUTING_SCORE,
                          Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, CAREER_VALUE_STAT));
}

void Load_Draft_Class_Database(void) {
    Log_Debug_Line("Entering Load_Draft_Class_Database()");
    int nClassYear = Get_Season_Year() + 1;
    char szPath[DRAFT_CLASS_PATH_SIZE];
    Get_Draft_Class_Path(nClassYear, szPath, sizeof(szPath));
    FILE* pFile = Platform_Open_File(szPath, "rb");
    if (pFile == NULL) {
        // Leagues made without import files keep no classes: the notice goes to the log only,
        // so that a draft does not stop on it.
        if (nClassYear <= LAST_NOTED_CLASS_YEAR)
            Log_Debug_Line(
                "%s not found. Generating random rookies.\n"
                "Leaving Load_Draft_Class_Database() [failure]",
                szPath);
        return;
    }
    memset(gDraftClass, 0, sizeof(gDraftClass));  // a short file leaves the rest empty
    size_t nRead = fread(gDraftClass, sizeof(PLAYER), DRAFT_CLASS_SIZE, pFile);
    fclose(pFile);
    (void)nRead;
    for (int n = 0; n < LOADED_CLASS_PLAYERS; n++)
        Take_Draft_Class_Player(FIRST_DRAFT_POOL_TEAM + n / PLAYERS_PER_TEAM, n % PLAYERS_PER_TEAM,
                                &gDraftClass[n]);
    Log_Debug_Line("Leaving Load_Draft_Class_Database() [success]");
}
