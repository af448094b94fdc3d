// Writes the JSON Schema (draft 2020-12) of a type's JSON form: the envelope {"type","value"}
// at the top, one $defs entry per constructed type the value can hold (so that recursion and
// reuse go through $ref), and one $defs entry per primitive form.
#include "json/schema.h"

#include "text/text_sink.h"

#include <bacnapi/bacnapi.h>

#include <cstdio>
#include <map>
#include <new>
#include <set>
#include <string>

namespace bacnapi {

namespace {

struct NameRow {
    uint32_t number;
    const char* name;
};

constexpr NameRow kObjectTypeNames[] = {
#include "object_type_names.inc"
};

constexpr NameRow kPropertyNames[] = {
#include "property_names.inc"
};

constexpr uint32_t kPropertyIdentifierEnum = 49;
constexpr int32_t kLastTypeCode = 153;

// A JSON string literal of text (the keys and names here are plain ASCII; anything else is
// escaped all the same).
void put_string(std::string& out, const char* text)
{
    out += '"';
    for (const char* p = text; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    out += '"';
}

// The $defs entries whose text never changes: the primitive forms and the helpers they refer
// to. `refers` names the helper entry the text points at, which must be written too.
struct FixedEntry {
    const char* name;
    const char* text;
    const char* refers;
};

#define BACNAPI_OCTET_REF "{\"$ref\":\"#/$defs/octet\"}"
#define BACNAPI_WORD "{\"type\":\"integer\",\"minimum\":0,\"maximum\":4294967295}"
#define BACNAPI_FLOATING "{\"anyOf\":[{\"type\":\"number\"},{\"enum\":[\"NaN\",\"Infinity\",\"-Infinity\"]}]}"
#define BACNAPI_HEX_PATTERN "\"pattern\":\"^([0-9A-Fa-f]{2})*$\""
#define BACNAPI_CHARSETS "\"dbcs\",\"jis\",\"ucs-4\",\"ucs-2\",\"iso-8859-1\""
#define BACNAPI_CODE_PAGE "\"codePage\":{\"type\":\"integer\",\"minimum\":0,\"maximum\":65535}"

constexpr FixedEntry kFixedEntries[] = {
    {"Null", "{\"type\":\"null\"}", nullptr},
    {"Boolean", "{\"type\":\"boolean\"}", nullptr},
    {"Unsigned", BACNAPI_WORD, nullptr},
    {"Enumerated", BACNAPI_WORD, nullptr},
    {"Signed", "{\"type\":\"integer\",\"minimum\":-2147483648,\"maximum\":2147483647}", nullptr},
    {"SignedLong",
     "{\"anyOf\":[{\"type\":\"integer\",\"minimum\":-9223372036854775808,\"maximum\":9223372036854775807},"
     "{\"type\":\"string\",\"pattern\":\"^-?(0|[1-9][0-9]{0,18})$\"}]}",
     nullptr},
    {"Real", BACNAPI_FLOATING, nullptr},
    {"Double", BACNAPI_FLOATING, nullptr},
    {"OctetString", "{\"type\":\"string\"," BACNAPI_HEX_PATTERN "}", nullptr},
    {"BitString", "{\"type\":\"string\",\"pattern\":\"^[01]*$\"}", nullptr},
    // UTF-8 text is a plain string; other character sets keep their name (and code page), with
    // the text converted, or the stored octets where it cannot be converted.
    {"CharacterString",
     "{\"anyOf\":[{\"type\":\"string\"},{\"type\":\"object\",\"properties\":{\"charset\":{\"enum\":[" BACNAPI_CHARSETS
     "]}," BACNAPI_CODE_PAGE ",\"text\":{\"type\":\"string\"}},\"required\":[\"charset\",\"text\"],"
     "\"additionalProperties\":false},{\"type\":\"object\",\"properties\":{\"charset\":{\"enum\":[\"utf-8\","
     BACNAPI_CHARSETS "]}," BACNAPI_CODE_PAGE ",\"hex\":{\"type\":\"string\"," BACNAPI_HEX_PATTERN
     "}},\"required\":[\"charset\",\"hex\"],\"additionalProperties\":false}]}",
     nullptr},
    {"Date",
     "{\"anyOf\":[{\"type\":\"string\",\"pattern\":\"^(19[0-9]{2}|20[0-9]{2}|21[0-4][0-9]|215[0-4])-"
     "(0[1-9]|1[0-2])-(0[1-9]|[12][0-9]|3[01])$\"},{\"type\":\"object\",\"properties\":{\"year\":{"
     "\"anyOf\":[{\"type\":\"integer\",\"minimum\":1900,\"maximum\":2154},{\"type\":\"null\"}]},"
     "\"month\":" BACNAPI_OCTET_REF ",\"day\":" BACNAPI_OCTET_REF ",\"weekday\":" BACNAPI_OCTET_REF
     "},\"required\":[\"year\",\"month\",\"day\",\"weekday\"],\"additionalProperties\":false}]}",
     "octet"},
    {"Time",
     "{\"anyOf\":[{\"type\":\"string\",\"pattern\":\"^([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]"
     "(\\\\.[0-9]{2})?$\"},{\"type\":\"object\",\"properties\":{\"hour\":" BACNAPI_OCTET_REF
     ",\"minute\":" BACNAPI_OCTET_REF ",\"second\":" BACNAPI_OCTET_REF ",\"hundredths\":" BACNAPI_OCTET_REF
     "},\"required\":[\"hour\",\"minute\",\"second\",\"hundredths\"],\"additionalProperties\":false}]}",
     "octet"},
    {"octet", "{\"anyOf\":[{\"type\":\"integer\",\"minimum\":0,\"maximum\":254},{\"type\":\"null\"}]}", nullptr},
    {"ObjectIdentifier",
     "{\"type\":\"object\",\"properties\":{\"objectType\":{\"$ref\":\"#/$defs/objectType\"},"
     "\"instance\":" BACNAPI_WORD "},\"required\":[\"objectType\",\"instance\"],\"additionalProperties\":false}",
     "objectType"},
    {"anyValue",
     "{\"type\":\"object\",\"properties\":{\"type\":{\"$ref\":\"#/$defs/typeName\"},\"value\":true},"
     "\"required\":[\"type\",\"value\"],\"additionalProperties\":false}",
     "typeName"},
};

// The room of an Unsigned, an Enumerated or an unnamed standard number.
constexpr const char* kWord = BACNAPI_WORD;

#undef BACNAPI_OCTET_REF
#undef BACNAPI_WORD
#undef BACNAPI_FLOATING
#undef BACNAPI_HEX_PATTERN
#undef BACNAPI_CHARSETS
#undef BACNAPI_CODE_PAGE

class SchemaWriter {
public:
    SchemaWriter(const SchemaModel& model, uint32_t flags) : model_(model), names_(flags & BACNAPI_JSON_NAMES) {}

    std::string document(int32_t type)
    {
        std::string value;
        slot(value, top_slot(type));
        std::string defs;
        for (const auto& [code, def] : model_) {
            if (!defs.empty()) defs += ',';
            put_string(defs, bacnapi_type_name(code));
            defs += ':';
            definition(defs, def);
        }
        // Helper entries are added while entries are written, so they are written last.
        for (size_t written = 0; written < helpers_.size();) {
            written = helpers_.size();
            const std::set<std::string> names = helpers_;
            for (const std::string& name : names) {
                if (done_.count(name)) continue;
                done_.insert(name);
                std::string entry;
                helper(entry, name);
                if (!defs.empty()) defs += ',';
                put_string(defs, name.c_str());
                defs += ':';
                defs += entry;
            }
        }
        std::string out = "{\"$schema\":\"https://json-schema.org/draft/2020-12/schema\",\"title\":";
        put_string(out, bacnapi_type_name(type));
        out += ",\"type\":\"object\",\"properties\":{\"type\":{\"enum\":[";
        put_string(out, bacnapi_type_name(type));
        out += ',';
        out += std::to_string(type);
        out += "]},\"value\":";
        out += value;
        out += "},\"required\":[\"type\",\"value\"],\"additionalProperties\":false,\"$defs\":{";
        out += defs;
        out += "}}";
        return out;
    }

private:
    static SchemaSlot top_slot(int32_t type)
    {
        SchemaSlot s;
        s.kind = is_primitive_schema_type(type) ? SchemaSlot::Application : SchemaSlot::Reference;
        s.type = type;
        return s;
    }

    void ref(std::string& out, const std::string& name, bool helper)
    {
        if (helper) helpers_.insert(name);
        out += "{\"$ref\":\"#/$defs/";
        out += name;
        out += "\"}";
    }

    // The envelope of one application type: {"type": its name or code, "value": its form}.
    void typed_envelope(std::string& out, int32_t type)
    {
        out += "{\"type\":\"object\",\"properties\":{\"type\":{\"enum\":[";
        put_string(out, bacnapi_type_name(type));
        out += ',';
        out += std::to_string(type);
        out += "]},\"value\":";
        ref(out, bacnapi_type_name(type), true);
        out += "},\"required\":[\"type\",\"value\"],\"additionalProperties\":false}";
    }

    void slot(std::string& out, const SchemaSlot& s)
    {
        if (s.nullable) out += "{\"anyOf\":[";
        switch (s.kind) {
        case SchemaSlot::Application:
            if (s.type == BACNAPI_TYPE_Enumerated && s.enumId == kPropertyIdentifierEnum)
                ref(out, "propertyIdentifier", true);
            else
                ref(out, bacnapi_type_name(s.type), true);
            break;
        case SchemaSlot::Reference: ref(out, bacnapi_type_name(s.type), false); break;
        case SchemaSlot::Envelope: ref(out, "anyValue", true); break;
        case SchemaSlot::Choice:
            out += "{\"oneOf\":[";
            for (size_t i = 0; i < s.types.size(); ++i) {
                if (i) out += ',';
                typed_envelope(out, s.types[i]);
            }
            out += "]}";
            break;
        }
        if (s.nullable) out += ",{\"type\":\"null\"}]}";
    }

    void definition(std::string& out, const SchemaDef& def)
    {
        switch (def.shape) {
        case SchemaDef::Array:
            out += "{\"type\":\"array\",\"items\":";
            slot(out, def.items);
            out += '}';
            return;
        case SchemaDef::Choice:
            out += "{\"oneOf\":[";
            for (size_t i = 0; i < def.members.size(); ++i) {
                if (i) out += ',';
                out += "{\"type\":\"object\",\"properties\":{";
                put_string(out, def.members[i].key.c_str());
                out += ':';
                slot(out, def.members[i].slot);
                out += "},\"required\":[";
                put_string(out, def.members[i].key.c_str());
                out += "],\"additionalProperties\":false}";
            }
            out += "]}";
            return;
        case SchemaDef::Record: record(out, def); return;
        }
    }

    void record(std::string& out, const SchemaDef& def)
    {
        out += "{\"type\":\"object\",\"properties\":{";
        std::string required;
        std::map<int32_t, std::string> groups; // exactly one member of each group is present
        for (size_t i = 0; i < def.members.size(); ++i) {
            const SchemaMember& m = def.members[i];
            if (i) out += ',';
            put_string(out, m.key.c_str());
            out += ':';
            slot(out, m.slot);
            if (m.group >= 0) {
                std::string& group = groups[m.group];
                if (!group.empty()) group += ',';
                group += "{\"required\":[";
                put_string(group, m.key.c_str());
                group += "]}";
            } else if (!m.optional) {
                if (!required.empty()) required += ',';
                put_string(required, m.key.c_str());
            }
        }
        out += "},\"required\":[";
        out += required;
        out += "],\"additionalProperties\":false";
        if (!groups.empty()) {
            out += ",\"allOf\":[";
            bool first = true;
            for (const auto& [index, group] : groups) {
                if (!first) out += ',';
                out += "{\"oneOf\":[";
                out += group;
                out += "]}";
                first = false;
            }
            out += ']';
        }
        out += '}';
    }

    template <size_t N>
    void names_or_number(std::string& out, const NameRow (&rows)[N])
    {
        if (!names_) {
            out += kWord;
            return;
        }
        out += "{\"anyOf\":[";
        out += kWord;
        out += ",{\"enum\":[";
        for (size_t i = 0; i < N; ++i) {
            if (i) out += ',';
            put_string(out, rows[i].name);
        }
        out += "]}]}";
    }

    // The entry of a primitive form or of a helper named by a $ref.
    void helper(std::string& out, const std::string& name)
    {
        if (name == "objectType") {
            names_or_number(out, kObjectTypeNames);
        } else if (name == "propertyIdentifier") {
            names_or_number(out, kPropertyNames);
        } else if (name == "typeName") {
            type_names(out);
        } else {
            for (const FixedEntry& entry : kFixedEntries) {
                if (name != entry.name) continue;
                if (entry.refers) helpers_.insert(entry.refers);
                out += entry.text;
                return;
            }
        }
    }

    // A type code, or one of the names of the types that have one.
    static void type_names(std::string& out)
    {
        out += "{\"anyOf\":[{\"type\":\"integer\",\"minimum\":0,\"maximum\":";
        out += std::to_string(kLastTypeCode);
        out += "},{\"enum\":[";
        bool first = true;
        for (int32_t code = 0; code <= kLastTypeCode; ++code) {
            const char* typeName = bacnapi_type_name(code);
            if (!typeName) continue;
            if (!first) out += ',';
            put_string(out, typeName);
            first = false;
        }
        out += "]}]}";
    }

    const SchemaModel& model_;
    const bool names_;
    std::set<std::string> helpers_;
    std::set<std::string> done_;
};

} // namespace

} // namespace bacnapi

extern "C" BACNAPI_API int32_t bacnapi_json_schema(char** text, int32_t type, uint32_t flags)
{
    using namespace bacnapi;
    if (!text || (flags & ~BACNAPI_JSON_NAMES) != 0) return BACNAPI_E_INVALIDARG;
    if (!bacnapi_type_name(type)) return BACNAPI_WALK_E_NODESCRIPTOR;
    try {
        SchemaModel model;
        const int32_t status = collect_schema_model(type, model);
        if (status != 0) return status;
        const std::string document = SchemaWriter(model, flags).document(type);
        TextSink sink(text);
        const int32_t appended = sink.append(document.data(), document.size());
        sink.finish();
        return appended;
    } catch (const std::bad_alloc&) {
        return BACNAPI_WALK_E_NOMEMORY;
    } catch (...) {
        return BACNAPI_E_FAIL;
    }
}
