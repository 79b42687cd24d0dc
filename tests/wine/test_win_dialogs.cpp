// The save dialog, answered by a timer from inside its own modal loop.
#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <string>

#include "wine/dialog_answer.h"
#include "win/Application.h"
#include "win/Dialogs.h"
#include "win/Form.h"
#include "win/Text.h"

namespace {

std::optional<std::string> RunSaveDialog(win::Form& owner, const std::string& proposed,
                                         int button) {
    dialog_answer::AnswerNext([button](HWND dialog) { dialog_answer::Press(dialog, button); });
    return win::SaveFileDialog({.owner = &owner,
                                .title = "Resultaten opslaan",
                                .filter = "TXT | *.TXT",
                                .defaultExt = ".TXT",
                                .fileName = proposed});
}

class SaveDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(win::Application::Initialize("Valomat test"));
        ASSERT_TRUE(owner.Create({.caption = "owner"}));
        owner.Show();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = win::Narrow(temp);
    }
    win::Form owner;
    std::string folder;
};

TEST_F(SaveDialog, CancelGivesNothing) {
    EXPECT_FALSE(RunSaveDialog(owner, folder + "resultaten", IDCANCEL).has_value());
}

TEST_F(SaveDialog, OkGivesThePathWithTheDefaultExtension) {
    const auto path = RunSaveDialog(owner, folder + "résultats", IDOK);
    ASSERT_TRUE(path.has_value());
    // File names do not differ by case; Wine writes the filter's extension in lower case.
    std::string lower = *path;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(path->substr(0, folder.size()), folder);
    EXPECT_EQ(lower.substr(folder.size()), "résultats.txt");
}

}  // namespace
