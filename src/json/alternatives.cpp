// Probing a choice's alternatives: the walk function is asked for the field with neither a
// source nor a destination record, so nothing is read or written; only the cursor it fills
// (the alternative's nameId and tag) is kept. Alternatives that hold a nested or looked-up value
// cannot be bound without records and fail after naming their field: they count too.
#include "json/alternatives.h"

#include "walk/walk.h"

namespace bacnapi::json {

namespace {

// Alternative numbers are context tags or application type codes; -1 is the "no recipient"
// alternative. Every choice of the library lies in this range.
constexpr int32_t kFirstAlternative = -1;
constexpr int32_t kLastAlternative = 63;

constexpr uint32_t kNotDescribed = UINT32_MAX;

struct Probe {
    int32_t answer;
    bool asked = false;
};

int32_t answer(uint32_t, int32_t* alternative, const int32_t*, void* ctx)
{
    auto* probe = static_cast<Probe*>(ctx);
    probe->asked = true;
    *alternative = probe->answer;
    return 0;
}

constexpr BACnetVisitor kProbe = {.chooseAlternative = answer};

} // namespace

const std::vector<Alternative>& AlternativeNames::of(int32_t type, int32_t fieldIndex)
{
    for (const Entry& e : entries_)
        if (e.type == type && e.fieldIndex == fieldIndex) return e.alternatives;
    Entry entry{type, fieldIndex, {}};
    if (const BACnetTypeDescriptor* descriptor = find_descriptor(type)) {
        for (int32_t number = kFirstAlternative; number <= kLastAlternative; ++number) {
            BACnetFieldCursor child{};
            child.nameId = kNotDescribed;
            uint32_t more = 1;
            Probe probe{number};
            const int32_t status = descriptor->walk(&child, nullptr, nullptr, &probe, &kProbe, &more, fieldIndex);
            if (descriptor->finishField) (void)descriptor->finishField(&child, nullptr, fieldIndex);
            // Binding a nested or looked-up value fails without records, after the field is named.
            const bool named = child.nameId != kNotDescribed && status != BACNAPI_WALK_E_NODESCRIPTOR;
            if (probe.asked && (status == 0 || named)) entry.alternatives.push_back({number, child.nameId, child.tag});
        }
    }
    entries_.push_back(std::move(entry));
    return entries_.back().alternatives;
}

} // namespace bacnapi::json
