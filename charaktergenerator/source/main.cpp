#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("ZORVEL2 - Charaktergenerator (%1)").arg(QStringLiteral("0.9.3")));
    w.show();
    return app.exec();
}
