// The CUPS side of the print queues against the tests' own cupsd: the
// model's queues by their make and model, and a raw document's bytes as
// they arrive at the capture backend.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "cli/print_queues.h"

namespace {

std::string captured(const std::string& name) {
    std::ifstream file(std::string(CUPS_DIR "/local/capture/") + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(CupsQueues, FindTheModelAndPassBytesUnchanged) {
    setenv("CUPS_SERVER", CUPS_DIR "/local/cups.sock", 1);
    std::vector<PrintQueue> queues;
    std::string failure, listed;
    ASSERT_TRUE(listPrintQueues(&queues, &failure)) << failure;
    for (const PrintQueue& queue : queues)
        listed += queue.name + (queue.model ? "*" : "") + (queue.stopped ? "!" : "") +
                  (queue.accepting ? "" : "-") + " ";
    EXPECT_EQ(listed, "Closed- Jammed Office* Paused! Plain Store* ");
    const struct {
        size_t queue;
        bool sent, completed;
        const char* failure;
    } cases[] = {
        {2, true, true, ""},
        {1, true, false, "was aborted: the capture device is out of paper"},
        {3, false, false, "the queue is stopped (Paused by hand); nothing was sent"},
        {0, false, false, "the queue rejects jobs (Closed by hand); nothing was sent"},
    };
    std::string bytes(300, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    for (const auto& c : cases) {
        int job = 0;
        failure.clear();
        const PrintQueue& queue = queues.at(c.queue);
        const bool sent = sendRawDocument(queue, "print command", bytes, &job, &failure);
        EXPECT_EQ(sent, c.sent) << queue.name;
        EXPECT_EQ(sent && waitForJob(queue, job, std::chrono::steady_clock::now() + std::chrono::seconds(20),
                                     &failure),
                  c.completed)
            << queue.name;
        EXPECT_NE(failure.find(c.failure), std::string::npos) << queue.name << ": " << failure;
    }
    EXPECT_EQ(captured("office.bin"), bytes);
}

}  // namespace
