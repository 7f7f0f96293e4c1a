// Send Settings: the program's main job. Finds the model's printer, packs
// the pages into a copy of the current block, sends the copy as the transfer
// stream in one spooler document, then makes it current and stores it.
#pragma once

#include <windows.h>

#include <string>

#include "printer/print_job.h"
#include "settings/settings_block.h"

// Reads what the pages show at this moment. Called only once the printer is
// open, so the choices packed are those on view when the job is written.
using ReadPageChoices = PageChoices (*)(HWND window);

// True when the stream was handed to the spooler and the block stored; false
// when it stopped early (every false has been reported or was a Cancel).
bool sendSettings(HWND owner, ReadPageChoices readChoices);

// The one way a block reaches a printer: encoded as the transfer stream and
// written as one spooler document named "print command". The window writes
// to the queue it has opened; the command line names the queue.
PrintJobResult writeSettingsDocument(HANDLE printer, const SettingsBlock& block);
PrintJobResult sendBlockToQueue(const std::string& queueName, const SettingsBlock& block);
