// A small Windows console program that answers what a program sees of its world, for the tests
// of scripts/wine-run: each argument is one question, each answer one line on stdout.
//   drive:ROOT  env:NAME  temp  write:PATH  read:PATH  wait:PATH (until it exists, 60 s at most)  exit:N
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool Starts(const char* text, const char* prefix, const char** rest) {
    const std::size_t length = std::strlen(prefix);
    if (std::strncmp(text, prefix, length) != 0) return false;
    *rest = text + length;
    return true;
}

std::string Content(const char* path) {
    const HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(missing)";
    char buffer[256] = {};
    DWORD read = 0;
    ::ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
    ::CloseHandle(file);
    return std::string(buffer, read);
}

bool Write(const char* path) {
    const HANDLE file = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, "probe", 5, &written, nullptr) && written == 5;
    ::CloseHandle(file);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    int code = 0;
    for (int i = 1; i < argc; ++i) {
        const char* rest = nullptr;
        if (Starts(argv[i], "drive:", &rest)) {
            std::printf("%u\n", ::GetDriveTypeA(rest));
        } else if (Starts(argv[i], "env:", &rest)) {
            const char* value = std::getenv(rest);
            std::printf("%s\n", value ? value : "(unset)");
        } else if (std::strcmp(argv[i], "temp") == 0) {
            char buffer[MAX_PATH] = {};
            ::GetTempPathA(MAX_PATH, buffer);
            std::printf("%s\n", buffer);
        } else if (Starts(argv[i], "write:", &rest)) {
            std::printf("%s\n", Write(rest) ? "written" : "refused");
        } else if (Starts(argv[i], "read:", &rest)) {
            std::printf("%s\n", Content(rest).c_str());
        } else if (Starts(argv[i], "wait:", &rest)) {
            for (int tenths = 0; tenths < 600 && ::GetFileAttributesA(rest) == INVALID_FILE_ATTRIBUTES; ++tenths) ::Sleep(100);
            std::printf("%s\n", ::GetFileAttributesA(rest) != INVALID_FILE_ATTRIBUTES ? "arrived" : "timed out");
        } else if (Starts(argv[i], "exit:", &rest)) {
            code = std::atoi(rest);
        } else if (std::strcmp(argv[i], "acp") == 0) {
            std::printf("%u\n", ::GetACP());
        }
    }
    std::fflush(stdout);
    return code;
}
