#include "strip/module.h"

namespace tarnvel::strip {

void Main(frmFirst& form) {
    form.Load();
    form.Show();
}

void HideAllForms(frmFirst& form) {
    if (form.Loaded()) form.Hide();
}

}  // namespace tarnvel::strip
