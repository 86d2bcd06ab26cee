// The test programs play the game as the program does: each test starts with the shell's table of
// host services installed, as start-up installs it. A test of the quiet defaults puts them back
// itself.
#include <gtest/gtest.h>

#include "shell/shell.h"

namespace {

class SHELL_HOST_INSTALLER : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override { Install_Shell_Host_Services(); }
};

const bool gShellHostInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new SHELL_HOST_INSTALLER);
    return true;
}();

}  // namespace
