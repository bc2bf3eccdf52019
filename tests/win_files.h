// Whole-file reads and writes by bytes, shared by the in-process window tests and the hardening
// driver. Paths are wide so that a caller may pass the extended-length ("\\?\") form.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vkfiles {

// Writes a file's bytes exactly as given, creating or truncating it.
inline bool WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// A file's bytes; empty when it is missing or cannot be read.
inline std::string ReadBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    std::vector<char> chunk(1 << 16);
    DWORD got = 0;
    while (ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr) && got > 0)
        bytes.append(chunk.data(), got);
    CloseHandle(file);
    return bytes;
}

// Turns LF line ends into CRLF, for comparing with files the profile functions wrote.
inline std::string Crlf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

} // namespace vkfiles
