// quillset preview: raw printer data, such as a character-table page or a
// port file, shown as the DX-4170 would print it.
#pragma once

#include <cstdio>
#include <string>

struct PreviewOptions {
    std::string file;
    bool html = false;  // an HTML page with bold and a monospace grid, instead of plain UTF-8 text
};

// Prints the page on standard output. Every command it does not know is
// named with its offset on standard error, and every table the platform's
// conversion cannot map is named once; ExitFailed when a command was unknown.
int previewCapture(const PreviewOptions& options);

// The page `data` prints, as plain UTF-8 text or as HTML; each command it
// does not know and each table the conversion lacks is named on `problems`
// under `name`. *faulty tells whether a command was unknown.
std::string previewPage(const std::string& name, const std::string& data, bool html, FILE* problems,
                        bool* faulty);
