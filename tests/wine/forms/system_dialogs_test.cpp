// The system's own dialogs as the forms run them: message boxes and the common file dialogs,
// answered by a timer of the form that works the dialog as a user would.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "forms/application.h"
#include "forms/file_dialog.h"
#include "forms/timer.h"
#include "forms/win32/wide_text.h"
#include "forms/win32/win32_backend.h"

namespace forms {
namespace {

// The file name field of the common dialog: an edit box, or the edit inside a combo box.
constexpr int FileNameCombo = 0x47C;
constexpr int FileNameEdit = 0x480;

class SystemDialogsTest : public ::testing::Test {
  protected:
    // Each tick looks for a visible dialog window of the thread and, once found, works it. A
    // dialog still open ten seconds later is cancelled, and the test fails rather than hangs.
    void whenDialogOpens(std::function<void(HWND)> work) {
        Timer& timer = form.add<Timer>("answer" + std::to_string(++answers),
                                       {.interval = 50, .enabled = true});
        timer.onTimer = [this, &timer, work = std::move(work), worked = ULONGLONG{0}]() mutable {
            HWND dialog = FindWindowW(L"#32770", nullptr);
            const bool open = dialog != nullptr && IsWindowVisible(dialog);
            if (worked == 0 && open) {
                worked = GetTickCount64();
                work(dialog);
            } else if (worked != 0 && !open) {
                timer.disable();
            } else if (worked != 0 && GetTickCount64() - worked > 10000) {
                ADD_FAILURE() << "the dialog did not take the answer";
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                timer.disable();
            }
        };
    }

    win32::Win32Backend backend{GetModuleHandleW(nullptr)};
    Application app{backend};
    Form& form = app.createForm<Form>([] {
        FormDesign d;
        d.className = "TForm2Macro";
        d.name = "Form2Macro";
        d.clientWidth = 200;
        d.clientHeight = 100;
        return d;
    }());
    int answers = 0;
};

TEST_F(SystemDialogsTest, AMessageBoxReturnsTheButtonPressed) {
    app.setTitle(u"Stormline");
    form.show();
    whenDialogOpens(
        [](HWND box) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0); });
    EXPECT_EQ(app.messageBox(u"Sure?", u"Stormline", MessageBoxButtons::YesNo),
              MessageBoxAnswer::No);
    whenDialogOpens(
        [](HWND box) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
    EXPECT_EQ(app.messageBox(u"the \"make\" is too much.", u""), MessageBoxAnswer::Ok);
}

TEST_F(SystemDialogsTest, TheOpenDialogReturnsTheChosenFileAndNothingWhenCancelled) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path folder = std::filesystem::path(temp) / "forms-open-dialog";
    std::filesystem::create_directories(folder);
    const std::filesystem::path program = folder / "game.exe";
    std::ofstream(program) << "MZ";

    OpenDialog& open = form.add<OpenDialog>("TntOpenDialog1", {.defaultExt = u"KS1"});
    open.filter = u"EXE files (*.exe)|*.EXE|ALL files (*.*)|*.*";
    open.initialDir = win32::utf16(folder.wstring());
    form.show();
    whenDialogOpens([&](HWND dialog) {
        const std::wstring name = program.wstring();
        SetDlgItemTextW(dialog, FileNameCombo, name.c_str());
        SetDlgItemTextW(dialog, FileNameEdit, name.c_str());
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_TRUE(open.execute());
    EXPECT_TRUE(
        std::filesystem::equivalent(std::filesystem::path(win32::wide(open.fileName)), program))
        << std::string(open.fileName.begin(), open.fileName.end());

    whenDialogOpens(
        [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
    const std::u16string before = open.fileName;
    EXPECT_FALSE(open.execute());
    EXPECT_EQ(open.fileName, before);
    std::filesystem::remove_all(folder);
}

TEST_F(SystemDialogsTest, TheSaveDialogAddsTheDefaultExtension) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path folder = std::filesystem::path(temp) / "forms-save-dialog";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);

    SaveDialog& save = form.add<SaveDialog>(
        "TntSaveDialog1", {.filter = u"Ks Halberd Configuration (*.KS1)|*.KS1",
                           .defaultExt = u"KS1",
                           .options = {.overwritePrompt = true, .hideReadOnly = true}});
    save.initialDir = win32::utf16(folder.wstring());
    form.show();
    whenDialogOpens([&](HWND dialog) {
        const std::wstring name = (folder / "profile2").wstring();
        SetDlgItemTextW(dialog, FileNameCombo, name.c_str());
        SetDlgItemTextW(dialog, FileNameEdit, name.c_str());
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    ASSERT_TRUE(save.execute());
    // File names compare without regard to case (Wine writes the extension in lower case).
    const std::filesystem::path chosen(win32::wide(save.fileName));
    EXPECT_EQ(_wcsicmp(chosen.filename().c_str(), L"profile2.KS1"), 0) << chosen.string();
    EXPECT_TRUE(std::filesystem::equivalent(chosen.parent_path(), folder));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace forms
