#ifndef CINTVALIDATOR_H
#define CINTVALIDATOR_H

// Integer range validator of the forms (ports, prefix lengths). Digits are
// read in the C locale, so no group separators slip in, and for ranges that
// start at 0 or above a number that is already too large is refused while
// typing, since more digits cannot bring it back into range.

#include <QIntValidator>

namespace MirelGUIToolkit {

class CIntValidator : public QIntValidator
{
    Q_OBJECT

public:
    CIntValidator(int minimum, int maximum, QObject *parent = nullptr);
    ~CIntValidator() override;

    State validate(QString &input, int &pos) const override;
};

} // namespace MirelGUIToolkit

#endif // CINTVALIDATOR_H
