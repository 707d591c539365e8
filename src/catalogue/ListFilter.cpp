#include "catalogue/ListFilter.h"

#include "catalogue/FindFolding.h"
#include "common/Utf16.h"

namespace vistrel {

namespace {

bool IsControl(char16_t unit) { return unit < 0x20 || unit == 0x7F; }

}  // namespace

FindQuery::FindQuery(std::u16string_view typed) : folded_(FoldForFind(typed)), reading_(ReadRomaji(folded_)) {
    byReading_ = reading_.kana != folded_ || !reading_.next.empty();
}

bool FindQuery::Matches(std::u16string_view title, std::u16string_view exePath) const {
    if (folded_.empty()) return true;
    FoldBuffer buffer;
    return FoundIn(buffer.Fold(title)) || FoundIn(buffer.Fold(FileNamePart(exePath)));
}

bool FindQuery::FoundIn(std::u32string_view text) const {
    if (text.find(folded_) != std::u32string_view::npos) return true;
    if (!byReading_) return false;
    const std::u32string_view kana = reading_.kana;
    for (size_t at = text.find(kana); at != std::u32string_view::npos; at = text.find(kana, at + 1)) {
        if (reading_.next.empty()) return true;
        const std::u32string_view after = text.substr(at + kana.size());
        for (const std::u32string& next : reading_.next)
            if (after.starts_with(next)) return true;
    }
    return false;
}

bool ListFilter::Append(char16_t unit) {
    const char16_t high = pendingHigh_;
    pendingHigh_ = 0;
    if (IsControl(unit)) return false;
    if (IsHighSurrogate(unit)) {
        pendingHigh_ = unit;
        return false;
    }
    if (IsLowSurrogate(unit)) {
        if (high == 0) return false;
        text_ += high;
    }
    text_ += unit;
    TextChanged();
    return true;
}

bool ListFilter::RemoveLast() {
    pendingHigh_ = 0;
    if (text_.empty()) return false;
    // Append keeps only whole pairs, so a low surrogate at the end has its high one before it.
    const size_t length = IsLowSurrogate(text_.back()) && text_.size() >= 2 ? 2 : 1;
    text_.resize(text_.size() - length);
    TextChanged();
    return true;
}

bool ListFilter::Clear() {
    pendingHigh_ = 0;
    if (text_.empty()) return false;
    text_.clear();
    TextChanged();
    return true;
}

bool MatchesFilter(std::u16string_view filter, std::u16string_view title, std::u16string_view exePath) {
    return FindQuery(filter).Matches(title, exePath);
}

std::u16string FilterStatusText(std::u16string_view filter, size_t shown) {
    std::u16string text = u"検索: ";
    text += filter;
    text += u" (";
    text += AsciiToUtf16(std::to_string(shown));
    text += u')';
    return text;
}

}  // namespace vistrel
