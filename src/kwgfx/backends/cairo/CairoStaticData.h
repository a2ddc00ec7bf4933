// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Releases the caches Cairo, Pango and fontconfig keep for the life of the process, so that leak
/// checkers see a clean exit. Call once at the very end, after every bitmap and canvas is
/// gone and no other thread draws; drawing text afterwards is not supported.

namespace kw::platform {

/// Releases the caches; see the file's description.
void ReleaseCairoStaticData();

} // namespace kw::platform
