#include "OutputFile.h"

bool OutputFile::Open(const std::string& path)
{
    Close();
    m_failed = false;
    m_file = std::fopen(path.c_str(), "wb");
    if (m_file == nullptr)
        return false;
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    return true;
}

bool OutputFile::Write(const std::uint8_t* bytes, std::size_t size)
{
    if (m_file == nullptr || m_failed)
        return false;
    if (size > 0 && std::fwrite(bytes, 1, size, m_file) != size)
        m_failed = true;
    return !m_failed;
}

bool OutputFile::Close()
{
    if (m_file != nullptr) {
        if (std::fflush(m_file) != 0)
            m_failed = true;
        if (std::fclose(m_file) != 0)
            m_failed = true;
        m_file = nullptr;
    }
    return !m_failed;
}
