// The parser: DIALOGEX templates with their controls, STRINGTABLE, MENU with nested POPUPs, and
// ACCELERATORS (MENUEX blocks are read and skipped). Numeric fields are expressions over numbers and the known style
// names with | + - ~ and parentheses; style fields also take NOT name to clear bits.
#include "rc_compiler.h"

#include <ctype.h>
#include <string.h>
#include <strings.h>

namespace {

struct STYLE_NAME {
    const char* szName;
    uint32_t uValue;
};

const STYLE_NAME kStyleNames[] = {
    // windows
    {"WS_OVERLAPPED", 0x00000000},
    {"WS_POPUP", 0x80000000},
    {"WS_CHILD", 0x40000000},
    {"WS_MINIMIZE", 0x20000000},
    {"WS_VISIBLE", 0x10000000},
    {"WS_DISABLED", 0x08000000},
    {"WS_CLIPSIBLINGS", 0x04000000},
    {"WS_CLIPCHILDREN", 0x02000000},
    {"WS_MAXIMIZE", 0x01000000},
    {"WS_CAPTION", 0x00C00000},
    {"WS_BORDER", 0x00800000},
    {"WS_DLGFRAME", 0x00400000},
    {"WS_VSCROLL", 0x00200000},
    {"WS_HSCROLL", 0x00100000},
    {"WS_SYSMENU", 0x00080000},
    {"WS_THICKFRAME", 0x00040000},
    {"WS_GROUP", 0x00020000},
    {"WS_TABSTOP", 0x00010000},
    {"WS_MINIMIZEBOX", 0x00020000},
    {"WS_MAXIMIZEBOX", 0x00010000},
    {"WS_OVERLAPPEDWINDOW", 0x00CF0000},
    {"WS_POPUPWINDOW", 0x80880000},
    // extended window styles
    {"WS_EX_DLGMODALFRAME", 0x00000001},
    {"WS_EX_NOPARENTNOTIFY", 0x00000004},
    {"WS_EX_TOPMOST", 0x00000008},
    {"WS_EX_ACCEPTFILES", 0x00000010},
    {"WS_EX_TRANSPARENT", 0x00000020},
    {"WS_EX_TOOLWINDOW", 0x00000080},
    {"WS_EX_WINDOWEDGE", 0x00000100},
    {"WS_EX_CLIENTEDGE", 0x00000200},
    {"WS_EX_CONTEXTHELP", 0x00000400},
    {"WS_EX_RIGHT", 0x00001000},
    {"WS_EX_CONTROLPARENT", 0x00010000},
    {"WS_EX_STATICEDGE", 0x00020000},
    {"WS_EX_APPWINDOW", 0x00040000},
    // dialogs
    {"DS_ABSALIGN", 0x0001},
    {"DS_SYSMODAL", 0x0002},
    {"DS_3DLOOK", 0x0004},
    {"DS_FIXEDSYS", 0x0008},
    {"DS_NOFAILCREATE", 0x0010},
    {"DS_LOCALEDIT", 0x0020},
    {"DS_SETFONT", 0x0040},
    {"DS_MODALFRAME", 0x0080},
    {"DS_NOIDLEMSG", 0x0100},
    {"DS_SETFOREGROUND", 0x0200},
    {"DS_CONTROL", 0x0400},
    {"DS_CENTER", 0x0800},
    {"DS_CENTERMOUSE", 0x1000},
    {"DS_CONTEXTHELP", 0x2000},
    {"DS_SHELLFONT", 0x0048},
    // buttons
    {"BS_PUSHBUTTON", 0x0000},
    {"BS_DEFPUSHBUTTON", 0x0001},
    {"BS_CHECKBOX", 0x0002},
    {"BS_AUTOCHECKBOX", 0x0003},
    {"BS_RADIOBUTTON", 0x0004},
    {"BS_3STATE", 0x0005},
    {"BS_AUTO3STATE", 0x0006},
    {"BS_GROUPBOX", 0x0007},
    {"BS_AUTORADIOBUTTON", 0x0009},
    {"BS_OWNERDRAW", 0x000B},
    {"BS_LEFTTEXT", 0x0020},
    {"BS_TEXT", 0x0000},
    {"BS_ICON", 0x0040},
    {"BS_BITMAP", 0x0080},
    {"BS_LEFT", 0x0100},
    {"BS_RIGHT", 0x0200},
    {"BS_CENTER", 0x0300},
    {"BS_TOP", 0x0400},
    {"BS_BOTTOM", 0x0800},
    {"BS_VCENTER", 0x0C00},
    {"BS_PUSHLIKE", 0x1000},
    {"BS_MULTILINE", 0x2000},
    {"BS_NOTIFY", 0x4000},
    {"BS_FLAT", 0x8000},
    // static controls
    {"SS_LEFT", 0x0000},
    {"SS_CENTER", 0x0001},
    {"SS_RIGHT", 0x0002},
    {"SS_ICON", 0x0003},
    {"SS_BLACKRECT", 0x0004},
    {"SS_GRAYRECT", 0x0005},
    {"SS_WHITERECT", 0x0006},
    {"SS_BLACKFRAME", 0x0007},
    {"SS_GRAYFRAME", 0x0008},
    {"SS_WHITEFRAME", 0x0009},
    {"SS_SIMPLE", 0x000B},
    {"SS_LEFTNOWORDWRAP", 0x000C},
    {"SS_OWNERDRAW", 0x000D},
    {"SS_BITMAP", 0x000E},
    {"SS_ETCHEDHORZ", 0x0010},
    {"SS_ETCHEDVERT", 0x0011},
    {"SS_ETCHEDFRAME", 0x0012},
    {"SS_NOPREFIX", 0x0080},
    {"SS_NOTIFY", 0x0100},
    {"SS_CENTERIMAGE", 0x0200},
    {"SS_SUNKEN", 0x1000},
    // edit controls
    {"ES_LEFT", 0x0000},
    {"ES_CENTER", 0x0001},
    {"ES_RIGHT", 0x0002},
    {"ES_MULTILINE", 0x0004},
    {"ES_UPPERCASE", 0x0008},
    {"ES_LOWERCASE", 0x0010},
    {"ES_PASSWORD", 0x0020},
    {"ES_AUTOVSCROLL", 0x0040},
    {"ES_AUTOHSCROLL", 0x0080},
    {"ES_NOHIDESEL", 0x0100},
    {"ES_OEMCONVERT", 0x0400},
    {"ES_READONLY", 0x0800},
    {"ES_WANTRETURN", 0x1000},
    {"ES_NUMBER", 0x2000},
    // combo boxes
    {"CBS_SIMPLE", 0x0001},
    {"CBS_DROPDOWN", 0x0002},
    {"CBS_DROPDOWNLIST", 0x0003},
    {"CBS_OWNERDRAWFIXED", 0x0010},
    {"CBS_OWNERDRAWVARIABLE", 0x0020},
    {"CBS_AUTOHSCROLL", 0x0040},
    {"CBS_OEMCONVERT", 0x0080},
    {"CBS_SORT", 0x0100},
    {"CBS_HASSTRINGS", 0x0200},
    {"CBS_NOINTEGRALHEIGHT", 0x0400},
    {"CBS_DISABLENOSCROLL", 0x0800},
    {"CBS_UPPERCASE", 0x2000},
    {"CBS_LOWERCASE", 0x4000},
    // list boxes
    {"LBS_NOTIFY", 0x0001},
    {"LBS_SORT", 0x0002},
    {"LBS_NOREDRAW", 0x0004},
    {"LBS_MULTIPLESEL", 0x0008},
    {"LBS_OWNERDRAWFIXED", 0x0010},
    {"LBS_OWNERDRAWVARIABLE", 0x0020},
    {"LBS_HASSTRINGS", 0x0040},
    {"LBS_USETABSTOPS", 0x0080},
    {"LBS_NOINTEGRALHEIGHT", 0x0100},
    {"LBS_MULTICOLUMN", 0x0200},
    {"LBS_WANTKEYBOARDINPUT", 0x0400},
    {"LBS_EXTENDEDSEL", 0x0800},
    {"LBS_DISABLENOSCROLL", 0x1000},
    {"LBS_NODATA", 0x2000},
    {"LBS_NOSEL", 0x4000},
    {"LBS_STANDARD", 0x00A00003},
    // scroll bars
    {"SBS_HORZ", 0x0000},
    {"SBS_VERT", 0x0001},
    // list views
    {"LVS_ICON", 0x0000},
    {"LVS_REPORT", 0x0001},
    {"LVS_SMALLICON", 0x0002},
    {"LVS_LIST", 0x0003},
    {"LVS_SINGLESEL", 0x0004},
    {"LVS_SHOWSELALWAYS", 0x0008},
    {"LVS_SORTASCENDING", 0x0010},
    {"LVS_SORTDESCENDING", 0x0020},
    {"LVS_SHAREIMAGELISTS", 0x0040},
    {"LVS_NOLABELWRAP", 0x0080},
    {"LVS_AUTOARRANGE", 0x0100},
    {"LVS_EDITLABELS", 0x0200},
    {"LVS_OWNERDRAWFIXED", 0x0400},
    {"LVS_ALIGNLEFT", 0x0800},
    {"LVS_OWNERDATA", 0x1000},
    {"LVS_NOSCROLL", 0x2000},
    {"LVS_NOCOLUMNHEADER", 0x4000},
    {"LVS_NOSORTHEADER", 0x8000},
    // progress bars, up-down controls, status bars
    {"PBS_SMOOTH", 0x0001},
    {"PBS_VERTICAL", 0x0004},
    {"UDS_WRAP", 0x0001},
    {"UDS_SETBUDDYINT", 0x0002},
    {"UDS_ALIGNRIGHT", 0x0004},
    {"UDS_ALIGNLEFT", 0x0008},
    {"UDS_AUTOBUDDY", 0x0010},
    {"UDS_ARROWKEYS", 0x0020},
    {"UDS_HORZ", 0x0040},
    {"UDS_NOTHOUSANDS", 0x0080},
    {"UDS_HOTTRACK", 0x0100},
    {"SBARS_SIZEGRIP", 0x0100},
    // the usual "no id" of static controls
    {"IDC_STATIC", 0xFFFFFFFF},
};

const uint32_t kChildVisible = 0x40000000 | 0x10000000;  // WS_CHILD | WS_VISIBLE
const uint32_t kDefaultDialogStyle =
    0x80000000 | 0x00800000 | 0x00080000;  // popup, border, sysmenu
const uint32_t kCaptionStyle = 0x00C00000;
const uint32_t kSetFontStyle = 0x0040;

enum CONTROL_FORM { FORM_TEXT_FIRST, FORM_NO_TEXT };

// The shorthand control statements: their class, default style and argument order.
struct CONTROL_STATEMENT {
    const char* szKeyword;
    const char* szClass;
    uint32_t uDefaultStyle;
    CONTROL_FORM nForm;
};

const CONTROL_STATEMENT kControlStatements[] = {
    {"LTEXT", "STATIC", 0x0000 | 0x00020000, FORM_TEXT_FIRST},       // SS_LEFT | WS_GROUP
    {"RTEXT", "STATIC", 0x0002 | 0x00020000, FORM_TEXT_FIRST},       // SS_RIGHT | WS_GROUP
    {"CTEXT", "STATIC", 0x0001 | 0x00020000, FORM_TEXT_FIRST},       // SS_CENTER | WS_GROUP
    {"PUSHBUTTON", "BUTTON", 0x0000 | 0x00010000, FORM_TEXT_FIRST},  // + WS_TABSTOP
    {"DEFPUSHBUTTON", "BUTTON", 0x0001 | 0x00010000, FORM_TEXT_FIRST},
    {"GROUPBOX", "BUTTON", 0x0007, FORM_TEXT_FIRST},
    {"CHECKBOX", "BUTTON", 0x0002 | 0x00010000, FORM_TEXT_FIRST},
    {"AUTOCHECKBOX", "BUTTON", 0x0003 | 0x00010000, FORM_TEXT_FIRST},
    {"RADIOBUTTON", "BUTTON", 0x0004, FORM_TEXT_FIRST},
    {"AUTORADIOBUTTON", "BUTTON", 0x0009, FORM_TEXT_FIRST},
    {"EDITTEXT", "EDIT", 0x0000 | 0x00800000 | 0x00010000, FORM_NO_TEXT},  // ES_LEFT, border, tab
    {"COMBOBOX", "COMBOBOX", 0x0001 | 0x00010000, FORM_NO_TEXT},           // CBS_SIMPLE, tab
    {"LISTBOX", "LISTBOX", 0x0001 | 0x00800000, FORM_NO_TEXT},             // LBS_NOTIFY, border
};

// Class names CONTROL accepts as bare words.
const char* const kClassKeywords[] = {"BUTTON",  "EDIT",      "STATIC",
                                      "LISTBOX", "SCROLLBAR", "COMBOBOX"};

// Load and memory options the old syntax allows after a resource's type; they mean nothing here.
const char* const kMemoryOptions[] = {"DISCARDABLE", "MOVEABLE", "FIXED",     "PURE",
                                      "IMPURE",      "PRELOAD",  "LOADONCALL"};

// The options after MENUITEM and POPUP, as MF_ flags.
const STYLE_NAME kMenuOptions[] = {
    {"GRAYED", 0x0001},       {"INACTIVE", 0x0002},  {"CHECKED", 0x0008},
    {"MENUBARBREAK", 0x0020}, {"MENUBREAK", 0x0040}, {"HELP", 0x4000},
};
const uint32_t kMenuPopup = 0x0010;      // MF_POPUP
const uint32_t kMenuSeparator = 0x0800;  // MF_SEPARATOR

// The options of an accelerator entry, as FVIRTKEY, FNOINVERT, FSHIFT, FCONTROL, FALT. ASCII is
// the default and sets nothing.
const STYLE_NAME kAccelOptions[] = {
    {"VIRTKEY", 0x01}, {"ASCII", 0x00},   {"NOINVERT", 0x02},
    {"SHIFT", 0x04},   {"CONTROL", 0x08}, {"ALT", 0x10},
};
const uint8_t kAccelVirtKey = 0x01;
const uint8_t kAccelShiftControl = 0x04 | 0x08;

// The virtual-key names an accelerator may use for its key.
const STYLE_NAME kVirtualKeys[] = {
    {"VK_BACK", 0x08},     {"VK_TAB", 0x09},       {"VK_RETURN", 0x0D},    {"VK_ESCAPE", 0x1B},
    {"VK_SPACE", 0x20},    {"VK_PRIOR", 0x21},     {"VK_NEXT", 0x22},      {"VK_END", 0x23},
    {"VK_HOME", 0x24},     {"VK_LEFT", 0x25},      {"VK_UP", 0x26},        {"VK_RIGHT", 0x27},
    {"VK_DOWN", 0x28},     {"VK_INSERT", 0x2D},    {"VK_DELETE", 0x2E},    {"VK_F1", 0x70},
    {"VK_F2", 0x71},       {"VK_F3", 0x72},        {"VK_F4", 0x73},        {"VK_F5", 0x74},
    {"VK_F6", 0x75},       {"VK_F7", 0x76},        {"VK_F8", 0x77},        {"VK_F9", 0x78},
    {"VK_F10", 0x79},      {"VK_F11", 0x7A},       {"VK_F12", 0x7B},       {"VK_OEM_1", 0xBA},
    {"VK_OEM_PLUS", 0xBB}, {"VK_OEM_COMMA", 0xBC}, {"VK_OEM_MINUS", 0xBD}, {"VK_OEM_PERIOD", 0xBE},
    {"VK_OEM_2", 0xBF},
};

struct STYLE_VALUE {
    uint32_t uSet;
    uint32_t uClear;
};

struct CURSOR {
    const std::vector<RC_TOKEN>* pTokens;
    size_t nPos;
};

const RC_TOKEN& Current(const CURSOR& c) { return (*c.pTokens)[c.nPos]; }

void Advance(CURSOR& c) {
    if (Current(c).nType != TOKEN_END) c.nPos++;
}

[[noreturn]] void Fail_At(const RC_TOKEN& tok, const char* szWhat) {
    if (tok.nType == TOKEN_END)
        Rc_Fail(tok.stFile, tok.nLine, "%s, found the end of the file", szWhat);
    if (tok.nType == TOKEN_STRING) Rc_Fail(tok.stFile, tok.nLine, "%s, found a string", szWhat);
    if (tok.nType == TOKEN_NUMBER)
        Rc_Fail(tok.stFile, tok.nLine, "%s, found %lld", szWhat,
                static_cast<long long>(tok.nValue));
    Rc_Fail(tok.stFile, tok.nLine, "%s, found '%s'", szWhat, tok.stText.c_str());
}

bool Is_Punct(const CURSOR& c, char ch) {
    return Current(c).nType == TOKEN_PUNCT && Current(c).stText[0] == ch;
}

// Keywords compare without regard to case.
bool Is_Keyword(const CURSOR& c, const char* szKeyword) {
    return Current(c).nType == TOKEN_NAME && strcasecmp(Current(c).stText.c_str(), szKeyword) == 0;
}

// The entry of the table whose name is the current token, or nullptr.
template <size_t N>
const STYLE_NAME* Find_Keyword(const CURSOR& c, const STYLE_NAME (&aNames)[N]) {
    for (const STYLE_NAME& s : aNames)
        if (Is_Keyword(c, s.szName)) return &s;
    return nullptr;
}

bool Is_Begin(const CURSOR& c) { return Is_Punct(c, '{') || Is_Keyword(c, "BEGIN"); }
bool Is_End(const CURSOR& c) { return Is_Punct(c, '}') || Is_Keyword(c, "END"); }

void Expect_Punct(CURSOR& c, char ch) {
    if (!Is_Punct(c, ch)) {
        char szWhat[32];
        snprintf(szWhat, sizeof(szWhat), "expected '%c'", ch);
        Fail_At(Current(c), szWhat);
    }
    Advance(c);
}

void Expect_Begin(CURSOR& c) {
    if (!Is_Begin(c)) Fail_At(Current(c), "expected BEGIN or '{'");
    Advance(c);
}

std::string Expect_String(CURSOR& c, const char* szWhat) {
    if (Current(c).nType != TOKEN_STRING) Fail_At(Current(c), szWhat);
    std::string st = Current(c).stText;
    Advance(c);
    return st;
}

int64_t Parse_Expression(CURSOR& c);

int64_t Parse_Primary(CURSOR& c) {
    const RC_TOKEN& tok = Current(c);
    if (tok.nType == TOKEN_NUMBER) {
        Advance(c);
        return tok.nValue;
    }
    if (tok.nType == TOKEN_NAME) {
        for (const STYLE_NAME& s : kStyleNames) {
            if (tok.stText == s.szName) {
                Advance(c);
                return s.uValue == 0xFFFFFFFF ? -1 : s.uValue;  // IDC_STATIC is -1
            }
        }
        Rc_Fail(tok.stFile, tok.nLine, "unknown name '%s' (not #defined and not a style name)",
                tok.stText.c_str());
    }
    if (Is_Punct(c, '(')) {
        Advance(c);
        int64_t nValue = Parse_Expression(c);
        Expect_Punct(c, ')');
        return nValue;
    }
    if (Is_Punct(c, '-')) {
        Advance(c);
        return -Parse_Primary(c);
    }
    if (Is_Punct(c, '~')) {
        Advance(c);
        return ~Parse_Primary(c) & 0xFFFFFFFFLL;
    }
    Fail_At(tok, "expected a number");
}

int64_t Parse_Sum(CURSOR& c) {
    int64_t nValue = Parse_Primary(c);
    while (Is_Punct(c, '+') || Is_Punct(c, '-')) {
        bool bPlus = Is_Punct(c, '+');
        Advance(c);
        int64_t nRight = Parse_Primary(c);
        nValue = bPlus ? nValue + nRight : nValue - nRight;
    }
    return nValue;
}

int64_t Parse_Expression(CURSOR& c) {
    int64_t nValue = Parse_Sum(c);
    while (Is_Punct(c, '|')) {
        Advance(c);
        nValue = (nValue | Parse_Sum(c)) & 0xFFFFFFFFLL;
    }
    return nValue;
}

int Parse_Int(CURSOR& c, int64_t nMin, int64_t nMax, const char* szWhat) {
    const RC_TOKEN tok = Current(c);
    int64_t nValue = Parse_Expression(c);
    if (nValue < nMin || nValue > nMax)
        Rc_Fail(tok.stFile, tok.nLine, "%s %lld is out of range (%lld..%lld)", szWhat,
                static_cast<long long>(nValue), static_cast<long long>(nMin),
                static_cast<long long>(nMax));
    return static_cast<int>(nValue);
}

STYLE_VALUE Parse_Style(CURSOR& c) {
    STYLE_VALUE v = {0, 0};
    for (;;) {
        if (Is_Keyword(c, "NOT")) {
            Advance(c);
            v.uClear |= static_cast<uint32_t>(Parse_Sum(c));
        } else {
            v.uSet |= static_cast<uint32_t>(Parse_Sum(c));
        }
        if (!Is_Punct(c, '|')) return v;
        Advance(c);
    }
}

uint32_t Apply_Style(uint32_t uBase, STYLE_VALUE v) { return (uBase | v.uSet) & ~v.uClear; }

bool Take_Comma(CURSOR& c) {
    if (!Is_Punct(c, ',')) return false;
    Advance(c);
    return true;
}

// x, y, cx, cy in dialog units.
void Parse_Rectangle(CURSOR& c, int* x, int* y, int* cx, int* cy) {
    *x = Parse_Int(c, -32768, 32767, "x");
    Expect_Punct(c, ',');
    *y = Parse_Int(c, -32768, 32767, "y");
    Expect_Punct(c, ',');
    *cx = Parse_Int(c, -32768, 32767, "width");
    Expect_Punct(c, ',');
    *cy = Parse_Int(c, -32768, 32767, "height");
}

// The optional ", style [, exstyle [, help id]]" at the end of a control.
void Parse_Control_Tail(CURSOR& c, RC_CONTROL_DEF* pControl, bool bHelpId) {
    if (!Take_Comma(c)) return;
    pControl->uStyle = Apply_Style(pControl->uStyle, Parse_Style(c));
    if (!Take_Comma(c)) return;
    pControl->uExStyle = Apply_Style(pControl->uExStyle, Parse_Style(c));
    if (bHelpId && Take_Comma(c)) Parse_Expression(c);
}

const int kMinControlId = -1;
const int kMaxControlId = 65535;

RC_CONTROL_DEF Parse_Generic_Control(CURSOR& c) {
    RC_CONTROL_DEF ctl = {"", "", 0, kChildVisible, 0, 0, 0, 0, 0};
    ctl.stText = Expect_String(c, "expected the control's text");
    Expect_Punct(c, ',');
    ctl.nId = Parse_Int(c, kMinControlId, kMaxControlId, "control id");
    Expect_Punct(c, ',');
    if (Current(c).nType == TOKEN_STRING) {
        ctl.stClass = Current(c).stText;
    } else {
        for (const char* szClass : kClassKeywords)
            if (Is_Keyword(c, szClass)) ctl.stClass = szClass;
        if (ctl.stClass.empty()) Fail_At(Current(c), "expected a class name");
    }
    Advance(c);
    Expect_Punct(c, ',');
    ctl.uStyle = Apply_Style(ctl.uStyle, Parse_Style(c));
    Expect_Punct(c, ',');
    Parse_Rectangle(c, &ctl.x, &ctl.y, &ctl.cx, &ctl.cy);
    if (Take_Comma(c)) {
        ctl.uExStyle = Apply_Style(0, Parse_Style(c));
        if (Take_Comma(c)) Parse_Expression(c);  // help id
    }
    return ctl;
}

RC_CONTROL_DEF Parse_Short_Control(CURSOR& c, const CONTROL_STATEMENT& form) {
    RC_CONTROL_DEF ctl = {form.szClass, "", 0, kChildVisible | form.uDefaultStyle, 0, 0, 0, 0, 0};
    if (form.nForm == FORM_TEXT_FIRST) {
        ctl.stText = Expect_String(c, "expected the control's text");
        Expect_Punct(c, ',');
    }
    ctl.nId = Parse_Int(c, kMinControlId, kMaxControlId, "control id");
    Expect_Punct(c, ',');
    Parse_Rectangle(c, &ctl.x, &ctl.y, &ctl.cx, &ctl.cy);
    Parse_Control_Tail(c, &ctl, true);
    return ctl;
}

RC_CONTROL_DEF Parse_Control(CURSOR& c) {
    if (Is_Keyword(c, "CONTROL")) {
        Advance(c);
        return Parse_Generic_Control(c);
    }
    for (const CONTROL_STATEMENT& form : kControlStatements) {
        if (Is_Keyword(c, form.szKeyword)) {
            Advance(c);
            return Parse_Short_Control(c, form);
        }
    }
    Fail_At(Current(c), "expected a control statement or END");
}

void Skip_Memory_Options(CURSOR& c) {
    for (bool bFound = true; bFound;) {
        bFound = false;
        for (const char* szOption : kMemoryOptions) {
            if (Is_Keyword(c, szOption)) {
                Advance(c);
                bFound = true;
            }
        }
    }
}

// The id of a resource named by a number, not yet used by another resource of its kind.
template <typename DEF>
int Resource_Id(const RC_TOKEN& name, const char* szKind, const std::vector<DEF>& aDefined) {
    if (name.nType != TOKEN_NUMBER)
        Rc_Fail(name.stFile, name.nLine, "%s name '%s' is not a number (missing #define?)", szKind,
                name.stText.c_str());
    if (name.nValue < 1 || name.nValue > 65535)
        Rc_Fail(name.stFile, name.nLine, "%s id %lld is out of range (1..65535)", szKind,
                static_cast<long long>(name.nValue));
    for (const DEF& d : aDefined)
        if (d.nId == name.nValue)
            Rc_Fail(name.stFile, name.nLine, "%s %d is defined twice (first on line %d)", szKind,
                    d.nId, d.nLine);
    return static_cast<int>(name.nValue);
}

void Parse_Dialog(CURSOR& c, const RC_TOKEN& name, RC_SCRIPT* pScript) {
    RC_DIALOG_DEF dlg = {Resource_Id(name, "dialog", pScript->aDialogs),
                         "",
                         kDefaultDialogStyle,
                         0,
                         0,
                         0,
                         0,
                         0,
                         "",
                         0,
                         {},
                         name.nLine,
                         ""};
    Skip_Memory_Options(c);
    Parse_Rectangle(c, &dlg.x, &dlg.y, &dlg.cx, &dlg.cy);
    if (Take_Comma(c)) Parse_Expression(c);  // help id

    bool bCaption = false;
    bool bFont = false;
    while (!Is_Begin(c)) {
        if (Is_Keyword(c, "STYLE")) {
            Advance(c);
            dlg.uStyle = Apply_Style(0, Parse_Style(c));
        } else if (Is_Keyword(c, "EXSTYLE")) {
            Advance(c);
            dlg.uExStyle = Apply_Style(0, Parse_Style(c));
        } else if (Is_Keyword(c, "CAPTION")) {
            Advance(c);
            dlg.stCaption = Expect_String(c, "expected the caption text");
            bCaption = true;
        } else if (Is_Keyword(c, "CLASS")) {
            Advance(c);
            dlg.stClass = Expect_String(c, "expected the dialog's window class name");
        } else if (Is_Keyword(c, "FONT")) {
            Advance(c);
            dlg.nFontPoints = Parse_Int(c, 1, 127, "font size");
            Expect_Punct(c, ',');
            dlg.stFontFace = Expect_String(c, "expected the font's face name");
            for (int i = 0; i < 3 && Take_Comma(c); i++)
                Parse_Expression(c);  // weight, italic, charset
            bFont = true;
        } else {
            Fail_At(Current(c), "expected STYLE, EXSTYLE, CAPTION, CLASS, FONT or BEGIN");
        }
    }
    if (bCaption) dlg.uStyle |= kCaptionStyle;
    if (bFont) dlg.uStyle |= kSetFontStyle;
    Expect_Begin(c);
    while (!Is_End(c)) dlg.aControls.push_back(Parse_Control(c));
    Advance(c);
    pScript->aDialogs.push_back(dlg);
}

void Parse_String_Table(CURSOR& c, RC_SCRIPT* pScript) {
    Skip_Memory_Options(c);
    Expect_Begin(c);
    while (!Is_End(c)) {
        const RC_TOKEN tok = Current(c);
        int nId = Parse_Int(c, 0, 65535, "string id");
        Take_Comma(c);
        std::string stText = Expect_String(c, "expected the string's text");
        for (const RC_STRING_DEF& s : pScript->aStrings)
            if (s.nId == nId) Rc_Fail(tok.stFile, tok.nLine, "string %d is defined twice", nId);
        pScript->aStrings.push_back({nId, stText});
    }
    Advance(c);
}

// The options after a MENUITEM or POPUP, with or without commas between them.
uint32_t Parse_Menu_Options(CURSOR& c) {
    uint32_t uFlags = 0;
    for (;;) {
        bool bComma = Take_Comma(c);
        const STYLE_NAME* pOption = Find_Keyword(c, kMenuOptions);
        if (!pOption) {
            if (bComma)
                Fail_At(Current(c),
                        "expected a menu option (GRAYED, INACTIVE, CHECKED, MENUBARBREAK, "
                        "MENUBREAK or HELP)");
            return uFlags;
        }
        uFlags |= pOption->uValue;
        Advance(c);
    }
}

// BEGIN, the items of one menu level (popups with their own items one level deeper), END.
void Parse_Menu_Items(CURSOR& c, int nDepth, RC_MENU_DEF* pMenu) {
    Expect_Begin(c);
    while (!Is_End(c)) {
        if (Is_Keyword(c, "MENUITEM")) {
            Advance(c);
            if (Is_Keyword(c, "SEPARATOR")) {
                Advance(c);
                pMenu->aItems.push_back({"", 0, kMenuSeparator, nDepth});
                continue;
            }
            RC_MENU_ITEM_DEF item = {Expect_String(c, "expected the item's text or SEPARATOR"), 0,
                                     0, nDepth};
            Expect_Punct(c, ',');
            item.nId = Parse_Int(c, 0, 65535, "menu item id");
            item.uFlags = Parse_Menu_Options(c);
            pMenu->aItems.push_back(item);
        } else if (Is_Keyword(c, "POPUP")) {
            Advance(c);
            std::string stText = Expect_String(c, "expected the popup's text");
            pMenu->aItems.push_back({stText, 0, Parse_Menu_Options(c) | kMenuPopup, nDepth});
            Parse_Menu_Items(c, nDepth + 1, pMenu);
        } else {
            Fail_At(Current(c), "expected MENUITEM, POPUP or END");
        }
    }
    Advance(c);
}

void Parse_Menu(CURSOR& c, const RC_TOKEN& name, RC_SCRIPT* pScript) {
    RC_MENU_DEF menu = {Resource_Id(name, "menu", pScript->aMenus), {}, name.nLine};
    Skip_Memory_Options(c);
    Parse_Menu_Items(c, 0, &menu);
    pScript->aMenus.push_back(menu);
}

// How an accelerator's key was written.
enum ACCEL_KEY_FORM { KEY_CHARACTER, KEY_CONTROL_CHARACTER, KEY_VIRTUAL_NAME, KEY_NUMBER };

// An accelerator's key: "A" (a character, or a key with VIRTKEY), "^A" (a control character), a
// VK_ name or a number.
int Parse_Accel_Key(CURSOR& c, ACCEL_KEY_FORM* pForm) {
    const RC_TOKEN tok = Current(c);
    if (tok.nType == TOKEN_STRING) {
        Advance(c);
        const std::string& st = tok.stText;
        *pForm = KEY_CHARACTER;
        if (st.size() == 1) return static_cast<unsigned char>(st[0]);
        if (st.size() == 2 && st[0] == '^' && isalpha(static_cast<unsigned char>(st[1]))) {
            *pForm = KEY_CONTROL_CHARACTER;
            return toupper(static_cast<unsigned char>(st[1])) - '@';
        }
        Rc_Fail(tok.stFile, tok.nLine,
                "accelerator key \"%s\" must be one character or ^ and a letter", st.c_str());
    }
    if (const STYLE_NAME* pKey = Find_Keyword(c, kVirtualKeys)) {
        Advance(c);
        *pForm = KEY_VIRTUAL_NAME;
        return static_cast<int>(pKey->uValue);
    }
    *pForm = KEY_NUMBER;
    return Parse_Int(c, 1, 65535, "accelerator key");
}

RC_ACCEL_DEF Parse_Accel_Entry(CURSOR& c) {
    const RC_TOKEN start = Current(c);
    ACCEL_KEY_FORM nForm = KEY_NUMBER;
    int nKey = Parse_Accel_Key(c, &nForm);
    Expect_Punct(c, ',');
    int nCommand = Parse_Int(c, 0, 65535, "accelerator command id");
    uint8_t fVirt = 0;
    while (Take_Comma(c)) {
        const STYLE_NAME* pOption = Find_Keyword(c, kAccelOptions);
        if (!pOption)
            Fail_At(Current(c),
                    "expected an accelerator option (VIRTKEY, ASCII, NOINVERT, SHIFT, CONTROL or "
                    "ALT)");
        fVirt |= static_cast<uint8_t>(pOption->uValue);
        Advance(c);
    }
    bool bVirtKey = fVirt & kAccelVirtKey;
    if (bVirtKey && nForm == KEY_CONTROL_CHARACTER)
        Rc_Fail(start.stFile, start.nLine, "a ^ control character cannot be a VIRTKEY");
    if (!bVirtKey && nForm == KEY_VIRTUAL_NAME)
        Rc_Fail(start.stFile, start.nLine, "'%s' is a virtual key: add VIRTKEY",
                start.stText.c_str());
    if (!bVirtKey && (fVirt & kAccelShiftControl))
        Rc_Fail(start.stFile, start.nLine, "SHIFT and CONTROL need VIRTKEY");
    // A virtual key written as a letter is the letter's upper-case code.
    if (bVirtKey && nForm == KEY_CHARACTER) nKey = toupper(nKey);
    return {fVirt, static_cast<uint16_t>(nKey), static_cast<uint16_t>(nCommand)};
}

void Parse_Accelerators(CURSOR& c, const RC_TOKEN& name, RC_SCRIPT* pScript) {
    RC_ACCEL_TABLE_DEF table = {
        Resource_Id(name, "accelerator table", pScript->aAccelTables), {}, name.nLine};
    Skip_Memory_Options(c);
    Expect_Begin(c);
    while (!Is_End(c)) table.aEntries.push_back(Parse_Accel_Entry(c));
    Advance(c);
    pScript->aAccelTables.push_back(table);
}

// Reads past a block whose contents are not compiled yet, BEGIN/END pairs balanced.
void Skip_Block(CURSOR& c, const RC_TOKEN& start) {
    while (!Is_Begin(c)) {
        if (Current(c).nType == TOKEN_END)
            Rc_Fail(start.stFile, start.nLine, "%s has no BEGIN", start.stText.c_str());
        Advance(c);
    }
    int nDepth = 0;
    do {
        if (Current(c).nType == TOKEN_END)
            Rc_Fail(start.stFile, start.nLine, "%s block has no END", start.stText.c_str());
        if (Is_Begin(c)) nDepth++;
        if (Is_End(c)) nDepth--;
        Advance(c);
    } while (nDepth > 0);
}

}  // namespace

void Rc_Parse(const std::vector<RC_TOKEN>& aTokens, RC_SCRIPT* pScript) {
    CURSOR c = {&aTokens, 0};
    while (Current(c).nType != TOKEN_END) {
        if (Is_Keyword(c, "STRINGTABLE")) {
            Advance(c);
            Parse_String_Table(c, pScript);
            continue;
        }
        const RC_TOKEN name = Current(c);
        if (name.nType != TOKEN_NUMBER && name.nType != TOKEN_NAME)
            Fail_At(name, "expected a resource statement");
        Advance(c);
        const RC_TOKEN type = Current(c);
        if (Is_Keyword(c, "DIALOGEX")) {
            Advance(c);
            Parse_Dialog(c, name, pScript);
        } else if (Is_Keyword(c, "MENU")) {
            Advance(c);
            Parse_Menu(c, name, pScript);
        } else if (Is_Keyword(c, "ACCELERATORS")) {
            Advance(c);
            Parse_Accelerators(c, name, pScript);
        } else if (Is_Keyword(c, "MENUEX")) {
            Advance(c);
            Skip_Block(c, type);
        } else if (type.nType == TOKEN_NAME) {
            Rc_Fail(type.stFile, type.nLine, "unknown or unsupported statement '%s'",
                    type.stText.c_str());
        } else {
            Fail_At(name.nType == TOKEN_NAME ? name : type, "expected a resource statement");
        }
    }
}
