// kwgfx: the library's command-line program.
#include <kwgfx/KwGraphics.h>

#include <cstdio>

int main() {
    kw::TKwRect r(0, 0, 200, 100);
    std::printf("rect %g,%g,%g,%g\n", r.Left, r.Top, r.Right, r.Bottom);
    return 0;
}
