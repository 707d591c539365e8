#include "common/SaveNaming.h"

namespace vistrel {

namespace {

// Where the extension's dot is, or npos.
size_t ExtensionStart(const std::string& name, LeadBytePredicate isLeadByte) {
    const size_t separator = FindLastOf(name, "\\/:", isLeadByte);
    const size_t dot = FindLastOf(name, ".", isLeadByte);
    if (dot == std::string::npos) return std::string::npos;
    if (separator != std::string::npos && dot < separator) return std::string::npos;
    return dot;
}

}  // namespace

std::string SaveExtension(int filterIndex) { return filterIndex == 1 ? ".bmp" : ".jpg"; }

std::string ForceExtension(const std::string& name, const std::string& extension,
                           LeadBytePredicate isLeadByte) {
    return BaseName(name, isLeadByte) + extension;
}

std::string BaseName(const std::string& name, LeadBytePredicate isLeadByte) {
    const size_t dot = ExtensionStart(name, isLeadByte);
    std::string base = dot == std::string::npos ? name : name.substr(0, dot);
    // A character cut off at the end (a title cut to fit a buffer) would take
    // the dot of the extension, or the digit of a numbered name, for its
    // second byte, and the file would have no extension.
    if (EndsInCutOffCharacter(base, isLeadByte)) base.pop_back();
    return base;
}

std::string NumberedName(const std::string& baseName, int position, const std::string& extension) {
    return baseName + std::to_string(position) + extension;
}

std::string ProposedName(const std::string& title, bool titleIsFolder, LeadBytePredicate isLeadByte) {
    if (!titleIsFolder) return title;
    const std::string folder = ExcludeTrailingSeparators(title, isLeadByte);
    const size_t separator = FindLastOf(folder, "\\/:", isLeadByte);
    return separator == std::string::npos ? folder : folder.substr(separator + 1);
}

std::string CannotWriteMessage(const std::string& path) { return path + " に書き込めません"; }

std::string NothingCapturedMessage(const std::vector<std::string>& titles) {
    std::string text = "次のウィンドウの画像を取り込めませんでした";
    for (const std::string& title : titles) text += "\n" + title;
    return text;
}

std::string SaveDialogFailedMessage(unsigned long code) {
    return "保存ダイアログを開けません (エラー " + std::to_string(code) + ")";
}

}  // namespace vistrel
