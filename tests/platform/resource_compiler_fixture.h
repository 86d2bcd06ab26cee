// Runs the resource compiler on small scripts written into a scratch folder: what it generates
// and what it prints.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace resource_compiler_fixture {

// vanto_rc is built beside the test programs.
inline std::string Compiler_Path() {
    char szExe[4096];
    ssize_t n = readlink("/proc/self/exe", szExe, sizeof(szExe) - 1);
    if (n <= 0)
        return "vanto_rc";
    std::string stExe(szExe, static_cast<size_t>(n));
    return stExe.substr(0, stExe.find_last_of('/') + 1) + "vanto_rc";
}

inline std::string Read_All(const std::string& stPath) {
    std::ifstream in(stPath, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class ResourceCompilerTest : public ::testing::Test {
protected:
    std::string stDir;
    std::string stOutput;  // the generated source
    std::string stErrors;  // what the compiler printed

    void SetUp() override {
        char szTemplate[] = "/tmp/vanto_rc_XXXXXX";
        ASSERT_NE(mkdtemp(szTemplate), nullptr);
        stDir = szTemplate;
    }
    void TearDown() override {
        std::string stCommand = "rm -rf '" + stDir + "'";
        ASSERT_EQ(system(stCommand.c_str()), 0);
    }

    void Write(const std::string& stName, const std::string& stText) {
        std::ofstream out(stDir + "/" + stName, std::ios::binary);
        out << stText;
    }

    // Compiles test.rc; returns the exit code.
    int Compile(const std::string& stScript) {
        Write("test.rc", stScript);
        std::string stCommand = "'" + Compiler_Path() + "' '" + stDir + "/test.rc' '" + stDir +
                                "/out.cpp' 2>'" + stDir + "/errors.txt'";
        int nStatus = system(stCommand.c_str());
        stOutput = Read_All(stDir + "/out.cpp");
        stErrors = Read_All(stDir + "/errors.txt");
        return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    }
};

}  // namespace resource_compiler_fixture

using resource_compiler_fixture::ResourceCompilerTest;
