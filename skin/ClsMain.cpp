#include "skin/ClsMain.h"

#include "skin/MsgBoxLayout.h"

namespace varnix {

namespace {

const std::string ProgramTitle = "Varnix Chess";

bool FitsByte(long value) { return value >= 0 && value <= 255; }

} // namespace

std::string ClsMain::Caption() const { return Controls().caption1.text; }

void ClsMain::SetCaption(const std::string& text) {
    Controls().caption1.text = text;
    Controls().caption2.text = text;
}

std::string ClsMain::Prompt() const { return Controls().prompt.text; }
void ClsMain::SetPrompt(const std::string& text) { Controls().prompt.text = text; }

void ClsMain::SetButtons(long value) {
    if (FitsByte(value)) buttons_ = value;
}

void ClsMain::SetIcon(long value) {
    if (FitsByte(value)) icon_ = value;
}

std::optional<Sprite> ClsMain::TitleIcon() const { return Controls().titleIcon; }
void ClsMain::SetTitleIcon(std::optional<Sprite> picture) { Controls().titleIcon = std::move(picture); }

Pixel ClsMain::BackColor() const { return Controls().backColour; }
void ClsMain::SetBackColor(Pixel colour) { Controls().backColour = colour; }
Pixel ClsMain::PromptColor() const { return Controls().prompt.colour; }
void ClsMain::SetPromptColor(Pixel colour) { Controls().prompt.colour = colour; }
Pixel ClsMain::CaptionColor() const { return Controls().caption2.colour; }
void ClsMain::SetCaptionColor(Pixel colour) { Controls().caption2.colour = colour; }
Pixel ClsMain::CaptionShadowColor() const { return Controls().caption1.colour; }
void ClsMain::SetCaptionShadowColor(Pixel colour) { Controls().caption1.colour = colour; }
Pixel ClsMain::OkButtonCaptionColor() const { return Controls().okLabel.colour; }
void ClsMain::SetOkButtonCaptionColor(Pixel colour) { Controls().okLabel.colour = colour; }
Pixel ClsMain::NoButtonCaptionColor() const { return Controls().noLabel.colour; }
void ClsMain::SetNoButtonCaptionColor(Pixel colour) { Controls().noLabel.colour = colour; }

int ClsMain::ShowMsg() {
    MsgBoxState& state = context_.State();
    state.isMsgBox = true;
    // Only a button records an answer; a box closed any other way answers none.
    state.msgResult = 0;
    context_.ShowForm([&](FrmMsg& form, const ScreenArea& screen) {
        FrmMsgControls& controls = form.Controls();
        const int msgType = LayoutMessageBox(controls, buttons_, screen.width * 3 / 4, form.Skin().text);
        if (msgType != 0) {
            state.msgType = msgType;
            form.SetShape(ShapeForm(controls));
        }
        context_.GetPlatform().Beep();
    });
    switch (state.msgResult) {
    case 1:
    case 2: return MsgBoxOk;
    case 3: return MsgBoxNo;
    case 4: return MsgBoxCancel;
    default: return MsgBoxNone;
    }
}

std::string ClsMain::ShowInput() {
    MsgBoxState& state = context_.State();
    state.isMsgBox = false;
    state.msgResult = 0;
    state.inputResult.clear();
    context_.ShowForm([&](FrmMsg& form, const ScreenArea& screen) {
        state.msgType = MsgTypeYesNo;
        LayoutInputBox(form.Controls(), screen.width / 2, form.Skin().text);
        form.SetShape(ShapeForm(form.Controls()));
    });
    return state.inputResult;
}

void ClsMain::Configure(const std::string& message, const std::string& title, int msgIcon, bool useIcon,
                        std::optional<Sprite> picture, Pixel textColor) {
    SetPrompt(message);
    SetCaption(title.empty() ? ProgramTitle : title);
    if (useIcon) {
        SetTitleIcon(std::move(picture));
    } else if (msgIcon == 0) {
        SetTitleIcon({});
    } else if (msgIcon >= 1 && msgIcon <= 4) {
        static constexpr MsgIconKind ByCode[] = {MsgIconKind::Critical, MsgIconKind::Exclamation,
                                                 MsgIconKind::Information, MsgIconKind::Question};
        SetTitleIcon(context_.Form().Skin().Icon(ByCode[msgIcon - 1]));
    }
    SetBackColor(Rgb(206, 206, 206));
    SetCaptionColor(Rgb(255, 255, 255));
    SetCaptionShadowColor(Rgb(0, 0, 0));
    SetYesButtonCaptionColor(Rgb(0, 0, 255));
    SetNoButtonCaptionColor(Rgb(0, 0, 0));
    SetPromptColor(textColor);
}

int ClsMain::MsgBoxXP(const std::string& message, const std::string& title, int buttons, int msgIcon, bool useIcon,
                      std::optional<Sprite> picture, Pixel textColor) {
    context_.State().isMsgBox = true;
    ClsMain box(context_);
    box.Configure("  " + message, title, msgIcon, useIcon, std::move(picture), textColor);
    box.SetButtons(buttons);
    return box.ShowMsg();
}

std::string ClsMain::InputBoxXP(const std::string& message, const std::string& title, int msgIcon,
                                std::optional<int> x, std::optional<int> y, bool useIcon,
                                std::optional<Sprite> picture, Pixel textColor) {
    const auto pixels = [](std::optional<int> twips) -> std::optional<int> {
        if (!twips) return {};
        return TwipsToPixels(*twips);
    };
    context_.Form().MoveTo(pixels(x), pixels(y));
    context_.State().isMsgBox = false;
    ClsMain box(context_);
    box.Configure("  " + message, title, msgIcon, useIcon, std::move(picture), textColor);
    return box.ShowInput();
}

} // namespace varnix
