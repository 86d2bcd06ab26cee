// A game's weather: precipitation and temperature from the home city's place and the month, the
// wind, and whether the roof is closed.
#include <stdlib.h>

#include "engine/engine.h"

#define OFF_SEASON_DAY 104
#define SEASON_START_DAY 249
#define ROOF_DOME 1
#define ROOF_RETRACTABLE 2
#define INDOOR_WIND (-1)

static const int MONTH_DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The month 0..11 of the game's day of the year.
static int Get_Game_Month(void) {
    int nDay = gCurrentWeek == OFF_SEASON_WEEK ? OFF_SEASON_DAY
                                               : (gCurrentWeek * 7 + SEASON_START_DAY) % 365;
    int nMonth = 0;
    while (nMonth < 11 && nDay >= MONTH_DAYS[nMonth]) {
        nDay -= MONTH_DAYS[nMonth];
        nMonth++;
    }
    return nMonth;
}

// West of the 100th meridian the summer is drier. Never below 0.
int Roll_Precipitation(int nHome, int nMonth) {
    int r = Random_Below(145);
    int nLongitude = Get_Team_City_Stat(nHome, CITY_LONGITUDE);
    if (nLongitude <= 100000)
        return r;
    int b = 250 - (7 - abs(nMonth - 6)) * (nLongitude / 1000 - 100);
    return Max_Int(Mul_Div(r, b, 250), 0);
}

int Roll_Temperature(int nHome, int nMonth, int nFlag, int nPrecipitation) {
    (void)nFlag;
    int nLatitude = Clamp(Get_Team_City_Stat(nHome, CITY_LATITUDE), 23000, 46000);
    int nLongitude = Clamp(Get_Team_City_Stat(nHome, CITY_LONGITUDE), 75000, 122000);
    int nElevation = Get_Team_City_Stat(nHome, CITY_ALTITUDE);
    int nWest = nLongitude > 100000 ? (nLongitude - 100000) / -2 : 0;
    int m = 92 - (nLatitude + nWest - 16500) * abs(nMonth - 6) * 10 / 25500;
    if (nLongitude >= 116501)
        m = (m + 70) / 2;
    int t = m + Random_Below(10);
    t -= Random_Below(10);
    t -= nElevation / 300;
    if (nPrecipitation > 100)
        t = Mul_Div(t, 480, nPrecipitation + 400);
    return t;
}

static int Is_Roof_Closed(int nHome, int nTemperature, int nPrecipitation) {
    int nRoof = Get_Team_Stadium_Stat(nHome, STADIUM_STRUCTURE);
    if (nRoof == ROOF_DOME)
        return 1;
    if (gCurrentWeek + 1 == gPostseasonWeeks[4] && Get_Season_Year() % 2 == 0)
        return 1;
    return nRoof == ROOF_RETRACTABLE &&
           (nPrecipitation > 90 || nTemperature < 55 || nTemperature + nPrecipitation / 10 > 88);
}

void Set_Game_Weather(GAME* pGame) {
    if (pGame == NULL)
        return;
    int nHome = pGame->anTeams[HOME_SIDE];
    int nMonth = Get_Game_Month();
    int nPrecipitation = Roll_Precipitation(nHome, nMonth);
    int nTemperature = Roll_Temperature(nHome, nMonth, 0, nPrecipitation);
    if (gCurrentWeek + 1 == gPostseasonWeeks[4])
        nTemperature = 62 + Random_Below(20);
    else if (gCurrentWeek + 1 == gPostseasonWeeks[5])
        nTemperature = 72 + Random_Below(15);
    if (Is_Roof_Closed(nHome, nTemperature, nPrecipitation)) {
        pGame->anInfo[GAME_INFO_WIND_SPEED] = INDOOR_WIND;
        pGame->anInfo[GAME_INFO_WIND_ANGLE] = INDOOR_WIND;
        nTemperature = (nTemperature + 730) / 11;
    } else {
        int nWind = Random_Below(12);
        nWind += Random_Below(12);
        pGame->anInfo[GAME_INFO_WIND_SPEED] = (int16_t)Max_Int(nWind - 7, 0);
        pGame->anInfo[GAME_INFO_WIND_ANGLE] = (int16_t)Random_Below(360);
    }
    pGame->anInfo[GAME_INFO_TEMPERATURE] = (int16_t)nTemperature;
    pGame->anInfo[GAME_INFO_PRECIPITATION] = (int16_t)nPrecipitation;
}
