// The "EDIT" window class: single-line and multi-line text boxes with a caret, selection,
// clipboard keys and the usual messages and notifications.
#include "../platform_internal.h"

#include <string.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

// A text limit of 0 means the largest.
const size_t kDefaultLimit = 30000;
const size_t kLargestLimit = 0x7FFFFFFE;
// Space between the border and the text.
const int kMarginX = 2;
const int kMarginY = 1;

// One line as shown: the text from nStart up to nEnd, then its line break (if any) up to nNext.
struct EDIT_LINE {
    size_t nStart;
    size_t nEnd;
    size_t nNext;
};

struct EDIT_STATE {
    std::string stText;
    size_t nAnchor = 0;  // where the selection started; the caret is its other end
    size_t nCaret = 0;
    size_t nLimit = kDefaultLimit;
    bool bModified = false;
    bool bFocus = false;
    bool bMouseSelecting = false;
    int nFirstLine = 0;  // multi-line: the line at the top
    int nScrollX = 0;    // single-line: pixels scrolled off to the left
    char chPassword = '*';
};

std::map<HWND, EDIT_STATE> gEdits;

EDIT_STATE& Edit_State(HWND hWnd) { return gEdits[hWnd]; }
DWORD Edit_Style(HWND hWnd) { return static_cast<DWORD>(GetWindowLongPtrA(hWnd, GWL_STYLE)); }
bool Is_Multi_Line(HWND hWnd) { return (Edit_Style(hWnd) & ES_MULTILINE) != 0; }
bool Is_Read_Only(HWND hWnd) { return (Edit_Style(hWnd) & ES_READONLY) != 0; }
bool Has_Scroll_Bar(HWND hWnd) {
    return Is_Multi_Line(hWnd) && (Edit_Style(hWnd) & WS_VSCROLL) != 0;
}

size_t Sel_Min(const EDIT_STATE& s) { return std::min(s.nAnchor, s.nCaret); }
size_t Sel_Max(const EDIT_STATE& s) { return std::max(s.nAnchor, s.nCaret); }

// ---- measuring ---------------------------------------------------------------------------------

// A DC of the control with its font selected, for measuring.
class EDIT_DC {
public:
    explicit EDIT_DC(HWND hWnd) : m_hWnd(hWnd), m_hdc(GetDC(hWnd)) {
        if (m_hdc) m_hOldFont = SelectObject(m_hdc, Control_Font(hWnd));
    }
    ~EDIT_DC() {
        if (!m_hdc) return;
        SelectObject(m_hdc, m_hOldFont);
        ReleaseDC(m_hWnd, m_hdc);
    }
    EDIT_DC(const EDIT_DC&) = delete;
    EDIT_DC& operator=(const EDIT_DC&) = delete;
    HDC Get() const { return m_hdc; }

private:
    HWND m_hWnd;
    HDC m_hdc;
    HGDIOBJ m_hOldFont = nullptr;
};

// What is drawn for the text: the password character in place of each character.
std::string Shown_Text(HWND hWnd) {
    const EDIT_STATE& s = Edit_State(hWnd);
    if ((Edit_Style(hWnd) & ES_PASSWORD) && s.chPassword && !Is_Multi_Line(hWnd))
        return std::string(s.stText.size(), s.chPassword);
    return s.stText;
}

int Text_Width(HDC hdc, const std::string& st, size_t nFrom, size_t nTo) {
    if (!hdc || nTo <= nFrom) return 0;
    SIZE size = {0, 0};
    GetTextExtentPoint32A(hdc, st.c_str() + nFrom, static_cast<int>(nTo - nFrom), &size);
    return size.cx;
}

int Line_Height(HDC hdc) {
    TEXTMETRICA tm;
    if (!hdc || !GetTextMetricsA(hdc, &tm)) return 13;
    return std::max(1, static_cast<int>(tm.tmHeight));
}

// The area the text is drawn in, inside the margins and left of the scroll bar.
RECT Text_Rect(HWND hWnd) {
    RECT rc;
    GetClientRect(hWnd, &rc);
    if (Has_Scroll_Bar(hWnd)) rc.right -= GetSystemMetrics(SM_CXVSCROLL);
    rc = Rect_Inflated(rc, -kMarginX, -kMarginY);
    rc.right = std::max(rc.right, rc.left);
    rc.bottom = std::max(rc.bottom, rc.top);
    return rc;
}

RECT Scroll_Bar_Rect(HWND hWnd) {
    RECT rc;
    GetClientRect(hWnd, &rc);
    rc.left = std::max(rc.left, rc.right - GetSystemMetrics(SM_CXVSCROLL));
    return rc;
}

size_t Line_Break_Length(const std::string& st, size_t n) {
    if (n < st.size() && st[n] == '\r' && n + 1 < st.size() && st[n + 1] == '\n') return 2;
    if (n < st.size() && (st[n] == '\n' || st[n] == '\r')) return 1;
    return 0;
}

// Breaks one paragraph (no line breaks inside) into lines that fit nWidth, at spaces where
// it can.
void Wrap_Paragraph(HDC hdc, const std::string& st, size_t nStart, size_t nEnd, int nWidth,
                    std::vector<EDIT_LINE>* pLines) {
    while (true) {
        size_t nFit = nStart;
        while (nFit < nEnd && Text_Width(hdc, st, nStart, nFit + 1) <= nWidth) nFit++;
        if (nFit >= nEnd) {
            pLines->push_back({nStart, nEnd, nEnd});
            return;
        }
        size_t nBreak = nFit;
        while (nBreak > nStart && st[nBreak] != ' ') nBreak--;
        if (nBreak == nStart)
            nBreak = std::max(nFit, nStart + 1);
        else
            nBreak++;  // the space stays at the end of the line
        pLines->push_back({nStart, nBreak, nBreak});
        nStart = nBreak;
    }
}

// The lines as shown: a single-line edit has one; a multi-line edit breaks at line breaks and,
// without ES_AUTOHSCROLL, wraps words at the right edge.
std::vector<EDIT_LINE> Layout_Lines(HWND hWnd, HDC hdc) {
    const std::string& st = Edit_State(hWnd).stText;
    std::vector<EDIT_LINE> aLines;
    if (!Is_Multi_Line(hWnd)) {
        aLines.push_back({0, st.size(), st.size()});
        return aLines;
    }
    RECT rc = Text_Rect(hWnd);
    bool bWrap = !(Edit_Style(hWnd) & ES_AUTOHSCROLL);
    size_t nStart = 0;
    while (true) {
        size_t nEnd = nStart;
        while (nEnd < st.size() && !Line_Break_Length(st, nEnd)) nEnd++;
        if (bWrap && nEnd > nStart)
            Wrap_Paragraph(hdc, st, nStart, nEnd, rc.right - rc.left, &aLines);
        else
            aLines.push_back({nStart, nEnd, nEnd});
        size_t nBreak = Line_Break_Length(st, nEnd);
        if (!nBreak) break;
        aLines.back().nNext = nEnd + nBreak;
        nStart = nEnd + nBreak;
    }
    return aLines;
}

// The line holding the position; a position where a wrapped line ends belongs to the next one.
int Line_Of(const std::vector<EDIT_LINE>& aLines, size_t nPos) {
    for (size_t i = 0; i < aLines.size(); i++)
        if (nPos < aLines[i].nNext || (nPos == aLines[i].nEnd && aLines[i].nEnd != aLines[i].nNext))
            return static_cast<int>(i);
    return static_cast<int>(aLines.size()) - 1;
}

// Where the line's text starts, for the alignment styles (in text-rectangle pixels).
int Line_Offset(HWND hWnd, HDC hdc, const EDIT_LINE& line) {
    DWORD dwAlign = Edit_Style(hWnd) & (ES_CENTER | ES_RIGHT);
    if (!dwAlign) return 0;
    RECT rc = Text_Rect(hWnd);
    int nFree = (rc.right - rc.left) - Text_Width(hdc, Shown_Text(hWnd), line.nStart, line.nEnd);
    if (nFree <= 0) return 0;
    return dwAlign == ES_CENTER ? nFree / 2 : nFree;
}

int Visible_Lines(HWND hWnd, HDC hdc) {
    RECT rc = Text_Rect(hWnd);
    return std::max(1, static_cast<int>((rc.bottom - rc.top) / Line_Height(hdc)));
}

// Division rounding towards minus infinity, for points above the text.
int Floor_Div(int n, int d) { return n >= 0 ? n / d : -((-n + d - 1) / d); }

// The caret position nearest to a point in client coordinates.
size_t Pos_From_Point(HWND hWnd, HDC hdc, POINT pt) {
    const EDIT_STATE& s = Edit_State(hWnd);
    std::vector<EDIT_LINE> aLines = Layout_Lines(hWnd, hdc);
    RECT rc = Text_Rect(hWnd);
    int nLine = s.nFirstLine;
    if (Is_Multi_Line(hWnd)) nLine += Floor_Div(pt.y - rc.top, Line_Height(hdc));
    nLine = std::clamp(nLine, 0, static_cast<int>(aLines.size()) - 1);
    const EDIT_LINE& line = aLines[static_cast<size_t>(nLine)];
    std::string stShown = Shown_Text(hWnd);
    int x = pt.x - rc.left + s.nScrollX - Line_Offset(hWnd, hdc, line);
    for (size_t n = line.nStart; n < line.nEnd; n++) {
        int nLeft = Text_Width(hdc, stShown, line.nStart, n);
        int nRight = Text_Width(hdc, stShown, line.nStart, n + 1);
        if (x < (nLeft + nRight + 1) / 2) return n;
    }
    return line.nEnd;
}

// ---- scrolling ---------------------------------------------------------------------------------

void Update_Scroll_Bar(HWND hWnd, int nLines, int nVisible) {
    if (!Is_Multi_Line(hWnd)) return;
    SCROLLINFO info = {sizeof(SCROLLINFO),          SIF_RANGE | SIF_PAGE | SIF_POS, 0, nLines - 1,
                       static_cast<UINT>(nVisible), Edit_State(hWnd).nFirstLine,    0};
    SetScrollInfo(hWnd, SB_VERT, &info, FALSE);
}

// Scrolls so that the caret shows.
void Scroll_To_Caret(HWND hWnd) {
    EDIT_DC dc(hWnd);
    EDIT_STATE& s = Edit_State(hWnd);
    std::vector<EDIT_LINE> aLines = Layout_Lines(hWnd, dc.Get());
    int nLine = Line_Of(aLines, s.nCaret);
    int nVisible = Visible_Lines(hWnd, dc.Get());
    if (Is_Multi_Line(hWnd)) {
        if (nLine < s.nFirstLine) s.nFirstLine = nLine;
        if (nLine >= s.nFirstLine + nVisible) s.nFirstLine = nLine - nVisible + 1;
    } else {
        RECT rc = Text_Rect(hWnd);
        int nWidth = rc.right - rc.left;
        int x = Text_Width(dc.Get(), Shown_Text(hWnd), 0, s.nCaret);
        if (x < s.nScrollX) s.nScrollX = std::max(0, x - nWidth / 4);
        if (x > s.nScrollX + nWidth) s.nScrollX = x - nWidth + nWidth / 4;
    }
    Update_Scroll_Bar(hWnd, static_cast<int>(aLines.size()), nVisible);
}

// Scrolls the first line shown by nDelta lines; true when it moved.
bool Scroll_Lines(HWND hWnd, int nDelta) {
    if (!Is_Multi_Line(hWnd)) return false;
    EDIT_DC dc(hWnd);
    EDIT_STATE& s = Edit_State(hWnd);
    int nLines = static_cast<int>(Layout_Lines(hWnd, dc.Get()).size());
    int nVisible = Visible_Lines(hWnd, dc.Get());
    // The last line goes no higher than the bottom of the box.
    int nFirst = std::clamp(s.nFirstLine + nDelta, 0, std::max(0, nLines - nVisible));
    if (nFirst == s.nFirstLine) return false;
    s.nFirstLine = nFirst;
    Update_Scroll_Bar(hWnd, nLines, nVisible);
    InvalidateRect(hWnd, nullptr, TRUE);
    return true;
}

// ---- changing the text -------------------------------------------------------------------------

// The window manager keeps the text too, for WM_GETTEXT.
void Store_Window_Text(HWND hWnd) {
    DefWindowProcA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Edit_State(hWnd).stText.c_str()));
}

void Select(HWND hWnd, size_t nAnchor, size_t nCaret) {
    EDIT_STATE& s = Edit_State(hWnd);
    s.nAnchor = std::min(nAnchor, s.stText.size());
    s.nCaret = std::min(nCaret, s.stText.size());
    InvalidateRect(hWnd, nullptr, TRUE);
}

// A single-line edit without ES_AUTOHSCROLL takes no more text than its box shows: cuts the
// insertion until the line fits; true when it cut something.
bool Cut_To_Width(HWND hWnd, size_t nFrom, size_t nTo, std::string* pInsert) {
    if (Is_Multi_Line(hWnd) || (Edit_Style(hWnd) & ES_AUTOHSCROLL) || pInsert->empty())
        return false;
    const EDIT_STATE& s = Edit_State(hWnd);
    RECT rc = Text_Rect(hWnd);
    EDIT_DC dc(hWnd);
    bool bCut = false;
    while (!pInsert->empty()) {
        std::string stLine = s.stText;
        stLine.replace(nFrom, nTo - nFrom, *pInsert);
        if ((Edit_Style(hWnd) & ES_PASSWORD) && s.chPassword)
            stLine.assign(stLine.size(), s.chPassword);
        if (Text_Width(dc.Get(), stLine, 0, stLine.size()) <= rc.right - rc.left) break;
        pInsert->pop_back();
        bCut = true;
    }
    return bCut;
}

// Puts stInsert in place of the selection (cut to the text limit when bLimited) and notifies the
// parent; false when nothing changed.
bool Replace_Selection(HWND hWnd, std::string stInsert, bool bLimited) {
    EDIT_STATE& s = Edit_State(hWnd);
    if (!Is_Multi_Line(hWnd)) {
        size_t nBreak = stInsert.find_first_of("\r\n");
        if (nBreak != std::string::npos) stInsert.resize(nBreak);
    }
    size_t nFrom = Sel_Min(s), nTo = Sel_Max(s);
    bool bFull = false;
    if (bLimited) {
        size_t nKept = s.stText.size() - (nTo - nFrom);
        size_t nRoom = s.nLimit > nKept ? s.nLimit - nKept : 0;
        if (stInsert.size() > nRoom) {
            stInsert.resize(nRoom);
            // A line break is never cut in two.
            if (!stInsert.empty() && stInsert.back() == '\r') stInsert.pop_back();
            bFull = true;
        }
        bFull |= Cut_To_Width(hWnd, nFrom, nTo, &stInsert);
    }
    if (nFrom == nTo && stInsert.empty()) {
        if (bFull) Control_Notify(hWnd, EN_MAXTEXT);
        return false;
    }
    s.stText.replace(nFrom, nTo - nFrom, stInsert);
    s.nAnchor = s.nCaret = nFrom + stInsert.size();
    s.bModified = true;
    Store_Window_Text(hWnd);
    Scroll_To_Caret(hWnd);
    InvalidateRect(hWnd, nullptr, TRUE);
    Control_Notify(hWnd, EN_UPDATE);
    Control_Notify(hWnd, EN_CHANGE);
    if (bFull) Control_Notify(hWnd, EN_MAXTEXT);
    return true;
}

void Set_Text(HWND hWnd, const char* szText) {
    EDIT_STATE& s = Edit_State(hWnd);
    s.stText = szText ? szText : "";
    s.nAnchor = s.nCaret = 0;
    s.bModified = false;
    s.nFirstLine = 0;
    s.nScrollX = 0;
    Store_Window_Text(hWnd);
    Scroll_To_Caret(hWnd);
    InvalidateRect(hWnd, nullptr, TRUE);
    Control_Notify(hWnd, EN_UPDATE);
    Control_Notify(hWnd, EN_CHANGE);
}

// ---- clipboard ---------------------------------------------------------------------------------

void Copy_Selection(HWND hWnd) {
    const EDIT_STATE& s = Edit_State(hWnd);
    // A password is never copied out.
    if (Sel_Min(s) == Sel_Max(s) || (Edit_Style(hWnd) & ES_PASSWORD)) return;
    std::string stCopy = s.stText.substr(Sel_Min(s), Sel_Max(s) - Sel_Min(s));
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, stCopy.size() + 1);
    char* p = hMem ? static_cast<char*>(GlobalLock(hMem)) : nullptr;
    if (!p) {
        if (hMem) GlobalFree(hMem);
        return;
    }
    memcpy(p, stCopy.c_str(), stCopy.size() + 1);
    GlobalUnlock(hMem);
    if (!OpenClipboard(hWnd)) {
        GlobalFree(hMem);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, hMem)) GlobalFree(hMem);
    CloseClipboard();
}

void Paste(HWND hWnd) {
    if (Is_Read_Only(hWnd) || !OpenClipboard(hWnd)) return;
    std::string stText;
    HANDLE hMem = GetClipboardData(CF_TEXT);
    if (const char* p = hMem ? static_cast<const char*>(GlobalLock(hMem)) : nullptr) {
        stText.assign(p, strnlen(p, GlobalSize(hMem)));
        GlobalUnlock(hMem);
    }
    CloseClipboard();
    Replace_Selection(hWnd, stText, true);
}

void Cut(HWND hWnd) {
    if (Is_Read_Only(hWnd)) return;
    Copy_Selection(hWnd);
    if (!(Edit_Style(hWnd) & ES_PASSWORD)) Replace_Selection(hWnd, std::string(), false);
}

// ---- keys --------------------------------------------------------------------------------------

// The position one character before or after nPos; a line break counts as one character.
size_t Step_Back(const std::string& st, size_t nPos) {
    if (nPos == 0) return 0;
    if (nPos >= 2 && st[nPos - 2] == '\r' && st[nPos - 1] == '\n') return nPos - 2;
    return nPos - 1;
}

size_t Step_Forward(const std::string& st, size_t nPos) {
    if (nPos >= st.size()) return st.size();
    size_t nBreak = Line_Break_Length(st, nPos);
    return nPos + (nBreak ? nBreak : 1);
}

// The caret one line up or down (nDelta lines), at the same distance from the left.
size_t Vertical_Move(HWND hWnd, size_t nPos, int nDelta) {
    EDIT_DC dc(hWnd);
    std::vector<EDIT_LINE> aLines = Layout_Lines(hWnd, dc.Get());
    int nLine = Line_Of(aLines, nPos);
    int nTarget = std::clamp(nLine + nDelta, 0, static_cast<int>(aLines.size()) - 1);
    if (nTarget == nLine) return nDelta < 0 ? aLines[0].nStart : aLines.back().nEnd;
    const EDIT_STATE& s = Edit_State(hWnd);
    std::string stShown = Shown_Text(hWnd);
    const EDIT_LINE& from = aLines[static_cast<size_t>(nLine)];
    RECT rc = Text_Rect(hWnd);
    int nLineHeight = Line_Height(dc.Get());
    POINT pt = {rc.left - s.nScrollX + Line_Offset(hWnd, dc.Get(), from) +
                    Text_Width(dc.Get(), stShown, from.nStart, nPos),
                rc.top + (nTarget - s.nFirstLine) * nLineHeight + nLineHeight / 2};
    return Pos_From_Point(hWnd, dc.Get(), pt);
}

// The start (bEnd false) or end of the line that holds the caret.
size_t Line_Edge(HWND hWnd, size_t nPos, bool bEnd) {
    EDIT_DC dc(hWnd);
    std::vector<EDIT_LINE> aLines = Layout_Lines(hWnd, dc.Get());
    const EDIT_LINE& line = aLines[static_cast<size_t>(Line_Of(aLines, nPos))];
    return bEnd ? line.nEnd : line.nStart;
}

void Move_Caret(HWND hWnd, size_t nPos, bool bExtend) {
    EDIT_STATE& s = Edit_State(hWnd);
    Select(hWnd, bExtend ? s.nAnchor : nPos, nPos);
    Scroll_To_Caret(hWnd);
}

void Delete_Key(HWND hWnd, bool bShift) {
    EDIT_STATE& s = Edit_State(hWnd);
    if (Is_Read_Only(hWnd)) return;
    if (Sel_Min(s) != Sel_Max(s)) {
        if (bShift)
            Cut(hWnd);
        else
            Replace_Selection(hWnd, std::string(), false);
        return;
    }
    s.nAnchor = Step_Forward(s.stText, s.nCaret);
    Replace_Selection(hWnd, std::string(), false);
}

void Edit_Key_Down(HWND hWnd, WPARAM wKey) {
    EDIT_STATE& s = Edit_State(hWnd);
    bool bShift = GetKeyState(VK_SHIFT) < 0;
    bool bCtrl = GetKeyState(VK_CONTROL) < 0;
    bool bCollapse = !bShift && Sel_Min(s) != Sel_Max(s);
    switch (wKey) {
    case VK_LEFT:
        Move_Caret(hWnd, bCollapse ? Sel_Min(s) : Step_Back(s.stText, s.nCaret), bShift);
        break;
    case VK_RIGHT:
        Move_Caret(hWnd, bCollapse ? Sel_Max(s) : Step_Forward(s.stText, s.nCaret), bShift);
        break;
    case VK_UP:
    case VK_DOWN:
        if (Is_Multi_Line(hWnd))
            Move_Caret(hWnd, Vertical_Move(hWnd, s.nCaret, wKey == VK_UP ? -1 : 1), bShift);
        else
            Edit_Key_Down(hWnd, wKey == VK_UP ? VK_LEFT : VK_RIGHT);
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (Is_Multi_Line(hWnd)) {
            EDIT_DC dc(hWnd);
            int nPage = Visible_Lines(hWnd, dc.Get());
            Move_Caret(hWnd, Vertical_Move(hWnd, s.nCaret, wKey == VK_PRIOR ? -nPage : nPage),
                       bShift);
        }
        break;
    case VK_HOME: Move_Caret(hWnd, bCtrl ? 0 : Line_Edge(hWnd, s.nCaret, false), bShift); break;
    case VK_END:
        Move_Caret(hWnd, bCtrl ? s.stText.size() : Line_Edge(hWnd, s.nCaret, true), bShift);
        break;
    case VK_DELETE: Delete_Key(hWnd, bShift); break;
    case VK_INSERT:
        if (bShift)
            Paste(hWnd);
        else if (bCtrl)
            Copy_Selection(hWnd);
        break;
    default: break;
    }
}

void Edit_Char(HWND hWnd, BYTE ch) {
    EDIT_STATE& s = Edit_State(hWnd);
    DWORD dwStyle = Edit_Style(hWnd);
    switch (ch) {
    case 0x01: Select(hWnd, 0, s.stText.size()); return;  // Ctrl+A
    case 0x03: Copy_Selection(hWnd); return;              // Ctrl+C
    case 0x16: Paste(hWnd); return;                       // Ctrl+V
    case 0x18: Cut(hWnd); return;                         // Ctrl+X
    case '\b':
        if (Is_Read_Only(hWnd)) return;
        if (Sel_Min(s) == Sel_Max(s)) s.nAnchor = Step_Back(s.stText, s.nCaret);
        Replace_Selection(hWnd, std::string(), false);
        return;
    case '\r':
        if (Is_Multi_Line(hWnd) && !Is_Read_Only(hWnd)) Replace_Selection(hWnd, "\r\n", true);
        return;
    default: break;
    }
    if (ch < ' ' || Is_Read_Only(hWnd)) return;
    if ((dwStyle & ES_NUMBER) && (ch < '0' || ch > '9')) return;
    char c = static_cast<char>(ch);
    if ((dwStyle & ES_UPPERCASE) && ch >= 'a' && ch <= 'z') c = static_cast<char>(ch - 'a' + 'A');
    if ((dwStyle & ES_LOWERCASE) && ch >= 'A' && ch <= 'Z') c = static_cast<char>(ch - 'A' + 'a');
    Replace_Selection(hWnd, std::string(1, c), true);
}

// ---- mouse -------------------------------------------------------------------------------------

bool Is_Word_Char(char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; }

void Select_Word(HWND hWnd, size_t nPos) {
    const std::string& st = Edit_State(hWnd).stText;
    size_t nFrom = nPos, nTo = nPos;
    while (nFrom > 0 && Is_Word_Char(st[nFrom - 1])) nFrom--;
    while (nTo < st.size() && Is_Word_Char(st[nTo])) nTo++;
    Select(hWnd, nFrom, nTo);
}

void Scroll_Bar_Click(HWND hWnd, POINT pt) {
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(hWnd, SB_VERT, &info);
    int nPage = std::max(1, static_cast<int>(info.nPage));
    switch (Scroll_Bar_Hit(Scroll_Bar_Rect(hWnd), true, info, pt)) {
    case SB_LINEUP: Scroll_Lines(hWnd, -1); break;
    case SB_LINEDOWN: Scroll_Lines(hWnd, 1); break;
    case SB_PAGEUP: Scroll_Lines(hWnd, -nPage); break;
    case SB_PAGEDOWN: Scroll_Lines(hWnd, nPage); break;
    default: break;
    }
}

void Edit_Mouse(HWND hWnd, UINT uMsg, WPARAM wKeys, LPARAM lParam) {
    EDIT_STATE& s = Edit_State(hWnd);
    POINT pt = Control_Mouse_Point(lParam);
    if (uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK) {
        if (GetFocus() != hWnd) SetFocus(hWnd);
        if (Has_Scroll_Bar(hWnd) && Rect_Contains(Scroll_Bar_Rect(hWnd), pt)) {
            Scroll_Bar_Click(hWnd, pt);
            return;
        }
        size_t nPos;
        {
            EDIT_DC dc(hWnd);
            nPos = Pos_From_Point(hWnd, dc.Get(), pt);
        }
        if (uMsg == WM_LBUTTONDBLCLK) {
            Select_Word(hWnd, nPos);
            return;
        }
        Move_Caret(hWnd, nPos, (wKeys & MK_SHIFT) != 0);
        s.bMouseSelecting = true;
        SetCapture(hWnd);
        return;
    }
    if (!s.bMouseSelecting) return;
    size_t nPos;
    {
        EDIT_DC dc(hWnd);
        nPos = Pos_From_Point(hWnd, dc.Get(), pt);
    }
    Move_Caret(hWnd, nPos, true);
    if (uMsg == WM_LBUTTONUP) {
        s.bMouseSelecting = false;
        if (GetCapture() == hWnd) ReleaseCapture();
    }
}

// ---- painting ----------------------------------------------------------------------------------

bool Shows_Selection(HWND hWnd) {
    return Edit_State(hWnd).bFocus || (Edit_Style(hWnd) & ES_NOHIDESEL);
}

// Draws the part [nFrom, nTo) of a line at x, selected or not.
int Draw_Run(HDC hdc, const std::string& stShown, size_t nFrom, size_t nTo, int x, int y,
             int nLineHeight, bool bSelected) {
    int nWidth = Text_Width(hdc, stShown, nFrom, nTo);
    if (nTo <= nFrom) return x;
    if (bSelected) {
        RECT rc = {x, y, x + nWidth, y + nLineHeight};
        FillRect(hdc, &rc, GetSysColorBrush(COLOR_HIGHLIGHT));
        COLORREF crOld = SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        int nOldMode = SetBkMode(hdc, TRANSPARENT);
        TextOutA(hdc, x, y, stShown.c_str() + nFrom, static_cast<int>(nTo - nFrom));
        SetBkMode(hdc, nOldMode);
        SetTextColor(hdc, crOld);
    } else {
        TextOutA(hdc, x, y, stShown.c_str() + nFrom, static_cast<int>(nTo - nFrom));
    }
    return x + nWidth;
}

void Edit_Paint(HWND hWnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (!hdc) return;
    const EDIT_STATE& s = Edit_State(hWnd);
    bool bEnabled = IsWindowEnabled(hWnd);
    bool bStatic = Is_Read_Only(hWnd) || !bEnabled;
    HBRUSH hBack = Control_Colors(hWnd, hdc, bStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                  bStatic ? COLOR_BTNFACE : COLOR_WINDOW);
    RECT rcClient;
    GetClientRect(hWnd, &rcClient);
    FillRect(hdc, &rcClient, hBack);
    if (!bEnabled) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ hOldFont = SelectObject(hdc, Control_Font(hWnd));

    RECT rc = Text_Rect(hWnd);
    std::vector<EDIT_LINE> aLines = Layout_Lines(hWnd, hdc);
    int nLineHeight = Line_Height(hdc);
    std::string stShown = Shown_Text(hWnd);
    size_t nSelFrom = Shows_Selection(hWnd) ? Sel_Min(s) : 0;
    size_t nSelTo = Shows_Selection(hWnd) ? Sel_Max(s) : 0;
    HRGN hClip = CreateRectRgn(rc.left, rc.top, rc.right, rc.bottom);
    SelectClipRgn(hdc, hClip);
    int nCaretLine = Line_Of(aLines, s.nCaret);
    for (size_t i = static_cast<size_t>(s.nFirstLine); i < aLines.size(); i++) {
        int y = rc.top + static_cast<int>(i - static_cast<size_t>(s.nFirstLine)) * nLineHeight;
        if (y >= rc.bottom) break;
        const EDIT_LINE& line = aLines[i];
        int x0 = rc.left - s.nScrollX + Line_Offset(hWnd, hdc, line);
        size_t nA = std::clamp(nSelFrom, line.nStart, line.nEnd);
        size_t nB = std::clamp(nSelTo, line.nStart, line.nEnd);
        int x = Draw_Run(hdc, stShown, line.nStart, nA, x0, y, nLineHeight, false);
        x = Draw_Run(hdc, stShown, nA, nB, x, y, nLineHeight, true);
        Draw_Run(hdc, stShown, nB, line.nEnd, x, y, nLineHeight, false);
        if (s.bFocus && static_cast<int>(i) == nCaretLine) {
            int xCaret = x0 + Text_Width(hdc, stShown, line.nStart, s.nCaret);
            RECT rcCaret = {xCaret, y, xCaret + 1, y + nLineHeight};
            // In the text's colour, which shows on whatever background the parent chose.
            HBRUSH hCaret = CreateSolidBrush(GetTextColor(hdc));
            FillRect(hdc, &rcCaret, hCaret);
            DeleteObject(hCaret);
        }
    }
    SelectClipRgn(hdc, nullptr);
    DeleteObject(hClip);
    if (Has_Scroll_Bar(hWnd)) {
        SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(hWnd, SB_VERT, &info);
        Scroll_Bar_Draw(hdc, Scroll_Bar_Rect(hWnd), true, info, bEnabled);
    }
    SelectObject(hdc, hOldFont);
    EndPaint(hWnd, &ps);
}

// ---- messages ----------------------------------------------------------------------------------

LRESULT Get_Sel(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    const EDIT_STATE& s = Edit_State(hWnd);
    DWORD nFrom = static_cast<DWORD>(Sel_Min(s)), nTo = static_cast<DWORD>(Sel_Max(s));
    if (DWORD* pFrom = reinterpret_cast<DWORD*>(wParam)) *pFrom = nFrom;
    if (DWORD* pTo = reinterpret_cast<DWORD*>(lParam)) *pTo = nTo;
    if (nFrom > 0xFFFF || nTo > 0xFFFF) return -1;
    return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(nFrom, nTo)));
}

// EM_SETSEL: a start of -1 drops the selection, an end of -1 (or past the text) is its end.
void Set_Sel(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    EDIT_STATE& s = Edit_State(hWnd);
    int nFrom = static_cast<int>(wParam), nTo = static_cast<int>(lParam);
    size_t nSize = s.stText.size();
    if (nFrom == -1) {
        Select(hWnd, s.nCaret, s.nCaret);
        return;
    }
    size_t nAnchor = nFrom < 0 ? nSize : std::min(static_cast<size_t>(nFrom), nSize);
    size_t nCaret = nTo < 0 ? nSize : std::min(static_cast<size_t>(nTo), nSize);
    Select(hWnd, nAnchor, nCaret);
}

// EM_LINEINDEX, EM_LINELENGTH, EM_LINEFROMCHAR, EM_GETLINE and EM_GETLINECOUNT.
LRESULT Line_Message(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const EDIT_STATE& s = Edit_State(hWnd);
    EDIT_DC dc(hWnd);
    std::vector<EDIT_LINE> aLines = Layout_Lines(hWnd, dc.Get());
    int nCount = static_cast<int>(aLines.size());
    int nIndex = static_cast<int>(wParam);
    switch (uMsg) {
    case EM_GETLINECOUNT: return nCount;
    case EM_LINEINDEX: {
        int nLine = nIndex == -1 ? Line_Of(aLines, s.nCaret) : nIndex;
        if (nLine < 0 || nLine >= nCount) return -1;
        return static_cast<LRESULT>(aLines[static_cast<size_t>(nLine)].nStart);
    }
    case EM_LINEFROMCHAR: {
        size_t nPos = nIndex < 0 ? Sel_Min(s) : static_cast<size_t>(nIndex);
        return Line_Of(aLines, std::min(nPos, s.stText.size()));
    }
    case EM_LINELENGTH: {
        size_t nPos =
            nIndex < 0 ? s.nCaret : std::min(static_cast<size_t>(nIndex), s.stText.size());
        const EDIT_LINE& line = aLines[static_cast<size_t>(Line_Of(aLines, nPos))];
        return static_cast<LRESULT>(line.nEnd - line.nStart);
    }
    case EM_GETLINE: {
        // The buffer's first WORD holds its size; the line is copied without a terminator.
        char* pBuffer = reinterpret_cast<char*>(lParam);
        if (!pBuffer || nIndex < 0 || nIndex >= nCount) return 0;
        WORD nSize;
        memcpy(&nSize, pBuffer, sizeof(nSize));
        const EDIT_LINE& line = aLines[static_cast<size_t>(nIndex)];
        size_t nCopy = std::min(static_cast<size_t>(nSize), line.nEnd - line.nStart);
        memcpy(pBuffer, s.stText.data() + line.nStart, nCopy);
        return static_cast<LRESULT>(nCopy);
    }
    default: return 0;
    }
}

LRESULT Scroll_Message(HWND hWnd, WPARAM wCode) {
    if (!Is_Multi_Line(hWnd)) return FALSE;
    int nPage;
    {
        EDIT_DC dc(hWnd);
        nPage = Visible_Lines(hWnd, dc.Get());
    }
    int nDelta = 0;
    switch (wCode) {
    case SB_LINEUP: nDelta = -1; break;
    case SB_LINEDOWN: nDelta = 1; break;
    case SB_PAGEUP: nDelta = -nPage; break;
    case SB_PAGEDOWN: nDelta = nPage; break;
    default: return FALSE;
    }
    int nBefore = Edit_State(hWnd).nFirstLine;
    Scroll_Lines(hWnd, nDelta);
    int nMoved = Edit_State(hWnd).nFirstLine - nBefore;
    return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(nMoved, TRUE)));
}

// A multi-line edit that takes Enter keeps every key from the dialog but Escape, which still
// cancels the dialog, and Tab, which still moves on to the next control.
LRESULT Edit_Dialog_Code(HWND hWnd, const MSG* pMsg) {
    LRESULT nCode = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (!Is_Multi_Line(hWnd) || !(Edit_Style(hWnd) & ES_WANTRETURN)) return nCode;
    bool bDialogKey = pMsg && pMsg->message == WM_KEYDOWN &&
                      (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_TAB);
    return bDialogKey ? nCode : nCode | DLGC_WANTALLKEYS;
}

void Set_Focus(HWND hWnd, bool bFocus) {
    Edit_State(hWnd).bFocus = bFocus;
    if (!bFocus) Edit_State(hWnd).bMouseSelecting = false;
    InvalidateRect(hWnd, nullptr, TRUE);
    Control_Notify(hWnd, bFocus ? EN_SETFOCUS : EN_KILLFOCUS);
}

LRESULT Set_Read_Only(HWND hWnd, bool bReadOnly) {
    DWORD dwStyle = Edit_Style(hWnd);
    dwStyle = bReadOnly ? (dwStyle | ES_READONLY) : (dwStyle & ~static_cast<DWORD>(ES_READONLY));
    SetWindowLongPtrA(hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwStyle));
    InvalidateRect(hWnd, nullptr, TRUE);
    return TRUE;
}

LRESULT Edit_Create(HWND hWnd, LPARAM lParam) {
    gEdits[hWnd] = EDIT_STATE();
    const CREATESTRUCTA* pCreate = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    EDIT_STATE& s = Edit_State(hWnd);
    s.stText = pCreate && pCreate->lpszName ? pCreate->lpszName : "";
    Store_Window_Text(hWnd);
    return 0;
}

}  // namespace

LRESULT Edit_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    LRESULT nResult = 0;
    if (Control_Handle_Font(hWnd, uMsg, wParam, lParam, &nResult)) return nResult;
    switch (uMsg) {
    case WM_CREATE: return Edit_Create(hWnd, lParam);
    case WM_NCDESTROY:
        gEdits.erase(hWnd);
        Control_Forget(hWnd);
        return 0;
    case WM_PAINT: Edit_Paint(hWnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE: InvalidateRect(hWnd, nullptr, TRUE); return 0;
    case WM_SETTEXT: Set_Text(hWnd, reinterpret_cast<const char*>(lParam)); return TRUE;
    case WM_GETDLGCODE: return Edit_Dialog_Code(hWnd, reinterpret_cast<const MSG*>(lParam));
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Set_Focus(hWnd, uMsg == WM_SETFOCUS); return 0;
    case WM_KEYDOWN: Edit_Key_Down(hWnd, wParam); return 0;
    case WM_CHAR: Edit_Char(hWnd, static_cast<BYTE>(wParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: Edit_Mouse(hWnd, uMsg, wParam, lParam); return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hWnd) Edit_State(hWnd).bMouseSelecting = false;
        return 0;
    case WM_CUT: Cut(hWnd); return 0;
    case WM_COPY: Copy_Selection(hWnd); return 0;
    case WM_PASTE: Paste(hWnd); return 0;
    case WM_CLEAR:
        if (!Is_Read_Only(hWnd)) Replace_Selection(hWnd, std::string(), false);
        return 0;
    case WM_VSCROLL: return Scroll_Message(hWnd, LOWORD(wParam));
    case EM_GETSEL: return Get_Sel(hWnd, wParam, lParam);
    case EM_SETSEL: Set_Sel(hWnd, wParam, lParam); return 0;
    case EM_REPLACESEL: {
        const char* szText = reinterpret_cast<const char*>(lParam);
        Replace_Selection(hWnd, szText ? szText : "", true);
        return 0;
    }
    case EM_GETLINECOUNT:
    case EM_LINEINDEX:
    case EM_LINEFROMCHAR:
    case EM_LINELENGTH:
    case EM_GETLINE: return Line_Message(hWnd, uMsg, wParam, lParam);
    case EM_LINESCROLL:
        if (!Is_Multi_Line(hWnd)) return FALSE;
        Scroll_Lines(hWnd, static_cast<int>(lParam));
        return TRUE;
    case EM_SCROLL: return Scroll_Message(hWnd, wParam);
    case EM_SCROLLCARET: Scroll_To_Caret(hWnd); return TRUE;
    case EM_GETFIRSTVISIBLELINE: return Edit_State(hWnd).nFirstLine;
    case EM_GETMODIFY: return Edit_State(hWnd).bModified ? TRUE : FALSE;
    case EM_SETMODIFY: Edit_State(hWnd).bModified = wParam != 0; return 0;
    case EM_SETREADONLY: return Set_Read_Only(hWnd, wParam != 0);
    case EM_LIMITTEXT:
        Edit_State(hWnd).nLimit = wParam ? static_cast<size_t>(wParam) : kLargestLimit;
        return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(Edit_State(hWnd).nLimit);
    case EM_SETPASSWORDCHAR:
        Edit_State(hWnd).chPassword = static_cast<char>(wParam);
        InvalidateRect(hWnd, nullptr, TRUE);
        return 0;
    case EM_GETRECT:
        if (RECT* pRect = reinterpret_cast<RECT*>(lParam)) *pRect = Text_Rect(hWnd);
        return 0;
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
