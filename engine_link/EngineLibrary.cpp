#include "engine_link/EngineLibrary.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace varnix {

namespace {

template <typename Fn>
Fn Bind(void* handle, const char* name) {
    return reinterpret_cast<Fn>(dlsym(handle, name));
}

} // namespace

EngineLibrary::~EngineLibrary() { Unload(); }

std::string EngineLibrary::ExecutableFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return "";
    std::string path(buffer, std::size_t(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash);
}

bool EngineLibrary::Load(const std::string& folder) {
    Unload();
    path_ = (folder.empty() ? std::string(".") : folder) + "/" + FileName;
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = dlerror();
        error_ = why ? why : "cannot load";
        return false;
    }
    records_ = RecordCalls(Bind<RecordCalls::GetMoveFn>(handle_, "varnix_GetMove"),
                           Bind<RecordCalls::KingAttackedFn>(handle_, "varnix_KingAttacked"),
                           Bind<RecordCalls::MakeMoveFn>(handle_, "varnix_MakeMove"));
    engineStart_ = Bind<EngineStartFn>(handle_, "varnix_EngineStart");
    getTxt_ = Bind<GetTxtFn>(handle_, "varnix_GetTxt");
    receiveTxt_ = Bind<ReceiveTxtFn>(handle_, "varnix_ReceiveTxt");
    addTime_ = Bind<AddTimeFn>(handle_, "varnix_add_time");
    return true;
}

void EngineLibrary::Unload() {
    if (handle_) dlclose(handle_);
    handle_ = nullptr;
    records_ = RecordCalls();
    engineStart_ = nullptr;
    getTxt_ = nullptr;
    receiveTxt_ = nullptr;
    addTime_ = nullptr;
}

} // namespace varnix
