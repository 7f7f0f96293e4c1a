// quillset: the command-line companion of corvex.exe, for the people who set
// up many printers. Exit codes: 0 done, 1 failed, 2 usage or ambiguity; each
// error is one line on standard error.
#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/preview.h"

namespace {

#ifdef _WIN32
constexpr const char* SourceHelp = "Settings from the registry as corvex.exe stores them (the default)";
#else
constexpr const char* SourceHelp = nullptr;
#endif

struct SourceOptions {
    BlockSource source;
    bool stored = false;
};

void addSourceOptions(CLI::App* command, SourceOptions* options, bool withProfile) {
    auto* country = command->add_option("--country", options->source.country,
                                        "A country's factory defaults, by its name in the country list");
    auto* variant =
        command->add_flag("--variant", options->source.variant, "The model variant's factory defaults");
    country->excludes(variant);
    if (withProfile)
        command->add_option("--profile", options->source.profile, "A settings profile file")
            ->excludes(country)
            ->excludes(variant);
    if (SourceHelp)
        command->add_flag("--stored", options->stored, SourceHelp)->excludes(country)->excludes(variant);
}

// The settings a command works on: a named source, or the stored set.
int chosenBlock(const SourceOptions& options, SettingsBlock* block, uint8_t* modelVariant) {
    const BlockSource& source = options.source;
    if (!source.country.empty() || source.variant || !source.profile.empty())
        return blockFromSource(source, block, modelVariant);
#ifdef _WIN32
    return loadInstalledBlock(block, modelVariant) ? ExitDone : ExitFailed;
#else
    reportFailure("name the settings with --country, --variant or --profile (the stored ones need Windows)");
    return ExitUsage;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Settings profiles, the settings stream and many queues for the Velmora DX-4170, beside corvex.exe.",
        "quillset"};
    app.require_subcommand(1, 1);

    SourceOptions showOptions;
    auto* show = app.add_subcommand("show", "Print every setting by page and label as the window shows it");
    addSourceOptions(show, &showOptions, true);

    SourceOptions exportOptions;
    std::string exportFile;
    auto* exportCommand = app.add_subcommand("export", "Write the settings as a settings profile");
    exportCommand->add_option("FILE", exportFile, "The profile to write")->required();
    addSourceOptions(exportCommand, &exportOptions, false);

    SourceOptions streamOptions;
    auto* stream = app.add_subcommand("stream", "Write the 98-byte settings stream to standard output");
    addSourceOptions(stream, &streamOptions, true);

    std::string decodeFile, decodeHex;
    bool decodeVariant = false;
    auto* decode =
        app.add_subcommand("decode", "Find the settings stream in a capture and print its settings");
    auto* decodeFileOption =
        decode->add_option("FILE", decodeFile, "A port file, spool file or other capture");
    decode->add_option("--hex", decodeHex, "The capture as hexadecimal text instead of a file")
        ->excludes(decodeFileOption);
    decode->add_flag(
        "--variant", decodeVariant,
        "Read the settings as model variant 1 (default: the model corvex.ini names, else standard)");

    PreviewOptions previewOptions;
    auto* preview = app.add_subcommand("preview", "Show a character-table page or other capture as printed");
    preview->add_option("FILE", previewOptions.file, "The page or capture")->required();
    preview->add_flag("--html", previewOptions.html, "Write an HTML page with bold and a monospace grid");

#ifdef _WIN32
    std::string importFile;
    auto* importCommand = app.add_subcommand(
        "import", "Check a settings profile line by line and store it as Send Settings stores");
    importCommand->add_option("FILE", importFile, "The profile to read")->required();

    auto* queues = app.add_subcommand("queues", "List the queues of the model's driver with their ports");

    std::vector<std::string> sendQueues;
    bool sendAll = false;
    std::string sendProfile;
    auto* send = app.add_subcommand("send", "Send the stored settings, or a profile, to the model's queues");
    auto* queueOption = send->add_option("--queue", sendQueues, "A queue to send to; give it again for more");
    send->add_flag("--all", sendAll, "Every queue of the model's driver")->excludes(queueOption);
    send->add_option("--profile", sendProfile, "Send this profile instead of the stored settings");

    std::string tableEmulation, tableName, tableQueue;
    auto* printTable = app.add_subcommand(
        "print-table", "Print one character table as the Print Character Table dialog does");
    printTable->add_option("EMULATION", tableEmulation, "EPSON or IBM")->required();
    printTable
        ->add_option("TABLE", tableName, "A table as the dialog lists it, e.g. ASCII or \"PC866(Russian)\"")
        ->required();
    printTable->add_option("--queue", tableQueue,
                           "The queue to print on (needed when the driver has several)");
#endif

    try {
        // CLI11 would call an unknown command a missing one.
        if (argc > 1 && argv[1][0] != '-') app.get_subcommand(argv[1]);
        app.parse(argc, argv);
    } catch (const CLI::OptionNotFound&) {
        reportFailure(std::string("unknown command \"") + argv[1] + "\"; see quillset --help");
        return ExitUsage;
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        reportFailure(std::string(e.what()) + "; see quillset --help");
        return ExitUsage;
    }

    SettingsBlock block{};
    uint8_t modelVariant = 0;
    if (show->parsed() || exportCommand->parsed() || stream->parsed()) {
        const SourceOptions& options = show->parsed()            ? showOptions
                                       : exportCommand->parsed() ? exportOptions
                                                                 : streamOptions;
        if (int code = chosenBlock(options, &block, &modelVariant)) return code;
        if (exportCommand->parsed()) return exportProfile(exportFile, block, modelVariant);
        if (stream->parsed()) return writeStream(block);
        printSettings(block, modelVariant);
        return ExitDone;
    }
    if (decode->parsed()) {
        if (decodeFile.empty() == decodeHex.empty()) {
            reportFailure("decode takes a FILE or --hex TEXT; see quillset decode --help");
            return ExitUsage;
        }
#ifdef _WIN32
        modelVariant = decodeVariant ? 1 : installedModelVariant();
#else
        modelVariant = decodeVariant ? 1 : 0;
#endif
        return decodeCapture(decodeFile, decodeHex, modelVariant);
    }
    if (preview->parsed()) return previewCapture(previewOptions);
#ifdef _WIN32
    if (importCommand->parsed()) return importProfile(importFile);
    if (queues->parsed()) return listQueues();
    if (send->parsed()) return sendSettingsTo(sendQueues, sendAll, sendProfile);
    if (printTable->parsed()) return printCharacterTableTo(tableEmulation, tableName, tableQueue);
#endif
    return ExitUsage;
}
