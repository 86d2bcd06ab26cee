// Every player's ratings, or one position's, written as a CSV file that the ratings import
// reads back.
#include <stdio.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define RATINGS_FOLDER "Output/Ratings"
#define RATINGS_FILE_FORMAT "Output/Ratings/%d_Player_Ratings.csv"
#define RATINGS_ROW_SIZE 1024
#define PREF_SORTABLE_STATS_POSITION 87  // the Sortable Stats dialog's position, 15 all
#define MOST_DURABILITY 120.0f

// Durability outside 0..120 is written, and kept, as the player's base rating.
static int Get_Exported_Rating(int nTeam, int nSlot, int nRating) {
    float fValue = Get_Player_Rating(nTeam, nSlot, nRating);
    if (nRating == RATING_DURABILITY && (fValue < 0.0f || fValue > MOST_DURABILITY)) {
        fValue = Get_Player_Base_Rating(nTeam, nSlot, nRating);
        Set_Player_Rating(nTeam, nSlot, fValue, nRating);
    }
    return (int)fValue;
}

int Write_Player_Ratings_Row(const char* szPath, int nTeam, int nSlot) {
    const char* szId = Get_Player_Ostrel_ID(nTeam, nSlot);
    if (szId[0] == 0 && gSeasonNumber == 0 && gCurrentWeek == 0)
        return 0;  // a brand-new universe: only the players it was built from
    char szTeam[TEAM_STRING_SIZE], szPosition[POSITION_NAME_SIZE];
    Get_Team_String(szTeam, sizeof(szTeam), nTeam, TEAM_ABBREVIATION);
    Get_Position_Abbreviation(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION), szPosition,
                              sizeof(szPosition));
    char szRow[RATINGS_ROW_SIZE];
    Format_String(szRow, sizeof(szRow), "%s,%s,%d,%s,%s,%s", szId, szTeam,
                  Get_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER),
                  Get_Player_First_Name_Ptr(nTeam, nSlot), Get_Player_Last_Name_Ptr(nTeam, nSlot),
                  szPosition);
    for (int nColumn = 0; nColumn < RATINGS_CSV_RATING_COLUMNS; nColumn++)
        Append_Format_String(
            szRow, sizeof(szRow), ",%d",
            Get_Exported_Rating(nTeam, nSlot, Get_Ratings_CSV_Column_Rating(nColumn)));
    Append_Line_To_File(szPath, szRow);
    return 1;
}

void Get_Player_Ratings_CSV_Path(int nYear, char* szPath, int nSize) {
    Format_String(szPath, nSize, RATINGS_FILE_FORMAT, nYear);
}

int Export_Player_Ratings_CSV(int nPosition, int nYear) {
    char szPath[260];
    Get_Player_Ratings_CSV_Path(nYear, szPath, sizeof(szPath));
    Platform_Make_Directory("Output");
    Platform_Make_Directory(RATINGS_FOLDER);
    Platform_Remove_File(szPath);
    Append_Format_Line(szPath, RATINGS_CSV_HEADER_FORMAT, nYear);
    int nRows = 0;
    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        if (nTeam < FREE_AGENT_TEAM && !Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            if (nPosition == POS_ANY ||
                Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION) == nPosition)
                nRows += Write_Player_Ratings_Row(szPath, nTeam, nSlot);
        }
    }
    return nRows;
}

static int Count_Exported_Players(int nPosition) {
    int nCount = 0;
    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        if (nTeam < FREE_AGENT_TEAM && !Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            nCount += Is_Player_Slot_Used(nTeam, nSlot) &&
                      Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION) == nPosition;
    }
    return nCount;
}

static void Get_Exported_Position_Name(int nPosition, char* szName, int nSize) {
    if (nPosition == POS_ANY)
        safe_strncpy(szName, "Player", nSize);
    else if (Is_Position_Code(nPosition))
        Get_Position_Name(nPosition, szName, nSize);
    else
        safe_strncpy(szName, "<Error>", nSize);
}

int Export_Player_Ratings(void) {
    int nPosition = Get_User_Preference(PREF_SORTABLE_STATS_POSITION);
    int nYear = Get_Season_Year();
    char szPath[260], szName[POSITION_NAME_SIZE];
    Get_Player_Ratings_CSV_Path(nYear, szPath, sizeof(szPath));
    if (nPosition != POS_ANY) {
        Get_Exported_Position_Name(nPosition, szName, sizeof(szName));
        char szText[512], szButton[64];
        Format_String(szText, sizeof(szText),
                      "This will export %d %ss to \"%s\"\n\n(Use the Sortable Stats Dialog to "
                      "change the position selected.",
                      Count_Exported_Players(nPosition), szName, szPath);
        Format_String(szButton, sizeof(szButton), "Export %ss", szName);
        int nAnswer = User_Message_Dialog("Export Player Ratings", szText, "", szButton,
                                          "Export All Players", "Cancel");
        if (nAnswer == IDCANCEL)
            return -1;
        if (nAnswer == IDNO)
            nPosition = POS_ANY;
    }
    int nRows = Export_Player_Ratings_CSV(nPosition, nYear);
    Get_Exported_Position_Name(nPosition, szName, sizeof(szName));
    Show_Message_Box("Export Player Ratings", "%d %ss Written to \"%s\"", nRows, szName, szPath);
    return nRows;
}
