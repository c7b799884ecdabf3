// The editor for the data files of QIRA 2004: one window, started here.

#include "app/autoscreenshot.h"
#include "app/main_window.h"
#include "app/messages.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qira-db-editor"));
    QApplication::setApplicationDisplayName(QLatin1String(qira::app_title));
    TForm1 window;
    window.show();
    qira::schedule_autoscreenshot(window);
    return QApplication::exec();
}
