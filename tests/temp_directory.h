// A fresh directory per test, removed with everything in it afterwards, and
// small helpers to read and write whole files there.
#pragma once

#include <string>
#include <vector>

struct TempDirectory {
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    std::string Path(const std::string& name) const { return path + "/" + name; }

    std::string path;
};

std::vector<unsigned char> ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes);
