// The floor the program's start is measured against: an empty main window with a
// menu bar and an MDI area, maximized as the program's main window is, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tomt vindu"));
    window.menuBar()->addMenu(QStringLiteral("Fil"))->addAction(QStringLiteral("Avslutt"), &app, &QApplication::quit);
    window.setCentralWidget(new QMdiArea);
    window.showMaximized();
    return app.exec();
}
