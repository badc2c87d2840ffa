#include "ConvertAudioFile.h"

#include <cstdint>
#include <cstdio>
#include <memory>

#include "FileIdentity.h"
#include "InputFile.h"
#include "OutputFile.h"
#include "PackedAudioFormat.h"
#include "SamplePacker.h"

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

// Owns the two streams and the block buffers of one run.
class ConversionRun {
public:
    ConversionRun(const std::string& inputPath, const std::string& outputPath, const MessageReporter& report)
        : m_inputPath(inputPath), m_outputPath(outputPath), m_report(report),
          m_inBlock(new std::uint8_t[kBlockSize]),
          m_outBlock(new std::uint8_t[SamplePacker::MaxPackedSize(kBlockSize)])
    {
    }

    ConversionOutcome Run();

private:
    ConversionOutcome Report(ConversionOutcome outcome)
    {
        m_report(MessageText(outcome));
        return outcome;
    }

    // An end before the output was opened: the message, then the input closed.
    ConversionOutcome Refuse(ConversionOutcome outcome)
    {
        Report(outcome);
        m_input.Close();
        return outcome;
    }

    // A failure after the output was opened: whatever is there is incomplete.
    ConversionOutcome Abandon(ConversionOutcome outcome)
    {
        m_input.Close();
        m_output.Close();
        if (m_outputIsRegular)
            std::remove(m_outputPath.c_str());
        return Report(outcome);
    }

    // Copies up to `count` bytes unchanged; stops early at end of input.
    bool CopyHeaderBytes(std::uint64_t count);
    bool PackSampleData();

    const std::string& m_inputPath;
    const std::string& m_outputPath;
    const MessageReporter& m_report;
    InputFile m_input;
    OutputFile m_output;
    bool m_outputIsRegular = false;
    std::unique_ptr<std::uint8_t[]> m_inBlock;
    std::unique_ptr<std::uint8_t[]> m_outBlock;
};

ConversionOutcome ConversionRun::Run()
{
    if (!m_input.Open(m_inputPath))
        return Report(ConversionOutcome::InputNotOpened);

    // Opening the output empties it, so it must not be the input itself.
    if (NamesSameFile(m_input.Stream(), m_outputPath))
        return Refuse(ConversionOutcome::SameFile);

    std::uint8_t prefix[PackedAudioFormat::kFixedPrefixSize];
    std::size_t prefixSize = m_input.Read(prefix, PackedAudioFormat::kMagicSize);
    if (m_input.Failed())
        return Refuse(ConversionOutcome::InputNotRead);
    if (prefixSize < PackedAudioFormat::kMagicSize || !PackedAudioFormat::IsAcceptedMagic(prefix))
        return Refuse(ConversionOutcome::NotAuFile);

    if (!m_output.Open(m_outputPath))
        return Refuse(ConversionOutcome::OutputNotOpened);
    m_outputIsRegular = IsRegularFile(m_output.Stream());

    prefixSize += m_input.Read(prefix + prefixSize, PackedAudioFormat::kFixedPrefixSize - prefixSize);
    if (m_input.Failed())
        return Abandon(ConversionOutcome::InputNotRead);
    if (!m_output.Write(prefix, prefixSize))
        return Abandon(ConversionOutcome::OutputNotWritten);

    if (prefixSize == PackedAudioFormat::kFixedPrefixSize) {
        const std::uint64_t headerLength =
            PackedAudioFormat::HeaderBlockLength(PackedAudioFormat::ReadBigEndian32(prefix + 4));
        if (!CopyHeaderBytes(headerLength - PackedAudioFormat::kFixedPrefixSize))
            return Abandon(m_input.Failed() ? ConversionOutcome::InputNotRead : ConversionOutcome::OutputNotWritten);
    }
    if (!PackSampleData())
        return Abandon(m_input.Failed() ? ConversionOutcome::InputNotRead : ConversionOutcome::OutputNotWritten);

    m_input.Close();
    if (!m_output.Close())
        return Abandon(ConversionOutcome::OutputNotWritten);
    return Report(ConversionOutcome::Saved);
}

bool ConversionRun::CopyHeaderBytes(std::uint64_t count)
{
    while (count > 0) {
        const std::size_t want = count < kBlockSize ? static_cast<std::size_t>(count) : kBlockSize;
        const std::size_t got = m_input.Read(m_inBlock.get(), want);
        if (m_input.Failed() || !m_output.Write(m_inBlock.get(), got))
            return false;
        if (got < want)
            return true;  // the input ended inside its header block
        count -= got;
    }
    return true;
}

bool ConversionRun::PackSampleData()
{
    SamplePacker packer;
    for (;;) {
        const std::size_t got = m_input.Read(m_inBlock.get(), kBlockSize);
        if (m_input.Failed())
            return false;
        const std::size_t packed = packer.Pack(m_inBlock.get(), got, m_outBlock.get());
        if (!m_output.Write(m_outBlock.get(), packed))
            return false;
        if (got < kBlockSize)
            break;
    }
    std::uint8_t last = 0;
    if (packer.Finish(last))
        return m_output.Write(&last, 1);
    return true;
}

}  // namespace

ConversionOutcome ConvertAudioFile(const std::string& inputPath, const std::string& outputPath,
                                   const MessageReporter& report)
{
    ConversionRun run(inputPath, outputPath, report);
    return run.Run();
}
