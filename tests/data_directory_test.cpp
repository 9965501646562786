// The data directory follows XDG_DATA_HOME, else HOME, and is created.
#include "platform/posix/data_directory.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string Directory() {
    char buffer[4096];
    const int length = PosixDataDirectory(buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

TEST(DataDirectoryTest, XdgDataHomeFirstThenHome) {
    TempDirectory temp;
    {
        ScopedEnv data("XDG_DATA_HOME", temp.Path("data/deep").c_str());
        EXPECT_EQ(Directory(), temp.Path("data/deep/tovrin-mini"));
        EXPECT_TRUE(std::filesystem::is_directory(temp.Path("data/deep/tovrin-mini")));
    }
    {
        ScopedEnv data("XDG_DATA_HOME", "relative/path");
        ScopedEnv home("HOME", temp.Path("home").c_str());
        EXPECT_EQ(Directory(), temp.Path("home/.local/share/tovrin-mini"));
        EXPECT_TRUE(std::filesystem::is_directory(temp.Path("home/.local/share/tovrin-mini")));
    }
    {
        ScopedEnv data("XDG_DATA_HOME", nullptr);
        ScopedEnv home("HOME", nullptr);
        EXPECT_EQ(Directory(), "");
    }
    {
        // A file where the directory should be.
        WriteWholeFile(temp.Path("blocked"), {1});
        ScopedEnv data("XDG_DATA_HOME", temp.Path("blocked").c_str());
        EXPECT_EQ(Directory(), "");
    }
    {
        char small[8];
        ScopedEnv data("XDG_DATA_HOME", temp.path.c_str());
        EXPECT_EQ(PosixDataDirectory(small, sizeof small), 0);
    }
}

} // namespace
