// SPDX-License-Identifier: MIT
// Menu building: submenu visibility and children made from strings.
#include <kwgfx/KwVclHelperFunctions.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kw;
using platform::TStringList;

TEST(MenuHelpers, SubmenuVisibility) {
    TMenuItem menu;
    EXPECT_FALSE(IsSubmenuVisible(&menu));
    EXPECT_FALSE(IsSubmenuVisible(nullptr));
    menu.Add(std::make_unique<TMenuItem>("-"));
    menu.Add(std::make_unique<TMenuItem>("-"));
    EXPECT_FALSE(IsSubmenuVisible(&menu)); // only separators
    TMenuItem* hidden = menu.Add(std::make_unique<TMenuItem>("Hidden"));
    hidden->Visible = false;
    EXPECT_FALSE(IsSubmenuVisible(&menu));
    hidden->Visible = true;
    EXPECT_TRUE(IsSubmenuVisible(&menu));
}

TEST(MenuHelpers, ChildrenFromStringsNumberedFromZero) {
    TMenuItem menu;
    std::vector<std::string> clicked;
    const TNotifyEvent onClick = [&](platform::TObject* Sender) {
        clicked.push_back(static_cast<TMenuItem*>(Sender)->Caption);
    };
    CreateMenuItemChildren(&menu, TStringList{"first", "second"}, onClick, true);
    CreateMenuItemChildren(&menu, TStringList{"plain"}, onClick, false);
    ASSERT_EQ(menu.Count(), 3);
    EXPECT_EQ(menu.Items(0)->Caption, "0 first");
    EXPECT_EQ(menu.Items(1)->Caption, "1 second");
    EXPECT_EQ(menu.Items(2)->Caption, "plain");
    EXPECT_EQ(menu.Items(1)->Parent(), &menu);
    menu.Items(1)->Click();
    menu.Items(2)->Click();
    EXPECT_EQ(clicked, (std::vector<std::string>{"1 second", "plain"}));

    CreateMenuItemChildren(nullptr, TStringList{"x"}, onClick, true); // nothing to fill
}
