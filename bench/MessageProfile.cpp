#include "MessageProfile.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

#include "Timing.h"

namespace vistrel::bench {

namespace {

struct Name {
    UINT id;
    const char* name;
};

// The messages the program's list, toolbar and check boxes see most.
constexpr Name kMessages[] = {
    {WM_SETREDRAW, "WM_SETREDRAW"},
    {WM_GETTEXT, "WM_GETTEXT"},
    {WM_PAINT, "WM_PAINT"},
    {WM_ERASEBKGND, "WM_ERASEBKGND"},
    {WM_NCPAINT, "WM_NCPAINT"},
    {WM_NOTIFY, "WM_NOTIFY"},
    {WM_PRINT, "WM_PRINT"},
    {WM_PRINTCLIENT, "WM_PRINTCLIENT"},
    {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
    {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
    {BM_GETCHECK, "BM_GETCHECK"},
    {LVM_GETIMAGELIST, "LVM_GETIMAGELIST"},
    {LVM_SETIMAGELIST, "LVM_SETIMAGELIST"},
    {LVM_GETITEMCOUNT, "LVM_GETITEMCOUNT"},
    {LVM_GETITEMA, "LVM_GETITEMA"},
    {LVM_SETITEMA, "LVM_SETITEMA"},
    {LVM_INSERTITEMA, "LVM_INSERTITEMA"},
    {LVM_DELETEALLITEMS, "LVM_DELETEALLITEMS"},
    {LVM_GETNEXTITEM, "LVM_GETNEXTITEM"},
    {LVM_GETITEMRECT, "LVM_GETITEMRECT"},
    {LVM_REDRAWITEMS, "LVM_REDRAWITEMS"},
    {LVM_INSERTCOLUMNA, "LVM_INSERTCOLUMNA"},
    {LVM_SETITEMSTATE, "LVM_SETITEMSTATE"},
    {LVM_GETITEMSTATE, "LVM_GETITEMSTATE"},
    {LVM_GETITEMTEXTA, "LVM_GETITEMTEXTA"},
    {LVM_SETITEMTEXTA, "LVM_SETITEMTEXTA"},
    {LVM_SETITEMPOSITION32, "LVM_SETITEMPOSITION32"},
    {TB_ENABLEBUTTON, "TB_ENABLEBUTTON"},
};

constexpr Name kNotifications[] = {
    {static_cast<UINT>(LVN_ITEMCHANGING), "LVN_ITEMCHANGING"},
    {static_cast<UINT>(LVN_ITEMCHANGED), "LVN_ITEMCHANGED"},
    {static_cast<UINT>(LVN_INSERTITEM), "LVN_INSERTITEM"},
    {static_cast<UINT>(LVN_DELETEITEM), "LVN_DELETEITEM"},
    {static_cast<UINT>(LVN_DELETEALLITEMS), "LVN_DELETEALLITEMS"},
    {static_cast<UINT>(NM_CUSTOMDRAW), "NM_CUSTOMDRAW"},
};

std::string Lookup(const Name* table, size_t size, UINT id) {
    for (size_t i = 0; i < size; ++i)
        if (table[i].id == id) return table[i].name;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", id);
    return hex;
}

std::string MessageName(const CWPSTRUCT& message) {
    std::string name = Lookup(kMessages, std::size(kMessages), message.message);
    if (message.message == WM_NOTIFY && message.lParam) {
        const auto* header = reinterpret_cast<const NMHDR*>(message.lParam);
        name.append(" ").append(Lookup(kNotifications, std::size(kNotifications), header->code));
    }
    return name;
}

}  // namespace

MessageProfile* MessageProfile::active_ = nullptr;

MessageProfile::MessageProfile() {
    active_ = this;
    before_ = SetWindowsHookExA(WH_CALLWNDPROC, Before, nullptr, GetCurrentThreadId());
    after_ = SetWindowsHookExA(WH_CALLWNDPROCRET, After, nullptr, GetCurrentThreadId());
}

MessageProfile::~MessageProfile() { Stop(); }

void MessageProfile::Stop() {
    if (before_) UnhookWindowsHookEx(before_);
    if (after_) UnhookWindowsHookEx(after_);
    before_ = after_ = nullptr;
    if (active_ == this) active_ = nullptr;
}

LRESULT CALLBACK MessageProfile::Before(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && active_) {
        const auto& message = *reinterpret_cast<const CWPSTRUCT*>(lParam);
        char className[64] = {};
        GetClassNameA(message.hwnd, className, sizeof className);
        ++active_->countsByClass_[className];
        std::string key = MessageName(message);
        key.append(" to ").append(className);
        active_->open_.push_back({std::move(key), NowMs(), 0.0});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MessageProfile::After(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && active_ && !active_->open_.empty()) {
        const Open done = active_->open_.back();
        active_->open_.pop_back();
        const double inclusive = NowMs() - done.start;
        Kind& kind = active_->kinds_[done.key];
        ++kind.count;
        kind.ms += inclusive - done.nestedMs;
        if (active_->open_.empty())
            active_->insideMs_ += inclusive;
        else
            active_->open_.back().nestedMs += inclusive;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

long MessageProfile::Count() const {
    long total = 0;
    for (const auto& [name, count] : countsByClass_) total += count;
    return total;
}

std::string MessageProfile::CountsByClass() const {
    std::vector<std::pair<long, std::string>> rows;
    for (const auto& [name, count] : countsByClass_) rows.emplace_back(count, name);
    std::sort(rows.rbegin(), rows.rend());
    std::string text;
    for (const auto& [count, name] : rows) {
        if (!text.empty()) text += ", ";
        text.append(name).append(" ").append(std::to_string(count));
    }
    return text.empty() ? "none" : text;
}

std::string MessageProfile::Heaviest(size_t rows) const {
    std::vector<std::pair<double, std::string>> sorted;
    for (const auto& [key, kind] : kinds_) {
        char line[200];
        std::snprintf(line, sizeof line, "    %-55s %5ld x %8.1f us = %7.2f ms\n", key.c_str(),
                      kind.count, 1000.0 * kind.ms / static_cast<double>(kind.count), kind.ms);
        sorted.emplace_back(kind.ms, line);
    }
    std::sort(sorted.rbegin(), sorted.rend());
    std::string text;
    for (size_t i = 0; i < sorted.size() && i < rows; ++i) text += sorted[i].second;
    return text;
}

}  // namespace vistrel::bench
