// Program entry: registers the window class, creates the main window and
// runs the message loop until the game posts the quit message.
#include "platform/test_report.h"
#include "platform/win32/window_procedure.h"
#include "resources/resource_ids.h"

#include <windows.h>

namespace {

// Title and class name are loaded from the string table into buffers of
// this many characters.
constexpr int TEXT_BUFFER_LENGTH = 100;

constexpr DWORD MAIN_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
constexpr int INITIAL_WIDTH = 490;
constexpr int INITIAL_HEIGHT = 235;

ATOM RegisterMainWindowClass(HINSTANCE instance, const wchar_t* className) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_LARGE_ICON));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_SMALL_ICON),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass);
}

// Gets, translates and dispatches messages until the quit message, whose
// exit code it returns. The accelerator table sees every message first.
int RunMessageLoop(HINSTANCE instance, HWND mainWindow) {
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorW(mainWindow, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    wchar_t title[TEXT_BUFFER_LENGTH] = {};
    wchar_t className[TEXT_BUFFER_LENGTH] = {};
    LoadStringW(instance, IDS_WINDOW_TITLE, title, TEXT_BUFFER_LENGTH);
    LoadStringW(instance, IDS_WINDOW_CLASS, className, TEXT_BUFFER_LENGTH);

    RegisterMainWindowClass(instance, className);
    HWND mainWindow =
        CreateWindowW(className, title, MAIN_WINDOW_STYLE, CW_USEDEFAULT, 0, INITIAL_WIDTH,
                      INITIAL_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (!mainWindow) {
        return 0;
    }
    ShowWindow(mainWindow, showCommand);
    UpdateWindow(mainWindow);
    TestReport("shown");

    const int exitCode = RunMessageLoop(instance, mainWindow);
    ExitOnce();
    TestReport("exit %d", exitCode);
    return exitCode;
}
