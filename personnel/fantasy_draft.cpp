// The fantasy draft: every player of the league re-dealt, the teams taking turns in the chosen
// order. A pick only marks the player with his new team; the hand-over moves everyone at the end.
#include <string.h>

#include "database/database.h"
#include "personnel/personnel.h"

#define FANTASY_FILE_FOLDER "Output"
#define FANTASY_FILE_NAME "Output\\Fantasy Draft.txt"
#define FANTASY_LINE_SIZE 256
#define FANTASY_CAPTION_SIZE 64
#define FANTASY_NAME_SIZE 128
#define LAST_FANTASY_DRAFT_ROUND 64  // 65 rounds at most
#define END_FANTASY_DRAFT_TEXT                                                                   \
    "The computer will end the Fantasy Draft by making all remaining picks automatically. Is "   \
    "this OK?\n\n(Click 'Yes' to have the computer choose all remaining draft picks)\n\n(Click " \
    "'Cancel' to abort the Fantasy Draft and undo all picks)\n\n(Click 'No' to return to the "   \
    "Fantasy Draft)"

// ---- the order ---------------------------------------------------------------------------------

void Shuffle_Team_Order(int* pOrder, int nCount) {
    for (int i = 0; i < nCount - 1; i++) {
        int j = i + Random_Below(nCount - i);
        int nKept = pOrder[i];
        pOrder[i] = pOrder[j];
        pOrder[j] = nKept;
    }
}

static void Fill_Team_Numbers(int* pOrder, int nCount) {
    for (int i = 0; i < nCount; i++)
        pOrder[i] = i;
}

static void Build_First_Round(int nKind, int* pOrder, int nTeams) {
    if (nKind == FANTASY_ORDER_RANDOM) {
        Fill_Team_Numbers(pOrder, nTeams);
        Shuffle_Team_Order(pOrder, nTeams);
    } else if (nKind == FANTASY_ORDER_TEAM_NUMBERS) {
        Fill_Team_Numbers(pOrder, nTeams);
    } else {
        for (int i = 0; i < nTeams; i++)
            pOrder[i] = Get_Fantasy_Order_Team(0, i);
    }
}

// A later round: a new shuffle, or the first round reversed on odd rounds (snake), repeated or
// reversed in every round.
static void Build_Later_Round(int nKind, int nRound, const int* pFirst, int* pOrder, int nTeams) {
    if (nKind == FANTASY_ORDER_RANDOM) {
        Fill_Team_Numbers(pOrder, nTeams);
        Shuffle_Team_Order(pOrder, nTeams);
        return;
    }
    int bReversed =
        nKind == FANTASY_ORDER_REVERSED || (nKind == FANTASY_ORDER_SNAKE && nRound % 2 == 1);
    for (int i = 0; i < nTeams; i++)
        pOrder[i] = bReversed ? pFirst[nTeams - 1 - i] : pFirst[i];
}

static void Build_Fantasy_Draft_Order(int nFirstKind, int nLaterKind) {
    int nTeams = Count_Active_Teams();
    int anFirst[DRAFT_COLUMNS], anOrder[DRAFT_COLUMNS];
    Build_First_Round(nFirstKind, anFirst, nTeams);
    for (int nRound = 0; nRound < FANTASY_DRAFT_ROUNDS; nRound++) {
        if (nRound == 0)
            memcpy(anOrder, anFirst, sizeof anOrder);
        else
            Build_Later_Round(nLaterKind, nRound, anFirst, anOrder, nTeams);
        for (int nPlace = 0; nPlace < nTeams; nPlace++)
            Set_Fantasy_Order_Team(nRound, nPlace, anOrder[nPlace]);
    }
}

// ---- the pick file -----------------------------------------------------------------------------

static void Append_Fantasy_File_Line(const char* szLine) {
    if (!Append_Line_To_File(FANTASY_FILE_NAME, szLine))
        Log_Debug_Line("Cannot write %s: %s", FANTASY_FILE_NAME, Get_Errno_Text());
}

static void Start_Fantasy_File(void) {
    if (!Platform_Make_Directory(FANTASY_FILE_FOLDER))
        Log_Debug_Line("Cannot create the folder %s for %s", FANTASY_FILE_FOLDER,
                       FANTASY_FILE_NAME);
    Platform_Remove_File(FANTASY_FILE_NAME);
    char szLine[FANTASY_LINE_SIZE];
    Format_String(szLine, sizeof szLine, " #   %-25s %-30s %s", "TEAM", "PLAYER", "POS");
    Append_Fantasy_File_Line(szLine);
}

// ---- starting ----------------------------------------------------------------------------------

void Set_Fantasy_Draft_Order(int nFirstKind, int nLaterKind) {
    Set_Fantasy_Draft_Kinds(nFirstKind, nLaterKind);
    Build_Fantasy_Draft_Order(nFirstKind, nLaterKind);
    Clear_Draft_Destinations();
    Host_League_Changed(HOST_DRAFT_MENU_ON);
    Start_Fantasy_File();
    Next_Fantasy_Draft_Pick();
}

int gFantasyOrderTeamFilter;
int gFantasyOrderPositionFilter = POSITION_COUNT;

void Start_Fantasy_Draft(int nFirstKind, int nLaterKind) {
    Set_Universe_Stat(UNIVERSE_FANTASY_DRAFT, FANTASY_DRAFT_UNDER_WAY);
    gFantasyOrderPositionFilter = POSITION_COUNT;    // any position
    gFantasyOrderTeamFilter = Count_Active_Teams();  // all teams
    Host_League_Changed(HOST_TITLE);
    // The first round as the dialog filled it survives the clearing.
    int anFirst[DRAFT_COLUMNS];
    for (int i = 0; i < DRAFT_COLUMNS; i++)
        anFirst[i] = Get_Fantasy_Order_Team(0, i);
    Clear_Fantasy_Draft_State();
    for (int i = 0; i < DRAFT_COLUMNS; i++)
        Set_Fantasy_Order_Team(0, i, anFirst[i]);
    Set_Fantasy_Draft_Order(nFirstKind, nLaterKind);
}

// ---- the picks ---------------------------------------------------------------------------------

// Whether a person picks for the team: one that a human runs, while the computer is not
// finishing the draft.
static int Is_Person_On_The_Clock(int nTeam) {
    return Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) == FANTASY_DRAFT_UNDER_WAY &&
           Is_Human_Team(nTeam);
}

static void Announce_Fantasy_Pick(int nDrafter, const char* szPlayer, const char* szPosition) {
    char szCaption[FANTASY_CAPTION_SIZE], szLabel[TEAM_LABEL_SIZE], szText[FANTASY_LINE_SIZE];
    Format_String(szCaption, sizeof szCaption, "Round %d / Pick %d", Get_Fantasy_Draft_Round() + 1,
                  Get_Fantasy_Draft_Place() + 1);
    Get_Team_Label(nDrafter, szLabel, sizeof szLabel);
    Format_String(szText, sizeof szText,
                  "%s pick %s (%s)\n(Click 'Cancel' to stop showing these messages)", szLabel,
                  szPlayer, szPosition);
    if (Do_Message_Box(szText, szCaption, MB_OKCANCEL) == IDCANCEL)
        Set_Universe_Stat(UNIVERSE_ANNOUNCE_PICKS, 0);
}

// Marks the player with the drafting team, logs the pick and moves the clock on.
static void Mark_Fantasy_Draft_Pick(int nTeam, int nSlot, int nDrafter) {
    int nRound = Get_Fantasy_Draft_Round(), nPlace = Get_Fantasy_Draft_Place();
    int nTeams = Max_Int(1, Count_Active_Teams());
    char szLabel[TEAM_LABEL_SIZE], szPlayer[FANTASY_NAME_SIZE], szPosition[POSITION_NAME_SIZE];
    char szLine[FANTASY_LINE_SIZE];
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO, nDrafter);
    Get_Team_Label(nDrafter, szLabel, sizeof szLabel);
    Get_Player_Full_Name(nTeam, nSlot, szPlayer, sizeof szPlayer);
    Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION), szPosition,
                              sizeof szPosition);
    Format_String(szLine, sizeof szLine, "%3d. %-25s %-25s %s", nRound * nTeams + nPlace + 1,
                  szLabel, szPlayer, szPosition);
    Append_Fantasy_File_Line(szLine);
    Set_Fantasy_Draft_Pick_Player(nRound, nPlace, Get_Player_ID(nTeam, nSlot));
    if (Get_Universe_Stat(UNIVERSE_ANNOUNCE_PICKS))
        Announce_Fantasy_Pick(nDrafter, szPlayer, szPosition);
    nPlace = (nPlace + 1) % nTeams;
    Set_Fantasy_Draft_Position(nPlace == 0 ? nRound + 1 : nRound, nPlace);
}

static void Ask_For_Fantasy_Pick(int nTeam) {
    Set_User_Team(nTeam);
    char szCaption[FANTASY_CAPTION_SIZE], szLabel[TEAM_LABEL_SIZE];
    Format_String(szCaption, sizeof szCaption, "Round %d / Pick %d", Get_Fantasy_Draft_Round() + 1,
                  Get_Fantasy_Draft_Place() + 1);
    Get_Team_Label(nTeam, szLabel, sizeof szLabel);
    Show_Message_Box(szCaption,
                     "%s, please make your pick. Choose 'Sortable Stats' from the Player Menu. "
                     "Then view 'Undrafted Players'.",
                     szLabel);
}

// The turns follow one another until a person is on the clock or the draft is over. The round
// limit holds for every turn, so a league of people can never pick past the stored rounds.
void Next_Fantasy_Draft_Pick(void) {
    while (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) != FANTASY_DRAFT_OFF) {
        int nOwner = Get_Fantasy_Pick_Owner();
        Host_League_Changed(HOST_TITLE | HOST_REPAINT | HOST_REPAINT_NOW);
        if (Get_Fantasy_Draft_Round() > LAST_FANTASY_DRAFT_ROUND) {
            Finish_Fantasy_Draft();
            return;
        }
        if (Is_Person_On_The_Clock(nOwner)) {
            Ask_For_Fantasy_Pick(nOwner);
            return;
        }
        Pump_Messages();
        int nTeam, nSlot;
        if (!Choose_Fantasy_Draft_Player(nOwner, &nTeam, &nSlot)) {
            Finish_Fantasy_Draft();
            return;
        }
        Mark_Fantasy_Draft_Pick(nTeam, nSlot, nOwner);
    }
}

// A person's pick from the player lists: a player of a dealt roster not yet drafted.
void Record_Fantasy_Draft_Pick(int nTeam, int nSlot, int nDrafter) {
    if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) == FANTASY_DRAFT_OFF ||
        !Is_Fantasy_Draft_Roster(nTeam) || !Is_Player_Slot_Used(nTeam, nSlot) ||
        Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO) != NO_TEAM ||
        !Is_Team_Active(nDrafter)) {
        Log_Debug_Line("Fantasy draft pick refused: team %d slot %d for team %d", nTeam, nSlot,
                       nDrafter);
        return;
    }
    Mark_Fantasy_Draft_Pick(nTeam, nSlot, nDrafter);
    Host_League_Changed(HOST_NEXT_FANTASY_PICK);  // the main window takes the next turn
}

// ---- the end -----------------------------------------------------------------------------------

void End_Fantasy_Draft(void) {
    Clear_Draft_Destinations();
    Host_League_Changed(HOST_DRAFT_MENU_OFF);
    Set_Universe_Stat(UNIVERSE_FANTASY_DRAFT, FANTASY_DRAFT_OFF);
    Host_League_Changed(HOST_TITLE);
}

void Finish_Fantasy_Draft(void) {
    if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) == FANTASY_DRAFT_UNDER_WAY)
        Show_Message_Box("Fantasy Draft Complete",
                         "All players have been drafted. The Football Vanto Fantasy Draft is "
                         "complete.");
    if (!Implement_Draft_Teams())
        Log_Debug_Line("The fantasy draft left players short of their new teams");
    Repair_All_Contract_Demands();
    End_Fantasy_Draft();
    Host_League_Changed(HOST_REPAINT | HOST_REPAINT_NOW);
}

void End_Fantasy_Draft_Command(void) {
    int nAnswer = Do_Message_Box(END_FANTASY_DRAFT_TEXT, "End Fantasy Draft", MB_YESNOCANCEL);
    if (nAnswer == IDYES) {
        Set_Universe_Stat(UNIVERSE_FANTASY_DRAFT, FANTASY_DRAFT_COMPUTER_FINISHING);
        Next_Fantasy_Draft_Pick();
    } else if (nAnswer == IDCANCEL) {
        End_Fantasy_Draft();
    }
}
