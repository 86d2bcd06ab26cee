// The path resolver: backslashes, components matched without regard to case, new files written
// into differently-cased folders, and the file operations built on it.
#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace {

class PathResolverTest : public ::testing::Test {
protected:
    std::string stRoot;

    void SetUp() override {
        char szTemplate[] = "/tmp/vanto_paths_XXXXXX";
        ASSERT_NE(mkdtemp(szTemplate), nullptr);
        stRoot = szTemplate;
        ASSERT_EQ(mkdir((stRoot + "/Databases").c_str(), 0755), 0);
        ASSERT_EQ(mkdir((stRoot + "/Databases/Saved Games").c_str(), 0755), 0);
        Write(stRoot + "/Databases/Universe-2019.dat", "league");
    }

    void TearDown() override {
        std::string stCommand = "rm -rf '" + stRoot + "'";
        ASSERT_EQ(system(stCommand.c_str()), 0);
    }

    static void Write(const std::string& stPath, const char* szText) {
        FILE* pFile = fopen(stPath.c_str(), "w");
        ASSERT_NE(pFile, nullptr) << stPath;
        fputs(szText, pFile);
        fclose(pFile);
    }

    static std::string Read(const char* szPath) {
        FILE* pFile = Platform_Open_File(szPath, "r");
        if (!pFile)
            return "<none>";
        char szBuffer[64] = "";
        size_t n = fread(szBuffer, 1, sizeof(szBuffer) - 1, pFile);
        fclose(pFile);
        return std::string(szBuffer, n);
    }

    std::string Resolve(const std::string& stPath, int* pExists = nullptr) {
        char szOut[512];
        int nExists = Platform_Resolve_Path(stPath.c_str(), szOut, sizeof(szOut));
        if (pExists)
            *pExists = nExists;
        return szOut;
    }
};

TEST_F(PathResolverTest, ResolvesBackslashesAndLetterCase) {
    struct PATH_CASE {
        const char* szGiven;
        const char* szResolved;
        int nExists;
    };
    const PATH_CASE kCases[] = {
        {"/Databases/Universe-2019.dat", "/Databases/Universe-2019.dat", 1},
        {"/databases/universe-2019.dat", "/Databases/Universe-2019.dat", 1},
        {"\\DATABASES\\saved games", "/Databases/Saved Games", 1},
        {"/databases//./Universe-2019.DAT", "/Databases//./Universe-2019.dat", 1},
        {"/databases/new.dat", "/Databases/new.dat", 0},
        {"/nofolder/Universe-2019.dat", "/nofolder/Universe-2019.dat", 0},
    };
    for (const PATH_CASE& c : kCases) {
        int nExists = -1;
        EXPECT_EQ(Resolve(stRoot + c.szGiven, &nExists), stRoot + c.szResolved) << c.szGiven;
        EXPECT_EQ(nExists, c.nExists) << c.szGiven;
    }
}

TEST_F(PathResolverTest, RelativePathsResolveFromTheWorkingFolder) {
    char szOld[1024];
    ASSERT_NE(getcwd(szOld, sizeof(szOld)), nullptr);
    ASSERT_EQ(chdir(stRoot.c_str()), 0);
    int nExists = 0;
    std::string stResolved = Resolve("databases\\UNIVERSE-2019.dat", &nExists);
    ASSERT_EQ(chdir(szOld), 0);
    EXPECT_EQ(stResolved, "Databases/Universe-2019.dat");
    EXPECT_EQ(nExists, 1);
}

TEST_F(PathResolverTest, OpensExistingFilesWhateverTheCase) {
    EXPECT_EQ(Read((stRoot + "\\DATABASES\\universe-2019.DAT").c_str()), "league");
    EXPECT_EQ(Read((stRoot + "/databases/missing.dat").c_str()), "<none>");
}

TEST_F(PathResolverTest, NewFileGoesIntoTheExistingFolderWithItsNameAsGiven) {
    FILE* pFile = Platform_Open_File((stRoot + "/DATABASES/saved games/Game-1.SAV").c_str(), "w");
    ASSERT_NE(pFile, nullptr);
    fputs("saved", pFile);
    fclose(pFile);
    struct stat st;
    EXPECT_EQ(stat((stRoot + "/Databases/Saved Games/Game-1.SAV").c_str(), &st), 0);
    EXPECT_NE(stat((stRoot + "/DATABASES").c_str(), &st), 0);  // no second folder appeared
    EXPECT_EQ(Read((stRoot + "/databases/saved games/game-1.sav").c_str()), "saved");
}

// Writes find an existing file of another case whether the layer created it (the folder's kept
// listing takes it in) or something else did after the listing was read.
TEST_F(PathResolverTest, WritesFindFilesCreatedBeforeWhateverTheCase) {
    std::string stFolder = stRoot + "/Databases/";
    auto Append = [&](const char* szName, const char* szText) {
        FILE* pFile = Platform_Open_File((stFolder + szName).c_str(), "a");
        ASSERT_NE(pFile, nullptr) << szName;
        fputs(szText, pFile);
        fclose(pFile);
    };
    Append("New.txt", "a");
    Append("NEW.TXT", "b");  // the layer's own create, through the listing
    usleep(30000);           // past the folder's change-time granularity
    Write(stFolder + "Made-Outside.txt", "c");
    Append("made-outside.TXT", "d");
    EXPECT_EQ(Read((stFolder + "new.txt").c_str()), "ab");
    EXPECT_EQ(Read((stFolder + "made-outside.txt").c_str()), "cd");
    struct stat st;
    EXPECT_NE(stat((stFolder + "NEW.TXT").c_str(), &st), 0);
    EXPECT_NE(stat((stFolder + "made-outside.TXT").c_str(), &st), 0);
}

TEST_F(PathResolverTest, RenameReplacesRemoveDeletesMakeDirectoryCreatesOnce) {
    Write(stRoot + "/Databases/new.tmp", "fresh");
    EXPECT_EQ(Platform_Rename_File((stRoot + "/databases/NEW.tmp").c_str(),
                                   (stRoot + "/databases/universe-2019.DAT").c_str()),
              1);
    EXPECT_EQ(Read((stRoot + "/Databases/Universe-2019.dat").c_str()), "fresh");
    EXPECT_EQ(Platform_Rename_File((stRoot + "/databases/gone.tmp").c_str(),
                                   (stRoot + "/databases/x.dat").c_str()),
              0);

    EXPECT_EQ(Platform_Remove_File((stRoot + "/DATABASES/universe-2019.dat").c_str()), 1);
    EXPECT_EQ(Platform_Remove_File((stRoot + "/DATABASES/universe-2019.dat").c_str()), 0);

    EXPECT_EQ(Platform_Make_Directory((stRoot + "/databases/Output").c_str()), 1);
    EXPECT_EQ(Platform_Make_Directory((stRoot + "/DATABASES/OUTPUT").c_str()),
              1);  // exists already
    struct stat st;
    EXPECT_EQ(stat((stRoot + "/Databases/Output").c_str(), &st), 0);
    EXPECT_NE(stat((stRoot + "/Databases/OUTPUT").c_str(), &st), 0);
    // A file in the way is not a folder.
    Write(stRoot + "/Databases/plain", "");
    EXPECT_EQ(Platform_Make_Directory((stRoot + "/databases/PLAIN").c_str()), 0);
}

TEST_F(PathResolverTest, PathThatDoesNotFitGivesNothing) {
    char szOut[16];
    EXPECT_EQ(Platform_Resolve_Path((stRoot + "/Databases/Universe-2019.dat").c_str(), szOut,
                                    sizeof(szOut)),
              0);
    EXPECT_STREQ(szOut, "");
    EXPECT_EQ(Platform_Open_File(nullptr, "r"), nullptr);
}

}  // namespace
