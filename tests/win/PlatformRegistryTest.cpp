// The settings key: opening without creating, DWORD values, odd values.

#include "platform/Registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace vistrel::platform {
namespace {

// A scratch key under HKEY_CURRENT_USER, made for one test and deleted after.
class PlatformRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = "Software\\VistrelPlatformTest" + std::to_string(GetCurrentProcessId());
        // The settings key's last part is the application title, with a
        // Shift-JIS character in it.
        path_ = base_ + "\\Vistrel α";
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegCloseKey(key);
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str()); }

    void SetRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_SET_VALUE, &key));
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(key);
    }

    std::string base_;
    std::string path_;
};

TEST_F(PlatformRegistry, SettingsRoundTrip) {
    {
        RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, "\\" + path_, KEY_WRITE);
        ASSERT_TRUE(key);
        EXPECT_TRUE(key.WriteDword("hi", 1));
        EXPECT_TRUE(key.WriteDword("clip", 0));
        EXPECT_TRUE(key.WriteDword("tims", 500));
        EXPECT_TRUE(key.WriteDword("big", 0xFFFFFFFFu));
    }
    RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, path_, KEY_READ);
    ASSERT_TRUE(key);
    EXPECT_EQ(std::optional<uint32_t>(1), key.ReadDword("hi"));
    EXPECT_EQ(std::optional<uint32_t>(0), key.ReadDword("clip"));
    EXPECT_EQ(std::optional<uint32_t>(500), key.ReadDword("tims"));
    EXPECT_EQ(std::optional<uint32_t>(0xFFFFFFFFu), key.ReadDword("big"));
    EXPECT_EQ(std::nullopt, key.ReadDword("absent"));
}

TEST_F(PlatformRegistry, ValuesOfAnotherTypeOrSizeReadAsMissing) {
    const uint32_t four = 7;
    const uint16_t two = 7;
    const uint64_t eight = 7;
    const char text[] = "7";
    SetRaw("string", REG_SZ, text, sizeof text);
    SetRaw("binary", REG_BINARY, &four, sizeof four);
    SetRaw("short dword", REG_DWORD, &two, sizeof two);
    SetRaw("empty dword", REG_DWORD, nullptr, 0);
    SetRaw("qword", REG_QWORD, &eight, sizeof eight);
    SetRaw("big endian", REG_DWORD_BIG_ENDIAN, &four, sizeof four);
    SetRaw("good", REG_DWORD, &four, sizeof four);

    RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, path_, KEY_READ);
    ASSERT_TRUE(key);
    for (const char* name :
         {"string", "binary", "short dword", "empty dword", "qword", "big endian"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(std::nullopt, key.ReadDword(name));
    }
    EXPECT_EQ(std::optional<uint32_t>(7), key.ReadDword("good"));
}

TEST_F(PlatformRegistry, AMissingKeyIsNeverCreated) {
    const std::string missing = base_ + "\\Missing";
    for (REGSAM access : {REGSAM(KEY_READ), REGSAM(KEY_WRITE)}) {
        RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, "\\" + missing, access);
        EXPECT_FALSE(key);
        EXPECT_EQ(std::nullopt, key.ReadDword("hi"));
        EXPECT_FALSE(key.WriteDword("hi", 1));
    }
    HKEY probe = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, missing.c_str(), 0, KEY_READ, &probe));
}

TEST_F(PlatformRegistry, AKeyOpenedForReadingDoesNotWrite) {
    RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, path_, KEY_READ);
    ASSERT_TRUE(key);
    EXPECT_FALSE(key.WriteDword("hi", 1));
    EXPECT_EQ(std::nullopt, key.ReadDword("hi"));

    RegistryKey moved = std::move(key);
    EXPECT_FALSE(key);  // a moved-from owner is empty
    EXPECT_TRUE(moved);
}

}  // namespace
}  // namespace vistrel::platform
