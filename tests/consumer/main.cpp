// A program outside the library's tree, built against an installed copy.
#include <kwgfx/KwGraphics.h>

#include <cstdio>

int main() {
    const kw::TKwPoint p = kw::KwPoint(3.0f, -1.5f);
    const std::string text = kw::KwPointToString(p);
    std::printf("%s\n", text.c_str());
    return text == "(3,-1.5)" ? 0 : 1;
}
