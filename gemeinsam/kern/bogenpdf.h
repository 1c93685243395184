#ifndef BOGENPDF_H
#define BOGENPDF_H

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <memory>

class QTextDocument;

// One PDF in memory (A4 portrait) that takes one sheet after the other:
// every sheet starts on a new page, with margins of 2 cm and its own page
// numbers from 1, as QTextDocument::print lays a document out.
class BogenPdf
{
public:
    // `titel` and `programm` go into the document's properties.
    BogenPdf(const QString &titel, const QString &programm);
    ~BogenPdf();

    // Lays out a copy of `dokument` on the pages after the ones so far.
    void fuegeAn(const QTextDocument &dokument);
    // Number of sheets added.
    int boegen() const;
    // Ends the document: its bytes, empty when no PDF came out (or no
    // sheet was added). Nothing can be added afterwards.
    QByteArray daten();

private:
    QByteArray m_daten;
    QBuffer m_puffer;
    std::unique_ptr<QPdfWriter> m_pSchreiber;
    std::unique_ptr<QPainter> m_pMaler;
    int m_boegen = 0;
};

#endif // BOGENPDF_H
