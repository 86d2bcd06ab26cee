// The sample sheet of a skin: primitives and noise, design text in several application fonts, the
// page text colour pairs and a vector-canvas scene, each in its own panel with a caption.
#include <stdio.h>

#include "art_gallery.h"
#include "shell/path_canvas.h"
#include "shell/shell.h"

#define SAMPLE_CAPTION_COLOUR RGB(255, 255, 255)
#define SAMPLE_PANEL_COLOUR RGB(236, 230, 215)
#define SAMPLE_UPWARD_FONT 33  // its text runs upward

namespace {

// A panel in client pixels with its caption above it; the drawing area under the caption.
RECT Sample_Panel(HDC hdc, int nLeft, int nTop, int nRight, int nBottom, const char* szCaption) {
    Gallery_Draw_Label(hdc, szCaption, {nLeft, nTop, nRight, nTop + 18}, SAMPLE_CAPTION_COLOUR);
    Fill_Rectangle(hdc, nLeft, nTop + 18, nRight, nBottom, SAMPLE_PANEL_COLOUR);
    return {nLeft, nTop + 18, nRight, nBottom};
}

// Design rectangles, frames, lines, ellipses (design units, 768 x 507 over the sheet) and both
// kinds of noise (client pixels).
void Sample_Primitives(HDC hdc) {
    Sample_Panel(hdc, 8, 4, 336, 224, "primitives and noise");
    RECT rc = {10, 20, 50, 50};
    Fill_Design_Rectangle(&rc, hdc, RGB(200, 40, 40));
    rc = {56, 20, 96, 50};
    Fill_Design_Ellipse(&rc, hdc, RGB(40, 120, 200));
    rc = {102, 20, 142, 50};
    Draw_Design_Rect_Frame_Colour(&rc, hdc, RGB(0, 128, 0));
    rc = {148, 20, 188, 50};
    Draw_Design_Rect_Frame(hdc, &rc);
    rc = {194, 20, 248, 50};
    Draw_Design_Frame_Control(&rc, hdc, DFC_BUTTON, DFCS_BUTTONPUSH);
    SelectObject(hdc, GetStockObject(BLACK_PEN));
    for (int i = 0; i < 5; i++)
        Draw_Design_Line(hdc, 10 + i * 8, 58, 50 + i * 8, 92);
    RECT rcLine = {120, 80, 330, 120};
    Draw_Absolute_Line(&rcLine, hdc, RGB(128, 0, 128));
    RECT rcNoise = {12, 132, 164, 220};
    Draw_Noise_Around_Colour(&rcNoise, hdc, RGB(90, 120, 60), 2, 2);
    RECT rcButton = {172, 132, 332, 220};
    Draw_Button_Noise(&rcButton, hdc, 40, 90, 60, 110, 120, 200, 1.5, 1.5);
}

// Design text in application fonts, four columns of the panel (design units).
void Sample_Fonts(HDC hdc) {
    Sample_Panel(hdc, 344, 4, 1016, 440, "design text in the application fonts");
    static const int kColumns[4][7] = {{0, 4, 9, 12, 14, 20, -1},
                                       {21, 22, 23, 26, 16, -1, -1},
                                       {27, 28, 29, 30, 31, -1, -1},
                                       {24, 25, 32, 34, 35, -1, -1}};
    SetBkMode(hdc, TRANSPARENT);
    for (int nColumn = 0; nColumn < 4; nColumn++) {
        int nTop = 18;
        for (int i = 0; kColumns[nColumn][i] >= 0; i++) {
            int nFont = kColumns[nColumn][i];
            HFONT hFont = Take_App_Font(nFont);
            if (hFont == NULL)
                continue;
            HGDIOBJ hOld = SelectObject(hdc, hFont);
            char szText[16];
            Format_String(szText, sizeof szText, "%d Aa", nFont);
            RECT rc = {260 + nColumn * 126, nTop, Min_Int(260 + nColumn * 126 + 126, 762), 330};
            int nHeight =
                Draw_Design_Text_Colour(szText, hdc, RGB(20, 20, 20), &rc, DT_LEFT | DT_TOP);
            SelectObject(hdc, hOld);
            Release_App_Font(hFont);
            nTop += nHeight > 0 ? nHeight : 12;
        }
    }
    // The upward font runs from the bottom of the third column's free space.
    HFONT hUpward = Take_App_Font(SAMPLE_UPWARD_FONT);
    if (hUpward != NULL) {
        HGDIOBJ hOld = SelectObject(hdc, hUpward);
        SetTextColor(hdc, RGB(20, 20, 20));
        TextOutA(hdc, 770, 372, "Up", 2);
        SelectObject(hdc, hOld);
        Release_App_Font(hUpward);
    }
}

// Shadowed text and text fitted to a box with the best font.
void Sample_Text_Effects(HDC hdc) {
    Sample_Panel(hdc, 688, 448, 1016, 672, "shadowed and best-fit text");
    HFONT hFont = Take_App_Font(11);
    HGDIOBJ hOld = hFont != NULL ? SelectObject(hdc, hFont) : NULL;
    SetBkMode(hdc, TRANSPARENT);
    RECT rcBand = {520, 352, 758, 390};
    Fill_Design_Rectangle(&rcBand, hdc, RGB(60, 60, 70));
    Draw_Shadowed_Text_Colour(hdc, "Shadowed text", RGB(255, 220, 120), &rcBand, DT_CENTER);
    if (hOld != NULL)
        SelectObject(hdc, hOld);
    if (hFont != NULL)
        Release_App_Font(hFont);
    RECT rcFit = {520, 400, 758, 440};
    Fill_Design_Rectangle(&rcFit, hdc, RGB(255, 255, 255));
    SetTextColor(hdc, RGB(0, 0, 0));
    Draw_Design_Text_Centered(hdc, &rcFit,
                              "Best-fit text squeezed into a small box with several words", 12);
    RECT rcWide = {520, 450, 758, 498};
    Fill_Design_Rectangle(&rcWide, hdc, RGB(255, 255, 255));
    Draw_Design_Text_Centered(hdc, &rcWide, "Roomy", 12);
}

// The eight page text colour pairs, light and dark, and the skin's plain and highlight text.
void Sample_Text_Colours(HDC hdc) {
    RECT area = Sample_Panel(hdc, 8, 232, 336, 440, "page text colours: light | dark");
    HFONT hFont = Take_App_Font(2);
    HGDIOBJ hOld = hFont != NULL ? SelectObject(hdc, hFont) : NULL;
    SetBkMode(hdc, TRANSPARENT);
    int nRow = (area.bottom - area.top - 4) / (PAGE_TEXT_PAIR_COUNT + 2);
    for (int i = 0; i < PAGE_TEXT_PAIR_COUNT + 2; i++) {
        char szText[32];
        COLORREF light;
        COLORREF dark;
        if (i < PAGE_TEXT_PAIR_COUNT) {
            Format_String(szText, sizeof szText, "pair %d", i + 1);
            light = Get_Page_Text_Colour_Pair(i + 1, 0);
            dark = Get_Page_Text_Colour_Pair(i + 1, 1);
        } else {
            int nKind = i == PAGE_TEXT_PAIR_COUNT ? PAGE_PLAIN_TEXT : PAGE_HIGHLIGHT_TEXT;
            safe_strncpy(szText, nKind == PAGE_PLAIN_TEXT ? "plain" : "highlight", sizeof szText);
            light = Get_Page_Text_Colour(nKind, 0);
            dark = Get_Page_Text_Colour(nKind, 1);
        }
        int nTop = area.top + 2 + i * nRow;
        int nMiddle = (area.left + area.right) / 2;
        Fill_Rectangle(hdc, area.left, nTop, nMiddle, nTop + nRow, RGB(40, 40, 40));
        Fill_Rectangle(hdc, nMiddle, nTop, area.right, nTop + nRow, RGB(236, 230, 215));
        RECT rcLight = {area.left, nTop, nMiddle, nTop + nRow};
        RECT rcDark = {nMiddle, nTop, area.right, nTop + nRow};
        SetTextColor(hdc, light);
        DrawTextA(hdc, szText, -1, &rcLight, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SetTextColor(hdc, dark);
        DrawTextA(hdc, szText, -1, &rcDark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (hOld != NULL)
        SelectObject(hdc, hOld);
    if (hFont != NULL)
        Release_App_Font(hFont);
}

// Starts a stroked path of the canvas at (x, y).
void Sample_Start_Stroke(PATH_CANVAS* pCanvas, agg::rgba8 colour, double fWidth, double x,
                         double y) {
    pCanvas->set_path_flags(PATH_STROKE);
    pCanvas->set_stroke_colour(colour);
    pCanvas->set_stroke_width(fWidth);
    pCanvas->move_to(x, y);
}

// Stars, a gradient disc, a stroked curve, dots and a squiggle, with a soft shadow.
void Sample_Canvas(HDC hdc) {
    RECT area = Sample_Panel(hdc, 8, 448, 680, 672,
                             "vector canvas: stars, gradient, dots, "
                             "squiggle, shadow");
    PATH_CANVAS canvas;
    canvas.reset_canvas();
    canvas.set_bounds(0, 0, 120, 24);
    canvas.shadow = 4;
    canvas.scale = 1.0;
    canvas.set_path_flags(PATH_FILL | PATH_GRADIENT);
    PATH_RECORD* pRecord = canvas.current_record();
    pRecord->centre_colour = agg::rgba8(255, 240, 120, 255);
    pRecord->fill_colour = agg::rgba8(40, 90, 200, 255);
    pRecord->centre_x = 12;
    pRecord->centre_y = 12;
    pRecord->radius = 4;
    canvas.add_circle(12, 12, 10);
    for (int i = 0; i < 3; i++) {
        canvas.next_path();
        canvas.set_path_flags(PATH_FILL | PATH_STROKE);
        canvas.set_fill_colour(agg::rgba8(250, 200 - i * 60, 40, 255));
        canvas.set_stroke_colour(agg::rgba8(60, 30, 0, 255));
        canvas.set_stroke_width(0.4);
        gPathStorage.remove_all();
        Add_Star(34 + i * 14, 12, 4, 10, i * 15.0);
        canvas.vertices.concat_path(gPathStorage);
    }
    canvas.next_path();
    Sample_Start_Stroke(&canvas, agg::rgba8(200, 0, 0, 255), 0.8, 76, 20);
    canvas.vertices.curve4(82, 2, 88, 22, 94, 4);
    canvas.end_path();
    Sample_Start_Stroke(&canvas, agg::rgba8(0, 120, 0, 255), 1.0, 98, 4);
    canvas.line_to(118, 4);
    canvas.dot_path(1.0, 1.8);
    canvas.end_path();
    Sample_Start_Stroke(&canvas, agg::rgba8(20, 60, 200, 255), 0.5, 98, 16);
    canvas.line_to(118, 16);
    canvas.squiggle_path(1.0, 1.5, 0.25);
    canvas.render_paths_in_rect(hdc, &area);
    canvas.release_paths();
}

}  // namespace

void Gallery_Draw_Samples(const char* szSkin, GALLERY_RUN* pRun) {
    HDC hdc = Gallery_Begin_Sheet(Get_Skin_Dialog_Colour());
    if (hdc == NULL) {
        pRun->aFailures.push_back(std::string("no back buffer for the samples of ") + szSkin);
        return;
    }
    Sample_Primitives(hdc);
    Sample_Fonts(hdc);
    Sample_Text_Effects(hdc);
    Sample_Text_Colours(hdc);
    Sample_Canvas(hdc);
    Gallery_End_Sheet(hdc, pRun, std::string(szSkin) + "-samples", szSkin,
                      "primitives, design text, colours and the vector canvas");
}
