// Answers the modal dialogs and message boxes that the code under test opens
// on the test's own thread. A thread timer runs inside whatever modal loop is
// active; each new top-level dialog (class #32770) of this thread is handed to
// the next queued handler, which may read and drive it and then press a
// button. A dialog nobody expected is recorded and closed, so a test fails
// instead of hanging.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct ControlSnapshot {
    int id;
    std::string className;
    std::string text;
    bool enabled;
    bool visible;
};

struct DialogSnapshot {
    std::string caption;
    std::string text;  // a message box's message; "" for other dialogs
    bool stopIcon = false;
    bool hasIcon = false;
    std::vector<ControlSnapshot> controls;
    bool expected = true;

    const ControlSnapshot* control(int id) const;
    // The ids of the push buttons, in child order (IDOK, IDYES, ...).
    std::vector<int> buttons() const;
};

DialogSnapshot snapshotDialog(HWND dialog);
// Posts the click of button `id` to `dialog`, as a user's click arrives.
void pressButton(HWND dialog, int id);

class DialogWatcher {
public:
    using Handler = std::function<void(HWND dialog)>;

    DialogWatcher();
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Queue a handler for the next dialog that appears.
    void expect(Handler handler);
    // Queue: snapshot the next dialog, then press `button`.
    void answer(int button);
    // Never treat `window` as a new dialog (a modeless window the test made).
    void ignore(HWND window) { known_.push_back(window); }

    // Every dialog seen so far, in order, expected or not.
    const std::vector<DialogSnapshot>& seen() const { return seen_; }
    size_t pending() const { return handlers_.size(); }

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void poll();

    UINT_PTR timer_ = 0;
    std::vector<Handler> handlers_;
    std::vector<HWND> known_;
    std::vector<DialogSnapshot> seen_;
};
