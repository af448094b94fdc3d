// Brace text is machine text: a host that switches its numeric locale to one with a decimal
// comma must still read "-0.25" as -0.25 and get "-0.250000" from the writer. The test builds such
// a locale with the system's localedef into a temporary directory.
#include "brace_test_util.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace brace_test;

TEST(CommaLocale, NumbersStayWithTheDecimalPoint)
{
    char dir[] = "/tmp/bacnapi-locale-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string d = dir;
    std::ofstream(d + "/comma.src") << "LC_CTYPE\ncopy \"POSIX\"\nEND LC_CTYPE\nLC_NUMERIC\ndecimal_point \",\"\n"
                                       "thousands_sep \"\"\ngrouping -1\nEND LC_NUMERIC\n";
    // localedef warns about the categories left out and still writes the locale.
    (void)std::system(("localedef -c -i " + d + "/comma.src -f UTF-8 " + d + "/xx_XX.UTF-8 >/dev/null 2>&1").c_str());
    setenv("LOCPATH", dir, 1);
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const bool active = std::setlocale(LC_NUMERIC, "xx_XX.UTF-8") != nullptr;
    // Everything is observed under the locale and checked once it is undone.
    const std::string probe = printed("%.1f", 1.5);
    const Written written = write_value(parsed("-0.25", BACNAPI_TYPE_Double));
    const std::string after = printed("%.1f", 1.5); // the parse restored the thread's locale
    std::setlocale(LC_NUMERIC, saved.c_str());
    unsetenv("LOCPATH");
    std::filesystem::remove_all(d);
    if (!active) GTEST_SKIP() << "localedef could not build a locale here";
    EXPECT_EQ(probe, "1,5"); // the locale was really in force
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.text, "-0.250000");
    EXPECT_EQ(after, "1,5");
}

} // namespace
