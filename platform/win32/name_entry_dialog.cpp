// The modal name-entry dialog: the template comes from the resource script,
// this file fills it in and takes the typed name out.
#include "platform/win32/name_entry_dialog.h"

#include "platform/desktop.h"
#include "platform/test_report.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_handle.h"
#include "resources/resource_ids.h"
#include "store/shift_jis.h"

#include <string>

namespace {

// What one run of the dialog works on; the dialog keeps a pointer to it.
struct NameEntryRequest {
    const char* initialName;
    char* typed;
    int typedSize;
    bool accepted;
};

void FillInitialName(HWND dialog, const char* initialName) {
    if (initialName[0] == '\0') {
        return;
    }
    SetDlgItemTextW(dialog, IDC_NAME_EDIT, WideFromShiftJis(initialName).c_str());
    SendDlgItemMessageW(dialog, IDC_NAME_EDIT, EM_SETSEL, 0, -1);
}

void TakeTypedName(HWND dialog, NameEntryRequest* request) {
    HWND edit = GetDlgItem(dialog, IDC_NAME_EDIT);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
    StoreTypedName(text.c_str(), request->typed, request->typedSize);
    request->accepted = true;
}

INT_PTR CALLBACK NameEntryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* request = reinterpret_cast<NameEntryRequest*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        FillInitialName(dialog, reinterpret_cast<NameEntryRequest*>(lParam)->initialName);
        SetFocus(GetDlgItem(dialog, IDC_NAME_EDIT));
        return FALSE; // the focus is set
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            TakeTypedName(dialog, request);
            EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

} // namespace

void StoreTypedName(const wchar_t* text, char* typed, int typedSize) {
    if (typedSize <= 0) {
        return;
    }
    const std::string shiftJis = ShiftJisFromWide(text);
    CopyShiftJisCut(typed, static_cast<size_t>(typedSize), shiftJis.c_str());
}

bool DesktopNameEntryDialog(WindowHandle window, const char* initialName, char* typed,
                            int typedSize) {
    NameEntryRequest request = {initialName, typed, typedSize, false};
    TestReport("dialog name-entry");
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_NAME_ENTRY), ToHwnd(window),
                    NameEntryProc, reinterpret_cast<LPARAM>(&request));
    TestReport("dialog closed %s", request.accepted ? "ok" : "cancel");
    return request.accepted;
}
