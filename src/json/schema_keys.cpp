// JSON keys of record fields and choice alternatives, by field-name identifier. A few
// identifiers name more than one thing (or two alternatives of one choice share a name); those
// fields take the member name of the public header, told apart by their context tag.
#include "json/schema.h"

#include <algorithm>
#include <iterator>

namespace bacnapi {

namespace {

struct KeyRow {
    uint32_t nameId;
    const char* key;
};

// Sorted by identifier. 3 (the top-level value) and 88 (a list element) have no key: they are
// never fields of an object.
constexpr KeyRow kKeys[] = {
    {0, "setpointValue"},
    {1, "accumulatedValue"},
    {2, "accumulatorStatus"},
    {4, "acknowledgedTransitions"},
    {5, "ackRequired"},
    {6, "action"},
    {11, "address"},
    {14, "alarmState"},
    {27, "binary"},
    {28, "binary-value"},
    {29, "bitmask"},
    {31, "boolean-value"},
    {32, "bufferDevice"},
    {33, "bufferObject"},
    {34, "bufferProperty"},
    {38, "calendarEntry"},
    {39, "calendarReference"},
    {40, "changedBits"},
    {41, "changedValue"},
    {42, "change-of-bitstring"},
    {43, "change-of-state"},
    {46, "change-of-value"},
    {48, "command-failure"},
    {49, "commandValue"},
    {58, "covCriteria"},
    {59, "covIncrement"},
    {62, "currentNotification"},
    {65, "date"},
    {67, "dateRange"},
    {68, "dateTime"},
    {70, "day-schedule"},
    {71, "deadband"},
    {72, "default-increment"},
    {77, "device"},
    {78, "deviceAddress"},
    {80, "deviceIdentifier"},
    {81, "deviceObjectIdentifier"},
    {87, "complex-event-type"},
    {89, "noRecipient"},
    {90, "endDate"},
    {91, "enum-value"},
    {92, "error-class"},
    {93, "error-code"},
    {94, "errorLimit"},
    {95, "eventEnable"},
    {97, "eventPriorities"},
    {98, "eventPriority"},
    {100, "eventState"},
    {101, "eventTimeStamps"},
    {102, "eventType"},
    {104, "exceededLimit"},
    {105, "exceedingValue"},
    {107, "extended"},
    {108, "extendedEventType"},
    {109, "failure"},
    {111, "feedbackPropertyReference"},
    {112, "feedbackValue"},
    {118, "floating-limit"},
    {119, "floatScale"},
    {120, "fromTime"},
    {121, "highDiffLimit"},
    {122, "highLimit"},
    {127, "integerScale"},
    {130, "issueConfirmedNotifications"},
    {133, "change-of-life-safety"},
    {135, "life-safety-mode"},
    {136, "life-safety-state"},
    {139, "listOfAlarmValues"},
    {140, "listOfBitstringValues"},
    {142, "listOfLifeSafetyAlarmValues"},
    {144, "listOfProperties"},
    {145, "listOfPropertyReferences"},
    {146, "listOfReadAccessResults"},
    {147, "listOfResults"},
    {149, "listOfTimeValues"},
    {150, "listOfValues"},
    {156, "logDatum"},
    {162, "lowDiffLimit"},
    {163, "lowLimit"},
    {164, "mac-address"},
    {184, "modePropertyReference"},
    {187, "moduloDivide"},
    {188, "monitoredPropertyReference"},
    {189, "multiplier"},
    {190, "network-number"},
    {191, "newMode"},
    {192, "newState"},
    {193, "newValue"},
    {194, "notificationClass"},
    {195, "notificationThreshold"},
    {196, "notifyType"},
    {197, "null"},
    {198, "null-value"},
    {201, "objectIdentifier"},
    {204, "setpointReference"},
    {206, "operationExpected"},
    {208, "out-of-range"},
    {212, "parameters"},
    {213, "peerAddress"},
    {214, "period"},
    {215, "polarity"},
    {216, "postDelay"},
    {218, "presentValue"},
    {219, "previousNotification"},
    {220, "previousNotificationCount"},
    {222, "priority"},
    {225, "processIdentifier"},
    {227, "program-change"},
    {229, "program-state"},
    {231, "propertyIdentifier"},
    {232, "propertyAccessError"},
    {233, "propertyArrayIndex"},
    {234, "propertyIdentifier"},
    {235, "propertyValue"},
    {244, "quitOnFailure"},
    {246, "real"},
    {247, "real-increment"},
    {248, "real-value"},
    {249, "reason-for-halt"},
    {250, "recipient"},
    {254, "referencedBitstring"},
    {255, "referencedPropertyIncrement"},
    {256, "referenceValue"},
    {257, "reliability"},
    {265, "sequenceNumber"},
    {266, "sessionKey"},
    {268, "setpointReference"},
    {270, "signed-value"},
    {272, "startDate"},
    {274, "state"},
    {276, "statusFlags"},
    {279, "system-status"},
    {280, "time"},
    {281, "time-change"},
    {282, "timeDelay"},
    {285, "timeRemaining"},
    {286, "timestamp"},
    {289, "toTime"},
    {291, "transitions"},
    {292, "units"},
    {293, "unsigned"},
    {294, "unsigned-range"},
    {295, "unsigned-value"},
    {299, "validDays"},
    {301, "value"},
    {306, "vendorId"},
    {312, "weekNDay"},
    {315, "writeSuccessful"},
    {338, "door-alarm-state"},
    {348, "restart-reason"},
    {349, "notification"},
    {350, "log-data"},
    {351, "logData"},
    {352, "percent"},
    {353, "level"},
    {354, "amount"},
    {355, "initiatingDeviceIdentifier"},
    {356, "eventObjectIdentifier"},
    {357, "messageText"},
    {358, "fromState"},
    {359, "toState"},
    {360, "eventValues"},
};

struct TaggedKeyRow {
    uint32_t nameId;
    int32_t tag;
    const char* key;
};

// Identifier 30 is both the log status and a bit-string value; 35 and 36 are both buffer-ready.
constexpr TaggedKeyRow kTaggedKeys[] = {
    {30, 0, "logStatus"},     {30, 5, "bitstringValue"}, {30, 6, "bitstringValue"},
    {35, 7, "bufferReady"},   {36, 10, "bufferReady2"},
};

constexpr bool sorted_keys()
{
    for (size_t i = 1; i < std::size(kKeys); ++i)
        if (kKeys[i - 1].nameId >= kKeys[i].nameId) return false;
    return true;
}
static_assert(sorted_keys(), "the key table is searched by identifier");

} // namespace

const char* schema_field_key(uint32_t nameId, int32_t tag)
{
    for (const TaggedKeyRow& row : kTaggedKeys)
        if (row.nameId == nameId && row.tag == tag) return row.key;
    const auto* end = std::end(kKeys);
    const auto* row = std::lower_bound(std::begin(kKeys), end, nameId,
                                       [](const KeyRow& r, uint32_t id) { return r.nameId < id; });
    return row != end && row->nameId == nameId ? row->key : nullptr;
}

} // namespace bacnapi
