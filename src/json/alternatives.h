// What the alternatives of a choice are called, for reading: the walk describes a choice only
// after it is told which alternative to take, so the reader asks the type's walk function, once
// per alternative number, which field each alternative would describe. This is the one place
// where the JSON code looks at the walk's descriptors directly.
#pragma once

#include <cstdint>
#include <vector>

namespace bacnapi::json {

struct Alternative {
    int32_t number;  // what chooseAlternative answers
    uint32_t nameId; // the field it describes
    int32_t tag;
};

// The alternatives of the choice that field fieldIndex of type code `type` asks for, remembered
// per (type, field) for the reader's lifetime.
class AlternativeNames {
public:
    const std::vector<Alternative>& of(int32_t type, int32_t fieldIndex);

private:
    struct Entry {
        int32_t type;
        int32_t fieldIndex;
        std::vector<Alternative> alternatives;
    };
    std::vector<Entry> entries_;
};

} // namespace bacnapi::json
