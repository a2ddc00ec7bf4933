// SPDX-License-Identifier: MIT
#include "kwgfx/ui/KwTreeSearch.h"

#include "kwgfx/platform/text/AsciiText.h"

namespace kw {

namespace {

// Visits the descendants of StartNode in pre-order (the whole tree when it is nullptr)
// and returns the first for which Matches is true. In pre-order the descendants of a node
// follow it directly, so the walk ends at the first node that is not one of them, which is
// the first node no deeper than StartNode.
template <typename TMatch>
TTreeNode* FirstMatch(const TCustomTreeView& TreeView, const TTreeNode* StartNode, TMatch Matches) {
    TTreeNode* node = StartNode ? StartNode->getFirstChild() : TreeView.Items().GetFirstNode();
    const int stopLevel = StartNode ? StartNode->Level() : -1;
    for (; node && node->Level() > stopLevel; node = node->GetNext())
        if (Matches(*node)) return node;
    return nullptr;
}

} // namespace

TTreeNode* FindTextInTreeView(const TCustomTreeView& TreeView, std::string_view Text) {
    const TTreeNodes& items = TreeView.Items();
    const int count = items.Count();
    for (int i = 0; i < count; ++i) {
        TTreeNode* node = items.Item(i);
        if (platform::SameText(node->Text, Text)) return node;
    }
    return nullptr;
}

TTreeNode* FindTreeNode(const TCustomTreeView& TreeView, std::string_view Text, bool CaseSensitive,
                        TCompareStringsOption Option) {
    return FindTreeNode(TreeView, nullptr, Text, CaseSensitive, Option);
}

TTreeNode* FindTreeNode(const TCustomTreeView& TreeView, const TTreeNode* StartNode,
                        std::string_view Text, bool CaseSensitive, TCompareStringsOption Option) {
    const platform::TStrCompareFunction test =
        platform::GetStrCompareFunction(CaseSensitive, Option);
    return FirstMatch(TreeView, StartNode,
                      [&](const TTreeNode& Node) { return test(Text, Node.Text); });
}

TTreeNode* FindTreeNode(const TCustomTreeView& TreeView, const void* Object) {
    return FindTreeNode(TreeView, nullptr, Object);
}

TTreeNode* FindTreeNode(const TCustomTreeView& TreeView, const TTreeNode* StartNode,
                        const void* Object) {
    return FirstMatch(TreeView, StartNode,
                      [Object](const TTreeNode& Node) { return Node.Data == Object; });
}

} // namespace kw
