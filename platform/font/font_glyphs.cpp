// The glyph cache: each FONT renders a byte's glyph on first use and keeps it until Font_Reset.
// Synthetic bold thickens the outline, synthetic italic slants it, a requested width stretches
// it; escapement 900 turns the finished bitmap a quarter turn counter-clockwise. Advances are
// whole pixels and text widths their plain sum (no kerning, so a line measures as its parts do).
#include "font/font_internal.h"

namespace {

// The slant of synthetic italic: x moves by about a fifth of y.
const FT_Fixed kObliqueShear = 0x0366A;

// Copies FreeType's bitmap into 0..255 coverage rows; monochrome bits become 0 or 255.
void Copy_Coverage(const FT_Bitmap& bitmap, FONT_GLYPH& glyph) {
    glyph.nWidth = static_cast<int>(bitmap.width);
    glyph.nHeight = static_cast<int>(bitmap.rows);
    glyph.coverage.assign(static_cast<size_t>(glyph.nWidth) * glyph.nHeight, 0);
    const int nPitch = bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch;
    for (int y = 0; y < glyph.nHeight; ++y) {
        const unsigned char* pRow = bitmap.buffer + static_cast<size_t>(y) * nPitch;
        uint8_t* pOut = glyph.coverage.data() + static_cast<size_t>(y) * glyph.nWidth;
        for (int x = 0; x < glyph.nWidth; ++x) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                pOut[x] = (pRow[x >> 3] & (0x80 >> (x & 7))) != 0 ? 255 : 0;
            } else {
                pOut[x] = pRow[x];
            }
        }
    }
}

// Turns an upright glyph a quarter turn counter-clockwise: its top now faces left, and the pen
// moves up the surface.
FONT_GLYPH Turn_Upward(const FONT_GLYPH& upright) {
    FONT_GLYPH turned;
    turned.nWidth = upright.nHeight;
    turned.nHeight = upright.nWidth;
    turned.nLeft = -upright.nTop;
    turned.nTop = upright.nLeft + upright.nWidth;
    turned.nAdvanceX = 0;
    turned.nAdvanceY = -upright.nAdvanceX;
    turned.coverage.assign(upright.coverage.size(), 0);
    for (int y = 0; y < turned.nHeight; ++y) {
        for (int x = 0; x < turned.nWidth; ++x) {
            turned.coverage[static_cast<size_t>(y) * turned.nWidth + x] =
                upright
                    .coverage[static_cast<size_t>(x) * upright.nWidth + (upright.nWidth - 1 - y)];
        }
    }
    return turned;
}

// Loads, reshapes and renders the upright glyph; false when FreeType fails (the glyph stays
// blank with its advance, if any).
bool Render_Upright(FONT* pFont, uint32_t uCharacter, FONT_GLYPH& glyph) {
    FT_Face face = pFont->pFile->face;
    const bool bMono = !pFont->request.bAntialiased;
    Font_Activate(pFont);
    FT_UInt index = FT_Get_Char_Index(face, uCharacter);
    FT_Int32 loadFlags = FT_LOAD_NO_BITMAP | (bMono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
    if (FT_Load_Glyph(face, index, loadFlags) != 0) return false;

    FT_GlyphSlot slot = face->glyph;
    FT_Pos advance = slot->advance.x;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (pFont->bSynthBold) {
            FT_Outline_Embolden(&slot->outline, pFont->boldStrength);
            advance += pFont->boldStrength;
        }
        if (pFont->bSynthItalic || pFont->xScale != 0x10000) {
            FT_Matrix matrix = {pFont->xScale, pFont->bSynthItalic ? kObliqueShear : 0, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &matrix);
        }
    }
    advance = FT_MulFix(advance, pFont->xScale);
    glyph.nAdvanceX = static_cast<int>((advance + 32) >> 6);
    if (FT_Render_Glyph(slot, bMono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0)
        return false;
    glyph.nLeft = slot->bitmap_left;
    glyph.nTop = slot->bitmap_top;
    Copy_Coverage(slot->bitmap, glyph);
    return true;
}

}  // namespace

FONT_GLYPH Font_Render_Glyph(FONT* pFont, uint8_t cByte) {
    FONT_GLYPH glyph = {0, 0, 0, 0, 0, 0, {}};
    uint32_t uCharacter = Font_Unicode_Of(cByte);
    if (uCharacter == 0) return glyph;
    if (pFont->pFile == nullptr) {
        glyph.nAdvanceX = pFont->metrics.nAveCharWidth;
    } else if (!Render_Upright(pFont, uCharacter, glyph)) {
        glyph.nWidth = glyph.nHeight = 0;
        glyph.coverage.clear();
    }
    if (pFont->request.nEscapement == 900) return Turn_Upward(glyph);
    return glyph;
}

const FONT_GLYPH& Font_Get_Glyph(FONT* pFont, uint8_t cByte) {
    std::unique_ptr<FONT_GLYPH>& pGlyph = pFont->glyphs[cByte];
    if (pGlyph == nullptr) pGlyph = std::make_unique<FONT_GLYPH>(Font_Render_Glyph(pFont, cByte));
    return *pGlyph;
}

int Font_Text_Width(FONT* pFont, const char* szText, int nLength) {
    int nWidth = 0;
    for (int i = 0; i < nLength; ++i) {
        const FONT_GLYPH& glyph = Font_Get_Glyph(pFont, static_cast<uint8_t>(szText[i]));
        nWidth += glyph.nAdvanceX - glyph.nAdvanceY;  // an upward font measures along its run
    }
    return nWidth;
}
