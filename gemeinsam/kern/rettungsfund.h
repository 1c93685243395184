#ifndef RETTUNGSFUND_H
#define RETTUNGSFUND_H

#include "rettungskopie.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QLockFile;

// A recovery copy left by an instance that is no longer running, found at
// start. While the object lives the copy is locked, so that no other
// instance starting at the same time offers it too.
class Rettungsfund
{
public:
    // The newest copy in the folder of copies (Rettungskopie::ordner())
    // whose instance has ended; null when there is none. Copies of running
    // instances are left alone, and so are files that are no copies.
    static std::unique_ptr<Rettungsfund> suche();

    ~Rettungsfund();
    Rettungsfund(const Rettungsfund &) = delete;
    Rettungsfund &operator=(const Rettungsfund &) = delete;

    const Rettungskopie::Kopf &kopf() const { return m_kopf; }
    const QByteArray &dokument() const { return m_dokument; }
    // The copy file.
    QString pfad() const { return m_pfad; }
    // How many more copies of ended instances wait; they stay for later starts.
    int weitere() const { return m_weitere; }

    // Deletes the copy ("Verwerfen").
    bool verwirf();

private:
    Rettungsfund() = default;

    QString m_pfad;
    Rettungskopie::Kopf m_kopf;
    QByteArray m_dokument;
    int m_weitere = 0;
    std::unique_ptr<QLockFile> m_sperre;
};

#endif // RETTUNGSFUND_H
