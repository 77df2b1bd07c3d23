// Sanitizer settings built into every executable of the sanitized build, so the tests, the
// program and the fuzzers behave alike under ctest, in CI and when started by hand.
#include <sanitizer/asan_interface.h>
#include <sanitizer/lsan_interface.h>

#include <dlfcn.h>
#include <link.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// Qt WebEngine deletes an object through a pointer to a smaller type inside its own
// WebContentsAdapter destructor, which AddressSanitizer reports as a new-delete-type-mismatch.
// AddressSanitizer's suppressions cannot name that report (they cover interceptors and ODR
// violations only), and its one switch, new_delete_type_mismatch=0, would turn the check off
// for our code as well. So reports do not end the process by themselves (halt_on_error=0
// below) and this callback ends it after every report except a new-delete-type-mismatch
// whose delete is called from inside Qt WebEngine's library. A bad memory access in our code
// ends the process in any case: the instrumented checks never return.
constexpr const char* kLibraryWithTypeMismatch = "libQt6WebEngineCore.so";

bool isTypeMismatchDeletedIn(const char* report, const char* library) {
    if (std::strstr(report, "ERROR: AddressSanitizer: new-delete-type-mismatch") == nullptr) {
        return false;
    }
    // The report's first stack is the delete's: frame 0 is operator delete, frame 1 its caller.
    const char* caller = std::strstr(report, "#1 0x");
    if (caller == nullptr) {
        return false;
    }
    const auto address = reinterpret_cast<void*>(std::strtoull(caller + 3, nullptr, 16));
    Dl_info module{};
    if (dladdr(address, &module) == 0 || module.dli_fname == nullptr) {
        return false;
    }
    const char* slash = std::strrchr(module.dli_fname, '/');
    const char* name = slash == nullptr ? module.dli_fname : slash + 1;
    return std::strncmp(name, library, std::strlen(library)) == 0;
}

void endUnlessPermitted(const char* report) {
    if (!isTypeMismatchDeletedIn(report, kLibraryWithTypeMismatch)) {
        std::abort();
    }
}

// With halt_on_error=0 AddressSanitizer reports leaks at exit without failing the process, so
// the leak check is made here, when the program ends, and any leak not suppressed fails it.
void failOnLeaks() {
    if (__lsan_do_recoverable_leak_check() != 0) {
        std::_Exit(1);
    }
}

// Whether a library handle stands for one of Mesa's GL drivers ("…/dri/<name>_dri.so").
bool isGlDriver(void* handle) {
    link_map* library = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &library) != 0 || library == nullptr ||
        library->l_name == nullptr) {
        return false;
    }
    const std::string_view path = library->l_name;
    return path.find("/dri/") != std::string_view::npos && path.ends_with("_dri.so");
}

[[maybe_unused]] const bool hooksSet =
    (__asan_set_error_report_callback(endUnlessPermitted), std::atexit(failOnLeaks) == 0);

} // namespace

// AddressSanitizer's own dlclose, which the one below hands every other library to.
extern "C" int __interceptor_dlclose(void* handle);

// A program that shows a real window loads Mesa's GL driver through Qt's GLX integration
// (the web engine shares GL contexts), and the driver is unloaded when the X display closes,
// before the leak check at exit. What the driver still holds then looks leaked, and with the
// library gone the allocation's stack names no library that a suppression could match. So a
// GL driver stays loaded until the process ends: its memory is still referenced by its own
// data then, and the leak check goes on seeing every allocation of ours and of every library.
extern "C" int dlclose(void* handle) {
    if (isGlDriver(handle)) {
        return 0;
    }
    return __interceptor_dlclose(handle);
}

extern "C" const char* __asan_default_options() {
    return "halt_on_error=0";
}

extern "C" const char* __lsan_default_options() {
    return "suppressions=" ZANDRIFT_LSAN_SUPPRESSIONS;
}

extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}
