#include "regelwerk.h"

#include "aktion.h"
#include "basistypus.h"
#include "spezialgebiet.h"

namespace {

// Attribute abbreviations used in the tables below.
enum {
    Mu = Regelwerk::Mut, It = Regelwerk::Intelligenz, Wi = Regelwerk::Wissen,
    Is = Regelwerk::Instinkt, Em = Regelwerk::Emotionen, Kr = Regelwerk::Kraft,
    Kb = Regelwerk::Koerperbeherrschung, Hg = Regelwerk::Handgeschick, Si = Regelwerk::Sinne,
    Ko = Regelwerk::Kondition, Au = Regelwerk::Ausstrahlung
};

const int Keine = Regelwerk::KeineSpezialisierung;

const char* const EigenschaftNamen[Regelwerk::AnzahlEigenschaften] = {
    "Mut", "Intelligenz", "Wissen", "Instinkt", "Emotionen", "Kraft",
    "Körperbeherrschung", "Handgeschick", "Sinne", "Kondition", "Ausstrahlung"
};

const char* const EigenschaftBeschriftungen[Regelwerk::AnzahlEigenschaften] = {
    "Mut (Mu)", "Intelligenz (It)", "Wissen (Wi)", "Instinkt (Is)", "Emotionen (Em)",
    "Kraft (Kr)", "Körperbeherrschung (Kb)", "Handgeschick (Hg)", "Sinne (Si)",
    "Kondition (Ko)", "Ausstrahlung (Aus)"
};

const char* const EigenschaftKuerzel[Regelwerk::AnzahlEigenschaften] = {
    "Mu", "It", "Wi", "Is", "Em", "Kr", "Kb", "Hg", "Si", "Ko", "Au"
};

struct KenntnisZeile {
    const char* name;
    int eigenschaft1;
    int eigenschaft2;
};

const KenntnisZeile Kenntnisse[Regelwerk::AnzahlKenntnisse] = {
    { "Vita", Wi, Wi },
    { "Akademik", It, It },
    { "Technik", It, Wi },
    { "Paranormik", Is, Em },
    { "Transportmittel", Si, Hg },
    { "Handwerk & Kunst", Is, Wi },
    { "Beeinflussen & Verhalten", Au, Em },
    { "Kognition", Is, Si },
    { "Athletik", Kb, Kb },
    { "Kampf", Mu, Si },
};

const char* const Spezialisierungen[Regelwerk::KeineSpezialisierung] = {
    "Sprachen & Schriften", "Elektrotechnik", "Rüstungstechnik", "Kybernetik",
    "Nano- & Mikrobotik", "Astrotechnik", "Software", "Mechanik- & Materialbearbearbeitung",
    "Biologie & Genetik", "Chemie", "Wirkstoffkunde", "Parapsychologie", "Esoterik",
    "Telepathie", "Mentalmanipulation", "Energieflussmanipulation",
    "Materieflussmanipulation", "Lebensflussmanipulation"
};

const char* const Stufen[8] = {
    "-", "Dilettant", "Auszubildender", "Geselle", "Experte", "Meister", "Legende",
    "Transzendent"
};

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// The text of entry i of a table of names, the empty string outside it.
template <int N>
QString eintrag(const char* const (&namen)[N], int i)
{
    if (i < 0 || i >= N)
        return QString();
    return text(namen[i]);
}

// Bonus special areas, in member order.
enum Bonus { BAusweichen, BRennen, BTelepathie, BSchwimmen, BVerwandeln, BSoftware,
             BMaterie, BFliegen };

struct BasistypZeile {
    const char* name;
    const char* geschlecht;
    int wuerfel, grundgroesse, abzug, hautschutz, asp, msp, ksp, ep, mp, sp, tp;
    float physis, psyche;
    int de, ae;
    bool mp_kaufbar, ceptomyzin, cassias;
    int startwerte[Regelwerk::AnzahlEigenschaften];
    int bonus[3];       // indices into the bonus areas, -1 = none
    const char* merkmale;
};

const BasistypZeile Basistypen[] = {
    { "Terraner", "männlich", 3, 185, 110, 0, 80, 120, 0, 200, 0, 20, 0, 1.5f, 1.5f, 0, 0,
      true, false, false, { 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10 },
      { BAusweichen, BRennen, -1 }, "-" },
    { "Terranerin", "weiblich", 3, 175, 110, 0, 80, 120, 0, 200, 0, 20, 0, 1.5f, 1.5f, 0, 0,
      true, false, false, { 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10 },
      { BAusweichen, BRennen, -1 }, "-" },
    { "Metonoid", "männlich", 3, 235, 95, 3, 100, 150, 0, 170, 10, 0, 10, 1.3f, 1.4f, 0, 0,
      true, false, false, { 10, 7, 8, 12, 10, 14, 8, 9, 10, 12, 10 },
      { BAusweichen, BRennen, -1 },
      "Lichtadaptive Augen: halbe Umwelt-Schwelle bei Dunkelheit; Kälteresistenz: "
      "Umwelt-Schwelle Kälte +2; Hautschutz 3 gegen stumpfe Waffen; Nahrungsbedarf x 1,5" },
    { "Metonoidin", "weiblich", 3, 225, 95, 3, 100, 150, 0, 170, 10, 0, 10, 1.3f, 1.4f, 0, 0,
      true, false, false, { 10, 7, 8, 12, 10, 14, 8, 9, 10, 12, 10 },
      { BAusweichen, BRennen, -1 },
      "Lichtadaptive Augen: halbe Umwelt-Schwelle bei Dunkelheit; Kälteresistenz: "
      "Umwelt-Schwelle Kälte +2; Hautschutz 3 gegen stumpfe Waffen; Nahrungsbedarf x 1,5" },
    { "Minelauvaner", "männlich", 3, 175, 95, 2, 72, 108, 0, 185, 0, 10, 0, 1.4f, 1.6f, 0, 0,
      true, false, false, { 8, 10, 7, 9, 8, 8, 15, 9, 12, 14, 10 },
      { BAusweichen, BSchwimmen, -1 },
      "Gravitationssinn: +1 auf Orientierung und Null-G-Bewegung; Wasseratmung bis 10 "
      "Minuten; Schwimmhäute: Schwimmen +2; Trockenheit: Umwelt-Schwelle Hitze -2" },
    { "Minelauvanerin", "weiblich", 3, 160, 95, 2, 72, 108, 0, 185, 0, 10, 0, 1.4f, 1.6f, 0,
      0, true, false, false, { 8, 10, 7, 9, 8, 8, 15, 9, 12, 14, 10 },
      { BAusweichen, BSchwimmen, -1 },
      "Gravitationssinn: +1 auf Orientierung und Null-G-Bewegung; Wasseratmung bis 10 "
      "Minuten; Schwimmhäute: Schwimmen +2; Trockenheit: Umwelt-Schwelle Hitze -2" },
    { "Beta-Pictor", "neutrum", 0, 155, 105, 0, 64, 96, 0, 175, 0, 0, 0, 2.5f, 0.8f, 40, 0,
      false, false, false, { 15, 7, 7, 9, 14, 8, 8, 7, 12, 13, 10 },
      { BAusweichen, BRennen, -1 },
      "Immunitäten: Telepathie, Mentalmanipulation, Lebensflussmanipulation, Dunkelheit, "
      "Wunde E; feste Größe 155 cm; Deltaenergie 40 zu Beginn; keine Mentalpunkte kaufbar" },
    { "Tokmarde", "neutrum", 3, 200, 125, 0, 104, 104, 52, 90, 0, 0, 5, 1.1f, 1.7f, 0, 0,
      true, true, false, { 13, 10, 8, 11, 8, 0, 0, 0, 0, 0, 10 },
      { BAusweichen, BRennen, BSoftware },
      "Tokmardisch-Trinär: +2 Bonus Technik / Software; körperlos: Kraft, "
      "Körperbeherrschung, Handgeschick, Sinne und Kondition nur über die Roboterhülle; "
      "Ceptomyzin kaufbar" },
    { "Wandler-Chamäleonid", "neutrum", 3, 50, 0, 0, 0, 180, 0, 175, 0, 0, 0, 1.6f, 1.6f, 0,
      0, true, false, false, { 7, 10, 11, 11, 9, 12, 11, 8, 13, 9, 9 },
      { BAusweichen, BRennen, BVerwandeln },
      "Gestaltwandlung: keine Implantate; Verwandeln als Bonusspezialgebiet; Farbwechsel: "
      "Verstecken +2; Gewicht gleich Größe; Grundgröße 50 cm" },
    { "Halb-Zorvelat", "männlich", 3, 190, 110, 0, 0, 0, 0, 150, 0, 40, 0, 1.5f, 1.5f, 0, 10,
      false, false, false, { 9, 16, 15, 7, 9, 9, 8, 10, 8, 7, 12 },
      { BAusweichen, BRennen, BMaterie },
      "Astroniumkörper: Schaden halbiert, Scanschutz +2; Astroniumenergie 10 zu Beginn; "
      "Materie verändern als Bonusspezialgebiet; keine Mentalpunkte kaufbar" },
    { "Halb-Zorvelatin", "weiblich", 3, 180, 110, 0, 0, 0, 0, 150, 0, 40, 0, 1.5f, 1.5f, 0, 10,
      false, false, false, { 9, 16, 15, 7, 9, 9, 8, 10, 8, 7, 12 },
      { BAusweichen, BRennen, BMaterie },
      "Astroniumkörper: Schaden halbiert, Scanschutz +2; Astroniumenergie 10 zu Beginn; "
      "Materie verändern als Bonusspezialgebiet; keine Mentalpunkte kaufbar" },
    { "Cassiopier-Arbeiterin", "weiblich", 3, 160, 90, 5, 68, 102, 0, 145, 0, 0, 0, 2.0f, 1.3f,
      0, 0, true, false, true, { 11, 12, 10, 12, 9, 7, 8, 8, 15, 8, 10 },
      { BAusweichen, BRennen, -1 },
      "Hitzekörper: Hautschutz B 10; Chitinpanzer: Hautschutz 5; Facettenaugen: Suchen +1; "
      "Schwarmbewusstsein: Telepathie im eigenen Volk +2; Cassias kaufbar" },
    { "Halb-Xeracor", "männlich", 3, 185, 100, 0, 80, 120, 1, 185, 0, 0, 0, 1.3f, 1.5f, 0, 0,
      true, false, false, { 10, 10, 11, 8, 9, 11, 8, 10, 9, 11, 13 },
      { BAusweichen, BRennen, -1 },
      "Siliziumkörper:Mineralienverzehr, LE-Regeneration x 2, Hautschutz X/B 3; "
      "Kristallstimme: Stimme +1; Hitzeempfindlich: Umwelt-Schwelle Hitze -2" },
    { "Halb-Xeracorin", "weiblich", 3, 175, 100, 0, 80, 120, 1, 185, 0, 0, 0, 1.3f, 1.5f, 0, 0,
      true, false, false, { 10, 10, 11, 8, 9, 11, 8, 10, 9, 11, 13 },
      { BAusweichen, BRennen, -1 },
      "Siliziumkörper:Mineralienverzehr, LE-Regeneration x 2, Hautschutz X/B 3; "
      "Kristallstimme: Stimme +1; Hitzeempfindlich: Umwelt-Schwelle Hitze -2" },
    { "Veganoid", "Riza", 3, 115, 90, 0, 44, 66, 0, 90, 100, 0, 0, 1.8f, 1.6f, 0, 0,
      true, false, false, { 9, 13, 11, 10, 12, 6, 7, 13, 8, 8, 12 },
      { BAusweichen, BTelepathie, -1 },
      "Molesproduktion: 500 g / Tag; 100 Mentalpunkte zu Beginn; Telepathie als "
      "Bonusspezialgebiet; kleine Statur: Grundgröße 115 cm" },
    { "konföderierter Metonoid", "männlich", 3, 230, 100, 0, 100, 150, 0, 190, 0, 0, 0, 1.3f,
      1.4f, 0, 0, true, false, false, { 11, 8, 9, 11, 11, 12, 8, 9, 10, 11, 10 },
      { BAusweichen, BRennen, -1 },
      "Interplasma (Stoffwechselanpassung): Gifte und Drogen wirken halb; Lichtadaptive "
      "Augen: halbe Umwelt-Schwelle bei Dunkelheit" },
    { "konföderierte Metonoidin", "weiblich", 3, 220, 100, 0, 100, 150, 0, 190, 0, 0, 0, 1.3f,
      1.4f, 0, 0, true, false, false, { 11, 8, 9, 11, 11, 12, 8, 9, 10, 11, 10 },
      { BAusweichen, BRennen, -1 },
      "Lichtadaptive Augen: halbe Umwelt-Schwelle bei Dunkelheit; Interplasma "
      "(Stoffwechselanpassung): Gifte und Drogen wirken halb" },
    { "At'rang-gulor", "Springer", 3, 180, 130, 0, 60, 90, 0, 190, 0, 0, 0, 1.7f, 1.2f, 0, 0,
      true, false, false, { 8, 10, 10, 8, 8, 10, 12, 9, 11, 16, 8 },
      { BAusweichen, BFliegen, -1 },
      "Fliegen: Behinderung Boden -2, Wasser -4, max. Gewichtsbehinderung -1; Hohlknochen: "
      "leichter Körperbau; Fliegen als Bonusspezialgebiet" },
};

struct SpeziZeile {
    int kenntnis;
    const char* name;
    int typ;
    int eigenschaft1;
    int eigenschaft2;
};

const SpeziZeile Spezialgebiete[] = {
    { 0, "Medizin", Keine, It, Hg },
    { 0, "Wirkstoffkunde", Keine, Si, Mu },
    { 0, "Biologie & Genetik", Keine, It, It },
    { 0, "Chemie", Keine, Is, It },
    { 0, "Tierkunde", Keine, It, Wi },
    { 0, "Botanik", Keine, It, Wi },

    { 1, "Physik & Mathematik", Keine, Wi, It },
    { 1, "Sprachen & Schriften", 0, Is, Wi },
    { 1, "Jura", Keine, Is, Wi },
    { 1, "Philosophie", Keine, Wi, Wi },
    { 1, "Psychologie", Keine, Wi, Is },
    { 1, "Geschichte & Politik", Keine, Wi, Wi },
    { 1, "Kultur & Gesellschaft", Keine, Wi, Wi },
    { 1, "Taktik & Strategie", Keine, It, Wi },

    { 2, "Kybernetik", 3, Hg, Wi },
    { 2, "Elektrotechnik", 1, Hg, Wi },
    { 2, "Rüstungstechnik", 2, Hg, Wi },
    { 2, "Mikro- & Nanobotik", 4, It, Wi },
    { 2, "Mechanik- & Materialbearbeitung", Keine, Hg, Wi },
    { 2, "Software", 6, It, Wi },
    { 2, "Astrotechnik", 5, Hg, Wi },
    { 2, "Sensoren & Scanner", Keine, Wi, Wi },

    { 3, "Esoterik", 12, Is, Wi },
    { 3, "Parapsychologie", 11, Wi, Wi },
    { 3, "Telepathie", 13, Em, Em },
    { 3, "Mentalmanipulation", 14, Em, Au },
    { 3, "Energieflussmanipulation", 15, Em, It },
    { 3, "Lebensflussmanipulation", 17, Em, It },
    { 3, "Materieflussmanipulation", 16, Em, It },

    { 4, "Landtiere reiten", Keine, Kb, Au },
    { 4, "Lufttiere reiten", Keine, Kb, Au },
    { 4, "Wassertiere reiten", Keine, Kb, Au },
    { 4, "Raumfahrzeuge", Keine, Wi, It },
    { 4, "Landfahrzeuge", Keine, Si, Hg },
    { 4, "Luftfahrzeuge", Keine, Hg, Is },
    { 4, "Unterseefahrzeuge", Keine, Wi, Is },
    { 4, "Seefahrzeuge", Keine, Si, Wi },

    { 5, "Bildkunst", Keine, Is, Hg },
    { 5, "Kochen & Kulinarik", Keine, Si, Wi },
    { 5, "Spiele spielen", Keine, Is, Em },
    { 5, "Musizieren & Musik (m. Instr.)", Keine, Si, Hg },
    { 5, "Stimme", Keine, Em, Si },
    { 5, "Geschichtsschöpfung", Keine, It, Is },

    { 6, "Etikette & Förmlichkeit", Keine, Wi, Is },
    { 6, "Straßenleben", Keine, Wi, Wi },
    { 6, "Handeln", Keine, Au, Is },
    { 6, "Schauspielern", Keine, Mu, Is },
    { 6, "Einschüchtern", Keine, Au, Mu },
    { 6, "Kommandieren", Keine, It, Au },
    { 6, "Lügen & Täuschen", Keine, Mu, Is },
    { 6, "Überzeugen", Keine, Au, Em },
    { 6, "Verführen", Keine, Au, Mu },

    { 7, "Suchen", Keine, Wi, Si },
    { 7, "Orientierung", Keine, It, Wi },
    { 7, "Verstecken", Keine, Kb, Si },
    { 7, "Einschätzen", Keine, It, Wi },

    { 8, "Akrobatik", Keine, Mu, Ko },
    { 8, "Ausweichen", Keine, Si, Is },
    { 8, "Klettern", Keine, Kr, Hg },
    { 8, "Rennen & Springen", Keine, Kr, Ko },
    { 8, "Null-G-Bewegung", Keine, Si, Kb },
    { 8, "Schleichen", Keine, Si, Si },
    { 8, "Schwimmen", Keine, Kr, Ko },
    { 8, "Tanzen", Keine, Au, Ko },

    { 9, "Hiebwaffen", Keine, Kr, Kb },
    { 9, "Stichwaffen", Keine, Hg, Kb },
    { 9, "Waffenloser Kampf", Keine, Kr, Kb },
    { 9, "Faustfeuerwaffen", Keine, Hg, Hg },
    { 9, "Gewehre", Keine, Kb, Hg },
    { 9, "Schw. Schusswaffen", Keine, Kr, Kb },
    { 9, "Wurfwaffen", Keine, Kr, Kb },
    { 9, "Bordwaffen", Keine, Wi, Hg },
    { 9, "Sprengstoffe", Keine, Wi, Wi },
};

struct SpracheZeile {
    const char* name;
    int kosten;
};

const SpracheZeile Sprachen[] = {
    { "Standard(Imperial)", 3 },
    { "Neosynd", 4 },
    { "Newdeutsch", 6 },
    { "Allianzarabisch", 7 },
    { "Panasia", 8 },
    { "Skandinav", 5 },
    { "Ellinica", 6 },
    { "Betala", 5 },
    { "Nezordrular", 6 },
    { "Assalla-Ayg", 7 },
    { "Miqalin", 4 },
    { "Tokmardisch-Trinär", 6 },
    { "SOA", 7 },
    { "Dyrania", 4 },
    { "Portespan", 4 },
    { "Francais universel", 5 },
    { "Latein", 7 },
    { "Ordrular", 7 },
    { "Woique", 5 },
    { "Assalla-Dre", 8 },
    { "Xeracorisch", 4 },
    // The apostrophe is U+2019; files of older versions stored U+0092 here
    // and still load with that name.
    { "Car\u2019tory-kena", 5 },
};

struct AktionZeile {
    const char* name;
    int kenntnis;
    int spezialisierung;
    int kosten;
};

const AktionZeile TechnikAktionen[] = {
    { "Mod. von Elektrokomponenten", 2, 1, 5 },
    { "Anpassung von Xenotechnologie", 2, 1, 11 },
    { "Waffenausstattungsmod und -bau", 2, 2, 3 },
    { "Bordwaffenmodifikation", 2, 2, 13 },
    { "Nahkampfwaffenmodifikation", 2, 2, 8 },
    { "Fernkampfwaffenmodifikation", 2, 2, 12 },
    { "Schutzkleidungsmodifikation", 2, 2, 6 },
    { "Implantatmodifikation", 2, 3, 8 },
    { "Artifikantenkonstruktion", 2, 3, 5 },
    { "Nanobotmodifikation", 2, 4, 10 },
    { "Raumschiffssystemmodifikation", 2, 5, 12 },
    { "Raumschiffkonstruktion", 2, 5, 7 },
    { "Programmverbesserung", 2, 6, 4 },
    { "Software-Inkorporation", 2, 6, 7 },
    { "Pargrum programmieren", 2, 6, 10 },
    { "ID/Transponder herstellen", 2, 6, 6 },
    { "metonoidische Waffenmodifikation", 2, 7, 8 },
    { "Mutationsbeeinflussung", 0, 8, 5 },
    { "Lebewesen herstellen", 0, 8, 11 },
    { "Chemikalienherstellung", 0, 9, 3 },
    { "Sprengsatzbau", 0, 9, 5 },
    { "Arzneimittelmodifikation", 0, 10, 6 },
};

const AktionZeile ParaAktionen[] = {
    { "Abschirmung", 3, 11, 4 },
    { "Quellverstärkung", 3, 11, 8 },
    { "Entdeckung", 3, 11, 6 },
    { "Umleitung", 3, 11, 5 },
    { "Tiefenmeditation", 3, 12, 2 },
    { "Trance", 3, 12, 4 },
    { "Empathie", 3, 13, 2 },
    { "Gedankenübertragung", 3, 13, 3 },
    { "Kooperation", 3, 13, 3 },
    { "Sondierung", 3, 13, 3 },
    { "Wanderung", 3, 13, 6 },
    { "Illusion", 3, 14, 5 },
    { "Kontrolle", 3, 14, 6 },
    { "Bewusstseinsangriff", 3, 14, 5 },
    { "Pyro-/Cryokinese", 3, 15, 6 },
    { "Energokinese", 3, 15, 7 },
    { "Radiokinese", 3, 15, 5 },
    { "Telekinese", 3, 16, 7 },
    { "Deformation", 3, 16, 8 },
    { "Synergie", 3, 17, 5 },
    { "Biorhythmus", 3, 17, 5 },
    { "Handauflegen", 3, 17, 4 },
    { "Stärken/Schwächen", 3, 17, 6 },
};

const int SteigerungsKosten[] = { 3, 4, 5, 6, 8, 12, 20, 40, 70, 160 };
const int SpezialgebietsKosten[] = { 0, 1, 2, 3, 4, 6, 8, 11, 16, 23, 33, 44, 56, 69, 83, 98,
                                     114, 131, 149, 168, 188 };
const int BefaehigungsKosten[][2] = {
    { -10, 0 }, { -9, 1 }, { -8, 2 }, { -7, 3 }, { -6, 4 }, { -5, 5 }, { -4, 6 },
    { -3, 7 }, { -2, 8 }, { -1, 9 }, { 0, 10 }, { 1, 14 }, { 2, 20 }
};

} // namespace

Regelwerk::Regelwerk()
{
    baueBonusSpezialgebiete();
    baueBasistypen();
    baueSpezialgebiete();
    baueSprachen();
    baueTechnikAktionen();
    baueParaAktionen();
    baueKostentabellen();
}

Regelwerk::~Regelwerk()
{
    qDeleteAll(basistypen);
    for (const QList<Spezialgebiet*>& liste : std::as_const(spezialgebiete))
        qDeleteAll(liste);
    qDeleteAll(sprachen);
    qDeleteAll(technikAktionen);
    qDeleteAll(paraAktionen);
    delete bonusAusweichen;
    delete bonusRennenSpringen;
    delete bonusTelepathie;
    delete bonusSchwimmen;
    delete bonusVerwandeln;
    delete bonusSoftware;
    delete bonusMaterieVeraendern;
    delete bonusFliegen;
}

void Regelwerk::baueBonusSpezialgebiete()
{
    bonusAusweichen = new Spezialgebiet(text("Ausweichen"), Keine, 8, 0, 0, Si, Is, true);
    bonusRennenSpringen = new Spezialgebiet(text("Rennen & Springen"), Keine, 8, 0, 0, Kr, Ko,
                                            true);
    bonusTelepathie = new Spezialgebiet(text("Telepathie"), 13, 3, 0, 0, Em, Em, true);
    bonusSchwimmen = new Spezialgebiet(text("Schwimmen"), Keine, 8, 0, 0, Kr, Ko, true);
    bonusVerwandeln = new Spezialgebiet(text("Verwandeln"), Keine, 8, 0, 0, Si, Is, true);
    bonusSoftware = new Spezialgebiet(text("Software"), 6, 2, 0, 0, It, Wi, true);
    bonusMaterieVeraendern = new Spezialgebiet(text("Materie verändern"), Keine, 5, 0, 0, It,
                                               Em, true);
    bonusFliegen = new Spezialgebiet(text("Fliegen"), Keine, 8, 0, 0, Kr, Ko, true);
}

void Regelwerk::baueBasistypen()
{
    for (const BasistypZeile& z : Basistypen) {
        auto* b = new Basistypus;
        b->name = text(z.name);
        b->geschlecht = text(z.geschlecht);
        b->groessenWuerfel = z.wuerfel;
        b->grundgroesse = z.grundgroesse;
        b->gewichtsAbzug = z.abzug;
        b->hautschutz = z.hautschutz;
        b->asp = z.asp;
        b->msp = z.msp;
        b->ksp = z.ksp;
        b->merkmale = text(z.merkmale);
        b->startEP = z.ep;
        b->startMP = z.mp;
        b->startSP = z.sp;
        b->startTP = z.tp;
        b->physisFaktor = z.physis;
        b->psycheFaktor = z.psyche;
        for (int bonus : z.bonus) {
            if (bonus >= 0)
                b->bonusSpezialgebiete.append(
                    const_cast<Spezialgebiet*>(bonusSpezialgebiet(bonus)));
        }
        b->startDE = z.de;
        b->startAE = z.ae;
        b->mpKaufbar = z.mp_kaufbar;
        b->ceptomyzinMoeglich = z.ceptomyzin;
        b->cassiasMoeglich = z.cassias;
        for (int e = 0; e < AnzahlEigenschaften; ++e)
            b->startwerte[e] = z.startwerte[e];
        basistypen.append(b);
    }
}

void Regelwerk::baueSpezialgebiete()
{
    for (const SpeziZeile& z : Spezialgebiete) {
        spezialgebiete[z.kenntnis].append(new Spezialgebiet(
            text(z.name), z.typ, z.kenntnis, 0, 0, z.eigenschaft1, z.eigenschaft2, false));
    }
}

void Regelwerk::baueSprachen()
{
    for (const SpracheZeile& z : Sprachen) {
        sprachen.append(new Aktion(text(z.name), 1, 0, -10, z.kosten));
    }
}

void Regelwerk::baueTechnikAktionen()
{
    for (const AktionZeile& z : TechnikAktionen)
        technikAktionen.append(
            new Aktion(text(z.name), z.kenntnis, z.spezialisierung, -10, z.kosten));
}

void Regelwerk::baueParaAktionen()
{
    for (const AktionZeile& z : ParaAktionen)
        paraAktionen.append(
            new Aktion(text(z.name), z.kenntnis, z.spezialisierung, -10, z.kosten));
}

void Regelwerk::baueKostentabellen()
{
    for (int k : SteigerungsKosten)
        steigerungskosten.append(k);
    for (int k : SpezialgebietsKosten)
        spezialgebietskosten.append(k);
    for (const auto& z : BefaehigungsKosten)
        befaehigungskosten.insert(z[0], z[1]);
}

// ---------------------------------------------------------------- vocabulary

QString Regelwerk::kenntnisName(int kenntnis) const
{
    if (kenntnis < 0 || kenntnis >= AnzahlKenntnisse)
        return QString();
    return text(Kenntnisse[kenntnis].name);
}

QString Regelwerk::spezialisierungName(int spezialisierung) const
{
    return eintrag(Spezialisierungen, spezialisierung);
}

int Regelwerk::stufe(int punkte) const
{
    if (punkte <= 9)
        return 0;
    if (punkte <= 25)
        return 1;
    if (punkte <= 99)
        return 2;
    if (punkte >= 500)
        return 7;
    return punkte / 100 + 2;   // 100..199 -> 3, .., 400..499 -> 6
}

QString Regelwerk::stufenName(int stufe) const
{
    if (stufe < 1 || stufe > 7)
        return QStringLiteral("-");
    return text(Stufen[stufe]);
}

QString Regelwerk::eigenschaftName(int eigenschaft)
{
    return eintrag(EigenschaftNamen, eigenschaft);
}

QString Regelwerk::eigenschaftBeschriftung(int eigenschaft)
{
    return eintrag(EigenschaftBeschriftungen, eigenschaft);
}

QString Regelwerk::eigenschaftKuerzel(int eigenschaft)
{
    return eintrag(EigenschaftKuerzel, eigenschaft);
}

int Regelwerk::kenntnisEigenschaft1(int kenntnis)
{
    if (kenntnis < 0 || kenntnis >= AnzahlKenntnisse)
        return -1;
    return Kenntnisse[kenntnis].eigenschaft1;
}

int Regelwerk::kenntnisEigenschaft2(int kenntnis)
{
    if (kenntnis < 0 || kenntnis >= AnzahlKenntnisse)
        return -1;
    return Kenntnisse[kenntnis].eigenschaft2;
}

QString Regelwerk::kenntnisBezug(int kenntnis) const
{
    if (kenntnis < 0 || kenntnis >= AnzahlKenntnisse)
        return QString();
    return QStringLiteral("%1, %2").arg(eigenschaftKuerzel(Kenntnisse[kenntnis].eigenschaft1),
                                        eigenschaftKuerzel(Kenntnisse[kenntnis].eigenschaft2));
}

// ---------------------------------------------------------------- cost tables

int Regelwerk::steigerungsKosten(int schritt) const
{
    if (schritt < 0 || schritt >= steigerungskosten.size())
        return -1;
    return steigerungskosten.at(schritt);
}

int Regelwerk::spezialgebietKosten(int stufe) const
{
    if (stufe < 0 || stufe >= spezialgebietskosten.size())
        return -1;
    return spezialgebietskosten.at(stufe);
}

int Regelwerk::befaehigungKosten(int befaehigung) const
{
    return befaehigungskosten.value(befaehigung, -1);
}

int Regelwerk::anzahlSteigerungen() const
{
    return int(steigerungskosten.size());
}

int Regelwerk::hoechsteSpezialgebietStufe() const
{
    return int(spezialgebietskosten.size()) - 1;
}

// ---------------------------------------------------------------- species

const Basistypus* Regelwerk::basistyp(int index) const
{
    if (index < 0 || index >= basistypen.size())
        return basistypen.first();
    return basistypen.at(index);
}

int Regelwerk::anzahlBasistypen() const
{
    return basistypen.size();
}

QStringList Regelwerk::basistypNamen() const
{
    QStringList namen;
    for (const Basistypus* b : basistypen)
        namen.append(b->name);
    return namen;
}

// ---------------------------------------------------------------- special areas

int Regelwerk::anzahlSpezialgebiete(int kenntnis) const
{
    return spezialgebiete.value(kenntnis).size();
}

const Spezialgebiet* Regelwerk::spezialgebiet(int kenntnis, int i) const
{
    const auto it = spezialgebiete.constFind(kenntnis);
    if (it == spezialgebiete.constEnd() || i < 0 || i >= it->size())
        return nullptr;
    return it->at(i);
}

const Spezialgebiet* Regelwerk::bonusSpezialgebiet(int i) const
{
    switch (i) {
    case BAusweichen: return bonusAusweichen;
    case BRennen: return bonusRennenSpringen;
    case BTelepathie: return bonusTelepathie;
    case BSchwimmen: return bonusSchwimmen;
    case BVerwandeln: return bonusVerwandeln;
    case BSoftware: return bonusSoftware;
    case BMaterie: return bonusMaterieVeraendern;
    case BFliegen: return bonusFliegen;
    default: return nullptr;
    }
}

// ---------------------------------------------------------------- actions

const QList<Aktion*>& Regelwerk::aktionenListe(int art) const
{
    if (art == Aktion::Sprache)
        return sprachen;
    if (art == Aktion::Technik)
        return technikAktionen;
    return paraAktionen;
}

int Regelwerk::anzahlAktionen(int art) const
{
    return aktionenListe(art).size();
}

const Aktion* Regelwerk::aktion(int art, int i) const
{
    const QList<Aktion*>& liste = aktionenListe(art);
    if (i < 0 || i >= liste.size())
        return nullptr;
    return liste.at(i);
}

const Aktion* Regelwerk::sucheAktion(int art, const QString& anfang) const
{
    for (const Aktion* a : aktionenListe(art)) {
        if (a->Bezeichnung.startsWith(anfang, Qt::CaseSensitive))
            return a;
    }
    return nullptr;
}
