#pragma once
// StatusBar: the one-line status line at the bottom of a form (a common
// controls status bar in simple mode). The form places it (Align::Bottom);
// the control neither places nor sizes itself, and it is always 19 pixels high.

#include <string>

#include "toolkit/Window.h"

namespace vistrel::tk {

class StatusBar : public Window {
public:
    static constexpr int kHeight = 19;

    void Create(Window* parent, int id);

    // The program's own texts, and those that name another program's window
    // as it names itself.
    void SetSimpleText(const std::string& text);
    void SetSimpleText(const std::u16string& text);
    // Kept here: reading the simple part back is not alike in all versions
    // of the control (an outside reader asks for part 0, see the tests).
    const std::u16string& SimpleText() const { return simpleText_; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::u16string simpleText_;
};

}  // namespace vistrel::tk
