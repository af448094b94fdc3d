// Property datatypes: which type code the value of a property carries, by object type, property
// identifier and array index.
//
// A property value travels untyped inside several productions (BACnetPropertyValue,
// ReadAccessPropertyValue, BACnetActionCommand, ...), so the walk functions of those productions and
// the hosts ask this catalogue which type to read or write. The catalogue is written below in the
// shape people maintain it in:
//
//   1. the type of every property whose type is the same wherever it occurs;
//   2. the type of the few properties whose type depends on the object type;
//   3. which properties each object type holds.
//
// At compile time these three tables are resolved into one property list per object type, sorted by
// property identifier, and checked (sorted, no duplicates, every listed property has exactly one
// type, 783 rows in all). Nothing is built or sorted at run time and nothing is written, so the
// lookup is safe from any number of threads from the very first call.
#include "bacnapi/bacnapi.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace bacnapi {
namespace {

struct TypedProperty {
    int32_t property;
    int32_t type;
};

struct ObjectSpecificType {
    int32_t property;
    int32_t objectType;
    int32_t type;
};

struct Membership {
    int32_t objectType;
    std::span<const int32_t> properties;
};

struct ElementRow {
    int32_t listType;
    int32_t elementType;
};

// ---- 1. Properties with one type wherever they occur, by property identifier ------------------
// Identifiers 1001..1007 lie in the proprietary range and have no standard name.

constexpr TypedProperty kCommonTypes[] = {
    {0, BACNAPI_TYPE_BitString},                                      // acked-transitions
    {1, BACNAPI_TYPE_BitString},                                      // ack-required
    {3, BACNAPI_TYPE_ListOfCharacterString},                          // action-text
    {4, BACNAPI_TYPE_CharacterString},                                // active-text
    {5, BACNAPI_TYPE_Null},                                           // active-vt-sessions
    {6, BACNAPI_TYPE_Enumerated},                                     // alarm-value
    {9, BACNAPI_TYPE_Boolean},                                        // all-writes-successful
    {10, BACNAPI_TYPE_Unsigned},                                      // apdu-segment-timeout
    {11, BACNAPI_TYPE_Unsigned},                                      // apdu-timeout
    {12, BACNAPI_TYPE_CharacterString},                               // application-software-version
    {13, BACNAPI_TYPE_Boolean},                                       // archive
    {14, BACNAPI_TYPE_Real},                                          // bias
    {15, BACNAPI_TYPE_Unsigned},                                      // change-of-state-count
    {16, BACNAPI_TYPE_BACnetDateTime},                                // change-of-state-time
    {17, BACNAPI_TYPE_Unsigned},                                      // notification-class
    {19, BACNAPI_TYPE_BACnetObjectPropertyReference},                 // controlled-variable-reference
    {20, BACNAPI_TYPE_Enumerated},                                    // controlled-variable-units
    {21, BACNAPI_TYPE_Real},                                          // controlled-variable-value
    {22, BACNAPI_TYPE_Real},                                          // cov-increment
    {23, BACNAPI_TYPE_ListOfBACnetCalendarEntry},                     // date-list
    {24, BACNAPI_TYPE_Boolean},                                       // daylight-savings-status
    {25, BACNAPI_TYPE_Real},                                          // deadband
    {26, BACNAPI_TYPE_Real},                                          // derivative-constant
    {27, BACNAPI_TYPE_Enumerated},                                    // derivative-constant-units
    {28, BACNAPI_TYPE_CharacterString},                               // description
    {29, BACNAPI_TYPE_CharacterString},                               // description-of-halt
    {30, BACNAPI_TYPE_ListOfBACnetAddressBinding},                    // device-address-binding
    {31, BACNAPI_TYPE_CharacterString},                               // device-type
    {32, BACNAPI_TYPE_BACnetDateRange},                               // effective-period
    {33, BACNAPI_TYPE_Unsigned},                                      // elapsed-active-time
    {34, BACNAPI_TYPE_Real},                                          // error-limit
    {35, BACNAPI_TYPE_BitString},                                     // event-enable
    {36, BACNAPI_TYPE_Enumerated},                                    // event-state
    {37, BACNAPI_TYPE_Enumerated},                                    // event-type
    {38, BACNAPI_TYPE_ListOfBACnetSpecialEvent},                      // exception-schedule
    {41, BACNAPI_TYPE_Enumerated},                                    // file-access-method
    {42, BACNAPI_TYPE_Unsigned},                                      // file-size
    {43, BACNAPI_TYPE_CharacterString},                               // file-type
    {44, BACNAPI_TYPE_CharacterString},                               // firmware-revision
    {46, BACNAPI_TYPE_CharacterString},                               // inactive-text
    {47, BACNAPI_TYPE_Boolean},                                       // in-process
    {48, BACNAPI_TYPE_CharacterString},                               // instance-of
    {49, BACNAPI_TYPE_Real},                                          // integral-constant
    {50, BACNAPI_TYPE_Enumerated},                                    // integral-constant-units
    {52, BACNAPI_TYPE_BitString},                                     // limit-enable
    {53, BACNAPI_TYPE_SequenceOfReadAccessSpecification},             // list-of-group-members
    {54, BACNAPI_TYPE_ListOfBACnetDeviceObjectPropertyReference},     // list-of-object-property-references
    {55, BACNAPI_TYPE_Null},                                          // list-of-session-keys
    {56, BACNAPI_TYPE_Date},                                          // local-date
    {57, BACNAPI_TYPE_Time},                                          // local-time
    {58, BACNAPI_TYPE_CharacterString},                               // location
    {60, BACNAPI_TYPE_BACnetObjectPropertyReference},                 // manipulated-variable-reference
    {61, BACNAPI_TYPE_Real},                                          // maximum-output
    {62, BACNAPI_TYPE_Unsigned},                                      // max-apdu-length-accepted
    {63, BACNAPI_TYPE_Unsigned},                                      // max-info-frames
    {64, BACNAPI_TYPE_Unsigned},                                      // max-master
    {66, BACNAPI_TYPE_Unsigned},                                      // minimum-off-time
    {67, BACNAPI_TYPE_Unsigned},                                      // minimum-on-time
    {68, BACNAPI_TYPE_Real},                                          // minimum-output
    {69, BACNAPI_TYPE_Real},                                          // min-pres-value
    {70, BACNAPI_TYPE_CharacterString},                               // model-name
    {71, BACNAPI_TYPE_BACnetDateTime},                                // modification-date
    {72, BACNAPI_TYPE_Enumerated},                                    // notify-type
    {73, BACNAPI_TYPE_Unsigned},                                      // number-of-apdu-retries
    {74, BACNAPI_TYPE_Unsigned},                                      // number-of-states
    {75, BACNAPI_TYPE_ObjectIdentifier},                              // object-identifier
    {76, BACNAPI_TYPE_ListOfObjectIdentifier},                        // object-list
    {77, BACNAPI_TYPE_CharacterString},                               // object-name
    {78, BACNAPI_TYPE_BACnetDeviceObjectPropertyReference},           // object-property-reference
    {79, BACNAPI_TYPE_Enumerated},                                    // object-type
    {81, BACNAPI_TYPE_Boolean},                                       // out-of-service
    {82, BACNAPI_TYPE_Enumerated},                                    // output-units
    {83, BACNAPI_TYPE_BACnetEventParameter},                          // event-parameters
    {84, BACNAPI_TYPE_Enumerated},                                    // polarity
    {86, BACNAPI_TYPE_ListOfUnsigned},                                // priority
    {87, BACNAPI_TYPE_BACnetPriorityArray},                           // priority-array
    {88, BACNAPI_TYPE_Unsigned},                                      // priority-for-writing
    {90, BACNAPI_TYPE_Enumerated},                                    // program-change
    {91, BACNAPI_TYPE_CharacterString},                               // program-location
    {92, BACNAPI_TYPE_Enumerated},                                    // program-state
    {93, BACNAPI_TYPE_Real},                                          // proportional-constant
    {94, BACNAPI_TYPE_Enumerated},                                    // proportional-constant-units
    {96, BACNAPI_TYPE_BitString},                                     // protocol-object-types-supported
    {97, BACNAPI_TYPE_BitString},                                     // protocol-services-supported
    {98, BACNAPI_TYPE_Unsigned},                                      // protocol-version
    {99, BACNAPI_TYPE_Boolean},                                       // read-only
    {100, BACNAPI_TYPE_Enumerated},                                   // reason-for-halt
    {102, BACNAPI_TYPE_ListOfBACnetDestination},                      // recipient-list
    {103, BACNAPI_TYPE_Enumerated},                                   // reliability
    {106, BACNAPI_TYPE_Real},                                         // resolution
    {107, BACNAPI_TYPE_Enumerated},                                   // segmentation-supported
    {108, BACNAPI_TYPE_Real},                                         // setpoint
    {109, BACNAPI_TYPE_BACnetSetpointReference},                      // setpoint-reference
    {110, BACNAPI_TYPE_ListOfCharacterString},                        // state-text
    {111, BACNAPI_TYPE_BitString},                                    // status-flags
    {112, BACNAPI_TYPE_Enumerated},                                   // system-status
    {113, BACNAPI_TYPE_Unsigned},                                     // time-delay
    {114, BACNAPI_TYPE_BACnetDateTime},                               // time-of-active-time-reset
    {115, BACNAPI_TYPE_BACnetDateTime},                               // time-of-state-count-reset
    {116, BACNAPI_TYPE_ListOfBACnetRecipient},                        // time-synchronization-recipients
    {117, BACNAPI_TYPE_Enumerated},                                   // units
    {118, BACNAPI_TYPE_Unsigned},                                     // update-interval
    {119, BACNAPI_TYPE_Signed},                                       // utc-offset
    {120, BACNAPI_TYPE_Unsigned},                                     // vendor-identifier
    {121, BACNAPI_TYPE_CharacterString},                              // vendor-name
    {122, BACNAPI_TYPE_Null},                                         // vt-classes-supported
    {123, BACNAPI_TYPE_ListOfBACnetDailySchedule},                    // weekly-schedule
    {124, BACNAPI_TYPE_Unsigned},                                     // attempted-samples
    {125, BACNAPI_TYPE_Real},                                         // average-value
    {126, BACNAPI_TYPE_Unsigned},                                     // buffer-size
    {127, BACNAPI_TYPE_BACnetClientCOV},                              // client-cov-increment
    {128, BACNAPI_TYPE_Unsigned},                                     // cov-resubscription-interval
    {130, BACNAPI_TYPE_ListOfBACnetTimeStamp},                        // event-time-stamps
    {133, BACNAPI_TYPE_Boolean},                                      // enable
    {134, BACNAPI_TYPE_Unsigned},                                     // log-interval
    {135, BACNAPI_TYPE_Real},                                         // maximum-value
    {136, BACNAPI_TYPE_Real},                                         // minimum-value
    {137, BACNAPI_TYPE_Unsigned},                                     // notification-threshold
    {139, BACNAPI_TYPE_Unsigned},                                     // protocol-revision
    {140, BACNAPI_TYPE_Unsigned},                                     // records-since-notification
    {141, BACNAPI_TYPE_Unsigned},                                     // record-count
    {142, BACNAPI_TYPE_BACnetDateTime},                               // start-time
    {143, BACNAPI_TYPE_BACnetDateTime},                               // stop-time
    {144, BACNAPI_TYPE_Boolean},                                      // stop-when-full
    {145, BACNAPI_TYPE_Unsigned},                                     // total-record-count
    {146, BACNAPI_TYPE_Unsigned},                                     // valid-samples
    {147, BACNAPI_TYPE_Unsigned},                                     // window-interval
    {148, BACNAPI_TYPE_Unsigned},                                     // window-samples
    {149, BACNAPI_TYPE_BACnetDateTime},                               // maximum-value-timestamp
    {150, BACNAPI_TYPE_BACnetDateTime},                               // minimum-value-timestamp
    {151, BACNAPI_TYPE_Real},                                         // variance-value
    {152, BACNAPI_TYPE_ListOfBACnetCOVSubscription},                  // active-cov-subscriptions
    {153, BACNAPI_TYPE_Unsigned},                                     // backup-failure-timeout
    {154, BACNAPI_TYPE_ListOfObjectIdentifier},                       // configuration-files
    {155, BACNAPI_TYPE_Unsigned},                                     // database-revision
    {156, BACNAPI_TYPE_Real},                                         // direct-reading
    {157, BACNAPI_TYPE_BACnetTimeStamp},                              // last-restore-time
    {159, BACNAPI_TYPE_ListOfBACnetDeviceObjectReference},            // member-of
    {160, BACNAPI_TYPE_Enumerated},                                   // mode
    {161, BACNAPI_TYPE_Enumerated},                                   // operation-expected
    {162, BACNAPI_TYPE_Unsigned},                                     // setting
    {163, BACNAPI_TYPE_Enumerated},                                   // silenced
    {164, BACNAPI_TYPE_Enumerated},                                   // tracking-value
    {165, BACNAPI_TYPE_ListOfBACnetDeviceObjectReference},            // zone-members
    {166, BACNAPI_TYPE_ListOfEnumerated},                             // life-safety-alarm-values
    {167, BACNAPI_TYPE_Unsigned},                                     // max-segments-accepted
    {168, BACNAPI_TYPE_CharacterString},                              // profile-name
    {169, BACNAPI_TYPE_ListOfBoolean},                                // auto-slave-discovery
    {170, BACNAPI_TYPE_ListOfBACnetAddressBinding},                   // manual-slave-address-binding
    {171, BACNAPI_TYPE_ListOfBACnetAddressBinding},                   // slave-address-binding
    {172, BACNAPI_TYPE_ListOfBoolean},                                // slave-proxy-enable
    {173, BACNAPI_TYPE_Unsigned},                                     // last-notify-record
    {174, BACNAPI_TYPE_Null},                                         // schedule-default
    {175, BACNAPI_TYPE_ListOfEnumerated},                             // accepted-modes
    {176, BACNAPI_TYPE_Real},                                         // adjust-value
    {177, BACNAPI_TYPE_Unsigned},                                     // count
    {178, BACNAPI_TYPE_Unsigned},                                     // count-before-change
    {179, BACNAPI_TYPE_BACnetDateTime},                               // count-change-time
    {180, BACNAPI_TYPE_Unsigned},                                     // cov-period
    {181, BACNAPI_TYPE_BACnetObjectPropertyReference},                // input-reference
    {182, BACNAPI_TYPE_Unsigned},                                     // limit-monitoring-interval
    {183, BACNAPI_TYPE_ObjectIdentifier},                             // logging-object
    {184, BACNAPI_TYPE_BACnetAccumulatorRecord},                      // logging-record
    {185, BACNAPI_TYPE_BACnetPrescale},                               // prescale
    {186, BACNAPI_TYPE_Unsigned},                                     // pulse-rate
    {187, BACNAPI_TYPE_BACnetScale},                                  // scale
    {188, BACNAPI_TYPE_Real},                                         // scale-factor
    {189, BACNAPI_TYPE_BACnetDateTime},                               // update-time
    {190, BACNAPI_TYPE_Unsigned},                                     // value-before-change
    {191, BACNAPI_TYPE_Unsigned},                                     // value-set
    {192, BACNAPI_TYPE_BACnetDateTime},                               // value-change-time
    {193, BACNAPI_TYPE_Boolean},                                      // align-intervals
    {195, BACNAPI_TYPE_Unsigned},                                     // interval-offset
    {196, BACNAPI_TYPE_BACnetTimeStamp},                              // last-restart-reason
    {197, BACNAPI_TYPE_Enumerated},                                   // logging-type
    {202, BACNAPI_TYPE_ListOfBACnetRecipient},                        // restart-notification-recipients
    {203, BACNAPI_TYPE_BACnetTimeStamp},                              // time-of-device-restart
    {204, BACNAPI_TYPE_Unsigned},                                     // time-synchronization-interval
    {205, BACNAPI_TYPE_Boolean},                                      // trigger
    {206, BACNAPI_TYPE_ListOfBACnetRecipient},                        // utc-time-synchronization-recipients
    {207, BACNAPI_TYPE_CharacterString},                              // node-subtype
    {208, BACNAPI_TYPE_Enumerated},                                   // node-type
    {210, BACNAPI_TYPE_ListOfCharacterString},                        // subordinate-annotations
    {211, BACNAPI_TYPE_ListOfBACnetDeviceObjectReference},            // subordinate-list
    {212, BACNAPI_TYPE_BACnetShedLevel},                              // actual-shed-level
    {213, BACNAPI_TYPE_Unsigned},                                     // duty-window
    {214, BACNAPI_TYPE_BACnetShedLevel},                              // expected-shed-level
    {215, BACNAPI_TYPE_Real},                                         // full-duty-baseline
    {218, BACNAPI_TYPE_BACnetShedLevel},                              // requested-shed-level
    {219, BACNAPI_TYPE_Unsigned},                                     // shed-duration
    {220, BACNAPI_TYPE_ListOfCharacterString},                        // shed-level-descriptions
    {221, BACNAPI_TYPE_ListOfUnsigned},                               // shed-levels
    {226, BACNAPI_TYPE_Enumerated},                                   // door-alarm-state
    {227, BACNAPI_TYPE_Unsigned},                                     // door-extended-pulse-time
    {228, BACNAPI_TYPE_ListOfBACnetDeviceObjectReference},            // door-members
    {229, BACNAPI_TYPE_Unsigned},                                     // door-open-too-long-time
    {230, BACNAPI_TYPE_Unsigned},                                     // door-pulse-time
    {231, BACNAPI_TYPE_Enumerated},                                   // door-status
    {232, BACNAPI_TYPE_Unsigned},                                     // door-unlock-delay-time
    {233, BACNAPI_TYPE_Enumerated},                                   // lock-status
    {234, BACNAPI_TYPE_ListOfEnumerated},                             // masked-alarm-values
    {235, BACNAPI_TYPE_Enumerated},                                   // secured-status
    {1001, BACNAPI_TYPE_Boolean},                                     // proprietary
    {1002, BACNAPI_TYPE_Boolean},                                     // proprietary
    {1003, BACNAPI_TYPE_ListOfObjectIdentifier},                      // proprietary
    {1004, BACNAPI_TYPE_ListOfObjectIdentifier},                      // proprietary
    {1005, BACNAPI_TYPE_ListOfCharacterString},                       // proprietary
    {1006, BACNAPI_TYPE_CharacterString},                             // proprietary
    {1007, BACNAPI_TYPE_Boolean},                                     // proprietary
};

// ---- 2. Properties whose type depends on the object type, by property, then object type -------

constexpr ObjectSpecificType kObjectSpecificTypes[] = {
    // 2 action
    {2, 7, BACNAPI_TYPE_ListOfBACnetActionList}, // command
    {2, 12, BACNAPI_TYPE_Null},                  // loop
    // 7 alarm-values
    {7, 13, BACNAPI_TYPE_ListOfUnsigned},   // multi-state-input
    {7, 19, BACNAPI_TYPE_ListOfUnsigned},   // multi-state-value
    {7, 21, BACNAPI_TYPE_ListOfEnumerated}, // life-safety-point
    {7, 22, BACNAPI_TYPE_ListOfEnumerated}, // life-safety-zone
    {7, 30, BACNAPI_TYPE_ListOfEnumerated}, // access-door
    // 39 fault-values
    {39, 13, BACNAPI_TYPE_ListOfUnsigned},   // multi-state-input
    {39, 19, BACNAPI_TYPE_ListOfUnsigned},   // multi-state-value
    {39, 21, BACNAPI_TYPE_ListOfEnumerated}, // life-safety-point
    {39, 22, BACNAPI_TYPE_ListOfEnumerated}, // life-safety-zone
    {39, 30, BACNAPI_TYPE_ListOfEnumerated}, // access-door
    // 40 feedback-value
    {40, 4, BACNAPI_TYPE_Enumerated}, // binary-output
    {40, 14, BACNAPI_TYPE_Unsigned},  // multi-state-output
    // 45 high-limit
    {45, 0, BACNAPI_TYPE_Real},      // analog-input
    {45, 1, BACNAPI_TYPE_Real},      // analog-output
    {45, 2, BACNAPI_TYPE_Real},      // analog-value
    {45, 23, BACNAPI_TYPE_Unsigned}, // accumulator
    {45, 24, BACNAPI_TYPE_Real},     // pulse-converter
    // 59 low-limit
    {59, 0, BACNAPI_TYPE_Real},      // analog-input
    {59, 1, BACNAPI_TYPE_Real},      // analog-output
    {59, 2, BACNAPI_TYPE_Real},      // analog-value
    {59, 23, BACNAPI_TYPE_Unsigned}, // accumulator
    {59, 24, BACNAPI_TYPE_Real},     // pulse-converter
    // 65 max-pres-value
    {65, 0, BACNAPI_TYPE_Real},      // analog-input
    {65, 1, BACNAPI_TYPE_Real},      // analog-output
    {65, 23, BACNAPI_TYPE_Unsigned}, // accumulator
    // 85 present-value
    {85, 0, BACNAPI_TYPE_Real},                    // analog-input
    {85, 1, BACNAPI_TYPE_Real},                    // analog-output
    {85, 2, BACNAPI_TYPE_Real},                    // analog-value
    {85, 3, BACNAPI_TYPE_Enumerated},              // binary-input
    {85, 4, BACNAPI_TYPE_Enumerated},              // binary-output
    {85, 5, BACNAPI_TYPE_Enumerated},              // binary-value
    {85, 6, BACNAPI_TYPE_Boolean},                 // calendar
    {85, 7, BACNAPI_TYPE_Unsigned},                // command
    {85, 11, BACNAPI_TYPE_ListOfReadAccessResult}, // group
    {85, 12, BACNAPI_TYPE_Real},                   // loop
    {85, 13, BACNAPI_TYPE_Unsigned},               // multi-state-input
    {85, 14, BACNAPI_TYPE_Unsigned},               // multi-state-output
    {85, 17, BACNAPI_TYPE_Null},                   // schedule
    {85, 19, BACNAPI_TYPE_Unsigned},               // multi-state-value
    {85, 21, BACNAPI_TYPE_Enumerated},             // life-safety-point
    {85, 22, BACNAPI_TYPE_Enumerated},             // life-safety-zone
    {85, 23, BACNAPI_TYPE_Unsigned},               // accumulator
    {85, 24, BACNAPI_TYPE_Real},                   // pulse-converter
    {85, 28, BACNAPI_TYPE_Enumerated},             // load-control
    {85, 30, BACNAPI_TYPE_Enumerated},             // access-door
    // 104 relinquish-default
    {104, 1, BACNAPI_TYPE_Real},        // analog-output
    {104, 2, BACNAPI_TYPE_Real},        // analog-value
    {104, 4, BACNAPI_TYPE_Enumerated},  // binary-output
    {104, 5, BACNAPI_TYPE_Enumerated},  // binary-value
    {104, 14, BACNAPI_TYPE_Unsigned},   // multi-state-output
    {104, 19, BACNAPI_TYPE_Unsigned},   // multi-state-value
    {104, 30, BACNAPI_TYPE_Enumerated}, // access-door
    // 131 log-buffer
    {131, 20, BACNAPI_TYPE_ListOfBACnetLogRecord},         // trend-log
    {131, 25, BACNAPI_TYPE_ListOfBACnetEventLogRecord},    // event-log
    {131, 27, BACNAPI_TYPE_ListOfBACnetLogMultipleRecord}, // trend-log-multiple
    // 132 log-device-object-property
    {132, 20, BACNAPI_TYPE_BACnetDeviceObjectPropertyReference},       // trend-log
    {132, 27, BACNAPI_TYPE_ListOfBACnetDeviceObjectPropertyReference}, // trend-log-multiple
    // 158 maintenance-required
    {158, 21, BACNAPI_TYPE_Enumerated}, // life-safety-point
    {158, 22, BACNAPI_TYPE_Boolean},    // life-safety-zone
    {158, 30, BACNAPI_TYPE_Enumerated}, // access-door
};

// ---- 3. The properties each object type holds -------------------------------------------------
// Global-group (26) and the object types above 30 are not covered.

constexpr int32_t kAnalogInput[] = {
    0, 17, 22, 25, 28, 31, 35, 36, 45, 52, 59, 65, 69, 72, 75, 77, 79, 81, 85, 103, 106, 111, 113,
    117, 118, 130, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kAnalogOutput[] = {
    0, 17, 22, 25, 28, 31, 35, 36, 45, 52, 59, 65, 69, 72, 75, 77, 79, 81, 85, 87, 103, 104, 106,
    111, 113, 117, 130, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kAnalogValue[] = {
    0, 17, 22, 25, 28, 35, 36, 45, 52, 59, 72, 75, 77, 79, 81, 85, 87, 103, 104, 111, 113, 117, 130,
    168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kBinaryInput[] = {
    0, 4, 6, 15, 16, 17, 28, 31, 33, 35, 36, 46, 72, 75, 77, 79, 81, 84, 85, 103, 111, 113, 114,
    115, 130, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kBinaryOutput[] = {
    0, 4, 15, 16, 17, 28, 31, 33, 35, 36, 40, 46, 66, 67, 72, 75, 77, 79, 81, 84, 85, 87, 103, 104,
    111, 113, 114, 115, 130, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kBinaryValue[] = {
    0, 4, 6, 15, 16, 17, 28, 33, 35, 36, 46, 66, 67, 72, 75, 77, 79, 81, 85, 87, 103, 104, 111, 113,
    114, 115, 130, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kCalendar[] = {
    23, 28, 75, 77, 79, 85, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kCommand[] = {
    2, 3, 9, 28, 47, 75, 77, 79, 85, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kDevice[] = {
    5, 10, 11, 12, 24, 28, 30, 44, 55, 56, 57, 58, 62, 63, 64, 70, 73, 75, 76, 77, 79, 96, 97, 98,
    107, 112, 116, 119, 120, 121, 122, 139, 152, 153, 154, 155, 157, 167, 168, 169, 170, 171, 172,
    193, 195, 196, 202, 203, 204, 206, 1003, 1004, 1005,
};
constexpr int32_t kEventEnrollment[] = {
    0, 17, 28, 35, 36, 37, 72, 75, 77, 78, 79, 83, 130, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kFile[] = {
    13, 28, 41, 42, 43, 71, 75, 77, 79, 99, 141, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kGroup[] = {
    28, 53, 75, 77, 79, 85, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kLoop[] = {
    0, 2, 14, 17, 19, 20, 21, 22, 25, 26, 27, 28, 34, 35, 36, 49, 50, 60, 61, 68, 72, 75, 77, 79,
    81, 82, 85, 88, 93, 94, 103, 108, 109, 111, 113, 118, 130, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kMultiStateInput[] = {
    0, 7, 17, 28, 31, 35, 36, 39, 72, 74, 75, 77, 79, 81, 85, 103, 110, 111, 113, 130, 168, 1001,
    1002, 1006, 1007,
};
constexpr int32_t kMultiStateOutput[] = {
    0, 17, 28, 31, 35, 36, 40, 72, 74, 75, 77, 79, 81, 85, 87, 103, 104, 110, 111, 113, 130, 168,
    1001, 1002, 1006, 1007,
};
constexpr int32_t kNotificationClass[] = {
    1, 17, 28, 75, 77, 79, 86, 102, 168,
};
constexpr int32_t kProgram[] = {
    28, 29, 48, 75, 77, 79, 81, 90, 91, 92, 100, 103, 111, 168, 1001, 1002, 1006, 1007,
};
constexpr int32_t kSchedule[] = {
    28, 32, 38, 54, 75, 77, 79, 81, 85, 88, 103, 111, 123, 168, 174, 1001, 1002, 1006, 1007,
};
constexpr int32_t kAveraging[] = {
    28, 75, 77, 78, 79, 124, 125, 135, 136, 146, 147, 148, 149, 150, 151, 168, 1001, 1002, 1006,
    1007,
};
constexpr int32_t kMultiStateValue[] = {
    0, 7, 17, 28, 35, 36, 39, 72, 74, 75, 77, 79, 81, 85, 87, 103, 104, 110, 111, 113, 130, 168,
    1001, 1002, 1006, 1007,
};
constexpr int32_t kTrendLog[] = {
    0, 17, 28, 35, 36, 72, 75, 77, 79, 126, 127, 128, 130, 131, 132, 133, 134, 137, 140, 141, 142,
    143, 144, 145, 168, 173, 193, 195, 197, 1001, 1002, 1006, 1007,
};
constexpr int32_t kLifeSafetyPoint[] = {
    0, 7, 17, 28, 31, 35, 36, 39, 72, 75, 77, 79, 81, 85, 103, 111, 113, 117, 130, 156, 158, 159,
    160, 161, 162, 163, 164, 166, 168, 175, 1001, 1002, 1006, 1007,
};
constexpr int32_t kLifeSafetyZone[] = {
    0, 7, 17, 28, 31, 35, 36, 39, 72, 75, 77, 79, 81, 85, 103, 111, 113, 130, 158, 159, 160, 161,
    163, 164, 165, 166, 168, 175, 1001, 1002, 1006, 1007,
};
constexpr int32_t kAccumulator[] = {
    0, 17, 28, 31, 35, 36, 45, 52, 59, 65, 72, 75, 77, 79, 81, 85, 103, 111, 113, 117, 130, 168,
    182, 183, 184, 185, 186, 187, 190, 191, 192, 1001, 1002, 1006, 1007,
};
constexpr int32_t kPulseConverter[] = {
    0, 17, 22, 25, 28, 35, 36, 45, 52, 59, 72, 75, 77, 79, 81, 85, 103, 111, 113, 117, 130, 168,
    176, 177, 178, 179, 180, 181, 188, 189, 1001, 1002, 1006, 1007,
};
constexpr int32_t kEventLog[] = {
    0, 17, 28, 35, 36, 72, 75, 77, 79, 103, 111, 126, 130, 131, 133, 137, 140, 141, 142, 143, 144,
    145, 168, 173,
};
constexpr int32_t kTrendLogMultiple[] = {
    0, 17, 28, 35, 36, 72, 75, 77, 79, 103, 111, 126, 130, 131, 132, 133, 134, 137, 140, 141, 142,
    143, 144, 145, 168, 173, 193, 195, 197, 205,
};
constexpr int32_t kLoadControl[] = {
    0, 17, 28, 35, 36, 72, 75, 77, 79, 85, 103, 111, 113, 130, 133, 142, 168, 212, 213, 214, 215,
    218, 219, 220, 221,
};
constexpr int32_t kStructuredView[] = {
    28, 75, 77, 79, 168, 207, 208, 210, 211,
};
constexpr int32_t kAccessDoor[] = {
    0, 7, 17, 28, 35, 36, 39, 72, 75, 77, 79, 81, 85, 87, 103, 104, 111, 113, 130, 158, 168, 226,
    227, 228, 229, 230, 231, 232, 233, 234, 235, 1006,
};

constexpr Membership kMembership[] = {
    {0, kAnalogInput},
    {1, kAnalogOutput},
    {2, kAnalogValue},
    {3, kBinaryInput},
    {4, kBinaryOutput},
    {5, kBinaryValue},
    {6, kCalendar},
    {7, kCommand},
    {8, kDevice},
    {9, kEventEnrollment},
    {10, kFile},
    {11, kGroup},
    {12, kLoop},
    {13, kMultiStateInput},
    {14, kMultiStateOutput},
    {15, kNotificationClass},
    {16, kProgram},
    {17, kSchedule},
    {18, kAveraging},
    {19, kMultiStateValue},
    {20, kTrendLog},
    {21, kLifeSafetyPoint},
    {22, kLifeSafetyZone},
    {23, kAccumulator},
    {24, kPulseConverter},
    {25, kEventLog},
    {27, kTrendLogMultiple},
    {28, kLoadControl},
    {29, kStructuredView},
    {30, kAccessDoor},
};

// ---- Element types ----------------------------------------------------------------------------
// The type of one element (array index 1 or more) of a property whose whole type is the list type
// on the left. Two rows differ from the list types' own element types on purpose: an element of
// ListOfBACnetDeviceObjectPropertyReference is answered as BACnetObjectPropertyReference, and one
// of ListOfBACnetTimeStamp as BACnetDateTime. List types without a row here (among them
// SequenceOfReadAccessSpecification and ListOfBACnetCOVSubscription) have no element answer.

constexpr ElementRow kElementTypes[] = {
    {BACNAPI_TYPE_BACnetPriorityArray, BACNAPI_TYPE_BACnetPriorityValue},
    {BACNAPI_TYPE_ListOfBACnetLogRecord, BACNAPI_TYPE_BACnetLogRecord},
    {BACNAPI_TYPE_ListOfBACnetCalendarEntry, BACNAPI_TYPE_BACnetCalendarEntry},
    {BACNAPI_TYPE_ListOfBACnetActionList, BACNAPI_TYPE_BACnetActionList},
    {BACNAPI_TYPE_ListOfCharacterString, BACNAPI_TYPE_CharacterString},
    {BACNAPI_TYPE_ListOfObjectIdentifier, BACNAPI_TYPE_ObjectIdentifier},
    {BACNAPI_TYPE_ListOfBACnetRecipient, BACNAPI_TYPE_BACnetRecipient},
    {BACNAPI_TYPE_ListOfBACnetAddressBinding, BACNAPI_TYPE_BACnetAddressBinding},
    {BACNAPI_TYPE_ListOfReadAccessResult, BACNAPI_TYPE_ReadAccessResult},
    {BACNAPI_TYPE_ListOfUnsigned, BACNAPI_TYPE_Unsigned},
    {BACNAPI_TYPE_ListOfBACnetDestination, BACNAPI_TYPE_BACnetDestination},
    {BACNAPI_TYPE_ListOfBACnetDailySchedule, BACNAPI_TYPE_BACnetDailySchedule},
    {BACNAPI_TYPE_ListOfBACnetSpecialEvent, BACNAPI_TYPE_BACnetSpecialEvent},
    {BACNAPI_TYPE_ListOfBACnetDeviceObjectPropertyReference, BACNAPI_TYPE_BACnetObjectPropertyReference},
    {BACNAPI_TYPE_ListOfBACnetTimeStamp, BACNAPI_TYPE_BACnetDateTime},
    {BACNAPI_TYPE_ListOfEnumerated, BACNAPI_TYPE_Enumerated},
    {BACNAPI_TYPE_ListOfBoolean, BACNAPI_TYPE_Boolean},
    {BACNAPI_TYPE_ListOfBACnetEventLogRecord, BACNAPI_TYPE_BACnetEventLogRecord},
    {BACNAPI_TYPE_ListOfBACnetLogMultipleRecord, BACNAPI_TYPE_BACnetLogMultipleRecord},
    {BACNAPI_TYPE_ListOfBACnetDeviceObjectReference, BACNAPI_TYPE_BACnetDeviceObjectReference},
};

// ---- Resolving the catalogue at compile time --------------------------------------------------

constexpr std::size_t kObjectCount = std::size(kMembership);

constexpr std::size_t count_property_rows()
{
    std::size_t total = 0;
    for (const Membership& m : kMembership) total += m.properties.size();
    return total;
}

constexpr std::size_t kPropertyRowCount = count_property_rows();

static_assert(kObjectCount == 30, "object types 0..25 and 27..30 are covered");
static_assert(kPropertyRowCount == 783, "the property lists hold 783 rows in all");

// Type of property in objectType: the object-specific row if there is one, else the common row;
// -1 when neither table has it or when both do (a property belongs to exactly one of them).
constexpr int32_t resolve_type(int32_t objectType, int32_t property)
{
    int32_t specific = -1;
    bool specificProperty = false;
    for (const ObjectSpecificType& row : kObjectSpecificTypes) {
        if (row.property != property) continue;
        specificProperty = true;
        if (row.objectType == objectType) specific = row.type;
    }
    int32_t common = -1;
    for (const TypedProperty& row : kCommonTypes)
        if (row.property == property) common = row.type;
    if (specificProperty) return common == -1 ? specific : -1;
    return common;
}

constexpr bool common_types_sorted()
{
    for (std::size_t i = 1; i < std::size(kCommonTypes); ++i)
        if (kCommonTypes[i - 1].property >= kCommonTypes[i].property) return false;
    return true;
}

constexpr bool object_specific_types_sorted()
{
    for (std::size_t i = 1; i < std::size(kObjectSpecificTypes); ++i) {
        const ObjectSpecificType& a = kObjectSpecificTypes[i - 1];
        const ObjectSpecificType& b = kObjectSpecificTypes[i];
        if (a.property > b.property || (a.property == b.property && a.objectType >= b.objectType))
            return false;
    }
    return true;
}

constexpr bool membership_sorted_and_typed()
{
    for (std::size_t i = 0; i < kObjectCount; ++i) {
        const Membership& m = kMembership[i];
        if (i > 0 && kMembership[i - 1].objectType >= m.objectType) return false;
        for (std::size_t k = 0; k < m.properties.size(); ++k) {
            if (k > 0 && m.properties[k - 1] >= m.properties[k]) return false;
            if (resolve_type(m.objectType, m.properties[k]) < 0) return false;
        }
    }
    return true;
}

// Every object-specific row must name a property that its object type actually holds; a row that
// no list uses is a typing error in one of the tables.
constexpr bool object_specific_types_used()
{
    for (const ObjectSpecificType& row : kObjectSpecificTypes) {
        bool used = false;
        for (const Membership& m : kMembership)
            if (m.objectType == row.objectType)
                used = std::find(m.properties.begin(), m.properties.end(), row.property) !=
                       m.properties.end();
        if (!used) return false;
    }
    return true;
}

constexpr bool element_types_sorted()
{
    for (std::size_t i = 1; i < std::size(kElementTypes); ++i)
        if (kElementTypes[i - 1].listType >= kElementTypes[i].listType) return false;
    return true;
}

static_assert(common_types_sorted(), "common types: ascending, one row per property");
static_assert(object_specific_types_sorted(), "object-specific types: ascending, no duplicates");
static_assert(membership_sorted_and_typed(),
              "object types ascending; each list ascending without duplicates; every property typed");
static_assert(object_specific_types_used(), "every object-specific row is held by its object type");
static_assert(element_types_sorted(), "element types: ascending, one row per list type");

struct PropertyRow {
    int32_t property;
    int32_t type;
};

struct ObjectRow {
    int32_t objectType;
    int32_t first; // index of the object type's first row in Catalogue::properties
    int32_t count; // rows in its property list
};

struct Catalogue {
    std::array<ObjectRow, kObjectCount> objects{};
    std::array<PropertyRow, kPropertyRowCount> properties{};
};

constexpr Catalogue build_catalogue()
{
    Catalogue c;
    int32_t next = 0;
    for (std::size_t i = 0; i < kObjectCount; ++i) {
        const Membership& m = kMembership[i];
        c.objects[i] = {m.objectType, next, static_cast<int32_t>(m.properties.size())};
        for (int32_t property : m.properties)
            c.properties[static_cast<std::size_t>(next++)] = {property,
                                                              resolve_type(m.objectType, property)};
    }
    return c;
}

constexpr Catalogue kCatalogue = build_catalogue();

// The property row of (objectType, property), or null when the catalogue does not hold it.
const PropertyRow* find_property(int32_t objectType, int32_t property)
{
    const auto& objects = kCatalogue.objects;
    const auto object = std::lower_bound(objects.begin(), objects.end(), objectType,
                                         [](const ObjectRow& r, int32_t t) { return r.objectType < t; });
    if (object == objects.end() || object->objectType != objectType) return nullptr;

    const PropertyRow* first = kCatalogue.properties.data() + object->first;
    const PropertyRow* last = first + object->count;
    const PropertyRow* row = std::lower_bound(
        first, last, property, [](const PropertyRow& r, int32_t p) { return r.property < p; });
    return row == last || row->property != property ? nullptr : row;
}

// The element type of a list type, or BACnetConstructed when the list type has no element row.
int32_t element_type_of(int32_t listType)
{
    const auto* first = std::begin(kElementTypes);
    const auto* last = std::end(kElementTypes);
    const auto* row = std::lower_bound(first, last, listType,
                                       [](const ElementRow& r, int32_t t) { return r.listType < t; });
    return row == last || row->listType != listType ? BACNAPI_TYPE_BACnetConstructed : row->elementType;
}

} // namespace
} // namespace bacnapi

extern "C" int32_t bacnapi_get_data_type(int32_t objectType, int32_t propertyIdentifier,
                                         int32_t arrayIndex)
{
    if (objectType < 0) return BACNAPI_TYPE_Null;
    // Index 0 asks for the length of an array, an Unsigned, whatever the object or property.
    if (arrayIndex == 0) return BACNAPI_TYPE_Unsigned;

    const bacnapi::PropertyRow* row = bacnapi::find_property(objectType, propertyIdentifier);
    if (row == nullptr) return BACNAPI_TYPE_BACnetConstructed;
    if (arrayIndex < 0) return row->type; // the whole property
    return bacnapi::element_type_of(row->type);
}
