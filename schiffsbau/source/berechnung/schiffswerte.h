#ifndef SCHIFFSWERTE_H
#define SCHIFFSWERTE_H

#include "platzhalter.h"
#include "schiffsdaten.h"

#include <QList>
#include <QLocale>
#include <QString>

// The one description of the ship's values: per entry of the data panel its
// caption, unit, group, the numbers it shows with their format and their
// field in SchiffsDaten, its place in the text export, and whether it is a
// budget that can be overdrawn (volume, reactor output, computer slots) with
// its used and available parts. The data panel, the printed sheet and the
// text export are made from it, so all three show the same numbers.
class SchiffsWerte
{
public:
    enum class Gruppe : unsigned char { Groesse, Rumpf, Antrieb, Computer, Raeume, Leben };

    // How a number is written. Standard: by the field's type (an integer as
    // Ganz, a decimal as Dezimal with at most 2 decimals, a flag as Flag).
    // Ganz: digit grouping of the locale. Dezimal: fixed notation with at
    // most `stellen` decimals. Fest: exactly `stellen` decimals. Flag: "ja"
    // or "nein", a check box on the panel. The text export writes integers
    // and flags (0 or 1) plain, Dezimal in the general form with six
    // significant digits and Fest with its decimals.
    enum class Format : unsigned char { Standard, Ganz, Dezimal, Fest, Flag };

    // Where the panel shows an entry: the text of its labels, the tool tip
    // of its label, or the check state of its check box.
    enum class Ort : unsigned char { Text, Tooltip, Haken };

    // What a value is: a field, or of the entry's budget the free part
    // (available minus used), the available or the used part.
    enum class Teil : unsigned char { Feld, Frei, Verfuegbar, Benutzt };

    // One field of SchiffsDaten, whatever its type.
    class Feld
    {
    public:
        constexpr Feld() = default;
        constexpr Feld(qint64 SchiffsDaten::*feld) : m_ganz(feld) {}
        constexpr Feld(int SchiffsDaten::*feld) : m_klein(feld) {}
        constexpr Feld(float SchiffsDaten::*feld) : m_dezimal(feld) {}
        constexpr Feld(bool SchiffsDaten::*feld) : m_flag(feld) {}

        bool leer() const;
        Format format() const;
        // The value; a decimal one cut towards zero, a flag as 0 or 1.
        qint64 ganz(const SchiffsDaten &d) const;
        double zahl(const SchiffsDaten &d) const;

    private:
        qint64 SchiffsDaten::*m_ganz = nullptr;
        int SchiffsDaten::*m_klein = nullptr;
        float SchiffsDaten::*m_dezimal = nullptr;
        bool SchiffsDaten::*m_flag = nullptr;
    };

    // One number of an entry.
    struct Wert
    {
        Teil teil = Teil::Feld;
        Feld feld; // for Teil::Feld
        Format format = Format::Standard;
        int stellen = 2;
        // its placeholder in the export template; 0: not exported
        int platzhalter = 0;
    };

    // A budget: a capacity that the installed components use up.
    struct Budget
    {
        Feld benutzt;
        Feld verfuegbar;
        // The printed sheet's sentence when it is overdrawn (%1 used, %2
        // available) and its short mark beside the value.
        const char *warnung = nullptr;
        const char *marke = nullptr;
        // The object name and caption of the bar that shows it at a glance.
        const char *balken = nullptr;
        const char *titel = nullptr;
        // A soft limit: the rules allow more than is available (the
        // largest store draw against the store), so it is no budget that
        // can be overdrawn; only its bar shows it.
        bool weich = false;
    };

    struct Eintrag
    {
        const char *bezeichnung; // caption as the panel shows it (UTF-8)
        const char *einheit;
        Gruppe gruppe;
        Ort ort;
        // How the values join into one text ("%1 - %2"); nullptr for a
        // single value, or for one label per value.
        const char *muster;
        // Object names of the panel's widgets: one, or one per value.
        const char *anzeige[3];
        Wert werte[5];
        Budget budget;
    };

    // The entries in the order of the panel's groups.
    static int anzahl();
    static const Eintrag &eintrag(int i);
    static QString gruppenTitel(Gruppe gruppe);

    static int wertAnzahl(const Eintrag &e);
    // True for the budgets that can be overdrawn (not for a soft limit).
    static bool istBudget(const Eintrag &e);
    // True when the entry has a bar (a budget or a soft limit).
    static bool hatBalken(const Eintrag &e);
    // Used and available part of a budget or soft limit, and the text of
    // its bar: "47 / 120 GSTP".
    static double benutzt(const Eintrag &e, const SchiffsDaten &d);
    static double verfuegbar(const Eintrag &e, const SchiffsDaten &d);
    static QString balkenText(const Eintrag &e, const SchiffsDaten &d, const QLocale &locale);
    // True when more of a budget or soft limit is used than available.
    static bool ueberschritten(const Eintrag &e, const SchiffsDaten &d);
    // True when the entry is a budget and more of it is used than available.
    static bool ueberzogen(const Eintrag &e, const SchiffsDaten &d);
    // The value `wert` of the entry as panel and sheet show it.
    static QString text(const Eintrag &e, int wert, const SchiffsDaten &d, const QLocale &locale);
    // All values of the entry joined by its pattern (one value: that value).
    static QString text(const Eintrag &e, const SchiffsDaten &d, const QLocale &locale);
    // The values of the entry in one line of a table: as text(), but the
    // values of a tool tip joined by " / " (the tool tip itself is text()).
    static QString zeilenText(const Eintrag &e, const SchiffsDaten &d, const QLocale &locale);
    // How the entry changes from `vorher` to `nachher`, one signed
    // difference per value in the value's format ("+12 / 0"), a flag as its
    // new state; empty when zeilenText() of both is the same.
    static QString unterschied(const Eintrag &e, const SchiffsDaten &vorher, const SchiffsDaten &nachher,
                               const QLocale &locale);
    // The check state of an entry shown as a check box.
    static bool an(const Eintrag &e, const SchiffsDaten &d);
    // The sheet's sentence for an overdrawn budget, with its numbers.
    static QString warnung(const Eintrag &e, const SchiffsDaten &d, const QLocale &locale);

    // The export fills the ship's name and description into these
    // placeholders and the ship's numbers into the others.
    static constexpr int PlatzhalterName = 1;
    static constexpr int PlatzhalterBeschreibung = 49;
    // The number of values the export fills (the highest placeholder).
    static int anzahlPlatzhalter();
    // The export's values in placeholder order.
    static QList<Platzhalter::Wert> exportWerte(const SchiffsDaten &d, const QString &name,
                                                const QString &beschreibung);

private:
    static QString text(const Eintrag &e, const Wert &w, const SchiffsDaten &d, const QLocale &locale);
    static QString unterschied(const Eintrag &e, const Wert &w, const SchiffsDaten &vorher,
                               const SchiffsDaten &nachher, const QLocale &locale);
    static Format format(const Eintrag &e, const Wert &w);
    static qint64 ganz(const Eintrag &e, const Wert &w, const SchiffsDaten &d);
    static double zahl(const Eintrag &e, const Wert &w, const SchiffsDaten &d);
    // True when the free part of a bar's entry is below zero.
    static bool freiNegativ(const Eintrag &e, const SchiffsDaten &d);
};

#endif // SCHIFFSWERTE_H
