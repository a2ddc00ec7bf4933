// Class hierarchies in a tree view, node searches and menu building.
#include <kwgfx/KwVclHelperFunctions.h>
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/system/ClassRegistry.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kw;
using platform::TStringList;

namespace {

// The tree as indented text, one "<level dots><text>" per node in pre-order.
std::vector<std::string> Outline(const TTreeView& Tree) {
    std::vector<std::string> lines;
    for (TTreeNode* n = Tree.Items().GetFirstNode(); n; n = n->GetNext())
        lines.push_back(std::string(size_t(n->Level()), '.') + n->Text);
    return lines;
}

// The seed nodes as they come out of the alphabetic sort.
const std::vector<std::string> Seeds = {"IInterface", ".IInterface", "TObject", ".Exception"};

std::vector<std::string> WithSeeds(std::vector<std::string> Before,
                                   std::vector<std::string> After) {
    std::vector<std::string> all = std::move(Before);
    all.insert(all.end(), Seeds.begin(), Seeds.end());
    all.insert(all.end(), After.begin(), After.end());
    return all;
}

} // namespace

TEST(CreateHierarchy, AParentNamedLaterIsAddedFirst) {
    TTreeView tree;
    CreateHierarchy(TStringList{"B=A", "A="}, tree, TStringList{});
    EXPECT_EQ(Outline(tree), WithSeeds({"A", ".B"}, {}));
}

TEST(CreateHierarchy, AnEmptyParentFoundBeforeItsLineMakesARootWithEmptyText) {
    TTreeView tree;
    CreateHierarchy(TStringList{"A=", "B=A"}, tree, TStringList{});
    EXPECT_EQ(Outline(tree), WithSeeds({"", ".A", "..B"}, {}));
    // Later names without parent share that root.
    CreateHierarchy(TStringList{"A=", "C=", "B=A"}, tree, TStringList{});
    EXPECT_EQ(Outline(tree), WithSeeds({"", ".A", "..B", ".C"}, {}));
}

TEST(CreateHierarchy, SeedsAndExistingNamesAreReused) {
    TTreeView tree;
    tree.Items().Add(nullptr, "stale"); // cleared first
    CreateHierarchy(TStringList{"C=TObject", "EMine=exception", "c=Other", "IMine=IInterface"},
                    tree, TStringList{});
    EXPECT_EQ(Outline(tree), (std::vector<std::string>{"IInterface", ".IInterface", ".IMine",
                                                       "TObject", ".C", ".Exception", "..EMine"}));
}

TEST(CreateHierarchy, ExtraLinesGiveMissingParents) {
    TTreeView tree;
    // D's line names no parent: the extra lines give it; E's parent F is in neither list
    // of lines but the extra lines place F.
    CreateHierarchy(TStringList{"D=", "E=F"}, tree, TStringList{"D=TObject", "F=Exception"});
    EXPECT_EQ(Outline(tree), (std::vector<std::string>{"IInterface", ".IInterface", "TObject", ".D",
                                                       ".Exception", "..F", "...E"}));
}

TEST(CreateHierarchy, RegisteredAncestryWinsOverTheLines) {
    static constexpr platform::TClassRecord TWidgetClass{"TWidget", &platform::TComponentClass};
    ASSERT_TRUE(platform::RegisterClass(&TWidgetClass));
    TTreeView tree;
    CreateHierarchy(TStringList{"twidget=Elsewhere", "TMyWidget=TWidget"}, tree, TStringList{});
    platform::UnRegisterClass(&TWidgetClass);
    EXPECT_EQ(Outline(tree), (std::vector<std::string>{"IInterface", ".IInterface", "TObject",
                                                       ".Exception", ".TPersistent", "..TComponent",
                                                       "...TWidget", "....TMyWidget"}));
}

TEST(CreateHierarchy, ARegisteredClassWithoutParentIsARootAndAnUnregisteredParentFollowsTheLines) {
    // TStandalone has no parent class: a root, whatever its line says. TGadget is the
    // registered parent of TGizmo but not registered itself, so the lines place it.
    static constexpr platform::TClassRecord TStandaloneClass{"TStandalone", nullptr};
    static constexpr platform::TClassRecord TGadgetClass{"TGadget", &platform::TObjectClass};
    static constexpr platform::TClassRecord TGizmoClass{"TGizmo", &TGadgetClass};
    ASSERT_TRUE(platform::RegisterClass(&TStandaloneClass));
    ASSERT_TRUE(platform::RegisterClass(&TGizmoClass));
    TTreeView tree;
    CreateHierarchy(TStringList{"TStandalone=TObject", "TGizmo=", "TGadget=Exception"}, tree,
                    TStringList{});
    platform::UnRegisterClass(&TStandaloneClass);
    platform::UnRegisterClass(&TGizmoClass);
    EXPECT_EQ(Outline(tree),
              (std::vector<std::string>{"IInterface", ".IInterface", "TObject", ".Exception",
                                        "..TGadget", "...TGizmo", "TStandalone"}));
}

TEST(CreateHierarchy, ALoopOfParentsEndsInsteadOfRecursingForEver) {
    TTreeView tree;
    CreateHierarchy(TStringList{"A=B", "B=C", "C=A", "S=S"}, tree, TStringList{});
    // A asks for B, B for C, C for A: C closes the loop and becomes the root.
    EXPECT_EQ(Outline(tree),
              (std::vector<std::string>{"C", ".B", "..A", "IInterface", ".IInterface", "S",
                                        "TObject", ".Exception"}));
}

TEST(CreateHierarchy, BlankLinesAddNothingAndTheUpdateIsClosed) {
    TTreeView tree;
    int changes = 0;
    tree.Items().OnChange = [&] { ++changes; };
    CreateHierarchy(TStringList{"", "just text", "X=TObject"}, tree);
    EXPECT_EQ(Outline(tree), (std::vector<std::string>{"IInterface", ".IInterface", "TObject",
                                                       ".Exception", ".X"}));
    EXPECT_EQ(tree.Items().UpdateCount(), 0);
    EXPECT_EQ(changes, 1);
}

TEST(CreateHierarchy, AFailingStepStillEndsTheUpdate) {
    // A list whose lines cannot be read part way through.
    class TBrokenList : public TStringList {
    public:
        using TStringList::TStringList;
        std::string Get(int Index) const override {
            if (Index == 1) throw platform::ERangeError("unreadable line");
            return TStringList::Get(Index);
        }
    };
    TTreeView tree;
    EXPECT_THROW(CreateHierarchy(TBrokenList{"A=B", "C=D"}, tree), platform::ERangeError);
    EXPECT_EQ(tree.Items().UpdateCount(), 0);
}

TEST(CreateHierarchy, AChangeHandlerThatThrowsReachesTheCaller) {
    // The closing EndUpdate notifies the tree's owner; what its handler throws passes on
    // (with the bracket closed) instead of ending the program, after a good build and
    // after a failed one alike.
    TTreeView tree;
    tree.Items().OnChange = [] { throw platform::EInvalidOperation("handler refused"); };
    EXPECT_THROW(CreateHierarchy(TStringList{"A=B"}, tree), platform::EInvalidOperation);
    EXPECT_EQ(tree.Items().UpdateCount(), 0);
    EXPECT_NE(FindTextInTreeView(tree, "A"), nullptr);

    class TBrokenList : public TStringList {
    public:
        using TStringList::TStringList;
        std::string Get(int) const override { throw platform::ERangeError("unreadable line"); }
    };
    EXPECT_THROW(CreateHierarchy(TBrokenList{"A=B"}, tree), platform::Exception);
    EXPECT_EQ(tree.Items().UpdateCount(), 0);
}

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
