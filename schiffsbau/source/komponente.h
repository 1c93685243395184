#ifndef KOMPONENTE_H
#define KOMPONENTE_H

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// Common base of every ship component: one row of a component list file or
// one built-in room or fitting. Filled once by leseZeile(), never changed
// afterwards; copies (copy constructor) are independent values.
class Komponente
{
public:
    Komponente();
    Komponente(const Komponente &andere) = default;
    Komponente &operator=(const Komponente &andere) = default;
    virtual ~Komponente();

    // Kind of the component = index of its library category (0-23); 99 for
    // a plain component, which must never reach the ship calculation.
    virtual int typ() const;
    // True when the component is installed at most once (check box).
    virtual bool nurEinmal() const;
    // Short kind name for the "Typ" column of the ship table.
    virtual QString kurzname() const;

    virtual QString name() const;
    virtual QString hersteller() const;
    virtual QString legalitaet() const;
    virtual int tl() const;
    virtual int preis() const;
    virtual float gewicht() const;
    // The unit; for display a unit of exactly "max 1x" is shown as " ".
    virtual QString einheit(bool fuerAnzeige) const;
    virtual QString einheitTitel() const;
    virtual int gstpv() const;
    virtual int rev() const;
    virtual int bev() const;
    virtual QString beschreibung() const;
    // 0 = no computer slot, 1 = one slot per installed row,
    // 2 = one slot per counted unit.
    virtual int slotBedarf() const;

    // Reads one list row. The base stores the fields as raw data and reports
    // true; every kind overrides it and calls the base first.
    virtual bool leseZeile(const QStringList &felder);
    virtual QStringList rohdaten() const;
    virtual void setzeEinheit(const QString &einheit);
    // Reads the six base columns; false (and nothing changed) for a row of
    // five fields or fewer.
    virtual bool leseGrunddaten(const QStringList &felder);

    // Columns shown in the component chooser; also the columns of a list row
    // and of a stored ship row, so that spaltenWert() reads back unchanged.
    virtual int spaltenAnzahl() const;
    virtual QVariant spaltenWert(int spalte) const;
    virtual QString spaltenTitel(int spalte) const;

    // Locale-independent number reading: blanks around the text are
    // accepted, text that does not convert gives 0.
    static int leseGanzzahl(const QString &text);
    static float leseDezimal(const QString &text);

    // Fills the numbered markers (%n or %Ln) of a format in ascending marker
    // order with the given values in one pass (a "%" inside a value is never
    // taken for a marker). Integers are written in decimal, floats in the
    // general form with six significant digits; markers with L use the
    // default locale's grouping and decimal separator; strings as they are.
    static QString fuelleFormat(const QString &format, const QVariantList &werte);

protected:
    // Builds the description from a kind's format: %3 legalitaet, %4 tl,
    // %L5 preis, %L6 gewicht, then the given kind-specific values.
    QString baueBeschreibung(const QString &format, const QVariantList &eigeneWerte) const;

    QString m_name;
    QString m_hersteller;
    QString m_legalitaet;
    int m_tl = 0;
    int m_preis = 0;
    float m_gewicht = 0.0f;
    QString m_einheit;
    int m_slotBedarf = 0;
    int m_gstpv = 0;
    int m_rev = 0;
    int m_bev = 0;
    QString m_beschreibung;
    QStringList m_rohdaten;
};

#endif // KOMPONENTE_H
