#ifndef CHARAKTERXML_H
#define CHARAKTERXML_H

#include <QByteArray>
#include <QList>
#include <QString>

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
    // The complete document of the character, UTF-8 encoded.  Characters
    // that XML 1.0 cannot carry are left out of the texts.  Empty only when
    // the document could not be built.
    static QByteArray schreiben(Charakter* c);

    // Reads the document on the open device into the character (which the
    // caller has reset).  Unknown elements and attributes are ignored,
    // absent or invalid numbers keep the field's value, incomplete action
    // and special-area entries are skipped.  Valid numbers are taken as they
    // are, also outside the rules (a species index beyond the catalogue, a
    // raise of 500); the model answers safely for them.  Returns false when the
    // document is not well-formed; `fehler` then receives the reader's
    // description and everything read before the fault stays in the
    // character.
    // Special areas are added once the document has been read, also after a
    // fault; a species' own area keeps its mark through saving and loading.
    static bool lesen(QIODevice* geraet, Charakter* c, QString* fehler);

    // Empty when `dokument` begins like a character file (its first element
    // is "Charakter"); otherwise why it is none: the reader's description
    // of the fault, or the element that it holds instead.
    static QString pruefeDokument(const QByteArray& dokument);

private:
    // The special areas read so far and whether any carried the species mark.
    struct Spezialgebiete {
        QList<Spezialgebiet*> liste;
        bool markeGelesen = false;
    };

    static void schreibeBasis(QXmlStreamWriter& w, Charakter* c);
    static void schreibeCharakter(QXmlStreamWriter& w, Charakter* c);
    static void leseBasis(const QXmlStreamReader& r, Charakter* c);
    static void leseCharakter(const QXmlStreamReader& r, Charakter* c, Spezialgebiete& gebiete);
    static void ordneBasistypGebieteZu(Charakter* c, QList<Spezialgebiet*>& gebiete);

    static bool leseZahl(const QXmlStreamAttributes& a, const QString& name, int& ziel);
    static bool leseText(const QXmlStreamAttributes& a, const QString& name, QString& ziel);
};

#endif // CHARAKTERXML_H
