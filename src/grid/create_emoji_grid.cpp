// Building the grid: a fresh document view with one button per emoji.
#include "app/zindo_app.h"
#include "catalogue/catalogue.h"
#include "catalogue/search_filter.h"
#include "catalogue/skin_tones.h"
#include "grid/grid_layout.h"

namespace zindo {
namespace {

constexpr double kTitleFontSize = 28.0;
// Where a cell has more than a click shows, its description says how to reach it.
constexpr std::string_view kHasSkinTones = "; skin tones: right-click or Menu key";

// "🐶, dog, puppy, pet, face, animal": what the cell shows, then what it means.
// Sized first: two grids of 932 are built per keystroke.
std::string describe(EmojiString emoji, KeywordMap::Keywords keywords, std::string_view note) {
    std::size_t length = emoji.size() + note.size();
    for (const std::string_view keyword : keywords) length += 2 + keyword.size();
    std::string description;
    description.reserve(length);
    description += emoji;
    for (const std::string_view keyword : keywords) {
        description += ", ";
        description += keyword;
    }
    description += note;
    return description;
}

std::vector<platform::Button::Alternate> alternatesOf(std::span<const SkinTone> tones,
                                                      const LanguageWords* languageWords) {
    std::vector<platform::Button::Alternate> alternates;
    alternates.reserve(tones.size());
    for (const SkinTone& tone : tones)
        alternates.push_back({std::string(tone.form), std::string(nameOf(tone, languageWords))});
    return alternates;
}

}  // namespace

void ZindoApp::createEmojiGrid(platform::ScrollView& scrollView, std::string_view searchTerm) {
    const Catalogue catalogue = buildCatalogue();
    const std::vector<EmojiString> emojis = filteredEmojis(searchTerm, catalogue);

    scrollView.setDocumentView(nullptr);

    const auto count = static_cast<std::int64_t>(emojis.size());
    const grid::GridLayout layout = grid::gridLayout(count);
    auto document = std::make_shared<platform::View>();
    document->setFrame(layout.documentFrame);

    static constexpr platform::Selector kEmojiButtonClicked =
        platform::makeSelector<&ZindoApp::emojiButtonClicked>("emojiButtonClicked:");
    static constexpr platform::Selector kSkinToneChosen =
        platform::makeSelector<&ZindoApp::skinToneChosen>("skinToneChosen:");
    for (std::int64_t index = 0; index < count; ++index) {
        const EmojiString emoji = emojis[static_cast<std::size_t>(index)];
        auto button = std::make_shared<platform::Button>(layout.buttonFrame(index));
        button->setTitle(emoji);
        button->setBezelStyle(platform::BezelStyle::rounded);
        button->setTarget(this);
        button->setAction(kEmojiButtonClicked);
        button->setFont(platform::Font::systemFontOfSize(kTitleFontSize));
        button->setBordered(false);
        const std::span<const SkinTone> tones = skinTonesOf(emoji);
        button->setToolTip(describe(emoji, catalogue.emojiKeywords.lookup(emoji), tones.empty() ? "" : kHasSkinTones));
        if (!tones.empty()) {
            button->setAlternates(alternatesOf(tones, catalogue.languageWords));
            button->setAlternateAction(kSkinToneChosen);
        }
        document->addSubview(std::move(button));
    }

    scrollView.setDocumentView(std::move(document));
}

}  // namespace zindo
