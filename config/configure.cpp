#include "configure.h"

namespace apt {

Configure::Configure(const QString &strName, const QString &strValue)
    : m_name(strName)
    , m_value(strValue)
{
}

Configure::~Configure() = default;

QString Configure::name() const
{
    return m_name;
}

QString Configure::value() const
{
    return m_value;
}

} // namespace apt
