#include "catalogue/HoverText.h"

#include "common/Utf16.h"

namespace vistrel {

std::u16string HoverText(std::u16string_view title, std::u16string_view path, const HoverStates& states) {
    std::u16string text(title);
    const std::u16string_view file = FileNamePart(path);
    if (!file.empty()) {
        text += u"\r\n";
        text += file;
    }
    const std::u16string_view folder = path.substr(0, path.size() - file.size());
    if (!folder.empty()) {
        text += u"\r\n";
        text += folder;
    }
    std::u16string marks;
    const auto mark = [&](bool on, std::u16string_view word) {
        if (!on) return;
        if (!marks.empty()) marks += u"、";
        marks += word;
    };
    mark(states.minimised, u"最小化");
    mark(states.parked, u"画面の外");
    mark(states.translucent, u"透明");
    mark(states.clipped, u"クリッピング");
    if (!marks.empty()) {
        text += u"\r\n";
        text += marks;
    }
    return text;
}

}  // namespace vistrel
