#include "InputFile.h"

bool InputFile::Open(const std::string& path)
{
    Close();
    m_failed = false;
    m_file = std::fopen(path.c_str(), "rb");
    if (m_file == nullptr)
        return false;
    // The run reads in large blocks of its own; a second buffer only copies.
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    return true;
}

std::size_t InputFile::Read(std::uint8_t* buffer, std::size_t size)
{
    if (m_file == nullptr || m_failed)
        return 0;
    std::size_t total = 0;
    while (total < size) {
        const std::size_t got = std::fread(buffer + total, 1, size - total, m_file);
        total += got;
        if (got == 0) {
            if (std::ferror(m_file))
                m_failed = true;
            break;
        }
    }
    return total;
}

void InputFile::Close()
{
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}
