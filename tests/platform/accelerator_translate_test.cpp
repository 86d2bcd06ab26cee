// TranslateAcceleratorA with the test accelerator table: keys with exactly their modifiers and
// plain characters become WM_COMMAND with HIWORD 1; anything else passes.
#include "menu_window_fixture.h"

namespace accelerator_translate_test {

class AcceleratorTest : public MenuWindowTest {
protected:
    HACCEL hAccel = nullptr;
    void SetUp() override {
        MenuWindowTest::SetUp();
        hAccel = LoadAcceleratorsA(nullptr, MAKEINTRESOURCEA(IDR_TEST_ACCELERATORS));
        ASSERT_NE(hAccel, nullptr);
    }
    int Translate(UINT uMsg, WPARAM wParam, LPARAM lParam = 0) {
        MSG msg = {hWnd, uMsg, wParam, lParam, 0, {0, 0}};
        return TranslateAcceleratorA(hWnd, hAccel, &msg);
    }
    // Presses the modifiers, the key, and lets them go again; what TranslateAcceleratorA said to
    // the key.
    int Chord(std::vector<WPARAM> aModifiers, WPARAM wKey) {
        UINT uDown = WM_KEYDOWN;
        for (WPARAM w : aModifiers) {
            uDown = w == VK_MENU ? WM_SYSKEYDOWN : uDown;
            Test_Hold_Key(static_cast<UINT>(w), true);
            Translate(uDown, w);
        }
        int nTaken = Translate(uDown, wKey);
        for (WPARAM w : aModifiers) {
            Test_Hold_Key(static_cast<UINT>(w), false);
            Translate(uDown == WM_SYSKEYDOWN ? WM_SYSKEYUP : WM_KEYUP, w);
        }
        return nTaken;
    }
};

TEST_F(AcceleratorTest, KeysWithTheirModifiersBecomeCommands) {
    struct CHORD_CASE {
        std::vector<WPARAM> aModifiers;
        WPARAM wKey;
        int nCommand;  // 0: the key passes
    };
    const CHORD_CASE kCases[] = {
        {{VK_CONTROL}, 'O', ID_TEST_OPEN},
        {{}, 'O', 0},
        {{VK_SHIFT, VK_CONTROL}, 'O', 0},  // more modifiers than the entry has
        {{VK_MENU, VK_CONTROL}, 'O', 0},
        {{}, VK_F5, ID_TEST_REFRESH},
        {{VK_CONTROL}, VK_F5, 0},
        {{}, VK_OEM_2, ID_TEST_FIND},
        {{VK_SHIFT, VK_CONTROL}, 'Z', ID_TEST_REDO},
        {{VK_CONTROL}, 'Z', 0},
        {{VK_SHIFT}, 'Z', 0},
        {{}, 'P', 0},  // "p" is a character entry, not a key
    };
    for (const CHORD_CASE& c : kCases) {
        Received().clear();
        EXPECT_EQ(Chord(c.aModifiers, c.wKey), c.nCommand ? 1 : 0) << c.wKey;
        std::vector<WPARAM> aExpected;
        if (c.nCommand)
            aExpected.push_back(MAKEWPARAM(c.nCommand, 1));
        EXPECT_EQ(Commands(), aExpected) << c.wKey;
    }
}

TEST_F(AcceleratorTest, CharacterEntriesMatchTheCharacterMessage) {
    EXPECT_EQ(Translate(WM_CHAR, 'p'), 1);
    EXPECT_EQ(Translate(WM_CHAR, 3), 1);  // Ctrl+C as a character
    EXPECT_EQ(Translate(WM_CHAR, 'P'), 0) << "characters match exactly";
    EXPECT_EQ(Translate(WM_SYSCHAR, 'p'), 0) << "Alt+p is not p";
    EXPECT_EQ(Translate(WM_KEYDOWN, 3), 0);
    EXPECT_EQ(Commands(),
              (std::vector<WPARAM>{MAKEWPARAM(ID_TEST_PLAIN_KEY, 1), MAKEWPARAM(ID_TEST_COPY, 1)}));
}

TEST_F(AcceleratorTest, AltComesFromTheSystemKeyMessage) {
    ACCEL aEntries[] = {{FVIRTKEY | FALT, VK_RETURN, 77}, {FALT, 'x', 78}};
    HACCEL hOwn = CreateAcceleratorTableA(aEntries, 2);
    ASSERT_NE(hOwn, nullptr);
    MSG msg = {hWnd, WM_SYSKEYDOWN, VK_RETURN, 1 << 29, 0, {0, 0}};
    EXPECT_EQ(TranslateAcceleratorA(hWnd, hOwn, &msg), 1);
    msg = {hWnd, WM_SYSCHAR, 'x', 1 << 29, 0, {0, 0}};
    EXPECT_EQ(TranslateAcceleratorA(hWnd, hOwn, &msg), 1);
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(77, 1), MAKEWPARAM(78, 1)}));
    EXPECT_TRUE(DestroyAcceleratorTable(hOwn));
    EXPECT_FALSE(DestroyAcceleratorTable(hOwn));
    EXPECT_EQ(TranslateAcceleratorA(hWnd, hOwn, &msg), 0);
}

TEST_F(AcceleratorTest, ADisabledMenuItemDoesNotBlockItsAccelerator) {
    EnableMenuItem(hBar, ID_TEST_FIND, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_EQ(Chord({}, VK_OEM_2), 1);
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(ID_TEST_FIND, 1)}));
}

}  // namespace accelerator_translate_test
