#ifndef KOMPONENTE_H
#define KOMPONENTE_H

#include "kategorie.h"
#include "platzhalter.h"

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
    // The values a list column can feed.
    enum class Wert : unsigned char {
        Keiner,
        // strings
        Name, Hersteller, Legalitaet, Einheit, Beschreibung, Text,
        // integers
        Tl, Preis, Gstpv, Rev, Bev, Eigen1, Eigen2, Eigen3,
        // decimal numbers (32-bit floats)
        Gewicht, Dezimal,
    };
    // How a field is read beyond its value's type.
    enum class Regel : unsigned char {
        Keine,
        // a decimal field of which the whole part (cut towards zero) is kept
        GanzerTeil,
        // the unit decides the slot need: 1 for "gstpv" in any letter case
        // (blanks around it ignored), 2 for any other unit
        SlotsNachEinheit,
        // the title gets " /n" unless the unit begins with "St"
        ProEinheit,
    };
    // One column: the value it feeds and shows, its title, a second value
    // the same field feeds as well, and its reading rule.
    struct Spalte
    {
        Wert wert = Wert::Keiner;
        const char *titel = nullptr;
        Wert auch = Wert::Keiner;
        Regel regel = Regel::Keine;
    };
    // Everything a kind declares about itself and its list rows (one row
    // per category in Kategorien).
    struct Art
    {
        // The kind's short name (UTF-8).
        const char *kurzname = nullptr;
        // The kind's columns (after the base columns); the last one is the
        // unit. Unused entries stay Wert::Keiner.
        Spalte spalten[7] = {};
        // Description format and the values of its markers in ascending
        // marker order (unused entries Wert::Keiner).
        const char16_t *format = nullptr;
        Wert werte[9] = {};
        // Defaults of the kind.
        int slotBedarf = 0;
        int gstpv = 0;
        float dezimal = 0.0f;
        // Columns 0-5 are the base columns; false for a kind that lists all
        // of its columns itself.
        bool grundspalten = true;
        // Rows are read from list fields; false for a kind that fills its
        // values otherwise (it only keeps the fields).
        bool ausListe = true;
    };

    Komponente();
    Komponente(const Komponente &andere) = default;
    Komponente &operator=(const Komponente &andere) = default;
    virtual ~Komponente();

    // Kind of the component = index of its library category (0-23); 99 for
    // a plain component, which must never reach the ship calculation. A kind
    // answers with the category whose row declares it.
    virtual int typ() const;
    // True when the component is installed at most once (check box).
    virtual bool nurEinmal() const;
    // Short kind name for the "Typ" column of the ship table; a kind answers
    // with the short name of its row, a plain component with an empty text.
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

    // Reads one list row. A plain component only keeps the fields and
    // reports true. A kind reads a row of at least spaltenAnzahl() fields
    // into its values; a shorter row keeps the defaults and is refused
    // (false). In both cases the description is built from the values.
    virtual bool leseZeile(const QStringList &felder);
    // The fields of the row as read, before trimming or conversion.
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

    // Lets the maker, legality and unit share the text of an equal one in
    // `texte`, the texts met last (adding those not there yet, at most a few
    // dozen), so that the many rows of a library that repeat them hold each
    // text once.
    void teileTexte(QStringList &texte);

    // Locale-independent number reading: blanks around the text are
    // accepted, text that does not convert gives 0.
    static int leseGanzzahl(const QString &text);
    static float leseDezimal(const QString &text);

    // Fills the numbered markers (%n or %Ln) of a format in ascending marker
    // order with the given values in one pass (Platzhalter). Integers are
    // written in decimal, floats in the general form with six significant
    // digits; markers with L use the default locale's grouping and decimal
    // separator; strings as they are.
    static QString fuelleFormat(const QString &format, const QVariantList &werte);

    // Text of a column value as a ship file stores it: numbers in plain
    // decimal without grouping or exponent, a decimal number with the
    // fewest decimals that read back to the same value; strings as they are.
    static QString spaltenText(const QVariant &wert);

protected:
    // A component of the kind declared in the row of `kategorie`.
    explicit Komponente(Kategorie kategorie);
    // A component of the kind `art` (a static table), for a kind that is not
    // read from a list of one category.
    explicit Komponente(const Art &art);

    // The value `wert` as its column shows it (int, float or string).
    QVariant wertVon(Wert wert) const;
    // The same as a value for a description's marker.
    Platzhalter::Wert platzhalterWert(Wert wert) const;
    int ganzzahl(Wert wert) const;
    float dezimal() const;
    QString text() const;

private:
    const Spalte *spalte(int spalte) const;
    void leseFeld(const Spalte &spalte, Wert wert, const QString &feld);
    bool feldPasst(int spalte, QStringView feld) const;
    void merkeRohdaten(const QStringList &felder);

    const Art *m_art = nullptr;
    int m_typ = 99;

protected:
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

private:
    // The kind's own values (by Wert::Eigen1 ... Eigen3, Dezimal, Text).
    int m_eigen[3] = {0, 0, 0};
    float m_dezimal = 0.0f;
    QString m_text;
    // The row as read; left empty when the columns give its text back
    // (m_rohAusSpalten), then only a line feed after the last field is kept.
    QStringList m_rohdaten;
    bool m_rohAusSpalten = false;
    bool m_rohZeilenende = false;
};

#endif // KOMPONENTE_H
