// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Finding tree view nodes by their text or by the object attached to them.
///
/// The text searches take a test from the common package (GetStrCompareFunction): with
/// option csoStartsWith the node's text starts with the search text, csoEndsWith ends with
/// it, csoContains contains it, any other option equals it; with or without regard to
/// letter case. Nodes are visited in pre-order; the first that passes is returned.

#include "kwgfx/platform/common/KwStrCompare.h"
#include "kwgfx/platform/controls/TreeView.h"

#include <string_view>

namespace kw {

using platform::TCompareStringsOption;
using platform::TCustomTreeView;
using platform::TTreeNode;
using platform::TTreeNodes;
using platform::TTreeView;

/// The first node, in index order, whose text equals Text without regard to ASCII letter
/// case (SameText); nullptr when there is none.
TTreeNode* FindTextInTreeView(const TCustomTreeView& TreeView, std::string_view Text);

/// The first node of the whole tree whose text passes the test.
TTreeNode* FindTreeNode(const TCustomTreeView& TreeView, std::string_view Text, bool CaseSensitive,
                        TCompareStringsOption Option);
/// The first node below StartNode (its descendants only) whose text passes the test; the
/// whole tree when StartNode is nullptr.
TTreeNode* FindTreeNode(const TCustomTreeView& TreeView, const TTreeNode* StartNode,
                        std::string_view Text, bool CaseSensitive, TCompareStringsOption Option);

/// The first node whose Data is Object (the same address), in the whole tree / below StartNode.
///@{
TTreeNode* FindTreeNode(const TCustomTreeView& TreeView, const void* Object);
TTreeNode* FindTreeNode(const TCustomTreeView& TreeView, const TTreeNode* StartNode,
                        const void* Object);
///@}
/// A text literal would otherwise turn into an object address silently.
TTreeNode* FindTreeNode(const TCustomTreeView&, const char*) = delete;
TTreeNode* FindTreeNode(const TCustomTreeView&, const TTreeNode*, const char*) = delete;

} // namespace kw
