#pragma once
// The program's settings key, put aside for a benchmark: the figures are for
// a first start (every option at its default), and the key the user or an
// earlier test left behind comes back afterwards, value for value.

#include <windows.h>

#include <string>
#include <vector>

namespace vistrel::bench {

class SettingsKeyAside {
public:
    SettingsKeyAside();   // saves the key's values, then deletes the key
    ~SettingsKeyAside();  // recreates the key when there was one
    SettingsKeyAside(const SettingsKeyAside&) = delete;
    SettingsKeyAside& operator=(const SettingsKeyAside&) = delete;

private:
    struct Value {
        std::string name;
        DWORD type = 0;
        std::vector<BYTE> data;
    };
    bool existed_ = false;
    std::vector<Value> values_;
};

}  // namespace vistrel::bench
