#include "ConversionOutcome.h"

const char* MessageText(ConversionOutcome outcome)
{
    switch (outcome) {
    case ConversionOutcome::InputNotOpened: return "Cannot open Input file.";
    case ConversionOutcome::OutputNotOpened: return "Cannot open Output file.";
    case ConversionOutcome::NotAuFile: return "Not a valid AU file.";
    case ConversionOutcome::Saved: return "Velloc Audio file saved successfully.";
    case ConversionOutcome::SameFile: return "Input and Output file are the same.";
    case ConversionOutcome::InputNotRead: return "Cannot read Input file.";
    case ConversionOutcome::OutputNotWritten: return "Cannot write Output file.";
    }
    return "";
}
