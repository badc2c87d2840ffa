#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Owns one output stream opened "wb" (an existing file is emptied), written
// front to back. Any failed write, flush or close is remembered, so that
// the run never calls an incomplete file saved.
class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() { Close(); }

    bool Open(const std::string& path);
    bool Write(const std::uint8_t* bytes, std::size_t size);
    // Flushes and closes; false if anything written was not stored.
    bool Close();
    bool Failed() const { return m_failed; }
    std::FILE* Stream() const { return m_file; }

private:
    std::FILE* m_file = nullptr;
    bool m_failed = false;
};
