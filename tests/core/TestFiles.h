#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A folder of its own for each test, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string Path(const std::string& name) const;

private:
    std::string m_root;
};

void WriteFile(const std::string& path, const Bytes& bytes);
Bytes ReadFile(const std::string& path);
bool FileExists(const std::string& path);

// A Sun audio header: magic, data offset, data size, encoding, rate,
// channels, then `annotation` (so the offset need not match its length).
Bytes AuHeader(std::uint32_t dataOffset, const Bytes& annotation = {}, std::uint32_t dataSize = 0xFFFFFFFF);
Bytes Concat(Bytes a, const Bytes& b);
// `count` bytes from a small deterministic generator, 255 among them.
Bytes PseudoRandomBytes(std::size_t count, std::uint32_t seed);

// Hex dump for failure messages.
std::string Hex(const Bytes& bytes, std::size_t limit = 64);
