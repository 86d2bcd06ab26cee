// The control classes of the layer, registered with the window manager's built-in classes.
#include "../platform_internal.h"

namespace {

const CONTROL_CLASS kControlClasses[] = {
    {"BUTTON", Button_Window_Proc},
    {"STATIC", Static_Window_Proc},
    {"EDIT", Edit_Window_Proc},
    {"COMBOBOX", Combo_Box_Window_Proc},
    {"LISTBOX", List_Box_Window_Proc},
    {"SCROLLBAR", Scroll_Bar_Window_Proc},
    {"msctls_progress32", Progress_Window_Proc},
    {"SysListView32", List_View_Window_Proc},
    {"SysHeader32", Header_Window_Proc},
    {"msctls_updown32", Up_Down_Window_Proc},
    {"msctls_statusbar32", Status_Bar_Window_Proc},
};

}  // namespace

const CONTROL_CLASS* Get_Control_Classes(int* pnCount) {
    *pnCount = static_cast<int>(sizeof(kControlClasses) / sizeof(kControlClasses[0]));
    return kControlClasses;
}
