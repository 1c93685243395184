#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("ZORVEL2 - Schiffsbau-Assistent V%1").arg(QStringLiteral("0.12.0")));
    w.show();
    return app.exec();
}
