// The editor for the data files of QIRA 2004: one window, started here.

#include "app/autoscreenshot.h"
#include "app/main_window.h"
#include "app/ui_language.h"
#include "fileio/memory.h"
#include "views/message_sink.h"

#include <QApplication>
#include <QLocale>

#include <cstring>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
// Under Wine, Qt's GDI font engine leaves the text of input fields undrawn (labels and lists
// show theirs); FreeType, which Qt for Windows carries, draws all of it. A platform named on the
// command line or in QT_QPA_PLATFORM is left as it is.
void choose_font_engine(int argc, char** argv) {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const bool wine = ntdll && GetProcAddress(ntdll, "wine_get_version");
    if (!wine || qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0)
            return;
    qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}
#else
void choose_font_engine(int, char**) {}
#endif

} // namespace

int main(int argc, char** argv) {
    qira::prefer_large_pages();
    choose_font_engine(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qira-db-editor"));
    QApplication::setApplicationDisplayName(QLatin1String(qira::app_title));
    qira::install_ui_language(
        qira::pick_ui_language(qira::kept_ui_language(), QLocale::system().uiLanguages()));
    TForm1 window;
    window.show_at_kept_place();
    qira::schedule_autoscreenshot(window);
    return QApplication::exec();
}
