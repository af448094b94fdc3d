// Wrapped property values, described for the walk functions of the records that hold them.
#include "value/value_internal.h"
#include "walk/field_table.h"
#include "walk/wrapped.h"

#include <cstring>

namespace bacnapi {

namespace {

int32_t side_type(const PropertyValueDesc& pv, const void* record, uint32_t inheritedObjectType)
{
    const uint32_t objectType =
        pv.objectTypeOffset < 0 ? inheritedObjectType : read_member<uint32_t>(record, static_cast<uint32_t>(pv.objectTypeOffset));
    return lookup_property_type(objectType, read_member<uint32_t>(record, pv.propertyOffset),
                                read_member<uint32_t>(record, pv.arrayIndexOffset));
}

} // namespace

int32_t lookup_property_type(uint32_t objectType, uint32_t propertyIdentifier, uint32_t arrayIndex)
{
    return bacnapi_get_data_type(static_cast<int32_t>(objectType), static_cast<int32_t>(propertyIdentifier),
                                 static_cast<int32_t>(arrayIndex));
}

int32_t describe_wrapped_value(BACnetFieldCursor* child, uint32_t nameId, int32_t tag,
                               const BACnetDataType* source, int32_t sourceType, BACnetDataType* destination,
                               int32_t destinationType)
{
    // The record of a value of another type must not be taken over as a record of this type.
    if (destination && destination->type != destinationType && destination->type != BACNAPI_TYPE_Null)
        clear_value(destination);
    // enumId stays as the caller left it: 0 for a plain field, the choice identifier for the
    // property-value alternative of a choice.
    const uint32_t enumId = child->enumId;
    const uint32_t srcObjectType = child->srcObjectType;
    const uint32_t destObjectType = child->destObjectType;
    const int32_t status = bind_cursor(child, source, sourceType, destination, destinationType);
    child->nameId = nameId;
    child->kind = kFieldWrapped;
    child->tag = tag;
    child->enumId = enumId;
    child->srcObjectType = srcObjectType;
    child->destObjectType = destObjectType;
    return status;
}

int32_t describe_property_value(const PropertyValueDesc& pv, BACnetFieldCursor* child, const void* src,
                                void* dest)
{
    const BACnetDataType* source = nullptr;
    BACnetDataType* destination = nullptr;
    int32_t sourceType = BACNAPI_TYPE_Null;
    int32_t destinationType = BACNAPI_TYPE_Null;
    if (src) {
        source = reinterpret_cast<const BACnetDataType*>(static_cast<const unsigned char*>(src) + pv.valueOffset);
        sourceType = pv.sourceOwnTypeFirst && source->type != BACNAPI_TYPE_Null
                         ? source->type
                         : side_type(pv, src, child->srcObjectType);
    }
    if (dest) {
        destination = reinterpret_cast<BACnetDataType*>(static_cast<unsigned char*>(dest) + pv.valueOffset);
        destinationType = side_type(pv, dest, child->destObjectType);
    }
    return describe_wrapped_value(child, pv.nameId, pv.tag, source, sourceType, destination,
                                  destinationType);
}

} // namespace bacnapi
