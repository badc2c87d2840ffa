#pragma once

#include "TestFiles.h"

// The conversion as a plain byte-at-a-time reading of the rules, written
// independently of the core (its own band bounds, its own loop), so the
// core's block-wise run can be checked against it on any input. Expects an
// input whose magic number is accepted.
Bytes ModelPackedFile(const Bytes& input);
