// Score files of 0 to 200 bytes, through loading and saving the options, a
// clear entering the table (the name typed from the file's last bytes) and
// the table box. What is written back starts with 12 F0 and keeps every
// byte from offset 98 on; every option read is one of its pair; the table
// text fits its buffer.
#include "resources/texts.h"
#include "store/high_scores.h"
#include "store/score_file.h"
#include "store/score_table.h"
#include "tests/fake_desktop.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/temp_directory.h"

#include <algorithm>
#include <cstring>

static void CheckFile(const std::vector<unsigned char>& input, const std::string& path) {
    const std::vector<unsigned char> file = ReadWholeFile(path);
    Require(file.size() == std::max<size_t>(input.size(), SCORE_FILE_SIZE) && file[0] == 0x12 &&
            file[1] == 0xF0);
    Require(
        input.size() <= SCORE_FILE_SIZE ||
        std::equal(input.begin() + SCORE_FILE_SIZE, input.end(), file.begin() + SCORE_FILE_SIZE));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempDirectory directory;
    if (size > 200) {
        return -1;
    }
    const std::vector<unsigned char> input(data, data + size);
    const std::string path = directory.Path(SCORE_FILE_NAME);
    WriteWholeFile(path, input);
    ResetFakeDesktop();
    fakeDesktop.scoreDirectory = directory.path;
    const size_t tail = std::min<size_t>(size, 12);
    fakeDesktop.typedName.assign(reinterpret_cast<const char*>(data) + size - tail, tail);
    fakeDesktop.typedName.resize(std::strlen(fakeDesktop.typedName.c_str()));
    fakeDesktop.nameDialogOk = size % 3 != 0;
    std::memset(playerName, 0, sizeof playerName);

    LoadOptions();
    for (OptionId step :
         {savedDifficulty - CMD_EASY, savedSound - CMD_SOUND_ON, savedLayout - CMD_MINI}) {
        Require(step == 0 || step == 1); // each option is the first or the second of its pair
    }
    SaveOptions();
    CheckFile(input, path);
    RecordClearTime(FakeWindow(), size > 0 ? data[0] * 40u : 9999u);
    ShowHighScores(FakeWindow());
    CheckFile(input, path);
    const std::string table = std::string("MessageBox ") + TEXT_HIGH_SCORE_CAPTION + "|";
    for (const std::string& call : fakeDesktop.calls) {
        Require(call.rfind(table, 0) != 0 || call.size() - table.size() < SCORE_TABLE_TEXT_SIZE);
    }
    return 0;
}
