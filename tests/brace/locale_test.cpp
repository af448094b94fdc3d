// Brace text is machine text: a host that switches its numeric locale to one with a decimal
// comma must still get "1.500000" from the writer and 1.5 from the parser. The test builds such
// a locale with the system's localedef into a temporary directory.
#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/bacnapi-locale-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        std::ofstream(dir_ + "/comma.src") << "LC_CTYPE\ncopy \"POSIX\"\nEND LC_CTYPE\n"
                                               "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \"\"\n"
                                               "grouping -1\nEND LC_NUMERIC\n";
        // localedef warns about the categories left out and still writes the locale.
        const std::string command = "localedef -c -i " + dir_ + "/comma.src -f UTF-8 " + dir_ +
                                    "/xx_XX.UTF-8 >/dev/null 2>&1";
        (void)std::system(command.c_str());
        setenv("LOCPATH", dir_.c_str(), 1);
        const char* current = std::setlocale(LC_NUMERIC, nullptr);
        saved_ = current ? current : "C";
        active_ = std::setlocale(LC_NUMERIC, "xx_XX.UTF-8") != nullptr;
    }

    void TearDown() override
    {
        std::setlocale(LC_NUMERIC, saved_.c_str());
        unsetenv("LOCPATH");
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    std::string dir_;
    std::string saved_;
    bool active_ = false;
};

TEST_F(CommaLocale, NumbersStayWithTheDecimalPoint)
{
    if (!active_) GTEST_SKIP() << "localedef could not build a locale here";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5"); // the locale is really in force

    BACnetDataType v{};
    v.type = BACNAPI_TYPE_Double;
    v.payload.doubleValue = -0.25;
    char* text = nullptr;
    EXPECT_EQ(bacnapi_asn1_string_get(&text, &v), 0);
    EXPECT_STREQ(text, "-0.250000");
    bacnapi_free(text);
    BACnetDataType back{};
    EXPECT_EQ(bacnapi_asn1_string_set(&back, "1.5", BACNAPI_TYPE_Real), 0);
    EXPECT_EQ(back.payload.real, 1.5f);
    // The parse restored the thread's locale when it finished.
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5");
}

} // namespace
