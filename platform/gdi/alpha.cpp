// AlphaBlend: a constant opacity, or per-pixel premultiplied alpha (AC_SRC_ALPHA) with the
// constant applied to the source first. Channels are scaled with rounding to the nearest.
#include "gdi_internal.h"

namespace {

inline uint32_t Scale(uint32_t nChannel, uint32_t nFactor) {
    return (nChannel * nFactor + 127) / 255;
}

// Each channel of a pixel scaled by nFactor / 255.
inline uint32_t Scale_Pixel(uint32_t px, uint32_t nFactor) {
    uint32_t nOut = 0;
    for (int c = 0; c < 32; c += 8) nOut |= Scale((px >> c) & 0xFF, nFactor) << c;
    return nOut;
}

// Source plus destination scaled by nKeep / 255, channel by channel, saturated.
inline uint32_t Over(uint32_t s, uint32_t d, uint32_t nKeep) {
    uint32_t nOut = 0;
    for (int c = 0; c < 32; c += 8) {
        uint32_t v = ((s >> c) & 0xFF) + Scale((d >> c) & 0xFF, nKeep);
        nOut |= (v > 255 ? 255 : v) << c;
    }
    return nOut;
}

}  // namespace

BOOL AlphaBlend(HDC hdcDest, int x, int y, int nWidth, int nHeight, HDC hdcSrc, int xSrc, int ySrc,
                int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend) {
    if (blend.BlendOp != AC_SRC_OVER || nWidth < 0 || nHeight < 0 || nSrcWidth < 0 ||
        nSrcHeight < 0)
        return FALSE;
    GDI_TARGET t(hdcDest);
    if (!t.Valid()) return FALSE;
    const BLIT_GEOMETRY g = Blit_Geometry(x, y, nWidth, nHeight, xSrc, ySrc, nSrcWidth, nSrcHeight);
    std::vector<uint32_t> block;
    if (!Blit_Source_Block(hdcSrc, g, false, &block)) return FALSE;
    const uint32_t nConstant = blend.SourceConstantAlpha;
    const RECT rc = Gdi_To_Surface(t, g.rcDest);
    if (blend.AlphaFormat & AC_SRC_ALPHA) {
        Blit_Compose(t, rc, block, [nConstant](uint32_t d, uint32_t s) {
            const uint32_t sc = Scale_Pixel(s, nConstant);
            return Over(sc, d, 255 - (sc >> 24));
        });
    } else {
        Blit_Compose(t, rc, block, [nConstant](uint32_t d, uint32_t s) {
            return Over(Scale_Pixel(s, nConstant), d, 255 - nConstant);
        });
    }
    return TRUE;
}
