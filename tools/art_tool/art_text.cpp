// Text on the art: the outlines of a bold sans face (found through fontconfig, read by
// FreeType) turned into paths, so letters take gradients and shadows like any shape.
#include <fontconfig/fontconfig.h>

#include "art_draw.h"
#include "platform/font/freetype_headers.h"

namespace {

FT_Library gArtFreeType = nullptr;
FT_Face gArtFace = nullptr;
bool gArtFaceTried = false;

// The file of the first installed face that matches one of the patterns.
std::string Art_Find_Face_File(void) {
    static const char* const kPatterns[] = {"Liberation Sans:bold", "DejaVu Sans:bold",
                                            "sans:bold"};
    std::string sFile;
    if (!FcInit())
        return sFile;
    for (const char* szPattern : kPatterns) {
        FcPattern* pPattern = FcNameParse(reinterpret_cast<const FcChar8*>(szPattern));
        if (!pPattern)
            continue;
        FcConfigSubstitute(nullptr, pPattern, FcMatchPattern);
        FcDefaultSubstitute(pPattern);
        FcResult result;
        FcPattern* pMatch = FcFontMatch(nullptr, pPattern, &result);
        FcChar8* szFile = nullptr;
        if (pMatch && FcPatternGetString(pMatch, FC_FILE, 0, &szFile) == FcResultMatch)
            sFile = reinterpret_cast<const char*>(szFile);
        if (pMatch)
            FcPatternDestroy(pMatch);
        FcPatternDestroy(pPattern);
        if (!sFile.empty())
            break;
    }
    return sFile;
}

FT_Face Art_Face(void) {
    if (gArtFaceTried)
        return gArtFace;
    gArtFaceTried = true;
    std::string sFile = Art_Find_Face_File();
    if (sFile.empty() || FT_Init_FreeType(&gArtFreeType) != 0)
        return nullptr;
    if (FT_New_Face(gArtFreeType, sFile.c_str(), 0, &gArtFace) != 0)
        gArtFace = nullptr;
    return gArtFace;
}

// The outline walk: FreeType's points (26.6, y up) placed at the pen in picture units (y down).
struct ART_OUTLINE_WALK {
    agg::path_storage* pPath;
    double dPenX;
    double dBaseline;
    bool bOpen;
    double X(const FT_Vector* p) const {
        return dPenX + p->x / 64.0;
    }
    double Y(const FT_Vector* p) const {
        return dBaseline - p->y / 64.0;
    }
};

int Art_Walk_Move(const FT_Vector* pTo, void* pUser) {
    ART_OUTLINE_WALK* pWalk = static_cast<ART_OUTLINE_WALK*>(pUser);
    if (pWalk->bOpen)
        pWalk->pPath->close_polygon();
    pWalk->pPath->move_to(pWalk->X(pTo), pWalk->Y(pTo));
    pWalk->bOpen = true;
    return 0;
}

int Art_Walk_Line(const FT_Vector* pTo, void* pUser) {
    ART_OUTLINE_WALK* pWalk = static_cast<ART_OUTLINE_WALK*>(pUser);
    pWalk->pPath->line_to(pWalk->X(pTo), pWalk->Y(pTo));
    return 0;
}

int Art_Walk_Conic(const FT_Vector* pControl, const FT_Vector* pTo, void* pUser) {
    ART_OUTLINE_WALK* pWalk = static_cast<ART_OUTLINE_WALK*>(pUser);
    pWalk->pPath->curve3(pWalk->X(pControl), pWalk->Y(pControl), pWalk->X(pTo), pWalk->Y(pTo));
    return 0;
}

int Art_Walk_Cubic(const FT_Vector* pControl1, const FT_Vector* pControl2, const FT_Vector* pTo,
                   void* pUser) {
    ART_OUTLINE_WALK* pWalk = static_cast<ART_OUTLINE_WALK*>(pUser);
    pWalk->pPath->curve4(pWalk->X(pControl1), pWalk->Y(pControl1), pWalk->X(pControl2),
                         pWalk->Y(pControl2), pWalk->X(pTo), pWalk->Y(pTo));
    return 0;
}

bool Art_Set_Size(FT_Face face, double dSize) {
    return FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(dSize * 64), 72, 72) == 0;
}

}  // namespace

bool Art_Text_Ready(void) {
    return Art_Face() != nullptr;
}

void Art_Text_Release(void) {
    if (gArtFace)
        FT_Done_Face(gArtFace);
    if (gArtFreeType)
        FT_Done_FreeType(gArtFreeType);
    if (gArtFaceTried)
        FcFini();
    gArtFace = nullptr;
    gArtFreeType = nullptr;
    gArtFaceTried = false;
}

double Art_Text_Width(const char* szText, double dSize) {
    FT_Face face = Art_Face();
    if (!face || !Art_Set_Size(face, dSize))
        return 0;
    double dWidth = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(szText); *p; p++)
        if (FT_Load_Char(face, *p, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0)
            dWidth += face->glyph->advance.x / 64.0;
    return dWidth;
}

void Art_Add_Text(agg::path_storage* pPath, const char* szText, double x, double dBaseline,
                  double dSize, ART_ALIGN eAlign) {
    FT_Face face = Art_Face();
    if (!face)
        return;
    double dWidth = Art_Text_Width(szText, dSize);
    if (eAlign == ART_CENTRE)
        x -= dWidth / 2;
    if (eAlign == ART_RIGHT)
        x -= dWidth;
    if (!Art_Set_Size(face, dSize))
        return;
    FT_Outline_Funcs funcs = {Art_Walk_Move, Art_Walk_Line, Art_Walk_Conic, Art_Walk_Cubic, 0, 0};
    ART_OUTLINE_WALK walk = {pPath, x, dBaseline, false};
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(szText); *p; p++) {
        if (FT_Load_Char(face, *p, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0)
            continue;
        if (face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
            walk.bOpen = false;
            FT_Outline_Decompose(&face->glyph->outline, &funcs, &walk);
            if (walk.bOpen)
                pPath->close_polygon();
        }
        walk.dPenX += face->glyph->advance.x / 64.0;
    }
}

void Art_Label(ART_IMAGE* pImage, const char* szText, double x1, double y1, double x2, double y2,
               double dSize, ART_COLOUR colour, bool bShadow) {
    // A text too wide for its box is made smaller until it fits.
    double dRoom = x2 - x1 - 4;
    double dWidth = Art_Text_Width(szText, dSize);
    if (dWidth > dRoom && dWidth > 0)
        dSize *= dRoom / dWidth;
    agg::path_storage path;
    double dBaseline = (y1 + y2) / 2 + dSize * 0.36;
    Art_Add_Text(&path, szText, (x1 + x2) / 2, dBaseline, dSize, ART_CENTRE);
    if (bShadow)
        Art_Shadow(pImage, path, 1.2, 1.5, 2, Art_Rgb(0, 0, 0, 170));
    Art_Fill(pImage, path, colour);
}
