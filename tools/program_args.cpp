#include "tools/program_args.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace qira {

#ifdef _WIN32

namespace {

std::string utf8_of(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(size) - 1);
    return out;
}

} // namespace

std::vector<std::string> utf8_arguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    if (wide && count == argc) {
        for (int i = 0; i < count; ++i)
            args.push_back(utf8_of(wide[i]));
    } else {
        args.assign(argv, argv + argc);
    }
    if (wide)
        LocalFree(wide);
    return args;
}

#else

std::vector<std::string> utf8_arguments(int argc, char** argv) {
    return {argv, argv + argc};
}

#endif

std::filesystem::path utf8_path(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace qira
