/*
 * bacnapi: the exported interface.
 *
 * Conventions that hold for every function below:
 *  - The host owns every BACnetDataType and record it passes; what they point to comes from the
 *    runtime heap (malloc/calloc/realloc) and is released with free (or bacnapi_free).
 *  - Functions return a 32-bit status (bacnapi_types.h); 0 is success. Nothing throws.
 *  - A failed operation is not undone: partly filled destinations stay with the caller, who
 *    clears them; every such destination is safe to clear.
 *
 * This header compiles as C99 and as C++.
 */
#ifndef BACNAPI_H
#define BACNAPI_H

#include "bacnapi_types.h"
#include "bacnapi_records.h"
#include "bacnapi_services.h"

BACNAPI_EXTERN_C_BEGIN

/* ---- Heap ------------------------------------------------------------------------------ */

/* malloc(size): the block or null. Release with bacnapi_free. */
BACNAPI_API void* bacnapi_malloc(uint64_t size);
/* A zero-filled block of size octets, or null. */
BACNAPI_API void* bacnapi_calloc(uint64_t size);
/* realloc(block, newSize); the middle argument is ignored. The block or null. */
BACNAPI_API void* bacnapi_realloc(void* block, uint64_t ignored, uint64_t newSize);
/* free(block): releases any block of the library, including text it returned. */
BACNAPI_API void bacnapi_free(void* block);

/* ---- Octet and bit strings ------------------------------------------------------------- */

/* Replaces the octets by count uninitialised octets. 0 or BACNAPI_E_OUTOFMEMORY (string empty). */
BACNAPI_API int32_t bacnapi_allocate_octets(BACnetOctetString* octets, uint32_t count);
/* Replaces the octets by a copy of count source octets (null source or 0: empty string, 0).
 * 0 or BACNAPI_E_OUTOFMEMORY (string empty). */
BACNAPI_API int32_t bacnapi_set_octets(BACnetOctetString* octets, const uint8_t* source, uint32_t count);
/* Stores value at bit index, growing the string with clear bits as needed. 0; 1 without a
 * string; BACNAPI_E_INVALIDARG for a negative index (nothing written);
 * BACNAPI_E_OUTOFMEMORY (string unchanged). */
BACNAPI_API int32_t bacnapi_set_bit(BACnetBitString* bits, uint8_t value, int32_t index);

/* ---- Initialise and clear -------------------------------------------------------------- */

/* Zeroes *value (without releasing what it held) and makes it a fresh value of typeCode with
 * its defined initial content. BACNAPI_E_INVALIDARG (value left Null) or BACNAPI_E_OUTOFMEMORY
 * (type code set, record missing or partial; safe to clear). */
BACNAPI_API int32_t bacnapi_initialize_data(BACnetDataType* value, int32_t typeCode);
/* Releases everything the value owns and leaves it Null. Always 0; null is ignored.
 * Exception: a value of type 91 (SequenceOfBACnetPropertyReference), 150 (ReadAccessResultList),
 * 151 (ReadPropertyMultipleAck) or 152 (BACnetServiceConfirmedEventNotificationRequest) does not
 * own its record: the value is only reset to Null and the record stays the caller's (release it
 * with the record's Clear function below, then bacnapi_free, if it came from the library). */
BACNAPI_API int32_t bacnapi_ClearBACnetDataType(BACnetDataType* value);

/* No operation; kept for hosts that call them. Return 0. */
BACNAPI_API int32_t bacnapi_init_threadpool(void);
BACNAPI_API int32_t bacnapi_destroy_threadpool(void);

/*
 * The Clear family: each releases what one record (in the caller's memory) owns; the record
 * itself is never freed. Unless noted, the record is left zero-filled. All return 0 and accept
 * a null record.
 */
/* Same as bacnapi_ClearBACnetDataType (these acknowledgements are list values). */
BACNAPI_API int32_t bacnapi_ClearGetAlarmSummaryAck(BACnetDataType* value);
BACNAPI_API int32_t bacnapi_ClearGetEnrolmentSummaryAck(BACnetDataType* value);
BACNAPI_API int32_t bacnapi_ClearGetEventInformationAck(BACnetDataType* value);
/* Clears each element, releases the slot storage; capacity and count 0. */
BACNAPI_API int32_t bacnapi_ClearArray(BACnetValueList* list);
/* Take a value whose payload is a value list: elements, storage and list released; value Null. */
BACNAPI_API int32_t bacnapi_ClearBACnetPriorityArray(BACnetDataType* value);
BACNAPI_API int32_t bacnapi_ClearBACnetEventTimeStamps(BACnetDataType* value);
/* String buffers: released, record zeroed. */
BACNAPI_API int32_t bacnapi_ClearCharacterString(BACnetCharacterString* string);
BACNAPI_API int32_t bacnapi_ClearBitString(BACnetBitString* bits);
BACNAPI_API int32_t bacnapi_ClearOctet(BACnetOctetString* octets);
BACNAPI_API int32_t bacnapi_ClearBuffer(BACnetByteBuffer* buffer);
/* Records that own nothing: zero-filled. */
BACNAPI_API int32_t bacnapi_ClearBACnetAddress(BACnetAddress* record);
BACNAPI_API int32_t bacnapi_ClearBACnetRecipient(BACnetRecipient* record);
BACNAPI_API int32_t bacnapi_ClearBACnetRecipientProcess(BACnetRecipientProcess* record);
BACNAPI_API int32_t bacnapi_ClearBACnetCOVSubscription(BACnetCOVSubscription* record);
BACNAPI_API int32_t bacnapi_ClearEnrolmentSummaryAckElement(EnrolmentSummaryAckElement* record);
BACNAPI_API int32_t bacnapi_ClearBACnetAccumulatorRecord(BACnetAccumulatorRecord* record);
BACNAPI_API int32_t bacnapi_ClearBACnetAddressBinding(BACnetAddressBinding* record);
BACNAPI_API int32_t bacnapi_ClearIamRequest(IamRequest* record);
/* Records of two 32-bit fields: both 0. */
BACNAPI_API int32_t bacnapi_ClearDateTime(BACnetDateTime* record);
BACNAPI_API int32_t bacnapi_ClearBACnetPrescale(BACnetPrescale* record);
BACNAPI_API int32_t bacnapi_ClearBACnetPropertyStates(BACnetPropertyStates* record);
BACNAPI_API int32_t bacnapi_ClearBACnetScale(BACnetScale* record);
BACNAPI_API int32_t bacnapi_ClearCreateObjectAck(CreateObjectAck* record);
BACNAPI_API int32_t bacnapi_ClearWhoIsRequest(WhoIsRequest* record);
/* Zeroes the two addresses only. */
BACNAPI_API int32_t bacnapi_ClearRequestKeyRequest(RequestKeyRequest* record);
/* Zeroes objectIdentifier, propertyIdentifier and propertyArrayIndex. */
BACNAPI_API int32_t bacnapi_ClearReadPropertyRequest(ReadPropertyRequest* record);
/* Zeroes the enrollment filter only. */
BACNAPI_API int32_t bacnapi_ClearGetEnrolmentSummaryRequest(GetEnrolmentSummaryRequest* record);
/* Releases the nested value; leadingField becomes 0xFFFFFFFF. */
BACNAPI_API int32_t bacnapi_ClearBACnetConstructed(BACnetConstructed* record);
/* Release the one nested value; the other members stay as they are. */
BACNAPI_API int32_t bacnapi_ClearBACnetTimeValue(BACnetTimeValue* record);
BACNAPI_API int32_t bacnapi_ClearConfirmedPrivateTransferRequest(ConfirmedPrivateTransferRequest* record);
BACNAPI_API int32_t bacnapi_ClearUnconfirmedPrivateTransferRequest(UnconfirmedPrivateTransferRequest* record);
BACNAPI_API int32_t bacnapi_ClearConfirmedPrivateTransferAck(ConfirmedPrivateTransferAck* record);
BACNAPI_API int32_t bacnapi_ClearAddListElementRequest(AddListElementRequest* record);
BACNAPI_API int32_t bacnapi_ClearRemoveListElementRequest(RemoveListElementRequest* record);
BACNAPI_API int32_t bacnapi_ClearBACnetObjectPropertyValue(BACnetObjectPropertyValue* record);
BACNAPI_API int32_t bacnapi_ClearConfirmedCOVnotificationRequest(ConfirmedCOVNotificationRequest* record);
BACNAPI_API int32_t bacnapi_ClearUnconfirmedCOVNotificationRequest(UnconfirmedCOVNotificationRequest* record);
/* Release the nested value(s) and buffers, then zero-fill. */
BACNAPI_API int32_t bacnapi_ClearBACnetActionCommand(BACnetActionCommand* record);
BACNAPI_API int32_t bacnapi_ClearBACnetDeviceObjectPropertyValue(BACnetDeviceObjectPropertyValue* record);
BACNAPI_API int32_t bacnapi_ClearBACnetPropertyValue(BACnetPropertyValue* record);
BACNAPI_API int32_t bacnapi_ClearWritePropertyRequest(WritePropertyRequest* record);
BACNAPI_API int32_t bacnapi_ClearBACnetSelectionCriteria(BACnetSelectionCriteria* record);
BACNAPI_API int32_t bacnapi_ClearCreateObjectRequest(CreateObjectRequest* record);
BACNAPI_API int32_t bacnapi_ClearReadPropertyAck(ReadPropertyAck* record);
BACNAPI_API int32_t bacnapi_ClearBACnetDailySchedule(BACnetDailySchedule* record);
BACNAPI_API int32_t bacnapi_ClearWritePropertyMultipleRequest(WritePropertyMultipleRequest* record);
BACNAPI_API int32_t bacnapi_ClearBACnetActionList(BACnetActionList* record);
BACNAPI_API int32_t bacnapi_ClearWriteAccessSpecification(WriteAccessSpecification* record);
BACNAPI_API int32_t bacnapi_ClearBACnetSpecialEvent(BACnetSpecialEvent* record);
BACNAPI_API int32_t bacnapi_ClearBACnetPriorityValue(BACnetPriorityValue* record);
BACNAPI_API int32_t bacnapi_ClearReadAccessPropertyValue(ReadAccessPropertyValue* record);
/* The only release of a type-150 record: clearing a value of that type does not call it. */
BACNAPI_API int32_t bacnapi_ClearSequenceOfBACnetReadAccessPropertyValue(ReadAccessResultList* record);
BACNAPI_API int32_t bacnapi_ClearReadAccessResult(ReadAccessResult* record);
BACNAPI_API int32_t bacnapi_ClearSequenceOfReadAccessResult(SequenceOfReadAccessResult* record);
BACNAPI_API int32_t bacnapi_ClearReadPropertyConditionalAck(ReadPropertyConditionalAck* record);
/* The only release of a type-151 record: clearing a value of that type does not call it. */
BACNAPI_API int32_t bacnapi_ClearReadPropertyMultipleAck(ReadPropertyMultipleAck* record);
BACNAPI_API int32_t bacnapi_ClearSequenceOfReadAccessSpecification(SequenceOfReadAccessSpecification* record);
BACNAPI_API int32_t bacnapi_ClearReadPropertyMultipleRequest(ReadPropertyMultipleRequest* record);
BACNAPI_API int32_t bacnapi_ClearReadAccessSpecification(ReadAccessSpecification* record);
/* The only release of a type-91 record: clearing a value of that type does not call it. */
BACNAPI_API int32_t bacnapi_ClearSequenceOfBACnetPropertyReference(SequenceOfBACnetPropertyReference* record);
BACNAPI_API int32_t bacnapi_ClearBACnetSessionKey(BACnetSessionKey* record);
BACNAPI_API int32_t bacnapi_ClearAlarmSummaryAckElement(AlarmSummaryAckElement* record);
BACNAPI_API int32_t bacnapi_ClearBACnetDestination(BACnetDestination* record);
BACNAPI_API int32_t bacnapi_ClearBACnetEventSummaryElement(EventSummaryElement* record);
BACNAPI_API int32_t bacnapi_ClearBACnetLogRecord(BACnetLogRecord* record);
BACNAPI_API int32_t bacnapi_ClearBACnetEventLogRecord(BACnetEventLogRecord* record);
BACNAPI_API int32_t bacnapi_ClearBACnetLogData(BACnetLogData* record);
BACNAPI_API int32_t bacnapi_ClearBACnetLogMultipleRecord(BACnetLogMultipleRecord* record);
BACNAPI_API int32_t bacnapi_ClearBACnetLogDataElement(BACnetLogDataElement* record);
BACNAPI_API int32_t bacnapi_ClearBACnetError(BACnetServiceError* record);
/* Zero-fills, then sets the choice to 999 (no alternative). */
BACNAPI_API int32_t bacnapi_ClearBACnetEventParameter(BACnetEventParameter* record);
/* Releases the alternative's buffers and nested values; the record is not zero-filled. */
BACNAPI_API int32_t bacnapi_ClearBACnetNotificationParameters(BACnetNotificationParameters* record);
/* Release the listed strings, lists and nested values; the other members stay as they are. */
BACNAPI_API int32_t bacnapi_ClearReadPropertyConditionalRequest(ReadPropertyConditionalRequest* record);
BACNAPI_API int32_t bacnapi_ClearConfirmedEventNotificationRequest(ConfirmedEventNotificationRequest* record);
BACNAPI_API int32_t bacnapi_ClearUnconfirmedEventNotificationRequest(UnconfirmedEventNotificationRequest* record);
/* As above (listed members released, the others kept). It is also the only release of a
 * type-152 record: clearing a value of that type does not call it. */
BACNAPI_API int32_t bacnapi_ClearBACnetServiceConfirmedEventNotificationRequest(BACnetServiceConfirmedEventNotificationRequest* record);
BACNAPI_API int32_t bacnapi_ClearBACnetServiceUnconfirmedEventNotificationRequest(BACnetServiceUnconfirmedEventNotificationRequest* record);
BACNAPI_API int32_t bacnapi_ClearConfirmedTextMessageRequest(ConfirmedTextMessageRequest* record);
BACNAPI_API int32_t bacnapi_ClearUnconfirmedTextMessageRequest(UnconfirmedTextMessageRequest* record);
BACNAPI_API int32_t bacnapi_ClearWhoHas(WhoHasRequest* record);
BACNAPI_API int32_t bacnapi_ClearReinitializeDeviceRequest(ReinitializeDeviceRequest* record);
BACNAPI_API int32_t bacnapi_ClearDeviceCommunicationControlRequest(DeviceCommunicationControlRequest* record);
BACNAPI_API int32_t bacnapi_ClearLifeSafetyOperationRequest(LifeSafetyOperationRequest* record);
BACNAPI_API int32_t bacnapi_ClearAuthenticateRequest(AuthenticateRequest* record);
BACNAPI_API int32_t bacnapi_ClearIHaveRequest(IHaveRequest* record);
BACNAPI_API int32_t bacnapi_ClearAcknowledgeAlarmRequest(AcknowledgeAlarmRequest* record);
BACNAPI_API int32_t bacnapi_ClearReadRangeAck(ReadRangeAck* record);
BACNAPI_API int32_t bacnapi_ClearAtomicReadFileAck(AtomicReadFileAck* record);
BACNAPI_API int32_t bacnapi_ClearAtomicWriteFileRequest(AtomicWriteFileRequest* record);
/* Records that own nothing: left untouched. */
BACNAPI_API int32_t bacnapi_ClearAtomicReadFileRequest(AtomicReadFileRequest* record);
BACNAPI_API int32_t bacnapi_ClearAtomicWriteFileAck(AtomicWriteFileAck* record);
BACNAPI_API int32_t bacnapi_ClearGetEventInformationRequest(GetEventInformationRequest* record);
BACNAPI_API int32_t bacnapi_ClearReadRangeRequest(ReadRangeRequest* record);
BACNAPI_API int32_t bacnapi_ClearSubscribeCOVPropertyRequest(SubscribeCOVPropertyRequest* record);
BACNAPI_API int32_t bacnapi_ClearSubscribeCOVRequest(SubscribeCOVRequest* record);
BACNAPI_API int32_t bacnapi_ClearTimeSynchronization(TimeSynchronizationRequest* record);
BACNAPI_API int32_t bacnapi_ClearUtcTimeSynchronization(TimeSynchronizationRequest* record);

/* ---- Character strings ----------------------------------------------------------------- */

/* Converts the string in place to character set target (code page for target 1; 0 means 1252).
 * 0, or BACNAPI_E_FAIL with the string unchanged (unknown code page, short DBCS string, nothing
 * converted). */
BACNAPI_API int32_t bacnapi_string_transform(BACnetCharacterString* string, uint8_t target, uint32_t codePage);

/* ---- Copy and compare ------------------------------------------------------------------ */

/* Copy an event notification request field by field. The first zero-fills dest without releasing
 * it (pass an empty record); the second releases dest's messageText and eventValues first.
 * 0 or BACNAPI_E_FAIL (fields before the failing one are copied; dest safe to clear). */
BACNAPI_API int32_t bacnapi_copy_event_notification_request(BACnetServiceConfirmedEventNotificationRequest* dest,
                                                            const BACnetServiceConfirmedEventNotificationRequest* source);
BACNAPI_API int32_t bacnapi_CopyBACnetServiceEventNotificationRequest(BACnetServiceConfirmedEventNotificationRequest* dest,
                                                                      const BACnetServiceConfirmedEventNotificationRequest* source);
/* 0 equal; -1 or 1 for an order (byte-wise results: only the sign counts); -1 also when the
 * values cannot be compared. A null first argument gives 1, a null second -1. */
BACNAPI_API int32_t bacnapi_CompareBACnetDataType(const BACnetDataType* a, const BACnetDataType* b);
/* get != 0: deep-copies value into hostValue; get == 0: hostValue into value. index -1 whole
 * value, 0 the element count, k element k. BACNAPI_E_INVALIDARG for an index below -1 (nothing
 * touched) and the statuses of the copy. */
BACNAPI_API int32_t bacnapi_access_BACnetData(BACnetDataType* hostValue, BACnetDataType* value, int32_t index, uint8_t get);

/* ---- Brace text ------------------------------------------------------------------------ */

/* Appends the brace text of value to *text (null or library-made text). The caller frees *text
 * with bacnapi_free in every case, also after a failure (it then holds the text written so far).
 * 0, BACNAPI_E_FAIL, or a walker status (-1001, -1002, -1003). */
BACNAPI_API int32_t bacnapi_asn1_string_get(char** text, const BACnetDataType* value);
/* Reads brace text into value as type code type (value should be Null or of that type). Trailing
 * text is ignored. 0, BACNAPI_E_FAIL (malformed text) or a walker status; what was read stays in
 * value, which the caller clears. */
BACNAPI_API int32_t bacnapi_asn1_string_set(BACnetDataType* value, const char* text, int32_t type);
/* Reads exactly as bacnapi_asn1_string_set (same value, same status for every text) and, when
 * reading fails, also says where: *offset receives the byte offset into text at which reading
 * stopped (the length of the text when it ended early; 0 when the type itself is refused) and
 * *reason a short static English phrase such as "expected ','" or "text ended early" (never
 * freed; null on success). Either pointer may be null. On success *offset is 0. Thread-safe: the
 * answer goes only to the caller's variables. */
BACNAPI_API int32_t bacnapi_asn1_string_set_position(BACnetDataType* value, const char* text, int32_t type,
                                                    uint64_t* offset, const char** reason);

/* ---- JSON ------------------------------------------------------------------------------ */

/* Object types and property identifiers as the standard's names ("analog-input",
 * "present-value") rather than numbers; numbers without a name stay numbers. */
#define BACNAPI_JSON_NAMES 1u
/* Appends the JSON text of value, the envelope {"type":NAME,"value":V}, to *text (null or
 * library-made text). The caller frees *text with bacnapi_free in every case. flags: 0 or
 * BACNAPI_JSON_NAMES. 0, BACNAPI_E_INVALIDARG (null pointer, unknown flag), BACNAPI_E_FAIL or a
 * walker status. The text is compact (no blanks) and valid JSON in every case. */
BACNAPI_API int32_t bacnapi_json_get(char** text, const BACnetDataType* value, uint32_t flags);
/* Reads JSON into value (Null or of that type). type: the type code, or -1 to take it from the
 * envelope's "type". With type >= 0 the text may be the envelope (whose type must then be type)
 * or the bare value. Names and numbers are both accepted where names may appear. On failure
 * *offset gets the byte offset into text and *reason a static phrase (either may be null; on
 * success 0 and null). 0, BACNAPI_E_INVALIDARG (null value or text), BACNAPI_E_FAIL (text
 * refused) or a walker status. The value is safe to clear after any failure; the caller clears
 * it. */
BACNAPI_API int32_t bacnapi_json_set(BACnetDataType* value, const char* text, int32_t type, uint64_t* offset,
                                     const char** reason);

/* ---- JSON schema ----------------------------------------------------------------------- */

/* Appends to *text (null or library-made text; the caller frees it with bacnapi_free in every
 * case) the JSON Schema, draft 2020-12, of the JSON form of a value of type code type: the
 * envelope {"type": name or code, "value": ...}. flags: 0 (object types and property identifiers
 * as numbers) or BACNAPI_JSON_NAMES (standard names or numbers). Compact, one line, the same
 * bytes for the same arguments. 0; BACNAPI_E_INVALIDARG for a null text or unknown flags;
 * BACNAPI_WALK_E_NODESCRIPTOR for a code without a JSON form; BACNAPI_WALK_E_REFUSED for a type
 * that only exists inside another type's record; BACNAPI_WALK_E_NOMEMORY or BACNAPI_E_FAIL
 * (*text unchanged). Thread-safe. */
BACNAPI_API int32_t bacnapi_json_schema(char** text, int32_t type, uint32_t flags);

/* ---- Property datatypes ---------------------------------------------------------------- */

/* Type code of property propertyIdentifier of objectType: arrayIndex < 0 the whole property,
 * 0 the array length (always 2, Unsigned), k > 0 one element. 97 (BACnetConstructed) when the
 * tables do not know it; 0 for a negative object type. Thread-safe. */
BACNAPI_API int32_t bacnapi_get_data_type(int32_t objectType, int32_t propertyIdentifier, int32_t arrayIndex);

/* ---- Type names ------------------------------------------------------------------------ */

/* The name of a type code ("Real", "BACnetDateTime", "ListOfBACnetTimeValue", ...): a static text
 * that is never freed, or null for codes without a name (13..19, negative, above 153). */
BACNAPI_API const char* bacnapi_type_name(int32_t typeCode);
/* The type code whose name equals name without regard to ASCII case ("real" gives 4), or
 * BACNAPI_E_INVALIDARG (negative) for a null or unknown name. */
BACNAPI_API int32_t bacnapi_type_code(const char* name);

/* ---- Standard names -------------------------------------------------------------------- */

/* The standard's name of an object type ("analog-input") or a property identifier
 * ("present-value"): a static text that is never freed, or null for a number without a standard
 * name (print it as the number). Thread-safe. */
BACNAPI_API const char* bacnapi_object_type_name(int32_t objectType);
BACNAPI_API const char* bacnapi_property_name(int32_t propertyIdentifier);
/* The number whose standard name equals name without regard to ASCII case, or
 * BACNAPI_E_INVALIDARG (negative) for a null or unknown name. Thread-safe. */
BACNAPI_API int32_t bacnapi_object_type_code(const char* name);
BACNAPI_API int32_t bacnapi_property_code(const char* name);

/* ---- Accessors ------------------------------------------------------------------------- */

/*
 * Typed accessors: (host variable, value, flag). flag 0 sets: the value is cleared, initialised to
 * the accessor's type and filled from the host variable. Any other flag gets: the value's datum is
 * copied into the host variable; a value of another type gives 0 and nothing is written (the
 * Boolean and BitString accessors give BACNAPI_E_INVALIDARG instead). A get never changes the
 * value. A null value gives BACNAPI_E_INVALIDARG. A failed initialisation gives
 * BACNAPI_E_INVALIDARG with the value safe to clear. docs/accessors.md tells the details.
 */
/* Inline types. A null host on set gives BACNAPI_E_INVALIDARG: for Date, Time and
 * ObjectIdentifier after the value became an empty value of the type, for the others with the
 * value untouched. Date and Time: the four octets in payload order in one 32-bit word. */
BACNAPI_API int32_t bacnapi_access_boolean(uint8_t* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_unsignedInteger(uint32_t* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_signedInteger(int32_t* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_real(float* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_double(double* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_enumerated(uint32_t* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_date(uint32_t* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_time(uint32_t* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_objectIdentifier(BACnetObjectIdentifier* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_signedLong(int64_t* host, BACnetDataType* value, uint8_t flag);
/* Strings: the host record owns its own block. Set copies it into the value (a null host leaves
 * an empty string of the type). Get frees the host's old block and gives it a fresh copy;
 * BACNAPI_E_OUTOFMEMORY leaves the host record empty. */
BACNAPI_API int32_t bacnapi_access_octets(BACnetOctetString* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_bitString(BACnetBitString* host, BACnetDataType* value, uint8_t flag);
/* Set: 0 or BACNAPI_E_INVALIDARG (heap refused; the value holds an empty string). Get: the copy
 * (BACNAPI_E_FAIL when refused, host record empty); then a host record in character set 2, 3,
 * 4 or 6 and up is converted to UTF-8 in place (0 or BACNAPI_E_FAIL, the copy kept), also after
 * a get from another type. Sets 0, 1 and 5 are handed over as stored. */
BACNAPI_API int32_t bacnapi_access_string(BACnetCharacterString* host, BACnetDataType* value, uint8_t flag);

/* Constructed types. Get: 0 for a value of another type; BACNAPI_E_INVALIDARG for a null host
 * or a value without a record; otherwise the record copy's status. The copy first releases what
 * the host record owns (pass a zero-filled record or one the library filled); afterwards the
 * host owns duplicates and releases them with the record's bacnapi_Clear* function. Set: the
 * value gets a fresh record holding a copy of the host record (the host keeps its own); a null
 * host leaves a fresh record and gives BACNAPI_E_INVALIDARG. Records that own nothing: */
BACNAPI_API int32_t bacnapi_access_address(BACnetAddress* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_dateTime(BACnetDateTime* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_calendarEntry(BACnetCalendarEntry* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_dateRange(BACnetDateRange* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_weekNDay(BACnetWeekNDay* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_timeStamp(BACnetTimeStamp* host, BACnetDataType* value, uint8_t flag);
/* Recipients: alternatives 0 and 1 copied; another alternative keeps only its number (0). */
BACNAPI_API int32_t bacnapi_access_recipient(BACnetRecipient* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_recipientProcess(BACnetRecipientProcess* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_addressBinding(BACnetAddressBinding* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_objectPropertyReference(BACnetObjectPropertyReference* host, BACnetDataType* value,
                                                           uint8_t flag);
BACNAPI_API int32_t bacnapi_access_deviceObjectPropertyReference(BACnetDeviceObjectPropertyReference* host,
                                                                 BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_propertyReference(BACnetPropertyReference* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_propertyStates(BACnetPropertyStates* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_clientCOV(BACnetClientCOV* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_COVSubscription(BACnetCOVSubscription* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_scale(BACnetScale* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_prescale(BACnetPrescale* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_accumulatorRecord(BACnetAccumulatorRecord* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_setpointReference(BACnetSetpointReference* host, BACnetDataType* value, uint8_t flag);
/* Alternatives 0 to 2 copied; another keeps only its number (0). */
BACNAPI_API int32_t bacnapi_access_shedLevel(BACnetShedLevel* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_deviceObjectReference(BACnetDeviceObjectReference* host, BACnetDataType* value,
                                                         uint8_t flag);
/* Records that own strings, nested values, lists or runs (deep copies; statuses of copy): */
BACNAPI_API int32_t bacnapi_access_timeValue(BACnetTimeValue* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_actionCommand(BACnetActionCommand* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_sessionKey(BACnetSessionKey* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_logRecord(BACnetLogRecord* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_readAccessSpecification(ReadAccessSpecification* host, BACnetDataType* value,
                                                           uint8_t flag);
BACNAPI_API int32_t bacnapi_access_readAccessResult(ReadAccessResult* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_readAccessPropertyValue(ReadAccessPropertyValue* host, BACnetDataType* value,
                                                           uint8_t flag);
BACNAPI_API int32_t bacnapi_access_destination(BACnetDestination* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_dailySchedule(BACnetDailySchedule* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_specialEvent(BACnetSpecialEvent* host, BACnetDataType* value, uint8_t flag);
/* Alternatives 0 to 4 member-wise, 5 deeply; any other alternative: BACNAPI_E_INVALIDARG. */
BACNAPI_API int32_t bacnapi_access_priorityValue(BACnetPriorityValue* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_propertyValue(BACnetPropertyValue* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_eventParameter(BACnetEventParameter* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_notificationParameters(BACnetNotificationParameters* host, BACnetDataType* value,
                                                          uint8_t flag);
BACNAPI_API int32_t bacnapi_access_objectPropertyValue(BACnetObjectPropertyValue* host, BACnetDataType* value,
                                                       uint8_t flag);
BACNAPI_API int32_t bacnapi_access_actionList(BACnetActionList* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_sequenceOfReadAccessSpecification(SequenceOfReadAccessSpecification* host,
                                                                     BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_sequenceOfReadAccessResult(SequenceOfReadAccessResult* host, BACnetDataType* value,
                                                              uint8_t flag);
BACNAPI_API int32_t bacnapi_access_constructed(BACnetConstructed* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_eventSummaryElement(EventSummaryElement* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_deviceObjectPropertyValue(BACnetDeviceObjectPropertyValue* host,
                                                             BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_eventLogRecord(BACnetEventLogRecord* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_logData(BACnetLogData* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_logMultipleRecord(BACnetLogMultipleRecord* host, BACnetDataType* value, uint8_t flag);
BACNAPI_API int32_t bacnapi_access_logDataElement(BACnetLogDataElement* host, BACnetDataType* value, uint8_t flag);

/*
 * Element functions. Head-inline sequences keep element 0 in the record and element i (i >= 1) in
 * slot i of the overflow array. get: element index (counted from 0) or null (null record,
 * negative index, index not below the count). set: appends one element and returns it, or null
 * (null record, negative count, 65535 elements held already, overflow array cannot grow). The
 * element is copied byte for byte and whatever it owns passes to the sequence: do not clear
 * your copy. A null element appends a fresh one (a property reference has array index
 * 0xFFFFFFFF). The property values of a ReadAccessResult: pass &result->listOfResults.
 */
BACNAPI_API BACnetPropertyReference* bacnapi_get_element_property_reference(SequenceOfBACnetPropertyReference* record,
                                                                            int32_t index);
BACNAPI_API ReadAccessSpecification* bacnapi_get_element_read_access_specification(
    SequenceOfReadAccessSpecification* record, int32_t index);
BACNAPI_API ReadAccessPropertyValue* bacnapi_get_element_read_access_property_value(ReadAccessResultList* record,
                                                                                    int32_t index);
BACNAPI_API ReadAccessResult* bacnapi_get_element_read_access_result(SequenceOfReadAccessResult* record, int32_t index);
BACNAPI_API BACnetPropertyReference* bacnapi_set_element_property_reference(SequenceOfBACnetPropertyReference* record,
                                                                            const BACnetPropertyReference* element);
BACNAPI_API ReadAccessSpecification* bacnapi_set_element_read_access_specification(
    SequenceOfReadAccessSpecification* record, const ReadAccessSpecification* element);
BACNAPI_API ReadAccessPropertyValue* bacnapi_set_element_read_access_property_value(
    ReadAccessResultList* record, const ReadAccessPropertyValue* element);
BACNAPI_API ReadAccessResult* bacnapi_set_element_read_access_result(SequenceOfReadAccessResult* record,
                                                                     const ReadAccessResult* element);
/* Element index (from 0) of a value list, or null (null list, index negative or not below the
 * count). */
BACNAPI_API BACnetDataType* bacnapi_get_element_from_bacnet_array(BACnetValueList* list, int32_t index);
/* Appends a byte copy of *element (its ownership passes to the list: do not clear your copy),
 * first growing the capacity by 4 when fewer than 4 slots are free; returns the new last
 * element. Null, with nothing stored and the element still yours, for a null list or element or
 * when the list is full and cannot grow. */
BACNAPI_API BACnetDataType* bacnapi_set_element_in_bacnet_array(BACnetValueList* list, const BACnetDataType* element);

/* ---- Display text ---------------------------------------------------------------------- */

/* Appends the display text of value (one line for people: numbers in decimal, octets in hex,
 * dates and times in clock notation, records in braces) to *text, which is null or a text from
 * an earlier call. 0 on success; a value that prints as nothing leaves *text as it was.
 * BACNAPI_E_FAIL when the value (or anything inside it) has no display form, a record is
 * missing, a string cannot be converted or the heap refuses: *text is then freed (also what the
 * caller passed in) and set to null. A null text pointer fails without touching anything. */
BACNAPI_API int32_t bacnapi_string_get(char** text, const BACnetDataType* value);
/* Frees a text made by bacnapi_string_get (null is ignored). Always 0. */
BACNAPI_API int32_t bacnapi_string_destroy(char* text);
/* Clears value and makes it a UTF-8 CharacterString holding a copy of text, its length counting
 * the terminating NUL (a null text: length 0, no data). 0, or BACNAPI_E_INVALIDARG for a null
 * value or when the heap refuses the copy (value left an empty CharacterString). */
BACNAPI_API int32_t bacnapi_string_set(BACnetDataType* value, const char* text);

/* ---- Byte buffer and JSON-style print -------------------------------------------------- */

/*
 * The host owns the BACnetByteBuffer and its stream and releases buffer->data with bacnapi_free.
 * Reads advance stream->position and return -1 (a text read: null) when the data runs out; the
 * position then stays at the end. Writes and prints append at buffer->length, ignore the position,
 * and return the bytes appended, or -1 with nothing appended when the buffer cannot grow (a grow
 * asks for 64 bytes beyond what is needed; capacities stay below 2^31). No function writes a NUL.
 * Null streams, buffers, names and texts give -1 (null); multi-byte integers are big-endian.
 */
/* The next byte (0..255). */
BACNAPI_API int32_t bacnapi_read(BACnetByteStream* stream);
/* Two bytes as an unsigned 16-bit number; -1 if either is missing (what was there is consumed). */
BACNAPI_API int32_t bacnapi_readU2(BACnetByteStream* stream);
/* Four bytes as a signed 32-bit number; -1 if any is missing (a stored 0xFFFFFFFF reads as -1 too). */
BACNAPI_API int32_t bacnapi_readS4(BACnetByteStream* stream);
/* Two bacnapi_readS4 results, high half first; a missing half reads as 0xFFFFFFFF. */
BACNAPI_API int64_t bacnapi_readS8(BACnetByteStream* stream);
/* Points into the buffer at a zero-terminated text and consumes it with its zero byte, which must
 * come within maxLength bytes. Null when maxLength < 1 or the zero byte is not within maxLength
 * bytes (nothing consumed), or when the data ends first (the rest consumed). Valid until the
 * buffer grows or is cleared. */
BACNAPI_API char* bacnapi_readStr(BACnetByteStream* stream, int32_t maxLength);
/* Advances the position by count, never past the length; a count below 1 does nothing. */
BACNAPI_API void bacnapi_skip(int32_t count, BACnetByteStream* stream);
/* Position 0. */
BACNAPI_API void bacnapi_rewind(BACnetByteStream* stream);
/* Appends one byte: 1. */
BACNAPI_API int32_t bacnapi_write(uint8_t byte, BACnetByteStream* stream);
/* Appends count bytes (count >= 0): count. */
BACNAPI_API int32_t bacnapi_write_bytes(const uint8_t* bytes, int32_t count, BACnetByteStream* stream);
/* Appends 4 (8) big-endian bytes one by one: 4 (8); on failure the bytes already appended stay. */
BACNAPI_API int32_t bacnapi_writeI4(int32_t value, BACnetByteStream* stream);
BACNAPI_API int32_t bacnapi_writeI8(int64_t value, BACnetByteStream* stream);
/* Appends text without its NUL: its length. */
BACNAPI_API int32_t bacnapi_print(const char* text, BACnetByteStream* stream);
/* Appends the value as "%d" ("%lld"): 0, or -1 when the buffer cannot grow. */
BACNAPI_API int32_t bacnapi_print_int_val(int32_t value, BACnetByteStream* stream);
BACNAPI_API int32_t bacnapi_print_long_val(int64_t value, BACnetByteStream* stream);
/* Appends the member "name":"value" (the value quoted, nothing escaped), with a comma in front
 * when index > 0: the member's length. */
BACNAPI_API int32_t bacnapi_print_int(const char* name, int32_t value, int32_t index, BACnetByteStream* stream);
BACNAPI_API int32_t bacnapi_print_long(const char* name, int64_t value, int32_t index, BACnetByteStream* stream);
BACNAPI_API int32_t bacnapi_print_text(const char* name, const char* text, int32_t index, BACnetByteStream* stream);
/* Length 0; the block and capacity are kept. Null is ignored. */
BACNAPI_API void bacnapi_buf_clear(BACnetByteBuffer* buffer);

/* ---- Time ------------------------------------------------------------------------------ */

/*
 * Calendar time: signed seconds since 1970-01-01 00:00:00 UTC. Date-times are BACnetDateTime
 * (day of week 1 = Monday .. 7 = Sunday). Local conversions follow the TZ setting of the moment
 * (re-read on every call). Date-times are produced for the years 1900 to 2154 only; a calendar
 * time outside them gives every octet 255 and BACNAPI_E_INVALIDARG.
 */
/* A calendar time with milliseconds and the local zone of the moment it was taken. */
typedef struct BACnetTimeb {
    int64_t seconds;
    uint16_t milliseconds;
    int16_t minutesWest;  /* standard offset of the local zone, minutes west of UTC */
    int16_t daylight;     /* non-zero while daylight-saving time is in effect */
} BACnetTimeb;

/* The current local (UTC) time, hundredths from the milliseconds. 0, or BACNAPI_E_INVALIDARG for
 * a null pointer. */
BACNAPI_API int32_t bacnetapi_now(BACnetDateTime* now);
BACNAPI_API int32_t bacnetapi_utc_now(BACnetDateTime* now);
/* The local date-time of seconds, hundredths 0. 0 or BACNAPI_E_INVALIDARG (null, out of range). */
BACNAPI_API int32_t bacnetapi_set_time(BACnetDateTime* dateTime, int64_t seconds);
/* The local date-time of time->seconds, hundredths = milliseconds / 10. As above. */
BACNAPI_API int32_t bacnetapi_set_timeb(BACnetDateTime* dateTime, const BACnetTimeb* time);
/* The calendar time of dateTime read as local time (out-of-range fields roll over; the day of
 * week is ignored; 0 when it cannot be converted). Always 0; null pointers write nothing. */
BACNAPI_API int32_t bacnetapi_get_time(int64_t* seconds, const BACnetDateTime* dateTime);
/* As bacnetapi_get_time, milliseconds = hundredths * 10; the zone fields describe the present
 * local zone. 0, or BACNAPI_E_INVALIDARG when either pointer is null. */
BACNAPI_API int32_t bacnetapi_get_timeb(BACnetTimeb* time, const BACnetDateTime* dateTime);
/* Nanoseconds since 2000-01-01 00:00:00 UTC to the local date-time at that instant, packed with
 * octet 0 (year - 1900) in the least significant byte and octet 7 (hundredths) in the most.
 * Counts beyond 2099-12-31 UTC give the year octet 148 and every other octet 0. */
BACNAPI_API uint64_t bacnetapi_nanos_to_localtime(uint64_t nanos);
/* Accessors of a BACnetDateTime value (type 22). get == 0: the value is cleared and becomes a
 * BACnetDateTime of the local time of *seconds (*time); the status of the conversion above. get
 * != 0: the value's calendar time (and milliseconds; the zone fields are left alone); 0, or
 * BACNAPI_E_INVALIDARG when the value is not a BACnetDateTime with a record. A null pointer gives
 * BACNAPI_E_INVALIDARG with the value untouched. */
BACNAPI_API int32_t bacnapi_access_time_t(int64_t* seconds, BACnetDataType* value, uint8_t get);
BACNAPI_API int32_t bacnapi_access_timeb(BACnetTimeb* time, BACnetDataType* value, uint8_t get);

BACNAPI_EXTERN_C_END

#ifdef __cplusplus
/* A view of a CharacterString record owned elsewhere. */
class BACNAPI_API CBACnetCharacterString {
public:
    BACnetCharacterString* m_string;
    /* The text as UTF-8, owned by the record. Character sets 1..5 are converted in place first
     * (so reading is a write); if that fails the unconverted bytes are returned. Sets 6 and up,
     * and a null record, give the empty text. */
    const char* GetString();
};

/* A view of a list value owned elsewhere. */
class BACNAPI_API CBACnetArray {
public:
    BACnetDataType* m_value;

protected:
    /* Makes the value a fresh list of type code type, unless it already is one.
     * 0, or BACNAPI_E_FAIL for a code that is not an accepted list code or a missing value. */
    int Initialize(BACnetApplicationTagNumber type);
};
#endif

#endif /* BACNAPI_H */
