// BACnetAddress and BACnetWeekNDay keep short fixed byte arrays in their records, but their
// brace text is an octet string. Their walk functions lend the field a temporary octet string on
// each side; the finish function copies the destination's string back into the record and
// releases both temporaries, also after a failed field.
#include "value/value_internal.h"
#include "walk/field_table.h"
#include "walk/walk_functions.h"

#include <cstddef>
#include <cstring>

namespace bacnapi {

namespace {

constexpr uint64_t kMacCapacity = sizeof(BACnetAddress::macAddress);
constexpr uint64_t kWeekNDayOctets = 3;

constexpr FieldDesc kNetworkNumber =
    member_field(190, -1, BACNAPI_TYPE_Unsigned, offsetof(BACnetAddress, networkNumber));

// Describes an octet-string field backed by temporaries: the source side holds a copy of
// `count` octets at `bytes`, the destination side an empty string for the visitor to fill.
int32_t describe_temporary_octets(BACnetFieldCursor* child, uint32_t nameId, const uint8_t* bytes, uint64_t count,
                                  bool withDestination)
{
    child->nameId = nameId;
    child->kind = kFieldSingle;
    child->tag = -1;
    child->type = BACNAPI_TYPE_OctetString;
    child->src = nullptr;
    child->dest = nullptr;
    if (bytes) {
        BACnetOctetString* source = nullptr;
        if (temp_octets_create(bytes, count, &source) != 0) return BACNAPI_WALK_E_NOMEMORY;
        child->src = source;
    }
    if (withDestination) {
        BACnetOctetString* destination = nullptr;
        if (temp_octets_create(nullptr, 0, &destination) != 0) return BACNAPI_WALK_E_NOMEMORY;
        child->dest = destination;
    }
    return BACNAPI_S_OK;
}

// Releases the temporaries of a field described by describe_temporary_octets.
void release_temporary_octets(BACnetFieldCursor* child)
{
    temp_octets_release(static_cast<BACnetOctetString*>(const_cast<void*>(child->src)));
    temp_octets_release(static_cast<BACnetOctetString*>(child->dest));
    child->src = nullptr;
    child->dest = nullptr;
}

} // namespace

int32_t walk_BACnetAddress(BACnetFieldCursor* child, const void* src, void* dest, void*, const BACnetVisitor*,
                           uint32_t* more, int32_t index)
{
    if (index == 0) return describe_field(kNetworkNumber, child, src, dest);
    if (index != 1) return BACNAPI_WALK_E_NODESCRIPTOR;
    *more = 0;
    const auto* source = static_cast<const BACnetAddress*>(src);
    // A length above the array's capacity cannot be honoured; only the octets held are written.
    const uint64_t length = source ? (source->macLength < kMacCapacity ? source->macLength : kMacCapacity) : 0;
    return describe_temporary_octets(child, 164, source ? source->macAddress : nullptr, length, dest != nullptr);
}

int32_t finish_BACnetAddress(BACnetFieldCursor* child, void* dest, int32_t index)
{
    if (index != 1) return 0;
    const auto* read = static_cast<const BACnetOctetString*>(child->dest);
    if (dest && read && read->length <= kMacCapacity) {
        auto* address = static_cast<BACnetAddress*>(dest);
        if (read->length) std::memcpy(address->macAddress, read->data, read->length);
        address->macLength = static_cast<uint8_t>(read->length);
    }
    release_temporary_octets(child);
    return 0;
}

int32_t walk_BACnetWeekNDay(BACnetFieldCursor* child, const void* src, void* dest, void*, const BACnetVisitor*,
                            uint32_t* more, int32_t index)
{
    if (index != 0) return BACNAPI_WALK_E_NODESCRIPTOR;
    *more = 0;
    const auto* source = static_cast<const BACnetWeekNDay*>(src);
    uint8_t octets[kWeekNDayOctets] = {};
    if (source) {
        octets[0] = source->month;
        octets[1] = source->weekOfMonth;
        octets[2] = source->dayOfWeek;
    }
    return describe_temporary_octets(child, 312, source ? octets : nullptr, kWeekNDayOctets, dest != nullptr);
}

int32_t finish_BACnetWeekNDay(BACnetFieldCursor* child, void* dest, int32_t index)
{
    if (index != 0) return 0;
    const auto* read = static_cast<const BACnetOctetString*>(child->dest);
    if (dest && read && read->length <= kWeekNDayOctets) {
        // Octets the text does not give are unspecified (255).
        uint8_t octets[kWeekNDayOctets] = {255, 255, 255};
        if (read->length) std::memcpy(octets, read->data, read->length);
        auto* weekNDay = static_cast<BACnetWeekNDay*>(dest);
        weekNDay->month = octets[0];
        weekNDay->weekOfMonth = octets[1];
        weekNDay->dayOfWeek = octets[2];
    }
    release_temporary_octets(child);
    return 0;
}

} // namespace bacnapi
