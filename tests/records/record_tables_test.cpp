// The ownership and comparison tables: each fits the record its catalogue row names, and the
// rules the generic copy and compare take from them (unknown alternatives, the order a failing
// copy stops in, alternatives without keys of their own) hold on records built by hand.
#include "value/copy_internal.h"
#include "value/record_size.h"
#include "value/type_catalogue.h"
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace bacnapi;

size_t part_size(const OwnedPart& part)
{
    switch (part.kind) {
    case Part::Block: return sizeof(void*);
    case Part::Bits: return sizeof(BACnetBitString);
    case Part::Octets: return sizeof(BACnetOctetString);
    case Part::Characters: return sizeof(BACnetCharacterString);
    case Part::Value: return sizeof(BACnetDataType);
    case Part::Record: return part.inner->size;
    case Part::Zeroed:
    case Part::Copied: return part.size;
    }
    return SIZE_MAX;
}

size_t key_size(const CompareKey& key)
{
    switch (key.key) {
    case Key::Octet: return 1;
    case Key::Date:
    case Key::Time: return 4;
    case Key::DateTime:
    case Key::ObjectIdentifier: return 8;
    case Key::BitString: return sizeof(BACnetBitString);
    case Key::OctetString: return sizeof(BACnetOctetString);
    case Key::Value: return sizeof(BACnetDataType);
    case Key::Bytes: return key.size;
    case Key::Nothing: return 0;
    case Key::Record: return 0; // the inner table is checked on its own
    default: return 4;          // 32-bit numbers and selectors
    }
}

// Every member a table names lies inside its record, in embedded tables too.
void expect_fits(const Ownership& o, const std::string& where)
{
    if (o.selector != kNoSelector) {
        EXPECT_LE(o.selector + 4u, o.size) << where;
    }
    if (o.resetOffset != kNoReset) {
        EXPECT_LE(o.resetOffset + 4u, o.size) << where;
    }
    if (o.shape == Shape::Sequence) {
        EXPECT_LE(o.element->size + 0u, o.elementsOffset) << where << ": element 0 lies before the array pointer";
        EXPECT_LE(o.countOffset + 4u, o.size) << where;
        expect_fits(*o.element, where + " element");
    }
    for (size_t i = 0; i < o.count; ++i) {
        EXPECT_LE(o.parts[i].offset + part_size(o.parts[i]), o.size) << where << " part " << i;
        if (o.parts[i].kind == Part::Record) expect_fits(*o.parts[i].inner, where + " part " + std::to_string(i));
    }
}

void expect_fits(const Comparison& c, size_t size, const std::string& where)
{
    for (size_t i = 0; i < c.count; ++i) {
        const CompareKey& k = c.keys[i];
        EXPECT_LE(k.offset + key_size(k), size) << where << " key " << i;
        if (k.key == Key::Record) {
            EXPECT_NE(k.inner, nullptr) << where;
            expect_fits(*k.inner, size - k.offset, where + " key " + std::to_string(i));
        }
    }
}

TEST(RecordTables, EveryTableFitsTheRecordOfItsRow)
{
    for (const TypeRow& row : kTypeCatalogue) {
        const std::string where = "type " + std::to_string(row.code);
        const bool record = row.storage == Storage::Record;
        if (row.owns != nullptr) {
            EXPECT_TRUE(record && !(row.flags & kPlain)) << where << ": only a record that owns members has a table";
            EXPECT_EQ(row.owns->size, row.recordSize) << where << ": the table describes another record";
            expect_fits(*row.owns, where);
        }
        // Every comparable record compares by table but the nested value (unwrapped by the
        // comparison itself) and the setpoint reference (its presence decides first).
        const bool byHand =
            row.code == BACNAPI_TYPE_BACnetNestedValue || row.code == BACNAPI_TYPE_BACnetSetpointReference;
        EXPECT_EQ(row.compares != nullptr, record && (row.flags & kComparable) && !byHand) << where;
        if (row.compares != nullptr) expect_fits(*row.compares, row.recordSize, where);
    }
}

BACnetBitString bits(uint8_t first)
{
    auto* block = static_cast<uint8_t*>(std::malloc(2));
    block[0] = first, block[1] = 1;
    return BACnetBitString{2, 2, block};
}

BACnetDataType uncopyable() // a list holding an element no copy is made for
{
    BACnetDataType list{}, element{};
    EXPECT_EQ(bacnapi_initialize_data(&list, BACNAPI_TYPE_BACnetArray), 0);
    EXPECT_EQ(bacnapi_initialize_data(&element, BACNAPI_TYPE_AlarmSummaryAckElement), 0);
    EXPECT_EQ(array_reserve(list.payload.list, 1), 0);
    list.payload.list->elements[list.payload.list->count++] = element;
    return list;
}

using LD = BACnetLogData;
using LMR = BACnetLogMultipleRecord;
using NP = BACnetNotificationParameters;
using EP = BACnetEventParameter;
using RC = BACnetRecipient;
using RP = BACnetRecipientProcess;
using PV = BACnetPriorityValue;
alignas(16) const unsigned char kZeros[512] = {};

// A copy of a hand-built source into a zero-filled destination: the status, and what the
// destination holds afterwards (checked against the source).
TEST(RecordTables, CopiesTreatUnknownAlternativesAndFailuresAsTheirTablesSay)
{
    alignas(16) static unsigned char junk[512];
    std::memset(junk, 0x5A, sizeof junk);
    struct Case {
        const char* name;
        int32_t type;
        std::function<void(void*)> fill;
        int32_t status;
        std::function<void(const void* dst, const void* src)> expect;
    };
    const std::vector<Case> cases = {
        {"log data: an unknown alternative keeps its number only", 117,
         [&](void* s) { std::memcpy(s, junk, sizeof(LD)), static_cast<LD*>(s)->choice = 7; }, BACNAPI_S_OK,
         [](const void* d, const void*) {
             LD expected{};
             expected.choice = 7;
             EXPECT_EQ(std::memcmp(d, &expected, sizeof expected), 0);
         }},
        {"log multiple record: the embedded log data likewise, the timestamp copied", 118,
         [&](void* s) { std::memcpy(s, junk, sizeof(LMR)), static_cast<LMR*>(s)->logData.choice = 3; }, BACNAPI_S_OK,
         [](const void* d, const void* s) {
             const auto& dst = *static_cast<const LMR*>(d);
             EXPECT_EQ(std::memcmp(&dst.timestamp, &static_cast<const LMR*>(s)->timestamp, sizeof dst.timestamp), 0);
             EXPECT_EQ(dst.logData.choice, 3);
             EXPECT_EQ(dst.logData.value.logData.type, 0);
         }},
        {"log record: an unknown alternative is refused", 37,
         [&](void* s) { static_cast<BACnetLogRecord*>(s)->logDatumChoice = 11; }, BACNAPI_E_INVALIDARG,
         [](const void* d, const void*) { EXPECT_EQ(static_cast<const BACnetLogRecord*>(d)->logDatumChoice, 0); }},
        {"event parameter: an unknown alternative keeps its number, unsupported", 51,
         [&](void* s) { std::memcpy(s, junk, sizeof(EP)), static_cast<EP*>(s)->choice = 12; }, BACNAPI_E_NOTSUPPORTED,
         [](const void* d, const void*) {
             EP expected{};
             expected.choice = 12;
             EXPECT_EQ(std::memcmp(d, &expected, sizeof expected), 0);
         }},
        {"notification: an unknown changed value keeps its number, the flags are duplicated", 52,
         [&](void* s) {
             auto& p = *static_cast<NP*>(s);
             p.choice = 2, p.parameters.changeOfValue.statusFlags = bits(1);
             p.parameters.changeOfValue.newValue.choice = 4, p.parameters.changeOfValue.newValue.value.changedValue = 3;
         },
         BACNAPI_S_OK,
         [](const void* d, const void* s) {
             const auto& dst = static_cast<const NP*>(d)->parameters.changeOfValue;
             const auto& src = static_cast<const NP*>(s)->parameters.changeOfValue;
             EXPECT_EQ(dst.newValue.choice, 4);
             EXPECT_EQ(dst.newValue.value.changedValue, 0.0f);
             ASSERT_NE(dst.statusFlags.bits, nullptr);
             EXPECT_NE(dst.statusFlags.bits, src.statusFlags.bits);
             EXPECT_EQ(std::memcmp(dst.statusFlags.bits, src.statusFlags.bits, 2), 0);
         }},
        {"notification: a failing command value stops the copy after the flags", 52,
         [&](void* s) {
             auto& p = *static_cast<NP*>(s);
             p.choice = 3, p.parameters.commandFailure.statusFlags = bits(1);
             p.parameters.commandFailure.commandValue = uncopyable();
             p.parameters.commandFailure.feedbackValue = {BACNAPI_TYPE_Unsigned, {.unsignedValue = 5}};
         },
         BACNAPI_E_NOTSUPPORTED,
         [](const void* d, const void*) {
             const auto& dst = static_cast<const NP*>(d)->parameters.commandFailure;
             EXPECT_NE(dst.statusFlags.bits, nullptr);
             EXPECT_EQ(dst.feedbackValue.type, 0); // not reached, and not shared with the source
         }},
        // Member-wise copies take only the members of the alternative held: the source's other
        // bytes (here 0x5A) never reach the destination.
        {"recipient: a device, and no other byte", 30,
         [&](void* s) { std::memcpy(s, junk, sizeof(RC)), static_cast<RC*>(s)->choice = 0; }, BACNAPI_S_OK,
         [](const void* d, const void* s) {
             RC expected;
             std::memset(static_cast<void*>(&expected), 0, sizeof expected);
             expected.choice = 0, expected.value.device = static_cast<const RC*>(s)->value.device;
             EXPECT_EQ(std::memcmp(d, &expected, sizeof expected), 0);
         }},
        {"recipient: no recipient keeps its number only", 30,
         [&](void* s) { std::memcpy(s, junk, sizeof(RC)), static_cast<RC*>(s)->choice = -1; }, BACNAPI_S_OK,
         [](const void* d, const void*) {
             RC expected;
             std::memset(static_cast<void*>(&expected), 0, sizeof expected);
             expected.choice = -1;
             EXPECT_EQ(std::memcmp(d, &expected, sizeof expected), 0);
         }},
        {"recipient process: presence, process and the recipient's address, padding zero", 31,
         [&](void* s) { std::memcpy(s, junk, sizeof(RP)), static_cast<RP*>(s)->recipient.choice = 1; }, BACNAPI_S_OK,
         [](const void* d, const void* s) {
             const auto& src = *static_cast<const RP*>(s);
             RP expected;
             std::memset(static_cast<void*>(&expected), 0, sizeof expected);
             expected.present = src.present, expected.processIdentifier = src.processIdentifier;
             expected.recipient.choice = 1, expected.recipient.value.address = src.recipient.value.address;
             EXPECT_EQ(std::memcmp(d, &expected, sizeof expected), 0);
         }},
        {"shed level: an unknown alternative keeps its number only", 123,
         [&](void* s) { std::memcpy(s, junk, sizeof(BACnetShedLevel)), static_cast<BACnetShedLevel*>(s)->choice = 3; },
         BACNAPI_S_OK,
         [](const void* d, const void*) {
             BACnetShedLevel expected;
             std::memset(static_cast<void*>(&expected), 0, sizeof expected);
             expected.choice = 3;
             EXPECT_EQ(std::memcmp(d, &expected, sizeof expected), 0);
         }},
        {"priority value: an unknown kind is refused, the destination left empty", 48,
         [&](void* s) { std::memcpy(s, junk, sizeof(PV)), static_cast<PV*>(s)->kind = 6; }, BACNAPI_E_INVALIDARG,
         [](const void* d, const void*) { EXPECT_EQ(std::memcmp(d, &kZeros, sizeof(PV)), 0); }},
        {"priority value: a real takes its four octets only", 48,
         [&](void* s) { std::memcpy(s, junk, sizeof(PV)), static_cast<PV*>(s)->kind = 1; }, BACNAPI_S_OK,
         [](const void* d, const void* s) {
             PV expected;
             std::memset(static_cast<void*>(&expected), 0, sizeof expected);
             expected.kind = 1, expected.value.real = static_cast<const PV*>(s)->value.real;
             EXPECT_EQ(std::memcmp(d, &expected, sizeof expected), 0);
         }},
        {"destination: days and transitions duplicated, the recipient's device only", 45,
         [&](void* s) {
             auto& dst = *static_cast<BACnetDestination*>(s);
             std::memcpy(&dst.recipient, junk, sizeof dst.recipient);
             dst.recipient.choice = 0, dst.validDays = bits(3), dst.transitions = bits(4), dst.processIdentifier = 9;
         },
         BACNAPI_S_OK,
         [](const void* d, const void* s) {
             const auto& dst = *static_cast<const BACnetDestination*>(d);
             const auto& src = *static_cast<const BACnetDestination*>(s);
             ASSERT_NE(dst.validDays.bits, nullptr);
             ASSERT_NE(dst.transitions.bits, nullptr);
             EXPECT_NE(dst.validDays.bits, src.validDays.bits);
             EXPECT_EQ(dst.validDays.bits[0], 3);
             EXPECT_EQ(dst.transitions.bits[0], 4);
             EXPECT_EQ(dst.processIdentifier, 9u);
             RC expected;
             std::memset(static_cast<void*>(&expected), 0, sizeof expected);
             expected.choice = 0, expected.value.device = src.recipient.value.device;
             EXPECT_EQ(std::memcmp(&dst.recipient, &expected, sizeof expected), 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const uint64_t size = record_size_of(c.type);
        alignas(16) unsigned char src[512] = {}, dst[512] = {};
        ASSERT_LE(size, sizeof src);
        c.fill(src);
        EXPECT_EQ(copy_record(c.type, dst, src), c.status);
        c.expect(dst, src);
        // Both sides are released by their own type: nothing is shared, so nothing is freed twice.
        release_record_parts(c.type, dst);
        release_record_parts(c.type, src);
    }
}

// Alternatives that have no keys of their own compare by the keys for every other alternative
// (a notification's changed value), and a first record's alternative may decide alone (a scale).
TEST(RecordTables, ComparisonsFollowTheAlternativeOfTheFirstRecord)
{
    static uint8_t one[2] = {1, 0}, two[2] = {2, 0};
    auto changed = [](int32_t alternative, uint8_t* flags, float real) {
        NP p{};
        p.choice = 2, p.parameters.changeOfValue.newValue.choice = alternative;
        p.parameters.changeOfValue.newValue.value.changedValue = real;
        p.parameters.changeOfValue.statusFlags = {2, 2, flags};
        return p;
    };
    auto criterion = [](float increment) {
        EP p{};
        p.choice = 2, p.parameters.changeOfValue.covCriteria.choice = 1;
        p.parameters.changeOfValue.covCriteria.value.referencedPropertyIncrement = increment;
        return p;
    };
    struct Case {
        const char* name;
        int32_t type;
        std::vector<unsigned char> a, b;
        int32_t ab, ba;
    };
    auto bytes = [](const auto& record) {
        const auto* p = reinterpret_cast<const unsigned char*>(&record);
        return std::vector<unsigned char>(p, p + sizeof record);
    };
    const Case cases[] = {
        {"another changed value: the flags decide", 52, bytes(changed(3, one, 0)), bytes(changed(3, two, 0)), -1, 1},
        {"another changed value, same flags", 52, bytes(changed(3, one, 0)), bytes(changed(3, one, 9)), 0, 0},
        {"a changed real: the flags do not count", 52, bytes(changed(1, one, 2)), bytes(changed(1, two, 2)), 0, 0},
        {"changed values of different alternatives", 52, bytes(changed(0, one, 0)), bytes(changed(1, one, 0)), -1, 1},
        {"a criterion's increment", 51, bytes(criterion(1)), bytes(criterion(2)), -1, 1},
        {"scale: read as the first one's alternative", 102, bytes(BACnetScale{0, {.floatScale = 1}}),
         bytes(BACnetScale{1, {.floatScale = 1}}), 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> a = c.a, b = c.b;
        const BACnetDataType va{c.type, {.record = a.data()}}, vb{c.type, {.record = b.data()}};
        EXPECT_EQ(bacnapi_CompareBACnetDataType(&va, &vb), c.ab);
        EXPECT_EQ(bacnapi_CompareBACnetDataType(&vb, &va), c.ba);
    }
}

} // namespace
