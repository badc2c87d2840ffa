#pragma once

// The result of one conversion run. The first four are the original outcomes;
// the last three exist so that a failure is never reported as success and a
// file is never destroyed for nothing.
enum class ConversionOutcome {
    InputNotOpened,
    OutputNotOpened,
    NotAuFile,
    Saved,
    SameFile,
    InputNotRead,
    OutputNotWritten,
};

// The one message text that a run reports for its outcome. Callers (and
// scripts that read the command-line tool's output) match these texts, so
// they never change.
const char* MessageText(ConversionOutcome outcome);
