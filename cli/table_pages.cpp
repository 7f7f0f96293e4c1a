#include "cli/table_pages.h"

#include <vector>

#include "printer/character_tables.h"
#include "settings/catalogue.h"
#include "string_texts.h"

#ifdef _WIN32
#include "common/window_helpers.h"
#else
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#endif

static_assert(sizeof EpsonTableTexts / sizeof *EpsonTableTexts == 30 &&
                  sizeof IbmTableTexts / sizeof *IbmTableTexts == 29,
              "the dialog lists one text for each page");

namespace {

// A list text's position among `count` texts, ignoring case.
int positionIn(const std::string& name, const char* const* texts, int count, std::string* allowed) {
    for (int i = 0; i < count; ++i)
        if (sameText(name, texts[i])) return i;
    for (int i = 0; i < count; ++i) *allowed += (i ? ", " : "") + std::string(texts[i]);
    *allowed += didYouMean(name, texts, count);
    return -1;
}

// The folder the running program lies in, with its final slash.
std::string programFolder() {
#ifdef _WIN32
    const std::string program = executablePath();
    return program.substr(0, program.find_last_of("\\/") + 1);
#else
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    const std::string program(path, length > 0 && length < static_cast<ssize_t>(sizeof path) ? length : 0);
    return program.substr(0, program.rfind('/') + 1);
#endif
}

// Where the pages are: beside quillset.exe; natively the installation's
// data folder, else the build tree's page folder beside the program.
std::string pagesFolder() {
    const std::string folder = programFolder();
#ifdef _WIN32
    return folder;
#else
    // Named without the "bin/.." on the way, as the job's title shows it.
    char resolved[PATH_MAX];
    struct stat found;
    const std::string installed = folder + QUILLSET_TABLES_FROM_PROGRAM;
    if (realpath(installed.c_str(), resolved)) return std::string(resolved) + "/";
    if (stat((folder + "character_tables").c_str(), &found) == 0) return folder + "character_tables/";
    return installed + "/";
#endif
}

}  // namespace

const char* emulationText(int emulation) { return EmulationTexts[emulation == EpsonEmulation ? 0 : 1]; }

int emulationPosition(const std::string& name, std::string* allowed) {
    return positionIn(name, EmulationTexts, 2, allowed);
}

int tablePosition(int emulation, const std::string& name, uint8_t modelVariant, std::string* allowed) {
    const char* const* texts = emulation == EpsonEmulation ? EpsonTableTexts : IbmTableTexts;
    return positionIn(name, texts, characterTableCount(emulation, modelVariant), allowed);
}

std::string tablePagePath(int emulation, int position, uint8_t modelVariant) {
    const char* file = characterTableFileName(emulation, position, modelVariant);
    return file ? pagesFolder() + file : "";
}
