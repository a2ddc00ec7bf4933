// SPDX-License-Identifier: MIT
// The progress page: ProgressCircle, ProgressPie and ProgressRect at several positions,
// shapes, directions and colour lists.
#include "GalleryLabels.h"
#include "GalleryPages.h"

#include <kwgfx/drawing/ColorSchemes.h>
#include <kwgfx/drawing/Progress.h>

#include <string>

namespace kwtool::gallery {

using namespace kw;
using platform::TCanvas;

TGalleryPage ProgressPage() {
    TGalleryPage page("progress.png", "Progress indicators", 4, 190, 150, 9);
    const TColors palette(DefaultColorList.begin(), DefaultColorList.end());
    const TColors blues(BluesColorList.begin(), BluesColorList.end());
    const TColors reds(RedsColorList.begin(), RedsColorList.end());
    for (int position : {25, 60, 100})
        page.Add([=](TCanvas& C, const TRect& A) {
            ProgressCircle(C, A, 4, position, 0, 100, palette, true, 12, sCircle, soUp, false, 0, 2,
                           pdForward, dtAllProgress);
            return "ProgressCircle(" + RectText(A) + ", Margin 4, Position " +
                   std::to_string(position) +
                   ", 0, 100, DefaultColorList, PenToo, Steps 12, sCircle, soUp, Is3D False, "
                   "Depth 0, Spacing 2, pdForward, dtAllProgress)";
        });
    page.Add([=](TCanvas& C, const TRect& A) {
        ProgressCircle(C, A, 2, 70, 0, 100, reds, false, 10, sIsoscelesTriangle, soUp, true, 3, 4,
                       pdBackward, dtCurrentProgress);
        return "ProgressCircle(" + RectText(A) +
               ", Margin 2, Position 70, 0, 100, RedsColorList, PenToo False, Steps 10, "
               "sIsoscelesTriangle, soUp, Is3D True, Depth 3, Spacing 4, pdBackward, "
               "dtCurrentProgress)";
    });
    for (int position : {30, 70, 100})
        page.Add([=](TCanvas& C, const TRect& A) {
            ProgressPie(C, A, 0, position, 0, 100, blues, false, 10, 6, pdForward, dtAllProgress);
            return "ProgressPie(" + RectText(A) + ", Margin 0, Position " +
                   std::to_string(position) +
                   ", 0, 100, BluesColorList, PenToo False, Steps 10, GapAngle 6, pdForward, "
                   "dtAllProgress)";
        });
    page.Add([=](TCanvas& C, const TRect& A) {
        ProgressPie(C, A, 0, 40, 0, 100, blues, true, 10, 0, pdBackward, dtAllProgress);
        return "ProgressPie(" + RectText(A) +
               ", Margin 0, Position 40, 0, 100, BluesColorList, PenToo, Steps 10, GapAngle 0, "
               "pdBackward, dtAllProgress)";
    });
    for (int position : {30, 100})
        page.Add([=](TCanvas& C, const TRect& A) {
            const TRect bar(A.Left, A.Top + 55, A.Right, A.Top + 95);
            ProgressRect(C, bar, 3, position, 0, 100, palette, true, 8, sRect, soUp, true, 2, 2,
                         poHorizontal, pdForward, dtAllProgress);
            return "ProgressRect(" + RectText(bar) + ", Margin 3, Position " +
                   std::to_string(position) +
                   ", 0, 100, DefaultColorList, PenToo, Steps 8, sRect, soUp, Is3D True, "
                   "Depth 2, Spacing 2, poHorizontal, pdForward, dtAllProgress)";
        });
    page.Add([=](TCanvas& C, const TRect& A) {
        const TRect bar(A.Left + 50, A.Top, A.Left + 100, A.Bottom);
        ProgressRect(C, bar, 2, 60, 0, 100, reds, false, 6, sIsoscelesTriangle, soUp, false, 0, 3,
                     poVertical, pdBackward, dtAllProgress);
        return "ProgressRect(" + RectText(bar) +
               ", Margin 2, Position 60, 0, 100, RedsColorList, PenToo False, Steps 6, "
               "sIsoscelesTriangle, soUp, Is3D False, Depth 0, Spacing 3, poVertical, "
               "pdBackward, dtAllProgress)";
    });
    page.Add([=](TCanvas& C, const TRect& A) {
        const TRect bar(A.Left, A.Top + 60, A.Right, A.Top + 90);
        ProgressRect(C, bar, 0, 50, 0, 100, blues, true, 10, sCircle, soUp, false, 0, 1,
                     poHorizontal, pdBackward, dtCurrentProgress);
        return "ProgressRect(" + RectText(bar) +
               ", Margin 0, Position 50, 0, 100, BluesColorList, PenToo, Steps 10, sCircle, soUp, "
               "Is3D False, Depth 0, Spacing 1, poHorizontal, pdBackward, dtCurrentProgress)";
    });
    return page;
}

} // namespace kwtool::gallery
