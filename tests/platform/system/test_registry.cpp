// SPDX-License-Identifier: MIT
// The read-only registry: keys, paths and values, case-insensitive, with the root keys
// kept apart.
#include <kwgfx/platform/system/Registry.h>

#include <gtest/gtest.h>

using namespace kw::platform;

TEST(RegistryStore, KeysPathsAndValues) {
    RegistryClear();
    RegistryWriteString(HKEY_CURRENT_USER, "Software\\Maker\\App", "Dir", "/opt/app/");
    RegistryWriteString(HKEY_CURRENT_USER, "Software\\Maker\\App", "", "default");
    TRegistry reg;
    EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
    EXPECT_EQ(reg.ReadString("Dir"), "");          // no key open
    EXPECT_TRUE(reg.KeyExists("software\\maker")); // keys above a value exist too
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\Maker\\Missing"));
    EXPECT_FALSE(reg.HasCurrentKey());
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\\\maker\\"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("App")); // below the open key
    EXPECT_EQ(reg.CurrentPath(), "software\\maker\\app");
    EXPECT_EQ(reg.ReadString("dir"), "/opt/app/");
    EXPECT_EQ(reg.ReadString(""), "default");
    EXPECT_TRUE(reg.ValueExists("DIR"));
    EXPECT_FALSE(reg.ValueExists("Other"));
    EXPECT_EQ(reg.ReadString("Other"), "");
    reg.SetRootKey(HKEY_LOCAL_MACHINE); // closes the key
    EXPECT_FALSE(reg.HasCurrentKey());
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\Maker\\App"));
    reg.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_TRUE(RegistryDeleteKey(HKEY_CURRENT_USER, "software\\maker"));
    EXPECT_FALSE(reg.KeyExists("Software\\Maker\\App"));
    EXPECT_TRUE(reg.KeyExists("Software"));
    EXPECT_FALSE(RegistryDeleteKey(HKEY_CURRENT_USER, "software\\maker"));
    RegistryClear();
}
