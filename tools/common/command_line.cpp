// Argument pieces shared by the headless tools.
#include "tools/common/command_line.h"

#include "version.h"

#include <cstring>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool ReadNumber(const char** cursor, uint64_t max, uint64_t* value) {
    const char* p = *cursor;
    if (!IsDigit(*p)) {
        return false;
    }
    uint64_t n = 0;
    for (; IsDigit(*p); ++p) {
        const uint64_t digit = static_cast<uint64_t>(*p - '0');
        if (digit > max || n > (max - digit) / 10) {
            return false;
        }
        n = n * 10 + digit;
    }
    *cursor = p;
    *value = n;
    return true;
}

bool ParseNumber(const char* text, uint64_t max, uint64_t* value) {
    return ReadNumber(&text, max, value) && *text == '\0';
}

bool ParseNumber(const char* text, uint32_t max, uint32_t* value) {
    uint64_t wide = 0;
    if (!ParseNumber(text, uint64_t{max}, &wide)) {
        return false;
    }
    *value = static_cast<uint32_t>(wide);
    return true;
}

bool ParseDifficulty(const char* text, OptionId* difficulty) {
    if (std::strcmp(text, "easy") == 0) {
        *difficulty = CMD_EASY;
    } else if (std::strcmp(text, "normal") == 0) {
        *difficulty = CMD_NORMAL;
    } else {
        return false;
    }
    return true;
}

bool AsksForVersion(int argc, const char* const* argv) {
    return argc == 2 && std::strcmp(argv[1], "--version") == 0;
}

void PrintVersion(std::FILE* out, const char* program) {
    std::fprintf(out, "%s %s\n", program, TOVRIN_VERSION);
}
