// The season folder's own tables: the constant schedule data (schedule_tables.cpp).
#pragma once

#include <stdint.h>

#include "season/season.h"

extern const int8_t kTemplateSlots[TEMPLATE_COUNT][LONG_TEMPLATE_WEEKS][TEMPLATE_POSITIONS][2];

// {away slot, home slot} by week and position; NO_TEMPLATE_ENTRY in both for an empty position.
extern const int8_t k12TeamSchedule[12][6][2];
extern const int8_t k26TeamSchedule[14][13][2];
extern const int8_t k28Team14GameSchedule[14][14][2];
extern const int16_t k28TeamSchedule[16 * 14][4];  // {week from 1, day, away slot, home slot}
extern const int8_t k28TeamByeSchedule[17][14][2];
extern const int8_t k30TeamSchedule[17][15][2];
extern const int8_t k2001Schedule[17][15][2];

// The fixed slot orders: the team number of every slot in the year each table was made for.
extern const int8_t k1959Order[12];
extern const int8_t k1972Order[26];
extern const int8_t k1976Order[28];
extern const int8_t k1986Order[28];
extern const int8_t k1990Order[28];
extern const int8_t k1998Order[30];
extern const int8_t k2001Order[31];
extern const int8_t k32TeamOrders[20][32];  // the years 2002..2021

// ---- league history (league_history.cpp) ---------------------------------------------------------
// "City,Nickname" into its two parts, each cut to nSize - 1 characters.
void Split_Team_Name(const char* szName, char* szCity, char* szNickname, int nSize);
// The team's city index from the city table; 0 when no city has that name (the index is kept).
int Set_Team_City_By_Name(int nTeam, const char* szCity);
