// Any capture: the decoder either finds a whole stream, which then encodes
// back to the very bytes it was found in, or names an offset inside the
// capture (0 when there is no header at all).
#include <cstdlib>
#include <cstring>

#include "settings/transfer_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SettingsBlock block{};
    size_t start = 0;
    StreamProblem problem;
    if (!decodeTransferStream(data, size, &block, &start, &problem)) {
        if (problem.offset > size || problem.reason.empty()) std::abort();
        return 0;
    }
    uint8_t stream[TransferStreamBufferSize];
    const size_t length = encodeTransferStream(block, stream, sizeof stream);
    if (start + length > size || std::memcmp(stream, data + start, length) != 0) std::abort();
    return 0;
}
