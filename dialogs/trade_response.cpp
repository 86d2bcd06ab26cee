// The partner's side of trade talks: his reply to an offer (dialog 138), what he is in the market
// for (dialog 149), and the short text of a team's biggest needs.
#include <string.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define RESPONSE_FACE 1392
#define RESPONSE_TEXT 1390
#define HINT_LIST 1030

#define RESPONSE_GROUPS 6
#define RESPONSE_LINES 24
#define RESPONSE_BAND 250
#define NEED_WORTH_LISTING 1400
#define MOST_HINT_LINES 5
#define MOST_NEED_NAMES 2

static const char* const kResponseLines[RESPONSE_GROUPS][RESPONSE_LINES] = {
    {"You call that a 'trade'?",
     "C'mon, this has gotta be give and take.",
     "Do I look like Santa Claus?",
     "Is it Christmas already?",
     "There's no such thing as a free lunch.",
     "Gee, I thought trade meant BOTH sides offer something.",
     "Are we here to play games, or to make a deal?",
     "If you want a free lunch, try a soup kitchen.",
     "Get real. Try putting SOMETHING on the table.",
     "You can't get something for nothing.",
     "You're new at this, aren't you?",
     "It's hard to stay in business by giving stuff away.",
     "I think you forgot something.",
     "Next time, have a deal in mind when you call me.",
     "Give me a real offer, I'll give you a real response.",
     "Try putting SOMEONE on the trading block.",
     "You're pretty dumb for a General Manager.",
     "I don't normally make this job personal, but you're an idiot!",
     "TRADE (v. intr.): To make an exchange of one thing for another.",
     "The next time you call, I'm not going to answer the phone.",
     "Warning: Objects in mirror are dumber than they appear.",
     "You're proof that evolution can go in reverse.",
     "You're so dense, you have smaller dense people orbiting around you.",
     "You're so stupid you could spike a football and miss."},
    {"I'm surprised they let you graduate from pre-school.",
     "I think you fell out of the stupid tree and hit every branch on the way down.",
     "I hate my job.",
     "I hate my job. Shoot me now.",
     "If you want to rob me, next time you should bring a gun.",
     "If I accepted that deal, they would stick me in a rubber room.",
     "If you're so sure I'm crazy, why do I get to wear the Magic Pants?",
     "I think you forgot to leave your brain at home this morning.",
     "You've got to be kidding! Have you looked at the numbers on this deal?",
     "Gee, I didn't know I had 'moron' painted on my forehead.",
     "Are you trying to insult me?",
     "That's ludicrous. Get out of my face!",
     "I'm sorry - I'm not in the not-for-profit sector.",
     "I've seen better deals at your mom's house.",
     "You're trying to fleece me!",
     "Whaddaya think this is, charity?",
     "Throw in Fort Knox and I'll reconsider.",
     "The military gets better deals on toilet seats.",
     "I just figured something out. You're clinically insane, aren't you?",
     "If I accepted that, the board would mutilate me.",
     "You're new at this, aren't you?",
     "I don't THINK so!",
     "That's not a deal. It's highway robbery!",
     "That's not even in the ballpark."},
    {"Do I look like I was born yesterday?",
     "Do I have 'STUPID' tattooed on my forehead?",
     "You've got a lot of nerve to think I might accept that offer.",
     "Do I look like the kind of GM that would accept that deal?",
     "There is one thing I still love about this job: saying 'NO'.",
     "Do you get a bonus for every stupid trade offer you make?",
     "That and two bucks will buy me a cup of coffee.",
     "If only I had a nickel for every trade offer I've ever turned down.",
     "I think you're missing the point. I'm looking to IMPROVE the team.",
     "My Grandma can put together better deals than that.",
     "Stop wasting my time.",
     "Call me back when you get a clue.",
     "C'mon, this has gotta be give and take.",
     "That seems pretty one-sided in your favor.",
     "You better take that offer elsewhere.",
     "I'd like to strike a deal. But frankly, your offer stinks.",
     "Add a first round draft pick and then we can talk.",
     "We're not interested.",
     "If you add a good player, you might have something.",
     "Throw in several million and it might work.",
     "You'll have to cough up more than that before I part with those resources.",
     "That's really not the kind of deal we're looking for.",
     "Don't call back until you've got something reasonable to work with.",
     "I really need some more talent to get this by the board."},
    {"That's really not the kind of deal we're looking for.",
     "If you add a chunk of cash, we might have a deal.",
     "If you add some cheap talent, we should have a deal.",
     "If you add a Pro Bowler, I could see making that deal.",
     "You might want to try that offer on some other team.",
     "Add an experienced veteran and you may have a deal.",
     "If you add some good cheap talent, we might have a deal.",
     "Add a good player and we could have a deal.",
     "If you add a high draft pick, we might have a deal.",
     "Add a solid player and you've got a deal.",
     "If you add a few million, we might have a deal.",
     "Add another player and that deal could fly.",
     "You might want to try that offer on some other team.",
     "It looks like we're getting the short end of the stick.",
     "Add an early draft pick and you may have a deal.",
     "A creative offer - but there's not enough in it for us.",
     "It's not the worst offer I've seen today.",
     "That's not really what we're looking for right now.",
     "Help me out here. Improve your offer.",
     "I think we're getting there. What else can you put together.",
     "We could work this out. What else have you got?",
     "Let me consider that. I'll get back to you.",
     "That's interesting. But not interesting enough.",
     "Add on some cash and I might bite."},
    {"You'll have to put a bit more on the table before I agree to that.",
     "That's a good start. Give me more.",
     "I see that you're trying. But you're not trying hard enough.",
     "Add another player and that deal could fly.",
     "Maybe next year, if business picks up.",
     "That's a tempting offer but I think we'll pass.",
     "The best offer I've seen today. But still not good enough.",
     "Throw in a few million and I might bite.",
     "I'm intrigued. But the owners want a bit more.",
     "Hmmm... I think I'll need a little more.",
     "We're getting there, but we don't quite have a deal.",
     "That's close. Give me a tad more to work with.",
     "Add a decent draft pick and we should have a deal.",
     "Give me some young talent and I'll sign on the dotted line.",
     "Top it off with a couple million and we've got a deal.",
     "A fair deal. But not one I'm prepared to sign right now.",
     "That trade seems fair but isn't really what we're looking for.",
     "That sounds really good - but there are so many unknowns involved.",
     "I like the basic terms but I need a bit more.",
     "That's a fair deal, but it doesn't completely meet our needs.",
     "If you give me a little bit more I think we can close this deal.",
     "Add a rookie and this could work.",
     "I need a little more cash to make this trade work.",
     "Another million will clinch it."},
    {"A good end to a long day.",
     "You drive a hard bargain but I'll take it!",
     "Finally, a deal I can sign with a clear conscience.",
     "I knew we could work this out.",
     "That trade seems fair. Let's do it!",
     "Finally, a deal that won't get me fired.",
     "Sounds good. I'll get the lawyers to write it up.",
     "I'll take it. It's a pleasure doing business with you.",
     "Sounds right. We'll let the legal department work out the details.",
     "That trade seems fair.",
     "You sure know how to craft a deal that helps both sides.",
     "That looks good.",
     "That looks good to me.",
     "No problem, I'll see you in the playoffs.",
     "Done deal!",
     "That seems mutually beneficial. Let's do it!",
     "A \"win-win\" situation. I love this job!",
     "It's great working with someone who thinks the way I do.",
     "Great, I'll send the paperwork right away.",
     "Now that's the kind of deal I've been looking for.",
     "The owner should be impressed with this deal.",
     "I love this job!",
     "That looks great. I look forward to working with you again.",
     "Excellent. Call me if you have any other deals in mind."},
};

// The team and verdict the open response dialog shows.
static int gResponseTeam = NO_TEAM;
static int gResponseVerdict = NO_TRADE_VERDICT;

int Get_Trade_Response_Group(int nVerdict) {
    if (nVerdict == NO_TRADE_VERDICT)
        return 0;
    if (nVerdict <= 250)
        return 1;
    if (nVerdict <= 500)
        return 2;
    if (nVerdict <= 750)
        return 3;
    return nVerdict < TRADE_ACCEPTED_VERDICT ? 4 : 5;
}

// Within a band the line follows the verdict; an offer of nothing gets any of its lines.
int Get_Trade_Response_Index(int nVerdict) {
    if (nVerdict == NO_TRADE_VERDICT)
        return (int)(((uint64_t)Random_Number() * RESPONSE_LINES) >> 32);
    int nWithin = nVerdict % RESPONSE_BAND;
    if (nWithin < 0)
        nWithin += RESPONSE_BAND;
    if (nWithin == 0)
        return 0;
    int nIndex = (nWithin * RESPONSE_LINES + RESPONSE_BAND / 2) / RESPONSE_BAND;
    return Clamp(nIndex, 0, RESPONSE_LINES - 1);
}

const char* Get_Trade_Response_Line(int nVerdict) {
    return kResponseLines[Get_Trade_Response_Group(nVerdict)][Get_Trade_Response_Index(nVerdict)];
}

int Show_Trade_Offer_Response(HWND hParent, int nTeam, int nVerdict) {
    gResponseTeam = nTeam;
    gResponseVerdict = nVerdict;
    return Open_Dialog(hParent, IDD_TRADE_OFFER_RESPONSE) == 1;
}

static void Draw_Manager_Face(HWND hDlg, HDC hdc, int nTeam) {
    char szFace[MANAGER_FACE_FILE_SIZE];
    Get_Manager_Face_File(nTeam, szFace, sizeof szFace);
    Draw_Image_In_Dialog_Item(hDlg, hdc, RESPONSE_FACE, szFace);
}

// The speech frame, a rounded white box outlined in black.
static void Draw_Speech_Frame(HWND hDlg, HDC hdc) {
    HGDIOBJ hOldPen = SelectObject(hdc, GetStockObject(BLACK_PEN));
    HGDIOBJ hOldBrush = SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    Draw_Trade_Response_Frame(hDlg, hdc);
    SelectObject(hdc, hOldBrush);
    SelectObject(hdc, hOldPen);
}

static void Paint_Trade_Response(HWND hDlg) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hDlg, &ps);
    if (!hdc)
        return;
    Draw_Manager_Face(hDlg, hdc, gResponseTeam);
    Draw_Speech_Frame(hDlg, hdc);
    RECT rcText;
    Get_Dlg_Item_Client_Rect(hDlg, RESPONSE_TEXT, &rcText);
    HGDIOBJ hOldFont = SelectObject(hdc, (HGDIOBJ)SendMessageA(hDlg, WM_GETFONT, 0, 0));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(0, 0, 128));
    DrawTextA(hdc, Get_Trade_Response_Line(gResponseVerdict), -1, &rcText,
              DT_CENTER | DT_WORDBREAK);
    SelectObject(hdc, hOldFont);
    EndPaint(hDlg, &ps);
}

// What the response and hint dialogs share: the font and place at opening, the painting, the
// colours; the first button and Escape end the dialog with the given results.
static INT_PTR On_Trade_Talk_Message(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                     void (*pPaint)(HWND), int nFirstResult, int nCancelResult) {
    switch (uMsg) {
    case WM_INITDIALOG:
        Set_Dialog_Font(hDlg);
        Center_Window(hDlg, GetParent(hDlg));
        return TRUE;
    case WM_PAINT: pPaint(hDlg); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, LOWORD(wParam) == IDOK ? nFirstResult : nCancelResult);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}

INT_PTR Trade_Offer_Response_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    INT_PTR nResult = On_Trade_Talk_Message(hDlg, uMsg, wParam, lParam, Paint_Trade_Response, 1, 0);
    if (uMsg == WM_INITDIALOG && gResponseVerdict < TRADE_ACCEPTED_VERDICT) {
        SetDlgItemTextA(hDlg, IDOK, "Hint");
        SetDlgItemTextA(hDlg, IDCANCEL, "OK");
    }
    return nResult;
}

// ---- what the partner is in the market for -------------------------------------------------------

static void Describe_Need(int nKind, int nPosition, char* szOut, int nSize) {
    char szPosition[POSITION_NAME_SIZE];
    Get_Position_Name_Lowercase(nPosition, szPosition, sizeof szPosition);
    if (nKind == NEED_STARTER)
        Format_String(szOut, nSize, "A starting %s", szPosition);
    else if (nKind == NEED_DEPTH && POSITION_STARTERS[nPosition] == 1)
        Format_String(szOut, nSize, "A backup %s", szPosition);
    else if (nKind == NEED_DEPTH)
        Format_String(szOut, nSize, "More depth at %s", szPosition);
    else
        Format_String(szOut, nSize, "A young %s", szPosition);
}

int List_Trade_Hints(int nTeam, char aszLines[][TRADE_HINT_LINE_SIZE], int nMost) {
    TEAM_NEEDS needs;
    Get_Team_Needs(nTeam, needs);
    return List_Needs_Hints(needs, aszLines, nMost);
}

int List_Needs_Hints(const TEAM_NEEDS teamNeeds, char aszLines[][TRADE_HINT_LINE_SIZE], int nMost) {
    TEAM_NEEDS needs;
    memcpy(needs, teamNeeds, sizeof needs);
    int nLines = 0;
    while (nLines < nMost) {
        int nBestKind = 0, nBestPosition = 0;
        for (int nKind = 0; nKind < NEED_KIND_COUNT; nKind++) {
            for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
                if (needs[nKind][nPosition] > needs[nBestKind][nBestPosition]) {
                    nBestKind = nKind;
                    nBestPosition = nPosition;
                }
            }
        }
        int nNeed = needs[nBestKind][nBestPosition];
        char szNeed[TRADE_HINT_LINE_SIZE];
        Describe_Need(nBestKind, nBestPosition, szNeed, sizeof szNeed);
        Format_String(aszLines[nLines], TRADE_HINT_LINE_SIZE, "(%d) %s", nLines + 1, szNeed);
        nLines++;
        needs[nBestKind][nBestPosition] = 0;
        if (nNeed <= NEED_WORTH_LISTING)
            break;
    }
    return nLines;
}

static void Fill_Trade_Hints(HWND hDlg) {
    char aszLines[MOST_HINT_LINES][TRADE_HINT_LINE_SIZE];
    int nLines = List_Trade_Hints(gTradePartner, aszLines, MOST_HINT_LINES);
    SendDlgItemMessageA(hDlg, HINT_LIST, LB_RESETCONTENT, 0, 0);
    for (int n = 0; n < nLines; n++)
        SendDlgItemMessageA(hDlg, HINT_LIST, LB_ADDSTRING, 0, (LPARAM)aszLines[n]);
}

static void Paint_Trade_Hint(HWND hDlg) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hDlg, &ps);
    if (!hdc)
        return;
    Draw_Manager_Face(hDlg, hdc, gTradePartner);
    EndPaint(hDlg, &ps);
}

INT_PTR Trade_Hint_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    INT_PTR nResult = On_Trade_Talk_Message(hDlg, uMsg, wParam, lParam, Paint_Trade_Hint, 1, 1);
    if (uMsg == WM_INITDIALOG)
        Fill_Trade_Hints(hDlg);
    return nResult;
}

// ---- a team's needs in a few words ---------------------------------------------------------------

// A position name made plural: "Safety" gives "Safeties", "Cornerback" "Cornerbacks".
static void Append_Plural_Position(char* szOut, int nSize, int nPosition) {
    char szName[POSITION_NAME_SIZE];
    Get_Position_Name(nPosition, szName, sizeof szName);
    int nLength = (int)strlen(szName);
    char chLast = nLength > 0 ? szName[nLength - 1] : 0;
    if (chLast == 'y') {
        szName[nLength - 1] = 0;
        safe_strncat(szName, "ies", sizeof szName);
    } else {
        safe_strncat(szName, chLast == 's' ? "es" : "s", sizeof szName);
    }
    safe_strncat(szOut, szName, nSize);
}

void Describe_Team_Needs(char* szOut, int nSize, int nTeam) {
    TEAM_NEEDS needs;
    Get_Team_Needs(nTeam, needs);
    Describe_Needs(needs, szOut, nSize);
}

void Describe_Needs(const TEAM_NEEDS needs, char* szOut, int nSize) {
    if (!szOut || nSize <= 0)
        return;
    szOut[0] = 0;
    int anSums[POSITION_COUNT];
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        anSums[nPosition] = 0;
        for (int nKind = 0; nKind < NEED_KIND_COUNT; nKind++)
            anSums[nPosition] += needs[nKind][nPosition];
    }
    for (int nNames = 0; nNames < MOST_NEED_NAMES; nNames++) {
        int nBest = 0;
        for (int nPosition = 1; nPosition < POSITION_COUNT; nPosition++) {
            if (anSums[nPosition] > anSums[nBest])
                nBest = nPosition;
        }
        if (nNames > 0)
            safe_strncat(szOut, ", ", nSize);
        Append_Plural_Position(szOut, nSize, nBest);
        int nSum = anSums[nBest];
        anSums[nBest] = 0;
        if (nSum <= NEED_WORTH_LISTING)
            break;
    }
}
