// Registration of the window classes the window system provides: Static, Button, Edit,
// ComboBox, ListBox, ScrollBar, SysListView32, SysMonthCal32, the HTML viewer "DISPLAYCLASS" and
// the message box. Each function registers one class with the given window system.
#pragma once

namespace orvane::platform {

class WindowSystem;

void RegisterStaticControl(WindowSystem& ws);
void RegisterButtonControl(WindowSystem& ws);
void RegisterEditControl(WindowSystem& ws);
void RegisterComboBoxControl(WindowSystem& ws);
void RegisterListBoxControl(WindowSystem& ws);
void RegisterScrollBarControl(WindowSystem& ws);
void RegisterListViewControl(WindowSystem& ws);
void RegisterMonthCalControl(WindowSystem& ws);
void RegisterHtmlViewerControl(WindowSystem& ws);
void RegisterMessageBoxClass(WindowSystem& ws);

}  // namespace orvane::platform
