// SPDX-License-Identifier: MIT
// Tree nodes: pre-order index, level and siblings, the alphabetic sort, the update
// bracket, and trees too deep for recursion.
#include <kwgfx/platform/controls/TreeView.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace kw::platform;

namespace {

std::vector<std::string> PreOrderTexts(const TTreeNodes& Items) {
    std::vector<std::string> texts;
    for (TTreeNode* n = Items.GetFirstNode(); n; n = n->GetNext()) texts.push_back(n->Text);
    return texts;
}

} // namespace

TEST(TreeNodes, PreOrderIndexLevelAndSiblings) {
    TTreeView tree;
    TTreeNodes& items = tree.Items();
    TTreeNode* a = items.Add(nullptr, "a");
    TTreeNode* b = items.Add(a, "b"); // sibling of a: a root
    TTreeNode* a1 = items.AddChild(a, "a1");
    TTreeNode* a11 = items.AddChild(a1, "a11");
    TTreeNode* a2 = items.AddChild(a, "a2");
    TTreeNode* b1 = items.AddChild(b, "b1");

    EXPECT_EQ(PreOrderTexts(items), (std::vector<std::string>{"a", "a1", "a11", "a2", "b", "b1"}));
    ASSERT_EQ(items.Count(), 6);
    for (int i = 0; i < items.Count(); ++i) EXPECT_EQ(items.Item(i)->AbsoluteIndex(), i);
    EXPECT_EQ(items.Item(2), a11);
    EXPECT_EQ(items.Item(6), nullptr);
    EXPECT_EQ(items.Item(-1), nullptr);
    EXPECT_EQ(a11->Level(), 2);
    EXPECT_EQ(b1->Level(), 1);
    EXPECT_EQ(a11->GetNext(), a2); // up one level to the next sibling
    EXPECT_EQ(a2->GetNext(), b);   // up two levels
    EXPECT_EQ(b1->GetNext(), nullptr);
    EXPECT_EQ(a2->getPrevSibling(), a1);
    EXPECT_TRUE(a11->HasAsParent(a));
    EXPECT_FALSE(b1->HasAsParent(a));
    EXPECT_FALSE(a->HasAsParent(a));

    items.Delete(a1);
    EXPECT_EQ(PreOrderTexts(items), (std::vector<std::string>{"a", "a2", "b", "b1"}));
    EXPECT_EQ(a2->Index(), 0);
    EXPECT_EQ(a->getFirstChild(), a2);
}

TEST(TreeNodes, AlphaSortOrdersEachLevelWithoutRegardToCase) {
    TTreeView tree;
    TTreeNodes& items = tree.Items();
    TTreeNode* z = items.Add(nullptr, "zeta");
    items.AddChild(z, "b");
    items.AddChild(z, "A");
    items.Add(nullptr, "Alpha");
    items.Add(nullptr, "beta");

    items.AlphaSort(false);
    EXPECT_EQ(PreOrderTexts(items), (std::vector<std::string>{"Alpha", "beta", "zeta", "b", "A"}));
    tree.AlphaSort(true);
    EXPECT_EQ(PreOrderTexts(items), (std::vector<std::string>{"Alpha", "beta", "zeta", "A", "b"}));
    EXPECT_EQ(items.Item(3)->Index(), 0);
    EXPECT_EQ(items.Item(3)->getNextSibling()->Text, "b");
}

TEST(TreeNodes, UpdateBracketNotifiesOnceAtTheOutermostEnd) {
    TTreeView tree;
    TTreeNodes& items = tree.Items();
    int changes = 0;
    items.OnChange = [&] { ++changes; };
    items.Add(nullptr, "x");
    EXPECT_EQ(changes, 1);
    items.BeginUpdate();
    items.BeginUpdate();
    items.Add(nullptr, "y");
    items.Clear();
    items.EndUpdate();
    EXPECT_EQ(changes, 1);
    items.EndUpdate();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(items.Count(), 0);
    items.BeginUpdate();
    items.EndUpdate(); // nothing changed inside
    EXPECT_EQ(changes, 2);
}

TEST(TreeNodes, AVeryDeepTreeIsSortedAndFreedWithoutExhaustingTheStack) {
    auto tree = std::make_unique<TTreeView>();
    // Each level holds a leaf "z" and then the next level's node "n", which the sort
    // puts first.
    TTreeNode* node = nullptr;
    for (int i = 0; i < 200000; ++i) {
        tree->Items().AddChild(node, "z");
        node = tree->Items().AddChild(node, "n");
    }
    EXPECT_EQ(node->Level(), 199999);
    tree->AlphaSort(true); // would overflow sorting level by level recursively
    TTreeNode* deep = tree->Items().GetFirstNode();
    ASSERT_EQ(deep->Text, "n");
    while (deep->HasChildren()) {
        ASSERT_EQ(deep->getFirstChild()->Text, "n") << deep->Level();
        ASSERT_EQ(deep->getFirstChild()->Index(), 0);
        deep = deep->getFirstChild();
    }
    EXPECT_EQ(deep, node);
    tree.reset(); // would overflow with nested destructors
}
