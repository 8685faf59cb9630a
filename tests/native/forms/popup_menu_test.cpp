// Owner-drawn popup menus: items by name, replacement at a position, drawing and choice.

#include "forms/popup_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_fixture.h"

namespace forms {
namespace {

class PopupMenuTest : public testing::HeadlessTest {
  protected:
    void SetUp() override {
        for (const char16_t* caption : {u"MACRO", u"CUT", u"COPY"}) {
            const int n = menu.count() + 1;
            bind(menu.add("pmenu" + std::to_string(n), {.caption = caption}));
        }
    }
    // One handler for every item, which tells the items apart by name.
    void bind(MenuItem& item) {
        item.onClick = [this, &item] {
            chosen.push_back(item.name() + " " + narrow(item.caption()));
        };
        item.onMeasureItem = [](Canvas&, int& width, int& height) {
            width = 80;
            height = 20;
        };
        item.onDrawItem = [&item](Canvas& canvas, Rect rect, bool selected) {
            canvas.fillRect(rect, selected ? colours::Red : colours::Grey);
            canvas.text(rect, item.caption());
        };
    }
    static std::string narrow(const std::u16string& s) { return {s.begin(), s.end()}; }

    Form& form = plainForm("KsForm1");
    PopupMenu& menu = form.add<PopupMenu>("TntPopupMenu1", {.ownerDraw = true, .autoPopup = false});
    std::vector<std::string> chosen;
};

TEST_F(PopupMenuTest, TheChosenItemsHandlerRunsAfterEveryItemWasMeasuredAndDrawn) {
    backend.answerPopup("pmenu2");
    menu.popup({355, 620});
    ASSERT_EQ(backend.popups().size(), 1u);
    const headless::PopupRecord& shown = backend.popups()[0];
    EXPECT_EQ(shown.menu, "TntPopupMenu1");
    EXPECT_EQ(shown.screen, (Point{355, 620}));
    ASSERT_EQ(shown.itemDrawings.size(), 3u);
    EXPECT_EQ(shown.itemSizes[2], (std::pair{80, 20}));
    EXPECT_EQ(shown.itemDrawings[1].ops()[0].colour, colours::Red)
        << "the chosen item drawn selected";
    EXPECT_EQ(shown.itemDrawings[0].ops()[0].colour, colours::Grey);
    EXPECT_EQ(shown.itemDrawings[2].ops()[0].rect, (Rect{0, 40, 80, 20}));
    EXPECT_EQ(shown.itemDrawings[2].texts(), (std::vector<std::u16string>{u"COPY"}));
    EXPECT_EQ(chosen, (std::vector<std::string>{"pmenu2 CUT"}));
}

TEST_F(PopupMenuTest, ADismissedMenuRunsNothing) {
    backend.answerPopup(std::nullopt);
    menu.popup({0, 0});
    menu.popup({0, 0});  // nothing scripted: dismissed as well
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(backend.popups().size(), 2u);
}

TEST_F(PopupMenuTest, AReplacedItemTakesTheOldOnesPlaceAndTheOthersStay) {
    bind(menu.replace(1, "pmenu2", {.caption = u"Ausschneiden"}));
    ASSERT_EQ(menu.count(), 3);
    EXPECT_EQ(menu.item(0).caption(), u"MACRO");
    EXPECT_EQ(menu.item(1).caption(), u"Ausschneiden");
    EXPECT_EQ(menu.positionOf(*menu.find("pmenu2")), 1);
    EXPECT_EQ(menu.item(2).caption(), u"COPY");
    backend.answerPopup("pmenu2");
    menu.popup({0, 0});
    EXPECT_EQ(chosen, (std::vector<std::string>{"pmenu2 Ausschneiden"}));
}

TEST_F(PopupMenuTest, AnItemsHandlerMayReplaceTheItemItself) {
    MenuItem& first = menu.item(0);
    first.onClick = [this] {
        bind(menu.replace(0, "pmenu1", {.caption = u"MAKRO"}));
        chosen.push_back("replaced");
    };
    backend.answerPopup("pmenu1");
    menu.popup({0, 0});
    EXPECT_EQ(chosen, (std::vector<std::string>{"replaced"}));
    EXPECT_EQ(menu.item(0).caption(), u"MAKRO");
}

TEST_F(PopupMenuTest, ADisabledItemCannotBeChosen) {
    menu.item(2).setEnabled(false);
    backend.answerPopup("pmenu3");
    menu.popup({0, 0});
    EXPECT_TRUE(chosen.empty());
}

}  // namespace
}  // namespace forms
