// Turns the short guide (HTML, UTF-8) into the PDF that the ship builder
// opens from its help menu:  kurzanleitung_pdf QUELLE.html ZIEL.pdf
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kurzanleitung_pdf QUELLE.html ZIEL.pdf\n");
        return 2;
    }

    QFile quelle(QString::fromLocal8Bit(argv[1]));
    if (!quelle.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kurzanleitung_pdf: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString html = QString::fromUtf8(quelle.readAll());
    quelle.close();

    // Written through QSaveFile, so that a failed run never leaves half a
    // guide behind.
    QSaveFile ziel(QString::fromLocal8Bit(argv[2]));
    if (!ziel.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "kurzanleitung_pdf: cannot write %s\n", argv[2]);
        return 1;
    }
    {
        QPdfWriter writer(&ziel);
        writer.setPageSize(QPageSize(QPageSize::A4));
        // QTextDocument::print() adds its own margins of 2 cm.
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("ZORVEL2 - Schiffsbau-Assistent: Kurzanleitung"));
        writer.setCreator(QStringLiteral("ZORVEL2 - Schiffsbau-Assistent"));

        QTextDocument dokument;
        QFont schrift(QStringLiteral("DejaVu Sans"));
        schrift.setPointSizeF(10.5);
        dokument.setDefaultFont(schrift);
        dokument.setHtml(html);
        dokument.print(&writer);
    }
    if (!ziel.commit()) {
        std::fprintf(stderr, "kurzanleitung_pdf: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
