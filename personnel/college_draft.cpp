// The college draft: seven rounds in draft order, the computer picking for every team that no
// person runs, the unmade picks logged, and the next season set up after the last pick.
#include "database/database.h"
#include "personnel/personnel.h"

#define DRAFT_PAGE 40070
#define PREF_END_DRAFT_CHOSEN 5  // the user let the computer finish the draft
#define PREF_DRAFT_PAGE_ROUND 38
#define UNMADE_PICK_FLAG 128
#define LAST_DRAFT_ROUND (DRAFT_ROUNDS - 1)
#define PICK_LOG_YEAR_FACTOR 1000
#define PICK_LOG_TEAM_FACTOR 100
#define DRAFT_CAPTION_SIZE 64
#define DRAFT_SLOT_PICK_FACTOR 1000
#define DRAFT_SLOT_ROUND_FACTOR 100000
#define DRAFT_RECORD_TEAM_FACTOR 10000

static int Get_Current_Pick_Owner(void) {
    return Get_Draft_Pick_Owner(0, gDraftRound, Get_Draft_Order_Team(gDraftPick));
}

static int Can_Own_Draft_Pick(int nTeam) {
    return Is_Team_Active(nTeam) || (nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM);
}

int Get_Overall_Draft_Pick_Number(void) {
    return gDraftRound * Count_Active_Teams() + gDraftPick + 1;
}

// ---- the log of unmade picks -------------------------------------------------------------------

static void Log_Unmade_Draft_Pick(int nTeam) {
    int nKey = Get_Season_Year() * PICK_LOG_YEAR_FACTOR + Get_Overall_Draft_Pick_Number();
    for (int n = 0; n < DRAFT_PICK_LOG_SIZE; n++) {
        if (gDraftPickLog[n] == 0) {
            gDraftPickLog[n] = nKey * PICK_LOG_TEAM_FACTOR + nTeam;
            return;
        }
    }
}

int Get_Logged_Draft_Pick_Team(int nYear, int nOverallPick) {
    int nKey = nYear * PICK_LOG_YEAR_FACTOR + nOverallPick;
    for (int n = 0; n < DRAFT_PICK_LOG_SIZE && gDraftPickLog[n] != 0; n++) {
        if (gDraftPickLog[n] / PICK_LOG_TEAM_FACTOR == nKey)
            return gDraftPickLog[n] % PICK_LOG_TEAM_FACTOR;
    }
    return UNMADE_PICK_FLAG;
}

// ---- one pick ----------------------------------------------------------------------------------

void Record_Draft_Pick(int nTeam, int nProspectTeam, int nProspectSlot) {
    if (!Is_Draft_Pool_Team(nProspectTeam) || !Is_Player_Slot_Used(nProspectTeam, nProspectSlot)) {
        Report_Error("No prospect at %d,%d passed to Record_Draft_Pick()", nProspectTeam,
                     nProspectSlot);
        return;
    }
    int nSlot = Move_Player_To_Team(nTeam, nProspectTeam, nProspectSlot);
    if (nSlot == NO_SLOT_BYTE) {
        Report_Error("The drafted player does not fit on team %d", nTeam);
        return;
    }
    Write_College_Draft_Pick_Line(nTeam, nTeam, nSlot);
    int nYear = Get_Season_Year();
    if (nTeam != FREE_AGENT_TEAM)
        Add_Player_Season_Line(nTeam, nSlot, nYear, nTeam);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK,
                          (gDraftRound + 1) * DRAFT_SLOT_ROUND_FACTOR +
                              (gDraftPick + 1) * DRAFT_SLOT_PICK_FACTOR +
                              Get_Overall_Draft_Pick_Number());
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD,
                          (nTeam + 1) * DRAFT_RECORD_TEAM_FACTOR + nYear);
    for (int nSeason = 0; nSeason < 3; nSeason++)
        Clear_Player_Season_Stats(nTeam, nSlot, nSeason);
}

void Advance_Draft_Pick(void) {
    gDraftPick++;
    if (gDraftPick < Count_Active_Teams())
        return;
    gDraftPick = 0;
    if (gDraftRound < LAST_DRAFT_ROUND) {
        Write_College_Draft_Round_Header(gDraftRound + 1);
        if (gCurrentPage == DRAFT_PAGE)
            PREFERENCE_ENTRY(PREF_DRAFT_PAGE_ROUND) = gDraftRound + 2;
    }
    gDraftRound++;
    if (gDraftRound >= NO_DRAFT_ROUND)
        Setup_Next_Season();
}

void Run_Computer_Draft_Pick(void) {
    if (Count_Draft_Pool_Players() < 1) {
        End_Draft_Empty_Pool();
        return;
    }
    int nOwner = Get_Current_Pick_Owner();
    if (Can_Own_Draft_Pick(nOwner)) {
        Set_Team_Depth_Chart(nOwner);
        Make_Computer_Draft_Pick(nOwner);
    } else if (nOwner >= UNMADE_PICK_FLAG && Can_Own_Draft_Pick(nOwner - UNMADE_PICK_FLAG)) {
        Log_Unmade_Draft_Pick(nOwner - UNMADE_PICK_FLAG);
    }
    Advance_Draft_Pick();
    Host_League_Changed(HOST_REPAINT | HOST_REPAINT_NOW);
}

// ---- the draft as a whole ----------------------------------------------------------------------

void Prompt_User_Draft_Pick(void) {
    int nOwner = Get_Current_Pick_Owner();
    Set_User_Team(nOwner);
    Show_League_Page(DRAFT_PAGE);
    char szCaption[DRAFT_CAPTION_SIZE];
    char szLabel[TEAM_LABEL_SIZE];
    Format_String(szCaption, sizeof(szCaption), "Round %d: Pick #%d", gDraftRound + 1,
                  gDraftPick + 1);
    Get_Team_Label(nOwner, szLabel, sizeof(szLabel));
    Show_Message_Box(szCaption,
                     "%s: Make your draft pick.\n\n(Choose 'College Draft' from 'Players' menu.)",
                     szLabel);
}

void Open_College_Draft(void) {
    gDraftRound = 0;
    gDraftPick = 0;
    Start_College_Draft_File();
    Load_Draft_Strategy();
    Host_League_Changed(HOST_PLAY_MENU);
    Run_College_Draft();
}

void Run_College_Draft(void) {
    Show_League_Page(DRAFT_PAGE);
    Init_Trade_Offer(&gTradeOffer);
    Open_Draft_Need_Table();
    while (Is_College_Draft_On() && !Is_Human_Team(Get_Current_Pick_Owner()))
        Run_Computer_Draft_Pick();
    Close_Draft_Need_Table();
    if (!Is_College_Draft_On())
        return;
    if (Count_Draft_Pool_Players() < 1)
        End_Draft_Empty_Pool();
    else
        Prompt_User_Draft_Pick();
}

void End_Draft_Empty_Pool(void) {
    Show_Message_Box("College Draft", "%s",
                     "The College Draft has ended because the draft pool is empty.\n\nPlease "
                     "report this problem to Football Vanto support, with your saved game.");
    gDraftPick = 0;
    gDraftRound = NO_DRAFT_ROUND;
    Setup_Next_Season();
}

void End_College_Draft_Command(void) {
    if (Do_Message_Box("Ending the Draft will cause the computer to make all remaining draft "
                       "picks. Are you sure?",
                       "End College Draft?", MB_YESNO) != IDYES)
        return;
    PREFERENCE_ENTRY(PREF_END_DRAFT_CHOSEN) = 1;
    while (gDraftRound <= LAST_DRAFT_ROUND && Count_Draft_Pool_Players() > 0)
        Run_Computer_Draft_Pick();
    if (gDraftRound <= LAST_DRAFT_ROUND)
        End_Draft_Empty_Pool();
}
