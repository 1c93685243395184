#ifndef BUDGETBALKEN_H
#define BUDGETBALKEN_H

#include <QString>
#include <QWidget>

// A budget at a glance: a bar filled as far as the budget is used, its
// caption on the left and its numbers ("47 / 120 GSTP") on the right;
// green while the budget holds, red when it is overdrawn, amber for a soft
// limit that is exceeded. While a preview is shown, a mark shows where the
// bar would end. Only drawn: the numbers of the data panel stay as they are.
class BudgetBalken : public QWidget
{
    Q_OBJECT

public:
    enum class Zustand { Gut, Ueberzogen, Warnung };

    explicit BudgetBalken(QWidget *parent = nullptr);

    void zeige(const QString &titel, double benutzt, double verfuegbar, const QString &text, Zustand zustand);
    // Marks where the bar would end (`text` its numbers then); without a
    // preview the mark goes.
    void zeigeVorschau(double benutzt, double verfuegbar, const QString &text, Zustand zustand);
    void keineVorschau();

    QString text() const { return m_text; }
    Zustand zustand() const { return m_zustand; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void aktualisiereHinweis();

    QString m_titel;
    QString m_text;
    double m_anteil = 0.0;
    Zustand m_zustand = Zustand::Gut;
    bool m_vorschau = false;
    double m_vorschauAnteil = 0.0;
    QString m_vorschauText;
    Zustand m_vorschauZustand = Zustand::Gut;
    QString m_grundHinweis;
};

#endif // BUDGETBALKEN_H
