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

    void SetSimpleText(const std::string& text);
    std::string SimpleText() const;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace vistrel::tk
