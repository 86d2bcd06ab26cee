// Faces: the substitution table for the faces the game names, the font files found through
// fontconfig (each opened once), one FONT per distinct request with its pixel size and cell
// metrics, and the shut-down that frees them all.
#include "font/font_internal.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <strings.h>

namespace {

// The family every face falls back to: the free face metric-compatible with the usual GUI sans.
const char* const kDefaultFamily = "Liberation Sans";
// Size of a FONT asked for with height 0: 9-point text at 96 dots per inch.
const int kDefaultEmHeight = 12;

struct FACE_SUBSTITUTE {
    const char* szAsked;
    const char* szFamily;
    bool bBold;  // the asked face is a bold or heavy cut
};

// Every face the game names, onto installed free faces; metric-compatible ones where they exist.
const FACE_SUBSTITUTE kSubstitutes[] = {
    {"", kDefaultFamily, false},  // the default GUI font
    {"System", kDefaultFamily, false},
    {"MS Sans Serif", kDefaultFamily, false},
    {"Arial", "Liberation Sans", false},
    {"Times New Roman", "Liberation Serif", false},
    {"Tms Rmn", "Liberation Serif", false},
    {"Courier New", "Liberation Mono", false},
    {"Courier", "Liberation Mono", false},
    {"Calibri", "Carlito", false},
    {"Eurostile", "DejaVu Sans", false},
    {"Stone Sans", "DejaVu Sans", false},
    {"StoneSansSemiITC TT", "DejaVu Sans", false},
    {"Stone_Sans-Bold", "DejaVu Sans", true},
    {"Stencil Std", "DejaVu Sans", true},
};

struct FONT_STATE {
    FT_Library library = nullptr;
    bool bLibraryFailed = false;
    bool bFontconfigReady = false;
    std::map<std::string, std::unique_ptr<FONT_FILE>> files;  // by path and face index
    std::vector<std::unique_ptr<FONT>> fonts;
};

FONT_STATE& State() {
    static FONT_STATE state;
    return state;
}

FT_Library Library() {
    FONT_STATE& state = State();
    if (state.library == nullptr && !state.bLibraryFailed) {
        state.bLibraryFailed = FT_Init_FreeType(&state.library) != 0;
        if (state.bLibraryFailed) state.library = nullptr;
    }
    return state.library;
}

bool Same_Request(const FONT_REQUEST& a, const FONT_REQUEST& b) {
    return strcasecmp(a.stFace.c_str(), b.stFace.c_str()) == 0 && a.nHeight == b.nHeight &&
           a.nWidth == b.nWidth && a.nWeight == b.nWeight && a.bItalic == b.bItalic &&
           a.bUnderline == b.bUnderline && a.nEscapement == b.nEscapement &&
           a.bAntialiased == b.bAntialiased;
}

const FACE_SUBSTITUTE* Find_Substitute(const std::string& stFace) {
    for (const FACE_SUBSTITUTE& substitute : kSubstitutes) {
        if (strcasecmp(substitute.szAsked, stFace.c_str()) == 0) return &substitute;
    }
    return nullptr;
}

// What fontconfig chose for a family, weight and slant.
struct FACE_MATCH {
    std::string stPath;
    int nIndex = 0;
    std::string stFamily;
    bool bBold = false;
    bool bItalic = false;
    bool bFamilyExact = false;  // one of the file's family names is the one asked for
};

bool Match_Face(const char* szFamily, bool bBold, bool bItalic, FACE_MATCH& match) {
    FONT_STATE& state = State();
    if (!state.bFontconfigReady) state.bFontconfigReady = FcInit() == FcTrue;
    if (!state.bFontconfigReady) return false;

    FcPattern* pPattern = FcPatternCreate();
    if (pPattern == nullptr) return false;
    FcPatternAddString(pPattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(szFamily));
    FcPatternAddInteger(pPattern, FC_WEIGHT, bBold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pPattern, FC_SLANT, bItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pPattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pPattern, FcMatchPattern);
    FcDefaultSubstitute(pPattern);
    FcResult result = FcResultNoMatch;
    FcPattern* pFound = FcFontMatch(nullptr, pPattern, &result);
    FcPatternDestroy(pPattern);
    if (pFound == nullptr) return false;

    FcChar8* pszPath = nullptr;
    FcChar8* pszFamily = nullptr;
    bool bOk = FcPatternGetString(pFound, FC_FILE, 0, &pszPath) == FcResultMatch &&
               FcPatternGetString(pFound, FC_FAMILY, 0, &pszFamily) == FcResultMatch;
    if (bOk) {
        match.stPath = reinterpret_cast<const char*>(pszPath);
        match.stFamily = reinterpret_cast<const char*>(pszFamily);
        int nValue = 0;
        if (FcPatternGetInteger(pFound, FC_INDEX, 0, &nValue) == FcResultMatch)
            match.nIndex = nValue;
        if (FcPatternGetInteger(pFound, FC_WEIGHT, 0, &nValue) == FcResultMatch) {
            match.bBold = nValue >= FC_WEIGHT_DEMIBOLD;
        }
        if (FcPatternGetInteger(pFound, FC_SLANT, 0, &nValue) == FcResultMatch) {
            match.bItalic = nValue != FC_SLANT_ROMAN;
        }
        for (int i = 0; FcPatternGetString(pFound, FC_FAMILY, i, &pszFamily) == FcResultMatch;
             ++i) {
            if (strcasecmp(reinterpret_cast<const char*>(pszFamily), szFamily) == 0) {
                match.bFamilyExact = true;
            }
        }
    }
    FcPatternDestroy(pFound);
    return bOk;
}

// The file's shared face, opened on first use; null when FreeType cannot read it.
FONT_FILE* Open_File(const FACE_MATCH& match) {
    FT_Library library = Library();
    if (library == nullptr) return nullptr;
    FONT_STATE& state = State();
    std::string stKey = match.stPath + "#" + std::to_string(match.nIndex);
    auto it = state.files.find(stKey);
    if (it != state.files.end()) return it->second.get();

    FT_Face face = nullptr;
    if (FT_New_Face(library, match.stPath.c_str(), match.nIndex, &face) != 0) return nullptr;
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    auto pFile = std::make_unique<FONT_FILE>();
    pFile->face = face;
    pFile->bBold = match.bBold;
    pFile->bItalic = match.bItalic;
    FONT_FILE* pResult = pFile.get();
    state.files.emplace(stKey, std::move(pFile));
    return pResult;
}

int Round_26_6(FT_Pos value) { return static_cast<int>((value + 32) >> 6); }

// Font units scaled to 26.6 pixels at an em size given in 26.6 pixels.
FT_Pos Scale_Units(FT_Long units, FT_Pos emSize, FT_UShort unitsPerEm) {
    return FT_MulDiv(units, emSize, unitsPerEm);
}

// The 'x' advance, for faces without an average width of their own.
FT_Pos X_Advance(FT_Face face) {
    FT_UInt index = FT_Get_Char_Index(face, 'x');
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP) != 0) return 0;
    return face->glyph->advance.x;
}

// Sizes the FONT's face and fills its cell metrics. The cell is the OS/2 table's Windows ascent
// and descent where the face has them (the metrics GetTextMetricsA reports for such faces),
// otherwise the face's own ascender and descender. False when FreeType refuses the size.
bool Size_Font(FONT* pFont, int nHeight) {
    FT_Face face = pFont->pFile->face;
    const FT_UShort unitsPerEm = face->units_per_EM;
    const TT_OS2* pOs2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const bool bWindowsCell =
        pOs2 != nullptr && pOs2->version != 0xFFFF && pOs2->usWinAscent + pOs2->usWinDescent > 0;
    const FT_Long ascender = bWindowsCell ? pOs2->usWinAscent : face->ascender;
    const FT_Long descender = bWindowsCell ? pOs2->usWinDescent : -face->descender;
    const FT_Long cellUnits = ascender + descender > 0 ? ascender + descender : unitsPerEm;
    FONT_METRICS& metrics = pFont->metrics;

    // Em size in 26.6 pixels: a cell height is shared out in the face's ascent:descent ratio.
    FT_Pos emSize = nHeight < 0
                        ? static_cast<FT_Pos>(-nHeight) * 64
                        : FT_MulDiv(static_cast<FT_Long>(nHeight) * 64, unitsPerEm, cellUnits);
    if (emSize < 64) emSize = 64;
    FT_Size_RequestRec sizeRequest = {FT_SIZE_REQUEST_TYPE_NOMINAL, 0, emSize, 0, 0};
    if (FT_Request_Size(face, &sizeRequest) != 0) return false;

    if (nHeight > 0) {
        metrics.nHeight = nHeight;
        metrics.nAscent = static_cast<int>(FT_MulDiv(nHeight, ascender, cellUnits));
        metrics.nDescent = nHeight - metrics.nAscent;
    } else {
        metrics.nAscent = Round_26_6(Scale_Units(ascender, emSize, unitsPerEm));
        metrics.nDescent = Round_26_6(Scale_Units(descender, emSize, unitsPerEm));
        metrics.nHeight = metrics.nAscent + metrics.nDescent;
    }
    int nEm = Round_26_6(emSize);
    metrics.nInternalLeading = metrics.nHeight > nEm ? metrics.nHeight - nEm : 0;
    // The line gap: what the face's line spacing has beyond the cell.
    FT_Long lineGap = face->height - cellUnits;
    metrics.nExternalLeading =
        lineGap > 0 ? Round_26_6(Scale_Units(lineGap, emSize, unitsPerEm)) : 0;

    FT_Pos averageWidth = pOs2 != nullptr && pOs2->version != 0xFFFF && pOs2->xAvgCharWidth > 0
                              ? Scale_Units(pOs2->xAvgCharWidth, emSize, unitsPerEm)
                              : X_Advance(face);
    FT_Pos maxWidth = Scale_Units(face->max_advance_width, emSize, unitsPerEm);

    // A requested average width stretches every glyph horizontally.
    pFont->xScale = 0x10000;
    const int nWidth = pFont->request.nWidth < 0 ? -pFont->request.nWidth : pFont->request.nWidth;
    if (nWidth > 0 && averageWidth > 0) {
        pFont->xScale = FT_DivFix(static_cast<FT_Long>(nWidth) * 64, averageWidth);
        averageWidth = static_cast<FT_Pos>(nWidth) * 64;
        maxWidth = FT_MulFix(maxWidth, pFont->xScale);
    }
    // Thickening by a 24th of the em, at least a pixel, widens each glyph by as much.
    pFont->boldStrength = emSize / 24 > 64 ? emSize / 24 : 64;
    if (pFont->bSynthBold) {
        averageWidth += pFont->boldStrength;
        maxWidth += pFont->boldStrength;
    }
    metrics.nAveCharWidth = Round_26_6(averageWidth);
    metrics.nMaxCharWidth = Round_26_6(maxWidth);
    return true;
}

// Cell metrics of a FONT whose face could not be opened: nothing draws, text still measures.
void Fallback_Metrics(FONT* pFont, int nHeight) {
    FONT_METRICS& metrics = pFont->metrics;
    int nEm = nHeight < 0 ? -nHeight : nHeight * 7 / 8;
    metrics.nHeight = nHeight < 0 ? nEm * 8 / 7 : nHeight;
    metrics.nAscent = metrics.nHeight * 4 / 5;
    metrics.nDescent = metrics.nHeight - metrics.nAscent;
    metrics.nInternalLeading = metrics.nHeight - nEm;
    metrics.nExternalLeading = 0;
    metrics.nAveCharWidth = nEm / 2 > 0 ? nEm / 2 : 1;
    metrics.nMaxCharWidth = nEm;
    pFont->xScale = 0x10000;
    pFont->boldStrength = 0;
}

}  // namespace

FONT* Font_Open(const FONT_REQUEST& request) {
    FONT_STATE& state = State();
    for (const auto& pExisting : state.fonts) {
        if (Same_Request(pExisting->request, request)) return pExisting.get();
    }

    auto pFont = std::make_unique<FONT>();
    pFont->request = request;
    const FACE_SUBSTITUTE* pSubstitute = Find_Substitute(request.stFace);
    const bool bBold = request.nWeight >= 600 || (pSubstitute != nullptr && pSubstitute->bBold);
    const bool bItalic = request.bItalic;

    // A face the table does not know is used when it is installed, otherwise the default sans.
    FACE_MATCH match;
    bool bMatched = false;
    if (pSubstitute == nullptr) {
        bMatched = Match_Face(request.stFace.c_str(), bBold, bItalic, match) && match.bFamilyExact;
    }
    if (!bMatched) {
        match = FACE_MATCH();
        const char* szFamily = pSubstitute != nullptr ? pSubstitute->szFamily : kDefaultFamily;
        bMatched = Match_Face(szFamily, bBold, bItalic, match);
        if (!bMatched) match.stFamily = szFamily;
    }
    pFont->stFamily = match.stFamily;
    pFont->pFile = bMatched ? Open_File(match) : nullptr;
    pFont->bSynthBold = pFont->pFile != nullptr && bBold && !pFont->pFile->bBold;
    pFont->bSynthItalic = pFont->pFile != nullptr && bItalic && !pFont->pFile->bItalic;

    int nHeight = request.nHeight != 0 ? request.nHeight : -kDefaultEmHeight;
    pFont->size = nullptr;
    if (pFont->pFile != nullptr && FT_New_Size(pFont->pFile->face, &pFont->size) != 0) {
        pFont->size = nullptr;
    }
    bool bSized = pFont->size != nullptr && FT_Activate_Size(pFont->size) == 0 &&
                  Size_Font(pFont.get(), nHeight);
    if (!bSized) {
        if (pFont->size != nullptr) FT_Done_Size(pFont->size);
        pFont->size = nullptr;
        pFont->pFile = nullptr;
        Fallback_Metrics(pFont.get(), nHeight);
    }
    pFont->metrics.nWeight = bBold ? (request.nWeight >= 600 ? request.nWeight : 700)
                                   : (request.nWeight > 0 ? request.nWeight : 400);

    state.fonts.push_back(std::move(pFont));
    return state.fonts.back().get();
}

const char* Font_Face_Name(const FONT* pFont) { return pFont->stFamily.c_str(); }

FONT_METRICS Font_Get_Metrics(const FONT* pFont) { return pFont->metrics; }

void Font_Activate(FONT* pFont) {
    if (pFont->size != nullptr) FT_Activate_Size(pFont->size);
}

void Font_Reset(void) {
    FONT_STATE& state = State();
    state.fonts.clear();  // their sizes go with the faces
    for (auto& file : state.files) FT_Done_Face(file.second->face);
    state.files.clear();
    if (state.library != nullptr) FT_Done_FreeType(state.library);
    state.library = nullptr;
    state.bLibraryFailed = false;
}
