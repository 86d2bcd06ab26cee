// The crash dump: a child process that crashes leaves its dump in the installation folder, with
// the version, the fault, the recent errors and a backtrace, and still dies of its signal.
#include "startup_test_fixture.h"

#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace {

std::vector<std::string> Startup_Dump_Files() {
    std::vector<std::string> astNames;
    DIR* pFolder = opendir(".");
    if (!pFolder)
        return astNames;
    while (struct dirent* pEntry = readdir(pFolder)) {
        std::string stName = pEntry->d_name;
        if (stName.rfind("Crash-Football-Vanto-1904-", 0) == 0)
            astNames.push_back(stName);
    }
    closedir(pFolder);
    return astNames;
}

#define STARTUP_FAULT_ADDRESS 0x10

// Runs the crash in a child: the signal raised, or with bFault a write to a bad address; the
// signal it died of, or -1.
int Startup_Crash_Child(int nSignal, bool bFault) {
    pid_t nChild = fork();
    if (nChild == 0) {
        struct rlimit noCore = {0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        Install_Crash_Handler();
        Report_Error("Invalid nTeam in Get_Team_Stat(%d)", 77);
        volatile uintptr_t nAddress = STARTUP_FAULT_ADDRESS;
        if (bFault)
            *reinterpret_cast<volatile int*>(nAddress) = 1;
        else
            raise(nSignal);
        _exit(0);
    }
    int nStatus = 0;
    if (nChild < 0 || waitpid(nChild, &nStatus, 0) != nChild || !WIFSIGNALED(nStatus))
        return -1;
    return WTERMSIG(nStatus);
}

TEST_F(StartupTest, CrashLeavesATextDumpAndTheSignalGoesOn) {
    struct {
        int nSignal;
        bool bFault;
        const char* szFault;
    } kCrashes[] = {
        {SIGSEGV, false, "Signal: 11 (SIGSEGV)\n"},
        {SIGABRT, false, "Signal: 6 (SIGABRT)\n"},
        {SIGSEGV, true, "Signal: 11 (SIGSEGV) at address 0x10\n"},
    };
    for (const auto& crash : kCrashes) {
        SCOPED_TRACE(crash.szFault);
        remove("debug.txt");
        for (const std::string& stOld : Startup_Dump_Files())
            remove(stOld.c_str());

        EXPECT_EQ(Startup_Crash_Child(crash.nSignal, crash.bFault), crash.nSignal);

        std::vector<std::string> astDumps = Startup_Dump_Files();
        ASSERT_EQ(astDumps.size(), 1u);
        const std::string& stName = astDumps[0];
        EXPECT_EQ(stName.size(), strlen("Crash-Football-Vanto-1904-123.dmp"));
        EXPECT_EQ(stName.substr(stName.size() - 4), ".dmp");

        std::string stDump = Read_Text_File(stName);
        EXPECT_EQ(stDump.rfind("UserStream: Football Vanto 22 1904 \"    \" CD [", 0), 0u);
        EXPECT_TRUE(Contains(stDump, crash.szFault));
        EXPECT_TRUE(Contains(stDump, "\nRecent errors:\n"));
        EXPECT_TRUE(Contains(stDump, " ERROR: Invalid nTeam in Get_Team_Stat(77)\n"));
        size_t nBacktrace = stDump.find("\nBacktrace:\n");
        ASSERT_NE(nBacktrace, std::string::npos);
        EXPECT_GT(stDump.size(), nBacktrace + strlen("\nBacktrace:\n") + 10);

        std::string stLog = Read_Text_File("debug.txt");
        EXPECT_TRUE(
            Contains(stLog, " Crash detected!  Attempting to write emergency debug file.\n"));
        EXPECT_TRUE(Contains(stLog, " ERROR: Wrote dump file \""));
        EXPECT_TRUE(Contains(stLog, stName + "\"\n"));
    }
}

}  // namespace
