#include "CEdit.h"

CEdit::CEdit() = default;
