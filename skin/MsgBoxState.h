// What the message box class and its window share for the run: which kind of
// box is up, its layout, and the answer of the last one.
#pragma once

#include <string>

namespace varnix {

struct MsgBoxState {
    bool isMsgBox = true;    // IsMsgBox: false while an input box is prepared or shown
    int msgType = 0;         // MsgType: 1 OK, 2 Yes/No (also the input box), 3 Yes/No/Cancel
    int msgResult = 0;       // MsgResult: 1 or 2 OK/Yes, 3 No, 4 Cancel, 0 none
    std::string inputResult; // InputResult
};

} // namespace varnix
