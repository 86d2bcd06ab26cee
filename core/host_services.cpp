// The host services' table, its quiet defaults and the calls the league's code makes through it.
#include "core/core.h"

static int Open_Quiet_Progress(const char* szCaption, int nSteps) {
    (void)szCaption;
    (void)nSteps;
    return 0;
}

static void Step_Quiet_Progress(int nSteps) {
    (void)nSteps;
}

static void Close_Quiet_Progress(void) {}

static int Pump_Quiet(void) {
    return 0;
}

static int Ask_Quietly(const char* szText, const char* szCaption, unsigned uType) {
    (void)szText;
    (void)szCaption;
    return Message_Box_Default(uType);
}

static int Answer_User_Message_Quietly(const USER_MESSAGE* pMessage) {
    return Message_Box_Default(Get_User_Message_Box_Type(pMessage));
}

static void Ignore_League_Change(unsigned uWhat) {
    (void)uWhat;
}

static void Show_Page_Quietly(int nPage) {
    (void)nPage;
}

static void Show_Score_Quietly(struct GAME* pGame) {
    (void)pGame;
}

// Nobody answers a dialog: it is cancelled.
static int Open_Dialog_Quietly(int idDialog, int nFirst, int nSecond) {
    (void)idDialog;
    (void)nFirst;
    (void)nSecond;
    return IDCANCEL;
}

static void End_Dialog_Quietly(HWND hDialog, int nResult) {
    (void)hDialog;
    (void)nResult;
}

static void Watch_Game_Quietly(int nStep, struct GAME* pGame) {
    (void)nStep;
    (void)pGame;
}

static const HOST_SERVICES kQuietHost = {
    .pOpenProgress = Open_Quiet_Progress,
    .pStepProgress = Step_Quiet_Progress,
    .pCloseProgress = Close_Quiet_Progress,
    .pPump = Pump_Quiet,
    .pAsk = Ask_Quietly,
    .pAskSystem = Ask_Quietly,
    .pUserMessage = Answer_User_Message_Quietly,
    .pLeagueChanged = Ignore_League_Change,
    .pShowPage = Show_Page_Quietly,
    .pShowScore = Show_Score_Quietly,
    .pOpenDialog = Open_Dialog_Quietly,
    .pEndDialog = End_Dialog_Quietly,
    .pWatchGame = Watch_Game_Quietly,
};

static HOST_SERVICES gHost = kQuietHost;
static int gHostIsQuiet = 1;

// An entry the table leaves null takes the quiet default.
#define QUIET_WHERE_NULL(entry)         \
    if (gHost.entry == NULL)            \
        gHost.entry = kQuietHost.entry;

void Set_Host_Services(const HOST_SERVICES* pServices) {
    gHost = pServices ? *pServices : kQuietHost;
    gHostIsQuiet = pServices == NULL;
    QUIET_WHERE_NULL(pOpenProgress)
    QUIET_WHERE_NULL(pStepProgress)
    QUIET_WHERE_NULL(pCloseProgress)
    QUIET_WHERE_NULL(pPump)
    QUIET_WHERE_NULL(pAsk)
    QUIET_WHERE_NULL(pAskSystem)
    QUIET_WHERE_NULL(pUserMessage)
    QUIET_WHERE_NULL(pLeagueChanged)
    QUIET_WHERE_NULL(pShowPage)
    QUIET_WHERE_NULL(pShowScore)
    QUIET_WHERE_NULL(pOpenDialog)
    QUIET_WHERE_NULL(pEndDialog)
    QUIET_WHERE_NULL(pWatchGame)
}

const HOST_SERVICES* Host(void) {
    return &gHost;
}

int Is_Quiet_Host(void) {
    return gHostIsQuiet;
}

int Open_Progress_Window(const char* szCaption, int nSteps) {
    return gHost.pOpenProgress(szCaption, nSteps);
}

void Step_Progress_Window(int nSteps) {
    gHost.pStepProgress(nSteps);
}

void Close_Progress_Window(void) {
    gHost.pCloseProgress();
}

int Pump_Messages(void) {
    return gHost.pPump();
}

void Host_League_Changed(unsigned uWhat) {
    gHost.pLeagueChanged(uWhat);
}

void Host_Show_Page(int nPage) {
    gHost.pShowPage(nPage);
}

void Host_Show_Score(struct GAME* pGame) {
    gHost.pShowScore(pGame);
}

int Host_Open_Dialog(int idDialog, int nFirst, int nSecond) {
    return gHost.pOpenDialog(idDialog, nFirst, nSecond);
}

void Host_End_Dialog(HWND hDialog, int nResult) {
    gHost.pEndDialog(hDialog, nResult);
}

void Host_Watch_Game(int nStep, struct GAME* pGame) {
    gHost.pWatchGame(nStep, pGame);
}
