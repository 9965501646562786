// The data directory follows XDG_DATA_HOME, else HOME, and is created.
#include "platform/posix/data_directory.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

void Set(const char* name, const std::string* value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

TEST(DataDirectoryTest, XdgDataHomeFirstThenHome) {
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    TempDirectory temp;
    WriteWholeFile(temp.Path("blocked"), {1}); // a file where the directory should be
    const std::string data = temp.Path("data/deep"), home = temp.Path("home"),
                      relative = "relative/path", blocked = temp.Path("blocked");
    const struct {
        const std::string* xdg;
        const std::string* home;
        std::string expected;
    } cases[] = {
        {&data, &home, data + "/tovrin-mini"},
        {&relative, &home, home + "/.local/share/tovrin-mini"},
        {nullptr, nullptr, ""},
        {&blocked, &home, ""},
    };
    for (const auto& c : cases) {
        Set("XDG_DATA_HOME", c.xdg);
        Set("HOME", c.home);
        char buffer[4096];
        const int length = PosixDataDirectory(buffer, sizeof buffer);
        EXPECT_EQ(std::string(buffer, static_cast<size_t>(std::max(length, 0))), c.expected);
        EXPECT_TRUE(c.expected.empty() || std::filesystem::is_directory(c.expected));
    }
    Set("XDG_DATA_HOME", &temp.path);
    char small[8];
    EXPECT_EQ(PosixDataDirectory(small, sizeof small), 0);
    Set("XDG_DATA_HOME", nullptr);
    Set("HOME", &oldHome);
}

} // namespace
