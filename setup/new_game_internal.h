// What the New Game dialog's files share inside the setup folder.
#pragma once

#define NOTABLE_PLAYER_LINES 5
#define FAME_USER_NAME_SIZE 256

// The options of the dialog's check boxes, applied in this order before the game starts.
struct NEW_GAME_OPTIONS {
    int bFictionalPlayers;
    int bShufflePlayers;
    int bEqualizeCities;
};
void Apply_New_Game_Options(const NEW_GAME_OPTIONS* pOptions);

// Up to five of the team's best players, best first by the dialog's score; how many were found.
int Find_Notable_Players(int nTeam, int* pSlots);
const char* Get_Fan_Loyalty_Word(int nFanSupport);
void Format_Franchise_Value(int nValue, char* szOut, int nSize);  // nValue in thousands
void Format_Payroll(int nPayroll, char* szOut, int nSize);        // nPayroll in thousands

// The tables outside the block that a load builds, rebuilt for the league now in memory.
void Rebuild_Tables_After_League_Change(void);

// The user's name kept in the fame file; empty when the file is missing or cannot be read.
void Get_Fame_File_User_Name(char* szOut, int nSize);
