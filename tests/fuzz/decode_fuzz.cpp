// Any capture: the decoder either finds a whole stream, which then encodes
// back to the very bytes it was found in, or names an offset inside the
// capture (0 when there is no header at all). The same holds for every
// stream of a capture read whole, in capture order.
#include <cstdlib>
#include <cstring>

#include "settings/transfer_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint8_t stream[TransferStreamBufferSize];
    size_t end = 0;
    for (const CapturedStream& found : decodeAllTransferStreams(data, size)) {
        if (found.start < end || found.start > size) std::abort();
        if (!found.complete && (found.problem.offset > size || found.problem.reason.empty())) std::abort();
        if (found.complete &&
            (found.start + encodeTransferStream(found.block, stream, sizeof stream) > size ||
             std::memcmp(stream, data + found.start, TransferStreamLength) != 0))
            std::abort();
        end = found.start + (found.complete ? TransferStreamLength : 1);
    }

    SettingsBlock block{};
    size_t start = 0;
    StreamProblem problem;
    if (!decodeTransferStream(data, size, &block, &start, &problem)) {
        if (problem.offset > size || problem.reason.empty()) std::abort();
        return 0;
    }
    const size_t length = encodeTransferStream(block, stream, sizeof stream);
    if (start + length > size || std::memcmp(stream, data + start, length) != 0) std::abort();
    return 0;
}
