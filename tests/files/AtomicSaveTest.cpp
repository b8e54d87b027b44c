#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "link/Protocol.h"
#include "model/AtomicFile.h"
#include "model/QuenlarException.h"
#include "tests/support/ConfigurationTestSet.h"

namespace {

namespace fs = std::filesystem;

std::string contentsOf(const fs::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

class AtomicSave : public ::testing::Test {
protected:
    AtomicSave() { fs::create_directories(folder); }
    ~AtomicSave() override { fs::remove_all(folder); }

    const fs::path folder =
        fs::temp_directory_path() / ("vx41-files-" + std::to_string(std::random_device{}()));
    const fs::path path = folder / "unit.vxs";
    ScriptedVx41Protocol device;
    Protocol protocol{device};
    ConfigurationTestSet set{protocol};
};

TEST_F(AtomicSave, ReplacesTheOldFileOnlyWhenTheWholeSaveSucceeded) {
    std::ofstream(path) << "old contents";
    device.failReads = true;
    EXPECT_THROW(set.saveFile(path), ProtocolException);
    EXPECT_EQ(contentsOf(path), "old contents");
    EXPECT_FALSE(fs::exists(AtomicFile::temporaryFor(path)));

    device.failReads = false;
    set.saveFile(path);
    std::ostringstream expected(std::ios::binary);
    set.save(expected);
    EXPECT_EQ(contentsOf(path), expected.str());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(AtomicSave, WriterFailureOrAnUnwritableFolderReportsAndCreatesNothing) {
    EXPECT_THROW(AtomicFile::write(path,
                                   [](std::ostream& stream) {
                                       stream << "half";
                                       throw QuenlarException("Error saving a parameter value.");
                                   }),
                 QuenlarException);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(fs::exists(AtomicFile::temporaryFor(path)));

    EXPECT_THROW(set.saveFile(folder / "missing" / "unit.vxs"), QuenlarException);
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

} // namespace
