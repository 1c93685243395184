// Writes the manual page of a program from the table of its command line,
// so that the page and "--help" cannot tell different stories. Built once
// for each program (ZORVEL_BEFEHLE_KOPF names the header of its class
// ZORVEL_BEFEHLE).
// Usage: <programm>_manseite ZIEL DATUM
#include ZORVEL_BEFEHLE_KOPF

#include <QFile>
#include <QString>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    const QByteArray seite = ZORVEL_BEFEHLE::befehlszeile().manSeite(QString::fromUtf8(argv[2])).toUtf8();
    QFile ziel(QString::fromLocal8Bit(argv[1]));
    if (!ziel.open(QIODevice::WriteOnly | QIODevice::Truncate) || ziel.write(seite) != seite.size())
        return 1;
    return 0;
}
