// SPDX-License-Identifier: MIT
// Menu items: children, separators and clicks.
#include <kwgfx/platform/controls/MenuItem.h>

#include <gtest/gtest.h>

#include <memory>

using namespace kw::platform;

TEST(MenuItems, ChildrenSeparatorsAndClicks) {
    TMenuItem root;
    TMenuItem* line = root.Add(std::make_unique<TMenuItem>("-"));
    TMenuItem* open = root.Add(std::make_unique<TMenuItem>("Open"));
    EXPECT_TRUE(line->IsLine());
    EXPECT_FALSE(open->IsLine());
    EXPECT_EQ(root.Count(), 2);
    EXPECT_EQ(open->Parent(), &root);
    EXPECT_EQ(open->MenuIndex(), 1);
    EXPECT_EQ(root.Items(2), nullptr);
    TObject* sender = nullptr;
    open->OnClick = [&](TObject* S) { sender = S; };
    open->Click();
    EXPECT_EQ(sender, open);
}
