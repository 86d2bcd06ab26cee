// SDL key codes as virtual-key codes, and typed text as Windows-1252 bytes.
#include "sdl_backend.h"

namespace {

struct KEY_PAIR {
    SDL_Keycode nSdl;
    UINT uVirtual;
};

const KEY_PAIR kKeyPairs[] = {
    {SDLK_RETURN, VK_RETURN},     {SDLK_KP_ENTER, VK_RETURN},
    {SDLK_ESCAPE, VK_ESCAPE},     {SDLK_TAB, VK_TAB},
    {SDLK_BACKSPACE, VK_BACK},    {SDLK_DELETE, VK_DELETE},
    {SDLK_INSERT, VK_INSERT},     {SDLK_HOME, VK_HOME},
    {SDLK_END, VK_END},           {SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, VK_NEXT},     {SDLK_LEFT, VK_LEFT},
    {SDLK_RIGHT, VK_RIGHT},       {SDLK_UP, VK_UP},
    {SDLK_DOWN, VK_DOWN},         {SDLK_SPACE, VK_SPACE},
    {SDLK_PAUSE, VK_PAUSE},       {SDLK_CAPSLOCK, VK_CAPITAL},
    {SDLK_LSHIFT, VK_SHIFT},      {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL},     {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LALT, VK_MENU},         {SDLK_RALT, VK_MENU},
    {SDLK_SEMICOLON, VK_OEM_1},   {SDLK_EQUALS, VK_OEM_PLUS},
    {SDLK_COMMA, VK_OEM_COMMA},   {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD}, {SDLK_SLASH, VK_OEM_2},
    {SDLK_BACKQUOTE, VK_OEM_3},   {SDLK_LEFTBRACKET, VK_OEM_4},
    {SDLK_BACKSLASH, VK_OEM_5},   {SDLK_RIGHTBRACKET, VK_OEM_6},
    {SDLK_QUOTE, VK_OEM_7},       {SDLK_KP_MULTIPLY, VK_MULTIPLY},
    {SDLK_KP_PLUS, VK_ADD},       {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_PERIOD, VK_DECIMAL}, {SDLK_KP_DIVIDE, VK_DIVIDE},
};

// The Windows-1252 bytes 0x80-0x9F and the characters they stand for (0: unused byte).
const uint16_t k1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char Code_Point_To_1252(uint32_t nCode) {
    if (nCode < 0x80 || (nCode >= 0xA0 && nCode <= 0xFF)) return static_cast<char>(nCode);
    for (int i = 0; i < 32; i++)
        if (k1252High[i] && k1252High[i] == nCode) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

UINT Sdl_Key_To_Virtual_Key(SDL_Keycode nKey) {
    if (nKey >= SDLK_a && nKey <= SDLK_z) return static_cast<UINT>('A' + (nKey - SDLK_a));
    if (nKey >= SDLK_0 && nKey <= SDLK_9) return static_cast<UINT>('0' + (nKey - SDLK_0));
    if (nKey >= SDLK_F1 && nKey <= SDLK_F12) return static_cast<UINT>(VK_F1 + (nKey - SDLK_F1));
    if (nKey >= SDLK_KP_1 && nKey <= SDLK_KP_9)
        return static_cast<UINT>(VK_NUMPAD0 + 1 + (nKey - SDLK_KP_1));
    if (nKey == SDLK_KP_0) return VK_NUMPAD0;
    for (const KEY_PAIR& k : kKeyPairs)
        if (k.nSdl == nKey) return k.uVirtual;
    return 0;
}

std::string Sdl_Utf8_To_1252(const char* szText) {
    std::string stOut;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(szText ? szText : "");
    while (*p) {
        int nMore = *p >= 0xF0 ? 3 : *p >= 0xE0 ? 2 : *p >= 0xC0 ? 1 : 0;
        uint32_t nCode = nMore == 0 ? *p : (*p & (0x3F >> nMore));
        if (*p >= 0x80 && *p < 0xC0) nCode = 0xFFFD;  // a stray continuation byte
        p++;
        for (; nMore > 0; nMore--, p++) {
            if ((*p & 0xC0) != 0x80) {
                nCode = 0xFFFD;  // cut short
                break;
            }
            nCode = (nCode << 6) | (*p & 0x3F);
        }
        stOut += Code_Point_To_1252(nCode);
    }
    return stOut;
}
