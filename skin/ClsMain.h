// The program's message box: fill in a box and show it, or use MsgBoxXP /
// InputBoxXP, which do both. Any number of these objects may exist; all of
// them drive the one box window of their context.
#pragma once

#include "platform/Surface.h"
#include "skin/MsgBoxContext.h"
#include "skin/Sprite.h"

#include <optional>
#include <string>

namespace varnix {

// Results of ShowMsg and MsgBoxXP.
constexpr int MsgBoxOk = 6; // OK or Yes
constexpr int MsgBoxNo = 7;
constexpr int MsgBoxCancel = 2;
constexpr int MsgBoxNone = 0;

class ClsMain {
public:
    explicit ClsMain(MsgBoxContext& context) : context_(context) {}

    std::string Caption() const;
    void SetCaption(const std::string& text);
    std::string Prompt() const;
    void SetPrompt(const std::string& text);
    // Byte-sized; a value outside 0 to 255 is refused and the old one kept.
    long Buttons() const { return buttons_; }
    void SetButtons(long value);
    long Icon() const { return icon_; }
    void SetIcon(long value);
    std::optional<Sprite> TitleIcon() const;
    void SetTitleIcon(std::optional<Sprite> picture);
    Pixel BackColor() const;
    void SetBackColor(Pixel colour);
    Pixel PromptColor() const;
    void SetPromptColor(Pixel colour);
    Pixel CaptionColor() const;
    void SetCaptionColor(Pixel colour);
    Pixel CaptionShadowColor() const;
    void SetCaptionShadowColor(Pixel colour);
    // The OK and the Yes caption are one label.
    Pixel OkButtonCaptionColor() const;
    void SetOkButtonCaptionColor(Pixel colour);
    Pixel YesButtonCaptionColor() const { return OkButtonCaptionColor(); }
    void SetYesButtonCaptionColor(Pixel colour) { SetOkButtonCaptionColor(colour); }
    Pixel NoButtonCaptionColor() const;
    void SetNoButtonCaptionColor(Pixel colour);

    // Shows the box as configured and waits: MsgBoxOk, MsgBoxNo, MsgBoxCancel or MsgBoxNone.
    int ShowMsg();
    // Shows the input box as configured and waits: the text entered, "" when cancelled.
    std::string ShowInput();

    // Configures a new box and shows it. buttons: 0 OK, 1 Yes/No, 2 Yes/No/Cancel;
    // msgIcon: 0 none, 1 critical, 2 exclamation, 3 information, 4 question.
    int MsgBoxXP(const std::string& message, const std::string& title = "", int buttons = 0, int msgIcon = 0,
                 bool useIcon = false, std::optional<Sprite> picture = {}, Pixel textColor = 0);
    // x, y: the window's top-left corner in twips; without them the box is centred.
    std::string InputBoxXP(const std::string& message, const std::string& title = "", int msgIcon = 0,
                           std::optional<int> x = {}, std::optional<int> y = {}, bool useIcon = false,
                           std::optional<Sprite> picture = {}, Pixel textColor = 0);

private:
    // Steps shared by both boxes: prompt, title, icon and colours.
    void Configure(const std::string& message, const std::string& title, int msgIcon, bool useIcon,
                   std::optional<Sprite> picture, Pixel textColor);
    FrmMsgControls& Controls() const { return context_.Form().Controls(); }

    MsgBoxContext& context_;
    long buttons_ = 0;
    long icon_ = 3;
};

} // namespace varnix
