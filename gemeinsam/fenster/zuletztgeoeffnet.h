#ifndef ZULETZTGEOEFFNET_H
#define ZULETZTGEOEFFNET_H

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;

// The submenu "Zuletzt geöffnet" of the file menu: the last eight files
// opened or saved, newest first, kept in the program's settings. Choosing
// an entry emits oeffnen(); an entry whose file is gone is removed instead,
// with a short message.
class ZuletztGeoeffnet : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxDateien = 8;

    // Inserts the submenu into `dateiMenue` before `vor` (at the end when
    // `vor` is null). The menu owns the submenu.
    ZuletztGeoeffnet(QMenu *dateiMenue, QAction *vor, QObject *parent = nullptr);

    // The files of the list, newest first (absolute paths).
    QStringList dateien() const;
    QMenu *menue() const { return m_pMenue; }

public slots:
    // Puts `datei` first; an older entry of it goes, and so does the ninth.
    void merke(const QString &datei);

signals:
    void oeffnen(const QString &datei);

private:
    void speichere(const QStringList &dateien);
    void baueMenue();
    void gewaehlt(const QString &datei);

    QMenu *m_pMenue;
};

#endif // ZULETZTGEOEFFNET_H
