// quillset preview as a command: the capture read from its file or
// standard input, the page written to standard output.
#include "cli/commands.h"
#include "cli/preview.h"

int previewCapture(const PreviewOptions& options) {
    std::string data;
    if (!readInputFile(options.file, &data)) return ExitFailed;
    bool faulty = false;
    const std::string out = previewPage(options.file, data, options.html, stderr, &faulty);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return faulty ? ExitFailed : ExitDone;
}
