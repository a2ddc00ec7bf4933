// SPDX-License-Identifier: MIT
// The class registry: classes found by name in any case, with their parents.
#include <kwgfx/platform/system/ClassRegistry.h>

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

using namespace kw::platform;

TEST(ClassRegistry, ClassesByNameWithTheirParents) {
    static constexpr TClassRecord TControlClass{"TControl", &TComponentClass};
    static constexpr TClassRecord TOtherControlClass{"TCONTROL", &TObjectClass};
    EXPECT_EQ(GetClass("TControl"), nullptr);
    EXPECT_TRUE(RegisterClass(&TControlClass));
    EXPECT_TRUE(RegisterClass(&TControlClass)); // again: still registered
    EXPECT_FALSE(RegisterClass(&TOtherControlClass));
    EXPECT_EQ(GetClass("tcontrol"), &TControlClass);

    std::vector<std::string_view> chain;
    for (TClass c = GetClass("TControl"); c; c = c->ClassParent()) chain.push_back(c->ClassName());
    EXPECT_EQ(chain,
              (std::vector<std::string_view>{"TControl", "TComponent", "TPersistent", "TObject"}));
    UnRegisterClass(&TControlClass);
    EXPECT_EQ(GetClass("TControl"), nullptr);
    EXPECT_EQ(GetClass("TPersistent"), &TPersistentClass);
    EXPECT_EQ(GetClass("TObject"), nullptr); // the root is known as a parent only
}
