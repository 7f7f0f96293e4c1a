// quillset preview: raw printer data, such as a character-table page or a
// port file, shown as the DX-4170 would print it.
#pragma once

#include <string>

struct PreviewOptions {
    std::string file;
    bool html = false;  // an HTML page with bold and a monospace grid, instead of plain UTF-8 text
};

// Prints the page on standard output. Every command it does not know is
// named with its offset on standard error, and every table the platform's
// conversion cannot map is named once; ExitFailed when a command was unknown.
int previewCapture(const PreviewOptions& options);
