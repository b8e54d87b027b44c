#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <sstream>
#include <streambuf>
#include <tuple>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "link/Protocol.h"
#include "model/AtomicFile.h"
#include "model/ConfigurationReader.h"
#include "tests/support/ConfigurationTestSet.h"
#include "tests/support/FailureMessage.h"
#include "tests/support/Listing.h"
#include "tests/support/RecordingProtocol.h"

namespace {

namespace fs = std::filesystem;

// A byte string from hexadecimal pairs, blanks and bars ignored: "01 00 | A0 81".
std::string hexBytes(std::string hex) {
    std::replace(hex.begin(), hex.end(), '|', ' ');
    std::istringstream pairs(hex);
    std::string bytes;
    for (int byte = 0; pairs >> std::hex >> byte;)
        bytes += static_cast<char>(byte);
    return bytes;
}

// Two entries, for counts that do not match them.
const std::string two = "A0 81 | 01 00 00 00 | 05 | A1 81 | 01 00 00 00 | 06 |";

TEST(ConfigurationReader, ReadsEntriesAndChecksTheChecksum) {
    const ParameterId id(0x20, 1);
    for (const auto& [hex, expected, checksumMatches] :
         std::vector<std::tuple<std::string, ParameterValueMap, bool>>{
             {"01 00 00 00 | A0 81 | 02 00 00 00 | 00 05 | 29 00 00 00",
              {{id, ParameterValue(hexBytes("00 05"))}},
              true},
             {"00 00 00 00 | 00 00 00 00", {}, true},
             {"01 00 00 00 | A0 81 | 00 00 00 00 | 22 00 00 00", {{id, ParameterValue()}}, true},
             // The later entry for an id wins; a checksum that disagrees does not stop the load.
             {"02 00 00 00 | A0 81 | 01 00 00 00 | 05 | A0 81 | 01 00 00 00 | 06 | 00 00 00 00",
              {{id, ParameterValue(hexBytes("06"))}},
              false},
             // Bytes count signed: 1 + (0x7F + 0x00) + 2 + (-1 + -128).
             {"01 00 00 00 | FF 80 | 02 00 00 00 | FF 80 | 01 00 00 00",
              {{ParameterId(0x7F, 0), ParameterValue(hexBytes("FF 80"))}},
              true},
             // A short count: the entry after it is taken as the checksum.
             {"01 00 00 00 |" + two, {{id, ParameterValue(hexBytes("05"))}}, false},
         }) {
        std::istringstream stream(hexBytes(hex), std::ios::binary);
        ConfigurationReader reader(stream);
        ParameterValueMap values;
        reader.read(values);
        EXPECT_EQ(values, expected) << hex;
        EXPECT_EQ(reader.checksumMatches(), checksumMatches) << hex;
    }
}

TEST(ConfigurationReader, BrokenFilesFailWithTheirMessages) {
    for (const auto& [hex, message] : std::vector<std::pair<std::string, std::string>>{
             {"", "Error reading the parameter count."},
             {"01 00 00", "Error reading the parameter count."},
             {"01 00 00 00 | A0", "Error restoring a parameter id"},
             {"01 00 00 00 | A0 81 | 02 00", "Error restoring a parameter value."},
             {"01 00 00 00 | A0 81 | 05 00 00 00 | 00 05", "Error restoring a parameter value."},
             {"01 00 00 00 | A0 81 | 02 00 00 00 | 00 05 | 29 00", "Error reading the checksum."},
             // Four gigabytes claimed, three bytes present: fails without trying to hold them.
             {"01 00 00 00 | A0 81 | F0 FF FF FF | 01 02 03", "Error restoring a parameter value."},
             // A long count meets the end where the checksum should be, or takes it for an entry.
             {"03 00 00 00 |" + two, "Error reading the checksum."},
             {"03 00 00 00 |" + two + "29 00 00 00", "Error restoring a parameter value."},
         }) {
        std::istringstream stream(hexBytes(hex), std::ios::binary);
        ParameterValueMap values;
        EXPECT_EQ(messageOf([&] { ConfigurationReader(stream).read(values); }), message) << hex;
    }
}

using Set = ConfigurationTestSet;

// The off-line unit, which keeps its own value of the ids it is told to refuse.
class RefusingUnit : public DummyVx41Protocol {
public:
    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override {
        if (!refused.contains(id.next()))
            DummyVx41Protocol::write(id, value, delayMs);
    }
    std::set<ParameterId> refused;
};

// Takes only as many bytes as its buffer holds, like a disk that fills up.
class FullDiskBuffer : public std::streambuf {
public:
    explicit FullDiskBuffer(std::size_t capacity) : bytes_(capacity) {
        setp(bytes_.data(), bytes_.data() + capacity);
    }

private:
    std::vector<char> bytes_;
};

class ConfigurationFile : public ::testing::Test {
protected:
    std::string saved() {
        std::ostringstream stream(std::ios::binary);
        set.save(stream);
        return stream.str();
    }
    void load(const std::string& bytes, bool includeSetup) {
        std::istringstream stream(bytes, std::ios::binary);
        set.load(stream, includeSetup);
    }
    void expectLoadFailure(const std::string& bytes, const std::string& message) {
        EXPECT_EQ(messageOf([&] { load(bytes, true); }), message);
    }
    const ParameterValue& value(const ParameterId& id) { return set.find(id).getValue(); }

    RefusingUnit unit;
    Protocol protocol{unit};
    RecordingProtocol device{protocol};
    Set set{device};
};

TEST_F(ConfigurationFile, SavesWhatTheUnitHoldsInIdOrderWithoutStatusParameters) {
    // The off-line unit starts with (117, 21) = 0, (117, 36) = 0, (117, 37) = 0, (197, 0) = 60
    // and (210, 0) = "PRESET 1"; the status (113, 4) is not saved.
    EXPECT_EQ(saved(), hexBytes("05 00 00 00"
                                "| F5 95 | 02 00 00 00 | 00 00"
                                "| F5 A4 | 02 00 00 00 | 00 00"
                                "| F5 A5 | 02 00 00 00 | 00 00"
                                "| 45 80 | 02 00 00 00 | 00 3C"
                                "| 52 80 | 08 00 00 00 | 50 52 45 53 45 54 20 31"
                                "| C9 05 00 00"));
}

TEST_F(ConfigurationFile, SaveReportsAStreamThatStopsTakingBytes) {
    const auto saveInto = [this](std::size_t capacity) {
        FullDiskBuffer buffer(capacity);
        std::ostream stream(&buffer);
        return messageOf([&] { set.save(stream); });
    };
    EXPECT_EQ(saveInto(5), "Error saving a parameter id");
    EXPECT_EQ(saveInto(6), "Error saving a parameter value.");
    EXPECT_EQ(saveInto(11), "Error saving a parameter value.");
}

TEST_F(ConfigurationFile, RoundTripRestoresEveryValueAndTheSetupOnlyWhenAskedFor) {
    const std::string before = saved();
    set.find(Set::enabler).setValue(1);
    set.find(Set::dependent).setValue(4);
    set.find(Set::plain).setValue(-3);
    set.find(Set::trim).setValue(72);
    set.find(Set::label).setValue(ParameterValue::fromText("Live & <Loud>"));
    ASSERT_NE(saved(), before);

    load(before, false);
    EXPECT_EQ(value(Set::plain), ParameterValue(0));
    EXPECT_EQ(value(Set::trim), ParameterValue(72));
    load(before, true);
    EXPECT_EQ(saved(), before);
}

TEST_F(ConfigurationFile, ValueRefusedUntilALaterParameterIsRestoredComesInTheNextPass) {
    // (117, 36) comes first but is disabled until (117, 37), later in id order, is 1.
    load(hexBytes("02 00 00 00 | F5 A4 | 02 00 00 00 | 00 04 | F5 A5 | 02 00 00 00 | 00 01"
                  "| 00 00 00 00"),
         true);
    EXPECT_EQ(value(Set::dependent), ParameterValue(4));
    EXPECT_EQ(value(Set::enabler), ParameterValue(1));
}

TEST_F(ConfigurationFile, RestoreGivesUpAfterTenPassesAndNeverWaitsAfterAWrite) {
    set.control(Set::plain).setWriteDelay(2000);
    unit.refused.insert(Set::plain);
    load(hexBytes("01 00 00 00 | F5 95 | 02 00 00 00 | 00 07 | 00 00 00 00"), true);

    EXPECT_EQ(device.writes.size(), 10u);
    for (const auto& write : device.writes)
        EXPECT_EQ(write.delayMs, 0u);
    EXPECT_EQ(set.control(Set::plain).writeDelay(), 2000u);
}

TEST_F(ConfigurationFile, FailuresWhileRestoringKeepWhatWasAppliedAndTheWriteDelay) {
    // (117, 21) is applied before the unknown (170, 0) stops the restore.
    expectLoadFailure(hexBytes("02 00 00 00 | F5 95 | 02 00 00 00 | 00 02 | 2A 80 | 02 00 00 00"
                               "| 00 01 | 00 00 00 00"),
                      "This is not a valid configuration file for this device");
    EXPECT_EQ(value(Set::plain), ParameterValue(2));

    set.control(Set::plain).setWriteDelay(500);
    device.failWrites = true;
    expectLoadFailure(hexBytes("01 00 00 00 | F5 95 | 02 00 00 00 | 00 03 | 00 00 00 00"),
                      "This is not a valid configuration file for this device");
    // A failed restore must not leave the parameter without its write delay.
    EXPECT_EQ(set.control(Set::plain).writeDelay(), 500u);

    expectLoadFailure(hexBytes("01 00 00 00 | F5"), "Error restoring a parameter id");
}

class AtomicSave : public ConfigurationFile {
protected:
    AtomicSave() { fs::create_directories(folder); }
    ~AtomicSave() override { fs::remove_all(folder); }

    const fs::path folder =
        fs::temp_directory_path() / ("vx41-files-" + std::to_string(std::random_device{}()));
    const fs::path path = folder / "unit.vxs";
    // The unit is in memory: its line shows no damage.
    const ConfirmedRead::DamageCount noDamage = [] { return std::size_t{0}; };

    std::ptrdiff_t entries() const {
        return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    }
};

// A save that succeeds replaces the file: see the planted links below.
TEST_F(AtomicSave, AFailedSaveLeavesTheOldFileAsItWas) {
    std::ofstream(path) << "old contents";
    device.failReads = true;
    EXPECT_THROW(set.saveFile(path, noDamage), ProtocolException);
    EXPECT_EQ(contentsOf(path), "old contents");
    EXPECT_EQ(entries(), 1);
}

TEST_F(AtomicSave, WriterFailureOrAnUnwritableFolderReportsAndCreatesNothing) {
    EXPECT_THROW(AtomicFile::write(path,
                                   [](std::ostream& stream) {
                                       stream << "half";
                                       throw QuenlarException("Error saving a parameter value.");
                                   }),
                 QuenlarException);
    EXPECT_EQ(entries(), 0);

    // The message names the file the operator chose, with the system's reason.
    const fs::path missing = folder / "missing" / "unit.vxs";
    EXPECT_EQ(messageOf([&] { set.saveFile(missing, noDamage); }),
              "Couldn't create the file " + missing.string() + ": No such file or directory");
    EXPECT_FALSE(fs::exists(folder / "missing"));
    // A device that takes no bytes, as a full disk does.
    EXPECT_EQ(messageOf([] { AtomicFile::writeBytes("/dev/full", "contents"); }),
              "Error writing the file /dev/full: No space left on device");
}

TEST_F(AtomicSave, FollowsNoPlantedLinkDestroysNoOtherFileAndReplacesOnlyFiles) {
    std::ofstream(folder / "victim") << "victim";
    fs::create_symlink(folder / "victim", folder / "unit.vxs.tmp");
    set.saveFile(path, noDamage);
    EXPECT_EQ(contentsOf(path), saved());
    EXPECT_FALSE(fs::is_symlink(path));
    EXPECT_EQ(contentsOf(folder / "victim"), "victim") << "a link where the save might write";

    // A link to the real file, by a name relative to the link's own folder: the real file takes
    // the save, with its permissions, wherever the program was started.
    const fs::path real = folder / "real.vxs";
    std::ofstream(real) << "old contents";
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    std::ofstream(folder / "real.vxs.tmp") << "the user's own";
    fs::create_symlink("real.vxs", folder / "link.vxs");
    set.saveFile(folder / "link.vxs", noDamage);
    EXPECT_TRUE(fs::is_symlink(folder / "link.vxs"));
    EXPECT_EQ(contentsOf(real), saved());
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(contentsOf(folder / "real.vxs.tmp"), "the user's own");

    // Forty links are followed, as the system follows them; one more is taken for a loop.
    for (int link = 1; link <= 41; ++link)
        fs::create_symlink(link == 1 ? "real.vxs" : "chain" + std::to_string(link - 1),
                           folder / ("chain" + std::to_string(link)));
    set.saveFile(folder / "chain40", noDamage);
    EXPECT_EQ(messageOf([&] { set.saveFile(folder / "chain41", noDamage); }),
              "Too many links lead to " + (folder / "chain41").string());

    // What is not a regular file is written to, not replaced.
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    set.saveFile(pipe, noDamage);
    std::string received(saved().size() + 1, '\0');
    received.resize(static_cast<std::size_t>(read(reader, received.data(), received.size())));
    close(reader);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(received, saved());
    EXPECT_EQ(entries(), 48) << "nothing left behind";
}

} // namespace
