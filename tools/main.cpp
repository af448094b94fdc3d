// bacnapi: the library from a shell. Reads brace text of any type and prints it as display text
// or brace text, lists the type codes, answers which type a property carries, compares values
// and converts character strings. Usage: bacnapi --help, bacnapi COMMAND --help.
#include "commands.h"
#include "tool.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <exception>

#ifndef BACNAPI_TOOL_VERSION
#define BACNAPI_TOOL_VERSION "unknown"
#endif

int main(int argc, char** argv)
{
    // A reader that goes away makes writes fail with EPIPE, reported once, instead of killing us.
    std::signal(SIGPIPE, SIG_IGN);

    CLI::App app{"bacnapi: read, check and convert BACnet values with the bacnapi library", "bacnapi"};
    app.set_version_flag("--version", std::string("bacnapi ") + BACNAPI_TOOL_VERSION);
    app.require_subcommand(1);
    app.fallthrough(false);

    tool::ReadOptions readOptions;
    std::string readText;
    auto* read = app.add_subcommand("read", "Read brace text or JSON of a type; print it as display text, brace text or JSON");
    read->add_option("TYPE", readOptions.type, "Type code or name (any case), e.g. 4, Real, bacnetdatetime");
    auto* textOption = read->add_option("TEXT", readText, "Brace text of one value; without it, one value per line of standard input");
    read->add_option("--batch", readOptions.batch, "Files of TYPE<TAB>TEXT lines ('-' is standard input)")
        ->type_name("FILE...")
        ->expected(1, 1 << 20);
    read->add_option("--to", readOptions.to, "Output form")->type_name("FORM")->check(CLI::IsMember({"display", "brace", "json"}))
        ->capture_default_str();
    read->add_option("--from", readOptions.from, "Input form")->type_name("FORM")->check(CLI::IsMember({"brace", "json"}))
        ->capture_default_str();
    bool namesRequested = false;
    auto* namesFlag = read->add_flag("--names", namesRequested, "JSON output: object types and property identifiers by the standard's names (the default)");
    auto* numbersFlag = read->add_flag("--numbers", readOptions.numbers, "JSON output: object types and property identifiers as numbers");
    namesFlag->excludes(numbersFlag);

    std::string typesPattern;
    auto* types = app.add_subcommand("types", "List type codes, their names and which text forms they have");
    types->add_option("PATTERN", typesPattern, "Only names that contain PATTERN (any case; * ? [] as in a shell)");

    std::string objectType;
    std::string property;
    int32_t index = -1;
    auto* prop = app.add_subcommand("property", "The type code and name a property of an object type carries");
    prop->add_option("OBJECT-TYPE", objectType, "Object type: number or standard name, e.g. 8, device, analog-input")->required();
    prop->add_option("PROPERTY", property, "Property identifier: number or standard name, e.g. 85, present-value")->required();
    prop->add_option("INDEX", index, "Array index: 0 the length, k element k; leave out for the whole property");

    std::string compareType;
    std::string first;
    std::string second;
    auto* compare = app.add_subcommand("compare", "Compare two values of a type: exit 0 equal, 1 different, 2 trouble");
    compare->add_option("TYPE", compareType, "Type code or name")->required();
    compare->add_option("TEXT1", first, "Brace text")->required();
    compare->add_option("TEXT2", second, "Brace text")->required();

    std::string schemaType;
    bool schemaNames = false;
    bool schemaNumbers = false;
    auto* schema = app.add_subcommand("schema", "Print the JSON Schema (draft 2020-12) of a type's JSON form");
    schema->add_option("TYPE", schemaType, "Type code or name (any case)")->required();
    auto* schemaNamesFlag =
        schema->add_flag("--names", schemaNames, "Object types and property identifiers as names or numbers (default)");
    schema->add_flag("--numbers", schemaNumbers, "Object types and property identifiers as numbers only")
        ->excludes(schemaNamesFlag);

    std::string charsetFrom = "utf-8";
    std::string charsetTo;
    uint32_t codePage = 0;
    std::string charsetText;
    auto* charset = app.add_subcommand("charset", "Convert a text between character sets; print the converted bytes in hex");
    charset->add_option("--from", charsetFrom, "Source set; other than utf-8, TEXT is the stored bytes in hex")
        ->type_name("SET")
        ->capture_default_str();
    charset->add_option("--to", charsetTo, "Target: utf-8, dbcs, jis, ucs-4, ucs-2, iso-8859-1, or 0..5")
        ->type_name("SET")
        ->required();
    charset->add_option("--code-page", codePage, "Code page of a dbcs target (0 means 1252)")->type_name("N")->capture_default_str();
    charset->add_option("TEXT", charsetText, "Text in UTF-8, or hex bytes with --from")->required();

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
    if (read->parsed()) {
        if (textOption->count() > 0) readOptions.text = readText;
        status = tool::run_read(readOptions);
    } else if (types->parsed()) {
        status = tool::run_types(typesPattern);
    } else if (prop->parsed()) {
        status = tool::run_property(objectType, property, index);
    } else if (compare->parsed()) {
        status = tool::run_compare(compareType, first, second);
    } else if (schema->parsed()) {
        status = tool::run_schema(schemaType, !schemaNumbers);
    } else if (charset->parsed()) {
        status = tool::run_charset(charsetFrom, charsetTo, codePage, charsetText);
    }
    } catch (const std::exception& e) {
        tool::report("bacnapi", e.what());
        return tool::kExitFailed;
    }
    if (std::fflush(stdout) != 0 && status == tool::kExitOk) status = tool::kExitFailed;
    return status;
}
