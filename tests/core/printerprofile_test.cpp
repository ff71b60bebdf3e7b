#include "8-print/printerprofile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace lumidex;
namespace fs = std::filesystem;

namespace {

std::string fileText(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void setFileText(const fs::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// A fresh directory per test, removed afterwards.
class ProfileDir
{
public:
    ProfileDir()
    {
        const auto *test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("lumidex-") + test->test_suite_name() + "-" + test->name();
        for (char &c : name)
            if (c == '/')
                c = '-';
        m_dir = fs::temp_directory_path() / name;
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    ~ProfileDir() { fs::remove_all(m_dir); }
    fs::path file(const char *name) const { return m_dir / name; }

private:
    fs::path m_dir;
};

// Reads through one INI file and writes through another (possibly unwritable) one, noting what
// the check wrote.
class RecordingStore : public ProfileStore
{
public:
    RecordingStore(const fs::path &readPath, const fs::path &writePath)
        : m_reader(readPath.string()), m_writer(writePath.string())
    {}
    std::string read(std::string_view section, std::string_view key,
                     std::size_t bufferSize) override
    {
        return m_reader.read(section, key, bufferSize);
    }
    bool write(std::string_view section, std::string_view key, std::string_view value) override
    {
        written.emplace_back(value);
        return m_writer.write(section, key, value);
    }
    std::vector<std::string> written;

private:
    IniProfileStore m_reader;
    IniProfileStore m_writer;
};

const std::string LongName(300, 'x');

struct CheckCase
{
    const char *name;
    std::string profile;
    bool wrote;
    std::string written; // the value written back, when wrote
};

class PrinterCheckOnFile : public testing::TestWithParam<CheckCase>
{};

// Writing the entry back must leave the profile byte for byte as it was.
TEST_P(PrinterCheckOnFile, WritesBackOnlyFaxModemEntriesAndKeepsTheFile)
{
    const CheckCase &c = GetParam();
    ProfileDir dir;
    const fs::path path = dir.file("profile.ini");
    setFileText(path, c.profile);
    RecordingStore store(path, path);

    const PrinterCheck check = checkDefaultPrinter(store);

    EXPECT_EQ(check.wrote, c.wrote);
    EXPECT_FALSE(check.failed);
    if (c.wrote)
        EXPECT_EQ(store.written, std::vector<std::string>{c.written});
    else
        EXPECT_TRUE(store.written.empty());
    EXPECT_EQ(fileText(path), c.profile);
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, PrinterCheckOnFile,
    testing::Values(
        CheckCase{
            "mixedCaseMarker",
            "; user settings\r\n[windows]\r\nload=\r\ndevice=Office FaxModem,winspool,Ne01:\r\n"
            "run=\r\n\r\n[devices]\r\nLaser=winspool,LPT1:\r\n",
            true, "Office FaxModem,winspool,Ne01:"},
        CheckCase{"upperCaseMarkerSpacedKey",
                  "[Windows]\nDevice = FAXMODEM 2,faxdrv,COM2:\nspooler=yes\n", true,
                  "FAXMODEM 2,faxdrv,COM2:"},
        CheckCase{"ordinaryPrinter", "[windows]\ndevice=Laser,winspool,LPT1:\n", false, ""},
        CheckCase{"markerInAnotherSection",
                  "[devices]\ndevice=faxmodem,fax,COM1:\n[windows]\ndevice=Laser,winspool,LPT1:\n",
                  false, ""},
        CheckCase{"missingKey", "[windows]\nload=\n", false, ""},
        CheckCase{"markerBeyondTheBuffer", "[windows]\ndevice=" + LongName + "faxmodem,fax,COM1:\n",
                  false, ""},
        CheckCase{"longEntryWrittenBackWhole",
                  "[windows]\ndevice=FaxModem " + LongName + ",winspool,Ne01:\nrun=\n", true,
                  "FaxModem " + LongName + ",winspool,Ne01:"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PrinterCheck, MissingProfileIsNotCreated)
{
    ProfileDir dir;
    const fs::path path = dir.file("profile.ini");
    RecordingStore store(path, path);
    const PrinterCheck check = checkDefaultPrinter(store);
    EXPECT_FALSE(check.wrote);
    EXPECT_FALSE(check.failed);
    EXPECT_FALSE(fs::exists(path));
}

TEST(PrinterCheck, UnwritableProfileReportsFailure)
{
    ProfileDir dir;
    const fs::path path = dir.file("profile.ini");
    setFileText(path, "[windows]\ndevice=faxModem,fax,COM1:\n");
    // A path below a plain file cannot be written, whoever runs the test.
    RecordingStore store(path, path / "profile.ini");
    const PrinterCheck check = checkDefaultPrinter(store);
    EXPECT_TRUE(check.wrote);
    EXPECT_TRUE(check.failed);
    EXPECT_EQ(fileText(path), "[windows]\ndevice=faxModem,fax,COM1:\n");
}

TEST(PrinterProfile, ReadIsCutLikeAFixedBuffer)
{
    ProfileDir dir;
    const fs::path path = dir.file("profile.ini");
    setFileText(path, "[windows]\ndevice=" + LongName + "\n");
    IniProfileStore store(path.string());
    EXPECT_EQ(store.read("windows", "device", 256), LongName.substr(0, 255));
    EXPECT_EQ(store.read("windows", "device", 1), "");
    EXPECT_EQ(store.read("windows", "device", 1000), LongName);
}

TEST(PrinterProfile, WriteAddsEntriesWithoutTouchingOtherLines)
{
    ProfileDir dir;
    const fs::path path = dir.file("profile.ini");
    setFileText(path, "[windows]\nload=\n\n[devices]\nLaser=winspool,LPT1:");
    IniProfileStore store(path.string());
    ASSERT_TRUE(store.write("windows", "device", "Laser,winspool,LPT1:"));
    ASSERT_TRUE(store.write("ports", "LPT1:", ""));
    EXPECT_EQ(fileText(path), "[windows]\nload=\ndevice=Laser,winspool,LPT1:\n\n[devices]\n"
                              "Laser=winspool,LPT1:\n[ports]\nLPT1:=\n");
    EXPECT_FALSE(fs::exists(path.string() + ".lumidex-new"));
}

TEST(PrinterProfile, WriteCreatesAMissingProfile)
{
    ProfileDir dir;
    const fs::path path = dir.file("profile.ini");
    IniProfileStore store(path.string());
    ASSERT_TRUE(store.write("windows", "device", "Laser,winspool,LPT1:"));
    EXPECT_EQ(store.read("windows", "device", 256), "Laser,winspool,LPT1:");
    EXPECT_FALSE(store.write("windows", "device", "two\nlines"));
}

} // namespace
