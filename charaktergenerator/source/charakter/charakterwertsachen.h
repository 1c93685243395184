#ifndef CHARAKTERWERTSACHEN_H
#define CHARAKTERWERTSACHEN_H

#include <QObject>

// The character's money and special goods. The setters store any value; the
// rules of buying and selling with EP are operations of the character.
class CharakterWertsachen : public QObject
{
    Q_OBJECT

public:
    explicit CharakterWertsachen(QObject* parent = nullptr);
    ~CharakterWertsachen() override;

    int kapital() const;
    void setzeKapital(int st);
    int schulden() const;
    void setzeSchulden(int st);
    int ceptomyzin() const;
    void setzeCeptomyzin(int einheiten);
    int cassias() const;
    void setzeCassias(int einheiten);

public slots:
    virtual void zuruecksetzen();

private:
    int m_kapital = 0;
    int m_schulden = 0;
    int m_ceptomyzin = 0;
    int m_cassias = 0;
};

#endif // CHARAKTERWERTSACHEN_H
