// Faces, glyphs and text measuring for the drawing layer: FreeType faces found through
// fontconfig, the substitution table for the faces the game names, Windows-1252 text mapped to
// Unicode glyphs, and the line layout that DrawTextA applies. Never included by the game.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

// What a font is asked for, in the meanings of a LOGFONT: a positive height is the cell height
// (ascent + descent), a negative one the character height (cell height minus internal leading),
// 0 a default size; weight 400 regular, 700 bold; escapement in tenths of a degree (900 draws
// upward); bAntialiased for the antialiased quality (otherwise glyphs are black or white).
struct FONT_REQUEST {
    std::string stFace;
    int nHeight;
    int nWidth;  // 0: the face's own proportions
    int nWeight;
    bool bItalic;
    bool bUnderline;
    int nEscapement;
    bool bAntialiased;
};

struct FONT;  // one face at one size, kept by the font module until Font_Reset

// Cell metrics in pixels, as GetTextMetricsA reports them.
struct FONT_METRICS {
    int nHeight;  // ascent + descent
    int nAscent;
    int nDescent;
    int nInternalLeading;
    int nExternalLeading;
    int nAveCharWidth;
    int nMaxCharWidth;
    int nWeight;
};

// One glyph's coverage, 0..255 per pixel, rows top-down; placed with its top-left corner at
// (pen x + nLeft, baseline y - nTop). Escapement 900 fonts give glyphs already turned upward,
// with the advance running up the surface (nAdvanceY negative).
struct FONT_GLYPH {
    int nWidth;
    int nHeight;
    int nLeft;
    int nTop;
    int nAdvanceX;
    int nAdvanceY;
    std::vector<uint8_t> coverage;
};

// The face really used for a request (a substitute when the asked face is not installed); never
// null: the last resort is a built-in choice of an installed sans face. Same request, same FONT.
FONT* Font_Open(const FONT_REQUEST& request);
// The family name of the face really used, as GetTextFaceA answers.
const char* Font_Face_Name(const FONT* pFont);
FONT_METRICS Font_Get_Metrics(const FONT* pFont);
// The glyph for one Windows-1252 byte (0x96 is the en dash, 0xB0 the degree sign, ...).
const FONT_GLYPH& Font_Get_Glyph(FONT* pFont, uint8_t cByte);
// Advance width of a run of Windows-1252 bytes: the plain sum of the glyph advances (no kerning,
// so a run measures as the sum of its parts and layout stays predictable).
int Font_Text_Width(FONT* pFont, const char* szText, int nLength);
// Drops every face and glyph (tests and shut-down).
void Font_Reset(void);

// ---- DrawTextA layout --------------------------------------------------------------------------
// One laid-out line: the bytes to draw (prefix '&' removed), where the underlined mnemonic is
// (index into stText, -1 when none), and the line's width in pixels.
struct TEXT_LINE {
    std::string stText;
    int nUnderline;
    int nWidth;
    std::vector<int> xOffsets;  // pen x of each byte of stText from the line's left edge
};

// Splits text into lines as DrawTextA does for a box nBoxWidth wide under the DT_ flags it is
// given (DT_SINGLELINE, DT_WORDBREAK, DT_NOPREFIX, DT_EXPANDTABS): "\n" and "\r\n" break lines
// unless DT_SINGLELINE, DT_WORDBREAK breaks between words at the box width (a word wider than
// the box stays whole on its own line), and without DT_NOPREFIX "&x" underlines x and "&&" is a
// plain '&' (the first "&x" of a line is the one underlined; a lone '&' at the end is dropped).
// DT_EXPANDTABS puts tab stops every 8 average character widths; without it a tab draws as
// nothing. A negative nLength means the text runs to its terminating zero. Empty text gives one
// empty line; a line break at the very end starts no further line.
std::vector<TEXT_LINE> Font_Layout_Text(FONT* pFont, const char* szText, int nLength, int nBoxWidth,
                                        unsigned int uFormat);
