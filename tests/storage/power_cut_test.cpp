// The save against a real power cut: the demo line on a small ext4 image,
// loop-mounted, is saved by vortan-cli, and the image is copied the moment
// the save says it is done, with no sync and no unmount: the copy is what
// the disk held had the power gone then. Mounted after its journal is
// replayed, the copy must hold the whole new project. A full disk must make
// the save fail with the system's reason and leave the old project.
// Needs root, loop devices and the ext4 tools; skipped elsewhere.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

#ifndef _WIN32

int run(const std::string& command) {
    const int status = std::system(("(" + command + ") >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

std::string bytes_of(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// An ext4 image mounted through a loop device, unmounted (and the device
// detached with it) however the test ends.
class MountedImage {
public:
    MountedImage(const fs::path& image, const fs::path& folder, const std::string& options) : folder_(folder) {
        fs::create_directories(folder);
        mounted_ = run("mount -o loop," + options + " " + quoted(image) + " " + quoted(folder)) == 0;
    }
    ~MountedImage() {
        if (mounted_) run("umount " + quoted(folder_));
    }
    bool mounted() const { return mounted_; }

private:
    fs::path folder_;
    bool mounted_ = false;
};

class PowerCut : public ::testing::Test {
protected:
    void SetUp() override {
        if (geteuid() != 0 || !fs::exists("/dev/loop-control") || run("command -v mkfs.ext4 && command -v e2fsck") != 0)
            GTEST_SKIP() << "needs root, loop devices and the ext4 tools";
        root_ = fs::temp_directory_path() / ("vortan-power-cut-" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override {
        if (!root_.empty()) fs::remove_all(root_);
    }
    fs::path make_image(const std::string& name, int mebibytes) {
        const fs::path image = root_ / name;
        EXPECT_EQ(run("truncate -s " + std::to_string(mebibytes) + "M " + quoted(image) + " && mkfs.ext4 -q -F " +
                      quoted(image)), 0);
        return image;
    }
    // The demo line in `folder`, on its disk.
    void copy_demo(const fs::path& folder) {
        for (const auto& entry : fs::directory_iterator(VORTAN_EXAMPLES_DIR))
            if (entry.path().stem() == "demo-line" && entry.path().extension() != ".vts")
                fs::copy_file(entry.path(), folder / entry.path().filename());
        run("sync");
    }
    // Changes the project and saves it; the transcript.
    std::string save_changed(const fs::path& master) {
        const fs::path script = root_ / "save.vts", transcript = root_ / "save.out";
        std::ofstream(script) << "file " << master.string()
                              << "\nclick Open_Option\nset Span_Length_Edit 333\nclick Commit_Span_Changes_BitBtn\n"
                                 "setup\nset Contract_Edit Restrung 2026\nend\nclick Save_Option\n";
        run("VORTAN_JOURNAL_FOLDER=" + quoted(root_ / "unsaved") + " " VORTAN_CLI " script " + quoted(script) + " > " +
            quoted(transcript));
        return bytes_of(transcript);
    }
    fs::path root_;
};

const char* Project_Files[] = {"demo-line.vtn", "demo-line.spd", "demo-line.scb", "demo-line.sin", "demo-line.scp",
                               "demo-line.sct", "demo-line.scn", "demo-line.svc", "demo-line.sst"};

TEST_F(PowerCut, TheDiskHoldsTheNewProjectTheMomentTheSaveIsDone) {
    const fs::path image = make_image("disk.img", 32);
    MountedImage disk(image, root_ / "disk", "rw");
    if (!disk.mounted()) GTEST_SKIP() << "this machine does not let a loop device be mounted";
    copy_demo(root_ / "disk");
    const std::string transcript = save_changed(root_ / "disk" / "demo-line.vtn");
    // The power goes: what the backing file holds now is all there is.
    ASSERT_EQ(run("cp --sparse=always " + quoted(image) + " " + quoted(root_ / "cut.img")), 0);
    ASSERT_EQ(transcript.find("MESSAGE error"), std::string::npos) << transcript;
    ASSERT_LT(run("e2fsck -fy " + quoted(root_ / "cut.img")), 4);
    MountedImage cut(root_ / "cut.img", root_ / "cut", "ro");
    ASSERT_TRUE(cut.mounted());
    EXPECT_EQ(run(VORTAN_CLI " check " + quoted(root_ / "cut" / "demo-line.vtn")), 0);
    for (const char* file : Project_Files)
        EXPECT_EQ(bytes_of(root_ / "cut" / file), bytes_of(root_ / "disk" / file)) << file << " is not as saved";
    EXPECT_NE(bytes_of(root_ / "cut" / "demo-line.spd"), bytes_of(fs::path(VORTAN_EXAMPLES_DIR) / "demo-line.spd"));
}

TEST_F(PowerCut, AFullDiskFailsTheSaveWithItsReasonAndKeepsTheOldProject) {
    const fs::path image = make_image("full.img", 8);
    MountedImage disk(image, root_ / "full", "rw");
    if (!disk.mounted()) GTEST_SKIP() << "this machine does not let a loop device be mounted";
    copy_demo(root_ / "full");
    // Written back, a full disk gives back blocks it held for delayed writes: filled until nothing more fits.
    for (int n = 0; n < 4; ++n)
        run("dd if=/dev/zero of=" + quoted(root_ / "full" / ("filler" + std::to_string(n))) + " bs=4k; sync");
    const std::string transcript = save_changed(root_ / "full" / "demo-line.vtn");
    EXPECT_NE(transcript.find("Error : The project could not be saved."), std::string::npos) << transcript;
    EXPECT_NE(transcript.find("No space left on device"), std::string::npos) << transcript;
    for (const char* file : Project_Files)
        EXPECT_EQ(bytes_of(root_ / "full" / file), bytes_of(fs::path(VORTAN_EXAMPLES_DIR) / file)) << file;
    for (const auto& entry : fs::directory_iterator(root_ / "full"))
        EXPECT_NE(entry.path().filename().string().front(), '~') << entry.path() << " is left behind";
}

#endif

}  // namespace
