#include "desktop/module.h"

#include "desktop/module_registry.h"

namespace tarnvel {

void HideAllForms() {
    auto& m = Module;
    if (m.NotificationArea && !m.NotificationArea()) {
        if (m.MinimizeStrip) m.MinimizeStrip();
        return;
    }
    if (!m.windows.empty() && m.windows.front().Visible() && m.StopStripWatch) m.StopStripWatch();
    for (const ProgramWindow& w : m.windows)
        if (w.Loaded()) w.Hide();
}

void ShowAllForms() {
    auto& m = Module;
    for (const ProgramWindow& w : m.windows)
        if (w.Loaded()) w.Show();
    if (m.StartStripWatch) m.StartStripWatch();
}

void UnloadAllForms() {
    auto& m = Module;
    std::vector<const ProgramWindow*> loaded;
    for (const ProgramWindow& w : m.windows)
        if (w.Loaded()) loaded.push_back(&w);
    for (const ProgramWindow* w : loaded) {
        w->Hide();
        w->Unload();
    }
    for (const ProgramWindow& w : m.windows)
        if (w.Loaded()) return;
    if (m.Quit) m.Quit();
}

void mnuTrayClose_Click() {
    auto& m = Module;
    if (m.settings && m.program && m.message_box) SaveSettings(*m.settings, *m.program, *m.message_box);
    UnloadAllForms();
}

}  // namespace tarnvel
