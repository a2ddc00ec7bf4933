// SPDX-License-Identifier: MIT
#include "kwgfx/platform/controls/TreeView.h"

#include "kwgfx/platform/text/LocaleCompare.h"

#include <algorithm>

namespace kw::platform {

// ---------------------------------------------------------------- TTreeNode

TTreeNode::TTreeNode(TTreeNodes* Owner, TTreeNode* Parent, std::string Text, void* Data)
    : Text(std::move(Text)), Data(Data), FOwner(Owner), FParent(Parent),
      FLevel(Parent ? Parent->FLevel + 1 : 0) {}

const std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::Siblings() const {
    return FParent ? FParent->FChildren : FOwner->FRoots;
}

int TTreeNode::AbsoluteIndex() const {
    const auto& flat = FOwner->Flat();
    const auto it = std::find(flat.begin(), flat.end(), this);
    return it == flat.end() ? -1 : int(it - flat.begin());
}

TTreeNode* TTreeNode::Item(int Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return FChildren[size_t(Index)].get();
}

TTreeNode* TTreeNode::getNextSibling() const {
    const auto& siblings = Siblings();
    const size_t next = size_t(FIndex) + 1;
    return next < siblings.size() ? siblings[next].get() : nullptr;
}

TTreeNode* TTreeNode::getPrevSibling() const {
    return FIndex > 0 ? Siblings()[size_t(FIndex) - 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (!FChildren.empty()) return FChildren.front().get();
    for (const TTreeNode* node = this; node; node = node->FParent)
        if (TTreeNode* sibling = node->getNextSibling()) return sibling;
    return nullptr;
}

bool TTreeNode::HasAsParent(const TTreeNode* Ancestor) const {
    if (!Ancestor) return false;
    for (const TTreeNode* node = FParent; node; node = node->FParent)
        if (node == Ancestor) return true;
    return false;
}

void TTreeNode::SortLevels(std::vector<std::unique_ptr<TTreeNode>>& Nodes, bool Recurse) {
    // Level by level from a list of pending nodes rather than by recursion, so a deep
    // tree cannot exhaust the stack.
    std::vector<TTreeNode*> pending;
    std::vector<std::unique_ptr<TTreeNode>>* level = &Nodes;
    for (;;) {
        std::stable_sort(level->begin(), level->end(), [](const auto& A, const auto& B) {
            return AnsiCompareText(A->Text, B->Text) < 0;
        });
        for (size_t i = 0; i < level->size(); ++i) {
            TTreeNode* node = (*level)[i].get();
            node->FIndex = int(i);
            if (Recurse && !node->FChildren.empty()) pending.push_back(node);
        }
        if (pending.empty()) return;
        level = &pending.back()->FChildren;
        pending.pop_back();
    }
}

void TTreeNode::AlphaSort(bool Recurse) {
    // One notification for the whole sort, however many levels it reorders.
    FOwner->BeginUpdate();
    SortLevels(FChildren, Recurse);
    FOwner->Changed();
    FOwner->EndUpdate();
}

// ---------------------------------------------------------------- TTreeNodes

TTreeNodes::~TTreeNodes() {
    // Free deep trees level by level rather than through nested destructors, so a long
    // chain of nodes cannot exhaust the stack.
    std::vector<std::unique_ptr<TTreeNode>> pending = std::move(FRoots);
    while (!pending.empty()) {
        std::unique_ptr<TTreeNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->FChildren) pending.push_back(std::move(child));
    }
}

TTreeNode* TTreeNodes::Insert(TTreeNode* Parent, std::string Text, void* Data) {
    auto& siblings = Parent ? Parent->FChildren : FRoots;
    siblings.push_back(
        std::unique_ptr<TTreeNode>(new TTreeNode(this, Parent, std::move(Text), Data)));
    TTreeNode* node = siblings.back().get();
    node->FIndex = int(siblings.size()) - 1;
    Changed();
    return node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, std::string Text) {
    return AddObject(Sibling, std::move(Text), nullptr);
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, std::string Text, void* Data) {
    return Insert(Sibling ? Sibling->FParent : nullptr, std::move(Text), Data);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, std::string Text) {
    return AddChildObject(Parent, std::move(Text), nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, std::string Text, void* Data) {
    return Insert(Parent, std::move(Text), Data);
}

void TTreeNodes::Delete(TTreeNode* Node) {
    if (!Node || Node->FOwner != this) return;
    TTreeNode* parent = Node->FParent;
    auto& siblings = parent ? parent->FChildren : FRoots;
    std::unique_ptr<TTreeNode> doomed = std::move(siblings[size_t(Node->FIndex)]);
    siblings.erase(siblings.begin() + Node->FIndex);
    for (size_t i = 0; i < siblings.size(); ++i) siblings[i]->FIndex = int(i);
    // Hand the subtree to a temporary collection so it is freed without deep recursion.
    TTreeNodes graveyard;
    graveyard.FRoots.push_back(std::move(doomed));
    Changed();
}

void TTreeNodes::Clear() {
    if (FRoots.empty()) return;
    TTreeNodes graveyard;
    graveyard.FRoots = std::move(FRoots);
    FRoots.clear();
    Changed();
}

const std::vector<TTreeNode*>& TTreeNodes::Flat() const {
    if (!FFlatValid) {
        FFlat.clear();
        for (TTreeNode* node = GetFirstNode(); node; node = node->GetNext()) FFlat.push_back(node);
        FFlatValid = true;
    }
    return FFlat;
}

int TTreeNodes::Count() const {
    return int(Flat().size());
}

TTreeNode* TTreeNodes::Item(int Index) const {
    const auto& flat = Flat();
    if (Index < 0 || size_t(Index) >= flat.size()) return nullptr;
    return flat[size_t(Index)];
}

TTreeNode* TTreeNodes::Root(int Index) const {
    if (Index < 0 || Index >= RootCount()) return nullptr;
    return FRoots[size_t(Index)].get();
}

void TTreeNodes::AlphaSort(bool Recurse) {
    BeginUpdate();
    TTreeNode::SortLevels(FRoots, Recurse);
    Changed();
    EndUpdate();
}

void TTreeNodes::Changed() {
    FFlatValid = false;
    if (FUpdateCount > 0) {
        FChangedInUpdate = true;
        return;
    }
    if (OnChange) OnChange();
}

void TTreeNodes::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0 && FChangedInUpdate) {
        FChangedInUpdate = false;
        if (OnChange) OnChange();
    }
}

} // namespace kw::platform
