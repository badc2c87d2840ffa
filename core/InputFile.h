#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Owns one input stream opened "rb" (bytes as stored, no sharing limits).
// Reads in caller-sized blocks; an error is kept apart from end of input.
class InputFile {
public:
    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile() { Close(); }

    bool Open(const std::string& path);
    // Reads up to `size` bytes, fewer only at end of input or on an error.
    std::size_t Read(std::uint8_t* buffer, std::size_t size);
    bool Failed() const { return m_failed; }
    void Close();
    std::FILE* Stream() const { return m_file; }

private:
    std::FILE* m_file = nullptr;
    bool m_failed = false;
};
