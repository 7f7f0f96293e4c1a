// The print queues on a CUPS server, through libcups: the queues and their
// make and model by CUPS-Get-Printers, one job of one raw document for each
// print, and the job's fate read back from the job and its printer. Never
// through lp or lpstat, whose output is meant for people.
#include <cups/cups.h>
#include <strings.h>

#include <thread>

#include "cli/print_queues.h"
#include "string_texts.h"

namespace {

// Frees what libcups allocated on every path.
struct Response {
    ipp_t* ipp;
    ~Response() { ippDelete(ipp); }
};

std::string text(ipp_t* response, const char* name) {
    const char* value = ippGetString(ippFindAttribute(response, name, IPP_TAG_ZERO), 0, nullptr);
    return value ? value : "";
}

// libcups's words for the last failure; a server that is not there leaves
// only a stale system error behind, so that is said plainly.
std::string lastError() {
    if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE) return "no print server answers there";
    return cupsLastErrorString() ? cupsLastErrorString() : "unknown error";
}

// The server answered, but not with success; "" when it did succeed. A
// missing answer is libcups's own error.
std::string failureOf(ipp_t* response) {
    if (response && ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING) return "";
    return lastError();
}

// CUPS finds a printer by the resource of its URI; the host part is ours.
std::string printerUri(const std::string& queue) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", queue.c_str());
    return uri;
}

ipp_t* printerRequest(ipp_op_t operation, const std::string& queue) {
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(queue).c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    return request;
}

const char* jobStateText(int state) {
    switch (state) {
        case IPP_JSTATE_PENDING:
            return "is still pending";
        case IPP_JSTATE_HELD:
            return "is held";
        case IPP_JSTATE_PROCESSING:
            return "is still printing";
        case IPP_JSTATE_STOPPED:
            return "was stopped";
        case IPP_JSTATE_CANCELED:
            return "was cancelled";
        case IPP_JSTATE_ABORTED:
            return "was aborted";
        default:
            return "is in an unknown state";
    }
}

}  // namespace

bool usePrintServer(const std::string& server, std::string*) {
    // libcups takes HOST:PORT apart itself, and every later request goes there.
    if (!server.empty()) cupsSetServer(server.c_str());
    return true;
}

std::string printServerName() {
    const std::string server = cupsServer();
    // A socket file is the local server; a host is named with its port.
    if (!server.empty() && server[0] == '/') return server;
    return server + ":" + std::to_string(ippPort());
}

std::string noModelQueueText() {
    return "no queue on " + printServerName() + " uses the " + ModelDriverNameText +
           " driver; add a queue of it first (lpadmin -P velmora-dx4170.ppd)";
}

bool listPrintQueues(std::vector<PrintQueue>* queues, std::string* failure) {
    static const char* const wanted[] = {
        "printer-name",  "printer-make-and-model",    "device-uri",
        "printer-state", "printer-is-accepting-jobs", "printer-state-message"};
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  sizeof wanted / sizeof wanted[0], nullptr, wanted);
    Response response{cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/")};
    queues->clear();
    // A server without any queue answers "not found".
    if (response.ipp && ippGetStatusCode(response.ipp) == IPP_STATUS_ERROR_NOT_FOUND) return true;
    if (!(*failure = failureOf(response.ipp)).empty()) {
        *failure = "cannot list the queues of " + printServerName() + ": " + *failure;
        return false;
    }
    // One group of attributes per printer, each starting at its first attribute.
    PrintQueue queue;
    bool open = false;
    auto finish = [&] {
        if (open && !queue.name.empty()) queues->push_back(queue);
        queue = PrintQueue();
        open = false;
    };
    for (ipp_attribute_t* attribute = ippFirstAttribute(response.ipp); attribute;
         attribute = ippNextAttribute(response.ipp)) {
        const char* name = ippGetName(attribute);
        if (!name) {
            finish();
            continue;
        }
        if (ippGetGroupTag(attribute) != IPP_TAG_PRINTER) continue;
        open = true;
        const std::string attributeName = name;
        const char* value = ippGetString(attribute, 0, nullptr);
        if (attributeName == "printer-name" && value)
            queue.name = value;
        else if (attributeName == "device-uri" && value)
            queue.port = value;
        else if (attributeName == "printer-make-and-model" && value)
            queue.model = strcasecmp(value, ModelDriverNameText) == 0;
        else if (attributeName == "printer-state-message" && value)
            queue.stateMessage = value;
        else if (attributeName == "printer-state")
            queue.stopped = ippGetInteger(attribute, 0) == IPP_PSTATE_STOPPED;
        else if (attributeName == "printer-is-accepting-jobs")
            queue.accepting = ippGetBoolean(attribute, 0) != 0;
    }
    finish();
    return true;
}

bool sendRawDocument(const PrintQueue& queue, const std::string& title, const std::string& data, int* job,
                     std::string* failure) {
    const std::string why = queue.stateMessage.empty() ? "" : " (" + queue.stateMessage + ")";
    if (queue.stopped) {
        *failure = "the queue is stopped" + why + "; nothing was sent";
        return false;
    }
    if (!queue.accepting) {
        *failure = "the queue rejects jobs" + why + "; nothing was sent";
        return false;
    }
    *job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.name.c_str(), title.c_str(), 0, nullptr);
    if (*job <= 0) {
        *failure = "cannot create a job: " + lastError();
        return false;
    }
    // The document as it is, named as the job is: the printer takes its own commands.
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.name.c_str(), *job, title.c_str(), CUPS_FORMAT_RAW, 1) !=
            HTTP_STATUS_CONTINUE ||
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, data.data(), data.size()) != HTTP_STATUS_CONTINUE) {
        *failure = "cannot send job " + std::to_string(*job) + ": " + lastError();
        cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.name.c_str());
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.name.c_str(), *job, 0);
        return false;
    }
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.name.c_str()) > IPP_STATUS_OK_CONFLICTING) {
        *failure = "job " + std::to_string(*job) + " was not accepted: " + lastError();
        return false;
    }
    return true;
}

bool waitForJob(const PrintQueue& queue, int job, std::chrono::steady_clock::time_point deadline,
                std::string* failure) {
    static const char* const wanted[] = {"job-state", "job-printer-state-message"};
    const std::string name = "job " + std::to_string(job);
    for (;;) {
        ipp_t* request = printerRequest(IPP_OP_GET_JOB_ATTRIBUTES, queue.name);
        ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
        ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                      sizeof wanted / sizeof wanted[0], nullptr, wanted);
        Response response{cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/")};
        if (!(*failure = failureOf(response.ipp)).empty()) {
            *failure = "cannot follow " + name + ": " + *failure;
            return false;
        }
        const int state = ippGetInteger(ippFindAttribute(response.ipp, "job-state", IPP_TAG_ENUM), 0);
        if (state == IPP_JSTATE_COMPLETED) return true;
        const bool over =
            state == IPP_JSTATE_STOPPED || state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED;
        if (over || std::chrono::steady_clock::now() >= deadline) {
            // The printer's message as the job ended, else as it is now.
            std::string message = text(response.ipp, "job-printer-state-message");
            if (message.empty()) {
                Response printer{cupsDoRequest(
                    CUPS_HTTP_DEFAULT, printerRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, queue.name), "/")};
                message = text(printer.ipp, "printer-state-message");
            }
            *failure = name + " " + jobStateText(state) + (over ? "" : " at the time limit") +
                       (message.empty() ? "" : ": " + message);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
