// The New Game dialog's figures of a team (its value, payroll, fans and best players) and the
// options it applies to the league it starts.
#include "database/database.h"
#include "personnel/personnel.h"
#include "setup/new_game_internal.h"

#define NOTABLE_FIRST_THRESHOLD 190
#define NOTABLE_THRESHOLD_STEP 10
#define NOTABLE_LAST_THRESHOLD 100
#define BROKEN_OVERALL 25
#define LOYALTY_WORDS 8

const char* Get_Fan_Loyalty_Word(int nFanSupport) {
    static const char* const kWords[LOYALTY_WORDS] = {
        "Apathetic", "Disinterested", "Fickle", "Casual", "Enthusiastic", "Loyal", "Devoted",
        "Fanatic"};
    int k = nFanSupport / 100 - 6;
    if (k < 0)
        k = 0;
    if (k >= LOYALTY_WORDS)
        k = LOYALTY_WORDS - 1;
    return kWords[k];
}

void Format_Franchise_Value(int nValue, char* szOut, int nSize) {
    if (nValue < 1000000) {
        Format_String(szOut, nSize, "Franchise Value: $%d Million", nValue / 1000);
        return;
    }
    int nBillions = nValue / 1000000;
    Format_String(szOut, nSize, "Franchise Value: $%d.%02d Billion", nBillions,
                  (nValue / 1000 - nBillions * 1000) / 10);
}

void Format_Payroll(int nPayroll, char* szOut, int nSize) {
    Format_String(szOut, nSize, "Player Payroll: $%d.%d Million", nPayroll / 1000,
                  (nPayroll % 1000) / 100);
}

// The score that makes a player notable: his potential and overall, a passer's completions, and
// less for the line, the defence and the kickers.
static int Score_Notable_Player(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nPotential = (int)Get_Player_Potential(nTeam, nSlot);
    float fOverall = Compute_Position_Rating(nTeam, nSlot, nPosition);
    if (fOverall < BROKEN_OVERALL) {
        Generate_Player_Ratings(nTeam, nSlot);
        fOverall = Compute_Position_Rating(nTeam, nSlot, nPosition);
    }
    int nScore = nPotential + (int)fOverall;
    if (nPosition == 0)
        return nScore + Get_Player_Stat(nTeam, nSlot, 2, 3) / 50;
    switch (Get_Position_Group(nPosition)) {
    case 2: return Mul_Div(nScore, 97, 100);
    case 1: return Mul_Div(nScore, 92, 100);
    case 3: return Mul_Div(nScore, 88, 100);
    default: return nScore;
    }
}

int Find_Notable_Players(int nTeam, int* pSlots) {
    int abShown[PLAYERS_PER_TEAM] = {0};
    int nFound = 0;
    for (int nThreshold = NOTABLE_FIRST_THRESHOLD;
         nFound < NOTABLE_PLAYER_LINES && nThreshold > NOTABLE_LAST_THRESHOLD;
         nThreshold -= NOTABLE_THRESHOLD_STEP) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM && nFound < NOTABLE_PLAYER_LINES; nSlot++) {
            if (abShown[nSlot] || !Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            if (Score_Notable_Player(nTeam, nSlot) >= nThreshold) {
                abShown[nSlot] = 1;
                pSlots[nFound++] = nSlot;
            }
        }
    }
    return nFound;
}

void Apply_New_Game_Options(const NEW_GAME_OPTIONS* pOptions) {
    if (pOptions->bFictionalPlayers) {
        Create_Fictional_Players();
        Check_Computer_Team_Rosters();
    }
    Pump_Messages();
    if (pOptions->bShufflePlayers) {
        Shuffle_Players("Shuffling Players...");
        Check_Computer_Team_Rosters();
    }
    Pump_Messages();
    if (pOptions->bEqualizeCities) {
        Equalize_Cities();
        Equalize_Team_Finances();
    }
    Pump_Messages();
    Randomize_Player_Ratings();
}
