// Each test case runs in a fresh folder of its own below the program's working folder, named
// after the case, so that cases run side by side never read or overwrite each other's files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

class CASE_FOLDER : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo& info) override {
        std::error_code error;
        m_home = std::filesystem::current_path(error);
        std::string stName = std::string(info.test_suite_name()) + "." + info.name();
        for (char& ch : stName) {
            if (ch == '/')
                ch = '_';
        }
        std::filesystem::path folder = m_home / "cases" / stName;
        std::filesystem::remove_all(folder, error);
        std::filesystem::create_directories(folder, error);
        std::filesystem::current_path(folder, error);
    }

    void OnTestEnd(const ::testing::TestInfo&) override {
        std::error_code error;
        std::filesystem::current_path(m_home, error);
    }

private:
    std::filesystem::path m_home;
};

const bool gCaseFolderListening = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new CASE_FOLDER);
    return true;
}();

}  // namespace
