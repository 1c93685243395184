#ifndef SCHIFFSDATEN_H
#define SCHIFFSDATEN_H

#include <QList>
#include <QMetaType>
#include <QtGlobal>

class Komponente;

// The computed values of a ship: a plain record, rebuilt from scratch from
// the installed components and their counts on every change and passed on
// by value (signal SchiffsModel::neueDaten). Nothing of it is stored.
//
// Every integer that sums counts or count x per-unit value is a 64-bit
// integer, so that a large ship (a million escape capsules cost 1.5e10 St)
// never shows a wrapped or negative value; sums beyond that range stop at
// its ends. Flags are bool, decimal values
// 32-bit floats.
class SchiffsDaten
{
public:
    qint64 gstp = 0;                    // ship size: sum of the hull-material counts
    float gstpvBelegt = 0.0f;           // volume used in GSTPV
    qint64 gstpvMaschinenraum = 0;      // volume of the engine room
    qint64 gstpvLandestelzen = 0;       // volume of the landing legs
    qint64 gstpvEmap = 0;               // volume of the EMAP strong field
    qint64 gstpvDruckschotts = 0;       // volume of the bulkheads
    qint64 gstpvTraegheitsdaempfer = 0; // volume of the inertial dampers
    qint64 re = 0;                      // reactor output RE
    qint64 rev = 0;                     // total draw on the reactor output REV
    qint64 be = 0;                      // energy-store capacity BE
    qint64 maxBev = 0;                  // largest draw on the store by one row
    int objektgroesse = 0;              // size class 0 .. 17
    float leergewicht = 0.0f;           // weight in t without fuel and cargo
    float gewicht = 0.0f;               // weight in t with full fuel and cargo
    qint64 preis = 0;                   // price in St
    float rumpf = 0.0f;                 // hull points, a whole number
    qint64 panzerungGstpv = 0;          // sum of the armour counts
    qint64 teilschutzSumme = 0;         // sum of armour protection x count
    qint64 panzerung = 0;               // armour value of the ship
    qint64 schildenergie = 0;           // sum of shield energy x count
    qint64 teilscanschutzSumme = 0;     // sum of partial scan protection x count
    qint64 scanschutz = 0;              // scan protection of the ship
    qint64 teilsteuerungSumme = 0;      // sum of partial steering x count
    float steuerungLeer = 0.0f;         // steering, empty
    float steuerungHalb = 0.0f;         // steering, half load
    float steuerungVoll = 0.0f;         // steering, full load
    float feldspulenSumme = 0.0f;       // sum of field-coil speed (Mio km/s) x count
    float feldgeschwLeer = 0.0f;        // field speed in km/s, empty
    float feldgeschwHalb = 0.0f;        // field speed, half load
    float feldgeschwVoll = 0.0f;        // field speed, full load
    qint64 gravGstp = 0;                // sum of Grav.GSTP x count
    qint64 sprungTonnen = 0;            // sum of jump tonnage x count
    qint64 computerSlots = 0;           // sum of system slots x count
    qint64 slotsBelegt = 0;             // system slots in use
    qint64 sensorBonus = 0;             // detection bonus of the best sensor row
    float sensorReichweite = 0.0f;      // range (Mio km) x count of the best sensor row
    qint64 feuerleitAnzahl = 0;         // sum of the fire-control counts
    qint64 handhabungSumme = 0;         // sum of handling x count
    float handhabungMittel = 0.0f;      // handhabungSumme / feuerleitAnzahl
    qint64 scannerErfassung = 0;        // detection value of the best scanner
    qint64 scannerReichweite = 0;       // range in km of that scanner
    qint64 kommReichweite = 0;          // largest range x count of a relay row
    qint64 trReichweite = 0;            // largest range x count of a TR transmitter row
    bool maschinenraum = false;         // an engine room is installed
    qint64 treibstoffTonnen = 0;        // fuel in t
    qint64 treppenDecks = 0;            // decks served by stairways
    qint64 liftDecks = 0;               // decks served by lifts
    qint64 brueckeGstpv = 0;            // volume of cockpit/bridge/centre
    qint64 brueckePersonen = 0;         // persons the bridge holds
    qint64 kabinenGstpv = 0;            // volume of cabins and corridors
    qint64 kabinenPersonen = 0;         // persons the cabins hold
    qint64 weitereRaeumeGstpv = 0;      // volume of the further rooms
    qint64 frachtInternTonnen = 0;      // internal cargo capacity in t
    qint64 frachtExternTonnen = 0;      // external cargo capacity in t
    qint64 hangarTor = 0;               // hangar with gate, GSTPV
    qint64 hangarKraftfeld = 0;         // hangar with force field, GSTPV
    qint64 lebenserhaltungPersonen = 0; // persons supplied by environment control
    qint64 wasserLiter = 0;             // water in litres
    qint64 traegheitsdaempfung = 0;     // inertial damping in g
    bool spiegelpanzerung = false;      // mirror armour installed
    bool emapStarkfeld = false;         // EMAP strong field installed
    bool landestelzen = false;          // landing legs installed
    bool druckschotts = false;          // bulkheads installed
    qint64 rettungskapselPersonen = 0;  // persons in escape capsules
    qint64 schleudersitzPersonen = 0;   // persons in ejection seats
    qint64 gasballons = 0;              // gas balloons
    qint64 fallschirme = 0;             // parachutes
    qint64 smashbags = 0;               // smash bags

    // Computes the record from the installed components (row order) and
    // their counts; both lists have the same length. Components are only
    // read.
    static SchiffsDaten berechne(const QList<Komponente *> &komponenten,
                                 const QList<int> &anzahlen);

    // Size class of a ship of gstp hull units (17 for the smallest, 0 from
    // 100000 on).
    static int groessenklasse(qint64 gstp);

    // a - b, held to the 64-bit range (no wrap-around for extreme sums).
    static qint64 differenz(qint64 a, qint64 b);

    // Division with rounding: the whole part (truncated towards zero) of
    // a / b + 0.5, computed in floating point. A divisor of 0 gives 0.
    static qint64 rundeDiv(double a, double b);
};

Q_DECLARE_METATYPE(SchiffsDaten)

#endif // SCHIFFSDATEN_H
