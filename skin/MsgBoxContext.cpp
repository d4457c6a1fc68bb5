#include "skin/MsgBoxContext.h"

namespace varnix {

const SkinResources& MsgBoxContext::Skin() {
    if (!skin_) skin_ = std::make_shared<const SkinResources>();
    return *skin_;
}

FrmMsg& MsgBoxContext::Form() {
    if (!form_) form_ = std::make_unique<FrmMsg>(state_, Skin());
    return *form_;
}

void MsgBoxContext::ShowForm(const std::function<void(FrmMsg&, const ScreenArea&)>& prepare) {
    // A box shown from inside another box's handlers gets the form to itself;
    // the outer one is kept alive until its own loop returns.
    std::unique_ptr<FrmMsg> form = std::move(form_);
    if (!form) form = std::make_unique<FrmMsg>(state_, Skin());
    std::unique_ptr<ModalWindow> window = platform_.CreateModalWindow();
    prepare(*form, window->Screen());
    form->ShowModal(std::move(window));
}

} // namespace varnix
