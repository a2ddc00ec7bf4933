// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Tree view nodes and the tree view that owns them.
///
/// Guarantees
/// - Every node belongs to exactly one TTreeNodes collection, which owns it; a node
///   pointer stays valid until the node (or an ancestor) is deleted or the collection is
///   cleared.
/// - Nodes are numbered in depth-first pre-order over the whole tree (roots in order,
///   each node before its children): Item(i), AbsoluteIndex and GetNext all follow it.
/// - Level is 0 for a root and one more than the parent's for every other node.

#include "kwgfx/platform/base/Object.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kw::platform {

class TTreeNodes;

/// A node of a tree view; see the file's description.
class TTreeNode {
public:
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    std::string Text;     ///< The text shown.
    void* Data = nullptr; ///< The caller's data, not owned; FindTreeNode can search for it.

    /// The collection that owns the node.
    TTreeNodes* Owner() const { return FOwner; }
    /// The parent, or null for a root.
    TTreeNode* Parent() const { return FParent; }
    /// 0 for a root, the parent's level plus one for every other node.
    int Level() const { return FLevel; }
    /// Position among its siblings (roots are siblings of one another).
    int Index() const { return FIndex; }
    /// Position in the pre-order numbering of the whole tree.
    int AbsoluteIndex() const;

    /// The number of children.
    int Count() const { return int(FChildren.size()); }
    /// Whether the node has children.
    bool HasChildren() const { return !FChildren.empty(); }
    /// Child Index; nullptr outside 0..Count()-1.
    TTreeNode* Item(int Index) const;
    /// The first child, or null.
    TTreeNode* getFirstChild() const { return Item(0); }
    /// The last child, or null.
    TTreeNode* GetLastChild() const { return Item(Count() - 1); }
    /// The next sibling, or null.
    TTreeNode* getNextSibling() const;
    /// The previous sibling, or null.
    TTreeNode* getPrevSibling() const;
    /// The next node in pre-order over the whole tree: the first child, else the next
    /// sibling, else the next sibling of the nearest ancestor that has one; nullptr at the end.
    TTreeNode* GetNext() const;
    /// True when Ancestor is this node's parent, grandparent, ...
    bool HasAsParent(const TTreeNode* Ancestor) const;

    /// Sorts the children by text (AnsiCompareText: locale order without regard to letter
    /// case; texts that compare equal keep their order); with
    /// Recurse, every level below too.
    void AlphaSort(bool Recurse = false);

private:
    friend class TTreeNodes;
    TTreeNode(TTreeNodes* Owner, TTreeNode* Parent, std::string Text, void* Data);
    const std::vector<std::unique_ptr<TTreeNode>>& Siblings() const;
    // Sorts Nodes by text and numbers them; with Recurse, every level below them too.
    static void SortLevels(std::vector<std::unique_ptr<TTreeNode>>& Nodes, bool Recurse);

    TTreeNodes* FOwner;
    TTreeNode* FParent;
    int FLevel;
    int FIndex = 0;
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
};

/// The nodes of a tree view, which it owns; see the file's description.
class TTreeNodes {
public:
    TTreeNodes() = default;
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;
    ~TTreeNodes();

    /// A new last sibling of Sibling (a new last root when Sibling is nullptr).
    TTreeNode* Add(TTreeNode* Sibling, std::string Text);
    /// Add with Data.
    TTreeNode* AddObject(TTreeNode* Sibling, std::string Text, void* Data);
    /// A new last child of Parent (a new last root when Parent is nullptr).
    TTreeNode* AddChild(TTreeNode* Parent, std::string Text);
    /// AddChild with Data.
    TTreeNode* AddChildObject(TTreeNode* Parent, std::string Text, void* Data);
    /// Deletes Node and everything below it.
    void Delete(TTreeNode* Node);
    /// Deletes every node.
    void Clear();

    /// Number of nodes at every level.
    int Count() const;
    /// Node Index in pre-order; nullptr outside 0..Count()-1.
    TTreeNode* Item(int Index) const;
    /// The same as Item(Index).
    TTreeNode* GetNodeFromIndex(int Index) const { return Item(Index); }
    /// The first root, or null.
    TTreeNode* GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front().get(); }
    /// The number of roots.
    int RootCount() const { return int(FRoots.size()); }
    /// Root Index, or null outside 0..RootCount()-1.
    TTreeNode* Root(int Index) const;

    /// Sorts the roots by text; with Recurse, every level below too.
    void AlphaSort(bool Recurse = false);

    /// An update bracket: OnChange fires once, at the outermost EndUpdate, when anything
    /// changed inside it; outside a bracket every change fires it.
    ///@{
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    ///@}
    /// The number of open update brackets.
    int UpdateCount() const { return FUpdateCount; }
    /// Called after a change of the nodes (see the update bracket).
    std::function<void()> OnChange;

private:
    friend class TTreeNode;
    TTreeNode* Insert(TTreeNode* Parent, std::string Text, void* Data);
    void Changed();
    const std::vector<TTreeNode*>& Flat() const;

    std::vector<std::unique_ptr<TTreeNode>> FRoots;
    int FUpdateCount = 0;
    bool FChangedInUpdate = false;
    // Pre-order list of all nodes, rebuilt on demand after a change of structure.
    mutable std::vector<TTreeNode*> FFlat;
    mutable bool FFlatValid = true;
};

/// The part of a tree view that the helpers use: its nodes and their sorting.
class TCustomTreeView : public TObject {
public:
    /// The nodes.
    ///@{
    TTreeNodes& Items() { return FItems; }
    const TTreeNodes& Items() const { return FItems; }
    ///@}
    /// Sorts the nodes by text, at every level when Recurse is true. Always true.
    bool AlphaSort(bool Recurse = true) {
        FItems.AlphaSort(Recurse);
        return true;
    }

private:
    TTreeNodes FItems;
};

class TTreeView : public TCustomTreeView {};

} // namespace kw::platform
