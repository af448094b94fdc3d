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
                defs += ':' + entry;
            }
        }
        std::string out = "{\"$schema\":\"https://json-schema.org/draft/2020-12/schema\",\"title\":";
        put_string(out, bacnapi_type_name(type));
        out += ",\"type\":\"object\",\"properties\":{\"type\":{\"enum\":[";
        put_string(out, bacnapi_type_name(type));
        out += ',' + std::to_string(type) + "]},\"value\":" + value +
               "},\"required\":[\"type\",\"value\"],\"additionalProperties\":false,\"$defs\":{" + defs + "}}";
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
        out += "{\"$ref\":\"#/$defs/" + name + "\"}";
    }

    // The envelope of one application type: {"type": its name or code, "value": its form}.
    void typed_envelope(std::string& out, int32_t type)
    {
        out += "{\"type\":\"object\",\"properties\":{\"type\":{\"enum\":[";
        put_string(out, bacnapi_type_name(type));
        out += ',' + std::to_string(type) + "]},\"value\":";
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
            std::string key;
            put_string(key, m.key.c_str());
            if (m.group >= 0) {
                std::string& group = groups[m.group];
                group += (group.empty() ? "" : ",") + ("{\"required\":[" + key + "]}");
            } else if (!m.optional) {
                required += (required.empty() ? "" : ",") + key;
            }
        }
        out += "},\"required\":[" + required + "],\"additionalProperties\":false";
        if (!groups.empty()) {
            out += ",\"allOf\":[";
            bool first = true;
            for (const auto& [index, group] : groups) {
                out += (first ? "" : ",") + ("{\"oneOf\":[" + group + "]}");
                first = false;
            }
            out += ']';
        }
        out += '}';
    }

    template <size_t N>
    void names_or_number(std::string& out, const NameRow (&rows)[N])
    {
        const std::string number = "{\"type\":\"integer\",\"minimum\":0,\"maximum\":4294967295}";
        if (!names_) {
            out += number;
            return;
        }
        out += "{\"anyOf\":[" + number + ",{\"enum\":[";
        for (size_t i = 0; i < N; ++i) {
            if (i) out += ',';
            put_string(out, rows[i].name);
        }
        out += "]}]}";
    }

    void helper(std::string& out, const std::string& name)
    {
        static const char* const kOctet = "{\"$ref\":\"#/$defs/octet\"}";
        if (name == "Null") {
            out += "{\"type\":\"null\"}";
        } else if (name == "Boolean") {
            out += "{\"type\":\"boolean\"}";
        } else if (name == "Unsigned" || name == "Enumerated") {
            out += "{\"type\":\"integer\",\"minimum\":0,\"maximum\":4294967295}";
        } else if (name == "Signed") {
            out += "{\"type\":\"integer\",\"minimum\":-2147483648,\"maximum\":2147483647}";
        } else if (name == "SignedLong") {
            out += "{\"anyOf\":[{\"type\":\"integer\",\"minimum\":-9223372036854775808,"
                   "\"maximum\":9223372036854775807},{\"type\":\"string\",\"pattern\":\"^-?(0|[1-9][0-9]{0,18})$\"}]}";
        } else if (name == "Real" || name == "Double") {
            out += "{\"anyOf\":[{\"type\":\"number\"},{\"enum\":[\"NaN\",\"Infinity\",\"-Infinity\"]}]}";
        } else if (name == "OctetString") {
            out += "{\"type\":\"string\",\"pattern\":\"^([0-9A-Fa-f]{2})*$\"}";
        } else if (name == "BitString") {
            out += "{\"type\":\"string\",\"pattern\":\"^[01]*$\"}";
        } else if (name == "CharacterString") {
            // UTF-8 text is a plain string; other character sets keep their name (and code page),
            // with the text converted, or the stored octets where it cannot be converted.
            const std::string charsets = "\"dbcs\",\"jis\",\"ucs-4\",\"ucs-2\",\"iso-8859-1\"";
            const std::string codePage = "\"codePage\":{\"type\":\"integer\",\"minimum\":0,\"maximum\":65535}";
            out += "{\"anyOf\":[{\"type\":\"string\"},{\"type\":\"object\",\"properties\":{\"charset\":{\"enum\":[" +
                   charsets + "]}," + codePage +
                   ",\"text\":{\"type\":\"string\"}},\"required\":[\"charset\",\"text\"],\"additionalProperties\":false},"
                   "{\"type\":\"object\",\"properties\":{\"charset\":{\"enum\":[\"utf-8\"," +
                   charsets + "]}," + codePage +
                   ",\"hex\":{\"type\":\"string\",\"pattern\":\"^([0-9A-Fa-f]{2})*$\"}},\"required\":[\"charset\","
                   "\"hex\"],\"additionalProperties\":false}]}";
        } else if (name == "Date") {
            helpers_.insert("octet");
            out += "{\"anyOf\":[{\"type\":\"string\",\"pattern\":\"^(19[0-9]{2}|20[0-9]{2}|21[0-4][0-9]|215[0-4])-"
                   "(0[1-9]|1[0-2])-(0[1-9]|[12][0-9]|3[01])$\"},{\"type\":\"object\",\"properties\":{\"year\":{"
                   "\"anyOf\":[{\"type\":\"integer\",\"minimum\":1900,\"maximum\":2154},{\"type\":\"null\"}]},"
                   "\"month\":" + std::string(kOctet) + ",\"day\":" + kOctet + ",\"weekday\":" + kOctet +
                   "},\"required\":[\"year\",\"month\",\"day\",\"weekday\"],\"additionalProperties\":false}]}";
        } else if (name == "Time") {
            helpers_.insert("octet");
            out += "{\"anyOf\":[{\"type\":\"string\",\"pattern\":\"^([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]"
                   "(\\\\.[0-9]{2})?$\"},{\"type\":\"object\",\"properties\":{\"hour\":" + std::string(kOctet) +
                   ",\"minute\":" + kOctet + ",\"second\":" + kOctet + ",\"hundredths\":" + kOctet +
                   "},\"required\":[\"hour\",\"minute\",\"second\",\"hundredths\"],\"additionalProperties\":false}]}";
        } else if (name == "octet") {
            out += "{\"anyOf\":[{\"type\":\"integer\",\"minimum\":0,\"maximum\":254},{\"type\":\"null\"}]}";
        } else if (name == "ObjectIdentifier") {
            helpers_.insert("objectType");
            out += "{\"type\":\"object\",\"properties\":{\"objectType\":{\"$ref\":\"#/$defs/objectType\"},"
                   "\"instance\":{\"type\":\"integer\",\"minimum\":0,\"maximum\":4294967295}},"
                   "\"required\":[\"objectType\",\"instance\"],\"additionalProperties\":false}";
        } else if (name == "objectType") {
            names_or_number(out, kObjectTypeNames);
        } else if (name == "propertyIdentifier") {
            names_or_number(out, kPropertyNames);
        } else if (name == "anyValue") {
            helpers_.insert("typeName");
            out += "{\"type\":\"object\",\"properties\":{\"type\":{\"$ref\":\"#/$defs/typeName\"},\"value\":true},"
                   "\"required\":[\"type\",\"value\"],\"additionalProperties\":false}";
        } else if (name == "typeName") {
            out += "{\"anyOf\":[{\"type\":\"integer\",\"minimum\":0,\"maximum\":" + std::to_string(kLastTypeCode) +
                   "},{\"enum\":[";
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
