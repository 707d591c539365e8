#include "common/SaveNaming.h"

#include "common/Utf16.h"

namespace vistrel {

namespace {

constexpr std::u16string_view kFolderEnds = u"\\/:";

// Where the extension's dot is, or npos.
size_t ExtensionStart(const std::u16string& name) {
    const size_t separator = name.find_last_of(kFolderEnds);
    const size_t dot = name.find_last_of(u'.');
    if (dot == std::u16string::npos) return std::u16string::npos;
    if (separator != std::u16string::npos && dot < separator) return std::u16string::npos;
    return dot;
}

}  // namespace

std::u16string SaveExtension(int filterIndex) { return filterIndex == 1 ? u".bmp" : u".jpg"; }

std::u16string ForceExtension(const std::u16string& name, const std::u16string& extension) {
    return BaseName(name) + extension;
}

std::u16string BaseName(const std::u16string& name) {
    const size_t dot = ExtensionStart(name);
    std::u16string base = dot == std::u16string::npos ? name : name.substr(0, dot);
    // A title cut to fit a buffer may end in the first half of a character
    // outside the BMP; the extension must not become its second half.
    while (!base.empty() && IsHighSurrogate(base.back())) base.pop_back();
    return base;
}

std::u16string NumberedName(const std::u16string& baseName, int position, const std::u16string& extension) {
    return baseName + AsciiToUtf16(std::to_string(position)) + extension;
}

std::u16string ProposedName(const std::u16string& title, bool titleIsFolder) {
    if (!titleIsFolder) return title;
    const size_t end = title.find_last_not_of(kFolderEnds.substr(0, 2));
    const std::u16string folder = end == std::u16string::npos ? std::u16string() : title.substr(0, end + 1);
    const size_t separator = folder.find_last_of(kFolderEnds);
    return separator == std::u16string::npos ? folder : folder.substr(separator + 1);
}

std::u16string CannotWriteMessage(std::u16string_view path) {
    std::u16string text(path);
    text += u" に書き込めません";
    return text;
}

std::u16string NothingCapturedMessage(const std::vector<std::u16string>& titles) {
    std::u16string text = u"次のウィンドウの画像を取り込めませんでした";
    for (const std::u16string& title : titles) text += u"\n" + title;
    return text;
}

std::string SaveDialogFailedMessage(unsigned long code) {
    return "保存ダイアログを開けません (エラー " + std::to_string(code) + ")";
}

}  // namespace vistrel
