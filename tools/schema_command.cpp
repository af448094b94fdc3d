// bacnapi schema: the JSON Schema of a type's JSON form.
#include "commands.h"
#include "tool.h"

namespace tool {

int run_schema(const std::string& type, bool names)
{
    std::string typeError;
    const auto operand = parse_type(type, &typeError);
    if (!operand) {
        report("bacnapi schema", typeError);
        return kExitUsage;
    }
    char* text = nullptr;
    const int32_t status = bacnapi_json_schema(&text, operand->code, names ? BACNAPI_JSON_NAMES : 0u);
    const std::string schema = text ? text : "";
    bacnapi_free(text);
    if (status != 0) {
        report("bacnapi schema", std::string(bacnapi_type_name(operand->code)) + " has no JSON form (" +
                                     status_text(status) + ")");
        return kExitFailed;
    }
    return print_line(schema) ? kExitOk : kExitFailed;
}

} // namespace tool
