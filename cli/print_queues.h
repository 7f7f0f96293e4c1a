// The print queues quillset reaches, one side chosen by the build: the Win32
// spooler in quillset.exe, a CUPS server in the native program. The commands
// choose the queues and word the messages; a side only asks the system and
// returns what it answered. Failures come back as text, never printed here.
#pragma once

#include <chrono>
#include <string>
#include <vector>

struct PrintQueue {
    std::string name;          // the system's own name for the queue, as it spells it
    std::string port;          // where it prints: the spooler's port, or CUPS's device URI
    bool model = false;        // its driver (make and model) is the model's, ignoring case
    bool accepting = true;     // false when it rejects jobs
    bool stopped = false;      // true when it holds its jobs instead of printing them
    std::string stateMessage;  // what the system last said about it, if anything
};

// Where the queues are: "" leaves the system's own choice (on CUPS, the
// CUPS_SERVER variable or the local server); HOST[:PORT] names a print
// server. False with the reason when the side cannot reach one by name.
bool usePrintServer(const std::string& server, std::string* failure);

// The name of the print server the queues are on, for messages.
std::string printServerName();

// Why no queue of the model is there to use, and what to do about it.
std::string noModelQueueText();

// Every queue, in the system's order. False with the reason when the system
// could not be asked; no queue at all is an empty list.
bool listPrintQueues(std::vector<PrintQueue>* queues, std::string* failure);

// One raw document named `title`, holding `data` unchanged, as one job on
// `queue`. A queue that is stopped or rejects jobs fails before anything is
// sent. On success `job` is the job's id.
bool sendRawDocument(const PrintQueue& queue, const std::string& title, const std::string& data, int* job,
                     std::string* failure);

// Waits until job `job` of `queue` has completed. False with the reason
// (the job's state and the printer's message) when it was stopped, aborted
// or cancelled, or has not completed by `deadline`.
bool waitForJob(const PrintQueue& queue, int job, std::chrono::steady_clock::time_point deadline,
                std::string* failure);
