// The commands of the bacnapi tool. Each returns the process exit status (see tool.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tool {

struct ReadOptions {
    std::string type;
    std::optional<std::string> text;
    std::vector<std::string> batch;
    std::string to = "display";
    std::string from = "brace";
    bool numbers = false; // JSON output: object types and property identifiers as numbers
};

int run_read(const ReadOptions& options);
int run_types(const std::string& pattern);
// OBJECT-TYPE and PROPERTY are numbers or the standard's names (any case).
int run_property(const std::string& objectType, const std::string& property, int32_t index);
int run_compare(const std::string& type, const std::string& first, const std::string& second);
// The JSON Schema of TYPE's JSON form; names: object types and property identifiers as names.
int run_schema(const std::string& type, bool names);
int run_charset(const std::string& from, const std::string& to, uint32_t codePage, const std::string& text);

} // namespace tool
