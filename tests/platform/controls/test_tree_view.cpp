// The platform's list controls and services behind the tree, menu and grid helpers:
// string lists with name=value lines, tree nodes, menu items, the string grid, the class
// registry, the pseudo-random generator and the collation order.
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/base/Random.h>
#include <kwgfx/platform/controls/MenuItem.h>
#include <kwgfx/platform/controls/StringGrid.h>
#include <kwgfx/platform/controls/TreeView.h>
#include <kwgfx/platform/system/ClassRegistry.h>
#include <kwgfx/platform/text/LocaleCompare.h>
#include <kwgfx/platform/text/Strings.h>
#include <kwgfx/platform/text/Utf16Text.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace kw::platform;

namespace {

std::vector<std::string> PreOrderTexts(const TTreeNodes& Items) {
    std::vector<std::string> texts;
    for (TTreeNode* n = Items.GetFirstNode(); n; n = n->GetNext()) texts.push_back(n->Text);
    return texts;
}

std::vector<std::string> RowTexts(TStringGrid& Grid, int Row) {
    std::vector<std::string> cells;
    for (int c = 0; c < Grid.ColCount(); ++c) cells.push_back(Grid.Cells(c, Row));
    return cells;
}

} // namespace

TEST(StringList, NamesAndValuesFollowTheFirstLineOfANameInAnyCase) {
    TStringList lines{"Alpha=one",    "beta=two",    "ALPHA=three",
                      "no separator", "=empty name", "gamma=x=y"};
    EXPECT_EQ(lines.Names(0), "Alpha");
    EXPECT_EQ(lines.Names(3), ""); // no separator: no name
    EXPECT_EQ(lines.ValueFromIndex(3), "no separator");
    EXPECT_EQ(lines.Values("alpha"), "one"); // first line wins, case ignored
    EXPECT_EQ(lines.Values("BETA"), "two");
    EXPECT_EQ(lines.Values("gamma"), "x=y"); // only the first separator splits
    EXPECT_EQ(lines.Values("missing"), "");
    EXPECT_EQ(lines.Values(""), "empty name");
    EXPECT_EQ(lines.IndexOfName("ALPHA"), 0);
    EXPECT_EQ(lines.IndexOf("NO SEPARATOR"), 3);

    lines.NameValueSeparator = ':';
    EXPECT_EQ(lines.Values("Alpha"), "");
    lines.Add("delta:four");
    EXPECT_EQ(lines.Values("Delta"), "four");
}

TEST(StringList, SetValueReplacesAppendsAndDeletes) {
    TStringList lines{"a=1", "b=2"};
    lines.SetValue("A", "10");
    EXPECT_EQ(lines.Strings(0), "A=10");
    lines.SetValue("c", "3");
    EXPECT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines.Strings(2), "c=3");
    lines.SetValue("b", "");
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.IndexOfName("b"), -1);
}

TEST(StringList, IndexesOutsideTheListRaiseARangeError) {
    TStringList lines{"x"};
    EXPECT_THROW(lines.Get(1), ERangeError);
    EXPECT_THROW(lines.Get(-1), ERangeError);
    EXPECT_THROW(lines.Put(1, "y"), ERangeError);
    EXPECT_THROW(lines.Insert(2, "y"), ERangeError);
    EXPECT_THROW(lines.Delete(1), ERangeError);
    EXPECT_NO_THROW(lines.Insert(1, "y")); // at Count: appends
    try {
        lines.Get(7);
    } catch (const ERangeError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (7)");
    }
}

TEST(StringList, AssignCopiesLinesAndSeparatorAndRefusesOtherClasses) {
    TStringList source{"k;v", "w"};
    source.NameValueSeparator = ';';
    TStringList target{"old"};
    target.Assign(source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target.Strings(1), "w");
    EXPECT_EQ(target.Values("k"), "v");
    target.Assign(target); // self-assignment keeps the lines
    EXPECT_EQ(target.Count(), 2);

    class TOther : public TPersistent {};
    TOther other;
    EXPECT_THROW(target.Assign(other), EAssignError);
    EXPECT_EQ(target.Count(), 2);
}

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

TEST(StringGrid, CellsRowsAndResizing) {
    TStringGrid grid(3, 4);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    grid.SetCells(2, 3, "c");
    EXPECT_EQ(grid.Cells(2, 3), "c");
    EXPECT_EQ(grid.Cells(3, 3), ""); // outside: empty
    EXPECT_THROW(grid.SetCells(3, 0, "x"), ERangeError);
    EXPECT_THROW(grid.Rows(4), ERangeError);

    TStrings& row3 = grid.Rows(3);
    EXPECT_EQ(row3.Count(), 3);
    EXPECT_EQ(row3.Strings(2), "c");
    row3.Assign(TStringList{"p", "q", "r", "dropped"});
    EXPECT_EQ(RowTexts(grid, 3), (std::vector<std::string>{"p", "q", "r"}));
    row3.Assign(TStringList{"only"});
    EXPECT_EQ(RowTexts(grid, 3), (std::vector<std::string>{"only", "", ""}));
    EXPECT_THROW(row3.Add("x"), EInvalidOperation);
    EXPECT_THROW(row3.Delete(0), EInvalidOperation);

    // One row onto another of the same grid.
    grid.Rows(1).Assign(grid.Rows(3));
    EXPECT_EQ(grid.Cells(0, 1), "only");

    grid.SetColCount(2);
    grid.SetRowCount(6);
    EXPECT_EQ(RowTexts(grid, 3), (std::vector<std::string>{"only", ""}));
    EXPECT_EQ(grid.Cells(0, 5), "");
    EXPECT_EQ(grid.Rows(3).Count(), 2);
    EXPECT_THROW(grid.SetFixedRows(6), EInvalidOperation);
    grid.SetFixedRows(5);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_THROW(grid.SetRowCount(0), ERangeError);
}

TEST(ClassRegistry, ClassesByNameWithTheirParents) {
    static constexpr TClassRecord TControlClass{"TControl", &TComponentClass};
    static constexpr TClassRecord TOtherControlClass{"TCONTROL", &TObjectClass};
    EXPECT_EQ(GetClass("TControl"), nullptr);
    EXPECT_TRUE(RegisterClass(&TControlClass));
    EXPECT_TRUE(RegisterClass(&TControlClass)); // again: still registered
    EXPECT_FALSE(RegisterClass(&TOtherControlClass));
    EXPECT_EQ(GetClass("tcontrol"), &TControlClass);

    std::vector<std::string_view> chain;
    for (TClass c = GetClass("TControl"); c; c = c->ClassParent()) chain.push_back(c->ClassName());
    EXPECT_EQ(chain,
              (std::vector<std::string_view>{"TControl", "TComponent", "TPersistent", "TObject"}));
    UnRegisterClass(&TControlClass);
    EXPECT_EQ(GetClass("TControl"), nullptr);
    EXPECT_EQ(GetClass("TPersistent"), &TPersistentClass);
    EXPECT_EQ(GetClass("TObject"), nullptr); // the root is known as a parent only
}

TEST(RandomGenerator, RepeatableFromASeedAndInsideTheRange) {
    SetRandSeed(42);
    std::vector<int> first;
    for (int i = 0; i < 50; ++i) first.push_back(Random(1000));
    SetRandSeed(42);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(Random(1000), first[size_t(i)]);

    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int r = Random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        seen.insert(r);
        const double f = RandomFloat();
        ASSERT_GE(f, 0.0);
        ASSERT_LT(f, 1.0);
    }
    EXPECT_EQ(seen.size(), 7u); // every value turns up
    for (int i = 0; i < 100; ++i) ASSERT_EQ(Random(1), 0);
}

TEST(LocaleCompare, CollationOrderWithAndWithoutCase) {
    EXPECT_LT(AnsiCompareText("apple", "Banana"), 0); // bytes would put "B" first
    EXPECT_EQ(AnsiCompareText("ABC", "abc"), 0);
    EXPECT_LT(AnsiCompareText("10", "9"), 0);                // text, not numbers
    EXPECT_LT(AnsiCompareText("\xC3\xA9t\xC3\xA9", "f"), 0); // "été" sorts with e, before f
    EXPECT_NE(AnsiCompareText("e", "\xC3\xA9"), 0);          // accents still count
    EXPECT_NE(AnsiCompareStr("ABC", "abc"), 0);
    EXPECT_EQ(AnsiCompareStr("abc", "abc"), 0);
    EXPECT_EQ(AnsiCompareStr("a", "b"), -AnsiCompareStr("b", "a"));
}

TEST(Utf16Text, ConvertsAndReplacesMalformedBytes) {
    EXPECT_EQ(Utf8ToUtf16("Ab"), u"Ab");
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9\xE2\x82\xAC"), u"\u00E9\u20AC");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600"); // a surrogate pair
    EXPECT_EQ(Utf8ToUtf16("a\xFFz"), u"a\uFFFDz");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");           // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // a surrogate
    EXPECT_EQ(Utf8ToUtf16("x\xE2\x82"), u"x\uFFFD\uFFFD");         // cut short
}
