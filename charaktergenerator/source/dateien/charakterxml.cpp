#include "charakterxml.h"

#include "aktion.h"
#include "basistypus.h"
#include "charakter.h"
#include "charakterwertsachen.h"
#include "spezialgebiet.h"

#include <QDate>
#include <QIODevice>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString kJa = QStringLiteral("Ja");
const QString kNein = QStringLiteral("Nein");
// Marks a species' own special area. Files of earlier versions lack it;
// their readers ignore it.
const QString kBasistypus = QStringLiteral("Basistypus");

QString jaNein(bool wert)
{
    return wert ? kJa : kNein;
}

// Text fields of the groups "Basisdaten" (0 to 2), "Aussehen" (3 to 6),
// "Geschichte" (7 to 10) and the inner "Charakter" (11 to 16).
const char* const kTexteAussehen[] = { "Haarfarbe", "Hautfarbe", "Augenfarbe", "Sonstiges" };
const char* const kTexteGeschichte[] = { "Kindheit", "Erziehung", "Beruf", "Werdegang" };
const char* const kTexteCharakter[] = { "Grundcharakter", "Charakterzuege", "Umfeld",
                                        "Hobbies", "Titel", "Beziehungen" };

// Point counters: name, kind (0 SP, 1 TP, 2 MP), column (1 bought, 2 earned, 4 used).
struct Punktzaehler {
    const char* name;
    int art;
    int spalte;
};
const Punktzaehler kPunkte[] = {
    { "GenutzteTP", 1, 4 }, { "GenutzteSP", 0, 4 }, { "GenutzteMP", 2, 4 },
    { "GekaufteTP", 1, 1 }, { "GekaufteSP", 0, 1 }, { "GekaufteMP", 2, 1 },
    { "ErspielteTP", 1, 2 }, { "ErspielteSP", 0, 2 }, { "ErspielteMP", 2, 2 },
};

// Bought energies: name and energy kind.
struct Energiewert {
    const char* name;
    int art;
};
const Energiewert kEnergien[] = { { "PNE", 2 }, { "DE", 3 }, { "AE", 4 } };

// Attribute raises, in the order of the file, with their attribute index.
struct Eigenschaftswert {
    const char* name;
    int index;
};
const Eigenschaftswert kEigenschaften[] = {
    { "Mut", 0 }, { "Intelligenz", 1 }, { "Wissen", 2 }, { "Instinkt", 3 },
    { "Sinne", 8 }, { "Emotionen", 4 }, { "Kraft", 5 }, { "Koerperbhg", 6 },
    { "Handgeschick", 7 }, { "Kondition", 9 }, { "Ausstrahlung", 10 },
};

QString name(const char* n)
{
    return QString::fromLatin1(n);
}

// XML 1.0 cannot carry control characters other than tab, line feed and
// carriage return, the non-characters U+FFFE and U+FFFF or halves of a
// surrogate pair; the stream writer would produce a broken document.
// Such characters (pasted by accident, never typed) are left out.
QString xmlTauglich(const QString& text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar z = text.at(i);
        if (z.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ergebnis += z;
            ergebnis += text.at(++i);
            continue;
        }
        const char16_t u = z.unicode();
        const bool erlaubt = u == 0x9 || u == 0xA || u == 0xD
                             || (u >= 0x20 && u <= 0xD7FF) || (u >= 0xE000 && u <= 0xFFFD);
        if (erlaubt)
            ergebnis += z;
    }
    return ergebnis;
}

} // namespace

// ---------------------------------------------------------------- writing

QByteArray CharakterXml::schreiben(Charakter* c)
{
    QByteArray dokument;
    QXmlStreamWriter w(&dokument);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(4);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("Charakter"));
    schreibeBasis(w, c);
    schreibeCharakter(w, c);
    w.writeEndElement();
    w.writeEndDocument();
    if (w.hasError())
        return QByteArray();
    return dokument;
}

void CharakterXml::schreibeBasis(QXmlStreamWriter& w, Charakter* c)
{
    const QDate datum = c->geburtsdatum();

    w.writeStartElement(QStringLiteral("Basisdaten"));
    w.writeAttribute(QStringLiteral("BasistypusIndex"), QString::number(c->basistypusIndex()));
    w.writeAttribute(QStringLiteral("generieren"), jaNein(c->generieren()));
    w.writeAttribute(QStringLiteral("Name"), xmlTauglich(c->text(0)));
    w.writeAttribute(QStringLiteral("Reich"), xmlTauglich(c->text(1)));
    w.writeAttribute(QStringLiteral("Heimatplanet"), xmlTauglich(c->text(2)));
    w.writeAttribute(QStringLiteral("Tag"), QString::number(datum.day()));
    w.writeAttribute(QStringLiteral("Monat"), QString::number(datum.month()));
    w.writeAttribute(QStringLiteral("Jahr"), QString::number(datum.year()));
    w.writeAttribute(QStringLiteral("Sensitiv"), jaNein(c->sensitiv()));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Aussehen"));
    w.writeAttribute(QStringLiteral("Groesse"), QString::number(c->groesse()));
    w.writeAttribute(QStringLiteral("Gewicht"), QString::number(c->gewicht()));
    for (int i = 0; i < 4; ++i)
        w.writeAttribute(name(kTexteAussehen[i]), xmlTauglich(c->text(3 + i)));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Geschichte"));
    for (int i = 0; i < 4; ++i)
        w.writeAttribute(name(kTexteGeschichte[i]), xmlTauglich(c->text(7 + i)));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Charakter"));
    for (int i = 0; i < 6; ++i)
        w.writeAttribute(name(kTexteCharakter[i]), xmlTauglich(c->text(11 + i)));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Punkte"));
    w.writeAttribute(QStringLiteral("GenutzteStartEP"), QString::number(c->genutzteStartEP()));
    w.writeAttribute(QStringLiteral("GenutzteEP"), QString::number(c->genutzteEP()));
    for (const Punktzaehler& p : kPunkte)
        w.writeAttribute(name(p.name), QString::number(c->punkte(p.art, p.spalte)));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Energie"));
    for (const Energiewert& e : kEnergien)
        w.writeAttribute(name(e.name), QString::number(c->energie(e.art, 1)));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Eigenschaften"));
    for (const Eigenschaftswert& e : kEigenschaften)
        w.writeAttribute(name(e.name), QString::number(c->eigenschaftPunkte(e.index)));
    w.writeEndElement();
}

void CharakterXml::schreibeCharakter(QXmlStreamWriter& w, Charakter* c)
{
    w.writeStartElement(QStringLiteral("Aktionen"));
    for (int art = 0; art < 3; ++art) {
        for (int i = 0; i < c->anzahlAktionen(art); ++i) {
            const Aktion* a = c->aktion(art, i);
            if (!a)
                continue;
            w.writeStartElement(QStringLiteral("Aktion"));
            w.writeAttribute(QStringLiteral("Bezeichnung"), xmlTauglich(a->Bezeichnung));
            w.writeAttribute(QStringLiteral("Kenntnis"), QString::number(a->Kenntnis));
            w.writeAttribute(QStringLiteral("Spezialisierung"), QString::number(a->Spezialisierung));
            w.writeAttribute(QStringLiteral("Kosten"), QString::number(a->Kosten));
            w.writeAttribute(QStringLiteral("Befaehigung"), QString::number(a->Befaehigung));
            w.writeEndElement();
        }
    }
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Startdinge"));
    w.writeAttribute(QStringLiteral("Kapital"), QString::number(c->kapital()));
    w.writeAttribute(QStringLiteral("Schulden"), QString::number(c->schulden()));
    w.writeAttribute(QStringLiteral("Cassias"), QString::number(c->cassias()));
    w.writeAttribute(QStringLiteral("Ceptomyzin"), QString::number(c->ceptomyzin()));
    w.writeAttribute(QStringLiteral("Bonuspunkte"), QString::number(c->bonuspunkte()));
    w.writeAttribute(QStringLiteral("Prestige"), QString::number(c->prestige()));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Spezialgebiete"));
    w.writeAttribute(QStringLiteral("BenutztSpezis"), jaNein(c->benutztSpezis()));
    for (int i = 0; i < c->anzahlSpezialgebiete(); ++i) {
        const Spezialgebiet* s = c->spezialgebiet(i);
        if (!s)
            continue;
        w.writeStartElement(QStringLiteral("Spezialgebiet"));
        w.writeAttribute(QStringLiteral("Bezeichnung"), xmlTauglich(s->Bezeichnung));
        w.writeAttribute(QStringLiteral("Typ"), QString::number(s->Typ));
        w.writeAttribute(QStringLiteral("Kenntnis"), QString::number(s->Kenntnis));
        w.writeAttribute(QStringLiteral("Bonus"), QString::number(s->Bonus));
        w.writeAttribute(QStringLiteral("Eigenschaft1"), QString::number(s->Eigenschaft1));
        w.writeAttribute(QStringLiteral("Eigenschaft2"), QString::number(s->Eigenschaft2));
        w.writeAttribute(QStringLiteral("Wert"), QString::number(s->Wert));
        w.writeAttribute(kBasistypus, jaNein(s->bonusSpezialgebiet));
        w.writeEndElement();
    }
    w.writeEndElement();
}

// ---------------------------------------------------------------- reading

bool CharakterXml::leseZahl(const QXmlStreamAttributes& a, const QString& name, int& ziel)
{
    if (!a.hasAttribute(name))
        return false;
    bool ok = false;
    const int wert = a.value(name).toInt(&ok, 10);
    if (!ok)
        return false;
    ziel = wert;
    return true;
}

bool CharakterXml::leseText(const QXmlStreamAttributes& a, const QString& name, QString& ziel)
{
    if (!a.hasAttribute(name))
        return false;
    ziel = a.value(name).toString();
    return true;
}

bool CharakterXml::lesen(QIODevice* geraet, Charakter* c, QString* fehler)
{
    QXmlStreamReader r(geraet);
    Spezialgebiete gebiete;
    while (!r.atEnd() && !r.hasError()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        leseBasis(r, c);
        leseCharakter(r, c, gebiete);
    }
    if (!gebiete.markeGelesen && c->benutztSpezis())
        ordneBasistypGebieteZu(c, gebiete.liste);
    for (Spezialgebiet* gebiet : std::as_const(gebiete.liste)) {
        if (!c->spezialgebietAnhaengen(gebiet))
            delete gebiet;
    }
    if (r.hasError()) {
        if (fehler)
            *fehler = r.errorString();
        return false;
    }
    return true;
}

QString CharakterXml::pruefeDokument(const QByteArray& dokument)
{
    QXmlStreamReader r(dokument);
    while (!r.atEnd() && !r.hasError()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (r.name() == u"Charakter")
            return QString();
        return QStringLiteral("Die Datei enthält keinen ZORVEL-Charakter "
                              "(das Dokument beginnt mit „%1“ statt „Charakter“).")
            .arg(r.name().toString());
    }
    if (r.hasError())
        return r.errorString();
    return QStringLiteral("Die Datei enthält keinen ZORVEL-Charakter.");
}

// Files of earlier versions do not say which special areas the species
// brought, and each load added the species' areas once more. For each of
// the species' areas, the first stored area with the same name and numbers
// is taken as the species' own; later copies of it exactly as the species
// grants them (level 4) are dropped. Bought areas keep their place.
void CharakterXml::ordneBasistypGebieteZu(Charakter* c, QList<Spezialgebiet*>& gebiete)
{
    const Basistypus* typ = c->basistyp();
    if (!typ)
        return;
    const auto gleich = [](const Spezialgebiet* a, const Spezialgebiet* b) {
        return a->Bezeichnung == b->Bezeichnung && a->Typ == b->Typ
               && a->Kenntnis == b->Kenntnis && a->Bonus == b->Bonus
               && a->Eigenschaft1 == b->Eigenschaft1 && a->Eigenschaft2 == b->Eigenschaft2;
    };
    for (const Spezialgebiet* vorlage : typ->bonusSpezialgebiete) {
        if (!vorlage)
            continue;
        bool gefunden = false;
        for (qsizetype i = 0; i < gebiete.size();) {
            Spezialgebiet* gebiet = gebiete.at(i);
            if (gebiet->bonusSpezialgebiet || !gleich(gebiet, vorlage)) {
                ++i;
            } else if (!gefunden) {
                gebiet->bonusSpezialgebiet = true;
                gefunden = true;
                ++i;
            } else if (gebiet->Wert == Charakter::BasistypGebietStufe) {
                delete gebiete.takeAt(i);
            } else {
                ++i;
            }
        }
    }
}

void CharakterXml::leseBasis(const QXmlStreamReader& r, Charakter* c)
{
    const QStringView element = r.name();
    const QXmlStreamAttributes a = r.attributes();
    QString text;
    int zahl = 0;

    if (element == u"Basisdaten") {
        zahl = c->basistypusIndex();
        if (leseZahl(a, QStringLiteral("BasistypusIndex"), zahl))
            c->setzeBasistypus(zahl);
        c->setzeGenerieren(a.value(QStringLiteral("generieren")) == kJa);
        const char* const texte[] = { "Name", "Reich", "Heimatplanet" };
        for (int i = 0; i < 3; ++i) {
            if (leseText(a, name(texte[i]), text))
                c->setzeText(i, text);
        }
        int tag = 1, monat = 1, jahr = 1;
        leseZahl(a, QStringLiteral("Tag"), tag);
        leseZahl(a, QStringLiteral("Monat"), monat);
        leseZahl(a, QStringLiteral("Jahr"), jahr);
        c->setzeGeburtsdatum(QDate(jahr, monat, tag));
        c->setzeSensitiv(a.value(QStringLiteral("Sensitiv")) == kJa);
    } else if (element == u"Aussehen") {
        zahl = c->groesse();
        if (leseZahl(a, QStringLiteral("Groesse"), zahl))
            c->setzeGroesse(zahl);
        zahl = c->gewicht();
        if (leseZahl(a, QStringLiteral("Gewicht"), zahl))
            c->setzeGewicht(zahl);
        for (int i = 0; i < 4; ++i) {
            if (leseText(a, name(kTexteAussehen[i]), text))
                c->setzeText(3 + i, text);
        }
    } else if (element == u"Geschichte") {
        for (int i = 0; i < 4; ++i) {
            if (leseText(a, name(kTexteGeschichte[i]), text))
                c->setzeText(7 + i, text);
        }
    } else if (element == u"Charakter") {
        for (int i = 0; i < 6; ++i) {
            if (leseText(a, name(kTexteCharakter[i]), text))
                c->setzeText(11 + i, text);
        }
    } else if (element == u"Punkte") {
        if (leseZahl(a, QStringLiteral("GenutzteStartEP"), zahl))
            c->setzeGenutzteStartEP(zahl);
        if (leseZahl(a, QStringLiteral("GenutzteEP"), zahl))
            c->setzeGenutzteEP(zahl);
        for (const Punktzaehler& p : kPunkte) {
            if (leseZahl(a, name(p.name), zahl))
                c->setzePunkte(p.art, p.spalte, zahl);
        }
    } else if (element == u"Energie") {
        for (const Energiewert& e : kEnergien) {
            if (leseZahl(a, name(e.name), zahl))
                c->setzeGekaufteEnergie(e.art, zahl);
        }
    } else if (element == u"Eigenschaften") {
        for (const Eigenschaftswert& e : kEigenschaften) {
            if (leseZahl(a, name(e.name), zahl))
                c->setzeEigenschaftPunkte(e.index, zahl);
        }
    }
}

void CharakterXml::leseCharakter(const QXmlStreamReader& r, Charakter* c, Spezialgebiete& gebiete)
{
    const QStringView element = r.name();
    const QXmlStreamAttributes a = r.attributes();

    if (element == u"Aktion") {
        QString bezeichnung;
        int kenntnis = 0, spezialisierung = 0, kosten = 0, befaehigung = 0;
        if (leseText(a, QStringLiteral("Bezeichnung"), bezeichnung)
            && leseZahl(a, QStringLiteral("Kenntnis"), kenntnis)
            && leseZahl(a, QStringLiteral("Spezialisierung"), spezialisierung)
            && leseZahl(a, QStringLiteral("Kosten"), kosten)
            && leseZahl(a, QStringLiteral("Befaehigung"), befaehigung)) {
            // The list follows from the stored numbers alone.
            const int art = spezialisierung == 0 ? 0 : (kenntnis == 3 ? 2 : 1);
            auto* aktion = new Aktion(bezeichnung, kenntnis, spezialisierung, befaehigung, kosten);
            if (!c->aktionAnhaengen(art, aktion))
                delete aktion;
        }
    } else if (element == u"Startdinge") {
        int kapital = 0, schulden = 0, cassias = 0, ceptomyzin = 0;
        leseZahl(a, QStringLiteral("Kapital"), kapital);
        leseZahl(a, QStringLiteral("Schulden"), schulden);
        leseZahl(a, QStringLiteral("Cassias"), cassias);
        leseZahl(a, QStringLiteral("Ceptomyzin"), ceptomyzin);
        c->wertsachen()->setzeKapital(kapital);
        c->wertsachen()->setzeSchulden(schulden);
        c->wertsachen()->setzeCassias(cassias);
        c->wertsachen()->setzeCeptomyzin(ceptomyzin);
        int zahl = 0;
        if (leseZahl(a, QStringLiteral("Bonuspunkte"), zahl))
            c->setzeBonuspunkte(zahl);
        if (leseZahl(a, QStringLiteral("Prestige"), zahl))
            c->setzePrestige(zahl);
    } else if (element == u"Spezialgebiete") {
        c->setzeBenutztSpezis(a.value(QStringLiteral("BenutztSpezis")) == kJa);
    } else if (element == u"Spezialgebiet") {
        QString bezeichnung;
        int typ = 0, kenntnis = 0, bonus = 0, eigenschaft1 = 0, eigenschaft2 = 0, wert = 0;
        if (leseText(a, QStringLiteral("Bezeichnung"), bezeichnung)
            && leseZahl(a, QStringLiteral("Typ"), typ)
            && leseZahl(a, QStringLiteral("Kenntnis"), kenntnis)
            && leseZahl(a, QStringLiteral("Bonus"), bonus)
            && leseZahl(a, QStringLiteral("Eigenschaft1"), eigenschaft1)
            && leseZahl(a, QStringLiteral("Eigenschaft2"), eigenschaft2)
            && leseZahl(a, QStringLiteral("Wert"), wert)) {
            const bool markiert = a.hasAttribute(kBasistypus);
            gebiete.markeGelesen = gebiete.markeGelesen || markiert;
            gebiete.liste.append(new Spezialgebiet(bezeichnung, typ, kenntnis, bonus, wert,
                                                   eigenschaft1, eigenschaft2,
                                                   markiert && a.value(kBasistypus) == kJa));
        }
    }
}
