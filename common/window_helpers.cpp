#include "common/window_helpers.h"

#include <cstdarg>
#include <vector>

#include "resource.h"

namespace {
HINSTANCE instanceHandle = nullptr;
constexpr int StringBufferSize = 260;
// wsprintf never writes more than 1024 characters.
constexpr int MessageBufferSize = 1025;
// The longest path the platform has, in characters.
constexpr DWORD LongestModulePath = 32768;
}  // namespace

char productCaption[255] = "";

HINSTANCE appInstance() { return instanceHandle ? instanceHandle : GetModuleHandleA(nullptr); }

void setAppInstance(HINSTANCE instance) { instanceHandle = instance; }

// The executable's own full path, or "" when it cannot be had whole. When the
// path fills the buffer it may have been cut (and left unterminated on older
// systems), so the call is repeated with a larger buffer rather than
// trusting it.
std::string executablePath() {
    for (DWORD size = MAX_PATH + 1; size <= LongestModulePath; size *= 2) {
        std::vector<char> buffer(size);
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0) return std::string();
        if (length < size) return std::string(buffer.data(), length);
    }
    return std::string();
}


std::string loadString(UINT id) {
    char buffer[StringBufferSize];
    int length = LoadStringA(appInstance(), id, buffer, StringBufferSize);
    if (length <= 0) return std::string();
    if (length >= StringBufferSize) length = StringBufferSize - 1;
    return std::string(buffer, static_cast<size_t>(length));
}

void loadProductCaption() {
    if (LoadStringA(appInstance(), IDS_PRODUCT_CAPTION, productCaption, sizeof productCaption) <= 0)
        productCaption[0] = '\0';
}

bool centerWindowOnScreen(HWND window) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int captionHeight = GetSystemMetrics(SM_CYCAPTION);
    if (screenWidth <= 0 || screenHeight <= 0 || captionHeight < 0) return false;
    RECT client;
    if (!GetClientRect(window, &client)) return false;
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    const int x = w < screenWidth ? (screenWidth - w) / 2 : 0;
    const int y = h + captionHeight < screenHeight ? (screenHeight - h - captionHeight) / 2 : 0;
    return SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != 0;
}

namespace {
std::string formatArguments(UINT textId, va_list args) {
    const std::string format = loadString(textId);
    char text[MessageBufferSize];
    wvsprintfA(text, format.c_str(), args);
    return text;
}
}  // namespace

std::string formatString(UINT textId, ...) {
    va_list args;
    va_start(args, textId);
    std::string text = formatArguments(textId, args);
    va_end(args);
    return text;
}

void reportError(HWND owner, UINT textId, ...) {
    va_list args;
    va_start(args, textId);
    const std::string text = formatArguments(textId, args);
    va_end(args);
    reportErrorText(owner, text);
}

namespace {
// A dialog may report before the main window has loaded the caption.
const char* messageCaption() {
    if (productCaption[0] == '\0') loadProductCaption();
    return productCaption;
}
}  // namespace

void reportErrorText(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), messageCaption(), MB_OK | MB_ICONERROR);
}

bool askYesNo(HWND owner, UINT textId) {
    return MessageBoxA(owner, loadString(textId).c_str(), messageCaption(), MB_YESNO) == IDYES;
}
