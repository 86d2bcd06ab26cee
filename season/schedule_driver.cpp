// The season's schedule from the first source that fits the league: the files of a past season,
// a fixed schedule for the league's size, or the random schedule; then the postseason weeks.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "season/season.h"

#define LAST_SCHEDULE_FILE_YEAR 2000
#define MIN_SCHEDULE_FILE_GAMES 12
#define RANDOM_SCHEDULE_ATTEMPTS 1000
#define FIRST_BYE_SCHEDULE_YEAR 1990
#define SCHEDULE_CAPTION "Season Schedule"

int Has_Four_Team_Divisions(void) {
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++) {
        if (Count_Division_Teams(nDivision) != 4)
            return 0;
    }
    return 1;
}

int Should_Read_Schedule_Files(void) {
    int nYear = Get_Season_Year();
    if (nYear > LAST_SCHEDULE_FILE_YEAR)
        return 0;
    int nGames = Get_Schedule_Games_Setting();
    if (nGames < MIN_SCHEDULE_FILE_GAMES)
        return 0;
    if (nYear <= 1960 && nGames >= 14)
        return 0;
    return !(nYear <= 1977 && nGames >= 16);
}

int Get_Fixed_Schedule_Source(void) {
    int nTeams = Count_Active_Teams();
    int nGames = Get_Schedule_Games_Setting();
    int nYear = Get_Season_Year();
    if (nTeams == 32 && nGames == 17 && Has_Four_Team_Divisions())
        return SCHEDULE_SOURCE_32_TEAMS_17_GAMES;
    if (nTeams == 32 && nGames == 16 && Has_Four_Team_Divisions())
        return SCHEDULE_SOURCE_32_TEAMS;
    if (nTeams == 31 && nGames == 16)
        return SCHEDULE_SOURCE_31_TEAMS;
    if (nTeams == 30 && nGames == 16)
        return SCHEDULE_SOURCE_30_TEAMS;
    if (nTeams == 28 && nGames == 16)
        return nYear >= FIRST_BYE_SCHEDULE_YEAR ? SCHEDULE_SOURCE_28_TEAMS_BYES
                                                : SCHEDULE_SOURCE_28_TEAMS;
    if (nTeams == 28 && nGames == 14)
        return SCHEDULE_SOURCE_28_TEAMS_14_GAMES;
    if (nTeams == 26 && nGames == 14)
        return SCHEDULE_SOURCE_26_TEAMS;
    if (nTeams == 12 && nGames == 12)
        return SCHEDULE_SOURCE_12_TEAMS;
    return SCHEDULE_SOURCE_RANDOM;
}

static void Fill_Fixed_Schedule(int nSource) {
    switch (nSource) {
    case SCHEDULE_SOURCE_32_TEAMS_17_GAMES: Fill_17_Game_Schedule(); break;
    case SCHEDULE_SOURCE_32_TEAMS: Fill_Schedule(); break;
    case SCHEDULE_SOURCE_31_TEAMS: Generate_Schedule(); break;
    case SCHEDULE_SOURCE_30_TEAMS: Generate_30_Team_Schedule(); break;
    case SCHEDULE_SOURCE_28_TEAMS_BYES: Generate_28_Team_Bye_Schedule(); break;
    case SCHEDULE_SOURCE_28_TEAMS: Generate_28_Team_Schedule(); break;
    case SCHEDULE_SOURCE_28_TEAMS_14_GAMES: Generate_28_Team_14_Game_Schedule(); break;
    case SCHEDULE_SOURCE_26_TEAMS: Generate_26_Team_Schedule(); break;
    case SCHEDULE_SOURCE_12_TEAMS: Generate_12_Team_Schedule(); break;
    default: break;
    }
}

// The rows and postseason weeks as they were before the driver began, put back when no schedule
// could be made.
typedef struct SCHEDULE_SNAPSHOT {
    int32_t aaanRows[LEAGUE_TEAM_COUNT][SCHEDULE_WEEKS][SCHEDULE_FIELDS];
    int32_t anPostseasonWeeks[POSTSEASON_WEEK_COUNT];
} SCHEDULE_SNAPSHOT;

static void Take_Schedule_Snapshot(SCHEDULE_SNAPSHOT* pSnapshot) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++)
            for (int nField = 0; nField < SCHEDULE_FIELDS; nField++)
                pSnapshot->aaanRows[nTeam][nWeek][nField] =
                    Get_Team_Schedule_Stat(nTeam, nWeek, nField);
    memcpy(pSnapshot->anPostseasonWeeks, gPostseasonWeeks, sizeof pSnapshot->anPostseasonWeeks);
}

static void Restore_Schedule_Snapshot(const SCHEDULE_SNAPSHOT* pSnapshot) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++)
            for (int nField = 0; nField < SCHEDULE_FIELDS; nField++)
                Set_Team_Schedule_Stat(nTeam, nWeek, nField,
                                       pSnapshot->aaanRows[nTeam][nWeek][nField]);
    memcpy(gPostseasonWeeks, pSnapshot->anPostseasonWeeks, sizeof pSnapshot->anPostseasonWeeks);
}

static int Make_Random_Schedule(void) {
    for (int n = 0; n < RANDOM_SCHEDULE_ATTEMPTS; n++) {
        if (Generate_Random_Schedule())
            return 1;
    }
    return 0;
}

// A league of one team, or a season of no games, has nothing to schedule; it is refused before
// any row changes. Every other league gets a schedule, or a message and its old rows back.
int Create_Season_Schedule(void) {
    if (Count_Active_Teams() < 2 || Get_Schedule_Games_Setting() < 1) {
        Show_Message_Box(SCHEDULE_CAPTION,
                         "This league cannot be given a season schedule: it needs at least two "
                         "teams and at least one game a season. Add teams or games in the League "
                         "Editor.");
        return 0;
    }
    char szWhy[TEXT_BUFFER_SIZE];
    if (Find_League_Settings_Fault(szWhy, sizeof(szWhy))) {
        Show_Message_Box(SCHEDULE_CAPTION,
                         "This league cannot be given a season schedule: %s. Change it in the "
                         "League Editor.",
                         szWhy);
        return 0;
    }
    static SCHEDULE_SNAPSHOT snapshot;
    Take_Schedule_Snapshot(&snapshot);
    Clear_All_Schedules();
    Update_Standings();
    int bMade = Should_Read_Schedule_Files() && Read_Schedule_Files();
    if (!bMade) {
        int nSource = Get_Fixed_Schedule_Source();
        if (nSource != SCHEDULE_SOURCE_RANDOM) {
            Fill_Fixed_Schedule(nSource);
            bMade = 1;
        } else {
            bMade = Make_Random_Schedule();
        }
    }
    int nWeek = bMade ? Find_First_Postseason_Week() : 0;
    if (nWeek == 0) {
        Show_Message_Box(SCHEDULE_CAPTION,
                         "Unable to generate a season schedule for this league. Try moving or "
                         "erasing teams in the League Editor.");
        Restore_Schedule_Snapshot(&snapshot);
        return 0;
    }
    for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
        gPostseasonWeeks[n] = nWeek + n;
    return 1;
}
