// The check mark that fades in and out over a copied emoji.
#include "app/zindo_app.h"
#include "platform/animation_context.h"
#include "platform/appearance.h"

namespace zindo {
namespace {

constexpr double kLabelOffsetPt = 10.0;  // centres the 24-point label on a 44-point button
constexpr double kLabelSizePt = 24.0;
constexpr double kCheckMarkFontSize = 20.0;
constexpr std::string_view kCheckMark = "\u2705";
constexpr double kFadeInSeconds = 0.15;
constexpr double kFadeOutSeconds = 0.15;

}  // namespace

void ZindoApp::showGreenFlash(platform::Point point, platform::View& view) {
    auto label = std::make_shared<platform::TextField>(
        platform::Rect{point.x + kLabelOffsetPt, point.y + kLabelOffsetPt, kLabelSizePt, kLabelSizePt});
    label->setStringValue(kCheckMark);
    label->setEditable(false);
    label->setBordered(false);
    label->setBackgroundColor(platform::Color::clear);
    label->setFont(platform::Font::systemFontOfSize(kCheckMarkFontSize));
    label->setAlignment(platform::TextAlignment::center);
    label->setAlphaValue(0.0);
    view.addSubview(label);

    using platform::AnimationContext;
    AnimationContext::runAnimationGroup(
        [label](AnimationContext& context) {
            context.setDuration(kFadeInSeconds);
            label->animator().setAlphaValue(1.0);
        },
        [label] {
            AnimationContext::runAnimationGroup(
                [label](AnimationContext& context) {
                    context.setDuration(kFadeOutSeconds);
                    label->animator().setAlphaValue(0.0);
                },
                [label] { label->removeFromSuperview(); });
        });
}

}  // namespace zindo
