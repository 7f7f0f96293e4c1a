// The native quillset through bash, as an administrator's script runs it:
// $Q is the program, $D a folder of its own. Each case is one command line,
// its exit status, a text its output or errors hold, and optionally a JSON
// pointer into its standard output with the value expected there.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli_cases.h"
#include "version.h"

namespace {

std::string readText(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// The cases' folder, removed with all it holds when the tests end, passed or not.
struct Folder {
    char path[26] = "/tmp/quillset-test-XXXXXX";
    Folder() { EXPECT_TRUE(mkdtemp(path)) << path; }
    ~Folder() { std::filesystem::remove_all(path, std::error_code() = {}); }
};

Outcome bash(const std::string& command) {
    static const Folder folder;
    const std::string dir = folder.path;
    setenv("Q", QUILLSET, 1);
    setenv("D", dir.c_str(), 1);
    setenv("CASE", command.c_str(), 1);
    Outcome run;
    FILE* pipe = popen("cd \"$D\" && bash -c \"$CASE\" 2>\"$D/err\"", "r");
    char buffer[4096];
    for (size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pipe ? pclose(pipe) : -1;
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = readText(dir + "/err");
    return run;
}

#define PROFILE "printf '[Profile]\\nModel = 0\\n"
#define STREAMS(a, b) "cat <($Q stream --country " a ") <($Q stream --country " b ")"

TEST(Quillset, ScriptsGetTheTrueExitStatusAndOutput) {
    const struct {
        const char* command;
        int code;
        const char* text;  // in standard output or standard error
        const char* pointer = nullptr;
        const char* json = nullptr;
    } cases[] = {
        // clang-format off
        // Output lost on a full disk is a failure, for every command that writes.
        {"$Q show --country USA >/dev/full", 1, "could not be written: No space left on device"},
        {"$Q stream --country USA | $Q decode - >/dev/full", 1, "could not be written: No space left"},
        {"$Q export --country USA - >/dev/full", 1, "could not be written: No space left"},
        // A capture is read as the model that shows every field.
        {"$Q stream --variant | $Q decode /dev/stdin", 0, "model variant 1 (the only model that shows every field)"},
        {"$Q stream --variant | $Q decode --json -", 0, "", "/streams/0/pages/5/settings/2", R"j({"label":"Code page","value":"KU (EPSON)"})j"},
        {"$Q stream --country USA >s && printf '\\0\\3' | dd of=s bs=1 seek=12 conv=notrunc && $Q decode s", 1, "s: stream at offset 0: Code page (block byte 1, at offset 12) has no entry on either model"},
        // Every stream of a capture, and the one the printer keeps.
        {STREAMS("Germany", "USA") " | $Q decode -", 0, "The printer keeps the stream at offset 98, the last complete one."},
        {STREAMS("Germany", "USA") " | $Q decode --json -", 0, "", "/streams/1/pages/5/settings/1/value", R"("USA")"},
        {STREAMS("Germany", "USA") " | head -c 150 | $Q decode --json -", 1, "standard input: offset 150: length: the capture ends 52 bytes", "/kept", "0"},
        // export replaces the old file only once the new one is whole.
        {"printf OLD >p.ini; (trap '' XFSZ; ulimit -f 1; $Q export --country USA p.ini 2>&1); r=$?; cat p.ini; ls | grep -c new; exit $r", 1, "File too large; the file is as it was\nOLD0\n"},
        // Every problem in one run, capped.
        {PROFILE "[Print Style]\\nEmulation = IBM\\nFont = Roma\\n[Print Styl]\\n' | $Q check --json -", 1, "", "/problems/0", R"({"line":4,"message":"Emulation belongs in [Emulation], not in this section"})"},
        {PROFILE "[Print Style]\\nEmulation = IBM\\nFont = Roma\\n[Print Styl]\\n' | $Q check -", 1, "standard input:5: Font: \"Roma\" is not one of: Draft, Bold PS, Courier, OCR-B, Prestige, Roman, Sans Serif, Script, Bold PS-SC, Courier-SC, Prestige-SC, Roman-SC, Sans Serif-SC, Script-SC (did you mean \"Roman\"?)\nstandard input:6: unknown section [Print Styl]; the sections are Profile, Print Style,"},
        {"{ " PROFILE "[Install]\\n'; seq -f 'Auto CR = %g' 30; } | $Q check -", 1, "standard input:5: Auto CR is given twice (first on line 4)\n"},
        {"{ " PROFILE "[Install]\\n'; seq -f 'Auto CR = %g' 30; } | $Q check -", 1, "standard input: and 5 more problems\n"},
        {"printf '\\xEF\\xBB\\xBF[Profile]\\nModel = 1\\n' | $Q check -", 0, "standard input: a sound profile for model variant 1"},
        // Sources: the variant's defaults are the variant's; an unknown country is named.
        {"$Q show --variant", 0, "\n  Print pass: 3 Pass\n"},
        {"$Q show --json --variant", 0, "", "/model", "1"},
        {"$Q show --country Atlantis", 2, "unknown country \"Atlantis\"; the countries are USA, Belgium,"},
        {"$Q show --country germny", 2, "unknown country \"germny\" (did you mean \"Germany\"?)"},
        // diff: 0 same, 1 different, 2 trouble, in any mix of sides.
        {"$Q diff --country USA --country Germany", 1, "\nCharacter set / International character: USA -> Germany\n"},
        {"$Q export --country Sweden - | $Q diff --json - --country Sweden", 0, "", "/differences", "[]"},
        {"$Q stream --variant | $Q diff --json --country USA -", 1, "", "/differences/0", R"({"page":"Profile","label":"Model","old":"0","new":"1"})"},
        {"$Q diff --country USA nowhere.ini", 2, "cannot read nowhere.ini: No such file or directory"},
        {"$Q diff --country USA", 2, "diff takes two sides, not 1"},
        // The conventions of the tools administrators know.
        {"$Q --version", 0, "quillset " QUILLSET_VERSION "\n"},
        {"$Q help diff", 0, "Exit status: 0 same, 1 different, 2 trouble."},
        {"$Q shwo", 2, "unknown command \"shwo\" (did you mean \"show\"?)"},
        {"script -qec '$Q stream --country USA' /dev/null", 2, "standard output is a terminal"},
        {"head -c 1048577 /dev/zero >big && $Q decode big", 1, "big is larger than 1 MB"},
        {"$Q export --country Sweden - >p.ini && $Q stream --profile p.ini | cmp - <($Q stream --country Sweden) && echo same", 0, "same"},
        {"$Q decode /dev/null", 1, "/dev/null: offset 0: header: no frame header"},
        {"$Q stream --country USA >a && cp a b && printf '\\5\\5' | dd of=b bs=1 seek=74 conv=notrunc && $Q diff a b", 1, "Reserved / Byte 28: 0 -> 85"},
        {"$Q decode --hex 1b,1G 2>&1; $Q decode --hex \"$($Q stream --country UK | od -An -tx1)\" | grep International", 0, "at character 4\n  International character: UK"},
        // clang-format on
    };
    for (const auto& c : cases) expectOutcome(bash(c.command), c.command, c.code, c.text, c.pointer, c.json);
}

// The man page and the completion know every command --help lists, and no other.
TEST(Quillset, ManPageAndCompletionNameTheCommandsHelpLists) {
    const std::string all = bash("$Q --help").out, help = all.substr(all.find("Subcommands:"));
    std::set<std::string> listed;
    const std::regex command("\n  ([a-z-]+) ");
    for (std::sregex_iterator i(help.begin(), help.end(), command), end; i != end; ++i)
        listed.insert((*i)[1]);
    ASSERT_GE(listed.size(), 6u) << help;
    const std::string man = readText(MAN_PAGE), completion = readText(COMPLETION);
    std::set<std::string> documented;
    const std::regex section("\n\\.SS ([a-z-]+)");
    for (std::sregex_iterator i(man.begin(), man.end(), section), end; i != end; ++i)
        documented.insert((*i)[1]);
    EXPECT_EQ(documented, listed);
    for (const std::string& name : listed)
        EXPECT_NE(completion.find(" " + name + " "), std::string::npos) << name;
}

}  // namespace
