#pragma once

#include <functional>
#include <string>

#include "ConversionOutcome.h"

// Shows one message text and returns once the user has dismissed it.
using MessageReporter = std::function<void(const std::string& messageText)>;

// One conversion run: the Sun audio file at `inputPath` becomes the packed
// audio file at `outputPath`. Paths are used exactly as given. The reporter
// is called exactly once, with MessageText(outcome). The output path is not
// opened until the input is known to be a readable AU file that is not the
// output itself; an output left incomplete by a read or write failure is
// removed when it is an ordinary file.
ConversionOutcome ConvertAudioFile(const std::string& inputPath, const std::string& outputPath,
                                   const MessageReporter& report);
