// Accessors of the constructed types: a catalogue, one row per accessor, naming the host record
// and the type code. The record copy is the one the deep copy of values uses for that type:
// byte for byte for the records that own nothing, deep for the others.
#include "access/access_protocol.h"

using namespace bacnapi;
using Value = BACnetDataType;

extern "C" {

// ---- Records that own nothing ----
// Choice records among them copy only the alternatives they know: the recipients 0 (device)
// and 1 (address), the shed level 0 to 2; any other alternative keeps only its number.
BACNAPI_API int32_t bacnapi_access_address(BACnetAddress* h, Value* v, uint8_t f) { return access_record<21>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_dateTime(BACnetDateTime* h, Value* v, uint8_t f) { return access_record<22>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_calendarEntry(BACnetCalendarEntry* h, Value* v, uint8_t f) { return access_record<23>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_dateRange(BACnetDateRange* h, Value* v, uint8_t f) { return access_record<24>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_weekNDay(BACnetWeekNDay* h, Value* v, uint8_t f) { return access_record<25>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_timeStamp(BACnetTimeStamp* h, Value* v, uint8_t f) { return access_record<27>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_recipient(BACnetRecipient* h, Value* v, uint8_t f) { return access_record<30>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_recipientProcess(BACnetRecipientProcess* h, Value* v, uint8_t f) { return access_record<31>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_addressBinding(BACnetAddressBinding* h, Value* v, uint8_t f) { return access_record<32>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_objectPropertyReference(BACnetObjectPropertyReference* h, Value* v, uint8_t f) { return access_record<33>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_deviceObjectPropertyReference(BACnetDeviceObjectPropertyReference* h, Value* v, uint8_t f) { return access_record<36>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_propertyReference(BACnetPropertyReference* h, Value* v, uint8_t f) { return access_record<44>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_propertyStates(BACnetPropertyStates* h, Value* v, uint8_t f) { return access_record<50>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_clientCOV(BACnetClientCOV* h, Value* v, uint8_t f) { return access_record<54>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_COVSubscription(BACnetCOVSubscription* h, Value* v, uint8_t f) { return access_record<101>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_scale(BACnetScale* h, Value* v, uint8_t f) { return access_record<102>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_prescale(BACnetPrescale* h, Value* v, uint8_t f) { return access_record<103>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_accumulatorRecord(BACnetAccumulatorRecord* h, Value* v, uint8_t f) { return access_record<104>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_setpointReference(BACnetSetpointReference* h, Value* v, uint8_t f) { return access_record<112>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_shedLevel(BACnetShedLevel* h, Value* v, uint8_t f) { return access_record<123>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_deviceObjectReference(BACnetDeviceObjectReference* h, Value* v, uint8_t f) { return access_record<124>(h, v, f); }

// ---- Records that own strings, nested values, lists or runs: deep copies ----
// A get releases what the host record held before and leaves the host owning fresh duplicates,
// which it releases with the record's bacnapi_Clear* function.
BACNAPI_API int32_t bacnapi_access_timeValue(BACnetTimeValue* h, Value* v, uint8_t f) { return access_record<26>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_actionCommand(BACnetActionCommand* h, Value* v, uint8_t f) { return access_record<28>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_sessionKey(BACnetSessionKey* h, Value* v, uint8_t f) { return access_record<29>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_logRecord(BACnetLogRecord* h, Value* v, uint8_t f) { return access_record<37>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_readAccessSpecification(ReadAccessSpecification* h, Value* v, uint8_t f) { return access_record<38>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_readAccessResult(ReadAccessResult* h, Value* v, uint8_t f) { return access_record<42>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_readAccessPropertyValue(ReadAccessPropertyValue* h, Value* v, uint8_t f) { return access_record<43>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_destination(BACnetDestination* h, Value* v, uint8_t f) { return access_record<45>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_dailySchedule(BACnetDailySchedule* h, Value* v, uint8_t f) { return access_record<46>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_specialEvent(BACnetSpecialEvent* h, Value* v, uint8_t f) { return access_record<47>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_priorityValue(BACnetPriorityValue* h, Value* v, uint8_t f) { return access_record<48>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_propertyValue(BACnetPropertyValue* h, Value* v, uint8_t f) { return access_record<49>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_eventParameter(BACnetEventParameter* h, Value* v, uint8_t f) { return access_record<51>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_notificationParameters(BACnetNotificationParameters* h, Value* v, uint8_t f) { return access_record<52>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_objectPropertyValue(BACnetObjectPropertyValue* h, Value* v, uint8_t f) { return access_record<55>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_actionList(BACnetActionList* h, Value* v, uint8_t f) { return access_record<59>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_sequenceOfReadAccessSpecification(SequenceOfReadAccessSpecification* h, Value* v, uint8_t f) { return access_record<89>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_sequenceOfReadAccessResult(SequenceOfReadAccessResult* h, Value* v, uint8_t f) { return access_record<90>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_constructed(BACnetConstructed* h, Value* v, uint8_t f) { return access_record<97>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_eventSummaryElement(EventSummaryElement* h, Value* v, uint8_t f) { return access_record<105>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_deviceObjectPropertyValue(BACnetDeviceObjectPropertyValue* h, Value* v, uint8_t f) { return access_record<110>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_eventLogRecord(BACnetEventLogRecord* h, Value* v, uint8_t f) { return access_record<116>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_logData(BACnetLogData* h, Value* v, uint8_t f) { return access_record<117>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_logMultipleRecord(BACnetLogMultipleRecord* h, Value* v, uint8_t f) { return access_record<118>(h, v, f); }
BACNAPI_API int32_t bacnapi_access_logDataElement(BACnetLogDataElement* h, Value* v, uint8_t f) { return access_record<119>(h, v, f); }

} // extern "C"
