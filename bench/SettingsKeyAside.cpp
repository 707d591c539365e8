#include "SettingsKeyAside.h"

#include "common/AppIdentity.h"

namespace vistrel::bench {

namespace {

class KeyOwner {
public:
    KeyOwner() = default;
    ~KeyOwner() {
        if (key_) RegCloseKey(key_);
    }
    KeyOwner(const KeyOwner&) = delete;
    KeyOwner& operator=(const KeyOwner&) = delete;
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

SettingsKeyAside::SettingsKeyAside() {
    {
        KeyOwner key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, key.out()) != ERROR_SUCCESS)
            return;
        existed_ = true;
        for (DWORD index = 0;; ++index) {
            char name[256];
            DWORD nameLength = sizeof name;
            BYTE data[1024];
            DWORD dataSize = sizeof data;
            Value value;
            if (RegEnumValueA(key.get(), index, name, &nameLength, nullptr, &value.type, data,
                              &dataSize) != ERROR_SUCCESS)
                break;
            value.name.assign(name, nameLength);
            value.data.assign(data, data + dataSize);
            values_.push_back(std::move(value));
        }
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
}

SettingsKeyAside::~SettingsKeyAside() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);  // whatever the run left
    if (!existed_) return;
    KeyOwner key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                        key.out(), nullptr) != ERROR_SUCCESS)
        return;
    for (const Value& value : values_)
        RegSetValueExA(key.get(), value.name.c_str(), 0, value.type, value.data.data(),
                       static_cast<DWORD>(value.data.size()));
}

}  // namespace vistrel::bench
