// Cursors: the system shapes, the current cursor and its display count, and the cursor-file
// reader on small files built here (a palette BMP with its mask, a 32-bit BMP with alpha, a PNG)
// and on damaged ones.
#include "platform/test_api.h"
#include "platform/window/cursor_file.h"
#include "png_test_support.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <vector>

namespace cursor_test {

void Put16(std::vector<uint8_t>* p, int n) {
    p->push_back(static_cast<uint8_t>(n));
    p->push_back(static_cast<uint8_t>(n >> 8));
}

void Put32(std::vector<uint8_t>* p, uint32_t n) {
    Put16(p, static_cast<int>(n & 0xFFFF));
    Put16(p, static_cast<int>(n >> 16));
}

// A cursor file of one image with the given size and hot spot.
std::vector<uint8_t> Cursor_File(int nWidth, int nHeight, int nHotX, int nHotY,
                                 const std::vector<uint8_t>& aImage) {
    std::vector<uint8_t> a;
    Put16(&a, 0);
    Put16(&a, 2);  // a cursor
    Put16(&a, 1);
    a.push_back(static_cast<uint8_t>(nWidth));
    a.push_back(static_cast<uint8_t>(nHeight));
    a.push_back(0);
    a.push_back(0);
    Put16(&a, nHotX);
    Put16(&a, nHotY);
    Put32(&a, static_cast<uint32_t>(aImage.size()));
    Put32(&a, 22);
    a.insert(a.end(), aImage.begin(), aImage.end());
    return a;
}

// A BMP info header for a cursor image (its height counts the colour and the mask rows).
std::vector<uint8_t> Info_Header(int nWidth, int nHeight, int nBits, int nColours) {
    std::vector<uint8_t> a;
    Put32(&a, 40);
    Put32(&a, static_cast<uint32_t>(nWidth));
    Put32(&a, static_cast<uint32_t>(nHeight * 2));
    Put16(&a, 1);
    Put16(&a, nBits);
    for (int i = 0; i < 4; i++)
        Put32(&a, 0);  // compression, size, resolution
    Put32(&a, static_cast<uint32_t>(nColours));
    Put32(&a, 0);
    return a;
}

// 2x2, 4 bits: palette 0 black, 1 red, 2 blue. Top row: red, blue; bottom row: black,
// red, the bottom-left pixel masked out.
std::vector<uint8_t> Palette_Image() {
    std::vector<uint8_t> a = Info_Header(2, 2, 4, 3);
    const uint32_t kPalette[] = {0x000000, 0xFF0000, 0x0000FF};
    for (uint32_t c : kPalette)
        Put32(&a, c);
    const uint8_t kRows[] = {0x01, 0, 0, 0, 0x12, 0, 0, 0};  // bottom-up, 4-byte rows
    a.insert(a.end(), kRows, kRows + sizeof(kRows));
    const uint8_t kMask[] = {0x80, 0, 0, 0, 0x00, 0, 0, 0};  // bottom row's left pixel clear
    a.insert(a.end(), kMask, kMask + sizeof(kMask));
    return a;
}

std::vector<uint8_t> Png_Image() {
    const uint32_t kPixels[2] = {0x80102030u, 0xFF405060u};  // BGRA in memory
    PNG_PICTURE picture = {
        reinterpret_cast<const uint8_t*>(kPixels), 2, 1, sizeof(kPixels), PNG_PIXELS_BGRA, false};
    return Png_Test_Bytes(picture);
}

TEST(CursorFileTest, ReadsEachImageKind) {
    CURSOR_IMAGE image;
    ASSERT_TRUE(Cursor_File_Read(Cursor_File(2, 2, 1, 0, Palette_Image()), &image));
    EXPECT_EQ(image.nWidth, 2);
    EXPECT_EQ(image.nHotX, 1);
    EXPECT_EQ(image.aPixels, (std::vector<uint32_t>{0xFFFF0000u, 0xFF0000FFu,  // red, blue
                                                    0u, 0xFFFF0000u}));        // clear, red

    // 32 bits with alpha: the mask does not count.
    std::vector<uint8_t> aAlpha = Info_Header(1, 1, 32, 0);
    Put32(&aAlpha, 0x80112233u);
    Put32(&aAlpha, 0x80000000u);  // a mask bit set, ignored
    ASSERT_TRUE(Cursor_File_Read(Cursor_File(1, 1, 5, 5, aAlpha), &image));
    EXPECT_EQ(image.aPixels, (std::vector<uint32_t>{0x80112233u}));
    EXPECT_EQ(image.nHotX, 0);  // a hot spot outside the picture comes inside

    ASSERT_TRUE(Cursor_File_Read(Cursor_File(2, 1, 1, 0, Png_Image()), &image));
    EXPECT_EQ(image.nHeight, 1);
    EXPECT_EQ(image.aPixels[1], 0xFF405060u);
}

TEST(CursorFileTest, RefusesDamagedFiles) {
    std::vector<uint8_t> aGood = Cursor_File(2, 2, 0, 0, Palette_Image());
    std::vector<uint8_t> aCut(aGood.begin(), aGood.end() - 3);
    std::vector<uint8_t> aBadType = aGood;
    aBadType[2] = 7;
    std::vector<uint8_t> aFarOffset = aGood;
    aFarOffset[18] = 0xF0;
    std::vector<uint8_t> aBigPalette = aGood;
    aBigPalette[22 + 32] = 17;  // 17 colours in a 4-bit image
    std::vector<uint8_t> aBadPng = Cursor_File(2, 1, 0, 0, Png_Image());
    aBadPng.resize(aBadPng.size() - 10);
    const std::vector<uint8_t> kDamaged[] = {{}, aCut, aBadType, aFarOffset, aBadPng};
    CURSOR_IMAGE image;
    for (const auto& a : kDamaged)
        EXPECT_FALSE(Cursor_File_Read(a, &image)) << a.size();
}

class CursorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
    }
    void TearDown() override {
        Test_Reset_Platform();
    }
};

TEST_F(CursorTest, SystemAndFileCursors) {
    HCURSOR hArrow = LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR hWait = LoadCursorA(nullptr, IDC_WAIT);
    EXPECT_NE(hArrow, nullptr);
    EXPECT_NE(hArrow, hWait);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), hArrow);  // shared
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(12)), nullptr);
    EXPECT_EQ(SetCursor(hWait), nullptr);
    EXPECT_EQ(SetCursor(hArrow), hWait);
    EXPECT_EQ(GetCursor(), hArrow);
    EXPECT_EQ(ShowCursor(FALSE), -1);
    EXPECT_EQ(ShowCursor(TRUE), 0);

    std::vector<uint8_t> aFile = Cursor_File(2, 2, 1, 1, Palette_Image());
    FILE* pFile = fopen("Pointer.cur", "wb");
    ASSERT_NE(pFile, nullptr);
    fwrite(aFile.data(), 1, aFile.size(), pFile);
    fclose(pFile);
    HCURSOR hFile = LoadCursorFromFileA("pointer.CUR");  // found without regard to case
    ASSERT_NE(hFile, nullptr);
    SetCursor(hFile);
    EXPECT_EQ(GetCursor(), hFile);
    EXPECT_TRUE(DestroyCursor(hFile));
    EXPECT_EQ(GetCursor(), nullptr);
    EXPECT_FALSE(DestroyCursor(hArrow));  // system cursors stay
    EXPECT_EQ(LoadCursorFromFileA("missing.cur"), nullptr);
}

}  // namespace cursor_test
