// Writing the art: PNG through the platform's writer, JPEG through libjpeg, cursors and icons in their directory
// format with 32-bit images and a transparency mask, sounds as RIFF WAVE 16-bit PCM.
#include "art_files.h"

#include <setjmp.h>
#include <stdio.h>
#include <string.h>

#include <filesystem>

#include <jpeglib.h>

#include "platform/png_file.h"

namespace {

const int kArtJpegQuality = 90;

bool Art_Has_Extension(const std::string& sFile, const char* szExtension) {
    std::string sEnd = sFile.size() >= 4 ? sFile.substr(sFile.size() - 4) : "";
    for (char& c : sEnd)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return sEnd == szExtension;
}

// One pixel with its colour taken back from premultiplied form.
void Art_Straight_Pixel(const uint8_t* p, uint8_t* pOut) {
    unsigned a = p[3];
    for (int c = 0; c < 3; c++) {
        unsigned v = a ? (p[c] * 255u + a / 2) / a : 0;
        pOut[c] = static_cast<uint8_t>(v > 255 ? 255 : v);
    }
    pOut[3] = static_cast<uint8_t>(a);
}

bool Art_Is_Opaque(const ART_IMAGE& image) {
    for (size_t i = 3; i < image.aPixels.size(); i += 4)
        if (image.aPixels[i] != 255)
            return false;
    return true;
}

bool Art_Report(const std::string& sFile, const char* szWhat) {
    fprintf(stderr, "art_tool: cannot write %s (%s)\n", sFile.c_str(), szWhat);
    return false;
}

bool Art_Write_Png(const std::string& sFile, const ART_IMAGE& image) {
    FILE* pFile = fopen(sFile.c_str(), "wb");
    if (!pFile)
        return Art_Report(sFile, "cannot open");
    bool bOpaque = Art_Is_Opaque(image);
    int nChannels = bOpaque ? 3 : 4;
    std::vector<uint8_t> aStraight(static_cast<size_t>(image.nWidth) * image.nHeight * nChannels);
    for (size_t i = 0; i < static_cast<size_t>(image.nWidth) * image.nHeight; i++) {
        uint8_t aPixel[4];
        Art_Straight_Pixel(&image.aPixels[i * 4], aPixel);
        memcpy(&aStraight[i * nChannels], aPixel, nChannels);
    }
    PNG_PICTURE picture = {aStraight.data(), image.nWidth, image.nHeight,
                           static_cast<ptrdiff_t>(image.nWidth) * nChannels,
                           bOpaque ? PNG_PIXELS_RGB : PNG_PIXELS_RGBA, false};
    switch (Png_Write_File(pFile, picture)) {
    case PNG_WRITTEN: break;
    case PNG_WRITE_NO_WRITER:
    case PNG_WRITE_NO_INFO:
        fclose(pFile);
        return Art_Report(sFile, "no PNG writer");
    case PNG_WRITE_FAILED:
        fclose(pFile);
        return Art_Report(sFile, "PNG error");
    }
    return fclose(pFile) == 0 || Art_Report(sFile, "cannot close");
}

struct ART_JPEG_ERROR {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

void Art_Jpeg_Error_Exit(j_common_ptr pInfo) {
    longjmp(reinterpret_cast<ART_JPEG_ERROR*>(pInfo->err)->jump, 1);
}

// A JPEG has no transparency: the picture is laid on black, as it was painted.
bool Art_Write_Jpeg(const std::string& sFile, const ART_IMAGE& image) {
    FILE* pFile = fopen(sFile.c_str(), "wb");
    if (!pFile)
        return Art_Report(sFile, "cannot open");
    jpeg_compress_struct info;
    ART_JPEG_ERROR error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = Art_Jpeg_Error_Exit;
    std::vector<uint8_t> aRow(static_cast<size_t>(image.nWidth) * 3);
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        fclose(pFile);
        return Art_Report(sFile, "JPEG error");
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, pFile);
    info.image_width = static_cast<JDIMENSION>(image.nWidth);
    info.image_height = static_cast<JDIMENSION>(image.nHeight);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kArtJpegQuality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const uint8_t* pSource =
            &image.aPixels[static_cast<size_t>(info.next_scanline) * image.nWidth * 4];
        for (int x = 0; x < image.nWidth; x++)
            for (int c = 0; c < 3; c++)
                aRow[static_cast<size_t>(x) * 3 + c] = pSource[x * 4 + c];
        JSAMPROW pRow = aRow.data();
        jpeg_write_scanlines(&info, &pRow, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return fclose(pFile) == 0 || Art_Report(sFile, "cannot close");
}

void Art_Put16(std::vector<uint8_t>* pOut, unsigned n) {
    pOut->push_back(static_cast<uint8_t>(n & 0xFF));
    pOut->push_back(static_cast<uint8_t>((n >> 8) & 0xFF));
}

void Art_Put32(std::vector<uint8_t>* pOut, uint32_t n) {
    Art_Put16(pOut, n & 0xFFFF);
    Art_Put16(pOut, n >> 16);
}

// One image of a cursor or icon file: its info header, the BGRA rows and the one-bit mask, both
// bottom-up; the header's height counts both.
std::vector<uint8_t> Art_Icon_Image(const ART_IMAGE& image) {
    std::vector<uint8_t> aOut;
    size_t nMaskStride = ((static_cast<size_t>(image.nWidth) + 31) / 32) * 4;
    Art_Put32(&aOut, 40);
    Art_Put32(&aOut, static_cast<uint32_t>(image.nWidth));
    Art_Put32(&aOut, static_cast<uint32_t>(image.nHeight * 2));
    Art_Put16(&aOut, 1);
    Art_Put16(&aOut, 32);
    Art_Put32(&aOut, 0);
    Art_Put32(&aOut, static_cast<uint32_t>(image.nWidth * image.nHeight * 4 +
                                           nMaskStride * image.nHeight));
    for (int i = 0; i < 4; i++)
        Art_Put32(&aOut, 0);
    for (int y = image.nHeight - 1; y >= 0; y--) {
        for (int x = 0; x < image.nWidth; x++) {
            uint8_t aPixel[4];
            Art_Straight_Pixel(&image.aPixels[(static_cast<size_t>(y) * image.nWidth + x) * 4],
                               aPixel);
            aOut.push_back(aPixel[2]);
            aOut.push_back(aPixel[1]);
            aOut.push_back(aPixel[0]);
            aOut.push_back(aPixel[3]);
        }
    }
    for (int y = image.nHeight - 1; y >= 0; y--) {
        std::vector<uint8_t> aMask(nMaskStride, 0);
        for (int x = 0; x < image.nWidth; x++)
            if (image.aPixels[(static_cast<size_t>(y) * image.nWidth + x) * 4 + 3] < 128)
                aMask[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        aOut.insert(aOut.end(), aMask.begin(), aMask.end());
    }
    return aOut;
}

bool Art_Write_Icon_File(const std::string& sFile, const std::vector<ART_IMAGE>& aImages,
                         bool bCursor) {
    std::vector<uint8_t> aOut;
    Art_Put16(&aOut, 0);
    Art_Put16(&aOut, bCursor ? 2 : 1);
    Art_Put16(&aOut, static_cast<unsigned>(aImages.size()));
    std::vector<std::vector<uint8_t>> aData;
    size_t nOffset = 6 + 16 * aImages.size();
    for (const ART_IMAGE& image : aImages) {
        aData.push_back(Art_Icon_Image(image));
        aOut.push_back(static_cast<uint8_t>(image.nWidth >= 256 ? 0 : image.nWidth));
        aOut.push_back(static_cast<uint8_t>(image.nHeight >= 256 ? 0 : image.nHeight));
        aOut.push_back(0);
        aOut.push_back(0);
        Art_Put16(&aOut, bCursor ? static_cast<unsigned>(image.nHotX) : 1);
        Art_Put16(&aOut, bCursor ? static_cast<unsigned>(image.nHotY) : 32);
        Art_Put32(&aOut, static_cast<uint32_t>(aData.back().size()));
        Art_Put32(&aOut, static_cast<uint32_t>(nOffset));
        nOffset += aData.back().size();
    }
    for (const std::vector<uint8_t>& aImage : aData)
        aOut.insert(aOut.end(), aImage.begin(), aImage.end());
    FILE* pFile = fopen(sFile.c_str(), "wb");
    if (!pFile)
        return Art_Report(sFile, "cannot open");
    bool bWritten = fwrite(aOut.data(), 1, aOut.size(), pFile) == aOut.size();
    return (fclose(pFile) == 0 && bWritten) || Art_Report(sFile, "short write");
}

}  // namespace

bool Art_Make_Folders(const std::string& sFile) {
    std::filesystem::path folder = std::filesystem::path(sFile).parent_path();
    if (folder.empty())
        return true;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return !error || Art_Report(sFile, "cannot make its folder");
}

bool Art_Write_Picture(const std::string& sFile, const std::vector<ART_IMAGE>& aImages) {
    if (aImages.empty())
        return Art_Report(sFile, "nothing drawn");
    if (!Art_Make_Folders(sFile))
        return false;
    if (Art_Has_Extension(sFile, ".png"))
        return Art_Write_Png(sFile, aImages[0]);
    if (Art_Has_Extension(sFile, ".jpg"))
        return Art_Write_Jpeg(sFile, aImages[0]);
    if (Art_Has_Extension(sFile, ".cur"))
        return Art_Write_Icon_File(sFile, aImages, true);
    if (Art_Has_Extension(sFile, ".ico"))
        return Art_Write_Icon_File(sFile, aImages, false);
    return Art_Report(sFile, "unknown picture format");
}

bool Art_Write_Wav(const std::string& sFile, const std::vector<int16_t>& aSamples, int nRate) {
    if (!Art_Make_Folders(sFile))
        return false;
    uint32_t nData = static_cast<uint32_t>(aSamples.size() * 2);
    std::vector<uint8_t> aOut;
    const char* szTags[] = {"RIFF", "WAVE", "fmt ", "data"};
    aOut.insert(aOut.end(), szTags[0], szTags[0] + 4);
    Art_Put32(&aOut, 36 + nData);
    aOut.insert(aOut.end(), szTags[1], szTags[1] + 4);
    aOut.insert(aOut.end(), szTags[2], szTags[2] + 4);
    Art_Put32(&aOut, 16);
    Art_Put16(&aOut, 1);  // PCM
    Art_Put16(&aOut, 1);  // mono
    Art_Put32(&aOut, static_cast<uint32_t>(nRate));
    Art_Put32(&aOut, static_cast<uint32_t>(nRate * 2));
    Art_Put16(&aOut, 2);
    Art_Put16(&aOut, 16);
    aOut.insert(aOut.end(), szTags[3], szTags[3] + 4);
    Art_Put32(&aOut, nData);
    for (int16_t nSample : aSamples)
        Art_Put16(&aOut, static_cast<uint16_t>(nSample));
    FILE* pFile = fopen(sFile.c_str(), "wb");
    if (!pFile)
        return Art_Report(sFile, "cannot open");
    bool bWritten = fwrite(aOut.data(), 1, aOut.size(), pFile) == aOut.size();
    return (fclose(pFile) == 0 && bWritten) || Art_Report(sFile, "short write");
}
