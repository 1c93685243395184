#include "bogenpdf.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QPageLayout>
#include <QPageSize>
#include <QTextDocument>
#include <QTextFrame>

namespace {

// The resolution that text layout takes sizes in (as Qt's own default).
qreal bildschirmDpiY()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen *schirm = QGuiApplication::primaryScreen())
        return qRound(schirm->logicalDotsPerInchY());
    return 100;
}

} // namespace

BogenPdf::BogenPdf(const QString &titel, const QString &programm)
    : m_puffer(&m_daten)
{
    if (!m_puffer.open(QIODevice::WriteOnly))
        return;
    m_pSchreiber = std::make_unique<QPdfWriter>(&m_puffer);
    // The printable area leaves 2 mm at the edges, as QTextDocument::print
    // gives a device without margins.
    m_pSchreiber->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter));
    m_pSchreiber->setResolution(300);
    m_pSchreiber->setTitle(titel);
    m_pSchreiber->setCreator(programm);
}

BogenPdf::~BogenPdf() = default;

int BogenPdf::boegen() const
{
    return m_boegen;
}

void BogenPdf::fuegeAn(const QTextDocument &dokument)
{
    if (!m_pSchreiber)
        return;
    if (!m_pMaler) {
        m_pMaler = std::make_unique<QPainter>();
        if (!m_pMaler->begin(m_pSchreiber.get())) {
            m_pMaler.reset();
            m_pSchreiber.reset();
            return;
        }
    } else {
        m_pSchreiber->newPage();
    }
    ++m_boegen;

    // Laid out for the PDF's resolution on whole pages with margins of 2 cm,
    // the page number at the bottom right, as QTextDocument::print does. The
    // layout takes the margins in screen pixels and scales them itself.
    std::unique_ptr<QTextDocument> kopie(dokument.clone());
    QPainter &maler = *m_pMaler;
    QAbstractTextDocumentLayout *layout = kopie->documentLayout();
    layout->setPaintDevice(m_pSchreiber.get());
    const qreal bildschirmDpi = bildschirmDpiY();
    const qreal skalierung = m_pSchreiber->logicalDpiY() / bildschirmDpi;
    const int rand = int((2 / 2.54) * bildschirmDpi);
    QTextFrameFormat format = kopie->rootFrame()->frameFormat();
    format.setMargin(rand);
    kopie->rootFrame()->setFrameFormat(format);
    const QRectF seite(0, 0, m_pSchreiber->width(), m_pSchreiber->height());
    kopie->setPageSize(seite.size());
    const QPointF nummer(seite.width() - rand * skalierung,
                         seite.height() - rand * skalierung
                             + QFontMetrics(kopie->defaultFont(), m_pSchreiber.get()).ascent()
                             + 5 * m_pSchreiber->logicalDpiY() / 72.0);

    const int seiten = kopie->pageCount();
    for (int i = 0; i < seiten; ++i) {
        if (i > 0)
            m_pSchreiber->newPage();
        maler.save();
        maler.translate(0, -i * seite.height());
        const QRectF sicht(0, i * seite.height(), seite.width(), seite.height());
        QAbstractTextDocumentLayout::PaintContext kontext;
        maler.setClipRect(sicht);
        kontext.clip = sicht;
        kontext.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&maler, kontext);
        maler.setClipping(false);
        maler.setFont(kopie->defaultFont());
        const QString text = QString::number(i + 1);
        maler.drawText(qRound(nummer.x() - maler.fontMetrics().horizontalAdvance(text)),
                       qRound(nummer.y() + sicht.top()), text);
        maler.restore();
    }
}

QByteArray BogenPdf::daten()
{
    if (m_pMaler)
        m_pMaler->end();
    m_pMaler.reset();
    m_pSchreiber.reset();
    m_puffer.close();
    if (m_boegen == 0 || !m_daten.startsWith("%PDF"))
        return QByteArray();
    return m_daten;
}
