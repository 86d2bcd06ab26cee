// Canvas paths read from text: stroke widths, coloured paths and path commands, one item a line.
#include "shell/shell.h"

#include <stdlib.h>
#include <string.h>

int Is_Number_Char(char ch) {
    return (ch >= '0' && ch <= '9') || ch == '.' || ch == '-';
}

namespace {

// Reads the next nCount numbers of the line from *ppText on; false when the line runs out first.
bool Path_Text_Read_Numbers(const char** ppText, const char* pEnd, double* pValues, int nCount) {
    const char* p = *ppText;
    for (int i = 0; i < nCount; i++) {
        while (p < pEnd && !Is_Number_Char(*p))
            p++;
        if (p >= pEnd)
            return false;
        pValues[i] = atof(p);
        while (p < pEnd && Is_Number_Char(*p))
            p++;
    }
    *ppText = p;
    return true;
}

// The path commands of one line.
void Path_Text_Commands(PATH_CANVAS* pCanvas, const char* p, const char* pEnd) {
    double v[7];
    agg::path_storage& path = pCanvas->vertices;
    while (p < pEnd) {
        const char chCommand = *p++;
        switch (chCommand) {
        case 'M':
            if (Path_Text_Read_Numbers(&p, pEnd, v, 2))
                path.move_to(v[0], v[1]);
            break;
        case 'L':
            if (Path_Text_Read_Numbers(&p, pEnd, v, 2))
                path.line_to(v[0], v[1]);
            break;
        case 'C':
            if (Path_Text_Read_Numbers(&p, pEnd, v, 6))
                path.curve4(v[0], v[1], v[2], v[3], v[4], v[5]);
            break;
        case 'A':
            if (Path_Text_Read_Numbers(&p, pEnd, v, 7))
                path.arc_to(v[0], v[1], v[2], v[3] != 0, v[4] != 0, v[5], v[6]);
            break;
        case 'z':
        case 'Z': path.close_polygon(); break;
        default: break;
        }
    }
}

}  // namespace

int Parse_Path_Text(PATH_CANVAS* pCanvas, const char* szText) {
    if (!pCanvas || !szText)
        return 0;
    int nPaths = 0;
    const char* pLine = szText;
    while (*pLine) {
        const char* pEnd = pLine + strcspn(pLine, "\r\n");
        while (pLine < pEnd && (*pLine == ' ' || *pLine == '\t'))
            pLine++;
        if (pLine < pEnd && *pLine == 'W') {
            pCanvas->set_stroke_width(atof(pLine + 1) / 100.0);
        } else if (pLine < pEnd && *pLine == '#') {
            const uint32_t uRgb = (uint32_t)strtoul(pLine + 1, nullptr, 16);
            pCanvas->next_path();
            pCanvas->set_path_flags(PATH_FILL | PATH_STROKE);
            pCanvas->set_fill_colour(
                agg::rgba8((uRgb >> 16) & 0xFF, (uRgb >> 8) & 0xFF, uRgb & 0xFF, 255));
            pCanvas->set_stroke_colour(agg::rgba8(0, 0, 0, 255));
            nPaths++;
        } else {
            Path_Text_Commands(pCanvas, pLine, pEnd);
        }
        pLine = pEnd + strspn(pEnd, "\r\n");
    }
    return nPaths;
}
