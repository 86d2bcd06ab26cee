// Helpers shared by the team finance modules.
#pragma once

#include <stdint.h>

// Base-season amounts; each is passed through Apply_Inflation where it is used.
#define BASE_TEAM_CASH 22812500
#define BASE_LEAGUE_REVENUE 182500000
#define BASE_WEEKLY_REVENUE_BONUS 370000
#define BASE_TICKET_PRICE 5000  // cents
#define BASE_PER_CAPITA_INCOME 25000
#define BASE_SPENDING_A 120000
#define BASE_SPENDING_B 250000
#define BASE_PAYROLL_THOUSANDS 177937
#define BASE_REVENUE_PROJECTION 1916250
#define BASE_STADIUM_REVENUE 1277500
#define BASE_MARKET_SIZE 112260
#define BASE_CHEAP_PAYROLL 118625000  // dollars; compared in thousands
#define PER_MILLE 1000
#define PAYROLL_SLOTS 51  // the roster slots that count for salaries and ages

// Games per team in the regular season, at most 17.
int Get_Season_Game_Count(void);
// Owner Mode: the user runs the money; otherwise the getter shows neutral values.
int Is_Owner_Mode(void);
// A league team run by a human while the computer does not run every team.
int Is_Human_Run_Team(int nTeam);
// The weeks from the first postseason week on.
int Is_Postseason_Week(void);

// The stored value of teams 0..40 as it is, without the neutral values of General Manager Mode.
int Get_Stored_Financial_Stat(int nTeam, int nStat);
void Add_Team_Financial_Stat(int nTeam, int nStat, int nAmount);
// Stores cash computed in 64 bits, held within the cash limits.
void Set_Team_Cash(int nTeam, int64_t nCash);
