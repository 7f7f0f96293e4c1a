// Any capture, read whole, gives at least one stream (an empty one too).
// Each stream the decoder finds, in capture order, is either whole, and
// then encodes back to the very bytes it was found in, or names an offset
// inside the capture (0 when there is no header at all). The first is the
// decoder's answer for the capture on its own, read from its start.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "settings/transfer_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint8_t stream[TransferStreamBufferSize];
    size_t end = 0;
    const std::vector<CapturedStream> streams = decodeAllTransferStreams(data, size);
    if (streams.empty()) std::abort();
    for (const CapturedStream& found : streams) {
        if (found.start < end || found.start > size) std::abort();
        if (!found.complete && (found.problem.offset > size || found.problem.reason.empty())) std::abort();
        if (found.complete &&
            (found.start + encodeTransferStream(found.block, stream, sizeof stream) > size ||
             std::memcmp(stream, data + found.start, TransferStreamLength) != 0))
            std::abort();
        end = found.start + (found.complete ? TransferStreamLength : 1);
    }
    return 0;
}
