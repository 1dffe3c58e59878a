#include "main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velorin Somnara"));
    vs::shell::FrmSomnara window;
    window.show();
    return app.exec();
}
