// The vector canvas's recording side: path slots and their records, the style setters, dotted and
// wavy replacements of a stroked path, and the small shape helpers.
#include "shell/shell.h"

#include <math.h>
#include <string.h>

#include <agg_conv_curve.h>
#include <agg_conv_transform.h>
#include <agg_path_length.h>
#include <agg_trans_single_path.h>

#define PATH_CANVAS_LENGTH_LIMIT 10000.0
#define PATH_CANVAS_PIECE_LIMIT 10000  // dots or half-waves along one path
#define PATH_CANVAS_BEND_APPROXIMATION_SCALE 5.0
#define PATH_CANVAS_OWN_NUMBER_MASK 0xFFFF

agg::path_storage gPathStorage;

namespace {

// The vertices of one path (from its first vertex to its end), with curves flattened.
void Path_Canvas_Copy_Flattened(agg::path_storage& source, unsigned nFirst,
                                agg::path_storage& copy) {
    agg::conv_curve<agg::path_storage> curve(source);
    curve.approximation_scale(PATH_CANVAS_BEND_APPROXIMATION_SCALE);
    copy.remove_all();
    copy.concat_path(curve, nFirst);
}

// Appends every vertex of a shape laid along a straight x axis, bent onto the flattened path.
void Path_Canvas_Bend_Along(agg::path_storage& shape, agg::path_storage& along, double fBaseLength,
                            agg::path_storage& target) {
    agg::trans_single_path bend;
    bend.add_path(along);
    bend.base_length(fBaseLength);
    agg::conv_curve<agg::path_storage> curve(shape);
    curve.approximation_scale(PATH_CANVAS_BEND_APPROXIMATION_SCALE);
    agg::conv_transform<agg::conv_curve<agg::path_storage>, agg::trans_single_path> bent(curve,
                                                                                         bend);
    target.concat_path(bent, 0);
}

}  // namespace

void Set_Path_Record_Defaults(PATH_RECORD* pRecord) {
    *pRecord = PATH_RECORD();
    pRecord->line_cap = PATH_DEFAULT_LINE_CAP;
    pRecord->line_join = PATH_DEFAULT_LINE_JOIN;
    pRecord->inner_join = PATH_DEFAULT_INNER_JOIN;
    pRecord->comp_op = PATH_DEFAULT_COMP_OP;
}

agg::rgba8 Rgba8_From_Word(uint32_t uColour) {
    return agg::rgba8(uColour & 0xFF, (uColour >> 8) & 0xFF, (uColour >> 16) & 0xFF, uColour >> 24);
}

void add_circle(agg::path_storage& storage, double cx, double cy, double r) {
    storage.move_to(cx - r, cy);
    storage.arc_to(r, r, 0.0, false, true, cx + r, cy);
    storage.arc_to(r, r, 0.0, false, true, cx - r, cy);
}

void Add_Star(double cx, double cy, double fOddRadius, double fEvenRadius, double fAngle) {
    for (int i = 0; i < 6; i++) {
        double fRadians = (i * 60.0 - 90.0 + fAngle) * agg::pi / 180.0;
        double r = (i % 2) ? fOddRadius : fEvenRadius;
        double x = cx + r * cos(fRadians);
        double y = cy + r * sin(fRadians);
        if (i == 0)
            gPathStorage.move_to(x, y);
        else
            gPathStorage.line_to(x, y);
    }
    gPathStorage.close_polygon();
}

void Add_Rect_Outline(agg::path_storage& storage, const RECT* pRect) {
    storage.move_to(pRect->left, pRect->top);
    storage.line_to(pRect->right, pRect->top);
    storage.line_to(pRect->right, pRect->bottom);
    storage.line_to(pRect->left, pRect->bottom);
    storage.line_to(pRect->left, pRect->top);
}

int Get_Canvas_Bounds(const agg::path_storage& storage, RECT* pBounds) {
    pBounds->left = pBounds->top = pBounds->right = pBounds->bottom = 0;
    bool bFirst = true;
    double fMinX = 0, fMinY = 0, fMaxX = 0, fMaxY = 0;
    for (unsigned i = 0; i < storage.total_vertices(); i++) {
        double x, y;
        if (!agg::is_vertex(storage.vertex(i, &x, &y)))
            continue;
        if (bFirst || x < fMinX)
            fMinX = x;
        if (bFirst || y < fMinY)
            fMinY = y;
        if (bFirst || x > fMaxX)
            fMaxX = x;
        if (bFirst || y > fMaxY)
            fMaxY = y;
        bFirst = false;
    }
    if (bFirst)
        return 0;
    pBounds->left = (LONG)floor(fMinX);
    pBounds->top = (LONG)floor(fMinY);
    pBounds->right = (LONG)ceil(fMaxX);
    pBounds->bottom = (LONG)ceil(fMaxY);
    return 1;
}

PATH_CANVAS::PATH_CANVAS()
    : path_count(0),
      path_capacity(0),
      first_vertex(nullptr),
      scale(0.0),
      override_colour(0),
      records(nullptr),
      bounds_left(0),
      bounds_top(0),
      bounds_right(0),
      bounds_bottom(0),
      flip_y(0),
      fit_mode(0),
      shadow(0) {
    Set_Path_Record_Defaults(&extra_record);
}

PATH_CANVAS::~PATH_CANVAS() {
    release_paths();
}

void PATH_CANVAS::release_paths() {
    delete[] first_vertex;
    delete[] records;
    first_vertex = nullptr;
    records = nullptr;
    path_count = 0;
    path_capacity = 0;
}

void PATH_CANVAS::reset_canvas() {
    release_paths();
    vertices.remove_all();
    extra_vertices.remove_all();
    Set_Path_Record_Defaults(&extra_record);
    scale = 0.0;
    override_colour = 0;
    bounds_left = bounds_top = bounds_right = bounds_bottom = 0;
    flip_y = fit_mode = shadow = 0;
    start_new_path(0);
}

// Grows both arrays by a step when fewer than two slots are free.
static void Path_Canvas_Ensure_Capacity(PATH_CANVAS* pCanvas) {
    if (pCanvas->path_count < pCanvas->path_capacity - 1)
        return;
    const int nOld = pCanvas->path_capacity;
    const int nNew = nOld + PATH_CAPACITY_STEP;
    unsigned* pFirst = new unsigned[nNew]();
    PATH_RECORD* pRecords = new PATH_RECORD[nNew]();
    for (int i = 0; i < nOld; i++) {
        pFirst[i] = pCanvas->first_vertex[i];
        pRecords[i] = pCanvas->records[i];
    }
    for (int i = nOld; i < nNew; i++)
        Set_Path_Record_Defaults(&pRecords[i]);
    delete[] pCanvas->first_vertex;
    delete[] pCanvas->records;
    pCanvas->first_vertex = pFirst;
    pCanvas->records = pRecords;
    pCanvas->path_capacity = nNew;
    Print_Debug_Message(DTXT_AGG, "Increasing paths from %d to %d", nOld, nNew);
}

// A slot for the path that starts at the storage's end.
static void Path_Canvas_Open_Slot(PATH_CANVAS* pCanvas) {
    Path_Canvas_Ensure_Capacity(pCanvas);
    const int nSlot = pCanvas->path_count++;
    pCanvas->first_vertex[nSlot] = pCanvas->vertices.total_vertices();
    pCanvas->records[nSlot].path_id = nSlot;
}

int PATH_CANVAS::start_new_path(int nIndex) {
    Path_Canvas_Ensure_Capacity(this);
    vertices.start_new_path();
    if (path_count == 0 || vertices.total_vertices() > first_vertex[path_count - 1])
        Path_Canvas_Open_Slot(this);

    if (extra_record.path_id != 0 || extra_record.path_tag != 0) {
        const int nSlot = path_count - 1;
        for (unsigned i = 0; i < extra_vertices.total_vertices(); i++) {
            double x, y;
            unsigned uCommand = extra_vertices.vertex(i, &x, &y);
            if (!agg::is_stop(uCommand))
                vertices.vertices().add_vertex(x, y, uCommand);
        }
        records[nSlot] = extra_record;
        records[nSlot].flags |= PATH_DERIVED;
        vertices.start_new_path();
        Path_Canvas_Open_Slot(this);
    }
    Set_Path_Record_Defaults(&extra_record);
    extra_vertices.remove_all();

    const int nThis = path_count - 1;
    if (nIndex < 0) {
        int nCounted = 0;
        for (int i = nThis; i >= 0; i--) {
            const int nFlags = records[i].flags;
            if (nFlags == 0 || (nFlags & PATH_DERIVED))
                continue;
            if (++nCounted < -nIndex)
                continue;
            // The style of the earlier path; the slot keeps its own number.
            const int nOwnNumber = records[nThis].path_id & PATH_CANVAS_OWN_NUMBER_MASK;
            records[nThis] = records[i];
            records[nThis].path_id =
                (records[nThis].path_id & ~PATH_CANVAS_OWN_NUMBER_MASK) | nOwnNumber;
            Print_Debug_Message(DTXT_AGG, "start_new_path(%d) THIS=%d OLD=%d", nIndex, nThis, i);
            return nThis;
        }
    }
    Print_Debug_Message(DTXT_AGG, "start_new_path(%d) THIS=%d", nIndex, nThis);
    return nThis;
}

void PATH_CANVAS::set_stroke_colour(agg::rgba8 colour) {
    PATH_RECORD* pRecord = current_record();
    if (!pRecord)
        return;
    pRecord->stroke_colour = (override_colour >> 24) ? Rgba8_From_Word(override_colour) : colour;
}

void PATH_CANVAS::set_fill_colour(agg::rgba8 colour) {
    PATH_RECORD* pRecord = current_record();
    if (!pRecord)
        return;
    pRecord->fill_colour = (override_colour >> 24) ? Rgba8_From_Word(override_colour) : colour;
}

void PATH_CANVAS::set_stroke_width(double fWidth) {
    PATH_RECORD* pRecord = current_record();
    if (pRecord)
        pRecord->stroke_width = scale != 0.0 ? fWidth * scale : fWidth;
}

void PATH_CANVAS::set_path_flags(int nFlags) {
    PATH_RECORD* pRecord = current_record();
    if (pRecord)
        pRecord->flags = nFlags;
}

void PATH_CANVAS::set_line_cap(int nCap) {
    PATH_RECORD* pRecord = current_record();
    if (pRecord)
        pRecord->line_cap = nCap;
}

void PATH_CANVAS::set_bounds(int nLeft, int nTop, int nRight, int nBottom) {
    bounds_left = nLeft;
    bounds_top = nTop;
    bounds_right = nRight;
    bounds_bottom = nBottom;
}

void PATH_CANVAS::add_circle(double cx, double cy, double r) {
    ::add_circle(vertices, cx, cy, r);
}

void PATH_CANVAS::add_extra_circle(double cx, double cy, double r) {
    ::add_circle(extra_vertices, cx, cy, r);
}

// The checks that dotting and squiggling share. The current path's length, or -1 when refused.
static double Path_Canvas_Replaceable_Length(PATH_CANVAS* pCanvas, const char* szReplaced,
                                             const char* szFilled, const char* szBadLength) {
    PATH_RECORD* pRecord = pCanvas->current_record();
    if (!pRecord)
        return -1;
    if (pRecord->flags & PATH_REPLACED) {
        Report_Error("%s", szReplaced);
        return -1;
    }
    if (pRecord->flags & PATH_FILL) {
        Report_Error("%s", szFilled);
        return -1;
    }
    agg::conv_curve<agg::path_storage> curve(pCanvas->vertices);
    double fLength = agg::path_length(curve, pCanvas->first_vertex[pCanvas->path_count - 1]);
    if (!(fLength > 0.0) || fLength > PATH_CANVAS_LENGTH_LIMIT) {
        Report_Error(szBadLength, fLength);
        return -1;
    }
    return fLength;
}

// How many pieces of fPitch fit in fLength; -1 (reported) when the pitch gives no sane count.
static int Path_Canvas_Piece_Count(double fLength, double fPitch, const char* szWhat) {
    if (!(fPitch > 0.0) || fLength / fPitch > PATH_CANVAS_PIECE_LIMIT) {
        Report_Error("Invalid spacing for %s: %f", szWhat, fPitch);
        return -1;
    }
    return (int)floor(fLength / fPitch);
}

void PATH_CANVAS::dot_path(double fSize, double fSpacing) {
    double fLength = Path_Canvas_Replaceable_Length(this, "Trying to dot an already modified path!",
                                                    "Trying to dot a filled shape!",
                                                    "Invalid path length for dots: %f");
    if (fLength < 0)
        return;
    const int nOld = path_count - 1;
    const double w = records[nOld].stroke_width;
    const int n = Path_Canvas_Piece_Count(fLength, fSpacing * w, "dots");
    if (n < 0)
        return;

    agg::path_storage along;
    Path_Canvas_Copy_Flattened(vertices, first_vertex[nOld], along);
    const int nNew = start_new_path(-1);
    records[nOld].flags = PATH_REPLACED;
    records[nNew].flags = PATH_FILL;
    records[nNew].fill_colour = records[nNew].stroke_colour;

    agg::path_storage dots;
    for (int i = 0; i <= n; i++)
        ::add_circle(dots, i * fSpacing * w, 0.0, fSize * w / 2.0);
    Path_Canvas_Bend_Along(dots, along, 0.0, vertices);
}

void PATH_CANVAS::squiggle_path(double fStep, double fAmplitude, double fBend) {
    double fLength = Path_Canvas_Replaceable_Length(
        this, "Trying to squiggle an already squiggled path!", "Trying to squiggle a filled shape!",
        "Invalid path length for squiggle: %f");
    if (fLength < 0)
        return;
    const int n = Path_Canvas_Piece_Count(fLength, fStep, "squiggle");
    if (n < 0)
        return;

    const int nOld = path_count - 1;
    agg::path_storage along;
    Path_Canvas_Copy_Flattened(vertices, first_vertex[nOld], along);
    const int nNew = start_new_path(-1);
    records[nOld].flags = PATH_REPLACED;
    records[nOld].stroke_width = 0.0;
    records[nOld].stroke_colour = agg::rgba8(0, 0, 0, 0);

    const double c = fStep * fBend;
    agg::path_storage wave;
    wave.move_to(0.0, 0.0);
    for (int i = 0; i < n; i += 2) {
        const double l = i * fStep;
        wave.curve4(l + c, -fAmplitude, l + fStep - c, -fAmplitude, l + fStep, 0.0);
        wave.curve4(l + fStep + c, fAmplitude, l + 2 * fStep - c, fAmplitude, l + 2 * fStep, 0.0);
    }
    const int nEven = (n + 1) / 2 * 2;
    Path_Canvas_Bend_Along(wave, along, nEven * fStep, vertices);
    records[nNew].line_cap = 2;
    records[nNew].inner_join = 3;
}
