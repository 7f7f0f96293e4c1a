// Any bytes as a capture to preview: reading never fails unsafely, and both
// the text and the HTML page are whole UTF-8 whatever the data selects.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/preview.h"

namespace {
bool wholeUtf8(const std::string& text) {
    for (size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const size_t length = byte < 0x80       ? 1
                              : byte >> 5 == 6  ? 2
                              : byte >> 4 == 14 ? 3
                              : byte >> 3 == 30 ? 4
                                                : 0;
        if (length == 0 || at + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if (static_cast<unsigned char>(text[at + k]) >> 6 != 2) return false;
        at += length;
    }
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FILE* const problems = std::fopen("/dev/null", "w");
    const std::string capture(reinterpret_cast<const char*>(data), size);
    bool faulty = false;
    for (bool html : {false, true})
        if (!wholeUtf8(previewPage("capture", capture, html, problems, &faulty))) std::abort();
    return 0;
}
