// The vector canvas on Anti-Grain Geometry, memory surfaces (DIB sections) with the stack blur,
// PNG output, and the list and combo box fillers the dialogs share.
#pragma once

#include <stdint.h>

#include <agg_color_rgba.h>
#include <agg_path_storage.h>

#include "core/core.h"
#include "platform/windows.h"

// ---- memory surfaces (dib_section.cpp) ----------------------------------------------------------
typedef struct DIB_SECTION_DC {
    unsigned char* pBits;  // the pixel rows, bottom-up
    BITMAPINFO bmi;
    HDC hdc;
    HBITMAP hOldBitmap;  // the bitmap the section replaced in the DC
    HBITMAP hBitmap;
    int nBytesPerPixel;  // 3 or 4
    int nPadding;        // bytes added to each row to reach a multiple of 4
    int nStride;         // nWidth x nBytesPerPixel + nPadding
    int nWidth;
    int nHeight;
} DIB_SECTION_DC;

int SimpleCreateDIBSectionDC(HDC hReference, DIB_SECTION_DC* pSurface, int nBytesPerPixel,
                             int nWidth, int nHeight);
int Create_DIB_Section_DC_24(HDC hReference, DIB_SECTION_DC* pSurface, int nWidth, int nHeight);
int Create_DIB_Section_DC_32(HDC hReference, DIB_SECTION_DC* pSurface, int nWidth, int nHeight);
bool Release_DIB_Section_DC(DIB_SECTION_DC* pSurface);
// Stack blur: a 24-bit surface on its three colours, a 32-bit one on its alpha bytes only.
void Blur_DIB_Section(DIB_SECTION_DC* pSurface, int nRadiusX, int nRadiusY);

// ---- the stack blur (stack_blur.cpp) ------------------------------------------------------------
// Blurs rows of pixels in place: nChannels 3 blurs blue, green and red of 3-byte pixels;
// nChannels 1 blurs one byte at nOffset of pixels nStep bytes apart. Radii are clamped to 254.
void Stack_Blur_Pixels(unsigned char* pBits, int nWidth, int nHeight, int nStride, int nChannels,
                       int nStep, int nOffset, int nRadiusX, int nRadiusY);

// ---- PNG output (png_output.cpp) ----------------------------------------------------------------
// Writes bottom-up rows of blue, green, red (and alpha) as an 8-bit RGB or RGBA PNG. 1 when written.
int Save_PNG_File(const unsigned char* pBits, const char* szFile, int nBitsPerPixel, int nWidth,
                  int nHeight);
int Save_DC_As_PNG(const char* szFile, HDC hdc, int nWidth, int nHeight);

// ---- list and combo boxes (list_fillers.cpp) ----------------------------------------------------
#define GRADE_NAME_COUNT 14
extern const char* const GRADE_NAMES[GRADE_NAME_COUNT];
extern int gDialogWidthFactor;

void Reset_List_Box(HWND hList);
void Reset_Combo_Box(HWND hCombo);
void Fill_Team_List(HWND hDlg);
void Fill_Percent_Combo(HWND hCombo);
void Fill_Grade_Combo(HWND hCombo);
void Fill_Stat_Period_Combo(HWND hDlg);
void Check_Stat_Period_Button(HWND hDlg);
void Cut_At_Char(char* szText, char ch);
void Strip_Extension(char* szText);
void Strip_List_Box_Extensions(HWND hList);
void Strip_Combo_Box_Extensions(HWND hCombo);
int Measure_Dialog_Width_Factor(HWND hDlg);
int Scale_Tab_Stops(int* pTabs, int nCount);

// ---- the vector canvas (path_canvas.cpp, path_canvas_render.cpp) --------------------------------
#define PATH_FILL 1
#define PATH_STROKE 2
#define PATH_GRADIENT 4
#define PATH_DERIVED 8
#define PATH_REPLACED 0x1000

#define PATH_CAPACITY_STEP 32
#define PATH_DEFAULT_LINE_CAP 2    // round
#define PATH_DEFAULT_LINE_JOIN 2   // round
#define PATH_DEFAULT_INNER_JOIN 0  // bevel
#define PATH_DEFAULT_COMP_OP 3     // source over

// The attributes of one path: 20 words.
typedef struct PATH_RECORD {
    agg::rgba8 stroke_colour;
    agg::rgba8 fill_colour;    // the outer colour of a gradient
    agg::rgba8 centre_colour;  // the centre colour of a gradient
    int32_t unused;
    double centre_x;  // gradient centre
    double centre_y;
    double radius;  // gradient ring width
    double stroke_width;
    int32_t flags;
    int32_t line_cap;      // 0 butt, 1 square, 2 round
    int32_t line_join;     // 0 miter, 1 miter revert, 2 round, 3 bevel
    int32_t inner_join;    // 0 bevel, 1 miter, 2 jag, 3 round
    int32_t filling_rule;  // 0 non-zero, 1 even-odd
    int32_t comp_op;       // AGG's compositing operations; 3 source over
    int32_t path_id;       // low 16 bits: the path's number; an extra path's request with path_tag
    int32_t path_tag;
} PATH_RECORD;
static_assert(sizeof(PATH_RECORD) == 80, "a path record is 20 words");

// The defaults of a record: everything 0 but the line cap, the joins, the rule and the operation.
void Set_Path_Record_Defaults(PATH_RECORD* pRecord);
// A colour word with r in its low byte and alpha in its top byte.
agg::rgba8 Rgba8_From_Word(uint32_t uColour);

// Paths recorded in the painter's own units, then rendered anti-aliased into a rectangle of a DC.
// A canvas is reset, filled, rendered once (rendering moves the vertices to pixels) and released.
struct PATH_CANVAS {
    int path_count;
    int path_capacity;  // grows by PATH_CAPACITY_STEP
    agg::path_storage vertices;
    unsigned* first_vertex;  // per path, its first vertex in vertices
    agg::path_storage extra_vertices;
    PATH_RECORD extra_record;  // a non-zero path_id or path_tag asks for the extra path
    double scale;              // multiplies stroke widths unless 0
    uint32_t override_colour;  // replaces every colour set while its alpha byte is non-zero
    PATH_RECORD* records;
    int bounds_left;  // all four 0: not measured yet
    int bounds_top;
    int bounds_right;
    int bounds_bottom;
    int flip_y;
    int fit_mode;  // 0 stretch, 1 fit the width, 2 fit the height
    int shadow;    // soft drop shadow in pixels, 0 none

    PATH_CANVAS();
    ~PATH_CANVAS();
    PATH_CANVAS(const PATH_CANVAS&) = delete;
    PATH_CANVAS& operator=(const PATH_CANVAS&) = delete;

    void reset_canvas();
    int start_new_path(int nIndex);
    int end_path() {
        return start_new_path(-1);
    }
    int next_path() {
        return start_new_path(0);
    }
    PATH_RECORD* current_record() {
        return path_count > 0 ? &records[path_count - 1] : nullptr;
    }

    void set_stroke_colour(agg::rgba8 colour);
    void set_fill_colour(agg::rgba8 colour);
    void set_stroke_width(double fWidth);
    void set_path_flags(int nFlags);
    void set_line_cap(int nCap);
    // The source box mapped onto the target rectangle, in place of the measured one.
    void set_bounds(int nLeft, int nTop, int nRight, int nBottom);

    void move_to(double x, double y) {
        vertices.move_to(x, y);
    }
    void line_to(double x, double y) {
        vertices.line_to(x, y);
    }
    void add_circle(double cx, double cy, double r);
    void add_circle(const agg::point_d& centre, double r) {
        add_circle(centre.x, centre.y, r);
    }
    void add_extra_circle(double cx, double cy, double r);

    void dot_path(double fSize, double fSpacing);
    void squiggle_path(double fStep, double fAmplitude, double fBend);

    // Draws into (x, y, width - 1, height - 1) of hdc, or of the back buffer when hdc is null.
    void render_paths(int x, int y, int nWidth, int nHeight, double fAngle, HDC hdc);
    void render_paths_at(HDC hdc, int x, int y, int nWidth, int nHeight, double fAngle);
    // The rectangle's own pixels (its right and bottom edges excluded), with no rotation.
    void render_paths_in_rect(HDC hdc, const RECT* pRect);
    void release_paths();
};

extern agg::path_storage gPathStorage;

void add_circle(agg::path_storage& storage, double cx, double cy, double r);
void Add_Star(double cx, double cy, double fOddRadius, double fEvenRadius, double fAngle);
void Add_Rect_Outline(agg::path_storage& storage, const RECT* pRect);
#define STAR_ICON_SIZE 32
// A filled and outlined star in a 32 x 32 buffer of 4-byte pixels (rows nStride bytes apart).
void Draw_Star_Icon(unsigned char* pBits, int nStride);
// Rings of 256 colours between two random colours, around the middle of a 4-byte pixel buffer.
void Draw_Random_Radial_Gradient(unsigned char* pBits, int nWidth, int nHeight, int nStride);
// Paths read from lines of text into the canvas (path_canvas_text.cpp): "W" and the stroke width
// times 100; "#" and a hex fill colour RRGGBB opening a filled, black-outlined path; path commands
// M x y, L x y, C x1 y1 x2 y2 x y, A rx ry angle large sweep x y, and z to close. Paths read.
int Parse_Path_Text(PATH_CANVAS* pCanvas, const char* szText);
int Is_Number_Char(char ch);
// Floor of the lowest and ceiling of the highest coordinates of every vertex; 0 when empty.
int Get_Canvas_Bounds(const agg::path_storage& storage, RECT* pBounds);
