#include "project/crc32.h"
#include "project/line_splitter.h"
#include "project/profile_file.h"
#include "project/record_fields.h"
#include "project/side_file.h"
#include "project/text_codec.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <optional>

namespace vortan {
namespace {

namespace fs = std::filesystem;

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vortan-test-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return folder / name;
    }
    std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    fs::path folder;
};

TEST(Crc32, KnownValuesAndTheirText) {
    EXPECT_EQ(crc32("123456789", 9), 0xCBF43926u);
    EXPECT_EQ(crc32("", 0), 0u);
    // In two pieces, as blocks of a file are read.
    EXPECT_EQ(crc32("6789", 4, crc32("12345", 5)), 0xCBF43926u);
    EXPECT_EQ(crc_text(0x0012ABCD), "12ABCD");
    EXPECT_EQ(crc_text(0), "0");
}

// Blocks folded 64 and 16 bytes at a time and eight at a time must agree with
// the plain bitwise definition at every length, alignment and split, so the
// folded part, the tail and the blocks meet correctly.
TEST(Crc32, SlicedBlocksAgreeWithTheBitwiseDefinition) {
    auto bitwise = [](const unsigned char* data, size_t size) {
        std::uint32_t c = 0xFFFFFFFFu;
        for (size_t i = 0; i < size; ++i) {
            c ^= data[i];
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        return ~c;
    };
    unsigned char buffer[300];
    for (size_t i = 0; i < sizeof buffer; ++i) buffer[i] = static_cast<unsigned char>(i * 37 + 11);
    for (size_t offset = 0; offset < 8; ++offset)
        for (size_t size = 0; offset + size <= sizeof buffer; ++size) {
            const unsigned char* data = buffer + offset;
            ASSERT_EQ(crc32(data, size), bitwise(data, size)) << offset << " " << size;
            const size_t half = size / 3;
            ASSERT_EQ(crc32(data + half, size - half, crc32(data, half)), bitwise(data, size));
        }
}

using FileCrc = TempFolder;

TEST_F(FileCrc, MissingEmptyAndLockedFiles) {
    EXPECT_EQ(file_crc(folder / "none.spd"), "0");
    EXPECT_EQ(file_crc(write("empty.spd", "")), "0");
    fs::path file = write("data.spd", "123456789");
    EXPECT_EQ(file_crc(file), "CBF43926");
    int fd = ::open(file.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    EXPECT_EQ(file_crc(file), File_In_Use);
    ::close(fd);
    EXPECT_EQ(file_crc(file), "CBF43926");
}

TEST_F(FileCrc, ReportsProgressOnLargeFiles) {
    fs::path file = write("big.scb", std::string(100000, 'x'));
    int calls = 0;
    file_crc(file, [&calls](std::uintmax_t read, std::uintmax_t size) {
        ++calls;
        EXPECT_LE(read, size);
    });
    EXPECT_GE(calls, 3);
}

TEST(TextCodec, Windows1252AndUtf8) {
    EXPECT_EQ(windows_1252_to_utf8("\xB0" "C \x80"), "\xC2\xB0" "C \xE2\x82\xAC");
    EXPECT_EQ(utf8_to_windows_1252("\xC2\xB0" "C \xE2\x82\xAC"), std::optional<std::string>("\xB0" "C \x80"));
    EXPECT_EQ(utf8_to_windows_1252("\xCE\xA9"), std::nullopt);  // Greek omega has no byte
    // A file holds 1252 when it can, UTF-8 when it must; reading tells them apart.
    for (const std::string text : {"plain", "25 \xC2\xB0" "C", "\xCE\xA9 mast", "\xE2\x80\x9Cquoted\xE2\x80\x9D"})
        EXPECT_EQ(decode_file_text(encode_file_text(text)), text) << text;
    EXPECT_EQ(encode_file_text("\xCE\xA9"), "\xCE\xA9");
    // "\xC3\xA9" as 1252 bytes would read back as the one UTF-8 character: written as UTF-8.
    EXPECT_EQ(encode_file_text("\xC3\x83\xC2\xA9"), "\xC3\x83\xC2\xA9");
    EXPECT_EQ(decode_file_text(encode_file_text("caf\xC3\x83\xC2\xA9 \xC3\xA9")), "caf\xC3\x83\xC2\xA9 \xC3\xA9");
    EXPECT_EQ(decode_file_text("caf\xE9"), "caf\xC3\xA9");  // not valid UTF-8: 1252
}

TEST(SideFile, LineEnds) {
    EXPECT_EQ(split_lines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(split_lines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(split_lines("").empty());
    EXPECT_EQ(join_lines({"1\tT1\t", ""}), "1\tT1\t\r\n\r\n");
    EXPECT_EQ(side_file_bytes({}), "");
}

// However the bytes arrive in blocks, the lines are the same: a block may
// end inside a line or between the CR and the LF of one line end.
TEST(SideFile, LinesDoNotDependOnWhereBlocksEnd) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\r\r\n\n", {"", "", ""}},
        {"\n\r", {"", ""}},
        {"last without end", {"last without end"}},
        {"", {}},
    };
    for (const auto& [text, lines] : cases) {
        for (size_t cut = 0; cut <= text.size(); ++cut) {
            LineSplitter splitter;
            splitter.feed(text.data(), cut);
            splitter.feed(text.data() + cut, text.size() - cut);
            EXPECT_EQ(splitter.finish(), lines) << "cut at " << cut;
        }
        LineSplitter bytewise;
        for (char c : text) bytewise.feed(&c, 1);
        EXPECT_EQ(bytewise.finish(), lines);
    }
}

using SideFileReading = TempFolder;

// Read once for lines and CRC together, a file must give the lines split_lines
// gives and the CRC file_crc gives, across many blocks and in both encodings.
TEST_F(SideFileReading, LinesAndCrcAsReadSeparately) {
    std::string big;
    for (int n = 0; big.size() < 700000; ++n) big += std::string(static_cast<size_t>(n % 301), 'x') + "\t" + std::to_string(n) + "\r\n";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"big.scb", big},
        {"ansi.spd", big + "caf\xE9\r\n"},            // 1252, the one such byte far into the file
        {"utf8.spd", "\xCE\xA9 mast\r\n" + big},     // UTF-8, as written when 1252 cannot hold it
        {"lf.spd", "a\nb\nc"},
    };
    for (const auto& [name, bytes] : files) {
        fs::path file = write(name, bytes);
        int blocks = 0;
        SideFileContents contents = read_side_file(file, [&](std::uintmax_t read, std::uintmax_t size) {
            ++blocks;
            EXPECT_LE(read, size);
        });
        EXPECT_EQ(contents.lines, split_lines(decode_file_text(bytes))) << name;
        EXPECT_EQ(contents.crc, file_crc(file)) << name;
        EXPECT_EQ(blocks > 1, bytes.size() > 300000) << name;
    }
}

TEST_F(SideFileReading, MissingEmptyAndLockedFiles) {
    EXPECT_EQ(read_side_file(folder / "none.spd").crc, "0");
    EXPECT_TRUE(read_side_file(write("empty.spd", "")).lines.empty());
    EXPECT_EQ(read_side_file(write("empty.spd", "")).crc, "0");
    fs::path file = write("data.spd", "1\tT1\t\r\n");
    int fd = ::open(file.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    SideFileContents locked = read_side_file(file);
    EXPECT_EQ(locked.crc, File_In_Use);
    EXPECT_EQ(locked.lines, std::vector<std::string>{"1\tT1\t"});  // the lock is advisory here
    ::close(fd);
    EXPECT_EQ(read_side_file(file).crc, file_crc(file));
}

// A file over the limits is refused: over the bytes before a block is read,
// over the lines at the block that passes them; at the limits it is read whole.
TEST_F(SideFileReading, FilesOverTheLimitsAreRefusedAtOnce) {
    const SideFileLimits small{64, 4};
    struct Case {
        const char* what;
        std::string bytes;
        SideFileLimits limits;
        const char* refused;             // part of the reason; "" when read
        std::optional<std::uintmax_t> read;  // the bytes read before the refusal, when that is checked
    };
    const Case cases[] = {
        {"lines at the limit", "a\r\nb\r\nc\r\nd\r\n", small, "", {}},
        {"the last line without its end", "a\r\nb\r\nc\r\nd", small, "", {}},
        {"one line too many", "a\r\nb\r\nc\r\nd\r\ne", small, "more than 4 lines", {}},
        {"bytes at the limit", std::string(62, 'x') + "\r\n", small, "", {}},
        {"one byte too many", std::string(63, 'x') + "\r\n", small, "It holds 65 bytes, more than the 64 bytes", 0},  // none
        {"a megabyte of line ends", std::string(1u << 20, '\n'), {std::uintmax_t{1} << 30, 1000},
         "more than 1,000 lines", 32768},  // the first block
        {"the default limit of lines", std::string(2'000'000, '\n'), {}, "", {}},
        {"one more than the default", std::string(2'000'001, '\r'), {}, "more than 2,000,000 lines", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path file = write("hostile.scb", c.bytes);
        std::uintmax_t read = 0;
        SideFileContents contents =
            read_side_file(file, [&](std::uintmax_t so_far, std::uintmax_t) { read = so_far; }, c.limits);
        if (!*c.refused) {
            EXPECT_EQ(contents.refused, "");
            EXPECT_EQ(contents.lines, split_lines(c.bytes));
            continue;
        }
        EXPECT_NE(contents.refused.find(c.refused), std::string::npos) << contents.refused;
        EXPECT_TRUE(contents.lines.empty());
        if (c.read) {
            EXPECT_EQ(read, *c.read);
        }
    }
    // A sparse file over 512 MiB is refused by its size alone.
    const fs::path sparse = write("sparse.scb", "1\tT1\t\r\n");
    fs::resize_file(sparse, (std::uintmax_t{512} << 20) + 1);
    EXPECT_EQ(read_side_file(sparse).refused, "It holds 536,870,913 bytes, more than the 536,870,912 bytes that the data "
                                              "of any line needs.");
}

TEST(Profile, WindowsSemantics) {
    ProfileFile p = ProfileFile::parse(
        "; comment\r\n[Vortan]\r\nContract_Edit = \"C-17\" \r\nLoad_Save_Directory_Edit=c:\\new\\table\\\r\n"
        "Units_of_Measure_RadioGroup=1x\r\nunits_of_measure_radiogroup=0\r\nExpr=a=b\r\n[other]\r\nx=1\r\n");
    EXPECT_TRUE(p.has_section("vortan"));
    EXPECT_EQ(p.text("VORTAN", "contract_edit"), "C-17");
    EXPECT_EQ(p.text("vortan", "Load_Save_Directory_Edit"), "c:\\new\\table\\");
    EXPECT_EQ(p.integer("vortan", "Units_of_Measure_RadioGroup", 5), 1);  // leading digits; first key wins
    EXPECT_EQ(p.text("vortan", "Expr"), "a=b");
    EXPECT_EQ(p.integer("vortan", "Missing", 1000), 1000);
    EXPECT_EQ(p.integer("other", "x", 0), 1);
    EXPECT_FALSE(p.value("none", "x").has_value());
    EXPECT_TRUE(p.boolean("other", "x", false));
}

TEST(Profile, WritesWhatItReadsBack) {
    ProfileFile p;
    p.set("vortan", "Settings_Data_Format_Version", "1001");
    p.set("vortan", "Contract_Edit", "A\tB");
    p.set("vortan", "settings_data_format_version", "1002");
    EXPECT_EQ(p.to_text(), "[vortan]\r\nSettings_Data_Format_Version=1002\r\nContract_Edit=A B\r\n");
    EXPECT_EQ(ProfileFile::parse(p.to_text()).text("vortan", "Contract_Edit"), "A B");
}

TEST(Profile, ValuesTheReaderWouldTrimOrUnquoteAreWrittenInQuotes) {
    struct Case {
        const char* value;
        const char* written;  // after "k="
    };
    const Case cases[] = {
        {"plain", "plain"},
        {" leading", "\" leading\""},
        {"trailing ", "\"trailing \""},
        {"\"quoted\"", "\"\"quoted\"\""},
        {"\"half", "\"half"},
        {"\"", "\""},
        {"inner \"quote\" stays", "inner \"quote\" stays"},
        {"tab at end\t", "\"tab at end \""},  // TAB becomes a blank, which is kept
        {"", ""},
    };
    for (const Case& c : cases) {
        ProfileFile p;
        p.set("s", "k", c.value);
        EXPECT_EQ(p.to_text(), std::string("[s]\r\nk=") + c.written + "\r\n") << c.value;
        std::string expected = c.value;
        for (char& ch : expected)
            if (ch == '\t') ch = ' ';
        EXPECT_EQ(ProfileFile::parse(p.to_text()).text("s", "k"), expected) << c.value;
    }
}

TEST(RecordFields, AnyFieldNumber) {
    struct Case {
        int n;
        const char* text;
        const char* field;
    };
    const Case cases[] = {
        {1, "a\tb\t", "a"},
        {2, "a\tb\t", "b"},
        {3, "a\tb\t", ""},
        {2, "plain", "plain"},  // field 2 of a record without a delimiter is the whole text
        {3, "plain", ""},
        {0, "a\tb\t", ""},
        {-5, "a\tb\t", "a"},
        {INT_MIN, "a\tb\t", "a"},
        {INT_MAX, "a\tb\t", ""},  // once past the last field, no more work is done
        {INT_MAX, "plain", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(record_field(c.text, c.n), c.field) << c.n << " " << c.text;
}

}  // namespace
}  // namespace vortan
