// The PNG writer and reader: each memory layout written and read back, rows flipped and padded,
// and files that are not PNG or are cut short.
#include "png_test_support.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include <vector>

namespace png_file_test {

// A 2x2 picture in memory, its top-left pixel red and half clear where the layout has alpha.
struct PNG_LAYOUT_CASE {
    PNG_PIXEL_FORMAT eFormat;
    bool bBottomUp;
    std::vector<uint8_t> aRows;  // two rows of two pixels, no padding
    int nFileChannels;
};

TEST(PngFileTest, EachLayoutReadsBackAsWritten) {
    // Read back as top-down RGBA: red, green / blue, white, with the first pixel's alpha.
    const PNG_LAYOUT_CASE kCases[] = {
        {PNG_PIXELS_RGBA,
         false,
         {255, 0, 0, 128, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255},
         4},
        {PNG_PIXELS_BGRA,
         false,
         {0, 0, 255, 128, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 255, 255},
         4},
        {PNG_PIXELS_BGRX, false, {0, 0, 255, 7, 0, 255, 0, 7, 255, 0, 0, 7, 255, 255, 255, 7}, 3},
        {PNG_PIXELS_RGB, false, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}, 3},
        {PNG_PIXELS_BGR, true, {255, 0, 0, 255, 255, 255, 0, 0, 255, 0, 255, 0}, 3},
    };
    for (const PNG_LAYOUT_CASE& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.eFormat));
        const std::vector<uint8_t> aFile =
            Png_Test_Bytes({c.aRows.data(), 2, 2, static_cast<ptrdiff_t>(c.aRows.size() / 2),
                            c.eFormat, c.bBottomUp});
        PNG_READ_OPTIONS options;
        options.bRedFirst = true;
        options.bAlwaysAlpha = true;
        PNG_DECODED header;
        options.bHeaderOnly = true;
        ASSERT_EQ(Png_Read_Memory(aFile.data(), aFile.size(), options, nullptr, &header),
                  PNG_READ_DONE);
        EXPECT_EQ(header.nChannels, 4);
        options.bHeaderOnly = false;
        options.bAlwaysAlpha = false;
        PNG_DECODED decoded;
        ASSERT_EQ(Png_Read_Memory(aFile.data(), aFile.size(), options, nullptr, &decoded),
                  PNG_READ_DONE);
        EXPECT_EQ(decoded.nChannels, c.nFileChannels);
        const uint8_t nAlpha = c.nFileChannels == 4 ? 128 : 255;
        const std::vector<uint8_t> aExpected = {255, 0, 0,   nAlpha, 0,   255, 0,   255,
                                                0,   0, 255, 255,    255, 255, 255, 255};
        std::vector<uint8_t> aRgba;
        for (int i = 0; i < 4; i++) {
            const uint8_t* p = decoded.pRows + i * decoded.nChannels;
            aRgba.insert(aRgba.end(), p, p + 3);
            aRgba.push_back(decoded.nChannels == 4 ? p[3] : 255);
        }
        EXPECT_EQ(aRgba, aExpected);
        free(decoded.pRows);
    }
}

TEST(PngFileTest, ReadsIntoPaddedBottomUpRows) {
    const uint8_t kRows[] = {1, 2, 3, 4, 5, 6};  // one RGB pixel a row, top first
    const std::vector<uint8_t> aFile = Png_Test_Bytes({kRows, 1, 2, 3, PNG_PIXELS_RGB, false});
    PNG_READ_OPTIONS options;
    options.bBottomUp = true;
    options.nRowAlign = 4;
    PNG_DECODED decoded;
    uint8_t aInto[8] = {};
    ASSERT_EQ(Png_Read_Memory(aFile.data(), aFile.size(), options, aInto, &decoded), PNG_READ_DONE);
    EXPECT_EQ(decoded.nStride, 4u);
    EXPECT_EQ(decoded.pRows, aInto);
    EXPECT_EQ(std::vector<uint8_t>(aInto, aInto + 8),
              (std::vector<uint8_t>{6, 5, 4, 0, 3, 2, 1, 0}));
}

TEST(PngFileTest, RefusesWhatIsNotAWholePng) {
    const uint8_t kRows[] = {1, 2, 3};
    std::vector<uint8_t> aFile = Png_Test_Bytes({kRows, 1, 1, 3, PNG_PIXELS_RGB, false});
    PNG_READ_OPTIONS options;
    PNG_DECODED decoded;
    const uint8_t kText[] = "not a picture at all";
    EXPECT_EQ(Png_Read_Memory(kText, sizeof(kText), options, nullptr, &decoded), PNG_READ_NOT_PNG);
    aFile.resize(aFile.size() - 20);  // the image data cut
    EXPECT_EQ(Png_Read_Memory(aFile.data(), aFile.size(), options, nullptr, &decoded),
              PNG_READ_FAILED);
    EXPECT_EQ(decoded.pRows, nullptr);
}

}  // namespace png_file_test
