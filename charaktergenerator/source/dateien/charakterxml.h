#ifndef CHARAKTERXML_H
#define CHARAKTERXML_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class Charakter;
class Spezialgebiet;
class QIODevice;
class QXmlStreamAttributes;
class QXmlStreamReader;
class QXmlStreamWriter;

// The character file: an XML document with one element per group of
// values, every value an attribute.  Writing builds the whole document in
// memory; reading assigns the stored values directly, without charging or
// refunding any points.
class CharakterXml
{
public:
    // What a first look at a document finds, before anything of it is read
    // into a character.
    struct Befund {
        enum Art {
            Lesbar,        // a character document, well-formed throughout
            Leer,          // nothing but blanks
            KeinCharakter, // not XML, or another first element than "Charakter"
            Beschaedigt    // a character document with a fault part-way
        };
        Art art = Lesbar;
        // KeinCharakter: the first element, when there is one.
        QString wurzel;
        // Beschaedigt: where the fault is (both counted from 1), whether the
        // document just ends there, and the reader's description.
        qint64 zeile = 0;
        qint64 spalte = 0;
        bool abgebrochen = false;
        QString fehler;
        // Beschaedigt: at least one group of values was read before the fault.
        bool lesbarerTeil = false;
    };

    // The complete document of the character, UTF-8 encoded.  Characters
    // that XML 1.0 cannot carry are left out of the texts.  Empty only when
    // the document could not be built.
    static QByteArray schreiben(Charakter* c);

    // Leaves out of the character's texts (the text fields, the names of its
    // actions and special areas) what schreiben() leaves out, so that they
    // read as the file holds them. True when anything was left out.
    static bool bereinigeTexte(Charakter* c);

    // Looks the document through without reading it into a character.
    static Befund pruefe(const QByteArray& dokument);

    // Reads the document on the open device into the character (which the
    // caller has reset).  Unknown elements and attributes are ignored,
    // absent or invalid numbers keep the field's value, incomplete action
    // and special-area entries are skipped.  Numbers that the rules cannot
    // mean are brought to the nearest value they allow: an attribute raise
    // beyond the raise table or below 0; a negative counter of bought,
    // earned or used SP, TP or MP, of used start EP, of bought energy, of
    // money, debts, special goods, prestige or bonus points; a special
    // area's level outside the level table; a species index outside the
    // species table (row 0). Each such value is described in `angepasst`
    // ("Mut: Steigerung 500 gelesen, 10 übernommen"). Whatever the editor
    // itself can produce stays as it is (EP used after generation below 0,
    // heights, weights and dates that its fields cannot show). Returns false
    // when the document is not well-formed; everything read before the
    // fault then stays in the character.
    // Special areas are added once the document has been read, also after a
    // fault; a species' own area keeps its mark through saving and loading.
    static bool lesen(QIODevice* geraet, Charakter* c, QStringList* angepasst = nullptr);
    // The same, from a document held in memory.
    static bool lesen(const QByteArray& dokument, Charakter* c, QStringList* angepasst = nullptr);

private:
    // What reading has gathered besides the character's fields: the special
    // areas read so far, whether any carried the species mark, and the
    // descriptions of the values brought into the rules.
    struct Lesestand {
        QList<Spezialgebiet*> gebiete;
        bool markeGelesen = false;
        QStringList angepasst;
    };

    static void schreibeBasis(QXmlStreamWriter& w, Charakter* c);
    static void schreibeCharakter(QXmlStreamWriter& w, Charakter* c);
    static void leseBasis(const QXmlStreamReader& r, Charakter* c, Lesestand& stand);
    static void leseCharakter(const QXmlStreamReader& r, Charakter* c, Lesestand& stand);
    static void ordneBasistypGebieteZu(Charakter* c, QList<Spezialgebiet*>& gebiete);

    static bool leseZahl(const QXmlStreamAttributes& a, const QString& name, int& ziel);
    // As leseZahl, with a value outside `min` to `max` brought to the
    // nearest of them and described under the field name `feld`.
    static bool leseZahlImBereich(const QXmlStreamAttributes& a, const QString& name, int& ziel,
                                  int min, int max, const QString& feld, Lesestand& stand);
    static bool leseText(const QXmlStreamAttributes& a, const QString& name, QString& ziel);
};

#endif // CHARAKTERXML_H
