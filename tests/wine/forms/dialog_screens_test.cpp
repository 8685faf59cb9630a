// The three dialogs as real windows with the installation's artwork: their classes, captions
// and places, and a screenshot of each, taken from the display Wine draws on.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "forms/application.h"
#include "forms/timer.h"
#include "forms/win32/font_cache.h"
#include "forms/win32/gdi_canvas.h"
#include "forms/win32/handles.h"
#include "forms/win32/win32_backend.h"
#include "stormline/mainwindow/form3_warning1.h"
#include "stormline/mainwindow/form5_warning2.h"
#include "stormline/mainwindow/form6_loading.h"
#include "stormline/mainwindow/show_form_by_name.h"
#include "wine_wait.h"

namespace stormline {
namespace {

using forms::testing::pumpUntil;

// The dialogs' texts in English, as a language file of the installation would give them.
class EnglishTexts : public LanguageTexts {
  public:
    std::u16string text(int number) const override {
        switch (number) {
            case 29:
                return u"OK";
            case 30:
                return u"NO";
            case 31:
                return u"WARNING";
            case 32:
                return u"Press \"Yes\", then the device will be reset to original default "
                       u"configuration, all the preset figure will be deleted.";
            case 33:
                return u"Please plug-in Gaming Device to start the preset configuration !";
            case 34:
                return u"Waiting..";
            default:
                return {};
        }
    }
    const forms::Font& font() const override { return font_; }

  private:
    forms::Font font_;
};

// What the form's window should show, drawn the way the window draws it.
forms::win32::UniqueBitmap expectedPicture(const forms::Form& form, forms::win32::FontCache& fonts,
                                           HDC screen) {
    const forms::Rect outer = form.outerBounds();
    forms::win32::UniqueBitmap picture(CreateCompatibleBitmap(screen, outer.width, outer.height));
    const forms::win32::UniqueMemoryDc memory(CreateCompatibleDC(screen));
    const forms::win32::Selection selected(memory.get(), picture.get());
    forms::win32::GdiCanvas canvas(memory.get(), fonts);
    form.paint(canvas);
    return picture;
}

// Whether the screen shows the form as it should be drawn, at a few points of its surface.
bool screenShows(const forms::Form& form, forms::win32::FontCache& fonts) {
    const forms::win32::WindowDc screen(nullptr);
    const forms::win32::UniqueBitmap expected = expectedPicture(form, fonts, screen.get());
    const forms::win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    const forms::win32::Selection selected(memory.get(), expected.get());
    const forms::Rect outer = form.outerBounds();
    for (const auto [fx, fy] :
         {std::pair{0.1, 0.5}, {0.5, 0.1}, {0.9, 0.9}, {0.5, 0.5}, {0.75, 0.6}}) {
        const int x = static_cast<int>(outer.width * fx);
        const int y = static_cast<int>(outer.height * fy);
        if (GetPixel(screen.get(), outer.left + x, outer.top + y) != GetPixel(memory.get(), x, y)) {
            return false;
        }
    }
    return true;
}

// A whole PNG file: its signature at the start and its end chunk at the end.
bool completePng(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return bytes.size() > 20 && bytes.compare(1, 3, "PNG") == 0 &&
           bytes.compare(bytes.size() - 8, 4, "IEND") == 0;
}

class DialogScreensTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main.moveTo({300, 200});
        main.show();
    }

    // Shows the dialog, waits until the display shows it, and writes its screenshot.
    void expectShownAndCaptured(forms::Form& dialog, const wchar_t* className,
                                const wchar_t* caption, const std::string& file) {
        // The installation's skin was found through the Windows path of the application folder.
        ASSERT_NE(dialog.skin().formElement(dialog.className()), nullptr);
        ASSERT_NE(dialog.skin().find("button"), nullptr);
        showFormByName(app, dialog.name());
        HWND window = backend.windowOf(dialog);
        ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(window) != FALSE; }));
        EXPECT_EQ(FindWindowW(className, caption), window);
        RECT r{};
        GetWindowRect(window, &r);
        EXPECT_EQ(r.left, 454);
        EXPECT_EQ(r.top, 441);
        ASSERT_TRUE(pumpUntil([&] { return screenShows(dialog, fonts); }))
            << "the display never showed the dialog as drawn";

        const std::filesystem::path png = std::filesystem::path(STORMLINE_SCREENSHOT_DIR) / file;
        std::filesystem::remove(png);
        const forms::Rect outer = dialog.outerBounds();
        const std::string crop = std::to_string(outer.width) + "x" + std::to_string(outer.height) +
                                 "+" + std::to_string(outer.left) + "+" + std::to_string(outer.top);
        const std::string command = std::string(STORMLINE_SCREEN_GRABBER) + " -window root -crop " +
                                    crop + " +repage " + png.generic_string();
        ASSERT_TRUE(forms::testing::startUnixProgram(std::wstring(command.begin(), command.end())));
        EXPECT_TRUE(pumpUntil([&] { return completePng(png); }, 30)) << png;
        dialog.close();
    }

    forms::win32::Win32Backend backend{GetModuleHandleW(nullptr), STORMLINE_TEST_APP_DIR};
    forms::Application app{backend};
    forms::FormDesign mainDesign = [] {
        forms::FormDesign d;
        d.className = "TKsForm1";
        d.name = "KsForm1";
        d.clientWidth = 827;
        d.clientHeight = 586;
        d.captionBar = false;
        d.skinFile = "mainskin.ini";
        return d;
    }();
    forms::Form& main = app.createForm<forms::Form>(mainDesign);
    EnglishTexts texts;
    TForm3Warning1& warning1 = app.createForm<TForm3Warning1>(main, texts);
    TForm5Warning2& warning2 = app.createForm<TForm5Warning2>(main, texts);
    TForm6Loading& loading = app.createForm<TForm6Loading>(main, texts);
    forms::win32::FontCache fonts;
};

TEST_F(DialogScreensTest, ResetConfirmation) {
    expectShownAndCaptured(warning1, L"TForm3Warning1", L"WARNING", "TForm3Warning1.png");
}

TEST_F(DialogScreensTest, PlugInWarning) {
    expectShownAndCaptured(warning2, L"TForm5Warning2", L"WARNING", "TForm5Warning2.png");
}

TEST_F(DialogScreensTest, ProgressDialogPartWayThroughATransfer) {
    for (int n = 1; n <= 3; ++n)
        loading.img(n).show();
    loading.PBar.setPosition(400);
    expectShownAndCaptured(loading, L"TForm6Loading", L"Waiting..", "TForm6Loading.png");
}

TEST_F(DialogScreensTest, ResetConfirmationAnswersWithItsButtonsAsAModalWindow) {
    forms::Timer& press = main.add<forms::Timer>("press", {.interval = 50, .enabled = true});
    press.onTimer = [&] {
        if (!IsWindowVisible(backend.windowOf(warning1)))
            return;
        press.disable();
        // A real click on OK: its middle, in the window's coordinates.
        const forms::Point at = warning1.bsSkinButtonOK.clientOrigin();
        const forms::Point offset = warning1.clientOffset();
        const LPARAM point = MAKELPARAM(at.x + offset.x + 25, at.y + offset.y + 12);
        PostMessageW(backend.windowOf(warning1), WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageW(backend.windowOf(warning1), WM_LBUTTONUP, 0, point);
    };
    warning1.showModal();
    EXPECT_TRUE(warning1.confirmed);
    EXPECT_FALSE(IsWindowVisible(backend.windowOf(warning1)));
}

}  // namespace
}  // namespace stormline
