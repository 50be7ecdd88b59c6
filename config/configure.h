#ifndef CONFIGURE_H
#define CONFIGURE_H

// One setting of "Setup.xml": the element name is the key, the text of its
// "Value" child the value. Kept polymorphic so that typed settings can be
// derived later without changing the store.

#include <QString>

namespace apt {

class Configure
{
public:
    Configure(const QString &strName, const QString &strValue);
    virtual ~Configure();

    Configure(const Configure &) = default;
    Configure &operator=(const Configure &) = default;

    QString name() const;
    QString value() const;

private:
    QString m_name;
    QString m_value;
};

} // namespace apt

#endif // CONFIGURE_H
