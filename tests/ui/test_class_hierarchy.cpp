// SPDX-License-Identifier: MIT
// Class hierarchies in a tree view: parents named later, seeds and existing names reused,
// registered ancestry, loops of parents, and the update bracket on failures.
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
