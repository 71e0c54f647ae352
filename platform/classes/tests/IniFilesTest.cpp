#include "platform/classes/IniFiles.h"

#include "platform/classes/StringList.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "testsupport/Peers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class IniFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        FDir = fs::path(testing::TempDir()) / ("ini-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(FDir);
        fs::create_directories(FDir);
        FPath = (FDir / "settings.ini").string();
    }
    void TearDown() override { fs::remove_all(FDir); }

    void WriteFile(const std::string& bytes)
    {
        TFileStream f(FPath, fmCreate);
        f.WriteString(bytes);
    }
    std::string ReadFile()
    {
        TMemoryStream m;
        m.LoadFromFile(FPath);
        return std::string(m.Bytes().begin(), m.Bytes().end());
    }
    static std::vector<std::string> LinesOf(const TStrings& s)
    {
        std::vector<std::string> out;
        for (int i = 0; i < s.Count(); ++i)
            out.push_back(s.Strings(i));
        return out;
    }

    fs::path FDir;
    std::string FPath;
};

} // namespace

TEST_F(IniFileTest, HostileContentReadsSafelyAndSurvivesARewrite)
{
    const std::string longValue(100000, 'v');
    const std::string text = "orphan=before any section\r\n"
                             "no equals sign at all\n"
                             "[Settings]\r\n"
                             "  opt1 =  48.85  \r\n"
                             "; a comment=not a key\r\n"
                             "junk line\r"
                             "bin=\x01\x02\xFF" + std::string(1, '\0') + "z\r\n"
                             "dup=first\r\n"
                             "dup=second\r\n"
                             "[settings]\r\n"
                             "opt1=from the twin\r\n"
                             "[\r\n"
                             "[]\r\n"
                             "=no key\r\n"
                             "[Long]\r\n"
                             "k=" + longValue + "\r\n";
    WriteFile(text);

    TMemIniFile ini(FPath);
    EXPECT_EQ(ini.ReadString("SETTINGS", "OPT1", "?"), "48.85");
    EXPECT_EQ(ini.ReadString("", "orphan", "none"), "none"); // lines before a section are no entries
    EXPECT_EQ(ini.ReadString("Settings", "; a comment", "none"), "none");
    EXPECT_EQ(ini.ReadString("Settings", "dup", ""), "first");
    EXPECT_TRUE(ini.ReadString("Long", "k", "") == longValue);
    // Latin-1 decoding of the stray bytes; control characters at the edges
    // are trimmed like blanks, the NUL inside stays.
    EXPECT_EQ(ini.ReadString("Settings", "bin", ""), std::string("\xC3\xBF\0z", 4));

    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"Settings", "", "Long"}));
    ini.ReadSection("Settings", list);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"opt1", "bin", "dup"}));

    // Rewriting changes only the written entry; everything else comes back.
    ini.WriteString("Settings", "opt2", "2.29");
    ini.UpdateFile();
    TMemIniFile again(FPath);
    EXPECT_EQ(again.ReadString("Settings", "opt2", ""), "2.29");
    EXPECT_EQ(again.ReadString("Settings", "bin", ""), ini.ReadString("Settings", "bin", ""));
    EXPECT_TRUE(again.ReadString("Long", "k", "") == longValue);
    std::string saved = ReadFile();
    // Deleting a repeated key or section removes every copy, so none
    // resurfaces.
    again.DeleteKey("Settings", "dup");
    EXPECT_FALSE(again.ValueExists("Settings", "dup"));
    again.EraseSection("SETTINGS");
    EXPECT_FALSE(again.SectionExists("Settings"));
    for (const char* kept : {"orphan=before any section", "no equals sign at all", "; a comment=not a key",
                             "junk line", "opt1=from the twin", "dup=second"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept;
}

TEST_F(IniFileTest, TypedValuesAndDefaults)
{
    WriteFile("[T]\nhex=0x1F\ndollar=$10\nbad=12x\nyes=-1\nno=0\nword=true\nf=2.5\nnotf=2,5\n");
    TMemIniFile ini(FPath);
    EXPECT_EQ(ini.ReadInteger("T", "hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("T", "dollar", 0), 16);
    EXPECT_EQ(ini.ReadInteger("T", "bad", 7), 7);
    EXPECT_EQ(ini.ReadInteger("T", "missing", -3), -3);
    EXPECT_TRUE(ini.ReadBool("T", "yes", false));
    EXPECT_FALSE(ini.ReadBool("T", "no", true));
    EXPECT_TRUE(ini.ReadBool("T", "word", true)); // not a number: the default
    EXPECT_DOUBLE_EQ(ini.ReadFloat("T", "f", 0), 2.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("T", "notf", 9), 9);

    ini.WriteBool("T", "flag", true);
    ini.WriteInteger("T", "n", -42);
    ini.WriteFloat("T", "x", 0.00001);
    const TDateTime when = EncodeDateTime(2026, 12, 10, 13, 5, 7, 0);
    ini.WriteDateTime("T", "when", when);
    ini.WriteDate("T", "day", when);
    EXPECT_EQ(ini.ReadString("T", "flag", ""), "1");
    EXPECT_EQ(ini.ReadInteger("T", "n", 0), -42);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("T", "x", 0), 0.00001);
    EXPECT_NEAR(ini.ReadDateTime("T", "when", 0), when, 1e-8);
    EXPECT_DOUBLE_EQ(ini.ReadDate("T", "day", 0), EncodeDate(2026, 12, 10));
    EXPECT_DOUBLE_EQ(ini.ReadDate("T", "n", 5), 5);
}

TEST_F(IniFileTest, EditingKeysAndSections)
{
    TMemIniFile ini(FPath); // no file yet
    EXPECT_FALSE(ini.SectionExists("A"));
    ini.WriteString("A", "k1", " padded ");
    ini.WriteString("A", "k2", "x=y;z");
    ini.WriteString("B", "k", "v");
    EXPECT_EQ(ini.ReadString("a", "K1", ""), "padded");
    EXPECT_EQ(ini.ReadString("A", "k2", ""), "x=y;z");
    EXPECT_TRUE(ini.ValueExists("A", "K2"));
    ini.DeleteKey("A", "k1");
    EXPECT_FALSE(ini.ValueExists("A", "k1"));
    ini.DeleteKey("A", "k2");
    EXPECT_TRUE(ini.SectionExists("A")); // the header stays
    ini.EraseSection("a");
    EXPECT_FALSE(ini.SectionExists("A"));

    TStringList values;
    ini.ReadSectionValues("B", values);
    EXPECT_EQ(LinesOf(values), (std::vector<std::string>{"k=v"}));

    // What the file could not give back is refused, not written.
    for (auto [key, value] : std::vector<std::pair<std::string, std::string>>{
             {"k", "two\nlines"}, {"a=b", "v"}, {"[x]", "v"}, {";k", "v"}, {"", "v"}, {"k\r", "v"}})
        EXPECT_THROW(ini.WriteString("B", key, value), EIniFileException) << key;
    EXPECT_THROW(ini.WriteString("B\n[C]", "k", "v"), EIniFileException);
}

TEST_F(IniFileTest, IniFileWritesThroughAndSharesTheFile)
{
    TIniFile first(FPath), second(FPath);
    first.WriteString("Settings", "opt1", "1");
    second.WriteString("Settings", "opt2", "2"); // must not lose opt1
    EXPECT_EQ(first.ReadString("Settings", "opt2", ""), "2");
    TMemIniFile fromDisk(FPath);
    EXPECT_EQ(fromDisk.ReadString("Settings", "opt1", ""), "1");
    first.EraseSection("Settings");
    EXPECT_FALSE(second.SectionExists("Settings"));
    EXPECT_EQ(ReadFile(), "");
}

TEST_F(IniFileTest, WritesThatCannotBeSavedRaise)
{
    const std::string inMissingFolder = (FDir / "no-such-folder" / "x.ini").string();
    TIniFile ini(inMissingFolder);
    EXPECT_EQ(ini.ReadString("S", "k", "default"), "default");
    try {
        ini.WriteString("S", "k", "v");
        FAIL();
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + inMissingFolder);
    }
    TMemIniFile mem(inMissingFolder);
    mem.WriteString("S", "k", "v");
    EXPECT_THROW(mem.UpdateFile(), EIniFileException);
}

TEST_F(IniFileTest, PythonConfigParserReadsOurFileAndWeReadItsFile)
{
    REQUIRE_PEER("python3");
    {
        TIniFile ini(FPath);
        ini.WriteString("Settings", "opt3", "C:\\vistra\\Files;x=y");
        ini.WriteString("Edit1", "LOOKUPDISPL1", "Amsterdam");
    }
    const std::string out = (FDir / "out.txt").string();
    const std::string script =
        "import configparser,sys\n"
        "c=configparser.ConfigParser(interpolation=None,strict=False)\n"
        "c.optionxform=str\n"
        "c.read(sys.argv[1])\n"
        "open(sys.argv[2],'w').write(c['Settings']['opt3']+'|'+c['Edit1']['LOOKUPDISPL1'])\n"
        "d=configparser.ConfigParser(interpolation=None)\n"
        "d.optionxform=str\n"
        "d['Grid']={'Col0':'64','Name':'a b'}\n"
        "d.write(open(sys.argv[1],'w'))\n";
    const std::string scriptPath = (FDir / "peer.py").string();
    {
        TFileStream f(scriptPath, fmCreate);
        f.WriteString(script);
    }
    std::string log;
    ASSERT_EQ(testsupport::RunCommand("/usr/bin/python3 " + scriptPath + " " + FPath + " " + out, &log), 0) << log;
    TMemoryStream m;
    m.LoadFromFile(out);
    EXPECT_EQ(std::string(m.Bytes().begin(), m.Bytes().end()), "C:\\vistra\\Files;x=y|Amsterdam");

    TIniFile ours(FPath);
    EXPECT_EQ(ours.ReadInteger("grid", "col0", 0), 64);
    EXPECT_EQ(ours.ReadString("Grid", "Name", ""), "a b");
}
