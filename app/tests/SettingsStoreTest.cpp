// The settings file: reading keeps values of missing keys, writing the five keys.
#include "app/SettingsStore.h"

#include "testsupport/TempFolder.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

using testsupport::ReadFile;
using testsupport::TempFolder;
using testsupport::WriteFile;

TEST(SettingsStoreTest, FileNameIsTheProgramWithTheExtensionIni)
{
    app::SetSettingsFileName("");
    const std::string name = app::SettingsFileName();
    EXPECT_TRUE(name.ends_with("/app_tests.INI")) << name;
    app::SetSettingsFileName("/tmp/other.INI");
    EXPECT_EQ(app::SettingsFileName(), "/tmp/other.INI");
    app::SetSettingsFileName("");
}

TEST(SettingsStoreTest, MissingFileAndMissingKeysKeepTheCurrentValues)
{
    TempFolder dir("settings");
    TSettingsStore store;
    app::ReadSettingsFile(dir / "none.INI", store);
    EXPECT_EQ(store.opt1 + store.opt2 + store.opt3 + store.opt4 + store.opt5, "");

    WriteFile(dir / "part.INI", "[Settings]\r\nopt1=38.5\r\nopt5=14\r\n");
    store.opt2 = "-94.25";
    app::ReadSettingsFile(dir / "part.INI", store);
    EXPECT_EQ(store.opt1, "38.5");
    EXPECT_EQ(store.opt2, "-94.25");
    EXPECT_EQ(store.opt5, "14");
}

TEST(SettingsStoreTest, ResetDefaultsWrittenAndReadBack)
{
    TempFolder dir("settings");
    const TSettingsStore defaults = app::ResetDefaults("/opt/vistra/");
    EXPECT_EQ(defaults.opt1, "38.920346");
    EXPECT_EQ(defaults.opt2, "-94.854674");
    EXPECT_EQ(defaults.opt3, "/opt/vistra/Files/MarkerFiles/");
    EXPECT_EQ(defaults.opt4, "/opt/vistra/Files/MarkerFiles/vistra091.csv");
    EXPECT_EQ(defaults.opt5, "12");

    app::WriteSettingsFile(dir / "v.INI", defaults);
    const std::string text = ReadFile(dir / "v.INI");
    EXPECT_NE(text.find("[Settings]"), std::string::npos);
    EXPECT_LT(text.find("opt1=38.920346"), text.find("opt5=12"));
    TSettingsStore back;
    app::ReadSettingsFile(dir / "v.INI", back);
    EXPECT_EQ(back.opt3, defaults.opt3);
    EXPECT_EQ(back.opt4, defaults.opt4);
}

TEST(SettingsStoreTest, UnwritableFileRaises)
{
    TSettingsStore store;
    EXPECT_THROW(app::WriteSettingsFile("/nonexistent-folder/x.INI", store), EIniFileException);
}
