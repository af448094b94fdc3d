// Brace text written and read through the exported interface, each case beside a hand-written loop
// that produces or reads the same bytes into the same storage (one malloc block of text; lists as
// malloc'd element arrays, records in their own blocks). The reference checks nothing that the
// text's known layout makes unnecessary; the library is measured as a host calls it.
//
// Every case runs at 10^3 .. 10^6 elements (octets, bits, list elements); see paired.h for the
// counters.
#include "element_values.h"
#include "paired.h"

#include <bacnapi/bacnapi.h>

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

enum class Case { Octets, Bits, Unsigned, Real, TimeValue, LogRecord };

int32_t type_of(Case c)
{
    switch (c) {
    case Case::Octets: return BACNAPI_TYPE_OctetString;
    case Case::Bits: return BACNAPI_TYPE_BitString;
    case Case::Unsigned: return BACNAPI_TYPE_ListOfUnsigned;
    case Case::Real: return BACNAPI_TYPE_ListOfReal;
    case Case::TimeValue: return BACNAPI_TYPE_ListOfBACnetTimeValue;
    case Case::LogRecord: return BACNAPI_TYPE_ListOfBACnetLogRecord;
    }
    return 0;
}

using bench_values::real_at;
using bench_values::unsigned_at;

// ---- Values -------------------------------------------------------------------------------

BACnetDataType* list_elements(BACnetDataType& v, int64_t n)
{
    auto* list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
    list->capacity = list->count = static_cast<uint32_t>(n);
    list->elements = static_cast<BACnetDataType*>(std::calloc(static_cast<size_t>(n), sizeof(BACnetDataType)));
    v.payload.list = list;
    return list->elements;
}

BACnetTime time_at(int64_t i)
{
    return {static_cast<uint8_t>(i % 24), static_cast<uint8_t>(i % 60), static_cast<uint8_t>(i % 60), 25};
}

// A value of n elements of the case, with varied contents.
BACnetDataType make_value(Case c, int64_t n)
{
    BACnetDataType v{};
    v.type = type_of(c);
    switch (c) {
    case Case::Octets: {
        auto& o = v.payload.octetString;
        o.length = static_cast<uint64_t>(n);
        o.data = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(n)));
        for (int64_t i = 0; i < n; ++i) o.data[i] = static_cast<uint8_t>(i * 31 + 7);
        break;
    }
    case Case::Bits: {
        auto& b = v.payload.bitString;
        b.bitCount = b.usedCount = static_cast<uint64_t>(n);
        b.bits = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(n)));
        for (int64_t i = 0; i < n; ++i) b.bits[i] = (i % 3 == 0) ? 1 : 0;
        break;
    }
    case Case::Unsigned: {
        BACnetDataType* e = list_elements(v, n);
        for (int64_t i = 0; i < n; ++i) e[i].type = BACNAPI_TYPE_Unsigned, e[i].payload.unsignedValue = unsigned_at(i);
        break;
    }
    case Case::Real: {
        BACnetDataType* e = list_elements(v, n);
        for (int64_t i = 0; i < n; ++i) e[i].type = BACNAPI_TYPE_Real, e[i].payload.real = real_at(i);
        break;
    }
    case Case::TimeValue: {
        BACnetDataType* e = list_elements(v, n);
        for (int64_t i = 0; i < n; ++i) {
            auto* tv = static_cast<BACnetTimeValue*>(std::calloc(1, sizeof(BACnetTimeValue)));
            tv->time = time_at(i);
            tv->value.type = BACNAPI_TYPE_Real;
            tv->value.payload.real = real_at(i);
            e[i].type = BACNAPI_TYPE_BACnetTimeValue;
            e[i].payload.record = tv;
        }
        break;
    }
    case Case::LogRecord: {
        BACnetDataType* e = list_elements(v, n);
        for (int64_t i = 0; i < n; ++i) {
            auto* r = static_cast<BACnetLogRecord*>(std::calloc(1, sizeof(BACnetLogRecord)));
            r->timestamp.date = {124, 5, 17, 5};
            r->timestamp.time = time_at(i);
            r->logDatumChoice = 2;
            r->logDatum.realValue = real_at(i);
            r->statusFlags.bitCount = r->statusFlags.usedCount = 4;
            r->statusFlags.bits = static_cast<uint8_t*>(std::calloc(4, 1));
            r->statusFlags.bits[1] = 1;
            e[i].type = BACNAPI_TYPE_BACnetLogRecord;
            e[i].payload.record = r;
        }
        break;
    }
    }
    return v;
}

// ---- The hand-written writer ----------------------------------------------------------------

// A malloc'd text that doubles when full, as a plain loop would grow it.
struct Text {
    char* data = nullptr;
    size_t length = 0;
    size_t capacity = 0;

    char* room(size_t n)
    {
        if (length + n + 1 > capacity) {
            capacity = capacity * 2 > length + n + 1 ? capacity * 2 : length + n + 1 + 64;
            data = static_cast<char*>(std::realloc(data, capacity));
        }
        return data + length;
    }
    void put(const char* s, size_t n) { std::memcpy(room(n), s, n), length += n; }
    void put(char c) { *room(1) = c, ++length; }
    void put_int(int32_t v)
    {
        char* at = room(12);
        length += static_cast<size_t>(std::to_chars(at, at + 12, v).ptr - at);
    }
    void put_2(unsigned v) { char* at = room(2); at[0] = char('0' + v / 10), at[1] = char('0' + v % 10), length += 2; }
    void put_real(float f)
    {
        const double r = std::floor(static_cast<double>(f) * 1e5 + 0.5) / 1e5;
        char* at = room(328);
        length += static_cast<size_t>(std::to_chars(at, at + 328, r, std::chars_format::fixed, 6).ptr - at);
    }
    void put_time(const BACnetTime& t)
    {
        put_2(t.hour), put(':'), put_2(t.minute), put(' '), put_2(t.second), put('.'), put_2(t.hundredths);
    }
    char* done()
    {
        room(0)[0] = '\0';
        return data;
    }
};

char* reference_write(const BACnetDataType& v)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    if (v.type == BACNAPI_TYPE_OctetString) {
        const auto& o = v.payload.octetString;
        char* text = static_cast<char*>(std::malloc(2 * o.length + 1));
        for (uint64_t i = 0; i < o.length; ++i) text[2 * i] = kHex[o.data[i] >> 4], text[2 * i + 1] = kHex[o.data[i] & 15];
        text[2 * o.length] = '\0';
        return text;
    }
    if (v.type == BACNAPI_TYPE_BitString) {
        const auto& b = v.payload.bitString;
        char* text = static_cast<char*>(std::malloc(b.bitCount + 1));
        for (uint64_t i = 0; i < b.bitCount; ++i) text[i] = b.bits[i] ? '1' : '0';
        text[b.bitCount] = '\0';
        return text;
    }
    Text t;
    t.put('{');
    const BACnetValueList* list = v.payload.list;
    for (uint32_t i = 0; i < list->count; ++i) {
        const BACnetDataType& e = list->elements[i];
        if (i) t.put(',');
        t.put('{');
        if (e.type == BACNAPI_TYPE_Unsigned) {
            t.put_int(static_cast<int32_t>(e.payload.unsignedValue));
        } else if (e.type == BACNAPI_TYPE_Real) {
            t.put_real(e.payload.real);
        } else if (e.type == BACNAPI_TYPE_BACnetTimeValue) {
            const auto* tv = static_cast<const BACnetTimeValue*>(e.payload.record);
            t.put('{'), t.put_time(tv->time), t.put(','), t.put_int(tv->value.type), t.put(',');
            t.put_real(tv->value.payload.real), t.put('}');
        } else {
            const auto* r = static_cast<const BACnetLogRecord*>(e.payload.record);
            const BACnetDate& d = r->timestamp.date;
            t.put("{{", 2), t.put_2(d.month), t.put('/'), t.put_2(d.day), t.put('/'), t.put_int(d.year + 1900);
            t.put(','), t.put_time(r->timestamp.time), t.put("},{", 3), t.put_int(r->logDatumChoice), t.put(',');
            t.put_real(r->logDatum.realValue), t.put("},", 2);
            for (uint64_t k = 0; k < r->statusFlags.bitCount; ++k) t.put(r->statusFlags.bits[k] ? '1' : '0');
            t.put('}');
        }
        t.put('}');
    }
    t.put('}');
    return t.done();
}

// ---- The hand-written reader ----------------------------------------------------------------

int hex(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

uint32_t read_uint(const char*& p)
{
    bool negative = *p == '-';
    p += negative;
    uint32_t v = 0;
    while (*p >= '0' && *p <= '9') v = v * 10 + static_cast<uint32_t>(*p++ - '0');
    return negative ? 0u - v : v;
}

float read_real(const char*& p)
{
    char* end;
    const float f = std::strtof(p, &end);
    p = end;
    return f;
}

BACnetTime read_time(const char*& p)
{
    BACnetTime t;
    t.hour = static_cast<uint8_t>(read_uint(p)), ++p;
    t.minute = static_cast<uint8_t>(read_uint(p)), ++p;
    t.second = static_cast<uint8_t>(read_uint(p)), ++p;
    t.hundredths = static_cast<uint8_t>(read_uint(p));
    return t;
}

BACnetDataType reference_read(const char* p, int32_t type)
{
    BACnetDataType v{};
    v.type = type;
    if (type == BACNAPI_TYPE_OctetString) {
        const size_t n = std::strlen(p) / 2;
        auto& o = v.payload.octetString;
        o.length = n;
        o.data = static_cast<uint8_t*>(std::malloc(n ? n : 1));
        for (size_t i = 0; i < n; ++i) o.data[i] = static_cast<uint8_t>(hex(p[2 * i]) << 4 | hex(p[2 * i + 1]));
        return v;
    }
    if (type == BACNAPI_TYPE_BitString) {
        const size_t n = std::strlen(p);
        auto& b = v.payload.bitString;
        b.bitCount = b.usedCount = n;
        b.bits = static_cast<uint8_t*>(std::malloc(n ? n : 1));
        for (size_t i = 0; i < n; ++i) b.bits[i] = p[i] == '1';
        return v;
    }
    auto* list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
    v.payload.list = list;
    ++p; // '{'
    while (*p == '{') {
        ++p;
        if (list->count == list->capacity) {
            list->capacity = list->capacity ? list->capacity * 2 : 16;
            list->elements = static_cast<BACnetDataType*>(
                std::realloc(list->elements, list->capacity * sizeof(BACnetDataType)));
        }
        BACnetDataType& e = list->elements[list->count++];
        e = BACnetDataType{};
        if (type == BACNAPI_TYPE_ListOfUnsigned) {
            e.type = BACNAPI_TYPE_Unsigned;
            e.payload.unsignedValue = read_uint(p);
        } else if (type == BACNAPI_TYPE_ListOfReal) {
            e.type = BACNAPI_TYPE_Real;
            e.payload.real = read_real(p);
        } else if (type == BACNAPI_TYPE_ListOfBACnetTimeValue) {
            auto* tv = static_cast<BACnetTimeValue*>(std::calloc(1, sizeof(BACnetTimeValue)));
            ++p;
            tv->time = read_time(p), ++p;
            tv->value.type = static_cast<int32_t>(read_uint(p)), ++p;
            tv->value.payload.real = read_real(p), ++p;
            e.type = BACNAPI_TYPE_BACnetTimeValue;
            e.payload.record = tv;
        } else {
            auto* r = static_cast<BACnetLogRecord*>(std::calloc(1, sizeof(BACnetLogRecord)));
            p += 2;
            r->timestamp.date.month = static_cast<uint8_t>(read_uint(p)), ++p;
            r->timestamp.date.day = static_cast<uint8_t>(read_uint(p)), ++p;
            r->timestamp.date.year = static_cast<uint8_t>(read_uint(p) - 1900), ++p;
            r->timestamp.date.dayOfWeek = 255;
            r->timestamp.time = read_time(p), p += 3;
            r->logDatumChoice = static_cast<int32_t>(read_uint(p)), ++p;
            r->logDatum.realValue = read_real(p), p += 2;
            const char* bits = p;
            while (*p == '0' || *p == '1') ++p;
            auto& flags = r->statusFlags;
            flags.bitCount = flags.usedCount = static_cast<uint64_t>(p - bits);
            flags.bits = static_cast<uint8_t*>(std::malloc(flags.bitCount ? flags.bitCount : 1));
            for (uint64_t k = 0; k < flags.bitCount; ++k) flags.bits[k] = bits[k] == '1';
            ++p;
            e.type = BACNAPI_TYPE_BACnetLogRecord;
            e.payload.record = r;
        }
        ++p; // '}'
        if (*p == ',') ++p;
    }
    return v;
}

// ---- Benchmarks ---------------------------------------------------------------------------

template <Case C>
void BM_Write(benchmark::State& state)
{
    const int64_t n = state.range(0);
    BACnetDataType value = make_value(C, n);
    paired::Totals totals;
    char* text = nullptr;
    char* reference = nullptr;
    for (auto _ : state) {
        paired::step(
            totals, [&] { bacnapi_asn1_string_get(&text, &value); }, [&] { reference = reference_write(value); },
            [&] {
                if (!text || !reference || std::strcmp(text, reference) != 0) state.SkipWithError("texts differ");
                bacnapi_free(text);
                std::free(reference);
                text = reference = nullptr;
            });
    }
    paired::report(state, totals, n);
    bacnapi_ClearBACnetDataType(&value);
}

template <Case C>
void BM_Read(benchmark::State& state)
{
    const int64_t n = state.range(0);
    const int32_t type = type_of(C);
    BACnetDataType source = make_value(C, n);
    char* text = nullptr;
    if (bacnapi_asn1_string_get(&text, &source) != 0) state.SkipWithError("write failed");
    paired::Totals totals;
    for (auto _ : state) {
        BACnetDataType value{};
        BACnetDataType reference{};
        int32_t status = -1;
        paired::step(
            totals, [&] { status = bacnapi_asn1_string_set(&value, text, type); },
            [&] { reference = reference_read(text, type); },
            [&] {
                if (status != 0 || bacnapi_CompareBACnetDataType(&value, &reference) != 0) state.SkipWithError("values differ");
                bacnapi_ClearBACnetDataType(&value);
                bacnapi_ClearBACnetDataType(&reference);
            });
    }
    paired::report(state, totals, n);
    bacnapi_free(text);
    bacnapi_ClearBACnetDataType(&source);
}

#define PAIRED_BENCH(fn, c) \
    BENCHMARK_TEMPLATE(fn, c)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond)

PAIRED_BENCH(BM_Write, Case::Octets);
PAIRED_BENCH(BM_Read, Case::Octets);
PAIRED_BENCH(BM_Write, Case::Bits);
PAIRED_BENCH(BM_Read, Case::Bits);
PAIRED_BENCH(BM_Write, Case::Unsigned);
PAIRED_BENCH(BM_Read, Case::Unsigned);
PAIRED_BENCH(BM_Write, Case::Real);
PAIRED_BENCH(BM_Read, Case::Real);
PAIRED_BENCH(BM_Write, Case::TimeValue);
PAIRED_BENCH(BM_Read, Case::TimeValue);
PAIRED_BENCH(BM_Write, Case::LogRecord);
PAIRED_BENCH(BM_Read, Case::LogRecord);

} // namespace

