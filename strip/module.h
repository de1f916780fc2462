#pragma once
// The program's start: load the strip, then show it. Nothing else.

#include "strip/frm_first.h"

namespace tarnvel::strip {

void Main(frmFirst& form);

// Hides the strip: what hiding all windows means while the strip is the only window.
void HideAllForms(frmFirst& form);

}  // namespace tarnvel::strip
