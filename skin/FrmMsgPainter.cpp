#include "skin/FrmMsgPainter.h"

#include "skin/PromptText.h"

#include <algorithm>
#include <functional>

namespace varnix {

namespace {

constexpr Pixel FieldColour = Rgb(255, 255, 255);
constexpr Pixel FieldText = Rgb(0, 0, 0);
constexpr int FieldPadding = 2;

// Runs draw on a copy of the clip rectangle (coordinates stay the window's)
// and puts back only that rectangle, so text cannot spill out of it.
void DrawClipped(Surface& surface, const PixelRect& clip, const std::function<void(Surface&)>& draw) {
    if (clip.width <= 0 || clip.height <= 0) return;
    Surface scratch(clip.x + clip.width, clip.y + clip.height);
    Blit(scratch, clip.x, clip.y, clip.width, clip.height, surface, clip.x, clip.y, RasterOp::Copy);
    draw(scratch);
    Blit(surface, clip.x, clip.y, clip.width, clip.height, scratch, clip.x, clip.y, RasterOp::Copy);
}

void DrawImage(Surface& surface, const FrmMsgImage& image, const Sprite& picture) {
    if (image.visible) DrawSprite(surface, ImageRect(image), picture);
}

// A caption with its access key underlined; pressed buttons carry it a pixel lower.
void DrawLabel(Surface& surface, const FrmMsgLabel& label, const SkinFont& font, bool pressed) {
    if (!label.visible) return;
    const MnemonicText caption = ParseMnemonic(label.text);
    const PixelRect at = ToPixels(label.rect);
    const int y = at.y + (pressed ? 1 : 0);
    font.Draw(surface, at.x, y, caption.text, label.colour);
    if (caption.underlined < 0) return;
    const std::size_t key = std::size_t(caption.underlined);
    std::size_t keyEnd = key + 1;
    while (keyEnd < caption.text.size() && (caption.text[keyEnd] & 0xC0) == 0x80) ++keyEnd;
    const int x0 = at.x + font.TextWidth(std::string_view(caption.text).substr(0, key));
    const int x1 = at.x + font.TextWidth(std::string_view(caption.text).substr(0, keyEnd));
    surface.FillRect(x0, y + font.Ascent() + 1, std::max(1, x1 - x0), 1, label.colour);
}

void DrawPrompt(Surface& surface, const FrmMsgControls& form, const SkinFont& font) {
    const PixelRect at = ToPixels(form.prompt.rect);
    const std::vector<std::string> lines = SplitLines(form.prompt.text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int y = at.y + int(i) * font.LineHeight();
        if (!form.promptCentred) {
            font.Draw(surface, at.x, y, lines[i], form.prompt.colour);
            continue;
        }
        // Centred on the window, by the ink: the leading spaces only indent a left-aligned prompt.
        const std::string& line = lines[i];
        const std::size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        const std::string_view ink = std::string_view(line).substr(first, line.find_last_not_of(' ') + 1 - first);
        font.Draw(surface, (surface.Width() - font.TextWidth(ink)) / 2, y, ink, form.prompt.colour);
    }
}

// The four lines around the field, as a pixel rectangle: its edges are the lines.
PixelRect FieldLines(const FrmMsgControls& form) {
    const TwipRect& frame = form.inputFrame.rect;
    const int left = TwipsToPixels(frame.left + 60), right = TwipsToPixels(frame.left + frame.width - 64);
    const int top = TwipsToPixels(frame.top + 10);
    const int bottom = TwipsToPixels(frame.top + form.inputField.top + form.inputField.height + 10);
    return {left, top, right - left + 1, bottom - top + 1};
}

void DrawInput(Surface& surface, const FrmMsgControls& form, const InputField& field, const SkinFont& font) {
    if (!form.inputFrame.visible) return;
    const PixelRect lines = FieldLines(form);
    surface.FillRect(lines.x, lines.y, lines.width, lines.height, form.inputLineColour);
    const PixelRect box = InputFieldRect(form);
    surface.FillRect(box.x, box.y, box.width, box.height, FieldColour);
    // Keep the caret in view: the text scrolls left once it is wider than the field.
    const int caretX = font.TextWidth(std::string_view(field.Text()).substr(0, field.Caret()));
    const PixelRect inner{box.x + FieldPadding, box.y, box.width - 2 * FieldPadding, box.height};
    const int scroll = std::max(0, caretX - (inner.width - 1));
    const int textY = box.y + (box.height - font.LineHeight()) / 2;
    DrawClipped(surface, inner, [&](Surface& s) {
        font.Draw(s, inner.x - scroll, textY, field.Text(), FieldText);
        s.FillRect(inner.x - scroll + caretX, textY, 1, font.LineHeight(), FieldText);
    });
}

void DrawTitle(Surface& surface, const FrmMsgControls& form, const SkinResources& skin) {
    if (form.titleIcon) DrawSprite(surface, ImageRect(form.icon), *form.titleIcon);
    // The title stops short of the close button, or of the title's right end.
    const int right = form.closeButton.visible ? ImageRect(form.closeButton).x - 2 : ImageRect(form.titleRight).x + 8;
    const PixelRect clip{0, 0, right, ImageRect(form.title).height};
    DrawClipped(surface, clip, [&](Surface& s) {
        for (const FrmMsgLabel* caption : {&form.caption1, &form.caption2}) {
            const PixelRect at = ToPixels(caption->rect);
            skin.bold.Draw(s, at.x, at.y, caption->text, caption->colour);
        }
    });
}

} // namespace

int FormPixelWidth(const FrmMsgControls& form) { return TwipsToPixels(form.width); }

int FormPixelHeight(const FrmMsgControls& form) { return TwipsToPixels(form.height); }

PixelRect InputFieldRect(const FrmMsgControls& form) {
    const PixelRect lines = FieldLines(form);
    return {lines.x + 1, lines.y + 1, lines.width - 2, lines.height - 2};
}

Surface PaintFrmMsg(const FrmMsgControls& form, const ButtonLooks& looks, const InputField& field,
                    const SkinResources& skin) {
    Surface surface(FormPixelWidth(form), FormPixelHeight(form), form.backColour);
    const SkinPictures& pictures = skin.pictures;
    DrawImage(surface, form.title, pictures.title);
    DrawImage(surface, form.titleLeft, pictures.titleLeft);
    DrawImage(surface, form.titleRight, pictures.titleRight);
    DrawImage(surface, form.bLeft, pictures.bLeft);
    DrawImage(surface, form.bRight, pictures.bRight);
    DrawImage(surface, form.bottom, pictures.bottom);
    DrawImage(surface, form.bottomLeft, pictures.bottomLeft);
    DrawImage(surface, form.bottomRight, pictures.bottomRight);
    DrawTitle(surface, form, skin);
    DrawImage(surface, form.closeButton, pictures.Close(looks[std::size_t(MsgButton::Close)]));

    DrawPrompt(surface, form, skin.text);
    const auto look = [&](MsgButton b) { return looks[std::size_t(b)]; };
    DrawImage(surface, form.ok, pictures.Button(look(MsgButton::Ok)));
    DrawImage(surface, form.no, pictures.Button(look(MsgButton::No)));
    DrawImage(surface, form.cancel, pictures.Button(look(MsgButton::Cancel)));
    DrawLabel(surface, form.okLabel, skin.text, look(MsgButton::Ok) == ButtonLook::Pressed);
    DrawLabel(surface, form.noLabel, skin.text, look(MsgButton::No) == ButtonLook::Pressed);
    DrawLabel(surface, form.cancelLabel, skin.text, look(MsgButton::Cancel) == ButtonLook::Pressed);
    DrawInput(surface, form, field, skin.text);
    return surface;
}

} // namespace varnix
