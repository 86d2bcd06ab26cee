// The test programs play the game as the program does: each test starts with the shell's table of
// host services installed, as start-up installs it. A test of the quiet defaults puts them back
// itself. Tests reset the platform, which frees every drawing object: each test starts with the
// shell holding no font handle of an earlier test, since a freed handle's value is taken by the
// next object made (a dialog's template font that the shell would then delete as its own).
#include <gtest/gtest.h>

#include "shell/shell.h"

namespace {

class SHELL_HOST_INSTALLER : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override {
        Install_Shell_Host_Services();
        Forget_App_Fonts();
    }
};

const bool gShellHostInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new SHELL_HOST_INSTALLER);
    return true;
}();

}  // namespace
