// The states, the District of Columbia, the Canadian provinces and territories and the US
// territories: full name, abbreviation, postal code and short code.
#include <strings.h>

#include "core/core.h"
#include "season/season.h"

#define PLACE_FIELD_COUNT 4

static const char* const kPlaces[PLACE_COUNT][PLACE_FIELD_COUNT] = {
    {"Alabama", "Ala.", "AL", "US-AL"},
    {"Alaska", "Alaska", "AK", "US-AK"},
    {"Arizona", "Ariz.", "AZ", "US-AZ"},
    {"Arkansas", "Ark.", "AR", "US-AR"},
    {"California", "Calif.", "CA", "US-CA"},
    {"Colorado", "Colo.", "CO", "US-CO"},
    {"Connecticut", "Conn.", "CT", "US-CT"},
    {"Delaware", "Del.", "DE", "US-DE"},
    {"Florida", "Fla.", "FL", "US-FL"},
    {"Georgia", "Ga.", "GA", "US-GA"},
    {"Hawaii", "Hawaii", "HI", "US-HI"},
    {"Idaho", "Idaho", "ID", "US-ID"},
    {"Illinois", "Ill.", "IL", "US-IL"},
    {"Indiana", "Ind.", "IN", "US-IN"},
    {"Iowa", "Iowa", "IA", "US-IA"},
    {"Kansas", "Kan.", "KS", "US-KS"},
    {"Kentucky", "Ky.", "KY", "US-KY"},
    {"Louisiana", "La.", "LA", "US-LA"},
    {"Maine", "Maine", "ME", "US-ME"},
    {"Maryland", "Md.", "MD", "US-MD"},
    {"Massachusetts", "Mass.", "MA", "US-MA"},
    {"Michigan", "Mich.", "MI", "US-MI"},
    {"Minnesota", "Minn.", "MN", "US-MN"},
    {"Mississippi", "Miss.", "MS", "US-MS"},
    {"Missouri", "Mo.", "MO", "US-MO"},
    {"Montana", "Mont.", "MT", "US-MT"},
    {"Nebraska", "Neb.", "NE", "US-NE"},
    {"Nevada", "Nev.", "NV", "US-NV"},
    {"New Hampshire", "N.H.", "NH", "US-NH"},
    {"New Jersey", "N.J.", "NJ", "US-NJ"},
    {"New Mexico", "N.M.", "NM", "US-NM"},
    {"New York", "N.Y.", "NY", "US-NY"},
    {"North Carolina", "N.C.", "NC", "US-NC"},
    {"North Dakota", "N.D.", "ND", "US-ND"},
    {"Ohio", "Ohio", "OH", "US-OH"},
    {"Oklahoma", "Okla.", "OK", "US-OK"},
    {"Oregon", "Ore.", "OR", "US-OR"},
    {"Pennsylvania", "Pa.", "PA", "US-PA"},
    {"Rhode Island", "R.I.", "RI", "US-RI"},
    {"South Carolina", "S.C.", "SC", "US-SC"},
    {"South Dakota", "S.D.", "SD", "US-SD"},
    {"Tennessee", "Tenn.", "TN", "US-TN"},
    {"Texas", "Texas", "TX", "US-TX"},
    {"Utah", "Utah", "UT", "US-UT"},
    {"Vermont", "Vt.", "VT", "US-VT"},
    {"Virginia", "Va.", "VA", "US-VA"},
    {"Washington", "Wash.", "WA", "US-WA"},
    {"West Virginia", "W.Va.", "WV", "US-WV"},
    {"Wisconsin", "Wis.", "WI", "US-WI"},
    {"Wyoming", "Wyo.", "WY", "US-WY"},
    {"Washington", "D.C.", "DC", "US-DC"},
    {"Alberta", "Alta.", "AB", "CA-AB"},
    {"British Columbia", "B.C.", "BC", "CA-BC"},
    {"Manitoba", "Man.", "MB", "CA-MB"},
    {"New Brunswick", "N.B.", "NB", "CA-NB"},
    {"Newfoundland and Labrador", "N.L.", "NL", "CA-NL"},
    {"Nova Scotia", "N.S.", "NS", "CA-NS"},
    {"Northwest Territories", "N.W.T.", "NT", "CA-NT"},
    {"Nunavut", "Nvt.", "NU", "CA-NU"},
    {"Ontario", "Ont.", "ON", "CA-ON"},
    {"Prince Edward Island", "P.E.I.", "PE", "CA-PE"},
    {"Quebec", "Que.", "QC", "CA-QC"},
    {"Saskatchewan", "Sask.", "SK", "CA-SK"},
    {"Yukon", "Y.T.", "YT", "CA-YT"},
    {"American Samoa", "A.S.", "AS", "US-AS"},
    {"Guam", "Guam", "GU", "US-GU"},
    {"Northern Mariana Islands", "M.P.", "MP", "US-MP"},
    {"Puerto Rico", "P.R.", "PR", "US-PR"},
    {"U.S. Virgin Islands", "V.I.", "VI", "US-VI"},
};

const char* Get_Place_Name(int nRow, int nColumn) {
    return kPlaces[Clamp(nRow, 0, PLACE_COUNT - 1)][Clamp(nColumn, 0, PLACE_FIELD_COUNT - 1)];
}

void Expand_Postal_Code(char* szText, int nSize) {
    if (!szText || nSize <= 0)
        return;
    for (int nRow = 0; nRow < PLACE_COUNT; nRow++) {
        if (strcasecmp(szText, kPlaces[nRow][PLACE_POSTAL_CODE]) == 0) {
            safe_strncpy(szText, kPlaces[nRow][PLACE_NAME], nSize);
            return;
        }
    }
}
