#include "TestFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    static std::random_device device;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = fs::temp_directory_path() / ("sonvale-test-" + std::to_string(device()));
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            m_root = candidate.string();
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code error;
    fs::remove_all(m_root, error);
}

std::string TempDir::Path(const std::string& name) const { return (fs::path(m_root) / name).string(); }

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write test file " + path);
}

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read test file " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

namespace {
void PutBigEndian32(Bytes& bytes, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}
}  // namespace

Bytes AuHeader(std::uint32_t dataOffset, const Bytes& annotation, std::uint32_t dataSize)
{
    Bytes header = {0x2E, 0x73, 0x6E, 0x64};
    PutBigEndian32(header, dataOffset);
    PutBigEndian32(header, dataSize);
    PutBigEndian32(header, 2);     // 8-bit linear
    PutBigEndian32(header, 8000);  // Hz
    PutBigEndian32(header, 1);     // channels
    header.insert(header.end(), annotation.begin(), annotation.end());
    return header;
}

Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes PseudoRandomBytes(std::size_t count, std::uint32_t seed)
{
    std::mt19937 generator(seed);
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t r = generator();
        // One byte in eight is 255, so the hold rule is exercised often.
        bytes[i] = (r & 7) == 0 ? 255 : static_cast<std::uint8_t>(r >> 8);
    }
    return bytes;
}

std::string Hex(const Bytes& bytes, std::size_t limit)
{
    std::string text;
    char cell[4];
    for (std::size_t i = 0; i < bytes.size() && i < limit; ++i) {
        std::snprintf(cell, sizeof cell, "%02X ", bytes[i]);
        text += cell;
    }
    if (bytes.size() > limit)
        text += "... (" + std::to_string(bytes.size()) + " bytes)";
    return text;
}
