// What the font module's files share: the FONT record, the face files opened through FreeType,
// and the Windows-1252 mapping. Private to platform/font.
#pragma once

#include "font/font.h"

#include "font/freetype_headers.h"

#include <array>
#include <memory>
#include <string>

// One font file opened once; every FONT on it has a size object of its own.
struct FONT_FILE {
    FT_Face face;
    bool bBold;    // the file's own weight is bold or heavier
    bool bItalic;  // the file's own style is italic or oblique
};

struct FONT {
    FONT_REQUEST request;
    std::string stFamily;  // the family really used, as fontconfig names it
    FONT_FILE* pFile;      // null when no face could be opened: glyphs are blank
    FT_Size size;          // this FONT's pixel size on the shared face
    FT_Fixed xScale;       // horizontal stretch for a requested width (0x10000 = natural)
    bool bSynthBold;       // bold asked for, the file is not bold: thicken outlines
    bool bSynthItalic;     // italic asked for, the file is upright: slant outlines
    FT_Pos boldStrength;   // outline thickening in 26.6 pixels
    FONT_METRICS metrics;
    std::array<std::unique_ptr<FONT_GLYPH>, 256> glyphs;  // rendered on first use
};

// The Unicode character a Windows-1252 byte shows, 0 for bytes that draw nothing (control
// characters and the five undefined bytes).
uint32_t Font_Unicode_Of(uint8_t cByte);

// Makes the FONT's size the active one on its shared face before loading a glyph.
void Font_Activate(FONT* pFont);

// Renders one byte's glyph for the FONT (the glyph cache calls it once per byte).
FONT_GLYPH Font_Render_Glyph(FONT* pFont, uint8_t cByte);
