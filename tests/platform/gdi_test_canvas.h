// A small memory DC on a 32-bit bitmap for drawing tests, read back as a picture of characters
// so that expected pixels can be written as rows of text.
#pragma once

#include "platform/windows.h"

#include <stdint.h>

#include <map>
#include <string>
#include <vector>

class GDI_CANVAS {
public:
    GDI_CANVAS(int nWidth, int nHeight, COLORREF crBackground = RGB(255, 255, 255))
        : nWidth_(nWidth), nHeight_(nHeight) {
        hdc = CreateCompatibleDC(nullptr);
        hBitmap_ = CreateCompatibleBitmap(hdc, nWidth, nHeight);
        hOld_ = SelectObject(hdc, hBitmap_);
        RECT rc = {0, 0, nWidth, nHeight};
        HBRUSH hBrush = CreateSolidBrush(crBackground);
        FillRect(hdc, &rc, hBrush);
        DeleteObject(hBrush);
    }
    ~GDI_CANVAS() {
        SelectObject(hdc, hOld_);
        DeleteObject(hBitmap_);
        DeleteDC(hdc);
    }
    GDI_CANVAS(const GDI_CANVAS&) = delete;
    GDI_CANVAS& operator=(const GDI_CANVAS&) = delete;

    // The bitmap's pixels (whatever the DC's origin and clip), one character per pixel.
    std::vector<std::string> Picture() const {
        std::vector<uint32_t> pixels(static_cast<size_t>(nWidth_) * nHeight_);
        BITMAPINFO info = {};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), nWidth_, -nHeight_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        GetDIBits(hdc, hBitmap_, 0, static_cast<UINT>(nHeight_), pixels.data(), &info,
                  DIB_RGB_COLORS);
        return Picture_Of(pixels, nWidth_, nHeight_);
    }

    // '.' white, '#' black, 'r' red, 'g' green, 'b' blue, '?' any other colour; pixels 0x00RRGGBB.
    static std::vector<std::string> Picture_Of(const std::vector<uint32_t>& pixels, int nWidth,
                                               int nHeight) {
        static const std::map<uint32_t, char> kLegend = {
            {0xFFFFFF, '.'}, {0x000000, '#'}, {0xFF0000, 'r'}, {0x00FF00, 'g'}, {0x0000FF, 'b'}};
        std::vector<std::string> rows;
        for (int y = 0; y < nHeight; ++y) {
            std::string st;
            for (int x = 0; x < nWidth; ++x) {
                auto it = kLegend.find(pixels[static_cast<size_t>(y) * nWidth + x] & 0xFFFFFF);
                st += it == kLegend.end() ? '?' : it->second;
            }
            rows.push_back(st);
        }
        return rows;
    }

    HDC hdc;

private:
    int nWidth_;
    int nHeight_;
    HBITMAP hBitmap_;
    HGDIOBJ hOld_;
};
