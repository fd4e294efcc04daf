#include "document/EditKind.h"

#include <iterator>

namespace {
// How each kind of edit is named in the Edit menu, and whether undoing it
// brings its slide into view (show-wide edits leave the preview where it is).
struct KindLook {
    const char* text;
    bool showsItsSlide;
};
constexpr KindLook kKinds[] = {
    {"Add Picture(s)", true},    // AddPictures
    {"Change Picture", true},    // ReplacePicture
    {"Delete Picture", true},    // DeletePicture
    {"Caption", true},           // Caption
    {"Caption Colours", true},   // CaptionColors
    {"Background", true},        // SlideBackground
    {"Colours", false},          // ShowColors
    {"Song", false},             // Song
    {"Caption Font", false},     // CaptionFont
    {"Delay", false},            // Delay
    {"Options", false},          // Options
    {"Names and Folder", false}, // KeptAnswers
    {"Swap Pictures", true},     // SwapPictures
};
static_assert(std::size(kKinds) == static_cast<std::size_t>(EditKind::SwapPictures) + 1);
} // namespace

ShowEdit MakeEdit(EditKind kind, ShowChange change, quint64 mergeKey) {
    const KindLook& look = kKinds[static_cast<std::size_t>(kind)];
    return {QString::fromLatin1(look.text), std::move(change),
            mergeKey != 0 ? static_cast<int>(kind) : -1, mergeKey, look.showsItsSlide};
}
