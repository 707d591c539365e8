#pragma once
// ListBox: a single-selection list box of texts, as the VCL's TListBox.

#include <windows.h>

#include <string>

#include "toolkit/Window.h"

namespace vistrel::tk {

class ListBox : public Window {
public:
    void Create(Window* parent, int id, const RECT& bounds, int itemHeight);

    int Count() const;
    std::string Item(int index) const;
    void Add(const std::string& text);
    void SetItem(int index, const std::string& text);
    void Delete(int index);
    void Clear();
    // -1 for none; setting does not run OnClick.
    int ItemIndex() const;
    void SetItemIndex(int index);

    NotifyEvent OnClick;  // the user chose an entry

protected:
    bool OnCommand(WORD id, WORD code) override;
};

}  // namespace vistrel::tk
