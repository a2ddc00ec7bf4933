// SPDX-License-Identifier: MIT
// Window handles: messages, the default close, destroying, and handles never reused.
#include <kwgfx/platform/windowing/WindowHandles.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace kw::platform;

TEST(WindowHandles, MessagesCloseAndDestroy) {
    std::vector<uint32_t> received;
    const HWND stubborn = CreateWindowHandle([&](HWND, uint32_t Msg, WPARAM, LPARAM) -> LRESULT {
        received.push_back(Msg);
        return 7; // handles WM_CLOSE itself by staying open
    });
    const HWND plain = CreateWindowHandle();
    EXPECT_NE(stubborn, plain);
    EXPECT_EQ(SendMessage(stubborn, WM_CLOSE, 0, 0), 7);
    EXPECT_TRUE(IsWindow(stubborn));
    EXPECT_EQ(SendMessage(plain, WM_CLOSE, 0, 0), 0); // default handling destroys it
    EXPECT_FALSE(IsWindow(plain));
    EXPECT_EQ(SendMessage(plain, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(DestroyWindow(stubborn));
    EXPECT_EQ(received, (std::vector<uint32_t>{WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(DestroyWindow(stubborn));
    EXPECT_FALSE(DestroyWindow(GetDesktopWindow()));
    // Handles are not reused.
    const HWND next = CreateWindowHandle();
    EXPECT_NE(next, stubborn);
    EXPECT_NE(next, plain);
    DestroyWindow(next);
}
