// Any bytes as a capture to preview, as text and as HTML: reading never
// fails unsafely, whatever the data selects or cuts short.
#include <cstdio>
#include <string>

#include "cli/preview.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FILE* const problems = std::fopen("/dev/null", "w");
    const std::string capture(reinterpret_cast<const char*>(data), size);
    bool faulty = false;
    for (bool html : {false, true}) previewPage("capture", capture, html, problems, &faulty);
    return 0;
}
