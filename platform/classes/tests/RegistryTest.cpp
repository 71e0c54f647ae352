#include "platform/classes/Registry.h"

#include "platform/classes/StringList.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Points the store at a fresh file for each test.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        FDir = fs::path(testing::TempDir()) /
               ("registry-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(FDir);
        ::setenv("VISTRA_REGISTRY_FILE", (FDir / "store" / "registry.ini").c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv("VISTRA_REGISTRY_FILE");
        fs::remove_all(FDir);
    }
    static std::vector<std::string> LinesOf(const TStrings& s)
    {
        std::vector<std::string> out;
        for (int i = 0; i < s.Count(); ++i)
            out.push_back(s.Strings(i));
        return out;
    }
    fs::path FDir;
};

} // namespace

TEST_F(RegistryTest, ValuesPersistAcrossInstances)
{
    const std::string awkward = "  a=b;[c]\\d%41\r\nline two  ";
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Corvanta\\Grid", true));
        reg.WriteString("Text", awkward);
        reg.WriteString("", "default value");
        reg.WriteInteger("Width", -120);
        reg.WriteBool("Visible", true);
        reg.WriteString("odd = name;", "x");
    }
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("Software\\Corvanta\\Missing", false));
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\corvanta\\grid"));
    EXPECT_EQ(reg.ReadString("text"), awkward);
    EXPECT_EQ(reg.ReadString(""), "default value");
    EXPECT_EQ(reg.ReadInteger("Width"), -120);
    EXPECT_TRUE(reg.ReadBool("Visible"));
    EXPECT_EQ(reg.ReadString("odd = name;"), "x");
    EXPECT_EQ(reg.ReadString("never written"), "");
    TStringList names;
    reg.GetValueNames(names);
    EXPECT_EQ(LinesOf(names), (std::vector<std::string>{"Text", "", "Width", "Visible", "odd = name;"}));

    // The other root is a different tree.
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.KeyExists("Software\\Corvanta"));
}

TEST_F(RegistryTest, TypeAndAccessErrors)
{
    TRegistry reg;
    reg.OpenKey("Software\\Office\\14.0\\Common\\General", true);
    reg.WriteString("Theme", "blue");
    reg.WriteInteger("Count", 3);
    try {
        reg.ReadInteger("Theme");
        FAIL();
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Invalid data type for 'Theme'");
    }
    EXPECT_THROW(reg.ReadString("Count"), ERegistryException);
    EXPECT_THROW(reg.ReadInteger("Absent"), ERegistryException);
    EXPECT_EQ(reg.GetDataType("Theme"), rdString);
    EXPECT_EQ(reg.GetDataType("Count"), rdInteger);
    EXPECT_EQ(reg.GetDataType("Absent"), rdUnknown);

    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Office\\14.0\\Common\\General"));
    EXPECT_THROW(reg.WriteInteger("Theme", 1), ERegistryException);
    EXPECT_FALSE(reg.DeleteValue("Theme"));
    EXPECT_THROW(reg.SetRootKey(42), ERegistryException);
}

TEST_F(RegistryTest, KeysListAndDeleteWithTheirSubKeys)
{
    TRegistry reg;
    reg.OpenKey("Software\\A\\B\\C", true);
    reg.WriteInteger("v", 1);
    reg.CloseKey();
    reg.OpenKey("Software\\A\\Other", true);
    reg.CloseKey();
    EXPECT_TRUE(reg.KeyExists("Software\\A\\B")); // made on the way

    reg.OpenKey("Software\\A", false);
    TStringList keys;
    reg.GetKeyNames(keys);
    EXPECT_EQ(LinesOf(keys), (std::vector<std::string>{"B", "Other"}));
    EXPECT_TRUE(reg.OpenKey("B", false)); // relative to the open key
    EXPECT_EQ(reg.CurrentPath(), "Software\\A\\B");

    EXPECT_TRUE(reg.DeleteKey("\\Software\\A\\B"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\A\\B\\C"));
    EXPECT_TRUE(reg.KeyExists("\\Software\\A\\Other"));
    EXPECT_FALSE(reg.DeleteKey("\\Software\\A\\B"));
}

TEST_F(RegistryTest, IniViewOfAKey)
{
    {
        TRegistryIniFile ini("Software\\Corvanta\\Edits");
        ini.WriteString("Edit1", "LOOKUPDISPL1", "Amsterdam");
        ini.WriteInteger("Edit1", "LOOKUPCOUNT", 1);
        ini.WriteBool("Grid", "Save", true);
    }
    TRegistryIniFile ini("Software\\Corvanta\\Edits");
    EXPECT_EQ(ini.ReadString("EDIT1", "lookupdispl1", "@"), "Amsterdam");
    EXPECT_EQ(ini.ReadString("Edit1", "LOOKUPCOUNT", ""), "1"); // an integer reads as its text
    EXPECT_EQ(ini.ReadInteger("Edit1", "LOOKUPCOUNT", 0), 1);
    EXPECT_EQ(ini.ReadString("Edit1", "Missing", "@"), "@");
    EXPECT_EQ(ini.ReadString("NoSection", "x", "@"), "@");
    EXPECT_FALSE(ini.SectionExists("NoSection")); // reading creates nothing
    EXPECT_TRUE(ini.ReadBool("Grid", "Save", false));

    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"Edit1", "Grid"}));
    ini.ReadSectionValues("Edit1", list);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"LOOKUPDISPL1=Amsterdam", "LOOKUPCOUNT=1"}));

    ini.DeleteKey("Edit1", "LOOKUPCOUNT");
    EXPECT_FALSE(ini.ValueExists("Edit1", "LOOKUPCOUNT"));
    ini.EraseSection("Grid");
    EXPECT_FALSE(ini.SectionExists("Grid"));
    TRegistry reg;
    EXPECT_TRUE(reg.OpenKeyReadOnly("Software\\Corvanta\\Edits\\Edit1"));
}

TEST_F(RegistryTest, UnwritableStoreRaisesAndStoreNameFollowsTheEnvironment)
{
    EXPECT_EQ(TRegistry::StoreFileName(), (FDir / "store" / "registry.ini").string());
    fs::create_directories(FDir);
    {
        std::FILE* f = std::fopen((FDir / "store").c_str(), "w"); // a file where the folder should be
        std::fclose(f);
    }
    TRegistry reg;
    EXPECT_THROW(reg.OpenKey("Software\\X", true), ERegistryException);

    ::unsetenv("VISTRA_REGISTRY_FILE");
    const char* previous = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = previous != nullptr ? previous : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-test", 1);
    EXPECT_EQ(TRegistry::StoreFileName(), "/tmp/xdg-test/CorvantaVistra/registry.ini");
    if (previous != nullptr)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(RegistryTest, ChangeWatchWakesOnChangesBelowItsKeyFromAnotherWriter)
{
    TRegistry setup;
    setup.OpenKey("Software\\Office\\14.0\\Common", true);
    setup.WriteInteger("Theme", 1);
    setup.CloseKey();

    TRegistryChangeWatch watch(HKEY_CURRENT_USER, "Software\\Office\\14.0\\Common", true);
    std::thread writer([] {
        TRegistry other;
        // A key outside the watched one and a rewrite of an unchanged value come first.
        other.OpenKey("Software\\Elsewhere", true);
        other.WriteInteger("Theme", 5);
        other.OpenKey("\\Software\\Office\\14.0\\Common", false);
        other.WriteInteger("Theme", 1);
        other.OpenKey("\\Software\\Office\\14.0\\Common\\Deeper", true);
        other.WriteString("Scheme", "dark");
    });
    EXPECT_TRUE(watch.WaitForChange());
    writer.join();

    TRegistry check;
    ASSERT_TRUE(check.OpenKeyReadOnly("Software\\Office\\14.0\\Common\\Deeper"));
    EXPECT_EQ(check.ReadString("Scheme"), "dark");
}

TEST_F(RegistryTest, ChangeWatchCancelEndsTheWaitAndStaysCancelled)
{
    TRegistryChangeWatch watch(HKEY_CURRENT_USER, "Software\\Office", true);
    std::thread canceller([&watch] { watch.Cancel(); });
    EXPECT_FALSE(watch.WaitForChange());
    canceller.join();
    EXPECT_FALSE(watch.WaitForChange());
    EXPECT_THROW(TRegistryChangeWatch(0x1234, "Software", true), ERegistryException);
}

TEST_F(RegistryTest, ChangeWatchFollowsAStoreThatIsALink)
{
    fs::create_directories(FDir / "real");
    fs::create_directories(FDir / "store");
    {
        TRegistry reg;
        reg.OpenKey("Software\\Office", true);
    }
    fs::rename(TRegistry::StoreFileName(), FDir / "real" / "target.ini");
    fs::create_symlink(FDir / "real" / "target.ini", TRegistry::StoreFileName());

    TRegistryChangeWatch watch(HKEY_CURRENT_USER, "Software\\Office", true);
    std::thread writer([] {
        TRegistry other;
        other.OpenKey("Software\\Office", false);
        other.WriteInteger("Theme", 2);
    });
    EXPECT_TRUE(watch.WaitForChange());
    writer.join();
    EXPECT_TRUE(fs::is_symlink(TRegistry::StoreFileName()));
}
