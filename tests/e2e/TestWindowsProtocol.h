#pragma once
// The wire format between the end-to-end driver and the testwindows helper.
//
// The helper (testwindows.exe, or testwindows.dll inside another process)
// runs a message-only control window of class kControlClassPrefix + its
// process id. Message-only windows are never enumerated, so the control never
// shows up in the window list under test. The driver finds it with
// FindWindowEx(HWND_MESSAGE, ...) and sends it WM_COPYDATA carrying one
// Command; the LRESULT is the answer (a window handle, 1 for done, 0 for
// failed). Answers that do not fit a LRESULT (a window's state, the window
// list) are written into the named mapping kReplyMappingPrefix + process id
// before the WM_COPYDATA returns, so the sender reads them afterwards without
// a race.
//
// Every change of a window's counts (prints, close requests, entering or
// leaving a hang) also sets the named manual-reset event
// kCountsEventPrefix + process id, so the driver can wait for a count to reach
// a value instead of polling it on a clock.
//
// Both 64-bit: handles travel as uint64_t. No <windows.h> here, so the
// picture arithmetic and the command-line codec are plain C++.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace vistrel::e2e::protocol {

constexpr const char* kControlClassPrefix = "VistrelTestControl";
// Windows of this class carry a class icon of one colour, kIconColour.
constexpr const char* kIconClass = "VistrelTestIcon";
constexpr uint32_t kIconColour = 0xFF00FF;  // COLORREF: magenta, in no test picture
constexpr const char* kReplyMappingPrefix = "VistrelTestReply";
constexpr const char* kCountsEventPrefix = "VistrelTestCounts";

// dwData of the WM_COPYDATA; also Command::op.
enum class Op : uint32_t {
    Ping = 1,       // -> process id
    Create,         // kind, title, x, y, width, height, colour, owner, className, group, flags -> HWND
    Minimise,       // window -> 1
    Restore,        // window -> 1
    Show,           // window -> 1 (shown without activation)
    Hide,           // window -> 1
    Rename,         // window, title -> 1
    Move,           // window, x, y, width, height -> 1
    SetColour,      // window, colour -> 1 (repainted at once)
    Close,          // window -> 1 (destroyed on its own thread)
    Hang,           // window, milliseconds -> 1; the window's thread then stays away until woken, at most that long
    Wake,           // window (0: every window) -> 1; ends the hang without a message to the hung thread
    State,          // window -> 1, WindowState in the reply (also for a window already closed)
    ResetCounts,    // window -> 1
    List,           // -> number of windows, WindowList in the reply
    CloseAll,       // -> 1
    ExitWhenEmpty,  // -> 1; the exe ends once its last window is closed (ignored by the DLL)
    Quit,           // -> 1; the exe ends; the DLL closes its windows and keeps its control
    Crash,          // -> 1; a thread of the helper's process faults, with no handler of its own
    // window, owner (the target), milliseconds (a message), x, y (its wParam
    // and lParam) -> 1. The next time the window is asked anything (WM_NULL,
    // the question programs ask before they wait for a window), it sends
    // that message to the target from inside the question, once.
    SendWhenAsked,
};

enum class Kind : uint32_t {
    Frame = 0,  // overlapped window with caption, frame, minimise and maximise boxes
    Popup,      // WS_POPUP with a thin border
    Tool,       // captioned window with WS_EX_TOOLWINDOW
    Dialog,     // a real dialog box (#32770), owned when an owner is given
    ZeroSize,   // visible, titled, 0 x 0: the hidden application window some frameworks keep
};

// Command::flags
constexpr uint32_t kFlagHidden = 1;      // created but never shown
constexpr uint32_t kFlagNoActivate = 2;  // shown without taking activation
constexpr uint32_t kFlagRefuseClose = 4; // WM_CLOSE is counted and refused, as by "save changes?"
constexpr uint32_t kFlagRefuseMove = 8;  // stays where it is whoever moves it, as a program run as administrator
constexpr uint32_t kFlagUtf8Title = 16;  // the title is UTF-8, and the window holds it in UTF-16 as given

constexpr int kTitleSize = 256;
constexpr int kClassSize = 64;
constexpr int kMaxListed = 256;

struct Command {
    Op op = Op::Ping;
    Kind kind = Kind::Frame;
    uint64_t window = 0;
    uint64_t owner = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t colour = 0;  // COLORREF, 0x00BBGGRR
    uint32_t milliseconds = 0;
    uint32_t group = 0;   // windows of one group share one thread (0: the default thread)
    uint32_t flags = 0;
    char title[kTitleSize] = {};
    char className[kClassSize] = {};  // empty: the kind's own class
};

struct WindowState {
    uint64_t window = 0;
    uint32_t exists = 0;  // 0 once the window is destroyed; the counts below stay readable
    uint32_t visible = 0;
    uint32_t iconic = 0;
    int32_t left = 0, top = 0, right = 0, bottom = 0;                    // GetWindowRect
    int32_t clientLeft = 0, clientTop = 0, clientRight = 0, clientBottom = 0;  // screen coordinates
    int32_t normalLeft = 0, normalTop = 0, normalRight = 0, normalBottom = 0;  // GetWindowPlacement
    uint32_t colour = 0;
    uint32_t printCount = 0;        // WM_PRINT received
    uint32_t closeRequests = 0;     // WM_CLOSE received (each one destroys the window)
    uint32_t hanging = 0;           // 1 while the window's thread is inside a hang
    uint32_t threadId = 0;
    uint64_t owner = 0;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    char title[kTitleSize] = {};  // as last set by the helper; read without sending a message
    char className[kClassSize] = {};
};

struct WindowList {
    uint32_t count = 0;
    uint64_t windows[kMaxListed] = {};  // in creation order
};

struct Reply {
    WindowState state;
    WindowList list;
};

// The picture every test window shows, in outer-window coordinates (frame
// included): the window's colour with a block of the inverse colour in the
// upper-left quarter of the middle. Large enough to survive scaling down to a
// thumbnail, and asymmetric, so a flipped or shifted capture shows.
constexpr uint32_t InverseColour(uint32_t colour) { return ~colour & 0xFFFFFFu; }

struct Block {
    int left, top, right, bottom;
};

constexpr Block MarkBlock(int width, int height) { return {width / 4, height / 4, width / 2, height / 2}; }

constexpr uint32_t PictureColourAt(uint32_t colour, int x, int y, int width, int height) {
    const Block b = MarkBlock(width, height);
    return (x >= b.left && x < b.right && y >= b.top && y < b.bottom) ? InverseColour(colour) : colour;
}

// The exe's command line: one argument per initial window,
//   kind[/class]:x,y,width,height,colour:title
// kind as in KindName, an optional window class instead of the kind's own,
// colour as hexadecimal COLORREF (BBGGRR); the title is the rest of the
// argument, colons and commas included. "--exit-when-empty"
// ends the helper once its last window is closed.
constexpr const char* kExitWhenEmptyArgument = "--exit-when-empty";
// "--record FILE ARG" (alone): writes its working folder, a line break and
// ARG into FILE and ends, so that the helper can stand in for the program a
// document is opened with.
constexpr const char* kRecordArgument = "--record";

inline const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Frame: return "frame";
    case Kind::Popup: return "popup";
    case Kind::Tool: return "tool";
    case Kind::Dialog: return "dialog";
    case Kind::ZeroSize: return "zerosize";
    }
    return "frame";
}

inline std::string FormatWindowArgument(const Command& c) {
    std::string kind = KindName(c.kind);
    if (c.className[0]) kind += std::string("/") + c.className;
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, ":%d,%d,%d,%d,%06X:", static_cast<int>(c.x), static_cast<int>(c.y),
                  static_cast<int>(c.width), static_cast<int>(c.height), static_cast<unsigned>(c.colour));
    return kind + numbers + c.title;
}

inline bool ParseWindowArgument(const std::string& text, Command& out) {
    const size_t kindEnd = text.find(':');
    if (kindEnd == std::string::npos) return false;
    std::string name = text.substr(0, kindEnd);
    std::string className;
    if (const size_t slash = name.find('/'); slash != std::string::npos) {
        className = name.substr(slash + 1);
        name.resize(slash);
        if (className.empty() || className.size() >= sizeof out.className) return false;
    }
    bool known = false;
    for (Kind k : {Kind::Frame, Kind::Popup, Kind::Tool, Kind::Dialog, Kind::ZeroSize}) {
        if (name == KindName(k)) {
            out.kind = k;
            known = true;
        }
    }
    if (!known) return false;
    const size_t numbersEnd = text.find(':', kindEnd + 1);
    if (numbersEnd == std::string::npos) return false;
    const std::string numbers = text.substr(kindEnd + 1, numbersEnd - kindEnd - 1);
    int x, y, w, h, used = 0;
    unsigned colour;
    if (std::sscanf(numbers.c_str(), "%d,%d,%d,%d,%x%n", &x, &y, &w, &h, &colour, &used) != 5 ||
        used != static_cast<int>(numbers.size()))
        return false;
    const std::string title = text.substr(numbersEnd + 1);
    if (title.size() >= sizeof out.title) return false;
    out.op = Op::Create;
    out.x = x;
    out.y = y;
    out.width = w;
    out.height = h;
    out.colour = colour & 0xFFFFFFu;
    std::memset(out.title, 0, sizeof out.title);
    std::memcpy(out.title, title.data(), title.size());
    std::memset(out.className, 0, sizeof out.className);
    std::memcpy(out.className, className.data(), className.size());
    return true;
}

// Splits a command line as the driver quotes it: arguments separated by
// spaces, double quotes around an argument that holds spaces. Quotes inside
// an argument are not supported (titles never need them).
inline std::vector<std::string> SplitCommandLine(const std::string& line) {
    std::vector<std::string> args;
    std::string current;
    bool quoted = false, any = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (c == ' ' && !quoted) {
            if (any) args.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) args.push_back(current);
    return args;
}

}  // namespace vistrel::e2e::protocol
