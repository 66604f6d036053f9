#include "application.h"
#include "main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kvor::ui::ConfigureApplication(app);
    kvor::ui::MainWindow window;
    window.show();
    return app.exec();
}
