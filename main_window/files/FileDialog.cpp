#include "main_window/files/FileDialog.h"

namespace varnix {

std::string ShowFileDialog(Platform& platform, int mode, const std::string& title) {
    if (mode != OpenFileDialog && mode != SaveFileDialog) return {};
    std::string name = platform.ChooseFile(mode == OpenFileDialog ? FileDialogMode::Open : FileDialogMode::Save, title);
    name = name.substr(0, name.find('\0'));
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

} // namespace varnix
