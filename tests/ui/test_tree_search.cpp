// SPDX-License-Identifier: MIT
// Node searches in a tree view: by text with each option and case setting, below a start
// node, and by attached object.
#include <kwgfx/KwVclHelperFunctions.h>

#include <gtest/gtest.h>

using namespace kw;

class TreeSearch : public ::testing::Test {
protected:
    void SetUp() override {
        TTreeNodes& items = Tree.Items();
        Fruit = items.Add(nullptr, "Fruit");
        Apple = items.AddChild(Fruit, "apple");
        Apricot = items.AddChild(Fruit, "Apricot");
        Veg = items.Add(nullptr, "Vegetables");
        Pepper = items.AddChildObject(Veg, "APple pepper", &Marker);
        Artichoke = items.AddChild(Veg, "artichoke");
    }
    TTreeView Tree;
    int Marker = 0;
    TTreeNode *Fruit, *Apple, *Apricot, *Veg, *Pepper, *Artichoke;
};

TEST_F(TreeSearch, FindTextInTreeViewIgnoresCase) {
    EXPECT_EQ(FindTextInTreeView(Tree, "ARTICHOKE"), Artichoke);
    EXPECT_EQ(FindTextInTreeView(Tree, "artich"), nullptr);
}

TEST_F(TreeSearch, EachOptionAndCaseSetting) {
    using namespace platform;
    EXPECT_EQ(FindTreeNode(Tree, "AP", false, csoStartsWith), Apple); // first in tree order
    EXPECT_EQ(FindTreeNode(Tree, "Ap", true, csoStartsWith), Apricot);
    EXPECT_EQ(FindTreeNode(Tree, "PEPPER", false, csoEndsWith), Pepper);
    EXPECT_EQ(FindTreeNode(Tree, "PEPPER", true, csoEndsWith), nullptr);
    EXPECT_EQ(FindTreeNode(Tree, "tich", true, csoContains), Artichoke);
    EXPECT_EQ(FindTreeNode(Tree, "ple pe", false, csoContains), Pepper);
    EXPECT_EQ(FindTreeNode(Tree, "apple", false, csoSameText), Apple);
    EXPECT_EQ(FindTreeNode(Tree, "Apple", true, csoSameText), nullptr);
    // Any ordinal beyond the named ones is the equality test.
    EXPECT_EQ(FindTreeNode(Tree, "APRICOT", false, TCompareStringsOption(9)), Apricot);
    EXPECT_EQ(FindTreeNode(Tree, "APRICOT", true, TCompareStringsOption(9)), nullptr);
}

TEST_F(TreeSearch, AStartNodeLimitsTheSearchToItsDescendants) {
    using namespace platform;
    EXPECT_EQ(FindTreeNode(Tree, Veg, "ap", false, csoStartsWith), Pepper);
    EXPECT_EQ(FindTreeNode(Tree, Fruit, "artichoke", false, csoSameText), nullptr);
    EXPECT_EQ(FindTreeNode(Tree, Fruit, "Fruit", false, csoSameText), nullptr);   // not itself
    EXPECT_EQ(FindTreeNode(Tree, Apple, "Apricot", false, csoSameText), nullptr); // leaf
    EXPECT_EQ(FindTreeNode(Tree, nullptr, "artichoke", false, csoSameText), Artichoke);
    // A node deeper down: the search still ends where the subtree ends.
    TTreeNode* seed = Tree.Items().AddChild(Apricot, "seed");
    EXPECT_EQ(FindTreeNode(Tree, Apricot, "s", false, csoStartsWith), seed);
    EXPECT_EQ(FindTreeNode(Tree, Apricot, "Vegetables", false, csoSameText), nullptr);
}

TEST_F(TreeSearch, ByAttachedObject) {
    EXPECT_EQ(FindTreeNode(Tree, &Marker), Pepper);
    EXPECT_EQ(FindTreeNode(Tree, Veg, &Marker), Pepper);
    EXPECT_EQ(FindTreeNode(Tree, Fruit, &Marker), nullptr);
    int other = 0;
    EXPECT_EQ(FindTreeNode(Tree, &other), nullptr);
}
