// SPDX-License-Identifier: MIT
#pragma once
// The pages of the gallery, one builder per family of drawing routines, grouped in files
// by family; RunGallery saves them in the order listed here.

#include "GalleryPage.h"

#include <vector>

#include <kwgfx/platform/graphics/Types.h>

namespace kw::platform {
class TBitmap;
} // namespace kw::platform

namespace kwtool::gallery {

// Bevel colours of the shape pictures: a pale and a dark blue.
inline constexpr kw::platform::TColor kLight = 0xFFE0C0;
inline constexpr kw::platform::TColor kShadow = 0x804000;

// A small picture for the image styles: a diagonal gradient with a border.
void PaintSampleImage(kw::platform::TBitmap& Image);

// PathPages.cpp
TGalleryPage PathShapesPage();
TGalleryPage SplinesPage();
// ColorPages.cpp
TGalleryPage GradientsPage();
TGalleryPage ColorSchemesPage();
// ArrowsPage.cpp
TGalleryPage ArrowsPage();
// ShapePages.cpp; Image is drawn by the image styles and must outlive the page.
TGalleryPage PieSlicesPage();
TGalleryPage ShapeStylesPage(const kw::platform::TBitmap& Image);
TGalleryPage ShapeTypesPage();
TGalleryPage FramesPage();
// ProgressPage.cpp
TGalleryPage ProgressPage();
// UiPages.cpp
TGalleryPage TextWrapPage();
TGalleryPage UiHelpersPage();
TGalleryPage HintWindowsPage();
// SvgIconsPage.cpp
TGalleryPage SvgIconsPage();
// PathToolboxPage.cpp
TGalleryPage PathToolboxPage();

// Gallery.cpp: every page in gallery order; Image is the sample picture (PaintSampleImage)
// that the shape styles page draws.
std::vector<TGalleryPage> AllPages(const kw::platform::TBitmap& Image);

} // namespace kwtool::gallery
