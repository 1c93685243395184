#include "charakterxml.h"

#include "aktion.h"
#include "basistypus.h"
#include "charakter.h"
#include "charakterwertsachen.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

#include <QBuffer>
#include <QDate>
#include <QIODevice>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <climits>

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

using B = CharakterBasis;

// The text fields of one element: the attribute that holds each field, in
// the order of the file.
struct Textwert {
    const char* name;
    B::Textfeld feld;
};
const Textwert kTexteBasisdaten[] = {
    { "Name", B::Name }, { "Reich", B::Reich }, { "Heimatplanet", B::Heimatplanet },
};
const Textwert kTexteAussehen[] = {
    { "Haarfarbe", B::Haarfarbe }, { "Hautfarbe", B::Hautfarbe },
    { "Augenfarbe", B::Augenfarbe }, { "Sonstiges", B::AussehenSonstiges },
};
const Textwert kTexteGeschichte[] = {
    { "Kindheit", B::Kindheit }, { "Erziehung", B::Erziehung },
    { "Beruf", B::Beruf }, { "Werdegang", B::Werdegang },
};
const Textwert kTexteCharakter[] = {
    { "Grundcharakter", B::Grundcharakter }, { "Charakterzuege", B::Charakterzuege },
    { "Umfeld", B::Umfeld }, { "Hobbies", B::Hobbies }, { "Titel", B::Titel },
    { "Beziehungen", B::Beziehungen },
};

// Point counters: name, field as the user knows it, point kind and column.
struct Punktzaehler {
    const char* name;
    const char* feld;
    B::Punktart art;
    B::Punktspalte spalte;
};
const Punktzaehler kPunkte[] = {
    { "GenutzteTP", "Genutzte TP", B::TP, B::Genutzt },
    { "GenutzteSP", "Genutzte SP", B::SP, B::Genutzt },
    { "GenutzteMP", "Genutzte MP", B::MP, B::Genutzt },
    { "GekaufteTP", "Gekaufte TP", B::TP, B::Gekauft },
    { "GekaufteSP", "Gekaufte SP", B::SP, B::Gekauft },
    { "GekaufteMP", "Gekaufte MP", B::MP, B::Gekauft },
    { "ErspielteTP", "Erspielte TP", B::TP, B::Erspielt },
    { "ErspielteSP", "Erspielte SP", B::SP, B::Erspielt },
    { "ErspielteMP", "Erspielte MP", B::MP, B::Erspielt },
};

// Bought energies: name, field as the user knows it and energy kind.
struct Energiewert {
    const char* name;
    const char* feld;
    B::Energieart art;
};
const Energiewert kEnergien[] = {
    { "PNE", "Gekaufte PNE", B::PNE },
    { "DE", "Gekaufte DE", B::DE },
    { "AE", "Gekaufte AE", B::AE },
};

// The amounts of "Startdinge" that go into the money object.
struct Wertsache {
    const char* name;
    void (CharakterWertsachen::*setzen)(int);
};
const Wertsache kWertsachen[] = {
    { "Kapital", &CharakterWertsachen::setzeKapital },
    { "Schulden", &CharakterWertsachen::setzeSchulden },
    { "Cassias", &CharakterWertsachen::setzeCassias },
    { "Ceptomyzin", &CharakterWertsachen::setzeCeptomyzin },
};

// Attribute raises, in the order of the file, with their attribute.
struct Eigenschaftswert {
    const char* name;
    Regelwerk::Eigenschaft eigenschaft;
};
const Eigenschaftswert kEigenschaften[] = {
    { "Mut", Regelwerk::Mut },
    { "Intelligenz", Regelwerk::Intelligenz },
    { "Wissen", Regelwerk::Wissen },
    { "Instinkt", Regelwerk::Instinkt },
    { "Sinne", Regelwerk::Sinne },
    { "Emotionen", Regelwerk::Emotionen },
    { "Kraft", Regelwerk::Kraft },
    { "Koerperbhg", Regelwerk::Koerperbeherrschung },
    { "Handgeschick", Regelwerk::Handgeschick },
    { "Kondition", Regelwerk::Kondition },
    { "Ausstrahlung", Regelwerk::Ausstrahlung },
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

bool CharakterXml::bereinigeTexte(Charakter* c)
{
    bool bereinigt = false;
    const auto bereinige = [&bereinigt](QString& text) {
        const QString tauglich = xmlTauglich(text);
        if (tauglich != text) {
            text = tauglich;
            bereinigt = true;
        }
    };
    for (int i = 0; i < CharakterBasis::AnzahlTexte; ++i) {
        QString text = c->text(i);
        bereinige(text);
        c->setzeText(i, text);
    }
    for (int art = 0; art < Aktion::AnzahlArten; ++art) {
        for (int i = 0; i < c->anzahlAktionen(art); ++i)
            bereinige(c->aktion(art, i)->Bezeichnung);
    }
    for (int i = 0; i < c->anzahlSpezialgebiete(); ++i)
        bereinige(c->spezialgebiet(i)->Bezeichnung);
    return bereinigt;
}

void CharakterXml::schreibeBasis(QXmlStreamWriter& w, Charakter* c)
{
    const QDate datum = c->geburtsdatum();
    const auto schreibeTexte = [&w, c](const auto& texte) {
        for (const Textwert& t : texte)
            w.writeAttribute(name(t.name), xmlTauglich(c->text(t.feld)));
    };

    w.writeStartElement(QStringLiteral("Basisdaten"));
    w.writeAttribute(QStringLiteral("BasistypusIndex"), QString::number(c->basistypusIndex()));
    w.writeAttribute(QStringLiteral("generieren"), jaNein(c->generieren()));
    schreibeTexte(kTexteBasisdaten);
    w.writeAttribute(QStringLiteral("Tag"), QString::number(datum.day()));
    w.writeAttribute(QStringLiteral("Monat"), QString::number(datum.month()));
    w.writeAttribute(QStringLiteral("Jahr"), QString::number(datum.year()));
    w.writeAttribute(QStringLiteral("Sensitiv"), jaNein(c->sensitiv()));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Aussehen"));
    w.writeAttribute(QStringLiteral("Groesse"), QString::number(c->groesse()));
    w.writeAttribute(QStringLiteral("Gewicht"), QString::number(c->gewicht()));
    schreibeTexte(kTexteAussehen);
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Geschichte"));
    schreibeTexte(kTexteGeschichte);
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Charakter"));
    schreibeTexte(kTexteCharakter);
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Punkte"));
    w.writeAttribute(QStringLiteral("GenutzteStartEP"), QString::number(c->genutzteStartEP()));
    w.writeAttribute(QStringLiteral("GenutzteEP"), QString::number(c->genutzteEP()));
    for (const Punktzaehler& p : kPunkte)
        w.writeAttribute(name(p.name), QString::number(c->punkte(p.art, p.spalte)));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Energie"));
    for (const Energiewert& e : kEnergien)
        w.writeAttribute(name(e.name), QString::number(c->energie(e.art, B::Gekauft)));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("Eigenschaften"));
    for (const Eigenschaftswert& e : kEigenschaften)
        w.writeAttribute(name(e.name), QString::number(c->eigenschaftPunkte(e.eigenschaft)));
    w.writeEndElement();
}

void CharakterXml::schreibeCharakter(QXmlStreamWriter& w, Charakter* c)
{
    w.writeStartElement(QStringLiteral("Aktionen"));
    for (int art = 0; art < Aktion::AnzahlArten; ++art) {
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

bool CharakterXml::leseZahlImBereich(const QXmlStreamAttributes& a, const QString& name,
                                     int& ziel, int min, int max, const QString& feld,
                                     Lesestand& stand)
{
    int wert = 0;
    if (!leseZahl(a, name, wert))
        return false;
    ziel = qBound(min, wert, max);
    if (ziel != wert)
        stand.angepasst << QStringLiteral("%1 %2 gelesen, %3 übernommen")
                               .arg(feld, QString::number(wert), QString::number(ziel));
    return true;
}

bool CharakterXml::leseText(const QXmlStreamAttributes& a, const QString& name, QString& ziel)
{
    if (!a.hasAttribute(name))
        return false;
    ziel = a.value(name).toString();
    return true;
}

bool CharakterXml::lesen(const QByteArray& dokument, Charakter* c, QStringList* angepasst)
{
    QBuffer puffer;
    puffer.setData(dokument);
    puffer.open(QIODevice::ReadOnly);
    return lesen(&puffer, c, angepasst);
}

bool CharakterXml::lesen(QIODevice* geraet, Charakter* c, QStringList* angepasst)
{
    QXmlStreamReader r(geraet);
    Lesestand stand;
    while (!r.atEnd() && !r.hasError()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        leseBasis(r, c, stand);
        leseCharakter(r, c, stand);
    }
    if (!stand.markeGelesen && c->benutztSpezis())
        ordneBasistypGebieteZu(c, stand.gebiete);
    for (Spezialgebiet* gebiet : std::as_const(stand.gebiete)) {
        if (!c->spezialgebietAnhaengen(gebiet))
            delete gebiet;
    }
    if (angepasst)
        *angepasst = stand.angepasst;
    return !r.hasError();
}

CharakterXml::Befund CharakterXml::pruefe(const QByteArray& dokument)
{
    Befund befund;
    QByteArray inhalt = dokument;
    if (inhalt.startsWith("\xEF\xBB\xBF"))
        inhalt.remove(0, 3);
    inhalt = inhalt.trimmed();
    if (inhalt.isEmpty()) {
        befund.art = Befund::Leer;
        return befund;
    }

    QXmlStreamReader r(dokument);
    int elemente = 0;
    while (!r.atEnd() && !r.hasError()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (elemente++ == 0 && r.name() != u"Charakter") {
            befund.art = Befund::KeinCharakter;
            befund.wurzel = r.name().toString();
            return befund;
        }
    }
    if (!r.hasError()) {
        if (elemente == 0)
            befund.art = Befund::KeinCharakter;
        return befund;
    }
    const bool abgebrochen = r.error() == QXmlStreamReader::PrematureEndOfDocumentError;
    // Text or bytes where the first element belongs make no character file;
    // markup that ends before it is complete is one cut off.
    if (elemente == 0 && !(abgebrochen && inhalt.startsWith('<'))) {
        befund.art = Befund::KeinCharakter;
        return befund;
    }
    befund.art = Befund::Beschaedigt;
    befund.zeile = r.lineNumber();
    befund.spalte = r.columnNumber() + 1;
    befund.abgebrochen = abgebrochen;
    befund.fehler = r.errorString();
    befund.lesbarerTeil = elemente > 1;
    return befund;
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

void CharakterXml::leseBasis(const QXmlStreamReader& r, Charakter* c, Lesestand& stand)
{
    const QStringView element = r.name();
    const QXmlStreamAttributes a = r.attributes();
    const auto leseTexte = [&a, c](const auto& texte) {
        QString text;
        for (const Textwert& t : texte) {
            if (leseText(a, name(t.name), text))
                c->setzeText(t.feld, text);
        }
    };
    int zahl = 0;

    if (element == u"Basisdaten") {
        zahl = c->basistypusIndex();
        if (leseZahl(a, QStringLiteral("BasistypusIndex"), zahl)) {
            // Beyond the table the catalogue answers with its first row.
            const Regelwerk* regeln = c->regelwerk();
            if (zahl < 0 || zahl >= regeln->anzahlBasistypen()) {
                stand.angepasst << QStringLiteral("Basistypus %1 gelesen, %2 übernommen")
                                       .arg(QString::number(zahl), regeln->basistyp(0)->name);
                zahl = 0;
            }
            c->setzeBasistypus(zahl);
        }
        c->setzeGenerieren(a.value(QStringLiteral("generieren")) == kJa);
        leseTexte(kTexteBasisdaten);
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
        leseTexte(kTexteAussehen);
    } else if (element == u"Geschichte") {
        leseTexte(kTexteGeschichte);
    } else if (element == u"Charakter") {
        leseTexte(kTexteCharakter);
    } else if (element == u"Punkte") {
        if (leseZahlImBereich(a, QStringLiteral("GenutzteStartEP"), zahl, 0, INT_MAX,
                              QStringLiteral("Genutzte Start-EP"), stand))
            c->setzeGenutzteStartEP(zahl);
        // Selling after generation what was bought before it gives EP back:
        // the EP used after generation can fall below 0.
        if (leseZahl(a, QStringLiteral("GenutzteEP"), zahl))
            c->setzeGenutzteEP(zahl);
        for (const Punktzaehler& p : kPunkte) {
            if (leseZahlImBereich(a, name(p.name), zahl, 0, INT_MAX, name(p.feld), stand))
                c->setzePunkte(p.art, p.spalte, zahl);
        }
    } else if (element == u"Energie") {
        for (const Energiewert& e : kEnergien) {
            if (leseZahlImBereich(a, name(e.name), zahl, 0, INT_MAX, name(e.feld), stand))
                c->setzeGekaufteEnergie(e.art, zahl);
        }
    } else if (element == u"Eigenschaften") {
        const int steigerungen = c->regelwerk()->anzahlSteigerungen();
        for (const Eigenschaftswert& e : kEigenschaften) {
            const QString feld =
                Regelwerk::eigenschaftName(e.eigenschaft) + QStringLiteral(": Steigerung");
            if (leseZahlImBereich(a, name(e.name), zahl, 0, steigerungen, feld, stand))
                c->setzeEigenschaftPunkte(e.eigenschaft, zahl);
        }
    }
}

void CharakterXml::leseCharakter(const QXmlStreamReader& r, Charakter* c, Lesestand& stand)
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
            const int art = spezialisierung == Regelwerk::SpezialisierungSprachen
                                ? Aktion::Sprache
                                : (kenntnis == Regelwerk::KenntnisParanormik ? Aktion::Paranormal
                                                                             : Aktion::Technik);
            auto* aktion = new Aktion(bezeichnung, kenntnis, spezialisierung, befaehigung, kosten);
            if (!c->aktionAnhaengen(art, aktion))
                delete aktion;
        }
    } else if (element == u"Startdinge") {
        // An amount that is absent or no number becomes 0.
        for (const Wertsache& w : kWertsachen) {
            int betrag = 0;
            leseZahlImBereich(a, name(w.name), betrag, 0, INT_MAX, name(w.name), stand);
            (c->wertsachen()->*w.setzen)(betrag);
        }
        int zahl = 0;
        if (leseZahlImBereich(a, QStringLiteral("Bonuspunkte"), zahl, 0, INT_MAX,
                              QStringLiteral("Bonuspunkte"), stand))
            c->setzeBonuspunkte(zahl);
        if (leseZahlImBereich(a, QStringLiteral("Prestige"), zahl, 0, INT_MAX,
                              QStringLiteral("Prestige"), stand))
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
            && leseZahlImBereich(a, QStringLiteral("Wert"), wert, 0,
                                 c->regelwerk()->hoechsteSpezialgebietStufe(),
                                 QStringLiteral("Spezialgebiet „") + bezeichnung
                                     + QStringLiteral("“: Stufe"),
                                 stand)) {
            const bool markiert = a.hasAttribute(kBasistypus);
            stand.markeGelesen = stand.markeGelesen || markiert;
            stand.gebiete.append(new Spezialgebiet(bezeichnung, typ, kenntnis, bonus, wert,
                                                   eigenschaft1, eigenschaft2,
                                                   markiert && a.value(kBasistypus) == kJa));
        }
    }
}
