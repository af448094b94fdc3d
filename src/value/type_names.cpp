// The name of every type code, as one constant table indexed by code, and the two lookups
// built on it. Codes 13 to 19 are not assigned and have no name. Hosts and the command-line tool
// read the same table, so a type is called the same everywhere.
#include <bacnapi/bacnapi.h>

#include <cstddef>
#include <cstdint>

namespace bacnapi {

namespace {

constexpr const char* kTypeNames[] = {
    "Null",                                             // 0
    "Boolean",                                          // 1
    "Unsigned",                                         // 2
    "Signed",                                           // 3
    "Real",                                             // 4
    "Double",                                           // 5
    "OctetString",                                      // 6
    "CharacterString",                                  // 7
    "BitString",                                        // 8
    "Enumerated",                                       // 9
    "Date",                                             // 10
    "Time",                                             // 11
    "ObjectIdentifier",                                 // 12
    nullptr,                                            // 13 (not assigned)
    nullptr,                                            // 14 (not assigned)
    nullptr,                                            // 15 (not assigned)
    nullptr,                                            // 16 (not assigned)
    nullptr,                                            // 17 (not assigned)
    nullptr,                                            // 18 (not assigned)
    nullptr,                                            // 19 (not assigned)
    "SignedLong",                                       // 20
    "BACnetAddress",                                    // 21
    "BACnetDateTime",                                   // 22
    "BACnetCalendarEntry",                              // 23
    "BACnetDateRange",                                  // 24
    "BACnetWeekNDay",                                   // 25
    "BACnetTimeValue",                                  // 26
    "BACnetTimeStamp",                                  // 27
    "BACnetActionCommand",                              // 28
    "BACnetSessionKey",                                 // 29
    "BACnetRecipient",                                  // 30
    "BACnetRecipientProcess",                           // 31
    "BACnetAddressBinding",                             // 32
    "BACnetObjectPropertyReference",                    // 33
    "BACnetLogDatum",                                   // 34
    "BACnetError",                                      // 35
    "BACnetDeviceObjectPropertyReference",              // 36
    "BACnetLogRecord",                                  // 37
    "ReadAccessSpecification",                          // 38
    "WriteAccessSpecification",                         // 39
    "AlarmSummaryAckElement",                           // 40
    "EnrolmentSummaryAckElement",                       // 41
    "ReadAccessResult",                                 // 42
    "ReadAccessPropertyValue",                          // 43
    "BACnetPropertyReference",                          // 44
    "BACnetDestination",                                // 45
    "BACnetDailySchedule",                              // 46
    "BACnetSpecialEvent",                               // 47
    "BACnetPriorityValue",                              // 48
    "BACnetPropertyValue",                              // 49
    "BACnetPropertyStates",                             // 50
    "BACnetEventParameter",                             // 51
    "BACnetNotificationParameters",                     // 52
    "BACnetSelectionCriteria",                          // 53
    "BACnetClientCOV",                                  // 54
    "BACnetObjectPropertyValue",                        // 55
    "BACnetNestedValue",                                // 56
    "BACnetArray",                                      // 57
    "BACnetPriorityArray",                              // 58
    "BACnetActionList",                                 // 59
    "ListOfBACnetLogRecord",                            // 60
    "ListOfBACnetCalendarEntry",                        // 61
    "ListOfBACnetActionList",                           // 62
    "ListOfBACnetActionCommand",                        // 63
    "ListOfCharacterString",                            // 64
    "ListOfObjectIdentifier",                           // 65
    "BACnetSpecialEventPeriod",                         // 66
    "Reserved67",                                       // 67
    "Reserved68",                                       // 68
    "ListOfBACnetSessionKey",                           // 69
    "ListOfBACnetRecipient",                            // 70
    "ListOfBACnetAddressBinding",                       // 71
    "ListOfReadAccessSpecification",                    // 72
    "ListOfReadAccessResult",                           // 73
    "SequenceOfBACnetReadAccessPropertyValue",          // 74
    "ListOfUnsigned",                                   // 75
    "ListOfBACnetDestination",                          // 76
    "ListOfBACnetDailySchedule",                        // 77
    "ListOfBACnetSpecialEvent",                         // 78
    "ListOfBACnetDeviceObjectPropertyReference",        // 79
    "ListOfBACnetTimeValue",                            // 80
    "ListOfBitString",                                  // 81
    "ListOfBACnetPropertyStates",                       // 82
    "ListOfBACnetObjectPropertyValue",                  // 83
    "ListOfBACnetTimeStamp",                            // 84
    "Reserved85",                                       // 85
    "Reserved86",                                       // 86
    "ListOfBACnetPropertyValue",                        // 87
    "ListOfWriteAccessSpecification",                   // 88
    "SequenceOfReadAccessSpecification",                // 89
    "SequenceOfReadAccessResult",                       // 90
    "SequenceOfBACnetPropertyReference",                // 91
    "ReservedList92",                                   // 92
    "ListOfAlarmSummaryAckElement",                     // 93
    "ListOfEnrolmentSummaryAckElement",                 // 94
    "ReservedList95",                                   // 95
    "ReservedList96",                                   // 96
    "BACnetConstructed",                                // 97
    "ListOfBACnetConstructed",                          // 98
    "Reserved99",                                       // 99
    "Reserved100",                                      // 100
    "BACnetCOVSubscription",                            // 101
    "BACnetScale",                                      // 102
    "BACnetPrescale",                                   // 103
    "BACnetAccumulatorRecord",                          // 104
    "EventSummaryElement",                              // 105
    "ListOfEventSummaryElement",                        // 106
    "ListOfBACnetCOVSubscription",                      // 107
    "Reserved108",                                      // 108
    "Reserved109",                                      // 109
    "BACnetDeviceObjectPropertyValue",                  // 110
    "ListOfEnumerated",                                 // 111
    "BACnetSetpointReference",                          // 112
    "ListOfReal",                                       // 113
    "ListOfBoolean",                                    // 114
    "Reserved115",                                      // 115
    "BACnetEventLogRecord",                             // 116
    "BACnetLogData",                                    // 117
    "BACnetLogMultipleRecord",                          // 118
    "BACnetLogDataElement",                             // 119
    "ListOfBACnetLogDataElement",                       // 120
    "ListOfBACnetEventLogRecord",                       // 121
    "ListOfBACnetLogMultipleRecord",                    // 122
    "BACnetShedLevel",                                  // 123
    "BACnetDeviceObjectReference",                      // 124
    "ListOfBACnetDeviceObjectReference",                // 125
    "EventParameterChangeOfBitstring",                  // 126
    "EventParameterChangeOfState",                      // 127
    "EventParameterChangeOfValue",                      // 128
    "EventParameterCommandFailure",                     // 129
    "EventParameterFloatingLimit",                      // 130
    "EventParameterOutOfRange",                         // 131
    "EventParameterBufferReady",                        // 132
    "EventParameterChangeOfLifeSafety",                 // 133
    "EventParameterExtended",                           // 134
    "EventParameterBufferReady2",                       // 135
    "EventParameterUnsignedRange",                      // 136
    "BACnetCOVCriteria",                                // 137
    "NotificationChangeOfBitstring",                    // 138
    "NotificationChangeOfState",                        // 139
    "NotificationChangeOfValue",                        // 140
    "NotificationCommandFailure",                       // 141
    "NotificationFloatingLimit",                        // 142
    "NotificationOutOfRange",                           // 143
    "NotificationBufferReady",                          // 144
    "NotificationChangeOfLifeSafety",                   // 145
    "NotificationExtended",                             // 146
    "NotificationBufferReady2",                         // 147
    "NotificationUnsignedRange",                        // 148
    "NotificationChangedValue",                         // 149
    "ReadAccessResultList",                             // 150
    "ReadPropertyMultipleAck",                          // 151
    "BACnetServiceConfirmedEventNotificationRequest",   // 152
    "BACnetEventLogDatum",                              // 153
};

constexpr int32_t kTypeNameCount = static_cast<int32_t>(sizeof kTypeNames / sizeof kTypeNames[0]);
static_assert(kTypeNameCount == 154, "one name per type code 0..153");

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal without regard to ASCII case (names are plain ASCII; any other byte must match exactly).
bool same_name(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        if (ascii_lower(*a) != ascii_lower(*b)) return false;
    }
    return *a == *b;
}

} // namespace

} // namespace bacnapi

extern "C" BACNAPI_API const char* bacnapi_type_name(int32_t typeCode)
{
    using namespace bacnapi;
    if (typeCode < 0 || typeCode >= kTypeNameCount) return nullptr;
    return kTypeNames[typeCode];
}

extern "C" BACNAPI_API int32_t bacnapi_type_code(const char* name)
{
    using namespace bacnapi;
    if (!name) return BACNAPI_E_INVALIDARG;
    for (int32_t code = 0; code < kTypeNameCount; ++code) {
        if (kTypeNames[code] && same_name(kTypeNames[code], name)) return code;
    }
    return BACNAPI_E_INVALIDARG;
}
