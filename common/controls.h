// Thin wrappers around the messages the program's lists, edit fields and
// up-down controls answer. Each platform quirk is handled and described here,
// once, so that page loading, the control rules and the dialogs can state
// what they want.
// Every function takes the dialog and a control id; a missing control makes
// the wrappers do nothing and read as empty (no selection, position 0).
#pragma once

#include <windows.h>

#include <string>

// The dialog's control with this id, or null. Cheaper than GetDlgItem when
// asked again for the same control, as the page switch and the rules do.
HWND dialogControl(HWND window, int id);

// ---- Drop-down lists ------------------------------------------------------

// Empties the list, then appends `count` string resources with consecutive
// ids from `firstStringId`. The lists are unsorted, so an entry's index is the
// order in which it was added.
void fillList(HWND window, int listId, UINT firstStringId, int count);

// The first string id of the run fillList last put into the list, or 0 when
// it is not known (a list no fillList has filled since the window opened).
UINT listFirstString(HWND window, int listId);

// Selects entry `index`. A negative index, or one at or past the end, leaves
// the list with no entry selected (an empty box).
void selectListEntry(HWND window, int listId, int index);

// The selected entry's index, or CB_ERR (-1) when the list shows no entry.
int listSelection(HWND window, int listId);

// The number of entries (0 for a missing control).
int listCount(HWND window, int listId);

// ---- Any control ----------------------------------------------------------

// Enables or disables a control; a disabled control takes no input and
// keeps its value.
void enableControl(HWND window, int id, bool enabled);

// ---- Numeric entries: an edit field with an up-down bound to it -----------

// Prepares a numeric entry: the field takes at most `maxChars` characters,
// the up-down is bound to the field and gets the range low .. high. Neither
// the position nor the field's text changes.
void setupNumericEntry(HWND window, int editId, int spinId, int maxChars, int low, int high);

// Sets the up-down's range only (the position is not clamped to it).
void setSpinRange(HWND window, int spinId, int low, int high);
void spinRange(HWND window, int spinId, int* low, int* high);

// Sets the up-down's position, which the control clamps to its range and
// writes into its bound field.
void setSpinPosition(HWND window, int spinId, int position);

// The up-down's position as the control keeps it (not parsed from the field).
int spinPosition(HWND window, int spinId);

// At most `maxChars` characters of a field's text.
std::string fieldText(HWND window, int editId, int maxChars);

// Writes a number into a field as plain decimal text.
void setFieldNumber(HWND window, int editId, int value);
