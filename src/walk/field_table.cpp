// The generic walks that interpret field tables and choice tables, and the call of a type's
// descriptor, which reads the table its kind points at.
#include "value/record_size.h"
#include "value/value_internal.h"
#include "walk/field_table.h"
#include "walk/lists.h"
#include "walk/wrapped.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

namespace {

const void* member_at(const void* record, uint32_t offset)
{
    return record ? static_cast<const unsigned char*>(record) + offset : nullptr;
}

void* member_at(void* record, uint32_t offset)
{
    return record ? static_cast<unsigned char*>(record) + offset : nullptr;
}

// True when the source member holds the field's absent sentinel.
bool holds_sentinel(Sentinel sentinel, const void* member)
{
    switch (sentinel) {
    case Sentinel::None: return false;
    case Sentinel::AllOnes32: return read_member<uint32_t>(member, 0) == 0xFFFFFFFFu;
    case Sentinel::Zero32: return read_member<uint32_t>(member, 0) == 0;
    case Sentinel::DeviceAbsent: {
        BACnetObjectIdentifier id;
        std::memcpy(&id, member, sizeof id);
        return id.instance == 0xFFFFFFFFu;
    }
    }
    return false;
}

// Stores the sentinel in a destination member, so that a field the visitor does not fill reads
// as absent afterwards.
void preset_sentinel(Sentinel sentinel, void* member)
{
    switch (sentinel) {
    case Sentinel::None: break;
    case Sentinel::AllOnes32: write_member<uint32_t>(member, 0, 0xFFFFFFFFu); break;
    case Sentinel::Zero32: write_member<uint32_t>(member, 0, 0); break;
    case Sentinel::DeviceAbsent: {
        const BACnetObjectIdentifier absent{8, 0xFFFFFFFFu};
        std::memcpy(member, &absent, sizeof absent);
        break;
    }
    }
}

// An embedded value bound with bind_cursor to a fixed type on both sides: bound as a Wrapped
// value is (a destination of another type is released first), then walked as a Single field.
int32_t bind_embedded_value(BACnetFieldCursor* child, const BACnetDataType* source, BACnetDataType* destination,
                            int32_t type)
{
    const int32_t status = describe_wrapped_value(child, child->nameId, child->tag, source, type, destination, type);
    child->kind = kFieldSingle;
    child->recordOwned = 1;
    return status;
}

} // namespace

int32_t describe_field(const FieldDesc& field, BACnetFieldCursor* child, const void* src, void* dest)
{
    if (field.objectTypeOffset >= 0) {
        // The field's values are looked up under the object type this record holds, on each side.
        const auto at = static_cast<uint32_t>(field.objectTypeOffset);
        child->srcObjectType = src ? read_member<uint32_t>(src, at) : 0;
        child->destObjectType = dest ? read_member<uint32_t>(dest, at) : 0;
    }
    // A property value describes the whole cursor itself from what the record holds.
    if (field.mode == FieldMode::PropertyValue) return describe_property_value(*field.property, child, src, dest);

    child->nameId = field.nameId;
    child->kind = kFieldSingle;
    child->tag = field.tag;
    child->enumId = field.enumId;
    child->optional = field.sentinel != Sentinel::None ? 1 : 0;
    child->absent = 0;

    switch (field.mode) {
    case FieldMode::Member: {
        child->type = field.type;
        child->src = member_at(src, field.offset);
        child->dest = member_at(dest, field.offset);
        if (child->src && holds_sentinel(field.sentinel, child->src)) child->absent = 1;
        if (child->dest) preset_sentinel(field.sentinel, child->dest);
        return BACNAPI_S_OK;
    }
    case FieldMode::Nested:
        return bind_nested_value(child, static_cast<const BACnetDataType*>(member_at(src, field.offset)),
                                 static_cast<BACnetDataType*>(member_at(dest, field.offset)), field.type);
    case FieldMode::BoundValue:
        return bind_embedded_value(child, static_cast<const BACnetDataType*>(member_at(src, field.offset)),
                                   static_cast<BACnetDataType*>(member_at(dest, field.offset)), field.type);
    case FieldMode::WholeRecord:
        child->type = field.type;
        child->src = src;
        child->dest = dest;
        return BACNAPI_S_OK;
    case FieldMode::NoMember:
        child->type = BACNAPI_TYPE_Null;
        child->src = nullptr;
        child->dest = nullptr;
        return BACNAPI_S_OK;
    case FieldMode::PropertyValue: break;    // described above
    case FieldMode::ApplicationValue: break; // needs the visitor: walk_field_table describes it
    }
    return BACNAPI_WALK_E_NODESCRIPTOR;
}

int32_t walk_field_table(const FieldDesc* fields, size_t count, BACnetFieldCursor* child, const void* src, void* dest,
                         void* ctx, const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= count) return BACNAPI_WALK_E_NODESCRIPTOR;
    if (static_cast<size_t>(index) + 1 == count && more) *more = 0;
    const FieldDesc& field = fields[index];
    if (field.mode == FieldMode::ApplicationValue)
        return describe_application_choice(field.nameId, field.tag, field.enumId, child,
                                           static_cast<const BACnetDataType*>(member_at(src, field.offset)),
                                           static_cast<BACnetDataType*>(member_at(dest, field.offset)), ctx, visitor);
    return describe_field(field, child, src, dest);
}

int32_t choose_alternative(uint32_t choiceId, int32_t recorded, BACnetFieldCursor* child, void* ctx,
                           const BACnetVisitor* visitor)
{
    child->tag = recorded;
    child->enumId = choiceId;
    if (visitor && visitor->chooseAlternative) {
        const int32_t recordedCopy = recorded;
        if (visitor->chooseAlternative(choiceId, &child->tag, &recordedCopy, ctx) != 0) return BACNAPI_WALK_E_REFUSED;
    }
    return BACNAPI_S_OK;
}

const AlternativeDesc* find_alternative(const ChoiceDesc& choice, int32_t number)
{
    for (size_t i = 0; i < choice.alternativeCount; ++i)
        if (choice.alternatives[i].number == number) return &choice.alternatives[i];
    return nullptr;
}

namespace {

// Bytes that the member of one alternative occupies in its record (0 when it has no member of
// its own: Null alternatives and embedded choice types, which handle their own members).
size_t member_size(const FieldDesc& field)
{
    switch (field.mode) {
    case FieldMode::Nested:
    case FieldMode::BoundValue:
    case FieldMode::PropertyValue:
    case FieldMode::ApplicationValue: return sizeof(BACnetDataType);
    case FieldMode::WholeRecord:
    case FieldMode::NoMember: return 0;
    case FieldMode::Member: break;
    }
    switch (field.type) {
    case BACNAPI_TYPE_Null: return 0;
    case BACNAPI_TYPE_Boolean: return 1;
    case BACNAPI_TYPE_Double: return sizeof(double);
    case BACNAPI_TYPE_OctetString: return sizeof(BACnetOctetString);
    case BACNAPI_TYPE_CharacterString: return sizeof(BACnetCharacterString);
    case BACNAPI_TYPE_BitString: return sizeof(BACnetBitString);
    case BACNAPI_TYPE_ObjectIdentifier: return sizeof(BACnetObjectIdentifier);
    case BACNAPI_TYPE_Unsigned:
    case BACNAPI_TYPE_Signed:
    case BACNAPI_TYPE_Real:
    case BACNAPI_TYPE_Enumerated:
    case BACNAPI_TYPE_Date:
    case BACNAPI_TYPE_Time: return 4;
    case BACNAPI_TYPE_BACnetError: return sizeof(BACnetError);
    case BACNAPI_TYPE_EventParameterChangeOfBitstring: return sizeof(EventParameterChangeOfBitstring);
    case BACNAPI_TYPE_EventParameterChangeOfState: return sizeof(EventParameterChangeOfState);
    case BACNAPI_TYPE_EventParameterChangeOfValue: return sizeof(EventParameterChangeOfValue);
    case BACNAPI_TYPE_EventParameterCommandFailure: return sizeof(EventParameterCommandFailure);
    case BACNAPI_TYPE_EventParameterFloatingLimit: return sizeof(EventParameterFloatingLimit);
    case BACNAPI_TYPE_EventParameterOutOfRange: return sizeof(EventParameterOutOfRange);
    case BACNAPI_TYPE_EventParameterBufferReady:
    case BACNAPI_TYPE_EventParameterBufferReady2: return sizeof(EventParameterBufferReady);
    case BACNAPI_TYPE_EventParameterChangeOfLifeSafety: return sizeof(EventParameterChangeOfLifeSafety);
    case BACNAPI_TYPE_EventParameterExtended: return sizeof(EventParameterExtended);
    case BACNAPI_TYPE_EventParameterUnsignedRange: return sizeof(EventParameterUnsignedRange);
    case BACNAPI_TYPE_NotificationChangeOfBitstring: return sizeof(NotificationChangeOfBitstring);
    case BACNAPI_TYPE_NotificationChangeOfState: return sizeof(NotificationChangeOfState);
    case BACNAPI_TYPE_NotificationChangeOfValue: return sizeof(NotificationChangeOfValue);
    case BACNAPI_TYPE_NotificationCommandFailure: return sizeof(NotificationCommandFailure);
    case BACNAPI_TYPE_NotificationFloatingLimit: return sizeof(NotificationFloatingLimit);
    case BACNAPI_TYPE_NotificationOutOfRange: return sizeof(NotificationOutOfRange);
    case BACNAPI_TYPE_NotificationBufferReady: return sizeof(NotificationBufferReady);
    case BACNAPI_TYPE_NotificationChangeOfLifeSafety: return sizeof(NotificationChangeOfLifeSafety);
    case BACNAPI_TYPE_NotificationExtended: return sizeof(NotificationExtended);
    case BACNAPI_TYPE_NotificationBufferReady2: return sizeof(NotificationBufferReady2);
    case BACNAPI_TYPE_NotificationUnsignedRange: return sizeof(NotificationUnsignedRange);
    default: return record_size_of(field.type);
    }
}

// Releases what the member of an alternative owns when it is a string or a nested value (the
// members that other alternatives' bytes could otherwise be mistaken for).
void release_member(const FieldDesc& field, void* record)
{
    void* member = member_at(record, field.offset);
    if (field.mode == FieldMode::Nested || field.mode == FieldMode::BoundValue ||
        field.mode == FieldMode::ApplicationValue) {
        clear_value(static_cast<BACnetDataType*>(member));
        return;
    }
    if (field.mode != FieldMode::Member) return;
    void* block = nullptr;
    switch (field.type) {
    case BACNAPI_TYPE_OctetString: block = static_cast<BACnetOctetString*>(member)->data; break;
    case BACNAPI_TYPE_CharacterString: block = static_cast<BACnetCharacterString*>(member)->data; break;
    case BACNAPI_TYPE_BitString: block = static_cast<BACnetBitString*>(member)->bits; break;
    default: break;
    }
    // Records read fresh hold no block here: the call is skipped rather than made for nothing
    // once per element of a long list.
    if (block) std::free(block);
}

// A destination record that holds another alternative than the chosen one: what the old
// alternative owns is released (by `release`, or member-wise), and the new alternative's member
// starts zero-filled, so that no byte of the old alternative is read as part of the new one.
void switch_alternative(const ChoiceDesc& choice, void* dest, const AlternativeDesc& chosen)
{
    const int32_t held = read_member<int32_t>(dest, choice.selectorOffset);
    if (held == chosen.number) return;
    if (choice.release) {
        choice.release(dest);
    } else if (const AlternativeDesc* old = find_alternative(choice, held)) {
        release_member(old->field, dest);
    }
    if (const size_t size = member_size(chosen.field)) std::memset(member_at(dest, chosen.field.offset), 0, size);
}

} // namespace

int32_t walk_choice(const ChoiceDesc& choice, BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                    const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    if (index != 0) return BACNAPI_WALK_E_NODESCRIPTOR;
    if (more) *more = 0;

    int32_t recorded = 0;
    if (src)
        recorded = read_member<int32_t>(src, choice.selectorOffset);
    else if (dest && !choice.sourceOnly)
        recorded = read_member<int32_t>(dest, choice.selectorOffset);

    const int32_t status = choose_alternative(choice.choiceId, recorded, child, ctx, visitor);
    if (status != 0) return status;
    const int32_t chosen = child->tag;
    const AlternativeDesc* alternative = find_alternative(choice, chosen);
    if (!alternative) return BACNAPI_WALK_E_NODESCRIPTOR;
    // A source is only ever read as the alternative it holds: reading a union member of another
    // alternative would take arbitrary bytes for pointers.
    if (src && chosen != recorded) return BACNAPI_WALK_E_REFUSED;
    if (dest) {
        switch_alternative(choice, dest, *alternative);
        write_member<int32_t>(dest, choice.selectorOffset, chosen);
    }
    return describe_field(alternative->field, child, src, dest);
}

int32_t describe_application_choice(uint32_t nameId, int32_t tag, uint32_t choiceId, BACnetFieldCursor* child,
                                    const BACnetDataType* source, BACnetDataType* destination, void* ctx,
                                    const BACnetVisitor* visitor)
{
    const int32_t recorded = source ? source->type : BACNAPI_TYPE_Null;
    const int32_t status = choose_alternative(choiceId, recorded, child, ctx, visitor);
    if (status != 0) return status;
    const int32_t chosen = child->tag;
    if (chosen < BACNAPI_TYPE_Null || chosen > BACNAPI_TYPE_ObjectIdentifier) return BACNAPI_WALK_E_REFUSED;
    if (source && source->type != chosen) return BACNAPI_WALK_E_REFUSED;

    child->nameId = nameId;
    child->kind = kFieldSingle;
    child->tag = tag;
    child->type = chosen;
    child->src = source ? &source->payload : nullptr;
    child->dest = nullptr;
    if (destination) {
        // The value is read afresh: whatever it held is released, and it becomes an empty value
        // of the chosen type (zero payload).
        clear_value(destination);
        destination->type = chosen;
        child->dest = &destination->payload;
    }
    return BACNAPI_S_OK;
}

int32_t TypeWalk::operator()(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                             const BACnetVisitor* visitor, uint32_t* more, int32_t index) const
{
    switch (kind) {
    case DescriptorKind::Fields:
        return walk_field_table(fields, fieldCount, child, src, dest, ctx, visitor, more, index);
    case DescriptorKind::Choice: return walk_choice(*choice, child, src, dest, ctx, visitor, more, index);
    case DescriptorKind::ValueList: return describe_list_element(elementType, child, src, dest, index);
    case DescriptorKind::ByHand: return byHand(child, src, dest, ctx, visitor, more, index);
    case DescriptorKind::None: break;
    }
    return BACNAPI_WALK_E_NODESCRIPTOR;
}

} // namespace bacnapi
