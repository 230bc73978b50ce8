// The master file's check of itself: a file cut at any length or with any
// one bit flipped never reads as a whole file with other keys, and the
// window and `vortan-cli check` refuse what it cannot vouch for.
#include "project/crc32.h"
#include "project/master_file.h"
#include "project/project_file_set.h"
#include "shell/cli_commands.h"
#include "support/main_window_fixture.h"
#include "support/demo_project.h"

#include <unistd.h>

#include <cctype>
#include <fstream>

namespace vortan {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void overwrite(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

// The demo line's master as this version writes it.
std::string demo_master() {
    return master_file_bytes(ProfileFile::parse(read(VORTAN_EXAMPLES_DIR "/demo-line.vtn")));
}

std::string without_line_of(const std::string& bytes, const std::string& key) {
    const size_t at = bytes.find(key + "=");
    return at == std::string::npos ? bytes : bytes.substr(0, at) + bytes.substr(bytes.find("\r\n", at) + 2);
}

// As versions before the check wrote it.
std::string earlier_master() {
    return without_line_of(without_line_of(demo_master(), Master_Check_Key), Master_Check_End_Key);
}

// The keys and values a profile holds, key names in lower case (the reader
// ignores their case).
std::string keys_of(const ProfileFile& profile) {
    std::string text = profile.to_text();
    for (size_t line = 0; line < text.size(); line = text.find('\n', line) + 1) {
        for (size_t at = line; at < text.size() && text[at] != '=' && text[at] != '\r'; ++at)
            text[at] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
        if (text.find('\n', line) == std::string::npos) break;
    }
    return text;
}

TEST(MasterFile, NoCutAndNoFlippedBitReadsAsAWholeFileWithOtherKeys) {
    const std::string whole = demo_master();
    const MasterFile read_back = parse_master_bytes(whole);
    ASSERT_EQ(read_back.state, MasterState::Whole);
    EXPECT_EQ(read_back.profile.text(Master_Section, "Span_Cable_Data_Format_Version"), "1004");
    EXPECT_FALSE(read_back.profile.value(Master_Section, Master_Check_Key));
    EXPECT_EQ(master_file_bytes(read_back.profile), whole) << "written again, the same bytes";
    // Refused as damaged, refused for want of its version keys, or read with
    // exactly the keys it was written with (a line end cut off, a key name's
    // letter case changed).
    const auto refused_or_same = [&](const std::string& bytes) {
        const MasterFile master = parse_master_bytes(bytes);
        return master.state == MasterState::Damaged ||
               !master.profile.value(Master_Section, "Settings_Data_Format_Version") ||
               keys_of(master.profile) == keys_of(read_back.profile);
    };
    for (size_t length = 0; length < whole.size(); ++length)
        EXPECT_TRUE(refused_or_same(whole.substr(0, length))) << "cut at " << length << " of " << whole.size();
    for (size_t at = 0; at < whole.size(); ++at)
        for (int bit = 0; bit < 8; ++bit) {
            std::string flipped = whole;
            flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
            EXPECT_TRUE(refused_or_same(flipped)) << "byte " << at << " bit " << bit;
        }
}

TEST(MasterFile, WholeUncheckedAndDamagedFiles) {
    const std::string whole = demo_master();
    struct Case {
        const char* what;
        std::string bytes;
        MasterState state;
    } cases[] = {
        {"as written", whole, MasterState::Whole},
        {"after an editor's byte-order mark", "\xEF\xBB\xBF" + whole, MasterState::Whole},
        {"written by an earlier version", earlier_master(), MasterState::Unchecked},
        {"empty", "", MasterState::Damaged},
        {"a NUL at its end", whole + std::string(1, '\0'), MasterState::Damaged},
        {"its first check gone", without_line_of(whole, Master_Check_Key), MasterState::Damaged},
        {"its last check gone", without_line_of(whole, Master_Check_End_Key), MasterState::Damaged},
        {"a key added", whole + "Pole_Data_CRC=0\r\n", MasterState::Damaged},
    };
    for (const Case& c : cases) EXPECT_EQ(parse_master_bytes(c.bytes).state, c.state) << c.what;
}

// A saved project whose files a table of faults then changes: the window
// refuses a damaged master before reading a side file, and `check` fails
// for every master it cannot vouch for.
class DamagedMaster : public testing::MainWindowTest {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vortan-master-" + std::to_string(::getpid()));
        testing::fresh_copy_of_demo(folder);
        overwrite(master(), demo_master());
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path master() { return folder / "demo-line.vtn"; }
    int check() {
        return check_project(master().string(), [](const std::string&) {});
    }
    fs::path folder;
};

TEST_F(DamagedMaster, IsRefusedByTheWindowAndByCheck) {
    ASSERT_EQ(check(), 0);
    const std::string whole = read(master());
    struct Case {
        const char* what;
        std::string bytes;
        bool opens;
    } cases[] = {
        {"cut short", whole.substr(0, whole.size() / 2), false},
        {"empty", "", false},
        {"written without its checks", earlier_master(), true},
        {"without a side file's CRC", master_file_bytes(ProfileFile::parse(without_line_of(whole, "Pole_Data_CRC"))), true},
    };
    for (const Case& c : cases) {
        overwrite(master(), c.bytes);
        EXPECT_NE(check(), 0) << c.what;
        const size_t shown = messages().size();
        EXPECT_EQ(window.open_project(master().string()), c.opens) << c.what;
        if (!c.opens) {
            const auto said = messages_since(shown);
            ASSERT_EQ(said.size(), 1u) << c.what;
            EXPECT_EQ(said[0].rfind("Error : The project file\n\r\n\r" + master().string() + "\n\r\n\ris damaged (", 0),
                      0u)
                << said[0];
            EXPECT_EQ(window.span_count(), 0) << c.what << ": no side file read";
        }
    }
    // Side files that are all empty, under a master that is empty too.
    for (const fs::path& file : project_files_on_disk(master())) overwrite(file, "");
    EXPECT_NE(check(), 0);
}

}  // namespace
}  // namespace vortan
