#include "tests/temp_directory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

TempDirectory::TempDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tovrin-test-XXXXXX").string();
#ifdef _WIN32
    // No mkdtemp on Windows: a name from the clock and a counter will do.
    static int counter;
    path = pattern.substr(0, pattern.size() - 6) + std::to_string(++counter) + "-" +
           std::to_string(std::filesystem::file_time_type::clock::now().time_since_epoch().count());
    std::filesystem::create_directories(path);
#else
    path = mkdtemp(pattern.data());
#endif
}

TempDirectory::~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::vector<unsigned char> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}
