// The window's placement when its own move takes it to a monitor of another
// scale: the system's WM_DPICHANGED, with the outer size it suggests, comes
// inside MoveWindow, as it does when a move crosses monitors.
#include "platform/desktop.h"
#include "platform/win32/window.h"
#include "platform/win32/window_handle.h"
#include "resources/resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

namespace {

UINT dpiAfterNextMove = 0; // none: the next move stays on its monitor

LRESULT CALLBACK CrossingProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGED && dpiAfterNextMove) {
        const UINT dpi = std::exchange(dpiAfterNextMove, 0u);
        RECT suggested;
        GetWindowRect(hwnd, &suggested);
        const int from = DisplayScale();
        const int to = ScaleForDpi(dpi);
        suggested.right = suggested.left + (suggested.right - suggested.left) * to / from;
        suggested.bottom = suggested.top + (suggested.bottom - suggested.top) * to / from;
        ApplyDpiChange(hwnd, dpi, suggested);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

TEST(Placement, EndsFittedToTheScaleThatTheMoveBrought) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = CrossingProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"placement";
    RegisterClassW(&windowClass);
    HWND hwnd = CreateWindowW(L"placement", L"", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 0, 0, 490,
                              235, nullptr, LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAIN_MENU)),
                              instance, nullptr);
    ASSERT_TRUE(hwnd);
    const WindowPlacement mini = {395, 394, 490, 235, 470, 186};
    for (const auto& [from, to] : {std::pair{96u, 192u}, std::pair{192u, 96u}}) {
        SCOPED_TRACE(testing::Message() << from << " to " << to << " DPI");
        SetDisplayScale(ScaleForDpi(from));
        dpiAfterNextMove = to;
        DesktopPlaceWindow(ToWindowHandle(hwnd), mini);
        RECT client;
        GetClientRect(hwnd, &client);
        ASSERT_EQ(DisplayScale(), ScaleForDpi(to));
        // Enlarged, the client area is the drawing's; at 1x it holds the
        // drawing without the room of the 2x one.
        if (to == 192) {
            EXPECT_EQ(client.right, 940);
            EXPECT_EQ(client.bottom, 372);
        } else {
            EXPECT_TRUE(client.right >= 470 && client.right < 600) << client.right;
            EXPECT_TRUE(client.bottom >= 186 && client.bottom < 300) << client.bottom;
        }
    }
    DestroyWindow(hwnd);
}
