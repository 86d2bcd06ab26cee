// DrawTextA's line layout: hard breaks at "\n", "\r\n" and a lone "\r" (dropped on a single
// line), the '&' prefix rules, tab stops every 8 average character widths, and word wrapping
// at the spaces between words.
#include "font/font_internal.h"
#include "windows.h"

#include <string.h>

namespace {

const int kTabColumns = 8;

struct LINE_SOURCE {
    std::string stText;  // prefixes resolved
    int nUnderline;      // index into stText, -1 when none
};

// Applies the prefix rules to one hard line: "&x" underlines x (the first one in the line),
// "&&" is a plain '&', a lone '&' at the end is dropped. Line-break bytes left in a single line
// draw as nothing and are dropped.
LINE_SOURCE Resolve_Prefixes(const char* pText, int nLength, unsigned int uFormat) {
    LINE_SOURCE source = {std::string(), -1};
    const bool bPrefix = (uFormat & DT_NOPREFIX) == 0;
    for (int i = 0; i < nLength; ++i) {
        char c = pText[i];
        if (c == '\r' || c == '\n') continue;
        if (bPrefix && c == '&') {
            if (i + 1 >= nLength) break;
            c = pText[++i];
            if (c != '&' && source.nUnderline < 0)
                source.nUnderline = static_cast<int>(source.stText.size());
        }
        source.stText.push_back(c);
    }
    return source;
}

// Pen x of each byte of text[nFrom, nTo) from the piece's own left edge; returns the width.
int Measure(FONT* pFont, const std::string& stText, size_t nFrom, size_t nTo, int nTabWidth,
            std::vector<int>* pOffsets) {
    int x = 0;
    for (size_t i = nFrom; i < nTo; ++i) {
        if (pOffsets != nullptr) pOffsets->push_back(x);
        if (stText[i] == '\t' && nTabWidth > 0) {
            x = (x / nTabWidth + 1) * nTabWidth;
        } else {
            x += Font_Text_Width(pFont, &stText[i], 1);
        }
    }
    return x;
}

void Emit_Line(FONT* pFont, const LINE_SOURCE& source, size_t nFrom, size_t nTo, int nTabWidth,
               std::vector<TEXT_LINE>& lines) {
    TEXT_LINE line;
    line.stText = source.stText.substr(nFrom, nTo - nFrom);
    int nUnderline = source.nUnderline;
    line.nUnderline = nUnderline >= static_cast<int>(nFrom) && nUnderline < static_cast<int>(nTo)
                          ? nUnderline - static_cast<int>(nFrom)
                          : -1;
    line.nWidth = Measure(pFont, source.stText, nFrom, nTo, nTabWidth, &line.xOffsets);
    lines.push_back(std::move(line));
}

size_t Skip_Spaces(const std::string& stText, size_t i) {
    while (i < stText.size() && stText[i] == ' ') ++i;
    return i;
}

size_t Skip_Word(const std::string& stText, size_t i) {
    while (i < stText.size() && stText[i] != ' ') ++i;
    return i;
}

// Breaks one hard line between words so that no line is wider than the box, except a line
// holding a single word that is wider by itself. Spaces at a break are dropped.
void Wrap_Line(FONT* pFont, const LINE_SOURCE& source, int nBoxWidth, int nTabWidth,
               std::vector<TEXT_LINE>& lines) {
    const std::string& stText = source.stText;
    size_t nStart = 0;
    do {
        // The first word always stays (with the hard line's leading spaces, if any).
        size_t nEnd = Skip_Word(stText, Skip_Spaces(stText, nStart));
        for (;;) {
            size_t nWordStart = Skip_Spaces(stText, nEnd);
            if (nWordStart >= stText.size()) break;
            size_t nWordEnd = Skip_Word(stText, nWordStart);
            if (Measure(pFont, stText, nStart, nWordEnd, nTabWidth, nullptr) > nBoxWidth) break;
            nEnd = nWordEnd;
        }
        Emit_Line(pFont, source, nStart, nEnd, nTabWidth, lines);
        nStart = Skip_Spaces(stText, nEnd);
    } while (nStart < stText.size());
}

}  // namespace

std::vector<TEXT_LINE> Font_Layout_Text(FONT* pFont, const char* szText, int nLength, int nBoxWidth,
                                        unsigned int uFormat) {
    if (szText == nullptr) nLength = 0;
    if (nLength < 0) nLength = static_cast<int>(strlen(szText));
    const bool bSingleLine = (uFormat & DT_SINGLELINE) != 0;
    const bool bWrap = !bSingleLine && (uFormat & DT_WORDBREAK) != 0;
    const int nTabWidth =
        (uFormat & DT_EXPANDTABS) != 0 ? kTabColumns * Font_Get_Metrics(pFont).nAveCharWidth : 0;

    std::vector<TEXT_LINE> lines;
    int nLineStart = 0;
    for (;;) {
        int nLineEnd = nLineStart;
        while (nLineEnd < nLength &&
               (bSingleLine || (szText[nLineEnd] != '\n' && szText[nLineEnd] != '\r'))) {
            ++nLineEnd;
        }
        LINE_SOURCE source = Resolve_Prefixes(szText + nLineStart, nLineEnd - nLineStart, uFormat);
        if (bWrap) {
            Wrap_Line(pFont, source, nBoxWidth, nTabWidth, lines);
        } else {
            Emit_Line(pFont, source, 0, source.stText.size(), nTabWidth, lines);
        }
        // Past the break: "\r\n" is one break; a break that ends the text starts no line.
        if (nLineEnd < nLength && szText[nLineEnd] == '\r' && nLineEnd + 1 < nLength &&
            szText[nLineEnd + 1] == '\n') {
            ++nLineEnd;
        }
        nLineStart = nLineEnd + 1;
        if (nLineStart >= nLength) break;
    }
    return lines;
}
