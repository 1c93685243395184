#include "charakterwertsachen.h"

CharakterWertsachen::CharakterWertsachen(QObject* parent)
    : QObject(parent)
{
}

CharakterWertsachen::~CharakterWertsachen() = default;

int CharakterWertsachen::kapital() const { return m_kapital; }
void CharakterWertsachen::setzeKapital(int st) { m_kapital = st; }
int CharakterWertsachen::schulden() const { return m_schulden; }
void CharakterWertsachen::setzeSchulden(int st) { m_schulden = st; }
int CharakterWertsachen::ceptomyzin() const { return m_ceptomyzin; }
void CharakterWertsachen::setzeCeptomyzin(int einheiten) { m_ceptomyzin = einheiten; }
int CharakterWertsachen::cassias() const { return m_cassias; }
void CharakterWertsachen::setzeCassias(int einheiten) { m_cassias = einheiten; }

void CharakterWertsachen::zuruecksetzen()
{
    m_kapital = 0;
    m_schulden = 0;
    m_ceptomyzin = 0;
    m_cassias = 0;
}
