// The fixed schedules by league size: a constant table names each week's games by slot, and a
// slot order puts the league's teams on the slots (a fixed order in the table's own year, else the
// divisions in standings order, for some sizes with random exchanges of whole divisions).
#include "core/core.h"
#include "database/database.h"
#include "season/season_internal.h"

#define MAX_SLOTS 32
#define BLOCK_TEAMS 5  // a five-team division's block of slots
#define FIRST_ORDER_YEAR 2002
#define LAST_ORDER_YEAR 2021
#define ORDER_YEAR_MOD_12 10  // 2002 mod 12: the order tables' years by year mod 12 start there

typedef int SLOT_ORDER[MAX_SLOTS];  // the team on every slot, NO_TEAM on a free slot

// A uniform draw in 0..n - 1.
static int Draw_Below(int n) {
    return Min_Int(Draw_Random(n), n - 1);
}

static int Draw_Half(void) {
    return Draw_Random(2) == 0;
}

// The team's place in its division: the standings' order first, then any team of the division
// the standings do not hold, in number order, so every team gets a place of its own.
static int Get_Division_Place(int nTeam) {
    int nDivision = Get_Team_Division(nTeam);
    int nPlace = 0;
    int anListed[LEAGUE_TEAM_COUNT] = {};
    for (int n = 0; n < DIVISION_PLACES; n++) {
        int nListed = Get_Division_Standings_Team(nDivision, n);
        if (!Is_Team_Active(nListed) || Get_Team_Division(nListed) != nDivision ||
            anListed[nListed])
            continue;
        if (nListed == nTeam)
            return nPlace;
        anListed[nListed] = 1;
        nPlace++;
    }
    for (int nOther = 0; nOther < nTeam; nOther++) {
        if (Is_Team_Active(nOther) && Get_Team_Division(nOther) == nDivision && !anListed[nOther])
            nPlace++;
    }
    return nPlace;
}

int Get_Team_Division_Slot(int nTeam) {
    int nDivision = Get_Team_Division(nTeam);
    int nSlot = 0;
    for (int n = 0; n < nDivision && n < DIVISION_COUNT; n++)
        nSlot += Count_Division_Teams(n);
    return nSlot + Get_Division_Place(nTeam);
}

int Get_Team_Template_Slot(int nTeam) {
    return 4 * Get_Team_Division(nTeam) + Get_Division_Place(nTeam);
}

static void Clear_Order(SLOT_ORDER anOrder) {
    for (int n = 0; n < MAX_SLOTS; n++)
        anOrder[n] = NO_TEAM;
}

static void Set_Fixed_Order(SLOT_ORDER anOrder, const int8_t* pOrder, int nSlots) {
    Clear_Order(anOrder);
    for (int n = 0; n < nSlots; n++)
        anOrder[n] = pOrder[n];
}

// Every active team on the slot that pfnSlot gives it; slots outside the order stay free.
static void Set_Computed_Order(SLOT_ORDER anOrder, int (*pfnSlot)(int)) {
    Clear_Order(anOrder);
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        int nSlot = pfnSlot(nTeam);
        if (nSlot >= 0 && nSlot < MAX_SLOTS)
            anOrder[nSlot] = nTeam;
    }
}

// Exchanges the teams of two blocks of slots pairwise.
static void Swap_Slot_Blocks(SLOT_ORDER anOrder, int nFirst, int nSecond, int nLength) {
    if (nFirst == nSecond)
        return;
    for (int n = 0; n < nLength; n++) {
        int nTeam = anOrder[nFirst + n];
        anOrder[nFirst + n] = anOrder[nSecond + n];
        anOrder[nSecond + n] = nTeam;
    }
}

static int Has_Division_Sizes(int nFirstDivision, const int* anSizes) {
    for (int n = 0; n < 4; n++) {
        if (Count_Division_Teams(nFirstDivision + n) != anSizes[n])
            return 0;
    }
    return 1;
}

// The common fill step over a table of {away slot, home slot} entries.
static void Fill_From_Table(const int8_t* pTable, int nWeeks, int nPositions,
                            const SLOT_ORDER anOrder) {
    for (int nWeek = 0; nWeek < nWeeks; nWeek++) {
        for (int nPos = 0; nPos < nPositions; nPos++) {
            const int8_t* pGame = pTable + (nWeek * nPositions + nPos) * 2;
            if (pGame[1] == NO_TEMPLATE_ENTRY || pGame[0] < 0 || pGame[1] < 0)
                continue;
            Schedule_Game(anOrder[pGame[1]], anOrder[pGame[0]], nWeek, nPos);
        }
    }
}

void Generate_12_Team_Schedule(void) {
    SLOT_ORDER anOrder;
    if (Get_Season_Year() == 1959) {
        Set_Fixed_Order(anOrder, k1959Order, 12);
    } else {
        Set_Computed_Order(anOrder, Get_Team_Division_Slot);
        if (Draw_Half())
            Swap_Slot_Blocks(anOrder, 0, 6, 6);
    }
    Fill_From_Table(&k12TeamSchedule[0][0][0], 12, 6, anOrder);
}

void Generate_26_Team_Schedule(void) {
    SLOT_ORDER anOrder;
    if (Get_Season_Year() == 1972) {
        Set_Fixed_Order(anOrder, k1972Order, 26);
    } else {
        Set_Computed_Order(anOrder, Get_Team_Division_Slot);
        if (Draw_Half())
            Swap_Slot_Blocks(anOrder, 5, 9, 4);
        if (Draw_Half())
            Swap_Slot_Blocks(anOrder, 18, 22, 4);
    }
    Fill_From_Table(&k26TeamSchedule[0][0][0], 14, 13, anOrder);
}

// 1977's order: the division slots 23 and up move back four, 19..22 forward five.
static int Get_1977_Slot(int nTeam) {
    int nSlot = Get_Team_Division_Slot(nTeam);
    if (nSlot >= 23)
        return nSlot - 4;
    return nSlot >= 19 ? nSlot + 5 : nSlot;
}

void Generate_28_Team_14_Game_Schedule(void) {
    SLOT_ORDER anOrder;
    int nYear = Get_Season_Year();
    if (nYear == 1976)
        Set_Fixed_Order(anOrder, k1976Order, 28);
    else
        Set_Computed_Order(anOrder, nYear == 1977 ? Get_1977_Slot : Get_Team_Division_Slot);
    Fill_From_Table(&k28Team14GameSchedule[0][0][0], 14, 14, anOrder);
}

void Generate_28_Team_Schedule(void) {
    SLOT_ORDER anOrder;
    if (Get_Season_Year() == 1986)
        Set_Fixed_Order(anOrder, k1986Order, 28);
    else
        Set_Computed_Order(anOrder, Get_Team_Division_Slot);
    for (int n = 0; n < 16 * 14; n++) {  // {week, day, away, home}: only the slots are read
        const int16_t* pGame = k28TeamSchedule[n];
        if (pGame[3] == NO_TEMPLATE_ENTRY || pGame[2] < 0 || pGame[3] < 0)
            continue;
        Schedule_Game(anOrder[pGame[3]], anOrder[pGame[2]], n / 14, n % 14);
    }
}

void Generate_28_Team_Bye_Schedule(void) {
    static const int kFirstLeague[4] = {5, 4, 5, 0};
    static const int kSecondLeague[4] = {5, 5, 4, 0};
    SLOT_ORDER anOrder;
    if (Get_Season_Year() == 1990) {
        Set_Fixed_Order(anOrder, k1990Order, 28);
    } else {
        Set_Computed_Order(anOrder, Get_Team_Division_Slot);
        if (Draw_Half() && Has_Division_Sizes(0, kFirstLeague))
            Swap_Slot_Blocks(anOrder, 0, 9, BLOCK_TEAMS);
        if (Draw_Half() && Has_Division_Sizes(4, kSecondLeague))
            Swap_Slot_Blocks(anOrder, 14, 19, BLOCK_TEAMS);
    }
    Fill_From_Table(&k28TeamByeSchedule[0][0][0], 17, 14, anOrder);
}

void Generate_30_Team_Schedule(void) {
    static const int kFiveFiveFive[4] = {5, 5, 5, 0};
    SLOT_ORDER anOrder;
    if (Get_Season_Year() == 1998) {
        Set_Fixed_Order(anOrder, k1998Order, 30);
    } else {
        Set_Computed_Order(anOrder, Get_Team_Division_Slot);
        for (int nLeague = 0; nLeague < 2; nLeague++) {
            if (!Has_Division_Sizes(4 * nLeague, kFiveFiveFive))
                continue;
            for (int n = 0; n < 3; n++) {
                int x = Draw_Below(3);
                int y = Draw_Below(3);
                Swap_Slot_Blocks(anOrder, 15 * nLeague + BLOCK_TEAMS * x,
                                 15 * nLeague + BLOCK_TEAMS * y, BLOCK_TEAMS);
            }
        }
    }
    Fill_From_Table(&k30TeamSchedule[0][0][0], 17, 15, anOrder);
}

int Get_2001_NFL_Schedule_Opponent(int nWeek, int nPosition, int nSide) {
    if (nWeek < 0 || nWeek > 16 || nPosition < 0 || nPosition > 14 || nSide < 0 || nSide > 1)
        return NO_TEMPLATE_ENTRY;
    return k2001Schedule[nWeek][nPosition][nSide];
}

// Three exchanges of five-slot blocks whose starts are drawn from the list.
static void Swap_Drawn_Blocks(SLOT_ORDER anOrder, const int* anStarts) {
    for (int n = 0; n < 3; n++) {
        int nFirst = anStarts[Draw_Below(6)];
        int nSecond = anStarts[Draw_Below(6)];
        Swap_Slot_Blocks(anOrder, nFirst, nSecond, BLOCK_TEAMS);
    }
}

// Both sides of a table entry; 0 after the message of a negative entry, which leaves the
// position out.
static int Read_Table_Game(int (*pfnEntry)(int, int, int, int), int nTable, int nWeek, int nPos,
                           int* pAway, int* pHome, const char* szMessage) {
    *pAway = pfnEntry(nTable, nWeek, nPos, 0);
    *pHome = pfnEntry(nTable, nWeek, nPos, 1);
    if (*pHome == NO_TEMPLATE_ENTRY)
        return 0;
    if (*pAway < 0 || *pHome < 0) {
        Show_Message_Box("Assert Error", "%s", szMessage);
        return 0;
    }
    return 1;
}

static int Get_2001_Entry(int nTable, int nWeek, int nPos, int nSide) {
    (void)nTable;
    return Get_2001_NFL_Schedule_Opponent(nWeek, nPos, nSide);
}

void Generate_Schedule(void) {
    static const int kFirstStarts[6] = {0, 11, 0, 11, 0, 11};
    static const int kSecondStarts[6] = {16, 21, 26, 16, 21, 26};
    SLOT_ORDER anOrder;
    if (Get_Season_Year() == 2001) {
        Set_Fixed_Order(anOrder, k2001Order, 31);
    } else {
        Set_Computed_Order(anOrder, Get_Team_Division_Slot);
        Swap_Drawn_Blocks(anOrder, kFirstStarts);
        Swap_Drawn_Blocks(anOrder, kSecondStarts);
    }
    for (int nWeek = 0; nWeek <= 16; nWeek++) {
        for (int nPos = 0; nPos <= 14; nPos++) {
            int nAway, nHome;
            if (Read_Table_Game(Get_2001_Entry, 0, nWeek, nPos, &nAway, &nHome,
                                "Get_2001_NFL_Schedule_Opponent() returned negative in "
                                "Generate_Schedule()"))
                Schedule_Game(anOrder[nHome], anOrder[nAway], nWeek, nPos);
        }
    }
}

static int Get_Template_Entry(int nTemplate, int nWeek, int nPos, int nSide) {
    return Get_Schedule_Opponent(nTemplate, nWeek, nPos,
                                 nSide == 0 ? TEMPLATE_AWAY : TEMPLATE_HOME);
}

void Fill_Schedule(void) {
    int nYear = Get_Season_Year();
    SLOT_ORDER anOrder;
    if (nYear > LAST_ORDER_YEAR) {
        Set_Computed_Order(anOrder, Get_Team_Template_Slot);
    } else {
        int nOrderYear = nYear;
        if (nYear < FIRST_ORDER_YEAR) {
            int nMod = ((nYear % 12) + 12) % 12;
            nOrderYear = FIRST_ORDER_YEAR + (nMod - ORDER_YEAR_MOD_12 + 12) % 12;
        }
        Set_Fixed_Order(anOrder, k32TeamOrders[nOrderYear - FIRST_ORDER_YEAR], MAX_SLOTS);
    }
    int nTemplate = Get_Year_Template(nYear);
    for (int nWeek = 0; nWeek < TEMPLATE_WEEKS; nWeek++) {
        for (int nPos = 0; nPos < TEMPLATE_POSITIONS; nPos++) {
            int nAway, nHome;
            if (Read_Table_Game(Get_Template_Entry, nTemplate, nWeek, nPos, &nAway, &nHome,
                                "Get_Schedule_Opponent() returned negative in Fill_Schedule()"))
                Schedule_Game(anOrder[nHome], anOrder[nAway], nWeek, nPos);
        }
    }
}

// A template slot of the 17-game season turned by the years since 2021: divisions 1..3 take each
// other's patterns over three years, divisions 4..7 over four.
int Rotate_Template_Slot(int nSlot, int nYear) {
    int k = nYear - LAST_ORDER_YEAR;
    if (k <= 0 || nSlot < 4)
        return nSlot;
    if (nSlot < 16) {
        nSlot += 4 * (k % 3);
        return nSlot > 15 ? nSlot - 12 : nSlot;
    }
    nSlot += 4 * (k % 4);
    if (nSlot > 31)
        nSlot -= 16;
    if (k % 4 == 2) {
        if (nSlot >= 20 && nSlot <= 23)
            nSlot += 4;
        else if (nSlot >= 24 && nSlot <= 27)
            nSlot -= 4;
    }
    return nSlot;
}

void Fill_17_Game_Schedule(void) {
    int nYear = Get_Season_Year();
    SLOT_ORDER anOrder;
    if (nYear == LAST_ORDER_YEAR)
        Set_Fixed_Order(anOrder, k32TeamOrders[LAST_ORDER_YEAR - FIRST_ORDER_YEAR], MAX_SLOTS);
    else
        Set_Computed_Order(anOrder, Get_Team_Template_Slot);
    for (int nWeek = 0; nWeek < LONG_TEMPLATE_WEEKS; nWeek++) {
        for (int nPos = 0; nPos < TEMPLATE_POSITIONS; nPos++) {
            int nAway, nHome;
            if (!Read_Table_Game(Get_Template_Entry, LONG_TEMPLATE, nWeek, nPos, &nAway, &nHome,
                                 "Get_Schedule_Opponent() returned negative in "
                                 "Fill_17_Game_Schedule()"))
                continue;
            nAway = Rotate_Template_Slot(nAway, nYear);
            nHome = Rotate_Template_Slot(nHome, nYear);
            Schedule_Game(anOrder[nHome], anOrder[nAway], nWeek, nPos);
        }
    }
}
