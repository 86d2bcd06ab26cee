#include "common/text_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "windows.h"

void Write_Text_File(const std::string& stPath, const std::string& stText) {
    std::ofstream file(stPath, std::ios::binary);
    ASSERT_TRUE(file) << stPath;
    file << stText;
    ASSERT_TRUE(file.flush()) << stPath;
}

std::string Read_Text_File(const std::string& stPath) {
    char szPath[512];
    Platform_Resolve_Path(stPath.c_str(), szPath, sizeof(szPath));
    std::ifstream file(szPath, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
