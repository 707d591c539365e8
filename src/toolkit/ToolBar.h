#pragma once
// ToolBar and ToolButton: a flat toolbar (ToolbarWindow32) whose buttons are
// command targets. A button is not a window; the toolbar reports a click as
// WM_COMMAND(id) to its parent, which reflects it back here, and a command
// sent by id from outside (WM_COMMAND with no control handle) reaches the
// button through the command registry, so both end in ToolButton::Click.

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/Window.h"

namespace vistrel::tk {

class ImageList;
class MenuItem;
class PopupMenu;
class ToolBar;

enum class ToolButtonStyle { Button, DropDown, Separator };

class ToolButton : public CommandTarget {
public:
    ToolButton() = default;
    explicit ToolButton(int fixedId) : CommandTarget(fixedId) {}
    ~ToolButton() override;

    // Read when the button is added to its toolbar.
    int ImageIndex = -1;
    ToolButtonStyle Style = ToolButtonStyle::Button;

    // Drop-down buttons show DropdownMenu under the arrow. With DropdownItem
    // set (an item of DropdownMenu), only that item's submenu is shown, as
    // the VCL does for a button bound to a menu item.
    PopupMenu* DropdownMenu = nullptr;
    MenuItem* DropdownItem = nullptr;

    NotifyEvent OnClick;

    // Kept here until the button is on a toolbar; from then on the toolbar's
    // state is the truth, so TB_ENABLEBUTTON from anyone is seen.
    void SetEnabled(bool enabled);
    bool Enabled() const;

    void Click() override;

private:
    friend class ToolBar;
    ToolBar* toolbar_ = nullptr;
    bool enabled_ = true;
};

class ToolBar : public Window {
public:
    ~ToolBar() override;

    // Flat, transparent, tooltips, drop-down arrows, no wrapping; placed by
    // its parent (no divider, no self-sizing). Its height follows the buttons.
    void Create(Window* parent, int id);

    void SetImages(ImageList& images);
    // Buttons are shown in the order they are added. The button must outlive
    // the toolbar or be destroyed before it (it detaches itself).
    void AddButton(ToolButton& button);
    // A separator of `width` pixels with `control` placed over it, as a VCL
    // toolbar holds a panel after its buttons. The control must be created
    // as a child of this toolbar; it keeps its own height.
    void AddControlSpace(Window& control, int width);
    // A new width for a control's space (the DPI changed).
    void SetControlSpace(Window& control, int width);
    // From the toolbar's left edge to the right edge of its last item.
    int ContentWidth() const;

    int ButtonHeight() const;
    int ButtonCount() const;
    ToolButton* ButtonFromId(int id) const;
    // Screen rectangle of a button (empty when it is not on this toolbar).
    RECT ButtonScreenRect(const ToolButton& button) const;

    COLORREF Color = RGB(255, 255, 255);

    // The hint of the button under the point; the toolbar's own hint elsewhere.
    std::string HintAt(POINT clientPoint) const override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(WORD id, WORD code) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

private:
    friend class ToolButton;
    void Remove(ToolButton& button);
    void AutoSize();
    void PlaceControls();
    void ShowDropDown(int commandId);
    bool TooltipText(NMHDR& header);
    void AdoptTooltip(HWND tooltip);
    void ForgetTooltip();

    HWND tooltip_ = nullptr;
    std::vector<ToolButton*> buttons_;
    std::vector<Window*> controls_;  // their separators carry the control in dwData
    std::string tooltipText_;        // must outlive the TTN_GETDISPINFO answer
    std::u16string tooltipTextWide_;
};

}  // namespace vistrel::tk
