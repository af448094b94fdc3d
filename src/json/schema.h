// The JSON Schema of a type's JSON form, generated from the walk descriptors: a model of every
// constructed type reachable from the asked type (records, choices, arrays) is collected by walks
// with no source, then written as one draft 2020-12 document with a $defs entry per type.
// Internal to the library.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace bacnapi {

class TextSink;

// What a field, an alternative or an array element holds.
struct SchemaSlot {
    enum Kind : uint8_t {
        Application, // a value of an application type (0..12) or SignedLong: `type`, `enumId`
        Reference,   // a constructed type: `type`
        Envelope,    // a value whose type varies at run time: {"type": NAME, "value": V}
        Choice,      // a value of one of `types` (application types), as the envelope
    };
    Kind kind = Application;
    int32_t type = 0;
    uint32_t enumId = 0;
    bool nullable = false; // a nested value that may be empty, written as null
    std::vector<int32_t> types;

    bool operator==(const SchemaSlot&) const = default;
};

struct SchemaMember {
    std::string key;
    SchemaSlot slot;
    bool optional = false;
    int32_t group = -1; // members of one group exclude each other (alternatives inside a record)
};

struct SchemaDef {
    enum Shape : uint8_t { Record, Choice, Array };
    Shape shape = Record;
    std::vector<SchemaMember> members; // Record: fields; Choice: alternatives
    SchemaSlot items;                  // Array
};

using SchemaModel = std::map<int32_t, SchemaDef>;

// Fills model with the definition of type and of every constructed type it reaches. 0, or a
// walker status (the type cannot be walked on its own), or BACNAPI_E_FAIL (the descriptors give
// no consistent shape, for instance one key twice in a record).
int32_t collect_schema_model(int32_t type, SchemaModel& model);

// True for the type codes whose JSON form is a primitive (no $defs entry of a constructed type).
constexpr bool is_primitive_schema_type(int32_t type) { return (type >= 0 && type <= 12) || type == 20; }

} // namespace bacnapi
