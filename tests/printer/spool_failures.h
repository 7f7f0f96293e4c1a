// Real failures of Wine's spooler, for the tests of Send Settings. Wine keeps
// a job's data in a spool file named after the job's number, and numbers the
// jobs of each process from 1; putting something unwritable where the next
// spool file will be created makes StartDocPrinterA or WritePrinter fail
// inside the real spooler.
#pragma once

#include <string>

// The Windows path of the spool file of this process's next job, learnt by
// adding (and leaving unused) one job on `queue`, with any stale file there
// removed. Empty on failure.
std::string nextSpoolFilePath(const std::string& queue);

// Makes `path` a Unix symbolic link to /dev/full, where every write fails
// with "disk full". Reading /dev/full never ends, so a test must only use it
// for a job whose port cannot be opened: the spooler then never reads it.
bool linkToDevFull(const std::string& path);

// Removes every symbolic link from the spool directory (Wine cannot delete a
// link to a device itself), so no later job of any test meets /dev/full.
bool removeSpoolLinks();
