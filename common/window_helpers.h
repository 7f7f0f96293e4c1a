// Small helpers every window and dialog of the program shares: the instance
// that resources come from, string loading, the product caption, centring,
// and the one shape of a message box.
#pragma once

#include <windows.h>

#include <string>

// The module the templates, strings and icon are loaded from. Set once at
// start-up; until then (tests) it is the executable's own module.
HINSTANCE appInstance();
void setAppInstance(HINSTANCE instance);

// The executable's own full path, or "" when it cannot be had whole.
std::string executablePath();

// A string resource, loaded into a buffer of 260 characters (the longest list
// entry text the program uses); an unknown id gives "".
std::string loadString(UINT id);

// The caption of every message box: string 415, at most 254 characters.
extern char productCaption[255];
void loadProductCaption();

// Moves `window` so that its client area is centred on the screen; false
// (and nothing moved) when the screen metrics are unusable.
bool centerWindowOnScreen(HWND window);

// The string `textId` formatted wsprintf-style with the arguments; wsprintf
// writes at most 1024 characters.
std::string formatString(UINT textId, ...);

// The error report: the string `textId` formatted wsprintf-style with the
// arguments, owned by `owner`, caption productCaption, stop icon, OK only.
void reportError(HWND owner, UINT textId, ...);
// The same report of a text already filled in.
void reportErrorText(HWND owner, const std::string& text);

// A question with Yes and No and no icon; true on Yes.
bool askYesNo(HWND owner, UINT textId);
