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
    // The tests' own CUPS servers ($R the remote one), the pages, and a
    // configuration folder for the stored set.
    setenv("CUPS_SERVER", CUPS_DIR "/local/cups.sock", 1);
    setenv("C", CUPS_DIR "/local/capture", 1);
    setenv("T", TABLES, 1);
    setenv("XDG_CONFIG_HOME", (dir + "/config").c_str(), 1);
    Outcome run;
    FILE* pipe =
        popen("cd \"$D\" && R=127.0.0.1:$(cat " CUPS_DIR "/remote/port) bash -c \"$CASE\" 2>\"$D/err\"", "r");
    char buffer[4096];
    for (size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pipe ? pclose(pipe) : -1;
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = readText(dir + "/err");
    return run;
}

#define PROFILE "printf '[Profile]\\nModel = 0\\n"
// The commands --help lists, one a line, sorted.
#define LISTED "<($Q --help | sed -n '/Subcommands:/,$s/^  \\([a-z-]*\\) .*/\\1/p' | sort)"
// CUPS cases: a profile, the captures cleared; the bytes that reached the
// backends; the stored set's country; job numbers as N.
#define GERMANY "$Q export --country Germany g.ini && rm -f $C/* && "
#define BYTES " 2>&1; r=$?; echo bytes: $(cat $C/* 2>/dev/null | wc -c); exit $r"
#define STORED_IS(country) \
    " 2>&1; r=$?; $Q diff --stored --country " country " && echo stored " country "; exit $r"
#define JOBS(command) command " 2>&1 | sed 's/job [0-9]*/job N/'; exit ${PIPESTATUS[0]}"
#define STREAMS(a, b) "cat <($Q stream --country " a ") <($Q stream --country " b ")"

TEST(Quillset, ScriptsGetTheTrueExitStatusAndOutput) {
    // clang-format off
    // text: in standard output or standard error; pointer: into the JSON document, with its value.
    const struct { const char* command; int code; const char* text; const char* pointer = nullptr; const char* json = nullptr; } cases[] = {
        // Output lost on a full disk is a failure, for every command that writes.
        {"$Q stream --country USA | $Q decode - >/dev/full", 1, "could not be written: No space left on device"},
        {"$Q diff --country USA --country Chile >/dev/full", 2, "could not be written: No space left"},
        // A capture is read as the model that shows every field.
        {"$Q stream --variant | $Q decode /dev/stdin", 0, "model variant 1 (the only model that shows every field)"},
        {"$Q stream --variant | $Q decode --json -", 0, "", "/streams/0/pages/5/settings/2", R"j({"label":"Code page","value":"KU (EPSON)"})j"},
        {"$Q stream --country USA >s && printf '\\0\\3' | dd of=s bs=1 seek=12 conv=notrunc && $Q decode s || $Q diff s --country USA", 2, "s: stream at offset 0: Code page (block byte 1, at offset 12) has no entry on either model\nquillset: s: Code page (block byte 1, at offset 12) has no entry on either model\n"},
        // Every stream of a capture, and the one the printer keeps.
        {STREAMS("Germany", "USA") " | $Q decode -", 0, "The printer keeps the stream at offset 98, the last complete one."},
        {STREAMS("Germany", "USA") " | $Q decode --json -", 0, "", "/streams/1/pages/5/settings/1/value", R"("USA")"},
        {STREAMS("Germany", "USA") " | head -c 150 | $Q decode --json -", 1, "standard input: offset 150: length: the capture ends 52 bytes", "/kept", "0"},
        {"cat <($Q stream --country USA | head -c 56) <($Q stream --country France) | $Q decode --json -", 1, "", "/kept", "56"},
        // An empty capture, then a directory: each a failure of its own.
        {": >e.prn; $Q decode e.prn || $Q check .", 1, "no settings stream in e.prn\nquillset: . is a directory"},
        {"printf '[Profile]\\nModel = 1\\n[Character set]\\nCode page = USA\\n' >v.ini; $Q stream --profile v.ini >v.prn; $Q diff v.ini v.prn && $Q diff v.prn v.ini", 0, ""},
        // export replaces the old file only once the new one is whole.
        {"printf OLD >p.ini; (trap '' XFSZ; ulimit -f 1; $Q export --country USA p.ini 2>&1); r=$?; cat p.ini; ls p.ini* | wc -l; exit $r", 1, "File too large; the file is as it was\nOLD1\n"},
        {"printf OLD >q.ini; (ulimit -f 1; $Q export --country USA q.ini); echo $(cat q.ini) $(ls q.ini* | wc -l)", 0, "OLD 1\n"},
        // It updates the file the path names, as a redirection would.
        {"mkdir sub; echo x >sub/t.ini; ln -s t.ini sub/l.ini; ln sub/t.ini h.ini; $Q export --country France sub/l.ini && test -L sub/l.ini && cat h.ini", 0, "International character = France\n"},
        {"echo x >m.ini; chmod 640 m.ini; $Q export --country USA m.ini; stat -c %a m.ini", 0, "640\n"},
        {"echo victim >v.txt; ln -s v.txt o.ini.quillset-new; $Q export --country USA o.ini; cat v.txt", 0, "victim"},
        {"mkfifo fifo; $Q export --country USA fifo 2>&1; $Q export --country USA nodir/x.ini 2>&1", 1, "standard output)\nquillset: cannot write nodir/x.ini: No such file or directory; the file is as it was\n"},
        // Every problem in one run, capped.
        {PROFILE "[Print Style]\\nEmulation = IBM\\nFont = Roma\\n[Print Styl]\\n' | $Q check --json -", 1, "", "/problems/0", R"({"line":4,"message":"Emulation belongs in [Emulation], not in this section"})"},
        {PROFILE "[Print Style]\\nEmulation = IBM\\nFont = Roma\\n[Print Styl]\\n' | $Q check -", 1, "standard input:5: Font: \"Roma\" is not one of: Draft, Bold PS, Courier, OCR-B, Prestige, Roman, Sans Serif, Script, Bold PS-SC, Courier-SC, Prestige-SC, Roman-SC, Sans Serif-SC, Script-SC (did you mean \"Roman\"?)\nstandard input:6: unknown section [Print Styl]; the sections are Profile, Print Style,"},
        {"{ " PROFILE "[Install]\\n'; seq -f 'Auto CR = %g' 30; } | $Q check - 2>&1 | sed -n '2p;$p'; exit ${PIPESTATUS[1]}", 1, "standard input:5: Auto CR is given twice (first on line 4)\nstandard input: and 5 more problems\n"},
        {"printf '\\xEF\\xBB\\xBF[Profile]\\nModel = 1\\n' | $Q check -", 0, "standard input: a sound profile for model variant 1, over the factory defaults of model variant 1"},
        // The pages' own limits, and what show and export print reads back the same.
        {PROFILE "[Page Format]\\nLeft margin = 70\\nRight margin = 10\\nPage length = 5 1/2 Inch\\nTop margin = 450\\nBottom margin = 900\\n' | $Q check -", 1, "input:4: Left margin: 70 is outside 0 to 8\nstandard input:5: Right margin: 10 is outside 72 to 80\nstandard input:8: Bottom margin: 900 is outside 0 to 450\n"},
        {PROFILE "[Print Style]\\nFont = Script\\n[Page Format]\\nLine/Inch = Scalable\\n' | $Q show --profile -", 0, "  Line/Inch: Scalable\n"},
        // Every --json run writes one document, in UTF-8.
        {PROFILE "' >$'caf\\xe9.ini'; $Q check --json caf*", 0, "", "/file", "\"caf\uFFFD.ini\""},
        // Sources: the variant's defaults are the variant's; an unknown country is named.
        {"$Q show --variant", 0, "\n  Print pass: 3 Pass\n"},
        {"$Q show --json --variant", 0, "", "/model", "1"},
        {PROFILE "[Print Style]\\nFont = Roma\\n' >bad.ini; $Q show --profile bad.ini", 1, "bad.ini:4: Font: \"Roma\" is not one of"},
        {"$Q show --country Atlantis", 2, "unknown country \"Atlantis\"; the countries are USA, Belgium,"},
        {"$Q show --country germny", 2, "unknown country \"germny\" (did you mean \"Germany\"?)"},
        // diff: 0 same, 1 different, 2 trouble, in any mix of sides.
        {"$Q diff --country USA --country Germany", 1, "\nCharacter set / International character: USA -> Germany\n"},
        {"$Q export --country Sweden - | $Q diff --json - --country Sweden", 0, "", "/differences", "[]"},
        {"$Q stream --variant | $Q diff --json --country USA -", 1, "", "/differences/0", R"({"page":"Profile","label":"Model","old":"0","new":"1"})"},
        {"$Q diff --json --country USA --country USA", 0, "{\n  \"differences\": [],\n  \"exit\": 0\n}\n"},
        {"$Q diff --json --country USA nowhere.ini", 2, "", "/problems/0", R"("cannot read nowhere.ini: No such file or directory")"},
        {"$Q diff --country USA --json", 2, "", "/problems/0", R"("diff takes two sides, not 1; see quillset help diff")"},
        {"$Q export --country USA ./-d.ini && $Q diff --country USA -- -d.ini", 0, ""},
        {"$Q stream --country USA | head -c 50 >c; $Q diff c --country USA", 2, "quillset: c: no complete settings stream in the capture\n"},
        {"$Q send --wait=0", 2, "--wait: Value 0 not in range 1 to 86400"},
        {"$Q diff --country USA --bogus", 2, "quillset: diff: unknown option --bogus; see quillset help diff"},
        // The conventions of the tools administrators know.
        {"$Q --version", 0, "quillset " QUILLSET_VERSION "\n"},
        {"$Q shwo", 2, "unknown command \"shwo\" (did you mean \"show\"?)"},
        {"script -qec '$Q stream --country USA' /dev/null", 2, "standard output is a terminal"},
        {"head -c 1048576 /dev/zero >big && $Q decode big; echo >>big && $Q decode big", 1, "big: offset 0: header: no frame header (1B 1B 00 37 34 32 00) in the capture\nquillset: big is larger than 1 MB"},
        {"$Q export --country Sweden - >p.ini && $Q stream --profile p.ini | cmp - <($Q stream --country Sweden) && echo same", 0, "same"},
        {"$Q stream --country USA >a && cp a b && printf '\\5\\5' | dd of=b bs=1 seek=74 conv=notrunc && $Q diff a b", 1, "Reserved / Byte 28: 0 -> 85"},
        {"$Q decode --hex 1b,1G 2>&1; $Q decode --hex \"$($Q stream --country UK | od -An -tx1)\" | grep International", 0, "at character 4\n  International character: UK"},
        // CUPS: Office and Store have the model's PPD; Plain, Paused (stopped), Closed (rejecting) and
        // Jammed (its backend fails) are raw queues; the remote server $R has Branch, of the model.
        {"$Q queues | cut -f1 | paste -sd ' '", 0, "Office Store\n"},
        {GERMANY "$Q send --profile g.ini" BYTES, 2, "use --all:\n  Office\tcapture:" CUPS_DIR "/local/capture/office.bin\n  Store\tcapture:" CUPS_DIR "/local/capture/store.bin\nbytes: 0\n"},
        {GERMANY "$Q send --queue office --profile g.ini --wait && cmp $C/office.bin <($Q stream --profile g.ini) && echo same", 0, " completed\nsame\n"},
        {GERMANY "echo sent to $($Q send --queue plain --queue Plain --queue STORE --profile g.ini | cut -d: -f1)", 0, "sent to Plain Store\n"},
        {JOBS(GERMANY "$Q send --all --wait=20 --profile g.ini"), 0, "Office: job N completed\nStore: job N completed\n"},
        {GERMANY "$Q import g.ini >/dev/null && $Q export --country USA u.ini && $Q send --queue Paused --profile u.ini" STORED_IS("Germany"), 1, "Paused by hand); nothing was sent\nquillset: 1 of 1 queues failed; the settings were not stored\nstored Germany\n"},
        {GERMANY "$Q import g.ini >/dev/null && $Q export --country USA u.ini && $Q send --queue Closed --profile u.ini" STORED_IS("Germany"), 1, "Closed by hand); nothing was sent\nquillset: 1 of 1 queues failed; the settings were not stored\nstored Germany\n"},
        {JOBS(GERMANY "$Q send --queue Office --queue Jammed --queue Store --wait=20 --profile g.ini"), 1, "Office: job N completed\nJammed (port capture:" CUPS_DIR "/local/capture/jammed.fail): job N was aborted: the capture device is out of paper\nStore: job N completed\nquillset: 1 of 3 queues failed"},
        {"rm -f $C/* && $Q print-table ibm 'pc866(russian)' --queue Store --wait && cmp $C/store.bin $T/IBM_PC866.PRN && echo same", 0, "/IBM_PC866.PRN)\nsame\n"},
        {GERMANY "$Q import g.ini >/dev/null && $Q diff --stored g.ini && $Q show --stored --json", 0, "", "/pages/5/settings/1/value", "\"Germany\""},
        {"export XDG_CONFIG_HOME=$D/damaged S=$D/damaged/quillset/settings.ini && " GERMANY "$Q import g.ini >/dev/null && { sed -i /^Byte.29/d $S; $Q show --stored; printf '[Profile]\\nModel = 0\\n' >$S; $Q show --stored; } 2>&1 | sed \"s|$S|S|\"; exit ${PIPESTATUS[0]}", 1, "set S is damaged: it lacks Reserved / Byte 29\nquillset: the stored set S is damaged: it lacks Print Style / Font\n"},
        {JOBS(GERMANY "{ $Q send --server $R --profile g.ini --wait && $Q print-table EPSON ASCII --server $R --wait; }"), 0, "Branch: job N completed\nBranch: job N completed ("},
        // The man page and the completion know every command --help lists, and no other.
        {"diff <(sed -n 's/^\\.SS //p' " MAN_PAGE " | sort) " LISTED " && source " COMPLETION "; COMP_WORDS=(quillset ''); COMP_CWORD=1; _quillset; diff <(printf '%s\\n' ${COMPREPLY[@]} | grep -v ^- | sort) " LISTED, 0, ""},
        // DEL and C1 codes sent as plain bytes are controls; 0xA0 is a character; ESC ( ^ prints any code.
        {"printf '\\33@A\\177B\\237\\240\\33(^\\3\\0\\1 \\177\\n' >c.prn; $Q preview c.prn 2>e; r=$?; cat e; exit $r", 1, "AB?? ?\nquillset: c.prn: offset 3: control code 0x7F sent as a plain byte\nquillset: c.prn: offset 5: control code 0x9F sent as a plain byte\n"},
        // A code page (ESC [ T) makes the data IBM's; a reset (ESC [ K) drops the left margin ESC X set.
        {"printf '\\33[T\\4\\0\\0\\0\\1\\265\\33X\\5\\120A\\r\\n\\33[K\\0\\0B\\r\\n' | $Q preview -", 0, "    A\nB\n"},
        // An unknown length-prefixed command is skipped whole (a fault here loops: output is capped); one stream needs no word on which is kept.
        {"printf 'A\\33(z\\1\\0XB\\33[g\\4\\0\\0\\0\\0\\0C\\n' >u.prn; (ulimit -f 64; $Q preview u.prn >o 2>e); r=$?; cat o e; exit $r", 1, "ABC\nquillset: u.prn: offset 1: unknown command ESC ( 0x7A with 1 data bytes\nquillset: u.prn: offset 8: unknown command ESC [ 0x67 with 4 data bytes\n"},
        {"$Q stream --country USA >a && $Q decode a | tail -2", 0, "  Tractor: 0\n  Friction: 0\n"},
        {"mkdir -p dir/quillset/settings.ini && XDG_CONFIG_HOME=$D/dir $Q show --stored 2>&1 | sed \"s|$D|D|\"; exit ${PIPESTATUS[0]}", 1, "quillset: the stored set: D/dir/quillset/settings.ini is a directory, not a profile or capture\n"},
        // Without an absolute XDG_CONFIG_HOME the stored set lives below HOME.
        {"$Q export --country Germany g.ini && XDG_CONFIG_HOME=rel HOME=$D/h $Q import g.ini >/dev/null && ls h/.config/quillset", 0, "settings.ini\n"},
        // A command cut short by the end of the data ends the reading (a fault here loops: output is capped).
        {"for c in '' l Q R t '(t' '[T' '[K\\0\\0\\33X'; do printf \"A\\33$c\" >t.prn; (ulimit -f 64; $Q preview t.prn >o 2>e); echo \"$? $(grep -c 'cut short' e)\"; done | sort | uniq -c", 0, "      8 1 1\n"},
        // Each one-byte command and each with one parameter takes exactly its bytes.
        {"printf 'A\\33EB\\33FC\\33PD\\33ME\\33:F\\33l\\1G\\r\\nH\\33Q\\120I\\33R\\0J\\33t\\60K\\n' >s.prn; (ulimit -f 64; $Q preview --html s.prn)", 0, "<pre>A<b>B</b>CDEFG\n HIJK\n</pre>"},
        {"printf 'A\\33\\1BC\\n' >u2.prn; $Q preview u2.prn 2>e; r=$?; cat e; exit $r", 1, "ABC\nquillset: u2.prn: offset 1: unknown command ESC 0x01 ('?') (emulation not yet known)\n"},
        {GERMANY "(trap '' XFSZ; ulimit -f 0; $Q import g.ini 2>&1)", 1, "quillset: cannot write the stored set "},
        {"$Q decode", 2, "quillset: decode takes a FILE or --hex TEXT; see quillset help decode\n"},
        {"$Q diff --country USA --help", 0, "Usage: quillset diff [OPTIONS]"},
        {"$Q emport", 2, "unknown command \"emport\" (did you mean \"export\"?)"},
        // Each command's help names the options its completion offers, and no other.
        {"source " COMPLETION "; for c in $(grep -vx help " LISTED "); do COMP_WORDS=(quillset $c -); COMP_CWORD=2; _quillset; diff <($Q help $c | grep -o -- '--[a-z-]*' | sort -u) <(printf '%s\\n' ${COMPREPLY[@]} | sort -u) >/dev/null || f=\"$f $c\"; done; echo \"differ:$f\"; [ -z \"$f\" ]", 0, "differ:\n"},
    };
    // clang-format on
    for (const auto& c : cases) expectOutcome(bash(c.command), c.command, c.code, c.text, c.pointer, c.json);
}

}  // namespace
