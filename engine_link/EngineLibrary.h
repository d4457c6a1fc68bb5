// Loads the engine library at run time and binds its seven exports by name.
// Nothing links to the engine at build time, so a missing or broken library is
// a condition the program survives: every unbound call does nothing.
#pragma once

#include "core/RecordCalls.h"

#include <string>

namespace varnix {

class EngineLibrary {
public:
    using EngineStartFn = void (*)(VarnixPumpCallback, VarnixOutputCallback);
    using GetTxtFn = void (*)(char*);
    using ReceiveTxtFn = void (*)(const char*);
    using AddTimeFn = void (*)(std::int32_t);

    // The file name looked for, beside the program's own executable.
    static constexpr const char* FileName = "libVarnixChess.so";

    EngineLibrary() = default;
    ~EngineLibrary();
    EngineLibrary(const EngineLibrary&) = delete;
    EngineLibrary& operator=(const EngineLibrary&) = delete;

    // Loads the library from the folder; true when it loaded. A library that
    // loads but lacks some exports stays loaded with those calls unbound.
    bool Load(const std::string& folder);
    // The folder of the running executable ("" when it cannot be found).
    static std::string ExecutableFolder();

    // Non-zero while the library is loaded.
    void* EngineHandle() const { return handle_; }
    const std::string& LoadedPath() const { return path_; }
    const std::string& LoadError() const { return error_; }

    RecordCalls Records() const { return records_; }
    EngineStartFn EngineStart() const { return engineStart_; }
    GetTxtFn GetTxt() const { return getTxt_; }
    ReceiveTxtFn ReceiveTxt() const { return receiveTxt_; }
    AddTimeFn AddTime() const { return addTime_; }

private:
    void Unload();

    void* handle_ = nullptr;
    std::string path_;
    std::string error_;
    RecordCalls records_;
    EngineStartFn engineStart_ = nullptr;
    GetTxtFn getTxt_ = nullptr;
    ReceiveTxtFn receiveTxt_ = nullptr;
    AddTimeFn addTime_ = nullptr;
};

} // namespace varnix
