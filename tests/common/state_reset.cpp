// Every case starts from the state a fresh process gives it: the headless layer reset, the shell's
// handles into it forgotten, the generator back to never seeded. A test program run whole, in any
// order and more than once, then gives each case what its own process under ctest gives it.
#include <gtest/gtest.h>

#include "core/core.h"
#include "database/database.h"
#include "pages/pages.h"
#include "platform/test_api.h"
#include "shell/shell.h"

namespace {

class STATE_RESET : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override {
        Test_Reset_Platform();
        Forget_App_Fonts();
        // The windows and the back buffer went with the reset; no game is being played.
        gMainWindow = NULL;
        gMainWindowDC = NULL;
        gButtonBar = gNewsBar = NULL;
        gLiveGame = NULL;
        gAutoPlayNoticeShown = 0;  // once a run
        Reset_Random();
    }
};

const bool gStateResetListening = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new STATE_RESET);
    return true;
}();

}  // namespace
