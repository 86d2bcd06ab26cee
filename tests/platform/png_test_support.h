// A picture written by the platform's PNG writer, as the bytes of the file.
#pragma once

#include "platform/png_file.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <vector>

inline std::vector<uint8_t> Png_Test_Bytes(const PNG_PICTURE& picture) {
    FILE* pFile = tmpfile();
    EXPECT_EQ(Png_Write_File(pFile, picture), PNG_WRITTEN);
    std::vector<uint8_t> a(static_cast<size_t>(ftell(pFile)));
    rewind(pFile);
    EXPECT_EQ(fread(a.data(), 1, a.size(), pFile), a.size());
    fclose(pFile);
    return a;
}
