#include "skin/MsgBoxLayout.h"

#include "skin/PromptText.h"
#include "skin/WindowShape.h"

#include <algorithm>

namespace varnix {

namespace {

constexpr double MinBoxWidth = 2000;
constexpr double PromptLeft = 150;
constexpr double ButtonGapBelowPrompt = 250;
constexpr double CaptionBelowButtonTop = 55;
constexpr double TitleHeight = 450;
constexpr double DesignPromptWidth = 2550;
constexpr double MinInputPromptWidth = 4000;

// Gives an auto-sized label its text and the size that text needs.
void SetLabel(FrmMsgLabel& label, const std::string& text, const TextMeasure& measure) {
    label.text = text;
    const TwipRect size = LabelSize(ParseMnemonic(text).text, measure);
    label.rect.width = size.width;
    label.rect.height = size.height;
}

// Shows a second or third button: it takes the normal picture, and with it the picture's size.
void ShowButton(FrmMsgImage& button, const FrmMsgImage& first) {
    button.visible = true;
    button.rect.width = first.rect.width;
    button.rect.height = first.rect.height;
}

void PlaceCaption(FrmMsgLabel& label, const FrmMsgImage& button, double left) {
    label.rect.top = button.rect.top + CaptionBelowButtonTop;
    label.rect.left = left;
}

double FirstButtonTop(const FrmMsgControls& form) {
    return form.prompt.rect.top + form.prompt.rect.height + ButtonGapBelowPrompt;
}

void LayoutOk(FrmMsgControls& form, const TextMeasure& measure) {
    SizeForm(form, BoxKind::Message, MsgTypeOk);
    SetLabel(form.okLabel, form.okLabel.text, measure);
    form.ok.rect.top = FirstButtonTop(form);
    form.ok.rect.left = (form.width - form.ok.rect.width) / 2;
    PlaceCaption(form.okLabel, form.ok, (form.width - form.okLabel.rect.width) / 2);
    form.closeButton.visible = false;
}

// The Yes and No buttons as the Yes/No and the Yes/No/Cancel boxes share them.
void PlaceYesNo(FrmMsgControls& form, double gap, double yesCaptionOffset, const TextMeasure& measure) {
    form.ok.rect.top = FirstButtonTop(form);
    form.ok.rect.left = gap;
    SetLabel(form.okLabel, "Yes", measure);
    PlaceCaption(form.okLabel, form.ok, form.ok.rect.left + yesCaptionOffset);
    form.no.rect.top = form.ok.rect.top;
    form.no.rect.left = form.ok.rect.left + form.ok.rect.width + gap;
    form.noLabel.visible = true;
    SetLabel(form.noLabel, "No", measure);
    PlaceCaption(form.noLabel, form.no, form.no.rect.left + 470);
}

void LayoutYesNo(FrmMsgControls& form, const TextMeasure& measure) {
    SizeForm(form, BoxKind::Message, MsgTypeYesNo);
    const double gap = (form.width - form.ok.rect.width - form.no.rect.width) / 3;
    ShowButton(form.no, form.ok);
    PlaceYesNo(form, gap, 500, measure);
    form.closeButton.visible = false;
}

void LayoutYesNoCancel(FrmMsgControls& form, const TextMeasure& measure) {
    SizeForm(form, BoxKind::Message, MsgTypeYesNoCancel);
    const double gap = (form.width - form.ok.rect.width - form.no.rect.width - form.cancel.rect.width) / 4;
    ShowButton(form.no, form.ok);
    ShowButton(form.cancel, form.ok);
    PlaceYesNo(form, gap, 470, measure);
    form.cancel.rect.top = form.ok.rect.top;
    form.cancel.rect.left = form.no.rect.left + form.no.rect.width + gap;
    form.cancelLabel.visible = true;
    SetLabel(form.cancelLabel, form.cancelLabel.text, measure);
    PlaceCaption(form.cancelLabel, form.cancel, form.cancel.rect.left + 200);
    form.closeButton.visible = true;
}

} // namespace

void SizeForm(FrmMsgControls& form, BoxKind kind, int msgType) {
    TwipRect& p = form.prompt.rect;
    p.left = PromptLeft;
    if (kind == BoxKind::Message) {
        form.width = std::max(p.width + 200, MinBoxWidth);
        form.height = p.height + p.top + 500 + form.ok.rect.height;
        if (msgType == MsgTypeYesNo)
            form.width = std::max(form.width, form.ok.rect.width + form.no.rect.width + 300);
        if (msgType == MsgTypeYesNoCancel)
            form.width =
                std::max(form.width, form.ok.rect.width + form.no.rect.width + form.cancel.rect.width + 400);
    } else {
        form.width = std::max(p.width + 200 + form.ok.rect.width + 100, MinBoxWidth);
        form.height = p.height + p.top + form.inputField.height + 470 + 100;
    }
    PlaceSkin(form);
}

void PlaceSkin(FrmMsgControls& form) {
    const double w = form.width, h = form.height;
    TwipRect& left = form.titleLeft.rect;
    TwipRect& right = form.titleRight.rect;
    left.left = 0;
    left.top = 0;
    form.title.rect = {left.width, 0, w - left.width - right.width, form.title.rect.height};
    right.left = w - right.width;
    right.top = 0;
    TwipRect& close = form.closeButton.rect;
    close.left = right.left - close.width - 2;
    close.top = (form.title.rect.height - close.height) / 2;
    form.bLeft.rect = {0, left.height, form.bLeft.rect.width, h - left.height};
    form.bRight.rect = {w - form.bRight.rect.width, right.height, form.bRight.rect.width, form.bLeft.rect.height};
    form.bottom.rect = {form.bLeft.rect.width, h - form.bottom.rect.height,
                        w - form.bLeft.rect.width - form.bRight.rect.width, form.bottom.rect.height};
    form.bottomLeft.rect.left = 0;
    form.bottomLeft.rect.top = h - form.bottomLeft.rect.height;
    form.bottomRight.rect.left = w - form.bottomRight.rect.width;
    form.bottomRight.rect.top = h - form.bottomRight.rect.height;
}

std::vector<RowSpan> ShapeForm(FrmMsgControls& form) {
    const TwipSize size = EnforceMinimumShapeSize({form.width, form.height});
    form.width = size.width;
    form.height = size.height;
    return ShapeSpans(size);
}

int LayoutMessageBox(FrmMsgControls& form, int buttons, int maxPromptWidth, const TextMeasure& measure) {
    form.promptCentred = true;
    const bool known = buttons >= 0 && buttons <= 2;
    // The design label wraps within its own width; the sized layouts within the screen's share.
    const int wrapWidth = known ? maxPromptWidth : TwipsToPixels(DesignPromptWidth);
    SetLabel(form.prompt, WrapPrompt(form.prompt.text, wrapWidth, measure).text, measure);
    switch (buttons) {
    case 0:
        LayoutOk(form, measure);
        return MsgTypeOk;
    case 1:
        LayoutYesNo(form, measure);
        return MsgTypeYesNo;
    case 2:
        LayoutYesNoCancel(form, measure);
        return MsgTypeYesNoCancel;
    default:
        SetLabel(form.okLabel, form.okLabel.text, measure);
        PlaceCaption(form.okLabel, form.ok, form.ok.rect.left + (form.ok.rect.width - form.okLabel.rect.width) / 2);
        return 0;
    }
}

void LayoutInputBox(FrmMsgControls& form, int maxPromptWidth, const TextMeasure& measure) {
    form.promptCentred = false;
    const WrappedPrompt wrapped = WrapPrompt(form.prompt.text, maxPromptWidth, measure);
    SetLabel(form.prompt, wrapped.text, measure);
    if (!wrapped.rebroken) form.prompt.rect.width = std::max(form.prompt.rect.width, MinInputPromptWidth);
    SizeForm(form, BoxKind::Input, MsgTypeYesNo);

    // The second button's height here is still its design height.
    const double gap = (form.height - form.ok.rect.height - form.no.rect.height - TitleHeight - 100) / 3;
    form.ok.rect.left = form.prompt.rect.width + 200;
    form.ok.rect.top = gap + TitleHeight;
    ShowButton(form.no, form.ok);
    form.no.rect.left = form.ok.rect.left;
    form.no.rect.top = form.ok.rect.top + form.ok.rect.height + gap;
    SetLabel(form.okLabel, "OK", measure);
    PlaceCaption(form.okLabel, form.ok, form.ok.rect.left + 400);
    form.noLabel.visible = true;
    SetLabel(form.noLabel, "Cancel", measure);
    PlaceCaption(form.noLabel, form.no, form.no.rect.left + 230);
    form.closeButton.visible = true;

    form.inputFrame.visible = true;
    form.inputFrame.rect.left = 70;
    form.inputFrame.rect.top = form.no.rect.top;
    form.inputFrame.rect.width = form.prompt.rect.width + 40;
    form.inputField.left = 70;
    form.inputField.top = 20;
    form.inputField.width = form.inputFrame.rect.width - 150;
}

} // namespace varnix
