#include "strip/module.h"

namespace tarnvel::strip {

void Main(frmFirst& form) {
    form.Load();
    form.Show();
}

void HideAllForms(frmFirst& form) {
    if (!form.Loaded()) return;
    if (form.Visible()) form.controls().TmrCheckMouse.SetEnabled(false);
    form.Hide();
}

}  // namespace tarnvel::strip
