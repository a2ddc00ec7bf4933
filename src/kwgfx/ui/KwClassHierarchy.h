// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Building a class-and-interface hierarchy in a tree view from lines "name=parent".

#include "kwgfx/platform/controls/TreeView.h"
#include "kwgfx/platform/text/Strings.h"

namespace kw {

/// Replaces the tree's nodes with a hierarchy:
/// - two seed roots, "TObject" with the child "Exception" and "IInterface" with the child
///   "IInterface";
/// - one node per line of Lines ("name=parent", in Lines' separator), in line order; a
///   parent comes from the first line of that name, or from ExtraLines when the line
///   gives none. A class the platform's class registry knows hangs below its registered
///   parent class, whatever the lines say;
/// - a parent that is neither in the tree nor named in either list becomes a root;
/// - every name appears once, compared without regard to ASCII letter case;
/// - lines with an empty name (blank lines, lines without separator) add nothing;
/// - a loop of parents (A below B below A) ends at the name that closes it, which
///   becomes a root;
/// then sorts every level alphabetically. The whole change is one update of the tree's
/// nodes, closed also when a step fails.
///@{
void CreateHierarchy(const platform::TStrings& Lines, platform::TTreeView& TreeView,
                     const platform::TStrings& ExtraLines);
void CreateHierarchy(const platform::TStrings& Lines, platform::TTreeView& TreeView);
///@}

} // namespace kw
