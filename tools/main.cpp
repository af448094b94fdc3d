// bacnapi: the library from a shell. Reads brace text of any type and prints it as display text
// or brace text, lists the type codes, answers which type a property carries, compares values
// and converts character strings. Usage: bacnapi --help, bacnapi COMMAND --help.
#include "commands.h"
#include "tool.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#ifndef BACNAPI_TOOL_VERSION
#define BACNAPI_TOOL_VERSION "unknown"
#endif

namespace {

// A subcommand and what runs it once its options are parsed. The options live in a block the
// runner shares, so that they outlive the parse that fills them.
struct Command {
    CLI::App* app;
    std::function<int()> run;
};

Command add_read(CLI::App& app)
{
    struct Options {
        tool::ReadOptions read;
        std::string text;
        bool names = false;
    };
    auto o = std::make_shared<Options>();
    auto* read = app.add_subcommand("read", "Read brace text or JSON of a type; print it as display text, brace text or JSON");
    read->add_option("TYPE", o->read.type, "Type code or name (any case), e.g. 4, Real, bacnetdatetime");
    auto* textOption = read->add_option("TEXT", o->text, "Brace text of one value; without it, one value per line of standard input");
    read->add_option("--batch", o->read.batch, "Files of TYPE<TAB>TEXT lines ('-' is standard input)")
        ->type_name("FILE...")
        ->expected(1, 1 << 20);
    read->add_option("--to", o->read.to, "Output form")->type_name("FORM")->check(CLI::IsMember({"display", "brace", "json"}))
        ->capture_default_str();
    read->add_option("--from", o->read.from, "Input form")->type_name("FORM")->check(CLI::IsMember({"brace", "json"}))
        ->capture_default_str();
    auto* namesFlag = read->add_flag("--names", o->names, "JSON output: object types and property identifiers by the standard's names (the default)");
    auto* numbersFlag = read->add_flag("--numbers", o->read.numbers, "JSON output: object types and property identifiers as numbers");
    namesFlag->excludes(numbersFlag);
    return {read, [o, textOption] {
                if (textOption->count() > 0) o->read.text = o->text;
                return tool::run_read(o->read);
            }};
}

Command add_types(CLI::App& app)
{
    auto pattern = std::make_shared<std::string>();
    auto* types = app.add_subcommand("types", "List type codes, their names and which text forms they have");
    types->add_option("PATTERN", *pattern, "Only names that contain PATTERN (any case; * ? [] as in a shell)");
    return {types, [pattern] { return tool::run_types(*pattern); }};
}

Command add_property(CLI::App& app)
{
    struct Options {
        std::string objectType;
        std::string property;
        int32_t index = -1;
    };
    auto o = std::make_shared<Options>();
    auto* prop = app.add_subcommand("property", "The type code and name a property of an object type carries");
    prop->add_option("OBJECT-TYPE", o->objectType, "Object type: number or standard name, e.g. 8, device, analog-input")->required();
    prop->add_option("PROPERTY", o->property, "Property identifier: number or standard name, e.g. 85, present-value")->required();
    prop->add_option("INDEX", o->index, "Array index: 0 the length, k element k; leave out for the whole property");
    return {prop, [o] { return tool::run_property(o->objectType, o->property, o->index); }};
}

Command add_compare(CLI::App& app)
{
    struct Options {
        std::string type;
        std::string first;
        std::string second;
    };
    auto o = std::make_shared<Options>();
    auto* compare = app.add_subcommand("compare", "Compare two values of a type: exit 0 equal, 1 different, 2 trouble");
    compare->add_option("TYPE", o->type, "Type code or name")->required();
    compare->add_option("TEXT1", o->first, "Brace text")->required();
    compare->add_option("TEXT2", o->second, "Brace text")->required();
    return {compare, [o] { return tool::run_compare(o->type, o->first, o->second); }};
}

Command add_schema(CLI::App& app)
{
    struct Options {
        std::string type;
        bool names = false;
        bool numbers = false;
    };
    auto o = std::make_shared<Options>();
    auto* schema = app.add_subcommand("schema", "Print the JSON Schema (draft 2020-12) of a type's JSON form");
    schema->add_option("TYPE", o->type, "Type code or name (any case)")->required();
    auto* schemaNamesFlag =
        schema->add_flag("--names", o->names, "Object types and property identifiers as names or numbers (default)");
    schema->add_flag("--numbers", o->numbers, "Object types and property identifiers as numbers only")
        ->excludes(schemaNamesFlag);
    return {schema, [o] { return tool::run_schema(o->type, !o->numbers); }};
}

Command add_charset(CLI::App& app)
{
    struct Options {
        std::string from = "utf-8";
        std::string to;
        uint32_t codePage = 0;
        std::string text;
    };
    auto o = std::make_shared<Options>();
    auto* charset = app.add_subcommand("charset", "Convert a text between character sets; print the converted bytes in hex");
    charset->add_option("--from", o->from, "Source set; other than utf-8, TEXT is the stored bytes in hex")
        ->type_name("SET")
        ->capture_default_str();
    charset->add_option("--to", o->to, "Target: utf-8, dbcs, jis, ucs-4, ucs-2, iso-8859-1, or 0..5")
        ->type_name("SET")
        ->required();
    charset->add_option("--code-page", o->codePage, "Code page of a dbcs target (0 means 1252)")->type_name("N")->capture_default_str();
    charset->add_option("TEXT", o->text, "Text in UTF-8, or hex bytes with --from")->required();
    return {charset, [o] { return tool::run_charset(o->from, o->to, o->codePage, o->text); }};
}

} // namespace

int main(int argc, char** argv)
{
    // A reader that goes away makes writes fail with EPIPE, reported once, instead of killing us.
    std::signal(SIGPIPE, SIG_IGN);

    CLI::App app{"bacnapi: read, check and convert BACnet values with the bacnapi library", "bacnapi"};
    app.set_version_flag("--version", std::string("bacnapi ") + BACNAPI_TOOL_VERSION);
    app.require_subcommand(1);
    app.fallthrough(false);
    const Command commands[] = {add_read(app),    add_types(app),  add_property(app),
                                add_compare(app), add_schema(app), add_charset(app)};

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? tool::kExitOk : tool::kExitUsage;
    }

    int status = tool::kExitUsage;
    // Nothing the commands call throws on purpose; a refused allocation in the tool itself ends it
    // with a message instead of an abort.
    try {
        for (const Command& command : commands)
            if (command.app->parsed()) status = command.run();
    } catch (const std::exception& e) {
        tool::report("bacnapi", e.what());
        return tool::kExitFailed;
    }
    if (std::fflush(stdout) != 0 && status == tool::kExitOk) status = tool::kExitFailed;
    return status;
}
