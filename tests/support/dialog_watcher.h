// Answers the modal dialogs and message boxes that the code under test opens
// on the test's own thread, and reads controls the way a user sees them. A
// thread timer runs inside whatever modal loop is active; each new dialog
// (class #32770) of this thread goes to the next queued handler. A dialog
// nobody expected fails the test where it is seen and is closed, so a test
// never hangs; a handler still queued when the watcher ends fails it too.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "remote_window.h"  // controlText, listEntries, selectedText

struct DialogSnapshot {
    std::string caption;
    std::string text;  // a message box's message; "" for other dialogs
    bool hasIcon = false;
    bool stopIcon = false;
    std::vector<int> buttons;  // the visible push buttons' ids, in child order
};

// Presses a button as a user can: only one that is there, enabled and
// visible. Any other press fails the test and closes the dialog instead.
void pressButton(HWND dialog, int id);

class DialogWatcher {
public:
    using Handler = std::function<void(HWND dialog)>;
    DialogWatcher();
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    void expect(Handler handler);  // for the next dialog that appears
    void answer(int button) {      // snapshot the next dialog, press `button`
        expect([button](HWND dialog) { pressButton(dialog, button); });
    }
    void ignore(HWND window) { known_.push_back(window); }
    const std::vector<DialogSnapshot>& seen() const { return seen_; }

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void poll();

    UINT_PTR timer_ = 0;
    std::vector<Handler> handlers_;
    std::vector<HWND> known_;
    std::vector<DialogSnapshot> seen_;
};
