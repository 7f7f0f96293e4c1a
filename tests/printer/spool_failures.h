// Real failures of Wine's spooler. Wine keeps a job's data in a spool file
// named after the job's number and numbers each process's jobs from 1;
// something in the way where the next spool file will be created makes
// StartDocPrinterA or WritePrinter fail inside the real spooler.
#pragma once

#include <string>

// The Windows path of this process's next spool file, learnt by adding (and
// leaving unused) one job on `queue`, with whatever an earlier run left there
// removed. Empty on failure.
std::string nextSpoolFilePath(const std::string& queue);

// Plants (or removes) a symbolic link to /dev/full at `path`, where every
// write fails with "disk full" (Wine cannot delete a link to a device
// itself). Reading /dev/full never ends: plant it only for a job whose port
// cannot be opened, so the spooler never reads it.
bool linkToDevFull(const std::string& path, bool plant = true);
