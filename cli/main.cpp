// quillset: the command-line companion of corvex.exe, for the people who set
// up many printers. Exit codes: 0 done, 1 failed, 2 usage or ambiguity (diff:
// 0 same, 1 different, 2 trouble); each error is one line on standard error.
// Output that cannot be written all the way is a failure too.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>

#include "cli/commands.h"
#include "cli/preview.h"
#include "settings/catalogue.h"
#include "version.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

constexpr const char* SourceHelp = "The stored set: the settings last sent or imported (the default)";
#ifdef _WIN32
constexpr const char* DecodeModelHelp =
    "Read every stream as model variant 1 (default: the model that shows every field; where both do, "
    "the one corvex.ini beside quillset.exe names)";
#else
constexpr const char* DecodeModelHelp =
    "Read every stream as model variant 1 (default: the model that shows every field; where both do, "
    "the standard model: this build reads no corvex.ini)";
#endif
constexpr const char* ProfileHelp =
    "A settings profile file (\"-\": standard input); what it leaves out comes from the stored settings "
    "(when stored for its model), else from its model's factory defaults";
constexpr const char* JsonHelp = "Write one JSON document instead of text (its shape: see the README)";
constexpr const char* DiffSides =
    "SIDE is a profile or capture file (\"-\" for standard input), --stored, --country NAME "
    "or --variant. Exit status: 0 same, 1 different, 2 trouble.";

struct SourceOptions {
    BlockSource source;
};

void addSourceOptions(CLI::App* command, SourceOptions* options, bool withProfile) {
    auto* country = command->add_option("--country", options->source.country,
                                        "A country's factory defaults, by its name in the country list");
    auto* variant =
        command->add_flag("--variant", options->source.variant, "The model variant's factory defaults");
    country->excludes(variant);
    if (withProfile)
        command->add_option("--profile", options->source.profile, ProfileHelp)
            ->excludes(country)
            ->excludes(variant);
    command->add_flag("--stored", options->source.stored, SourceHelp)->excludes(country)->excludes(variant);
}

void addServerOption(CLI::App* command, QueueOptions* options) {
    command->add_option("--server", options->server,
                        "The CUPS print server HOST[:PORT] whose queues to use (default: CUPS_SERVER, or "
                        "this machine's)");
}

// --wait alone waits 60 seconds. CLI11 gives the variable a value even when
// the flag is absent, so whether it was given is asked of the option.
CLI::Option* addWaitOption(CLI::App* command, QueueOptions* options) {
    return command
        ->add_flag("--wait{60}", options->wait,
                   "--wait[=SECONDS]: wait until every job has printed, up to SECONDS (default 60), and fail "
                   "naming a job that did not")
        ->check(CLI::Range(1, 86400));
}

// The settings a command works on: a named source, or the stored set.
int chosenBlock(SourceOptions options, SettingsBlock* block, uint8_t* modelVariant) {
    BlockSource& source = options.source;
    source.stored = source.country.empty() && !source.variant && source.profile.empty();
    return blockFromSource(source, block, modelVariant);
}

// diff's two sides, in the order given: files, --stored, --country NAME, --variant.
// After "--" every argument is a file, even one that starts with "-".
bool diffSides(const std::vector<std::string>& arguments, bool* json, std::vector<BlockSource>* sides) {
    bool options = true;
    for (size_t i = 0; i < arguments.size(); ++i) {
        BlockSource side;
        const std::string& argument = arguments[i];
        if (options && argument == "--") {
            options = false;
            continue;
        }
        if (options && argument == "--json") {
            *json = true;
            continue;
        }
        if (!options)
            side.file = argument;
        else if (argument == "--country" && i + 1 < arguments.size())
            side.country = arguments[++i];
        else if (argument.rfind("--country=", 0) == 0)
            side.country = argument.substr(10);
        else if (argument == "--variant")
            side.variant = true;
        else if (argument == "--stored")
            side.stored = true;
        else if (argument.size() > 1 && argument[0] == '-')
            return reportFailure("diff: unknown option " + argument + "; see quillset help diff"), false;
        else
            side.file = argument;
        sides->push_back(side);
    }
    if (sides->size() == 2) return true;
    reportFailure("diff takes two sides, not " + std::to_string(sides->size()) +
                  (options ? "" : " (after \"--\" every argument is a file: put options before it)") +
                  "; see quillset help diff");
    return false;
}

bool asksForHelp(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--") return false;
        if (argument == "--help" || argument == "-h") return true;
    }
    return false;
}

// A mistyped command name, with the nearest one when there is one.
int unknownCommand(CLI::App& app, const std::string& name) {
    std::vector<std::string> names;
    for (const CLI::App* command : app.get_subcommands([](CLI::App*) { return true; }))
        names.push_back(command->get_name());
    std::vector<const char*> texts;
    for (const std::string& text : names) texts.push_back(text.c_str());
    reportFailure("unknown command \"" + name + "\"" +
                  didYouMean(name, texts.data(), static_cast<int>(texts.size())) + "; see quillset --help");
    return ExitUsage;
}

// Set by diff, whose lost output is trouble (2) rather than a difference.
int outputLostCode = ExitFailed;

int run(int argc, char** argv) {
    for (int i = 1; i < argc && std::string(argv[i]) != "--"; ++i)
        if (std::string(argv[i]) == "--json") expectJson();
    CLI::App app{
        "Settings profiles, the settings stream and many queues for the Velmora DX-4170, beside corvex.exe.",
        "quillset"};
    // Under Wine, Unix paths (/tmp/s.bin) are ordinary arguments: only the
    // documented --options are options, never Windows-style /options. Set
    // before the commands are added, which take it over.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string("quillset ") + QUILLSET_VERSION);
    app.require_subcommand(1, 1);

    std::string helpTopic;
    auto* help = app.add_subcommand("help", "Show the help of quillset, or of one COMMAND");
    help->add_option("COMMAND", helpTopic, "The command to explain");

    SourceOptions showOptions;
    bool showJson = false;
    auto* show = app.add_subcommand("show", "Print every setting by page and label as the window shows it");
    addSourceOptions(show, &showOptions, true);
    show->add_flag("--json", showJson, JsonHelp);

    SourceOptions exportOptions;
    std::string exportFile;
    auto* exportCommand = app.add_subcommand(
        "export",
        "Write the settings as a settings profile; the old file is replaced only once all is written");
    exportCommand->add_option("FILE", exportFile, "The profile to write (\"-\": standard output)")
        ->required();
    addSourceOptions(exportCommand, &exportOptions, false);

    SourceOptions streamOptions;
    bool streamForce = false;
    auto* stream = app.add_subcommand("stream", "Write the 98-byte settings stream to standard output");
    addSourceOptions(stream, &streamOptions, true);
    stream->add_flag("--force", streamForce, "Write the binary stream even to a terminal");

    std::string decodeFile, decodeHex;
    bool decodeVariant = false, decodeJson = false;
    auto* decode = app.add_subcommand(
        "decode", "Print the settings of every stream in a capture, and which one the printer keeps");
    auto* decodeFileOption = decode->add_option(
        "FILE", decodeFile, "A port file, spool file or other capture (\"-\": standard input)");
    decode->add_option("--hex", decodeHex, "The capture as hexadecimal text instead of a file")
        ->excludes(decodeFileOption);
    decode->add_flag("--variant", decodeVariant, DecodeModelHelp);
    decode->add_flag("--json", decodeJson, JsonHelp);

    std::string checkFile;
    bool checkJson = false;
    auto* check = app.add_subcommand(
        "check", "Check a settings profile and name every problem as FILE:LINE; nothing is stored");
    check->add_option("FILE", checkFile, "The profile to check (\"-\": standard input)")->required();
    check->add_flag("--json", checkJson, JsonHelp);

    bool diffJson = false;
    auto* diff = app.add_subcommand(
        "diff", "Compare two sets of settings: one line per setting that differs (SIDE SIDE)");
    diff->add_flag("--json", diffJson, JsonHelp);
    diff->footer(DiffSides);
    // The sides are read in order from what follows, options among them.
    diff->prefix_command();

    PreviewOptions previewOptions;
    auto* preview = app.add_subcommand("preview", "Show a character-table page or other capture as printed");
    preview->add_option("FILE", previewOptions.file, "The page or capture (\"-\": standard input)")
        ->required();
    preview->add_flag("--html", previewOptions.html, "Write an HTML page with bold and a monospace grid");

    std::string importFile;
    auto* importCommand = app.add_subcommand(
        "import", "Check a settings profile line by line and store it as Send Settings stores");
    importCommand->add_option("FILE", importFile, "The profile to read (\"-\": standard input)")->required();

    QueueOptions queueOptions;
    bool queuesJson = false;
    auto* queues = app.add_subcommand("queues", "List the queues of the model's driver with their ports");
    queues->add_flag("--json", queuesJson, JsonHelp);
    addServerOption(queues, &queueOptions);

    std::string sendProfile;
    auto* send = app.add_subcommand(
        "send",
        "Send the stored settings, or a profile, to the model's queues; once every queue took "
        "them they are the stored set, as Send Settings stores");
    auto* queueOption = send->add_option("--queue", queueOptions.queues,
                                         "A queue to send to, of any driver; give it again for more");
    send->add_flag("--all", queueOptions.all, "Every queue of the model's driver")->excludes(queueOption);
    send->add_option(
        "--profile", sendProfile,
        "Send this profile (\"-\": standard input) over the stored settings instead of them, and store it");
    addServerOption(send, &queueOptions);
    const CLI::Option* sendWait = addWaitOption(send, &queueOptions);

    std::string tableEmulation, tableName, tableQueue;
    auto* printTable = app.add_subcommand(
        "print-table", "Print one character table as the Print Character Table dialog does");
    printTable->add_option("EMULATION", tableEmulation, "EPSON or IBM")->required();
    printTable
        ->add_option("TABLE", tableName, "A table as the dialog lists it, e.g. ASCII or \"PC866(Russian)\"")
        ->required();
    printTable->add_option(
        "--queue", tableQueue,
        "The queue to print on, of any driver (needed when the model's driver has several)");
    addServerOption(printTable, &queueOptions);
    const CLI::Option* tableWait = addWaitOption(printTable, &queueOptions);

    // diff reads its sides itself, in order, "--" among them, and answers a
    // call for its help wherever it stands before "--".
    const std::vector<std::string> diffArguments(argv + std::min(argc, 2), argv + argc);
    if (argc > 1 && std::string(argv[1]) == "diff") {
        if (asksForHelp(diffArguments)) {
            std::cout << diff->help("quillset");
            return ExitDone;
        }
        outputLostCode = ExitUsage;
        std::vector<BlockSource> sides;
        if (!diffSides(diffArguments, &diffJson, &sides)) return ExitUsage;
        return diffSettings(sides[0], sides[1], diffJson);
    }

    try {
        // CLI11 would call an unknown command a missing one.
        if (argc > 1 && argv[1][0] != '-') app.get_subcommand(argv[1]);
        app.parse(argc, argv);
    } catch (const CLI::OptionNotFound&) {
        return unknownCommand(app, argv[1]);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        reportFailure(std::string(e.what()) + "; see quillset --help");
        return ExitUsage;
    }

    if (help->parsed()) {
        if (helpTopic.empty()) {
            std::cout << app.help();
            return ExitDone;
        }
        try {
            std::cout << app.get_subcommand(helpTopic)->help("quillset");
            return ExitDone;
        } catch (const CLI::OptionNotFound&) {
            return unknownCommand(app, helpTopic);
        }
    }

    SettingsBlock block{};
    uint8_t modelVariant = 0;
    if (show->parsed() || exportCommand->parsed() || stream->parsed()) {
        const SourceOptions& options = show->parsed()            ? showOptions
                                       : exportCommand->parsed() ? exportOptions
                                                                 : streamOptions;
        if (int code = chosenBlock(options, &block, &modelVariant)) return code;
        if (exportCommand->parsed()) return exportProfile(exportFile, block, modelVariant);
        if (stream->parsed()) {
            // A terminal would show the binary stream as garbage, or act on its escapes.
            if (isatty(fileno(stdout)) && !streamForce) {
                reportFailure(
                    "the stream is binary and standard output is a terminal: redirect it to a "
                    "file or a pipe, or give --force");
                return ExitUsage;
            }
            return writeStream(block);
        }
        return showSettings(block, modelVariant, showJson);
    }
    if (decode->parsed()) {
        if (decodeFile.empty() == decodeHex.empty()) {
            reportFailure("decode takes a FILE or --hex TEXT; see quillset help decode");
            return ExitUsage;
        }
        return decodeCapture(decodeFile, decodeHex, decodeVariant ? 1 : -1, decodeJson);
    }
    if (check->parsed()) return checkProfile(checkFile, checkJson);
    if (preview->parsed()) return previewCapture(previewOptions);
    if (!sendWait->count() && !tableWait->count()) queueOptions.wait = -1;
    if (importCommand->parsed()) return importProfile(importFile);
    if (queues->parsed()) return listQueues(queueOptions.server, queuesJson);
    if (send->parsed()) return sendSettingsTo(queueOptions, sendProfile);
    if (printTable->parsed()) {
        if (!tableQueue.empty()) queueOptions.queues.push_back(tableQueue);
        return printCharacterTableTo(tableEmulation, tableName, queueOptions);
    }
    return ExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    const int code = run(argc, argv);
    finishJson(code);
    // Output lost on the way (a full disk, a closed pipe) must not pass for
    // success: the last of it is written here, and every earlier write left
    // its error on the stream.
    std::cout.flush();
    const bool lost = std::fflush(stdout) != 0 || std::ferror(stdout) || !std::cout;
    if (!lost) return code;
    const int error = errno;
    reportFailure("the output could not be written: " + systemErrorText(error));
    return outputLostCode == ExitUsage || code == ExitDone ? outputLostCode : code;
}
