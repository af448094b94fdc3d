// A refused block in the string copies: the routines that replace a string's block report it as
// BACNAPI_E_OUTOFMEMORY, and the value copies give their own answer to it (an empty octet or bit
// string is no error, an unmade text is BACNAPI_E_INVALIDARG). Either way the destination is left
// empty, never holding its old block.
#include "charset/charstring.h"
#include "support/heap_watch.h"
#include "value/copy_internal.h"
#include "value/value_internal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

const char kText[] = "abc";
const auto* kBytes = reinterpret_cast<const uint8_t*>(kText);
constexpr uint64_t kLength = 3;

BACnetCharacterString text_of(const char* text)
{
    char* data = static_cast<char*>(std::malloc(std::strlen(text) + 1));
    std::memcpy(data, text, std::strlen(text) + 1);
    return {BACNAPI_CHARSET_UTF8, {}, data, std::strlen(text)};
}

std::string read(const BACnetCharacterString& s) { return s.data ? std::string(s.data, s.length) : ""; }

// Each case copies "abc" over a destination holding "zz" and answers what the destination holds.
using CopyRun = int32_t (*)(std::string* after);

int32_t run_charstring_copy(std::string* after)
{
    BACnetCharacterString src = text_of(kText), dst = text_of("zz");
    const int32_t status = bacnapi::charstring_copy(&dst, &src);
    *after = read(dst);
    bacnapi_ClearCharacterString(&src);
    bacnapi_ClearCharacterString(&dst);
    return status;
}

int32_t run_same_set_convert(std::string* after)
{
    BACnetCharacterString src = text_of(kText), dst = text_of("zz");
    const int32_t status = bacnapi::charstring_convert(&src, &dst, BACNAPI_CHARSET_UTF8, 0);
    *after = read(dst);
    bacnapi_ClearCharacterString(&src);
    bacnapi_ClearCharacterString(&dst);
    return status;
}

int32_t run_copy_characters(std::string* after)
{
    BACnetCharacterString src = text_of(kText), dst = text_of("zz");
    const int32_t status = bacnapi::copy_characters(&dst, &src);
    *after = read(dst);
    bacnapi_ClearCharacterString(&src);
    bacnapi_ClearCharacterString(&dst);
    return status;
}

template <bool ThroughCopy>
int32_t run_octets(std::string* after)
{
    BACnetOctetString src{}, dst{};
    bacnapi::octets_set(&src, kBytes, kLength);
    bacnapi::octets_set(&dst, kBytes, 2);
    const int32_t status =
        ThroughCopy ? bacnapi::copy_octets(&dst, &src) : bacnapi::octets_set(&dst, src.data, src.length);
    *after = dst.data ? std::string(reinterpret_cast<char*>(dst.data), dst.length) : "";
    if (dst.data == nullptr && dst.length != 0) *after = "length without data";
    std::free(src.data);
    std::free(dst.data);
    return status;
}

template <bool ThroughCopy>
int32_t run_bits(std::string* after)
{
    BACnetBitString src{}, dst{};
    bacnapi::bits_set(&src, kBytes, kLength);
    bacnapi::bits_set(&dst, kBytes, 2);
    const int32_t status =
        ThroughCopy ? bacnapi::copy_bits(&dst, &src) : bacnapi::bits_set(&dst, src.bits, src.bitCount);
    *after = dst.bits ? std::string(reinterpret_cast<char*>(dst.bits), dst.bitCount) : "";
    if (dst.bits == nullptr && (dst.bitCount != 0 || dst.usedCount != 0)) *after = "counts without bits";
    std::free(src.bits);
    std::free(dst.bits);
    return status;
}

TEST(RefusedStringCopy, TheReplaceRoutinesReportItAndTheCopiesAnswerTheirWay)
{
    const struct {
        const char* name;
        CopyRun run;
        int32_t refused; // the status when the copy's one allocation is refused
    } cases[] = {
        {"charstring_copy", run_charstring_copy, BACNAPI_E_OUTOFMEMORY},
        {"charstring_convert, same set", run_same_set_convert, BACNAPI_E_OUTOFMEMORY},
        {"octets_set", run_octets<false>, BACNAPI_E_OUTOFMEMORY},
        {"bits_set", run_bits<false>, BACNAPI_E_OUTOFMEMORY},
        {"copy_characters", run_copy_characters, BACNAPI_E_INVALIDARG},
        {"copy_octets", run_octets<true>, BACNAPI_S_OK},
        {"copy_bits", run_bits<true>, BACNAPI_S_OK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string after;
        EXPECT_EQ(c.run(&after), BACNAPI_S_OK);
        EXPECT_EQ(after, kText);
        if (!heap_watch::active()) continue; // refusal needs the heap watch
        // The two setup blocks, then the copy's own block is refused.
        const long setup = 2;
        heap_watch::refuse_after(setup);
        const int32_t status = c.run(&after);
        EXPECT_TRUE(heap_watch::disarm());
        EXPECT_EQ(status, c.refused);
        EXPECT_EQ(after, "");
    }
}

// A conversion into DBCS makes its own block for the code page: refusing it is reported as a
// refused allocation, any other failure as BACNAPI_E_FAIL, and a failure leaves dst unchanged.
TEST(RefusedStringCopy, AConversionReportsARefusedBlockApart)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    std::set<int32_t> statuses;
    BACnetCharacterString warm = text_of(kText), warmed{};
    ASSERT_EQ(bacnapi::charstring_convert(&warm, &warmed, BACNAPI_CHARSET_DBCS, 0), 0); // iconv settles
    bacnapi_ClearCharacterString(&warm);
    bacnapi_ClearCharacterString(&warmed);
    for (long k = 0; k < 64; ++k) {
        BACnetCharacterString src = text_of(kText), dst = text_of("zz");
        heap_watch::refuse_after(k);
        const int32_t status = bacnapi::charstring_convert(&src, &dst, BACNAPI_CHARSET_DBCS, 0);
        const bool refused = heap_watch::disarm();
        statuses.insert(status);
        if (status != BACNAPI_S_OK) {
            EXPECT_EQ(read(dst), "zz") << k;
        }
        bacnapi_ClearCharacterString(&src);
        bacnapi_ClearCharacterString(&dst);
        if (!refused) break;
    }
    EXPECT_EQ(statuses.count(BACNAPI_E_OUTOFMEMORY), 1u);
    for (int32_t status : statuses)
        EXPECT_TRUE(status == BACNAPI_S_OK || status == BACNAPI_E_FAIL || status == BACNAPI_E_OUTOFMEMORY) << status;
}

} // namespace
