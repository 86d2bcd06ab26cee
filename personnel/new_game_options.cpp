// The options a new game may reshape its league with: fictional players, the shuffle, equal
// cities and finances, and the small variation of ratings every new game gets.
#include <math.h>

#include "database/database.h"
#include "personnel/personnel.h"

#define SHUFFLE_PASSES 10
#define SHUFFLE_PROGRESS_STEPS 100
#define FICTIONAL_GAMES_LIMIT 17
#define FICTIONAL_TRADE_ROUNDS 580
#define CITY_STAT_FIELDS 10
#define EQUAL_FAN_SUPPORT 1000
#define EQUAL_FINANCE_59 120000
#define EQUAL_FINANCE_62 250000
#define RATING_VARIATION_SPAN 0.025f
#define RATING_VARIATION_PULL 0.003f
#define RATING_VARIATION_FLOOR 0.01f

// The rosters the shuffle mixes: the league teams in use and the free agents. The Hall of Fame
// and the draft pools keep their players.
static int Is_Shuffled_Roster(int nTeam) {
    return nTeam == FREE_AGENT_TEAM || (nTeam < LEAGUE_TEAM_COUNT && Is_Team_Active(nTeam));
}

// A league team 0..n-1 drawn uniformly.
static int Draw_League_Destination(double u, int nTeams) {
    int nTeam = (int)(u * nTeams);
    return nTeam < nTeams ? nTeam : nTeams - 1;
}

void Shuffle_Players_Pass(void) {
    int nTeams = Count_Active_Teams();
    Clear_Draft_Destinations();
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            double u = Random_Unit();  // drawn for every pair, so the draws do not hang on rosters
            if (Is_Shuffled_Roster(nTeam) && Is_Player_Slot_Used(nTeam, nSlot))
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO,
                                      Draw_League_Destination(u, nTeams));
        }
    }
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
            if (!Is_Shuffled_Roster(nTeam) || !Is_Player_Slot_Used(nTeam, nSlot) ||
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_MOVED))
                continue;
            int nTo = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO);
            if (nTo == nTeam) {
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_MOVED, 1);
                continue;
            }
            int nNewSlot = Move_Player_To_Team(nTo, nTeam, nSlot);
            if (nNewSlot != NO_SLOT_BYTE && Is_Player_Slot_Used(nTo, nNewSlot))
                Set_Player_Vital_Stat(nTo, nNewSlot, VITAL_DRAFT_MOVED, 1);
            else  // a full roster: another destination for the next pass
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO,
                                      Draw_League_Destination(Random_Unit(), nTeams));
        }
    }
}

void Shuffle_Players(const char* szProgressTitle) {
    int bOpened = Open_Progress_Window(szProgressTitle, SHUFFLE_PROGRESS_STEPS);
    Set_Shuffling_Players(0);
    for (int nPass = 0; nPass < SHUFFLE_PASSES; nPass++) {
        Shuffle_Players_Pass();
        Step_Progress_Window(SHUFFLE_PROGRESS_STEPS / SHUFFLE_PASSES);
    }
    Set_Shuffling_Players(1);
    if (bOpened)
        Close_Progress_Window();
    Set_All_Depth_Charts(0);
}

// ---- fictional players -------------------------------------------------------------------------

// The fewest players of each position a team may start the game with.
static const int kMinimumRoster[POSITION_COUNT] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};

static int Is_Any_Roster(int nTeam) {
    return Is_Valid_Team(nTeam);
}

static void Give_Fictional_Names(void) {
    int bOpened = Open_Progress_Window("Creating Players (Step 1 of 3)", SHUFFLE_PROGRESS_STEPS);
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
            if (Is_Any_Roster(nTeam) && Is_Player_Slot_Used(nTeam, nSlot))
                Generate_Player_Name(nTeam, nSlot);
        }
        Step_Progress_Window(nSlot % 4 == 2 ? 2 : 1);
    }
    if (bOpened)
        Close_Progress_Window();
}

static void Run_Fictional_Trade_Seasons(void) {
    int bOpened = Open_Progress_Window("Simulating Seasons (Step 3 of 3)", SHUFFLE_PROGRESS_STEPS);
    for (int nRound = 1; nRound <= FICTIONAL_TRADE_ROUNDS; nRound++) {
        Run_Computer_Trades();
        if (nRound % 10 == 0)
            Step_Progress_Window(1);
        Pump_Messages();
    }
    if (bOpened)
        Close_Progress_Window();
}

static void Fill_Minimum_Roster(int nTeam) {
    int anCount[POSITION_COUNT] = {0};
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        if (Is_Player_Slot_Used(nTeam, nSlot) && nPosition >= 0 && nPosition < POSITION_COUNT)
            anCount[nPosition]++;
    }
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        while (anCount[nPosition] < kMinimumRoster[nPosition]) {
            int nSlot = Find_Free_Player_Slot(nTeam);
            if (nSlot >= PLAYERS_PER_TEAM)
                return;
            Fabricate_Position_Player(nTeam, nSlot, nPosition, 0);
            anCount[nPosition]++;
        }
    }
}

// A new college, number, height and weight, so that nothing of the real man is left.
static void Give_Fictional_Vitals(int nTeam, int nSlot) {
    int nFirst = Random_Below(COLLEGE_COUNT);
    int nSecond = Random_Below(COLLEGE_COUNT);
    char szCollege[PLAYER_COLLEGE_SIZE];
    Get_College_Name(nFirst < nSecond ? nFirst : nSecond, szCollege, sizeof szCollege);
    Set_Player_College_Name(nTeam, nSlot, szCollege);
    Assign_Uniform_Number(nTeam, nSlot);
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT, Generate_Player_Height(nPosition));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT, Generate_Player_Weight(nTeam, nSlot));
}

// The player's linked lines, in link order; how many.
static int Get_Linked_Lines(int nTeam, int nSlot, int* pLines) {
    int nLines = 0;
    for (int n = 0; n < SEASON_LINK_COUNT; n++) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
        if (nLine >= 0)
            pLines[nLines++] = nLine;
    }
    return nLines;
}

// Neighbouring lines of one year become one: the second one's figures go into the first.
static void Merge_Same_Year_Lines(int nTeam, int nSlot) {
    int anLines[SEASON_LINK_COUNT];
    int nLinks = Get_Linked_Lines(nTeam, nSlot, anLines);
    int nPasses = nLinks - 1 < 3 ? nLinks - 1 : 3;
    for (int nPass = 0; nPass < nPasses; nPass++) {
        for (int n = 0; n + 1 < SEASON_LINK_COUNT; n++) {
            int nFirst = Get_Player_Season_Line(nTeam, nSlot, n);
            int nSecond = Get_Player_Season_Line(nTeam, nSlot, n + 1);
            if (nFirst < 0 || nSecond < 0 ||
                Get_Season_Line_Year(nFirst) != Get_Season_Line_Year(nSecond))
                continue;
            for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++) {
                Add_Season_Line_Stat(nStat, nFirst, Get_Season_Line_Stat(nSecond, nStat));
                Set_Season_Line_Stat(nSecond, nStat, 0);
            }
            Remove_Player_Season_Link(nTeam, nSlot, n + 1);
        }
    }
}

// Last season's figures from the line of the season before the first one, a defender's stat 4
// and a passer's or runner's stats 5 and 8 held to their limits in both.
static void Rebuild_Previous_Season(int nTeam, int nSlot, const int* pLines, int nLines) {
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++)
        Set_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, nStat, 0);
    int nFirstYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    for (int n = 0; n < nLines; n++) {
        int nLine = pLines[n];
        if (Get_Season_Line_Year(nLine) + 1 != nFirstYear || Get_Season_Line_Flag(nLine) < 0)
            continue;
        for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++) {
            int nValue = Get_Season_Line_Stat(nLine, nStat);
            int nLimit = -1;
            if (nPosition >= POS_DE && nPosition <= POS_S && nStat == 4)
                nLimit = 26;
            else if (nPosition <= POS_WR && nStat == 5)
                nLimit = 3900;
            else if (nPosition <= POS_WR && nStat == 8)
                nLimit = 1600;
            if (nLimit >= 0 && nValue > nLimit) {
                nValue = nLimit;
                Set_Season_Line_Stat(nLine, nStat, nValue);
            }
            Set_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, nStat, nValue);
        }
    }
}

// Each figure of each line moved by up to a tenth either way (down for a regular starter's), the
// career and last season moved alike and the projection by a share; games and starts kept within
// the season's games.
static void Add_Season_Line_Noise(int nTeam, int nSlot, const int* pLines, int nLines) {
    int nFirstYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    int nSeasonGames = Get_Universe_Stat(UNIVERSE_SEASON_GAMES);
    for (int n = 0; n < nLines; n++) {
        int nLine = pLines[n];
        int bLastSeason = Get_Season_Line_Year(nLine) + 1 == nFirstYear;
        int bRegularStarter = Get_Season_Line_Stat(nLine, 1) >= 14;
        for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++) {
            int nValue = Get_Season_Line_Stat(nLine, nStat);
            int d = (nValue + 5) * 10 / 100;
            int nNoise = (int)floor(Random_Unit() * d) - (int)floor(Random_Unit() * d);
            if (bRegularStarter)
                nNoise -= d;
            Set_Season_Line_Stat(nLine, nStat, nValue + nNoise);
            Add_Player_Stat(nTeam, nSlot, SEASON_CAREER, nStat, nNoise);
            if (bLastSeason)
                Add_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, nStat, nNoise);
            Add_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat,
                            (int)floor((double)nNoise / nLines + 0.5));
        }
        int nGames = Get_Season_Line_Stat(nLine, 0);
        if (nGames > nSeasonGames)
            Set_Season_Line_Stat(nLine, 0, nGames = nSeasonGames);
        int nStartsLimit = nGames < nSeasonGames ? nGames : nSeasonGames;
        if (Get_Season_Line_Stat(nLine, 1) > nStartsLimit)
            Set_Season_Line_Stat(nLine, 1, nStartsLimit);
    }
}

// A fictional player's career lines: one line a year, his current team on the league's lines,
// last season rebuilt and every figure varied, so his record is no real man's.
static void Vary_Fictional_Season_Lines(int nTeam, int nSlot) {
    Merge_Same_Year_Lines(nTeam, nSlot);
    int anLines[SEASON_LINK_COUNT];
    int nLines = Get_Linked_Lines(nTeam, nSlot, anLines);
    for (int n = 0; n < nLines; n++) {
        if (Get_Season_Line_Flag(anLines[n]) >= 0)
            Set_Season_Line_Team(anLines[n], nTeam);
    }
    Rebuild_Previous_Season(nTeam, nSlot, anLines, nLines);
    Add_Season_Line_Noise(nTeam, nSlot, anLines, nLines);
}

void Create_Fictional_Players(void) {
    if (Get_Universe_Stat(UNIVERSE_SEASON_GAMES) > FICTIONAL_GAMES_LIMIT)
        Set_Universe_Stat(UNIVERSE_SEASON_GAMES, FICTIONAL_GAMES_LIMIT);
    Give_Fictional_Names();
    Shuffle_Players("Analyzing Data (Step 2 of 3)");
    Run_Fictional_Trade_Seasons();
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (nTeam < LEAGUE_TEAM_COUNT && Is_Team_Active(nTeam))
            Fill_Minimum_Roster(nTeam);
        if (!Is_Any_Roster(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            Give_Fictional_Vitals(nTeam, nSlot);
            Vary_Fictional_Season_Lines(nTeam, nSlot);
        }
    }
}

// ---- equal markets -----------------------------------------------------------------------------

void Equalize_Cities(void) {
    static const int kCityStats[CITY_STAT_FIELDS] = {1000000, 2500000, 20000, 25000, 0,
                                                     114000,  42000,   3,     0,     0};
    int nCities = Count_Cities();
    for (int nCity = 0; nCity < nCities; nCity++) {
        for (int nStat = 0; nStat < CITY_STAT_FIELDS; nStat++)
            Set_City_Stat(nCity, nStat, kCityStats[nStat]);
        Set_City_Stat(nCity, 5, (nCity % 11) * 4000 + 70000);
        Set_City_Stat(nCity, 6, (nCity % 10) * 2000 + 25000);
    }
}

void Equalize_Team_Finances(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        static const int kFanStats[] = {FIN_FAN_SUPPORT, 2, 3};
        for (int nStat : kFanStats)
            Set_Team_Financial_Stat(nTeam, nStat, EQUAL_FAN_SUPPORT);
        Set_Team_Financial_Stat(nTeam, FIN_CASH, Get_Base_Team_Cash());
        Set_Team_Financial_Stat(nTeam, 59, EQUAL_FINANCE_59);
        Set_Team_Financial_Stat(nTeam, 62, EQUAL_FINANCE_62);
    }
}

// ---- the variation of every new game -----------------------------------------------------------

// How many of the potential steps the player reaches.
static int Count_Potential_Steps(float fPotential) {
    static const int kSteps[] = {59, 63, 66, 69, 75, 80, 85, 90, 93};
    int nSteps = 0;
    for (int nStep : kSteps) {
        if (fPotential < nStep)
            break;
        nSteps++;
    }
    return nSteps;
}

void Randomize_Player_Ratings(void) {
    int nDifficulty = gDifficulty;
    int nYear = Get_Season_Year();
    float fAging = (Get_Universe_Stat(UNIVERSE_AGING) + 100) / 100.0f;
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams && nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            int nBirthYear = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
            int nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
            int nChance = (2 * nDifficulty + nBirthYear - nYear) * 10 -
                          (nExperience < 3 ? nExperience : 3) * 75 + 525;
            if (Random_Below(1000) >= nChance)
                continue;
            int nSteps = Count_Potential_Steps(Get_Player_Potential(nTeam, nSlot));
            float x = (float)Random_Unit() * RATING_VARIATION_SPAN -
                      fAging * nSteps * RATING_VARIATION_PULL;
            if (fabsf(x) > RATING_VARIATION_FLOOR)
                Modify_Player_Ratings(nTeam, nSlot, x, 0);
        }
    }
}
