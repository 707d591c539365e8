#include "TestWindows.h"

#include "platform/Text.h"

#include <cstring>

namespace vistrel::e2e {
namespace {

using protocol::Command;
using protocol::Op;

constexpr int kConnectTimeoutMs = 20000;
// The helper gives up on a window's thread after 5 s; its answer comes a
// little later than that at worst.
constexpr int kAnswerTimeoutMs = 15000;

uint64_t Wire(HWND window) { return reinterpret_cast<uintptr_t>(window); }
HWND FromWire(uint64_t value) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(value)); }

void CopyText(char* target, size_t size, const std::string& text, const char* what) {
    if (text.size() >= size) throw DriverError(std::string(what) + " too long: " + text);
    std::memset(target, 0, size);
    std::memcpy(target, text.data(), text.size());
}

Command ToCommand(const WindowPlan& plan) {
    Command c;
    c.op = Op::Create;
    c.kind = plan.kind;
    c.x = plan.x;
    c.y = plan.y;
    c.width = plan.width;
    c.height = plan.height;
    c.colour = plan.colour;
    c.owner = Wire(plan.owner);
    c.group = plan.group;
    c.flags = (plan.hidden ? protocol::kFlagHidden : 0) | (plan.noActivate ? protocol::kFlagNoActivate : 0) |
              (plan.refusesClose ? protocol::kFlagRefuseClose : 0) | (plan.refusesMove ? protocol::kFlagRefuseMove : 0) |
              (plan.utf8Title ? protocol::kFlagUtf8Title : 0);
    CopyText(c.title, sizeof c.title, plan.title, "window title");
    CopyText(c.className, sizeof c.className, plan.className, "class name");
    return c;
}

const char* OpName(Op op) {
    switch (op) {
    case Op::Ping: return "ping";
    case Op::Create: return "create";
    case Op::Minimise: return "minimise";
    case Op::Restore: return "restore";
    case Op::Show: return "show";
    case Op::Hide: return "hide";
    case Op::Rename: return "rename";
    case Op::Move: return "move";
    case Op::SetColour: return "set colour";
    case Op::Close: return "close";
    case Op::Hang: return "hang";
    case Op::Wake: return "wake";
    case Op::State: return "state";
    case Op::ResetCounts: return "reset counts";
    case Op::List: return "list";
    case Op::CloseAll: return "close all";
    case Op::ExitWhenEmpty: return "exit when empty";
    case Op::Crash: return "crash";
    case Op::Quit: return "quit";
    case Op::SendWhenAsked: return "send when asked";
    }
    return "?";
}

}  // namespace

std::string HelperArgument(const WindowPlan& plan) {
    const std::string argument = protocol::FormatWindowArgument(ToCommand(plan));
    if (argument.find('"') != std::string::npos)
        throw DriverError("a double quote cannot be passed on the helper's command line: " + argument);
    return "\"" + argument + "\"";
}

TestWindows TestWindows::Connect(DWORD pid, bool guest, UniqueHandle process, int timeoutMs) {
    TestWindows helper;
    helper.pid_ = pid;
    helper.guest_ = guest;
    helper.process_ = std::move(process);
    const std::string controlClass = std::string(protocol::kControlClassPrefix) + std::to_string(pid);
    WaitUntil(
        [&] {
            helper.control_ = FindWindowExA(HWND_MESSAGE, nullptr, controlClass.c_str(), nullptr);
            return helper.control_ || (!guest && helper.process_ && HasExited(helper.process_.get()));
        },
        timeoutMs);
    if (!helper.control_) {
        DWORD code = 0;
        if (!guest && helper.process_ && HasExited(helper.process_.get())) {
            GetExitCodeProcess(helper.process_.get(), &code);
            throw DriverError("testwindows.exe ended with code " + std::to_string(code) +
                              " before its control window appeared (2: a bad window argument)");
        }
        throw DriverError("timed out after " + std::to_string(timeoutMs) +
                          " ms waiting for the testwindows control window in process " + std::to_string(pid));
    }
    const std::string mappingName = std::string(protocol::kReplyMappingPrefix) + std::to_string(pid);
    helper.mapping_.reset(OpenFileMappingA(FILE_MAP_READ, FALSE, mappingName.c_str()));
    if (!helper.mapping_) throw DriverError("cannot open the helper's reply mapping " + mappingName);
    helper.reply_ = static_cast<const protocol::Reply*>(
        MapViewOfFile(helper.mapping_.get(), FILE_MAP_READ, 0, 0, sizeof(protocol::Reply)));
    if (!helper.reply_) throw DriverError("cannot map the helper's reply mapping " + mappingName);
    const std::string countsName = std::string(protocol::kCountsEventPrefix) + std::to_string(pid);
    helper.countsChanged_.reset(OpenEventA(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, countsName.c_str()));
    if (!helper.countsChanged_) throw DriverError("cannot open the helper's event " + countsName);
    return helper;
}

TestWindows TestWindows::StartExe(const std::vector<WindowPlan>& initial, bool exitWhenEmpty) {
    const std::string exe = TestWindowsExePath();
    if (!FileExists(exe)) throw DriverError("testwindows.exe is missing: " + exe);
    return StartExeAt(platform::Widen(exe), initial, exitWhenEmpty);
}

TestWindows TestWindows::StartExeAt(const std::u16string& exe, const std::vector<WindowPlan>& initial,
                                    bool exitWhenEmpty) {
    std::string arguments;
    for (const WindowPlan& plan : initial) {
        if (!arguments.empty()) arguments += ' ';
        arguments += HelperArgument(plan);
    }
    if (exitWhenEmpty) arguments += std::string(arguments.empty() ? "" : " ") + protocol::kExitWhenEmptyArgument;
    // Wine now and then leaves the first program started in a cold prefix
    // without its window for good: that one is ended and started once more.
    for (int attempt = 1;; ++attempt) {
        Process p = StartProcess(exe, arguments, "");
        const DWORD id = p.id;
        UniqueHandle spare;
        HANDLE own = nullptr;
        if (DuplicateHandle(GetCurrentProcess(), p.handle.get(), GetCurrentProcess(), &own, 0, FALSE,
                            DUPLICATE_SAME_ACCESS))
            spare.reset(own);
        try {
            return Connect(id, false, std::move(p.handle), kConnectTimeoutMs);
        } catch (const DriverError&) {
            if (attempt == 2 || !spare || HasExited(spare.get())) throw;
            TerminateProcess(spare.get(), 1);
            WaitForSingleObject(spare.get(), 5000);
        }
    }
}

TestWindows TestWindows::Inject(HANDLE process, DWORD processId) {
    const std::string controlClass = std::string(protocol::kControlClassPrefix) + std::to_string(processId);
    if (!FindWindowExA(HWND_MESSAGE, nullptr, controlClass.c_str(), nullptr)) {
        const std::string dll = TestWindowsDllPath();
        if (!FileExists(dll)) throw DriverError("testwindows.dll is missing: " + dll);
        InjectDll(process, dll);
    }
    return Connect(processId, true, UniqueHandle(), kConnectTimeoutMs);
}


TestWindows::TestWindows(TestWindows&& other) noexcept
    : control_(std::exchange(other.control_, nullptr)),
      pid_(std::exchange(other.pid_, 0)),
      guest_(other.guest_),
      process_(std::move(other.process_)),
      mapping_(std::move(other.mapping_)),
      countsChanged_(std::move(other.countsChanged_)),
      reply_(std::exchange(other.reply_, nullptr)) {}

TestWindows& TestWindows::operator=(TestWindows&& other) noexcept {
    if (this != &other) {
        Release();
        control_ = std::exchange(other.control_, nullptr);
        pid_ = std::exchange(other.pid_, 0);
        guest_ = other.guest_;
        process_ = std::move(other.process_);
        mapping_ = std::move(other.mapping_);
        countsChanged_ = std::move(other.countsChanged_);
        reply_ = std::exchange(other.reply_, nullptr);
    }
    return *this;
}

TestWindows::~TestWindows() { Release(); }

void TestWindows::Release() noexcept {
    if (control_ && IsWindow(control_)) {
        try {
            // A window left hanging would keep its group from closing.
            WakeAll();
            if (guest_)
                CloseAll();
            else
                Quit();
        } catch (const DriverError&) {
            // A hung helper is ended below (the exe) or left to its host.
        }
    }
    if (!guest_ && process_ && WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
    if (reply_) UnmapViewOfFile(reply_);
    reply_ = nullptr;
    mapping_.reset();
    countsChanged_.reset();
    process_.reset();
    control_ = nullptr;
}

LRESULT TestWindows::Call(Command command) const {
    if (!control_) throw DriverError("the testwindows helper is not connected");
    COPYDATASTRUCT data{};
    data.dwData = static_cast<ULONG_PTR>(command.op);
    data.cbData = sizeof command;
    data.lpData = &command;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(control_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                             kAnswerTimeoutMs, &result)) {
        throw DriverError(std::string("testwindows (process ") + std::to_string(pid_) + ") did not answer \"" +
                          OpName(command.op) + "\" within " + std::to_string(kAnswerTimeoutMs) + " ms");
    }
    return static_cast<LRESULT>(result);
}

void TestWindows::Require(Op op, HWND window, LRESULT result, const char* what) const {
    if (result) return;
    throw DriverError(std::string("testwindows: ") + OpName(op) + " " + what + " of " + Describe(window) +
                      " failed (an unknown or closed window, or its thread did not answer)");
}

void TestWindows::WindowOp(Op op, HWND window, const char* what) {
    Command c;
    c.op = op;
    c.window = Wire(window);
    Require(op, window, Call(c), what);
}

HWND TestWindows::Create(const WindowPlan& plan) {
    const LRESULT result = Call(ToCommand(plan));
    if (!result)
        throw DriverError(std::string("testwindows: cannot create a ") + protocol::KindName(plan.kind) +
                          " window \"" + plan.title + "\"");
    return reinterpret_cast<HWND>(result);
}

std::pair<HWND, HWND> TestWindows::CreateZeroSizeApp(const std::string& appTitle, WindowPlan frame) {
    WindowPlan app;
    app.kind = Kind::ZeroSize;
    app.title = appTitle;
    app.x = frame.x;
    app.y = frame.y;
    app.group = frame.group;
    app.noActivate = true;
    HWND appWindow = Create(app);
    frame.owner = appWindow;
    return {appWindow, Create(frame)};
}

void TestWindows::Minimise(HWND window) { WindowOp(Op::Minimise, window, ""); }
void TestWindows::Restore(HWND window) { WindowOp(Op::Restore, window, ""); }
void TestWindows::Show(HWND window) { WindowOp(Op::Show, window, ""); }
void TestWindows::Hide(HWND window) { WindowOp(Op::Hide, window, ""); }
void TestWindows::Close(HWND window) { WindowOp(Op::Close, window, ""); }

void TestWindows::Rename(HWND window, const std::string& title) {
    Command c;
    c.op = Op::Rename;
    c.window = Wire(window);
    CopyText(c.title, sizeof c.title, title, "window title");
    Require(c.op, window, Call(c), ("to \"" + title + "\"").c_str());
}

void TestWindows::Move(HWND window, int x, int y, int width, int height) {
    Command c;
    c.op = Op::Move;
    c.window = Wire(window);
    c.x = x;
    c.y = y;
    c.width = width;
    c.height = height;
    Require(c.op, window, Call(c), "");
}

void TestWindows::SetColour(HWND window, uint32_t colour) {
    Command c;
    c.op = Op::SetColour;
    c.window = Wire(window);
    c.colour = colour;
    Require(c.op, window, Call(c), "");
}

void TestWindows::Hang(HWND window, int boundMs) {
    Command c;
    c.op = Op::Hang;
    c.window = Wire(window);
    c.milliseconds = static_cast<uint32_t>(boundMs);
    Require(c.op, window, Call(c), "");
}

void TestWindows::SendWhenAsked(HWND window, HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
    Command c;
    c.op = Op::SendWhenAsked;
    c.window = Wire(window);
    c.owner = Wire(target);
    c.milliseconds = message;
    c.x = static_cast<int32_t>(wParam);
    c.y = static_cast<int32_t>(lParam);
    Require(c.op, window, Call(c), "");
}

void TestWindows::Wake(HWND window) { WindowOp(Op::Wake, window, ""); }

void TestWindows::WakeAll() {
    Command c;
    c.op = Op::Wake;
    Call(c);
}

void TestWindows::ResetCounts(HWND window) { WindowOp(Op::ResetCounts, window, ""); }

TestWindowState TestWindows::State(HWND window) const {
    Command c;
    c.op = Op::State;
    c.window = Wire(window);
    Require(c.op, window, Call(c), "");
    const protocol::WindowState s = reply_->state;
    TestWindowState out;
    out.window = FromWire(s.window);
    out.exists = s.exists != 0;
    out.visible = s.visible != 0;
    out.iconic = s.iconic != 0;
    out.rect = {s.left, s.top, s.right, s.bottom};
    out.client = {s.clientLeft, s.clientTop, s.clientRight, s.clientBottom};
    out.normal = {s.normalLeft, s.normalTop, s.normalRight, s.normalBottom};
    out.colour = s.colour;
    out.printCount = s.printCount;
    out.closeRequests = s.closeRequests;
    out.hanging = s.hanging != 0;
    out.threadId = s.threadId;
    out.owner = FromWire(s.owner);
    out.style = s.style;
    out.exStyle = s.exStyle;
    out.title = std::string(s.title, strnlen(s.title, sizeof s.title));
    out.className = std::string(s.className, strnlen(s.className, sizeof s.className));
    return out;
}

TestWindowState TestWindows::WaitForState(HWND window, const std::function<bool(const TestWindowState&)>& done,
                                          int timeoutMs, const std::string& what) const {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        // Reset before the read: a change after it sets the event again.
        ResetEvent(countsChanged_.get());
        const TestWindowState s = State(window);
        if (done(s)) return s;
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            throw DriverError("timed out after " + std::to_string(timeoutMs) + " ms waiting for " + what + " of " +
                              Describe(window));
        WaitForSingleObject(countsChanged_.get(), static_cast<DWORD>(end - now));
    }
}

unsigned TestWindows::WaitForPrints(HWND window, unsigned atLeast, int timeoutMs) const {
    return WaitForState(
               window, [&](const TestWindowState& s) { return s.printCount >= atLeast; }, timeoutMs,
               std::to_string(atLeast) + " print requests")
        .printCount;
}

std::vector<HWND> TestWindows::Windows() const {
    Command c;
    c.op = Op::List;
    Call(c);
    const protocol::WindowList list = reply_->list;
    std::vector<HWND> windows;
    for (uint32_t i = 0; i < list.count && i < static_cast<uint32_t>(protocol::kMaxListed); ++i)
        windows.push_back(FromWire(list.windows[i]));
    return windows;
}

void TestWindows::CloseAll() {
    Command c;
    c.op = Op::CloseAll;
    if (!Call(c)) throw DriverError("testwindows: close all failed (a window's thread did not answer)");
}

void TestWindows::ExitWhenEmpty() {
    Command c;
    c.op = Op::ExitWhenEmpty;
    Call(c);
}

void TestWindows::Crash() {
    Command c;
    c.op = Op::Crash;
    if (!Call(c)) throw DriverError("testwindows: the crash could not be started");
}

void TestWindows::Quit() {
    Command c;
    c.op = Op::Quit;
    if (!Call(c)) throw DriverError("testwindows: quit failed (a window's thread did not answer)");
    if (!guest_) control_ = nullptr;
}

DWORD TestWindows::WaitForExit(int timeoutMs) {
    if (guest_ || !process_) throw DriverError("WaitForExit is for testwindows.exe only");
    const DWORD code = e2e::WaitForExit(process_.get(), timeoutMs, "testwindows.exe");
    control_ = nullptr;
    return code;
}

}  // namespace vistrel::e2e
