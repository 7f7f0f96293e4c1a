// Real failures of Wine's spooler. Wine keeps a job's data in a spool file
// named after the job's number and numbers each process's jobs from 1;
// something in the way where the next spool file will be created makes
// StartDocPrinterA or WritePrinter fail inside the real spooler.
#pragma once

#include <string>

// The Windows path of this process's next spool file, learnt by adding (and
// leaving unused) one job on `queue`, with an earlier run's file removed.
// Empty on failure.
std::string nextSpoolFilePath(const std::string& queue);

// Plants a symbolic link to /dev/full at `path`, where every write fails with
// "disk full", and removes it again. Wine can neither make nor delete a link
// to a device, so one Unix shell does both: on 32-bit Wine the test's own
// output is lost after a second Unix program has been started. The shell
// gives up waiting after a minute. Reading /dev/full never ends: plant it
// only for a job whose port cannot be opened, so the spooler never reads it.
bool linkToDevFull(const std::string& path);
bool removeDevFullLink(const std::string& path);
