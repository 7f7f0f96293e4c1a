// Prepares a Wine prefix's spooler for the demo run and the benchmark: all
// queues removed, then one queue of the model's driver printing to a file.
//   make_queue.exe <queue name> <port file, Windows path>
#include <cstdio>

#include "printer_queues.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: make_queue <queue name> <port file>\n");
        return 2;
    }
    removeAllPrinters();
    if (!addQueue(argv[1], ModelDriver, argv[2])) {
        fprintf(stderr, "make_queue: could not add the queue %s\n", argv[1]);
        return 1;
    }
    printf("queue \"%s\" (driver \"%s\") prints to %s\n", argv[1], ModelDriver, argv[2]);
    return 0;
}
