#pragma once
// The common base of everything that can be the sender of an event: windows,
// toolbar buttons and menu items. Handlers shared by several senders tell them
// apart by their Tag, as the main window's handlers do.

#include <functional>
#include <string>

namespace vistrel::tk {

class Component {
public:
    Component() = default;
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    int Tag = 0;
    // "short|long": the short part is the tooltip, the long part the status line.
    std::string Hint;
};

using NotifyEvent = std::function<void(Component& sender)>;

// Components that run a command when WM_COMMAND arrives with their id and no
// control handle: menu items, toolbar buttons. The id is allocated once.
class CommandTarget : public Component {
public:
    CommandTarget();
    explicit CommandTarget(int fixedId);
    ~CommandTarget() override;

    int CommandId() const { return id_; }
    virtual void Click() = 0;

    static CommandTarget* FromId(int id);

private:
    int id_;
};

}  // namespace vistrel::tk
