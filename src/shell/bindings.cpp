#include "shell/bindings.h"

#include "browse/navigation.h"
#include "export/clipboard_copy.h"
#include "export/name_export.h"
#include "shell/link_menu.h"
#include "shell/main_window.h"
#include "shell/window_template.h"
#include "skin/skin.h"

namespace tarnvel {
namespace {

constexpr Binding kBindings[] = {
    // source                 event                handler
    {names::kMainWindow,      Event::Created,      [](MainWindow& w, EventArgs&) { SetSkin(1); RunNameExport(w); }},
    {names::kButton1,         Event::Clicked,      [](MainWindow& w, EventArgs&) { RunNameExport(w); }},
    {names::kButton2,         Event::Clicked,      [](MainWindow& w, EventArgs&) { RunClipboardCopy(w); }},
    {names::kDriveList1,      Event::DriveChosen,  [](MainWindow& w, EventArgs&) { OnDriveChosen(w); }},
    {names::kDirectoryTree1,  Event::FolderChosen, [](MainWindow& w, EventArgs&) { OnFolderChosen(w); }},
    {names::kLabel1,          Event::MouseMoved,   [](MainWindow& w, EventArgs&) { PopUpLinkMenu(w); }},
    {"退出",                  Event::Selected,     [](MainWindow& w, EventArgs&) { ExitProgram(w); }},
    {"本软件更新",            Event::Selected,     [](MainWindow&, EventArgs&) { OpenWebPage(PageAddress("/thread-14173-1-1.html")); }},
    {"免费赚钱项目",          Event::Selected,     [](MainWindow&, EventArgs&) { OpenWebPage(PageAddress("/mianfeiwangzhuan.html")); }},
    {"关于Tarnvel",           Event::Selected,     [](MainWindow&, EventArgs&) { OpenWebPage(PageAddress("/thread-9282-1-1.html")); }},
    {"Tarnvel联系方式",       Event::Selected,     [](MainWindow&, EventArgs&) { OpenWebPage(PageAddress("/thread-12317-1-1.html")); }},
};

}  // namespace

std::span<const Binding> ProgramBindings() { return kBindings; }

}  // namespace tarnvel
