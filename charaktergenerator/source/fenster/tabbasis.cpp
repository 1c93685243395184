#include "tabbasis.h"
#include "ui_tabbasis.h"

#include "basistypus.h"
#include "charakter.h"
#include "regelwerk.h"

#include <QSignalBlocker>

#include <vector>

TabBasis::TabBasis(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent)
    : AbstractTab(charakter, regelwerk, parent)
    , ui(new Ui::TabBasis)
{
    ui->setupUi(this);
    seiteRollbar(ui->widgetBasis);
    ui->comboBasistypus->addItems(regelwerk->basistypNamen());

    connect(ui->comboBasistypus, &QComboBox::currentIndexChanged, this,
            &TabBasis::onBasistypusAusgewaehlt);
    connect(ui->buttonGroesseZufall, &QPushButton::clicked, this, &TabBasis::onButtonGroesseZufall);
    connect(ui->buttonGewichtNormal, &QPushButton::clicked, this, &TabBasis::onButtonGewichtNormal);

    connect(ui->editName, &QLineEdit::editingFinished, this, &TabBasis::onNeuName);
    connect(ui->editReich, &QLineEdit::editingFinished, this, &TabBasis::onNeuReich);
    connect(ui->editHeimatplanet, &QLineEdit::editingFinished, this, &TabBasis::onNeuHeimatplanet);
    connect(ui->editHaarfarbe, &QLineEdit::editingFinished, this, &TabBasis::onNeuHaarfarbe);
    connect(ui->editHautfarbe, &QLineEdit::editingFinished, this, &TabBasis::onNeuHautfarbe);
    connect(ui->editAugenfarbe, &QLineEdit::editingFinished, this, &TabBasis::onNeuAugenfarbe);
    connect(ui->textAussehen, &QTextEdit::textChanged, this, &TabBasis::onNeuAussehenSonstiges);
    connect(ui->textKindheit, &QTextEdit::textChanged, this, &TabBasis::onNeuKindheit);
    connect(ui->textErziehung, &QTextEdit::textChanged, this, &TabBasis::onNeuErziehung);
    connect(ui->textBeruf, &QTextEdit::textChanged, this, &TabBasis::onNeuBeruf);
    connect(ui->textWerdegang, &QTextEdit::textChanged, this, &TabBasis::onNeuWerdegang);
    connect(ui->lineGrundcharakter, &QLineEdit::editingFinished, this,
            &TabBasis::onNeuGrundcharakter);
    connect(ui->lineCharakterzuege, &QLineEdit::editingFinished, this,
            &TabBasis::onNeuCharakterzuege);
    connect(ui->textUmfeld, &QTextEdit::textChanged, this, &TabBasis::onNeuUmfeld);
    connect(ui->textHobbies, &QTextEdit::textChanged, this, &TabBasis::onNeuHobbies);
    connect(ui->lineTitel, &QLineEdit::editingFinished, this, &TabBasis::onNeuTitel);
    connect(ui->textBeziehungen, &QTextEdit::textChanged, this, &TabBasis::onNeuBeziehungen);

    connect(ui->dateGeburtsdatum, &QDateEdit::dateChanged, this, &TabBasis::onNeuGeburtsdatum);
    connect(ui->boxGewicht, &QSpinBox::valueChanged, this, &TabBasis::onNeuGewicht);
    connect(ui->boxGroesse, &QSpinBox::valueChanged, this, &TabBasis::onNeuGroesse);

    // After the field's own slot has stored the value: the personal data
    // changed (the header is only told of the name).
    const QList<QLineEdit *> zeilen = findChildren<QLineEdit *>();
    for (QLineEdit *zeile : zeilen) {
        if (zeile->objectName().startsWith(QLatin1String("edit"))
            || zeile->objectName().startsWith(QLatin1String("line")))
            connect(zeile, &QLineEdit::editingFinished, this, &TabBasis::datenGeaendert);
    }
    const QList<QTextEdit *> texte = findChildren<QTextEdit *>();
    for (QTextEdit *text : texte)
        connect(text, &QTextEdit::textChanged, this, &TabBasis::datenGeaendert);
    connect(ui->dateGeburtsdatum, &QDateEdit::dateChanged, this, &TabBasis::datenGeaendert);
    connect(ui->boxGewicht, &QSpinBox::valueChanged, this, &TabBasis::datenGeaendert);
    connect(ui->boxGroesse, &QSpinBox::valueChanged, this, &TabBasis::datenGeaendert);
}

TabBasis::~TabBasis()
{
    delete ui;
}

void TabBasis::aktualisieren()
{
    // Showing the character must not write back into it: the widgets clamp
    // (sizes, the date), normalise (line ends, no-break spaces in the texts)
    // or refuse (a species beyond the list) some stored values, which stay
    // as they are until the user edits that field.
    const QList<QObject *> felder = datenfelder();
    std::vector<QSignalBlocker> sperren;
    sperren.reserve(size_t(felder.size()));
    for (QObject *feld : felder)
        sperren.emplace_back(feld);

    const Basistypus *typ = charakter->basistyp();

    ui->comboBasistypus->setCurrentIndex(charakter->basistypusIndex());
    ui->labelSpeziesmerkmale->setText(typ->merkmale);
    ui->editHautschutz->setValue(typ->hautschutz);

    ui->editAugenfarbe->setText(charakter->text(CharakterBasis::Augenfarbe));
    ui->editHaarfarbe->setText(charakter->text(CharakterBasis::Haarfarbe));
    ui->editHautfarbe->setText(charakter->text(CharakterBasis::Hautfarbe));
    zeigeText(ui->textAussehen, charakter->text(CharakterBasis::AussehenSonstiges));
    ui->editHeimatplanet->setText(charakter->text(CharakterBasis::Heimatplanet));
    ui->editReich->setText(charakter->text(CharakterBasis::Reich));
    ui->editName->setText(charakter->text(CharakterBasis::Name));

    ui->boxGewicht->setValue(charakter->gewicht());
    ui->boxGroesse->setValue(charakter->groesse());
    ui->dateGeburtsdatum->setDate(charakter->geburtsdatum());

    zeigeText(ui->textKindheit, charakter->text(CharakterBasis::Kindheit));
    zeigeText(ui->textErziehung, charakter->text(CharakterBasis::Erziehung));
    zeigeText(ui->textBeruf, charakter->text(CharakterBasis::Beruf));
    zeigeText(ui->textWerdegang, charakter->text(CharakterBasis::Werdegang));
    ui->lineGrundcharakter->setText(charakter->text(CharakterBasis::Grundcharakter));
    ui->lineCharakterzuege->setText(charakter->text(CharakterBasis::Charakterzuege));
    zeigeText(ui->textUmfeld, charakter->text(CharakterBasis::Umfeld));
    zeigeText(ui->textHobbies, charakter->text(CharakterBasis::Hobbies));
    ui->lineTitel->setText(charakter->text(CharakterBasis::Titel));
    zeigeText(ui->textBeziehungen, charakter->text(CharakterBasis::Beziehungen));
}

void TabBasis::zeigeText(QTextEdit *feld, const QString &text)
{
    // Laying out a long text again costs; an unchanged one is left alone.
    if (feld->toPlainText() != text)
        feld->setPlainText(text);
}

QList<QObject *> TabBasis::datenfelder() const
{
    return { ui->comboBasistypus, ui->textAussehen, ui->textKindheit, ui->textErziehung,
             ui->textBeruf, ui->textWerdegang, ui->textUmfeld, ui->textHobbies,
             ui->textBeziehungen, ui->dateGeburtsdatum, ui->boxGewicht, ui->boxGroesse };
}

void TabBasis::neuAufbauen()
{
    aktualisieren();
    ui->comboBasistypus->setCurrentIndex(0);
    ui->boxGewicht->setValue(0);
    ui->boxGroesse->setValue(0);
}

void TabBasis::onBasistypusAusgewaehlt(int index)
{
    QList<int> vorher;
    const QList<Charakter::Befund> alteBefunde = charakter->pruefung();
    for (const Charakter::Befund &b : alteBefunde)
        vorher << b.punkt;
    charakter->setzeBasistypus(index);
    // What fits the rules no longer since the change, in the status bar.
    QStringList passtNicht;
    const QList<Charakter::Befund> befunde = charakter->pruefung();
    for (const Charakter::Befund &b : befunde) {
        if (b.verstoss && !vorher.contains(b.punkt))
            passtNicht << pruefungsZeile(b);
    }
    if (!passtNicht.isEmpty())
        emit signalMeldung(QStringLiteral("Basistypus %1 – passt nicht mehr: %2")
                               .arg(charakter->speziesName(), passtNicht.join(QLatin1Char(' '))));
    if (charakter->benutztSpezis())
        emit basistypChanged();
    emit signalUpdateHeader();
    aktualisieren();
}

void TabBasis::onButtonGroesseZufall()
{
    ui->boxGroesse->setValue(charakter->zufallsGroesse());
}

void TabBasis::onButtonGewichtNormal()
{
    ui->boxGewicht->setValue(charakter->normalGewicht());
}

void TabBasis::onNeuGeburtsdatum(QDate datum)
{
    charakter->setzeGeburtsdatum(datum);
}

void TabBasis::onNeuGewicht(int gewicht)
{
    charakter->setzeGewicht(gewicht);
}

void TabBasis::onNeuGroesse(int groesse)
{
    charakter->setzeGroesse(groesse);
}

void TabBasis::onNeuName()
{
    charakter->setzeText(CharakterBasis::Name, ui->editName->text());
    emit signalUpdateHeader();
}

void TabBasis::onNeuReich()
{
    charakter->setzeText(CharakterBasis::Reich, ui->editReich->text());
}

void TabBasis::onNeuHeimatplanet()
{
    charakter->setzeText(CharakterBasis::Heimatplanet, ui->editHeimatplanet->text());
}

void TabBasis::onNeuHaarfarbe()
{
    charakter->setzeText(CharakterBasis::Haarfarbe, ui->editHaarfarbe->text());
}

void TabBasis::onNeuHautfarbe()
{
    charakter->setzeText(CharakterBasis::Hautfarbe, ui->editHautfarbe->text());
}

void TabBasis::onNeuAugenfarbe()
{
    charakter->setzeText(CharakterBasis::Augenfarbe, ui->editAugenfarbe->text());
}

void TabBasis::onNeuAussehenSonstiges()
{
    charakter->setzeText(CharakterBasis::AussehenSonstiges, ui->textAussehen->toPlainText());
}

void TabBasis::onNeuKindheit()
{
    charakter->setzeText(CharakterBasis::Kindheit, ui->textKindheit->toPlainText());
}

void TabBasis::onNeuErziehung()
{
    charakter->setzeText(CharakterBasis::Erziehung, ui->textErziehung->toPlainText());
}

void TabBasis::onNeuBeruf()
{
    charakter->setzeText(CharakterBasis::Beruf, ui->textBeruf->toPlainText());
}

void TabBasis::onNeuWerdegang()
{
    charakter->setzeText(CharakterBasis::Werdegang, ui->textWerdegang->toPlainText());
}

void TabBasis::onNeuGrundcharakter()
{
    charakter->setzeText(CharakterBasis::Grundcharakter, ui->lineGrundcharakter->text());
}

void TabBasis::onNeuCharakterzuege()
{
    charakter->setzeText(CharakterBasis::Charakterzuege, ui->lineCharakterzuege->text());
}

void TabBasis::onNeuUmfeld()
{
    charakter->setzeText(CharakterBasis::Umfeld, ui->textUmfeld->toPlainText());
}

void TabBasis::onNeuHobbies()
{
    charakter->setzeText(CharakterBasis::Hobbies, ui->textHobbies->toPlainText());
}

void TabBasis::onNeuTitel()
{
    charakter->setzeText(CharakterBasis::Titel, ui->lineTitel->text());
}

void TabBasis::onNeuBeziehungen()
{
    charakter->setzeText(CharakterBasis::Beziehungen, ui->textBeziehungen->toPlainText());
}
