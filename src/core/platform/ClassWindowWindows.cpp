// The hidden window of a known class by which a later start finds the running program.
#include "core/platform/ClassWindowWindows.h"
#include "core/platform/Utf16Windows.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace clipvane::platform {

namespace {
struct ClassWindowTarget {
    unsigned message = 0;
    MessageCallback onMessage = nullptr;
    void* context = nullptr;
    DataCallback onData = nullptr;
    unsigned quitMessage = 0;
    MessageCallback onQuit = nullptr;
};

LRESULT CALLBACK ClassWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (const auto* target =
                   reinterpret_cast<const ClassWindowTarget*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
               target && message == target->message) {
        target->onMessage(target->context);
        return 0;
    } else if (target && message == WM_COPYDATA && target->onData) {
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!copy || copy->dwData != target->message)
            return FALSE;
        target->onData(target->context, static_cast<const char*>(copy->lpData), copy->cbData);
        return TRUE;
    } else if (target && target->quitMessage != 0 && message == target->quitMessage && target->onQuit) {
        target->onQuit(target->context);
        return 0;
    } else if (message == WM_NCDESTROY) {
        delete target;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}
} // namespace

Handle CreateClassWindow(const std::string& className, unsigned message, MessageCallback onMessage,
                         void* context, DataCallback onData, unsigned quitMessage, MessageCallback onQuit) {
    const std::wstring name = Wide(className);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ClassWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name.c_str();
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return kNoHandle;
    // Top-level, so FindWindow sees it (a message-only window it would not); never shown.
    auto* target = new ClassWindowTarget{message, onMessage, context, onData, quitMessage, onQuit};
    HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, name.c_str(), L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                    nullptr, windowClass.hInstance, target);
    if (!window)
        delete target;
    return window;
}

void DestroyClassWindow(Handle& window) {
    if (window)
        ::DestroyWindow(static_cast<HWND>(window));
    window = kNoHandle;
}

namespace {
// Windows lets only the foreground process hand the foreground on; a later start is it.
HWND ClassWindowLettingItForward(const std::string& className) {
    HWND window = ::FindWindowW(Wide(className).c_str(), nullptr);
    if (!window)
        return nullptr;
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    ::AllowSetForegroundWindow(owner);
    return window;
}
} // namespace

bool PostToClassWindow(const std::string& className, unsigned message) {
    HWND window = ClassWindowLettingItForward(className);
    return window && ::PostMessageW(window, message, 0, 0) != 0;
}

bool SendToClassWindow(const std::string& className, unsigned message, const std::string& data) {
    HWND window = ClassWindowLettingItForward(className);
    if (!window)
        return false;
    COPYDATASTRUCT copy{};
    copy.dwData = message;
    copy.cbData = static_cast<DWORD>(data.size());
    copy.lpData = const_cast<char*>(data.data());
    DWORD_PTR taken = FALSE;
    // A window busy for longer (or hung) is treated as not answering, as a missing one is.
    return ::SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_ABORTIFHUNG,
                                 5000, &taken) != 0 &&
           taken == TRUE;
}

} // namespace clipvane::platform
