#include "budgetbalken.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

// How much of the bar is filled: the used part of the available one, full
// when something is used of nothing.
double anteil(double benutzt, double verfuegbar)
{
    if (verfuegbar <= 0.0)
        return benutzt > 0.0 ? 1.0 : 0.0;
    return qBound(0.0, benutzt / verfuegbar, 1.0);
}

QColor farbe(BudgetBalken::Zustand zustand)
{
    switch (zustand) {
    case BudgetBalken::Zustand::Ueberzogen: return QColor(0xef, 0x9a, 0x9a);
    case BudgetBalken::Zustand::Warnung: return QColor(0xff, 0xcc, 0x66);
    default: return QColor(0xa5, 0xd6, 0xa7);
    }
}

QColor rand(BudgetBalken::Zustand zustand)
{
    switch (zustand) {
    case BudgetBalken::Zustand::Ueberzogen: return QColor(0xc6, 0x28, 0x28);
    case BudgetBalken::Zustand::Warnung: return QColor(0xe6, 0x8a, 0x00);
    default: return QColor(0x38, 0x8e, 0x3c);
    }
}

const int innenRand = 6;

} // namespace

BudgetBalken::BudgetBalken(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void BudgetBalken::zeige(const QString &titel, double benutzt, double verfuegbar, const QString &text,
                         Zustand zustand)
{
    // The size hint follows title and text only.
    const bool andereGroesse = titel != m_titel || text != m_text;
    m_titel = titel;
    m_text = text;
    m_anteil = anteil(benutzt, verfuegbar);
    m_zustand = zustand;
    aktualisiereHinweis();
    if (andereGroesse)
        updateGeometry();
    update();
}

void BudgetBalken::zeigeVorschau(double benutzt, double verfuegbar, const QString &text, Zustand zustand)
{
    m_vorschau = true;
    m_vorschauAnteil = anteil(benutzt, verfuegbar);
    m_vorschauText = text;
    m_vorschauZustand = zustand;
    aktualisiereHinweis();
    update();
}

void BudgetBalken::keineVorschau()
{
    if (!m_vorschau)
        return;
    m_vorschau = false;
    m_vorschauText.clear();
    aktualisiereHinweis();
    update();
}

// The form's tool tip explains the bar; the numbers follow it.
void BudgetBalken::aktualisiereHinweis()
{
    if (m_grundHinweis.isNull())
        m_grundHinweis = toolTip().isNull() ? QStringLiteral("") : toolTip();
    QString hinweis = QStringLiteral("%1: %2").arg(m_titel, m_text);
    if (m_vorschau)
        hinweis += QStringLiteral("\ndanach: %1").arg(m_vorschauText);
    if (!m_grundHinweis.isEmpty())
        hinweis = m_grundHinweis + QLatin1Char('\n') + hinweis;
    setToolTip(hinweis);
    setAccessibleName(m_titel);
    setAccessibleDescription(hinweis);
}

QSize BudgetBalken::sizeHint() const
{
    const QFontMetrics fm(font());
    QFont fett = font();
    fett.setBold(true);
    const int breite = QFontMetrics(fett).horizontalAdvance(m_titel) + fm.horizontalAdvance(m_text) + 4 * innenRand;
    return QSize(qMax(breite, 120), fm.height() + 8);
}

QSize BudgetBalken::minimumSizeHint() const
{
    return sizeHint();
}

void BudgetBalken::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF rahmen = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath form;
    form.addRoundedRect(rahmen, 3, 3);
    p.fillPath(form, palette().base());
    p.save();
    p.setClipPath(form);
    const double breite = rahmen.width();
    p.fillRect(QRectF(rahmen.left(), rahmen.top(), breite * m_anteil, rahmen.height()), farbe(m_zustand));
    if (m_vorschau) {
        // Where the bar would end: the part it would gain hatched, a line at its end.
        const double von = rahmen.left() + breite * qMin(m_anteil, m_vorschauAnteil);
        const double bis = rahmen.left() + breite * qMax(m_anteil, m_vorschauAnteil);
        QColor schraffur = rand(m_vorschauZustand);
        p.fillRect(QRectF(von, rahmen.top(), bis - von, rahmen.height()), QBrush(schraffur, Qt::BDiagPattern));
        const double ende = rahmen.left() + breite * m_vorschauAnteil;
        p.setPen(QPen(schraffur, 2));
        p.drawLine(QPointF(qBound(rahmen.left() + 1, ende, rahmen.right() - 1), rahmen.top()),
                   QPointF(qBound(rahmen.left() + 1, ende, rahmen.right() - 1), rahmen.bottom()));
    }
    p.restore();
    p.setPen(QPen(rand(m_zustand), 1));
    p.drawPath(form);

    p.setPen(palette().color(QPalette::Text));
    const QRect innen = rect().adjusted(innenRand, 0, -innenRand, 0);
    QFont fett = font();
    fett.setBold(true);
    p.setFont(fett);
    p.drawText(innen, Qt::AlignLeft | Qt::AlignVCenter, m_titel);
    p.setFont(font());
    p.drawText(innen, Qt::AlignRight | Qt::AlignVCenter, m_text);
}
