// A test that makes the game wait for the person at the screen fails: headless, nobody answers,
// and a computer game must never wait. Tests that check a wait allow it first.
#include "user_waits.h"

#include <gtest/gtest.h>

#include "platform/test_api.h"

namespace {

bool gWaitsAllowed = false;

class USER_WAIT_GUARD : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override {
        gWaitsAllowed = false;
        Test_Set_User_Wait_Guard([](const std::string& stWhat) {
            if (!gWaitsAllowed)
                ADD_FAILURE() << "the game waited for the user: " << stWhat;
        });
    }
};

const bool gUserWaitGuarded = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new USER_WAIT_GUARD);
    return true;
}();

}  // namespace

void Allow_User_Waits() {
    gWaitsAllowed = true;
}
