// SPDX-License-Identifier: MIT
#include "kwgfx/ui/KwClassHierarchy.h"

#include "kwgfx/platform/system/ClassRegistry.h"
#include "kwgfx/platform/text/AsciiText.h"
#include "kwgfx/ui/KwTreeSearch.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kw {

namespace {

using platform::TStrings;

class THierarchyBuilder {
public:
    THierarchyBuilder(const TStrings& Lines, const TStrings& ExtraLines, TTreeView& TreeView)
        : FLines(Lines), FExtraLines(ExtraLines), FTreeView(TreeView), FItems(TreeView.Items()) {}

    void AddSeeds() {
        FItems.AddChild(FItems.Add(nullptr, "TObject"), "Exception");
        FItems.AddChild(FItems.Add(nullptr, "IInterface"), "IInterface");
    }

    // The node of Name, added with its ancestors when it is not in the tree yet.
    TTreeNode* AddNode(const std::string& Name, std::string Parent) {
        if (Parent.empty()) Parent = FExtraLines.Values(Name);
        if (TTreeNode* existing = FindTextInTreeView(FTreeView, Name)) return existing;

        // The names whose nodes are being added further up this call chain: a parent
        // among them would close a loop of parents and recurse for ever.
        FInProgress.push_back(Name);
        struct TPop {
            std::vector<std::string>& Names;
            ~TPop() { Names.pop_back(); }
        } pop{FInProgress};

        if (platform::TClass cls = platform::GetClass(Name)) {
            const std::string className(cls->ClassName());
            const platform::TClass parentClass = cls->ClassParent();
            if (!parentClass || InProgress(parentClass->ClassName()))
                return FItems.AddChild(nullptr, className);
            const std::string parentName(parentClass->ClassName());
            TTreeNode* parentNode = AddNode(parentName, FLines.Values(parentName));
            return FItems.AddChild(parentNode, className);
        }
        return FItems.AddChild(ParentNode(Parent), Name);
    }

private:
    // The node to hang a child of Parent below; nullptr for a root.
    TTreeNode* ParentNode(const std::string& Parent) {
        if (TTreeNode* existing = FindTextInTreeView(FTreeView, Parent)) return existing;
        if (InProgress(Parent)) return nullptr;
        std::string grandParent = FLines.Values(Parent);
        if (!grandParent.empty()) return AddNode(Parent, std::move(grandParent));
        grandParent = FExtraLines.Values(Parent);
        if (!grandParent.empty()) return AddNode(Parent, std::move(grandParent));
        return FItems.AddChild(nullptr, Parent);
    }

    bool InProgress(std::string_view Name) const {
        return std::any_of(FInProgress.begin(), FInProgress.end(),
                           [Name](const std::string& N) { return platform::SameText(N, Name); });
    }

    const TStrings& FLines;
    const TStrings& FExtraLines;
    TTreeView& FTreeView;
    TTreeNodes& FItems;
    std::vector<std::string> FInProgress;
};

} // namespace

void CreateHierarchy(const TStrings& Lines, TTreeView& TreeView, const TStrings& ExtraLines) {
    TTreeNodes& items = TreeView.Items();
    // The closing EndUpdate calls the tree's change handler, which may throw: it runs
    // outside any destructor so that such an exception reaches the caller.
    items.BeginUpdate();
    try {
        items.Clear();
        THierarchyBuilder builder(Lines, ExtraLines, TreeView);
        builder.AddSeeds();
        const int count = Lines.Count();
        for (int i = 0; i < count; ++i) {
            const std::string name = Lines.Names(i);
            if (name.empty()) continue;
            builder.AddNode(name, Lines.Values(name));
        }
        TreeView.AlphaSort(true);
    } catch (...) {
        items.EndUpdate();
        throw;
    }
    items.EndUpdate();
}

void CreateHierarchy(const TStrings& Lines, TTreeView& TreeView) {
    const platform::TStringList none;
    CreateHierarchy(Lines, TreeView, none);
}

} // namespace kw
