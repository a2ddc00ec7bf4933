// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Threads: what the library's objects and globals allow. This header holds no code; it is
/// the one place that says it, and the headers it names repeat their part.
///
/// The library runs on the caller's thread and starts none of its own. Its geometry, path,
/// drawing and raster-canvas code may run on many threads at once, each with its own
/// objects: a batch renderer that gives every thread its own paths, bitmaps and streams
/// needs no lock. The user-interface half must stay on one thread. The threads stress test
/// (tests/threads/) checks the first promise under ThreadSanitizer.
///
/// 1. Free on any thread, shared or not
///    - Value types: points, rects, sizes, matrices, vectors, colours, path entries,
///      TKwSvgPathResult. Copy them freely.
///    - Free functions of geometry/, path/ and drawing/ (conversions, point and rect
///      operations, transforms, text of points and paths, spline sampling, the drawing
///      routines): they read their arguments and the constants of section 4 only. A
///      drawing routine uses its canvas (section 3).
///    - Locale comparison and text boundaries (platform/text/): ICU's normalisers are
///      shared, as ICU allows; collators and break iterators are one per thread.
///
/// 2. Shared read-only
///    - TKwPathData (path/KwPathData.h): its const members may run on several threads at
///      once on one path: bounds (its cache fills without a race, path/KwPathValueCache.h),
///      tight bounds, path text and SVG text, WritePath, FlattenToPolygon, ToPolygons,
///      PointInPath, and DrawPath, FillPath and FillPathArea onto each thread's own
///      canvas. A mutating member (building commands, SetPathString, SetSvgPathString,
///      ReadPath, transforms, Flatten, Assign, moves, update brackets, SetOnChanged) needs the
///      path to itself: no other thread may use that path meanwhile. OnChanged runs on the
///      mutating thread.
///    - The constant tables of section 4.
///
/// 3. One thread at a time
///    Everything else with state: canvases (TCairoCanvas, TRecordingCanvas), TBitmap (also
///    as the picture that Draw, StretchDraw or an image shape reads: Cairo and pixman do
///    not promise that one image may be read by several threads at once), pens, brushes, fonts,
///    streams, filers, readers and writers, persistent geometry objects. One may be handed to
///    another thread when the first is done with it and the hand-over synchronises (a join, a queue
///    with a lock). Destroying a canvas on any thread is fine, also while the user-interface thread
///    uses its screen device.
///
/// 4. Globals, and when they are written
///    - USFormatSettings and the load counter of the unit KwGraphics
///      (geometry/KwConstants.h, geometry/KwGraphicsUnit.h): written by the unit's start-up
///      and shutdown, that is during static initialisation and at exit, and by the
///      package's KwVclCommonLoad / KwVclCommonUnload (KwVclCommon.h). Load and unload
///      only while no other thread uses the library; in between they are read-only.
///    - The load counter of KwVclHelperFunctions and the help viewer it holds
///      (ui/KwHelpViewer.h): user-interface thread.
///    - The random seed (platform/base/Random.h): written by SetRandSeed, Randomize, Random
///      and RandomFloat; the grid sort (ui/) draws its pivots from it. One thread.
///    - The screen font device (platform/graphics/ScreenFont.h): registered and asked on
///      the user-interface thread (the rotated-font helpers of ui/ ask it); the pointer is
///      atomic because every canvas checks it when it is destroyed, on any thread.
///    - The singletons Application() and Screen() (platform/windowing/), the window
///      handle table, the class registry, the read-only registry, the dynamic library
///      loader and the message dialog's sink: made on first use (that much is safe), then
///      user-interface thread only. The message loop's Post and Terminate are the
///      exceptions: any thread (platform/windowing/MessageLoop.h).
///    - Constant after static initialisation, readable from any thread: colour lists and
///      schemes, colour names and identifiers, the system colour table,
///      DefaultWrapBreakChars, KwIdentityMatrix, the class records.
///    - The raster canvas's text through Pango shares one Pango font map and the fonts
///      asked for between all canvases, behind one lock that every text call takes: text on
///      several threads at once is safe and takes turns. Pango itself starts short-lived
///      helper threads for its fontconfig queries, the only threads not the caller's.
///      Cairo, fontconfig and FreeType keep process-wide font and face caches behind their
///      own locks. ReleaseCairoStaticData() (backends/cairo/CairoStaticData.h) empties
///      them: call it once at the very end, when no thread draws any more.
///
/// 5. The user-interface half
///    ui/ and the rooms windowing/, controls/ and system/ of platform/: hint windows,
///    timers, the message loop, controls, tree views, grids, menus, the help viewer, font
///    rotation and labels. One thread, the one that runs the message loop.
